// Writing BMP and JPEG, and what LeseBild makes of files and names.
#include "codecs/bildcodec.h"
#include "proben.h"
#include "testhilfe.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

using namespace bildcodec;

namespace {

QByteArray Inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void Schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

// Smooth colours, as in a photograph; JPEG's loss on it is small.
QImage Verlauf(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x * 255 / breite, y * 255 / hoehe, 128 + (x - y) / 4));
    return bild;
}


struct Codecs : ::testing::Test {
    QTemporaryDir dir;
    QString Pfad(const QString& name) const { return dir.filePath(name); }
};

} // namespace

TEST_F(Codecs, BmpRundreiseIstExaktBeiJederZeilenauffuellung)
{
    for (int breite : {1, 2, 3, 4, 5, 33}) {
        const QImage bild = testhilfe::Muster(breite, 7);
        QString fehler;
        const QString pfad = Pfad(QStringLiteral("r%1.bmp").arg(breite));
        ASSERT_TRUE(SchreibeBmp(bild, pfad, &fehler)) << qPrintable(fehler);
        const QByteArray datei = Inhalt(pfad);
        const int zeile = (breite * 3 + 3) / 4 * 4;
        EXPECT_EQ(datei.size(), 54 + zeile * 7);
        EXPECT_EQ(datei[28], 24); // bits per pixel
        EXPECT_EQ(datei[22], 7);  // positive height: bottom-up
        const auto gelesen = LeseBild(pfad, &fehler);
        ASSERT_TRUE(gelesen) << qPrintable(fehler);
        EXPECT_EQ(gelesen->format(), QImage::Format_RGB32);
        EXPECT_TRUE(testhilfe::GleicheBilder(*gelesen, bild)) << breite;
    }
    // Other formats are written with their colours.
    const QImage palette = testhilfe::Muster(9, 4).convertToFormat(QImage::Format_Indexed8);
    QString fehler;
    ASSERT_TRUE(SchreibeBmp(palette, Pfad("p.bmp"), &fehler));
    EXPECT_TRUE(testhilfe::GleicheBilder(*LeseBild(Pfad("p.bmp"), &fehler), palette));
}

TEST_F(Codecs, JpegRundreiseNaheUndBaselineInFarbe)
{
    const QImage bild = Verlauf(64, 48);
    QString fehler;
    ASSERT_TRUE(SchreibeJpeg(bild, Pfad("v.jpg"), 90, &fehler)) << qPrintable(fehler);
    const auto gelesen = LeseBild(Pfad("v.jpg"), &fehler);
    ASSERT_TRUE(gelesen) << qPrintable(fehler);
    EXPECT_EQ(gelesen->size(), bild.size());
    EXPECT_EQ(gelesen->format(), QImage::Format_RGB32);
    EXPECT_LE(testhilfe::Abweichung(*gelesen, bild), 12);
    EXPECT_EQ(qAlpha(gelesen->pixel(5, 5)), 255);

    const QByteArray datei = Inhalt(Pfad("v.jpg"));
    const qsizetype sof0 = datei.indexOf(QByteArray::fromHex("ffc0"));
    ASSERT_GE(sof0, 0);
    EXPECT_EQ(datei.indexOf(QByteArray::fromHex("ffc2")), -1);
    EXPECT_EQ(datei[sof0 + 9], 3); // three components: colour, not grey
}

TEST_F(Codecs, JpegQualitaetBestimmtDieDateigroesse)
{
    const QImage bild = testhilfe::Muster(80, 60);
    QString fehler;
    const auto groesse = [&](int q) {
        const QString pfad = Pfad(QStringLiteral("q%1.jpg").arg(q));
        EXPECT_TRUE(SchreibeJpeg(bild, pfad, q, &fehler)) << qPrintable(fehler);
        return Inhalt(pfad);
    };
    EXPECT_LT(groesse(10).size(), groesse(50).size());
    EXPECT_LT(groesse(50).size(), groesse(95).size());
    EXPECT_EQ(groesse(0), groesse(1));
    EXPECT_EQ(groesse(250), groesse(100));
}

