#include "prepare/kachelsicherung.h"

#include "codecs/bildcodec.h"
#include "prepare/kachelnamen.h"
#include "prepare/kodierreihe.h"
#include "prepare/schnitt.h"

namespace {

std::optional<QByteArray> Kodiert(const QByteArray& datei)
{
    return datei.isEmpty() ? std::nullopt : std::optional<QByteArray>(datei);
}

} // namespace

Kachelsicherung SichereKacheln(const Kachelsicherungsauftrag& a)
{
    Q_ASSERT(!a.dateien || !a.bmp);
    Kachelsicherung ergebnis;
    const auto geschrieben = [&a](const QString& pfad) {
        if (a.geschrieben)
            a.geschrieben(pfad);
    };
    const auto schreibe = [&](const std::optional<QByteArray>& inhalt, const QString& pfad) {
        ergebnis.fehler = schnitt::SchreibeKodiert(inhalt, pfad);
        if (!ergebnis.fehler)
            geschrieben(pfad);
        return !ergebnis.fehler;
    };
    const std::vector<kachelnamen::Kachel> folge = kachelnamen::Speicherfolge(a.kuerzel, a.spalten, a.zeilen, a.bmp);
    const auto index = [&a](const kachelnamen::Kachel& kachel) {
        return size_t(kachel.spalte) * size_t(a.zeilen) + size_t(kachel.zeile);
    };
    std::shared_ptr<KodierteKacheln> behalten;
    if (a.behalten && !a.dateien && !a.bmp) {
        behalten = std::make_shared<KodierteKacheln>();
        behalten->teile.resize(folge.size());
    }
    if (a.dateien) {
        for (const kachelnamen::Kachel& kachel : folge)
            if (!schreibe(Kodiert(a.dateien->teile.at(index(kachel))), a.verzeichnis + kachel.datei))
                return ergebnis;
    } else {
        std::vector<QImage> teile;
        teile.reserve(folge.size());
        for (const kachelnamen::Kachel& kachel : folge) {
            Q_ASSERT(index(kachel) < a.teile.size());
            teile.push_back(a.teile[index(kachel)]);
        }
        // The helpers stop before the caller hears of a failure.
        Kodierreihe reihe(std::move(teile), [bmp = a.bmp, q = a.qualitaet](const QImage& teil) {
            return bmp ? bildcodec::KodiereBmp(teil) : bildcodec::KodiereJpeg(teil, q);
        });
        for (size_t i = 0; i < folge.size(); ++i) {
            const std::optional<QByteArray> inhalt = reihe.Hole(i);
            if (behalten && inhalt)
                behalten->teile[index(folge[i])] = *inhalt;
            if (!schreibe(inhalt, a.verzeichnis + folge[i].datei))
                return ergebnis;
        }
    }

    const std::optional<QByteArray> leer =
        a.dateien ? Kodiert(a.dateien->leerbild) : bildcodec::KodiereJpeg(a.leerbild, a.qualitaet);
    if (behalten && leer)
        behalten->leerbild = *leer;
    if (!schreibe(leer, a.verzeichnis + kachelnamen::Leerbilddatei(a.kuerzel)))
        return ergebnis;

    if (a.vorschau) {
        ergebnis.vorschauFehler = a.dateien ? a.dateien->vorschauFehler
                                            : schnitt::VorschauFehler(a.vorschauBreite, a.vorschauHoehe);
        if (!ergebnis.vorschauFehler) {
            const std::optional<QByteArray> vorschau =
                a.dateien ? (a.dateien->vorschau ? Kodiert(*a.dateien->vorschau) : std::nullopt)
                          : bildcodec::KodiereJpeg(schnitt::Vorschaubild(a.gesamtbild, a.vorschauBreite, a.vorschauHoehe),
                                                   a.qualitaet);
            if (behalten && vorschau)
                behalten->vorschau = *vorschau;
            if (!schreibe(vorschau, a.verzeichnis + kachelnamen::Vorschaudatei(a.kuerzel)))
                return ergebnis;
        }
        if (behalten)
            behalten->vorschauFehler = ergebnis.vorschauFehler;
    }
    ergebnis.dateien = std::move(behalten);
    return ergebnis;
}
