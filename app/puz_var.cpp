#include "app/puz_var.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace puz_var {

namespace {

QString MitTrenner(const QString& pfad)
{
    QString ergebnis = QDir::toNativeSeparators(pfad);
    if (!ergebnis.endsWith(QDir::separator()))
        ergebnis += QDir::separator();
    return ergebnis;
}

} // namespace

QString StartAusgabeverzeichnis()
{
    // A folder the user keeps: the temporary directory is wiped at reboot and
    // would take a clipboard puzzle with it.
    QString basis = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (basis.isEmpty())
        basis = QDir::homePath();
    const QString pfad = MitTrenner(QDir(basis).filePath(QStringLiteral("Tesselo")));
#ifdef Q_OS_WIN
    return pfad.toLower();
#else
    return pfad;
#endif
}

QString Arbeitsverzeichnis()
{
    // One folder per running program, so two programs never share a scratch
    // file; it goes with its content when the program ends.
    static QTemporaryDir ordner(QDir(QDir::tempPath()).filePath(QStringLiteral("tesselo-XXXXXX")));
    return MitTrenner(ordner.isValid() ? ordner.path() : QDir::tempPath());
}

void Startwerte()
{
    JPEGQualitaet = 85;
    VorschauErzeugen = true;
    Seitentreu = true;
    VorschauBreite = 240;
    VorschauHoehe = 160;
    Gitterlinienfarbe = SystemfarbeButtonFace;
    Gitterbreite = 1;
    Bildformat = 1;
    SpielfeldMinimal = true;
    Ueberschrift.clear();
    LeerfeldX = 0;
    LeerfeldY = 0;
    Hintergrundfarbe = 0xFF0000;
    Leerfeldfarbe = 0x0000FF;
    Zugausgabe = true;
    ZugZaehler = true;
    Spielzeit = true;
    KnoepfeAusblenden = true;

    Bilddatei = QStringLiteral("luftbld.bmp");
    Bildverzeichnis.clear();
    Ausgabeverzeichnis = StartAusgabeverzeichnis();
    Programmverzeichnis.clear();
    Dateikuerzel.clear();
    Tabellendatei = QStringLiteral("tabelle.htm");
    Fehlertext = QStringLiteral("Fehler");

    AusgabeGeprueft = false;
    JpegGespeichert = false;
    SpeichernBestaetigt = false;

    Spalten = 0;
    Zeilen = 0;
    Teile.fill(QImage());
    Gesamtbild = QImage();
    Leerbild = QImage();
}

} // namespace puz_var
