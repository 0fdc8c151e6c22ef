#include "export/seitenausgabe.h"
#include "modell/farbe.h"
#include "modell/sitzung.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

TEST(Modell, StartwerteEinesFrischenStarts)
{
    const Sitzung sitzung;
    const Puzzle& p = sitzung.puzzle;
    EXPECT_TRUE(p.kuerzel.isEmpty());
    EXPECT_EQ(p.kacheln.spalten, 0);
    EXPECT_EQ(p.kacheln.zeilen, 0);
    EXPECT_TRUE(p.kacheln.teile.empty());
    EXPECT_TRUE(p.kacheln.gesamtbild.isNull());
    EXPECT_FALSE(p.ausgabe.geprueft);
    EXPECT_FALSE(p.ausgabe.jpegGespeichert);

    const Einstellungen& e = sitzung.einstellungen;
    EXPECT_EQ(e.JPEGQualitaet, 85);
    EXPECT_TRUE(e.VorschauErzeugen);
    EXPECT_TRUE(e.Seitentreu);
    EXPECT_EQ(e.VorschauBreite, 240);
    EXPECT_EQ(e.VorschauHoehe, 160);
    EXPECT_EQ(e.Gitterlinienfarbe, 0x8000000Fu);
    EXPECT_EQ(e.Gitterbreite, 1);
    EXPECT_TRUE(e.SpielfeldMinimal);
    EXPECT_EQ(e.LeerfeldX, 0);
    EXPECT_EQ(e.LeerfeldY, 0);
    EXPECT_EQ(e.Hintergrundfarbe, 0xFF0000u);
    EXPECT_EQ(e.Leerfeldfarbe, 0x0000FFu);
    // The page opens its move window from the start, the games only once
    // the options' check box says so.
    EXPECT_TRUE(e.Zugausgabe);
    EXPECT_FALSE(e.ZugausgabeImSpiel);
    EXPECT_TRUE(e.ZugZaehler);
    EXPECT_TRUE(e.Spielzeit);
    EXPECT_EQ(Antwortbilder(), QStringList({"falsch.gif", "richtig.gif", "falsrich.gif"}));
}

TEST(Modell, AusgabeverzeichnisIstTesseloImBilderordnerMitTrenner)
{
    const QString pfad = Einstellungen().Ausgabeverzeichnis;
    ASSERT_FALSE(pfad.isEmpty());
    EXPECT_EQ(pfad, StartAusgabeverzeichnis());
    EXPECT_TRUE(pfad.endsWith(QDir::separator()));
    EXPECT_FALSE(pfad.endsWith(QString(QDir::separator()) + QDir::separator()));
#ifndef Q_OS_WIN
    QString bilder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (bilder.isEmpty())
        bilder = QDir::homePath();
    EXPECT_EQ(QDir::cleanPath(pfad), QDir(bilder).filePath(QStringLiteral("Tesselo")));
    // The temporary directory, wiped at reboot, is only for scratch files.
    EXPECT_FALSE(pfad.startsWith(QDir::tempPath()));
#endif
}

TEST(Farbe, RotLiegtImNiedrigstenByte)
{
    EXPECT_EQ(Farbe(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(Farbe(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(Farbe(0x00FFFF), QColor(255, 255, 0));
    EXPECT_EQ(Farbe(0xC0C0C0), QColor(192, 192, 192));
    EXPECT_EQ(AlsFarbwert(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(AlsFarbwert(Farbe(0x123456)), 0x123456u);
}

TEST(Farbe, SystemfarbeWirdBeimZeichnenAufgeloest)
{
    const QColor knopf = Farbe(SystemfarbeButtonFace);
    EXPECT_TRUE(knopf.isValid());
    // Not the literal bytes of the value: 0x8000000F would read as red 0x0F.
    EXPECT_NE(knopf, QColor(0x0F, 0, 0));
    EXPECT_EQ(AlsFarbwert(knopf) & 0x80000000u, 0u);
}
