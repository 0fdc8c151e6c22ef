// The readers on every variant of their format, built here byte by byte or
// with libjpeg and libpng directly.
#include "codecs/bildcodec.h"
#include "proben.h"
#include "testhilfe.h"

#include <gtest/gtest.h>

#include <png.h>

using namespace bildcodec;

namespace {

QImage Verlauf(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x * 255 / breite, y * 255 / hoehe, 200 - x - y));
    return bild;
}


int UeberWeiss(int farbe, int alpha) { return (farbe * alpha + 255 * (255 - alpha) + 127) / 255; }

bool IstGroessenMeldung(const QString& fehler) { return fehler.contains(QStringLiteral("zu groß")); }

} // namespace

TEST(JpegLesen, ProgressivGrauCmykUndYcckWerdenFarbbilder)
{
    const QImage bild = Verlauf(48, 40);
    QString fehler;
    for (auto art : {proben::JpegArt::Grundlinie, proben::JpegArt::Progressiv, proben::JpegArt::Cmyk,
                     proben::JpegArt::Ycck}) {
        const auto gelesen = LeseJpeg(proben::JpegDatei(bild, art), &fehler);
        ASSERT_TRUE(gelesen) << int(art) << qPrintable(fehler);
        EXPECT_EQ(gelesen->format(), QImage::Format_RGB32);
        EXPECT_LE(testhilfe::Abweichung(*gelesen, bild), 10) << int(art);
    }
    const auto grau = LeseJpeg(proben::JpegDatei(bild, proben::JpegArt::Grau), &fehler);
    ASSERT_TRUE(grau) << qPrintable(fehler);
    for (int x = 0; x < bild.width(); x += 7) {
        const QRgb p = grau->pixel(x, 20);
        EXPECT_EQ(qRed(p), qGreen(p));
        EXPECT_EQ(qBlue(p), qGreen(p));
        EXPECT_NEAR(qGreen(p), qGreen(bild.pixel(x, 20)), 4);
        EXPECT_EQ(qAlpha(p), 255);
    }
}

TEST(JpegLesen, EndloseScanfolgeWirdAbgebrochen)
{
    // A progressive file whose last scan repeats hundreds of times: each scan
    // walks the whole picture, so a large picture would keep the program busy
    // for minutes.
    const QByteArray jpeg = proben::JpegDatei(Verlauf(16, 16), proben::JpegArt::Progressiv);
    const qsizetype letzterScan = jpeg.lastIndexOf(QByteArray::fromHex("ffda"));
    ASSERT_GT(letzterScan, 0);
    const QByteArray scan = jpeg.mid(letzterScan, jpeg.size() - 2 - letzterScan);
    QByteArray viele = jpeg.left(letzterScan);
    for (int i = 0; i < 20; ++i)
        viele += scan;
    QString fehler;
    EXPECT_TRUE(LeseJpeg(viele + QByteArray::fromHex("ffd9"), &fehler)) << qPrintable(fehler);
    for (int i = 0; i < 600; ++i)
        viele += scan;
    EXPECT_FALSE(LeseJpeg(viele + QByteArray::fromHex("ffd9"), &fehler));
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("JPEG-Datei ist ungültig"))) << qPrintable(fehler);
}

