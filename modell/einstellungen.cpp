#include "modell/einstellungen.h"

#include <QDir>
#include <QStandardPaths>
#include <climits>
#include <utility>

QStringList Beispielantworten()
{
    return {
        QStringLiteral("Hamburg: die Speicherstadt am Hafen"),
        QStringLiteral("Köln: der Dom am Rheinufer"),
        QStringLiteral("Rügen: die Kreidefelsen an der Ostsee"),
        QStringLiteral("München: das Rathaus am Marienplatz"),
        QStringLiteral("Dresden: die Frauenkirche am Neumarkt"),
    };
}

QString StartAusgabeverzeichnis()
{
    // A folder the user keeps: the temporary directory is wiped at reboot and
    // would take a clipboard puzzle with it.
    QString basis = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (basis.isEmpty())
        basis = QDir::homePath();
    QString pfad = QDir::toNativeSeparators(QDir(basis).filePath(QStringLiteral("Tesselo"))) + QDir::separator();
#ifdef Q_OS_WIN
    pfad = pfad.toLower();
#endif
    return pfad;
}

void PasseVorschauAn(Einstellungen& einstellungen, QSize bild)
{
    if (bild.width() < bild.height())
        std::swap(einstellungen.VorschauBreite, einstellungen.VorschauHoehe);
}

std::optional<int> ProportionaleHoehe(int breite, QSize bild)
{
    if (bild.width() <= 0 || bild.height() <= 0)
        return std::nullopt;
    const qint64 produkt = qint64(breite) * bild.height();
    const qint64 nenner = bild.width();
    qint64 quotient = produkt / nenner;
    qint64 rest = produkt % nenner;
    if (rest < 0) { // floor division, so the halves below are measured upwards
        quotient -= 1;
        rest += nenner;
    }
    if (2 * rest > nenner || (2 * rest == nenner && quotient % 2 != 0))
        quotient += 1;
    if (quotient > INT_MAX || quotient < INT_MIN)
        return std::nullopt;
    return int(quotient);
}
