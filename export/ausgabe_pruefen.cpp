// The checks before the first write of a cut, shared by saving and exports,
// and the checks before every writing command: the output folder, and the
// question before another picture's puzzle is replaced.
#include "app/puz_hpt.h"

#include "app/dialoge.h"
#include "app/fenster.h"
#include "app/puz_var.h"
#include "export/ausgabebuch.h"
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

bool TForm1::ErsetzenPruefen(const QStringList& namen)
{
    if (SchnittLaeuft)
        return false;
    const QString& verzeichnis = puz_var::Ausgabeverzeichnis;
    if (const auto fehler = ausgabe::OrdnerFehler(verzeichnis)) {
        Dialoge::Meldung(this, *fehler);
        return false;
    }
    // A picture's own file is never a tile of it, whatever the answer would be.
    if (const auto fehler = ausgabe::BildFehler(verzeichnis, namen, {Bildherkunft, puz_var::Bilddatei})) {
        Dialoge::Meldung(this, *fehler);
        return false;
    }
    Ausgabebuch& buch = Hauptausgabebuch();
    const QStringList fremde = buch.Fremde(verzeichnis, namen, Bildherkunft);
    if (fremde.isEmpty())
        return true;
    if (!Dialoge::Ersetzen(this, ausgabe::ErsetzenFrage(verzeichnis, puz_var::Dateikuerzel, fremde)))
        return false;
    buch.Freigeben(verzeichnis, puz_var::Dateikuerzel, namen, Bildherkunft);
    return true;
}

bool TForm1::Schreibfreigabe(const QStringList& namen)
{
    return ErsetzenPruefen(namen) && AusgabePruefen();
}