TEST(PngLesen, JederFarbtypJedeTiefeMitUndOhneZeilensprung)
{
    struct Typ {
        int farbtyp;
        int kanaele;
        std::vector<int> tiefen;
    };
    const Typ typen[] = {{PNG_COLOR_TYPE_GRAY, 1, {1, 2, 4, 8, 16}},  {PNG_COLOR_TYPE_RGB, 3, {8, 16}},
                         {PNG_COLOR_TYPE_PALETTE, 1, {1, 2, 4, 8}},   {PNG_COLOR_TYPE_GRAY_ALPHA, 2, {8, 16}},
                         {PNG_COLOR_TYPE_RGB_ALPHA, 4, {8, 16}}};
    for (const Typ& typ : typen) {
        for (int tiefe : typ.tiefen) {
            proben::PngAngaben a{.breite = 13, .hoehe = 11, .farbtyp = typ.farbtyp, .tiefe = tiefe};
            const int hoechst = (1 << tiefe) - 1;
            if (typ.farbtyp == PNG_COLOR_TYPE_PALETTE)
                for (int i = 0; i <= hoechst; ++i)
                    a.palette.push_back(qRgba(i * 41 & 0xFF, i * 97 & 0xFF, 255 - i, i % 4 == 1 ? 100 : 255));
            // Grey and RGB: one sample value is declared transparent.
            const int durchsichtig = hoechst / 3;
            if (typ.farbtyp == PNG_COLOR_TYPE_GRAY || typ.farbtyp == PNG_COLOR_TYPE_RGB) {
                a.trnsFarbe = true;
                a.trnsGrau = a.trnsRot = a.trnsGruen = a.trnsBlau = uint16_t(durchsichtig);
            }
            QImage erwartet(a.breite, a.hoehe, QImage::Format_RGB32);
            for (int y = 0; y < a.hoehe; ++y) {
                std::vector<int> werte;
                for (int x = 0; x < a.breite; ++x) {
                    int k[4];
                    for (int i = 0; i < typ.kanaele; ++i) {
                        // Includes 0, the maximum and the transparent value.
                        k[i] = (x + y * a.breite + i * 5) % 4 == 0 ? durchsichtig
                                                                   : ((x * 31 + y * 17 + i * 59) * 997) % (hoechst + 1);
                        werte.push_back(k[i]);
                    }
                    const auto acht = [&](int v) { return tiefe == 16 ? (v * 255 + 32895) >> 16 : v * 255 / hoechst; };
                    QRgb farbe = 0;
                    switch (typ.farbtyp) {
                    case PNG_COLOR_TYPE_GRAY: farbe = qRgba(acht(k[0]), acht(k[0]), acht(k[0]), k[0] == durchsichtig ? 0 : 255); break;
                    case PNG_COLOR_TYPE_RGB:
                        farbe = qRgba(acht(k[0]), acht(k[1]), acht(k[2]),
                                      k[0] == durchsichtig && k[1] == durchsichtig && k[2] == durchsichtig ? 0 : 255);
                        break;
                    case PNG_COLOR_TYPE_PALETTE: farbe = a.palette[size_t(k[0])]; break;
                    case PNG_COLOR_TYPE_GRAY_ALPHA: farbe = qRgba(acht(k[0]), acht(k[0]), acht(k[0]), acht(k[1])); break;
                    default: farbe = qRgba(acht(k[0]), acht(k[1]), acht(k[2]), acht(k[3]));
                    }
                    erwartet.setPixel(x, y, qRgb(UeberWeiss(qRed(farbe), qAlpha(farbe)),
                                                 UeberWeiss(qGreen(farbe), qAlpha(farbe)),
                                                 UeberWeiss(qBlue(farbe), qAlpha(farbe))));
                }
                a.zeilen += proben::Packe(werte, tiefe);
            }
            for (bool zeilensprung : {false, true}) {
                a.zeilensprung = zeilensprung;
                QString fehler;
                const auto gelesen = LesePng(proben::PngDatei(a), &fehler);
                ASSERT_TRUE(gelesen) << typ.farbtyp << "/" << tiefe << qPrintable(fehler);
                EXPECT_EQ(gelesen->format(), QImage::Format_RGB32);
                EXPECT_LE(testhilfe::Abweichung(*gelesen, erwartet), 2)
                    << "Farbtyp " << typ.farbtyp << " Tiefe " << tiefe << " Zeilensprung " << zeilensprung;
            }
        }
    }
}

