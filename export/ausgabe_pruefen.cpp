// The checks before the first write of a cut, shared by saving and exports.
#include "app/puz_hpt.h"

#include "app/fenster.h"
#include "app/puz_var.h"
#include "export/htm_chk.h"
#include "export/puz_warn.h"

bool TForm1::AusgabePruefen()
{
    // The tile set is being replaced: nothing may be written from it now.
    if (SchnittLaeuft)
        return false;
    if (puz_var::AusgabeGeprueft)
        return true;
    if (puz_var::Ausgabeverzeichnis == puz_var::Programmverzeichnis) {
        FoWarn->zeigeVorn();
        if (!FoWarn->WeiterSpeichern())
            return false;
    }
    if (!Check4HtmlName(puz_var::Dateikuerzel))
        return false;
    puz_var::AusgabeGeprueft = true;
    return true;
}
