#include "prepare/kachelsicherung.h"

#include "codecs/bildcodec.h"
#include "prepare/kachelnamen.h"
#include "prepare/kodierreihe.h"
#include "prepare/schnitt.h"

Kachelsicherung SichereKacheln(const Kachelsicherungsauftrag& a)
{
    Kachelsicherung ergebnis;
    const auto geschrieben = [&a](const QString& pfad) {
        if (a.geschrieben)
            a.geschrieben(pfad);
    };
    const std::vector<kachelnamen::Kachel> folge = kachelnamen::Speicherfolge(a.kuerzel, a.spalten, a.zeilen, a.bmp);
    std::vector<QImage> teile;
    teile.reserve(folge.size());
    for (const kachelnamen::Kachel& kachel : folge) {
        const size_t index = size_t(kachel.spalte) * size_t(a.zeilen) + size_t(kachel.zeile);
        Q_ASSERT(index < a.teile.size());
        teile.push_back(a.teile[index]);
    }
    {
        // The helpers stop before the caller hears of a failure.
        Kodierreihe reihe(std::move(teile), [bmp = a.bmp, q = a.qualitaet](const QImage& teil) {
            return bmp ? bildcodec::KodiereBmp(teil) : bildcodec::KodiereJpeg(teil, q);
        });
        for (size_t i = 0; i < folge.size(); ++i) {
            const QString pfad = a.verzeichnis + folge[i].datei;
            ergebnis.fehler = schnitt::SchreibeKodiert(reihe.Hole(i), pfad);
            if (ergebnis.fehler)
                return ergebnis;
            geschrieben(pfad);
        }
    }

    const QString leer = a.verzeichnis + kachelnamen::Leerbilddatei(a.kuerzel);
    ergebnis.fehler = schnitt::SchreibeBild(a.leerbild, leer, false, a.qualitaet);
    if (ergebnis.fehler)
        return ergebnis;
    geschrieben(leer);

    if (a.vorschau) {
        ergebnis.vorschauFehler = schnitt::VorschauFehler(a.vorschauBreite, a.vorschauHoehe);
        if (!ergebnis.vorschauFehler) {
            const QString pfad = a.verzeichnis + kachelnamen::Vorschaudatei(a.kuerzel);
            ergebnis.fehler = schnitt::SchreibeBild(schnitt::Vorschaubild(a.gesamtbild, a.vorschauBreite, a.vorschauHoehe),
                                                    pfad, false, a.qualitaet);
            if (!ergebnis.fehler)
                geschrieben(pfad);
        }
    }
    return ergebnis;
}