TEST(BmpLesen, PalettenTiefenUndZeilenrichtung)
{
    const std::vector<QRgb> farben = {qRgb(255, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 150), qRgb(9, 9, 9)};
    for (int tiefe : {1, 4, 8}) {
        proben::BmpAngaben a{.breite = 5, .hoehe = 3, .tiefe = tiefe};
        for (int i = 0; i < (1 << tiefe); ++i)
            a.palette.push_back(farben[size_t(i) % farben.size()]);
        const auto index = [tiefe](int x, int y) { return (x + 2 * y) % (tiefe == 1 ? 2 : 4); };
        for (int y = 0; y < 3; ++y) {
            std::vector<int> werte;
            for (int x = 0; x < 5; ++x)
                werte.push_back(index(x, y));
            QByteArray zeile = proben::Packe(werte, tiefe);
            a.pixel += zeile + QByteArray(4 - zeile.size() % 4, '\0').left((4 - zeile.size() % 4) % 4);
        }
        for (bool obenZuerst : {false, true}) {
            a.hoehe = obenZuerst ? -3 : 3;
            QString fehler;
            const auto bild = LeseBmp(proben::BmpDatei(a), &fehler);
            ASSERT_TRUE(bild) << tiefe << qPrintable(fehler);
            EXPECT_EQ(bild->format(), QImage::Format_RGB32);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 5; ++x) {
                    const int dateiZeile = obenZuerst ? y : 2 - y;
                    EXPECT_EQ(bild->pixel(x, y), farben[size_t(index(x, dateiZeile))])
                        << tiefe << " " << x << "," << y << " oben " << obenZuerst;
                }
        }
    }
}

