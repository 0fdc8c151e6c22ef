#include "games/puz_raet.h"

TFoBilderRaetsel::TFoBilderRaetsel(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("BilderRätsel"));
}
