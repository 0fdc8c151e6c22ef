// Saving the tile set: every tile, the empty tile and the preview picture.
#include "app/puz_hpt.h"

#include "app/bildfeld.h"
#include "app/dialoge.h"
#include "app/farbe.h"
#include "app/puz_var.h"
#include "export/ausgabebuch.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/kachelsicherung.h"

#include <QPainter>
#include <QSpinBox>

void TForm1::BuSpeichernClick()
{
    if (SchnittLaeuft)
        return;
    if (const auto fehler = gitter::BreitenFehler(SpEdBreite->value())) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    const bool bmp = puz_var::Bildformat == 0;
    const QString& verzeichnis = puz_var::Ausgabeverzeichnis;
    const QString& kuerzel = puz_var::Dateikuerzel;
    if (!Schreibfreigabe(kachelnamen::Kachelsatz(kuerzel, puz_var::Spalten, puz_var::Zeilen, bmp,
                                                 puz_var::VorschauErzeugen)))
        return;
    // The empty tile has the width of the cut's tiles, so it always matches
    // them; it is painted over the first tile of the mosaic as well.
    const int b = Schnittbreite > 0 ? Schnittbreite : SpEdBreite->value();
    const QColor leerfarbe = Farbe(puz_var::Leerfeldfarbe);
    puz_var::Leerbild = QImage(b, b, QImage::Format_RGB32);
    puz_var::Leerbild.fill(leerfarbe);

    KachelAuftrag auftrag;
    auftrag.verzeichnis = verzeichnis;
    auftrag.kuerzel = kuerzel;
    auftrag.spalten = puz_var::Spalten;
    auftrag.zeilen = puz_var::Zeilen;
    auftrag.teile = std::span<const QImage>(puz_var::Teile).first(size_t(puz_var::Spalten * puz_var::Zeilen));
    auftrag.bmp = bmp;
    auftrag.qualitaet = puz_var::JPEGQualitaet;
    auftrag.leerbild = puz_var::Leerbild;
    auftrag.vorschau = puz_var::VorschauErzeugen;
    auftrag.vorschauBreite = puz_var::VorschauBreite;
    auftrag.vorschauHoehe = puz_var::VorschauHoehe;
    auftrag.gesamtbild = puz_var::Gesamtbild;
    auftrag.geschrieben = [this](const QString& pfad) { Hauptausgabebuch().Geschrieben(pfad, Bildherkunft); };
    const Kachelsicherung sicherung = SichereKacheln(auftrag);
    if (!sicherung.fehler) {
        Ziel = Quelle = QRect(0, 0, b, b);
        QPainter maler(&ImBild->bild());
        maler.fillRect(Quelle, leerfarbe);
        ImBild->update();
    }
    if (sicherung.vorschauFehler)
        Dialoge::Meldung(this, *sicherung.vorschauFehler);
    if (sicherung.fehler) {
        Dialoge::Meldung(this, *sicherung.fehler);
        return;
    }
    if (!bmp)
        puz_var::JpegGespeichert = true;
}

void TForm1::EinzelbilderClick()
{
    puz_var::Bildformat = 1;
    BuSpeichernClick();
}

void TForm1::EinzelbilderbmpClick()
{
    puz_var::Bildformat = 0;
    BuSpeichernClick();
    puz_var::Bildformat = 1;
}
