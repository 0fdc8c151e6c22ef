// Page exports of the main window's menu "&Speichern": the checks and the
// questions before writing, the messages after; the pages themselves are
// written by export/seitenausgabe.
#include "app/dialoge.h"
#include "app/einstellungen.h"
#include "app/fenster.h"
#include "app/puz_hpt.h"
#include "app/puz_var.h"
#include "export/ausgabebuch.h"
#include "export/seitenausgabe.h"
#include "prepare/kachelnamen.h"

#include <array>

namespace {

// How one page export ended. Only a file error ends "&alle HTML-Spiele".
enum class Ausgang { Fertig, Abgebrochen, Dateifehler };

// A missing template is shown in the error window and skips only this page;
// a page that cannot be written is a message box and ends the command.
Ausgang ausgang(TForm1& form, const std::optional<Seitenfehler>& fehler, const QString& pfad)
{
    if (!fehler) {
        Hauptausgabebuch().Geschrieben(pfad, form.Bildherkunft);
        return Ausgang::Fertig;
    }
    if (fehler->vorlage) {
        form.ZeigeFehler(fehler->text);
        return Ausgang::Abgebrochen;
    }
    Dialoge::Meldung(&form, fehler->text);
    return Ausgang::Dateifehler;
}

// The JPEG tiles a page export writes after its page, unless they were.
QStringList kachelnDerSeite()
{
    if (puz_var::JpegGespeichert)
        return {};
    return kachelnamen::Kachelsatz(puz_var::Dateikuerzel, puz_var::Spalten, puz_var::Zeilen, false,
                                   puz_var::VorschauErzeugen);
}

// The tile saving reports its own failures in a message box; like a page
// that cannot be written, that ends "&alle HTML-Spiele" (the next page would
// only repeat the message).
Ausgang kachelnSichern(TForm1& form)
{
    form.KachelnSichern();
    return puz_var::JpegGespeichert ? Ausgang::Fertig : Ausgang::Dateifehler;
}

// A game page, then the riddle's answer pictures, then the tiles.
Ausgang spielseite(TForm1& form, Spielseite art)
{
    const QString name = Seitendatei(art, puz_var::Dateikuerzel);
    if (!form.Schreibfreigabe(QStringList{name} + kachelnDerSeite()))
        return Ausgang::Abgebrochen;
    const QString pfad = puz_var::Ausgabeverzeichnis + name;
    const SeitenEingabe eingabe =
        Seiteneingabe(AktuelleEinstellungen(), puz_var::Dateikuerzel, puz_var::Spalten, puz_var::Zeilen);
    const Ausgang a = ausgang(form, SchreibeSpielseite(art, eingabe, puz_var::Programmverzeichnis, pfad), pfad);
    if (a != Ausgang::Fertig)
        return a;
    if (art == Spielseite::Raetsel)
        ErgaenzeAntwortbilder(puz_var::Programmverzeichnis, puz_var::Ausgabeverzeichnis);
    return kachelnSichern(form);
}

} // namespace

void TForm1::KachelnSichern()
{
    if (!puz_var::JpegGespeichert)
        EinzelbilderClick();
}

void TForm1::SchiebePuzzleClick()
{
    spielseite(*this, Spielseite::Schieben);
}

void TForm1::TauschPuzzleClick()
{
    spielseite(*this, Spielseite::Tauschen);
}

void TForm1::RaetselnClick()
{
    spielseite(*this, Spielseite::Raetsel);
}

void TForm1::alleHTMLSpieleClick()
{
    // One question for the three pages and their tiles; "Abbrechen" there
    // writes none of them.
    const std::array seiten{Spielseite::Schieben, Spielseite::Tauschen, Spielseite::Raetsel};
    QStringList namen;
    for (const Spielseite seite : seiten)
        namen << Seitendatei(seite, puz_var::Dateikuerzel);
    if (!ErsetzenPruefen(namen + kachelnDerSeite()))
        return;
    for (const Spielseite seite : seiten)
        if (spielseite(*this, seite) == Ausgang::Dateifehler)
            return;
}

void TForm1::TabelleClick()
{
    if (!Schreibfreigabe(QStringList{puz_var::Tabellendatei} + kachelnDerSeite()))
        return;
    TabellenEingabe e;
    e.Bilddatei = puz_var::Bilddatei;
    e.Dateikuerzel = puz_var::Dateikuerzel;
    e.Zeilen = puz_var::Zeilen;
    e.Spalten = puz_var::Spalten;
    e.Hintergrundfarbe = puz_var::Hintergrundfarbe;
    e.Gitterbreite = puz_var::Gitterbreite;
    const QString pfad = puz_var::Ausgabeverzeichnis + puz_var::Tabellendatei;
    if (ausgang(*this, SchreibeTabelle(e, pfad), pfad) == Ausgang::Fertig)
        KachelnSichern();
}
