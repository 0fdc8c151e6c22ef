// Saving the tile set: every tile, the empty tile and the preview picture.
#include "app/puz_hpt.h"

#include "app/bildfeld.h"
#include "app/dialoge.h"
#include "app/farbe.h"
#include "app/puz_var.h"
#include "codecs/bildcodec.h"
#include "export/ausgabebuch.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/kodierreihe.h"
#include "prepare/schnitt.h"

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
    Ausgabebuch& buch = Hauptausgabebuch();
    const int anzahl = puz_var::Spalten * puz_var::Zeilen;
    const std::vector<kachelnamen::Kachel> folge =
        kachelnamen::Speicherfolge(kuerzel, puz_var::Spalten, puz_var::Zeilen, bmp);
    std::vector<QImage> teile;
    teile.reserve(folge.size());
    for (const kachelnamen::Kachel& kachel : folge) {
        const int index = puz_var::TeilIndex(kachel.spalte, kachel.zeile);
        Q_ASSERT(index >= 0 && index < anzahl && index < puz_var::MaxTeile);
        teile.push_back(puz_var::Teile[size_t(index)]);
    }
    // The tiles are encoded on all cores, but written in the row's order:
    // the first file that fails ends the save, the files before it stay.
    // The helpers stop before the message is shown.
    const int qualitaet = puz_var::JPEGQualitaet;
    std::optional<QString> kachelfehler;
    {
        Kodierreihe reihe(std::move(teile), [bmp, qualitaet](const QImage& teil) {
            return bmp ? bildcodec::KodiereBmp(teil) : bildcodec::KodiereJpeg(teil, qualitaet);
        });
        for (size_t i = 0; i < folge.size() && !kachelfehler; ++i) {
            kachelfehler = schnitt::SchreibeKodiert(reihe.Hole(i), verzeichnis + folge[i].datei);
            if (!kachelfehler)
                buch.Geschrieben(verzeichnis + folge[i].datei, Bildherkunft);
        }
    }
    if (kachelfehler) {
        Dialoge::Meldung(this, *kachelfehler);
        return;
    }

    // The empty tile has the width of the cut's tiles, so it always matches
    // them; it is painted over the first tile of the mosaic as well.
    const int b = Schnittbreite > 0 ? Schnittbreite : SpEdBreite->value();
    const QColor leerfarbe = Farbe(puz_var::Leerfeldfarbe);
    Ziel = Quelle = QRect(0, 0, b, b);
    puz_var::Leerbild = QImage(b, b, QImage::Format_RGB32);
    puz_var::Leerbild.fill(leerfarbe);
    {
        QPainter maler(&ImBild->bild());
        maler.fillRect(Quelle, leerfarbe);
    }
    ImBild->update();
    if (const auto fehler = schnitt::SchreibeBild(puz_var::Leerbild, verzeichnis + kachelnamen::Leerbilddatei(kuerzel),
                                                  false, puz_var::JPEGQualitaet)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    buch.Geschrieben(verzeichnis + kachelnamen::Leerbilddatei(kuerzel), Bildherkunft);

    if (puz_var::VorschauErzeugen) {
        if (const auto fehler = schnitt::VorschauFehler(puz_var::VorschauBreite, puz_var::VorschauHoehe)) {
            Dialoge::Meldung(this, *fehler);
        } else {
            const QImage vorschau = schnitt::Vorschaubild(puz_var::Gesamtbild, puz_var::VorschauBreite,
                                                          puz_var::VorschauHoehe);
            if (const auto fehler = schnitt::SchreibeBild(vorschau, verzeichnis + kachelnamen::Vorschaudatei(kuerzel),
                                                          false, puz_var::JPEGQualitaet)) {
                Dialoge::Meldung(this, *fehler);
                return;
            }
            buch.Geschrieben(verzeichnis + kachelnamen::Vorschaudatei(kuerzel), Bildherkunft);
        }
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