TEST_F(Codecs, SchreibfehlerNennenDieDatei)
{
    const QImage bild = testhilfe::Muster(4, 4);
    const QString pfad = Pfad("fehlt/kachel.jpg");
    QString fehler;
    EXPECT_FALSE(SchreibeJpeg(bild, pfad, 85, &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
    fehler.clear();
    EXPECT_FALSE(SchreibeBmp(bild, Pfad("fehlt/x.bmp"), &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(Pfad("fehlt/x.bmp")));
    // A directory in the way.
    QDir(dir.path()).mkdir("ordner.bmp");
    EXPECT_FALSE(SchreibeBmp(bild, Pfad("ordner.bmp"), &fehler));
    EXPECT_FALSE(SchreibeBmp(QImage(), Pfad("leer.bmp"), &fehler));
    EXPECT_FALSE(QFile::exists(Pfad("leer.bmp")));
}

TEST_F(Codecs, EndungEntscheidetOhneRuecksichtAufGrossschreibung)
{
    const QImage bild = Verlauf(8, 6);
    QString fehler;
    ASSERT_TRUE(SchreibeBmp(bild, Pfad("a.BMP"), &fehler));
    ASSERT_TRUE(SchreibeJpeg(bild, Pfad("b.JPG"), 90, &fehler));
    ASSERT_TRUE(SchreibeJpeg(bild, Pfad("c.JpEg"), 90, &fehler));
    Schreibe(Pfad("d.Png"), proben::PngDatei({.breite = 1, .hoehe = 1, .farbtyp = 0, .tiefe = 8, .zeilen = "\x7f"}));
    for (const char* name : {"a.BMP", "b.JPG", "c.JpEg", "d.Png"})
        EXPECT_TRUE(LeseBild(Pfad(name), &fehler)) << name << qPrintable(fehler);

    // The content does not decide: a JPEG named .bmp is a damaged bitmap.
    QFile::copy(Pfad("b.JPG"), Pfad("falsch.bmp"));
    EXPECT_FALSE(LeseBild(Pfad("falsch.bmp"), &fehler));
    EXPECT_EQ(fehler, "Bitmap ist ungültig");
}

TEST_F(Codecs, LesefehlerMitDenVorgegebenenTexten)
{
    QString fehler;
    // The specified text, then what can be read.
    const QString lesbar = QStringLiteral("\nGelesen werden JPEG (.jpg, .jpeg), PNG (.png), Bitmap (.bmp), "
                                          "WebP (.webp) und HEIF (.heic, .heif).");
    EXPECT_FALSE(LeseBild(Pfad("bild.gif"), &fehler));
    EXPECT_EQ(fehler, "Unbekannte Bilddateierweiterung (.gif)" + lesbar);
    EXPECT_FALSE(LeseBild(Pfad("Bild.TIFF"), &fehler));
    EXPECT_EQ(fehler, "Unbekannte Bilddateierweiterung (.TIFF)" + lesbar);
    EXPECT_FALSE(LeseBild(Pfad("ohne"), &fehler));
    EXPECT_EQ(fehler, "Unbekannte Bilddateierweiterung (.)" + lesbar);

    const QString fehlt = Pfad("fehlt.png");
    EXPECT_FALSE(LeseBild(fehlt, &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(fehlt));
    QDir(dir.path()).mkdir("ordner.jpg");
    EXPECT_FALSE(LeseBild(Pfad("ordner.jpg"), &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(Pfad("ordner.jpg")));

    Schreibe(Pfad("leer.bmp"), {});
    Schreibe(Pfad("leer.jpg"), {});
    Schreibe(Pfad("leer.png"), {});
    Schreibe(Pfad("text.jpg"), "kein Bild");
    Schreibe(Pfad("text.png"), "kein Bild");
    EXPECT_FALSE(LeseBild(Pfad("leer.bmp"), &fehler));
    EXPECT_EQ(fehler, "Bitmap ist ungültig");
    EXPECT_FALSE(LeseBild(Pfad("leer.jpg"), &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Die JPEG-Datei ist beschädigt oder unvollständig (JPEG-Fehlernr. %1)").arg(JERR_INPUT_EMPTY));
    EXPECT_FALSE(LeseBild(Pfad("text.jpg"), &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Die JPEG-Datei ist beschädigt oder unvollständig (JPEG-Fehlernr. %1)").arg(JERR_NO_SOI));
    for (const char* name : {"leer.png", "text.png"}) {
        EXPECT_FALSE(LeseBild(Pfad(name), &fehler));
        EXPECT_EQ(fehler, "PNG-Datei ist ungültig");
    }
}

TEST_F(Codecs, AbgeschnitteneDateienSindFehlerKeineHalbenBilder)
{
    const QImage bild = Verlauf(40, 30);
    QString fehler;
    ASSERT_TRUE(SchreibeBmp(bild, Pfad("g.bmp"), &fehler));
    const QByteArray bmp = Inhalt(Pfad("g.bmp"));
    EXPECT_FALSE(LeseBmp(QByteArrayView(bmp).first(bmp.size() - 10), &fehler));
    EXPECT_EQ(fehler, "Bitmap ist ungültig");

    const QString zuKurz = QStringLiteral("Die JPEG-Datei ist beschädigt oder unvollständig (JPEG-Fehlernr. %1)").arg(JWRN_JPEG_EOF);
    for (auto art : {proben::JpegArt::Grundlinie, proben::JpegArt::Progressiv, proben::JpegArt::Cmyk}) {
        const QByteArray jpeg = proben::JpegDatei(bild, art);
        for (qsizetype laenge : {qsizetype(200), jpeg.size() * 2 / 3, jpeg.size() - 3}) {
            EXPECT_FALSE(LeseJpeg(QByteArrayView(jpeg).first(laenge), &fehler)) << int(art) << " " << laenge;
            EXPECT_EQ(fehler, zuKurz);
        }
    }
    // Only the end marker missing: the picture is complete.
    const QByteArray grundlinie = proben::JpegDatei(bild, proben::JpegArt::Grundlinie);
    const auto ohneEnde = LeseJpeg(QByteArrayView(grundlinie).first(grundlinie.size() - 2), &fehler);
    ASSERT_TRUE(ohneEnde) << qPrintable(fehler);
    EXPECT_TRUE(testhilfe::GleicheBilder(*ohneEnde, *LeseJpeg(grundlinie, &fehler)));
    // With several scans a missing one leaves no trace, so any early end counts.
    const QByteArray progressiv = proben::JpegDatei(bild, proben::JpegArt::Progressiv);
    EXPECT_FALSE(LeseJpeg(QByteArrayView(progressiv).first(progressiv.size() - 2), &fehler));
    EXPECT_EQ(fehler, zuKurz);

    const QByteArray png = proben::PngDatei({.breite = 40, .hoehe = 30, .farbtyp = 2, .tiefe = 8,
                                             .zeilen = QByteArray(40 * 30 * 3, '\x55')});
    EXPECT_TRUE(LesePng(png, &fehler));
    EXPECT_FALSE(LesePng(QByteArrayView(png).first(png.size() - 20), &fehler));
    EXPECT_EQ(fehler, "PNG-Datei ist ungültig");
}
