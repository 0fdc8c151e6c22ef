#include "prepare/ladung.h"

#include "prepare/kachelnamen.h"
#include "prepare/schnitt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ladung {

bool IstJpeg(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    return endung == QLatin1String("jpg") || endung == QLatin1String("jpeg");
}

Wandelergebnis SchreibeWandelbitmap(const QImage& bild, const QString& jpegPfad, const QString& arbeitsverzeichnis)
{
    const QString ort = arbeitsverzeichnis + QFileInfo(jpegPfad).fileName();
    const QString wunschname = kachelnamen::Wandeldatei(ort, [](const QString&) { return false; });
    const QString datei =
        kachelnamen::Wandeldatei(ort, [](const QString& kandidat) { return QFileInfo::exists(kandidat); });
    if (datei.isEmpty())
        return {std::nullopt, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(wunschname)};
    if (const auto fehler = schnitt::SchreibeBild(bild, datei, true, 0)) {
        QFile::remove(datei); // a partial file of a name that was free
        return {std::nullopt, *fehler};
    }
    return {Wandlung{datei, wunschname}, QString()};
}

QString Herkunft(const QString& pfad)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(pfad).absoluteFilePath()));
}

QString Lesefehler(const QString& pfad, const QString& fehler)
{
    const QString name = QFileInfo(pfad).fileName();
    return fehler.contains(name) ? fehler : QStringLiteral("%1: %2").arg(name, fehler);
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