TEST(BmpLesen, DirektfarbenBitfelderUndRle)
{
    QString fehler;
    // 16 bit 5-5-5: pure red, green, blue, white.
    proben::BmpAngaben a16{.breite = 4, .hoehe = 1, .tiefe = 16, .pixel = QByteArray::fromHex("007ce0031f00ff7f")};
    auto bild = LeseBmp(proben::BmpDatei(a16), &fehler);
    ASSERT_TRUE(bild) << qPrintable(fehler);
    // Qt widens 5-bit channels by shifting (31 gives 248), so allow that much.
    const QRgb erwartet16[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    for (int x = 0; x < 4; ++x) {
        EXPECT_NEAR(qRed(bild->pixel(x, 0)), qRed(erwartet16[x]), 8) << x;
        EXPECT_NEAR(qGreen(bild->pixel(x, 0)), qGreen(erwartet16[x]), 8) << x;
        EXPECT_NEAR(qBlue(bild->pixel(x, 0)), qBlue(erwartet16[x]), 8) << x;
    }

    // 32 bit: the fourth byte is padding and must not make anything transparent.
    proben::BmpAngaben a32{.breite = 2, .hoehe = 1, .tiefe = 32, .pixel = QByteArray::fromHex("10203000ffeedd00")};
    bild = LeseBmp(proben::BmpDatei(a32), &fehler);
    ASSERT_TRUE(bild) << qPrintable(fehler);
    EXPECT_EQ(bild->pixel(0, 0), qRgb(0x30, 0x20, 0x10));
    EXPECT_EQ(bild->pixel(1, 0), qRgb(0xdd, 0xee, 0xff));

    // 32 bit with an alpha mask (version 5 header): transparency over white.
    proben::BmpAngaben alpha{.breite = 3, .hoehe = 1, .tiefe = 32, .kompression = 3, .kopfLaenge = 124,
                             .masken = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
                             .pixel = QByteArray::fromHex("000080ff00008000" "00008080")};
    bild = LeseBmp(proben::BmpDatei(alpha), &fehler);
    ASSERT_TRUE(bild) << qPrintable(fehler);
    EXPECT_EQ(bild->format(), QImage::Format_RGB32);
    EXPECT_EQ(bild->pixel(0, 0), qRgb(128, 0, 0));
    EXPECT_EQ(bild->pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_NEAR(qRed(bild->pixel(2, 0)), 192, 1);
    EXPECT_NEAR(qGreen(bild->pixel(2, 0)), 127, 1);

    // RLE8: a run of 3, an absolute run of 3 (padded), end of line; bottom line first.
    proben::BmpAngaben rle{.breite = 6, .hoehe = 2, .tiefe = 8, .kompression = 1,
                           .palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                           .pixel = QByteArray::fromHex("0301" "0003020302" "00" "0000" "0603" "0000" "0001")};
    bild = LeseBmp(proben::BmpDatei(rle), &fehler);
    ASSERT_TRUE(bild) << qPrintable(fehler);
    const QRgb rot = qRgb(255, 0, 0), gruen = qRgb(0, 255, 0), blau = qRgb(0, 0, 255);
    const QRgb unten[] = {rot, rot, rot, gruen, blau, gruen};
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(bild->pixel(x, 1), unten[x]) << x;
        EXPECT_EQ(bild->pixel(x, 0), blau) << x;
    }

    // Rows and the picture ended early: the rest is the colour of index 0,
    // never what the memory held. Ended early without the end mark: damaged.
    rle.pixel = QByteArray::fromHex("0203" "0000" "0101" "0001");
    bild = LeseBmp(proben::BmpDatei(rle), &fehler);
    ASSERT_TRUE(bild) << qPrintable(fehler);
    EXPECT_EQ(bild->pixel(1, 1), blau);
    EXPECT_EQ(bild->pixel(0, 0), rot);
    for (int x = 2; x < 6; ++x) {
        EXPECT_EQ(bild->pixel(x, 1), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(bild->pixel(x, 0), qRgb(0, 0, 0)) << x;
    }
    for (const char* kaputt : {"0301" "0003", "0301" "0003020302" "00" "0000" "0403", "0301" "0002"}) {
        rle.pixel = QByteArray::fromHex(kaputt);
        EXPECT_FALSE(LeseBmp(proben::BmpDatei(rle), &fehler)) << kaputt;
        EXPECT_EQ(fehler, "Bitmap ist ungültig");
    }

    // RLE4: runs alternate the two nibbles.
    rle.tiefe = 4;
    rle.kompression = 2;
    rle.pixel = QByteArray::fromHex("0612" "0000" "0633" "0000" "0001");
    bild = LeseBmp(proben::BmpDatei(rle), &fehler);
    ASSERT_TRUE(bild) << qPrintable(fehler);
    EXPECT_EQ(bild->pixel(0, 1), rot);
    EXPECT_EQ(bild->pixel(1, 1), gruen);
    EXPECT_EQ(bild->pixel(5, 0), blau);
}

TEST(BmpLesen, BeschaedigteKoepfe)
{
    QString fehler;
    const proben::BmpAngaben gut{.breite = 2, .hoehe = 2, .tiefe = 24, .pixel = QByteArray(16, '\x40')};
    ASSERT_TRUE(LeseBmp(proben::BmpDatei(gut), &fehler)) << qPrintable(fehler);
    const auto pruefe = [&](proben::BmpAngaben a, const char* was) {
        EXPECT_FALSE(LeseBmp(proben::BmpDatei(a), &fehler)) << was;
        EXPECT_EQ(fehler, "Bitmap ist ungültig") << was;
    };
    auto a = gut;
    a.breite = 0;
    pruefe(a, "Breite 0");
    a = gut;
    a.hoehe = int(0x80000000u);
    pruefe(a, "kleinste negative Hoehe");
    a = gut;
    a.tiefe = 7;
    pruefe(a, "Tiefe 7");
    a = gut;
    a.kompression = 4; // JPEG inside BMP
    pruefe(a, "JPEG-Kompression");
    a = gut;
    a.kopfLaenge = 39;
    pruefe(a, "Kopflaenge");
    // Channel masks Qt would spill into the neighbouring channel or the alpha byte.
    a = proben::BmpAngaben{.breite = 2, .hoehe = 1, .tiefe = 32, .kompression = 3,
                           .masken = {0x00FF0000, 0x0000FF00, 0x000000FF}, .pixel = QByteArray(8, '\x40')};
    ASSERT_TRUE(LeseBmp(proben::BmpDatei(a), &fehler)) << qPrintable(fehler);
    for (auto masken : {std::vector<uint32_t>{0, 0xFF00, 0xFF}, std::vector<uint32_t>{0xFF0000, 0xF0F0, 0xFF},
                        std::vector<uint32_t>{0xFF8000, 0x7F00, 0xFF}}) {
        a.masken = masken;
        pruefe(a, "Maske");
    }
    // The pixel offset pointing into the header.
    QByteArray falsch = proben::BmpDatei(gut);
    falsch[10] = 20;
    EXPECT_FALSE(LeseBmp(falsch, &fehler));
    falsch = proben::BmpDatei(gut);
    falsch[0] = 'X';
    EXPECT_FALSE(LeseBmp(falsch, &fehler));
}

TEST(Groessengrenze, RiesenkopfWirdVorDemLesenAbgewiesen)
{
    QString fehler;
    // Headers that claim far more pixels than the few bytes behind them: the
    // size message (not "damaged") shows the header was judged before the data.
    for (auto [breite, hoehe] : {std::pair{40000, 10}, std::pair{10, -40000}, std::pair{20000, 8000}}) {
        const proben::BmpAngaben a{.breite = breite, .hoehe = hoehe, .tiefe = 24, .pixel = QByteArray(64, '\0')};
        EXPECT_FALSE(LeseBmp(proben::BmpDatei(a), &fehler));
        EXPECT_TRUE(IstGroessenMeldung(fehler)) << breite << "x" << hoehe << qPrintable(fehler);
    }

    // Genuine small files of 40000 x 10 pixels.
    const QByteArray png = proben::PngDatei({.breite = 40000, .hoehe = 10, .farbtyp = PNG_COLOR_TYPE_GRAY, .tiefe = 1,
                                             .zeilen = QByteArray(5000 * 10, '\0')});
    EXPECT_FALSE(LesePng(png, &fehler));
    EXPECT_TRUE(IstGroessenMeldung(fehler)) << qPrintable(fehler);
    QImage breit(40000, 10, QImage::Format_RGB32);
    breit.fill(Qt::white);
    const QByteArray jpeg = proben::JpegDatei(breit, proben::JpegArt::Grundlinie, 50);
    EXPECT_FALSE(LeseJpeg(jpeg, &fehler));
    EXPECT_TRUE(IstGroessenMeldung(fehler)) << qPrintable(fehler);

    // The limit itself is allowed, one more is not.
    EXPECT_TRUE(LesePng(proben::PngDatei({.breite = 30000, .hoehe = 1, .farbtyp = PNG_COLOR_TYPE_GRAY, .tiefe = 1,
                                          .zeilen = QByteArray(3750, '\0')}),
                        &fehler))
        << qPrintable(fehler);
    EXPECT_FALSE(LesePng(proben::PngDatei({.breite = 30001, .hoehe = 1, .farbtyp = PNG_COLOR_TYPE_GRAY, .tiefe = 1,
                                           .zeilen = QByteArray(3751, '\0')}),
                         &fehler));
    // Smaller limits, as the fuzzers use them, are honoured by every reader.
    const Grenzen klein{.maxSeite = 100, .maxPixel = 1000};
    const QImage mittel = Verlauf(40, 40);
    EXPECT_FALSE(LeseJpeg(proben::JpegDatei(mittel, proben::JpegArt::Progressiv), &fehler, klein));
    EXPECT_TRUE(IstGroessenMeldung(fehler));
}
