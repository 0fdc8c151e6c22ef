#include "modell/farbe.h"
#include "app/puz_var.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

TEST(PuzVar, StartwerteEinesFrischenStarts)
{
    puz_var::Startwerte();
    EXPECT_EQ(puz_var::Bilddatei, "luftbld.bmp");
    EXPECT_EQ(puz_var::Tabellendatei, "tabelle.htm");
    EXPECT_EQ(puz_var::Fehlertext, "Fehler");
    EXPECT_TRUE(puz_var::Dateikuerzel.isEmpty());
    EXPECT_TRUE(puz_var::Bildverzeichnis.isEmpty());
    EXPECT_EQ(puz_var::Spalten, 0);
    EXPECT_EQ(puz_var::Zeilen, 0);
    for (const QImage& teil : puz_var::Teile)
        EXPECT_TRUE(teil.isNull());
    EXPECT_TRUE(puz_var::Gesamtbild.isNull());
    EXPECT_TRUE(puz_var::Leerbild.isNull());

    EXPECT_EQ(puz_var::JPEGQualitaet, 85);
    EXPECT_TRUE(puz_var::VorschauErzeugen);
    EXPECT_TRUE(puz_var::Seitentreu);
    EXPECT_EQ(puz_var::VorschauBreite, 240);
    EXPECT_EQ(puz_var::VorschauHoehe, 160);
    EXPECT_EQ(puz_var::Gitterlinienfarbe, 0x8000000Fu);
    EXPECT_EQ(puz_var::Gitterbreite, 1);
    EXPECT_EQ(puz_var::Bildformat, 1);
    EXPECT_TRUE(puz_var::SpielfeldMinimal);
    EXPECT_EQ(puz_var::LeerfeldX, 0);
    EXPECT_EQ(puz_var::LeerfeldY, 0);
    EXPECT_EQ(puz_var::Hintergrundfarbe, 0xFF0000u);
    EXPECT_EQ(puz_var::Leerfeldfarbe, 0x0000FFu);
    EXPECT_TRUE(puz_var::Zugausgabe);
    EXPECT_TRUE(puz_var::ZugZaehler);
    EXPECT_TRUE(puz_var::Spielzeit);
    EXPECT_TRUE(puz_var::KnoepfeAusblenden);
    EXPECT_FALSE(puz_var::AusgabeGeprueft);
    EXPECT_FALSE(puz_var::JpegGespeichert);
    EXPECT_FALSE(puz_var::SpeichernBestaetigt);
    EXPECT_EQ(puz_var::Antwortbilder, QStringList({"falsch.gif", "richtig.gif", "falsrich.gif"}));
}

TEST(PuzVar, AusgabeverzeichnisIstTesseloImBilderordnerMitTrenner)
{
    puz_var::Startwerte();
    const QString pfad = puz_var::Ausgabeverzeichnis;
    ASSERT_FALSE(pfad.isEmpty());
    EXPECT_TRUE(pfad.endsWith(QDir::separator()));
    EXPECT_FALSE(pfad.endsWith(QString(QDir::separator()) + QDir::separator()));
#ifndef Q_OS_WIN
    QString bilder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (bilder.isEmpty())
        bilder = QDir::homePath();
    EXPECT_EQ(QDir::cleanPath(pfad), QDir(bilder).filePath(QStringLiteral("Tesselo")));
    // The temporary directory, wiped at reboot, is only for scratch files.
    EXPECT_FALSE(pfad.startsWith(QDir::tempPath()));
    const QString arbeit = puz_var::Arbeitsverzeichnis();
    EXPECT_TRUE(arbeit.startsWith(QDir::tempPath() + QLatin1Char('/')));
    EXPECT_TRUE(arbeit.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(arbeit).isDir());
    EXPECT_EQ(puz_var::Arbeitsverzeichnis(), arbeit); // one folder for the whole run
#endif
}

TEST(PuzVar, StartwerteSetzenAllesZurueck)
{
    puz_var::Startwerte();
    puz_var::Spalten = 4;
    puz_var::Zeilen = 3;
    puz_var::Teile[7] = QImage(8, 8, QImage::Format_RGB32);
    puz_var::Gesamtbild = QImage(32, 24, QImage::Format_RGB32);
    puz_var::Ueberschrift = QStringLiteral("Ein Titel");
    puz_var::VorschauBreite = 160;
    puz_var::VorschauHoehe = 240;
    puz_var::AusgabeGeprueft = true;
    puz_var::Dateikuerzel = QStringLiteral("baum");

    puz_var::Startwerte();
    EXPECT_EQ(puz_var::Spalten, 0);
    EXPECT_TRUE(puz_var::Teile[7].isNull());
    EXPECT_TRUE(puz_var::Gesamtbild.isNull());
    EXPECT_TRUE(puz_var::Ueberschrift.isEmpty());
    EXPECT_EQ(puz_var::VorschauBreite, 240);
    EXPECT_EQ(puz_var::VorschauHoehe, 160);
    EXPECT_FALSE(puz_var::AusgabeGeprueft);
    EXPECT_TRUE(puz_var::Dateikuerzel.isEmpty());
}

TEST(PuzVar, TeileLiegenSpaltenweise)
{
    puz_var::Startwerte();
    puz_var::Zeilen = 3;
    EXPECT_EQ(puz_var::TeilIndex(2, 1), 7);
    EXPECT_EQ(puz_var::TeilIndex(0, 2), 2);
    EXPECT_EQ(puz_var::TeilIndex(3, 0), 9);
}

TEST(Farbe, RotLiegtImNiedrigstenByte)
{
    EXPECT_EQ(Farbe(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(Farbe(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(Farbe(0x00FFFF), QColor(255, 255, 0));
    EXPECT_EQ(Farbe(0xC0C0C0), QColor(192, 192, 192));
    EXPECT_EQ(Farbwert(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(Farbwert(Farbe(0x123456)), 0x123456u);
}

TEST(Farbe, SystemfarbeWirdBeimZeichnenAufgeloest)
{
    const QColor knopf = Farbe(SystemfarbeButtonFace);
    EXPECT_TRUE(knopf.isValid());
    // Not the literal bytes of the value: 0x8000000F would read as red 0x0F.
    EXPECT_NE(knopf, QColor(0x0F, 0, 0));
    EXPECT_EQ(Farbwert(knopf) & 0x80000000u, 0u);
}
