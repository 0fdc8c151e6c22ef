#include "app/puz_var.h"

#include <QDir>

namespace puz_var {

QString StartAusgabeverzeichnis()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\temp\\");
#else
    QString pfad = QDir::toNativeSeparators(QDir::tempPath());
    if (!pfad.endsWith(QDir::separator()))
        pfad += QDir::separator();
    return pfad;
#endif
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
