#include "prepare/ladung.h"

#include "prepare/kachelnamen.h"
#include "prepare/schnitt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace ladung {

bool IstJpeg(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    return endung == QLatin1String("jpg") || endung == QLatin1String("jpeg");
}

Wandelergebnis SchreibeWandelbitmap(const QImage& bild, const QString& jpegPfad, const QString& arbeitsverzeichnis,
                                    bool nebenDemBild)
{
    // Where the picture's folder takes no file (a CD, a locked USB stick, a
    // share), the scratch folder takes it under the same name.
    QStringList orte{arbeitsverzeichnis + QFileInfo(jpegPfad).fileName()};
    if (nebenDemBild)
        orte.prepend(jpegPfad);
    Wandelergebnis ergebnis;
    for (const QString& ort : orte) {
        const QString wunschname = kachelnamen::Wandeldatei(ort, [](const QString&) { return false; });
        const QString datei =
            kachelnamen::Wandeldatei(ort, [](const QString& kandidat) { return QFileInfo::exists(kandidat); });
        if (datei.isEmpty()) {
            ergebnis.fehler = QStringLiteral("Datei %1 kann nicht erstellt werden").arg(wunschname);
            continue;
        }
        if (const auto fehler = schnitt::SchreibeBild(bild, datei, true, 0)) {
            QFile::remove(datei); // a partial file of a name that was free
            ergebnis.fehler = *fehler;
            continue;
        }
        ergebnis.wandlung = Wandlung{datei, wunschname};
        ergebnis.fehler.clear();
        break;
    }
    return ergebnis;
}

QString MitTrenner(QString verzeichnis)
{
    verzeichnis = QDir::toNativeSeparators(verzeichnis);
    if (!verzeichnis.endsWith(QDir::separator()))
        verzeichnis += QDir::separator();
    return verzeichnis;
}

QString Ausgabeverzeichnis(const QString& bildverzeichnis)
{
#ifdef Q_OS_WIN
    return bildverzeichnis.toLower();
#else
    return bildverzeichnis;
#endif
}

} // namespace ladung
