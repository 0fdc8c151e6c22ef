#include "app/datenorte.h"

#include <QDir>
#include <QFileInfo>

namespace datenorte {

namespace {

QString MitTrenner(const QString& pfad)
{
    QString ergebnis = QDir::toNativeSeparators(QDir::cleanPath(pfad));
    if (!ergebnis.endsWith(QDir::separator()))
        ergebnis += QDir::separator();
    return ergebnis;
}

// One template stands for all: they are installed and copied together.
bool HatVorlagen(const QString& ordner)
{
    return QFileInfo(QDir(ordner).filePath(QStringLiteral("spuzv1.htm"))).isFile();
}

} // namespace

QString Datenverzeichnis(const QString& programmordner)
{
    const QString installiert = QDir(programmordner).filePath(QStringLiteral("../share/tesselo"));
    if (!HatVorlagen(programmordner) && HatVorlagen(installiert))
        return MitTrenner(installiert);
    return MitTrenner(programmordner);
}

QString Beispielverzeichnis(const QString& datenverzeichnis)
{
    const QString ordner = QDir(datenverzeichnis).filePath(Beispielordner);
    return QFileInfo(ordner).isDir() ? MitTrenner(ordner) : QString();
}

bool IstBeispielbild(const QString& bildpfad, const QString& datenverzeichnis)
{
    const QString beispiele = Beispielverzeichnis(datenverzeichnis);
    if (beispiele.isEmpty())
        return false;
    const QString ordner = QFileInfo(bildpfad).absoluteDir().canonicalPath();
    return !ordner.isEmpty() && ordner == QDir(beispiele).canonicalPath();
}

} // namespace datenorte
