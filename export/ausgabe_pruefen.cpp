// The checks before the first write of a cut, shared by saving and exports.
#include "app/puz_hpt.h"

bool TForm1::AusgabePruefen()
{
    return false;
}
