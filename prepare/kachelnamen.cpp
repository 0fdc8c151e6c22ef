#include "prepare/kachelnamen.h"

#include <QFileInfo>

namespace kachelnamen {

namespace {
constexpr int KuerzelLaenge = 6;
constexpr int WandelVersuche = 1000;
} // namespace

QString Dateikuerzel(const QString& pfad)
{
    const QString name = QFileInfo(pfad).fileName();
    const qsizetype punkt = name.indexOf(QLatin1Char('.'));
    return name.left(punkt < 0 ? name.size() : punkt).left(KuerzelLaenge);
}

QString Kachellabel(const QString& kuerzel, int spalte, int zeile)
{
    return kuerzel + QChar(char16_t(48 + spalte)) + QChar(char16_t(48 + zeile));
}

QString Kacheldatei(const QString& kuerzel, int spalte, int zeile, bool bmp)
{
    return kuerzel + QString::number(zeile) + QLatin1Char('_') + QString::number(spalte) +
           (bmp ? QStringLiteral(".bmp") : QStringLiteral(".jpg"));
}

QString Leerbilddatei(const QString& kuerzel)
{
    return kuerzel + QStringLiteral("le.jpg");
}

QString Vorschaudatei(const QString& kuerzel)
{
    return kuerzel + QStringLiteral("vs.jpg");
}

std::vector<Kachel> Speicherfolge(const QString& kuerzel, int spalten, int zeilen, bool bmp)
{
    std::vector<Kachel> folge;
    for (int spalte = 0; spalte < spalten; ++spalte)
        for (int zeile = 0; zeile < zeilen; ++zeile)
            folge.push_back({spalte, zeile, Kacheldatei(kuerzel, spalte, zeile, bmp)});
    return folge;
}

QStringList Kacheldateien(const QString& kuerzel, int spalten, int zeilen, bool bmp, bool vorschau)
{
    QStringList namen;
    for (const Kachel& kachel : Speicherfolge(kuerzel, spalten, zeilen, bmp))
        namen << kachel.datei;
    namen << Leerbilddatei(kuerzel);
    if (vorschau)
        namen << Vorschaudatei(kuerzel);
    return namen;
}

QString Wandeldatei(const QString& jpegPfad, const std::function<bool(const QString&)>& belegt)
{
    const QFileInfo info(jpegPfad);
    const QString name = info.fileName();
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    const QString stamm = jpegPfad.left(jpegPfad.size() - name.size()) +
                          (punkt < 0 ? name : name.left(punkt));
    const QString erster = stamm + QStringLiteral(".bmp");
    if (!belegt(erster))
        return erster;
    for (int nummer = 1; nummer <= WandelVersuche; ++nummer) {
        const QString kandidat = stamm + QLatin1Char('.') + QString::number(nummer) + QStringLiteral(".bmp");
        if (!belegt(kandidat))
            return kandidat;
    }
    return QString();
}

} // namespace kachelnamen
