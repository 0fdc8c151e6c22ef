// Photos as phones and web pages deliver them: JPEG with an Exif
// orientation, WebP and HEIC.
#include "codecs/bildcodec.h"
#include "proben.h"
#include "testhilfe.h"

#include <QTemporaryDir>
#include <QTransform>
#include <gtest/gtest.h>

using namespace bildcodec;

namespace {

// Red grows to the right, green downwards, blue along the diagonal: every
// turn and mirror of it looks different, even through lossy coding.
QImage Verlauf(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x * 255 / breite, y * 255 / hoehe, (x + y) * 255 / (breite + hoehe)));
    return bild;
}


// How a viewer shows a stored picture with the Exif orientation `lage`, by
// Qt's own transformations.
QImage Aufrecht(const QImage& gespeichert, int lage)
{
    const auto drehe = [](const QImage& b, int grad) { return b.transformed(QTransform().rotate(grad)); };
    switch (lage) {
    case 2: return gespeichert.mirrored(true, false);
    case 3: return drehe(gespeichert, 180);
    case 4: return gespeichert.mirrored(false, true);
    case 5: return drehe(gespeichert.mirrored(true, false), 270);
    case 6: return drehe(gespeichert, 90);
    case 7: return drehe(gespeichert.mirrored(true, false), 90);
    case 8: return drehe(gespeichert, 270);
    default: return gespeichert;
    }
}

// A picture with transparency: alpha grows from left (clear) to right (opaque).
QImage Durchsichtig(int breite, int hoehe)
{
    QImage bild = Verlauf(breite, hoehe).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, (bild.pixel(x, y) & 0x00FFFFFFu) | (uint32_t(x * 255 / (breite - 1)) << 24));
    return bild;
}

QImage UeberWeiss(const QImage& bild)
{
    QImage ergebnis(bild.size(), QImage::Format_RGB32);
    ergebnis.fill(Qt::white);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            const int a = qAlpha(p);
            const auto mische = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            ergebnis.setPixel(x, y, qRgb(mische(qRed(p)), mische(qGreen(p)), mische(qBlue(p))));
        }
    return ergebnis;
}

bool Undurchsichtig(const QImage& bild)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qAlpha(bild.pixel(x, y)) != 255)
                return false;
    return true;
}

} // namespace

TEST(ExifLage, AlleAchtWerteInBeidenByteFolgen)
{
    // Not square, so every turn shows in the size too.
    const QImage gespeichert = Verlauf(48, 32);
    for (auto art : {proben::JpegArt::Grundlinie, proben::JpegArt::Progressiv, proben::JpegArt::Cmyk}) {
        const QByteArray jpeg = proben::JpegDatei(gespeichert, art);
        for (bool motorola : {false, true}) {
            for (int lage = 1; lage <= 8; ++lage) {
                QString fehler;
                const auto bild = LeseJpeg(proben::MitApp1(jpeg, proben::ExifMitLage(lage, motorola)), &fehler);
                ASSERT_TRUE(bild) << lage << qPrintable(fehler);
                EXPECT_EQ(bild->format(), QImage::Format_RGB32);
                EXPECT_EQ(bild->size(), lage >= 5 ? QSize(32, 48) : QSize(48, 32)) << lage;
                EXPECT_LE(testhilfe::Abweichung(*bild, Aufrecht(gespeichert, lage)), 10)
                    << "Lage " << lage << (motorola ? " MM" : " II") << " Art " << int(art);
            }
        }
    }
}

TEST(ExifLage, LeseBildDrehtAuchUndFremdeApp1StoerenNicht)
{
    const QImage gespeichert = Verlauf(40, 24);
    const QByteArray jpeg = proben::JpegDatei(gespeichert, proben::JpegArt::Grundlinie);
    // XMP comes in APP1 too, often before or after the Exif segment.
    const QByteArray xmp = QByteArray("http://ns.adobe.com/xap/1.0/") + '\0' + "<x:xmpmeta/>";
    const QByteArray datei = proben::MitApp1(proben::MitApp1(jpeg, proben::ExifMitLage(8, true)), xmp);
    QTemporaryDir verzeichnis;
    const QString pfad = verzeichnis.filePath(QStringLiteral("IMG_0001.JPG"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datei);
    f.close();
    QString fehler;
    const auto bild = LeseBild(pfad, &fehler);
    ASSERT_TRUE(bild) << qPrintable(fehler);
    EXPECT_LE(testhilfe::Abweichung(*bild, Aufrecht(gespeichert, 8)), 10);
}

TEST(ExifLage, UnbrauchbareAngabenLassenDasBildWieGespeichert)
{
    const QImage gespeichert = Verlauf(24, 16);
    const QByteArray jpeg = proben::JpegDatei(gespeichert, proben::JpegArt::Grundlinie);
    const QByteArray gut = proben::ExifMitLage(6, false);
    // Offsets in the II payload: "Exif\0\0" 0, byte order 6, 42 at 8, first
    // IFD at 10, entry count 14, then the entry: tag 16, type 18, count 20,
    // value 24.
    const auto mit = [&gut](std::initializer_list<std::pair<qsizetype, QByteArray>> aenderungen) {
        QByteArray kaputt = gut;
        for (const auto& [stelle, bytes] : aenderungen)
            kaputt.replace(stelle, bytes.size(), bytes);
        return kaputt;
    };
    const auto hex = [](const char* text) { return QByteArray::fromHex(text); };
    const QByteArray faelle[] = {
        mit({{24, hex("0000")}}),     // value 0
        mit({{24, hex("0900")}}),     // value 9
        mit({{24, hex("ffff")}}),     // value 65535
        mit({{18, hex("0700")}}),     // type UNDEFINED
        mit({{20, hex("00000000")}}), // no value
        mit({{6, "IM"}}),             // no byte order
        mit({{8, hex("2b00")}}),      // not 42
        mit({{10, hex("ffffff7f")}}), // first IFD far behind the end
        mit({{10, hex("feffffff")}}), // first IFD wrapping round
        mit({{10, hex("04000000")}}), // first IFD inside the header
        mit({{14, hex("ffff")}, {16, hex("1001")}}), // 65535 entries announced, one there, not ours
        gut.left(20),                 // cut off inside the entry
        gut.left(7),                  // only the identifier
        QByteArray("Exif\0\0", 6),
        QByteArray("Exif"),
    };
    for (size_t i = 0; i < std::size(faelle); ++i) {
        QString fehler;
        const auto bild = LeseJpeg(proben::MitApp1(jpeg, faelle[i]), &fehler);
        ASSERT_TRUE(bild) << i << qPrintable(fehler);
        EXPECT_LE(testhilfe::Abweichung(*bild, gespeichert), 10) << "Fall " << i;
    }
}

TEST(WebpLesen, VerlustfreiExaktVerlustbehaftetNahe)
{
    const QImage bild = Verlauf(37, 23);
    QString fehler;
    const auto verlustfrei = LeseWebp(proben::WebpDatei(bild, true), &fehler);
    ASSERT_TRUE(verlustfrei) << qPrintable(fehler);
    EXPECT_EQ(verlustfrei->format(), QImage::Format_RGB32);
    EXPECT_EQ(testhilfe::Abweichung(*verlustfrei, bild), 0);
    const auto verlust = LeseWebp(proben::WebpDatei(bild, false, 95), &fehler);
    ASSERT_TRUE(verlust) << qPrintable(fehler);
    EXPECT_LE(testhilfe::Abweichung(*verlust, bild), 16);
}

TEST(WebpLesen, DurchsichtigesUeberWeiss)
{
    const QImage bild = Durchsichtig(32, 20);
    QString fehler;
    const QByteArray verlustfrei = proben::WebpDatei(bild, true);
    const auto gelesen = LeseWebp(verlustfrei, &fehler);
    ASSERT_TRUE(gelesen) << qPrintable(fehler);
    EXPECT_EQ(gelesen->format(), QImage::Format_RGB32);
    EXPECT_LE(testhilfe::Abweichung(*gelesen, UeberWeiss(bild)), 1);

    // The lossless header's "alpha is used" bit is a hint only: cleared, the
    // file still carries its transparent pixels, and they must not come
    // through as a half-transparent "opaque" picture.
    ASSERT_EQ(verlustfrei.mid(12, 4), "VP8L");
    QByteArray ohneHinweis = verlustfrei;
    ohneHinweis[24] = char(ohneHinweis[24] & ~0x10);
    const auto trotzdem = LeseWebp(ohneHinweis, &fehler);
    ASSERT_TRUE(trotzdem) << qPrintable(fehler);
    EXPECT_TRUE(Undurchsichtig(*trotzdem));
    EXPECT_LE(testhilfe::Abweichung(*trotzdem, UeberWeiss(bild)), 1);

    const auto verlust = LeseWebp(proben::WebpDatei(bild, false, 95), &fehler);
    ASSERT_TRUE(verlust) << qPrintable(fehler);
    EXPECT_LE(testhilfe::Abweichung(*verlust, UeberWeiss(bild)), 16);
}

TEST(WebpLesen, BeschaedigtAbgeschnittenAnimiertUndZuGross)
{
    const QByteArray webp = proben::WebpDatei(Verlauf(40, 30), false);
    QString fehler;
    for (const QByteArray& kaputt : {QByteArray(), QByteArray("kein Bild"), webp.left(12), webp.left(40),
                                     webp.left(webp.size() / 2), webp.left(webp.size() - 1)}) {
        fehler.clear();
        EXPECT_FALSE(LeseWebp(kaputt, &fehler)) << kaputt.size();
        EXPECT_EQ(fehler, "WebP-Datei ist ungültig") << kaputt.size();
    }

    // An extended-format header announcing an animation of 100 x 50 pixels.
    QByteArray animiert("VP8X", 4);
    animiert += QByteArray::fromHex("0a000000" "02000000" "630000" "310000");
    animiert += QByteArray("ANIM", 4) + QByteArray::fromHex("06000000" "ffffffff" "0000");
    QByteArray riff("RIFF", 4);
    const quint32 laenge = quint32(animiert.size() + 4);
    for (int i = 0; i < 4; ++i)
        riff.append(char((laenge >> (8 * i)) & 0xFF));
    EXPECT_FALSE(LeseWebp(riff + "WEBP" + animiert, &fehler));
    EXPECT_EQ(fehler, "Animierte WebP-Bilder können nicht gelesen werden");

    EXPECT_FALSE(LeseWebp(webp, &fehler, Grenzen{.maxSeite = 39, .maxPixel = 10000}));
    EXPECT_TRUE(fehler.contains(QStringLiteral("zu groß"))) << qPrintable(fehler);
    EXPECT_FALSE(LeseWebp(webp, &fehler, Grenzen{.maxSeite = 100, .maxPixel = 1199}));
    EXPECT_TRUE(fehler.contains(QStringLiteral("zu groß"))) << qPrintable(fehler);
    EXPECT_TRUE(LeseWebp(webp, &fehler, Grenzen{.maxSeite = 40, .maxPixel = 1200}));
}

TEST(Endung, WebpUndHeifWerdenNachDerEndungGelesen)
{
    QTemporaryDir verzeichnis;
    const QImage bild = Verlauf(20, 12);
    const QByteArray heic = proben::HeifDatei(bild);
    const std::pair<const char*, QByteArray> dateien[] = {
        {"web.webp", proben::WebpDatei(bild, true)}, {"WEB.WebP", proben::WebpDatei(bild, false)},
        {"IMG_0815.HEIC", heic}, {"foto.heif", heic}};
    for (const auto& [name, inhalt] : dateien) {
        if (inhalt.isEmpty())
            continue; // no HEVC encoder on this machine
        QFile f(verzeichnis.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        QString fehler;
        const auto gelesen = LeseBild(f.fileName(), &fehler);
        ASSERT_TRUE(gelesen) << name << qPrintable(fehler);
        EXPECT_LE(testhilfe::Abweichung(*gelesen, bild), 16) << name;
    }
    // The content does not decide: a WebP named .heic is a damaged HEIF.
    QFile::copy(verzeichnis.filePath(QStringLiteral("web.webp")), verzeichnis.filePath(QStringLiteral("falsch.heic")));
    QString fehler;
    EXPECT_FALSE(LeseBild(verzeichnis.filePath(QStringLiteral("falsch.heic")), &fehler));
    EXPECT_EQ(fehler, "HEIF-Datei ist ungültig");
}

class HeifLesen : public testing::Test
{
protected:
    void SetUp() override
    {
        // Debian's libheif encodes HEVC with x265; without it there is
        // nothing to read here.
        if (proben::HeifDatei(Verlauf(8, 8)).isEmpty())
            GTEST_SKIP() << "libheif kann hier kein HEVC kodieren";
    }
};

TEST_F(HeifLesen, FarbeDurchsichtigkeitUndDrehung)
{
    const QImage bild = Verlauf(64, 40);
    QString fehler;
    const auto gelesen = LeseHeif(proben::HeifDatei(bild, {.qualitaet = 95}), &fehler);
    ASSERT_TRUE(gelesen) << qPrintable(fehler);
    EXPECT_EQ(gelesen->format(), QImage::Format_RGB32);
    EXPECT_LE(testhilfe::Abweichung(*gelesen, bild), 16);

    const QImage durchsichtig = Durchsichtig(64, 40);
    const auto ueberWeiss = LeseHeif(proben::HeifDatei(durchsichtig, {.qualitaet = 95}), &fehler);
    ASSERT_TRUE(ueberWeiss) << qPrintable(fehler);
    EXPECT_TRUE(Undurchsichtig(*ueberWeiss));
    EXPECT_LE(testhilfe::Abweichung(*ueberWeiss, UeberWeiss(durchsichtig)), 16);
    // Stored premultiplied, the same picture must not come out darker.
    const auto vormultipliziert = LeseHeif(proben::HeifDatei(durchsichtig, {.qualitaet = 95, .vormultipliziert = true}), &fehler);
    ASSERT_TRUE(vormultipliziert) << qPrintable(fehler);
    EXPECT_LE(testhilfe::Abweichung(*vormultipliziert, UeberWeiss(durchsichtig)), 16);

    // Newer phones store 10 bits per sample.
    const auto zehnBit = LeseHeif(proben::HeifDatei(bild, {.qualitaet = 95, .tiefe = 10}), &fehler);
    ASSERT_TRUE(zehnBit) << qPrintable(fehler);
    EXPECT_LE(testhilfe::Abweichung(*zehnBit, bild), 16);

    // An iPhone stores the sensor's picture with rotation and mirroring boxes.
    for (int lage : {3, 6, 7, 8}) {
        const auto gedreht = LeseHeif(proben::HeifDatei(bild, {.lage = lage, .qualitaet = 95}), &fehler);
        ASSERT_TRUE(gedreht) << lage << qPrintable(fehler);
        EXPECT_LE(testhilfe::Abweichung(*gedreht, Aufrecht(bild, lage)), 16) << lage;
    }
}

TEST_F(HeifLesen, BeschaedigtAbgeschnittenUndZuGross)
{
    const QByteArray heic = proben::HeifDatei(Verlauf(64, 40));
    QString fehler;
    for (const QByteArray& kaputt : {QByteArray(), QByteArray("kein Bild"), heic.left(24), heic.left(heic.size() / 2),
                                     heic.left(heic.size() - 10)}) {
        fehler.clear();
        EXPECT_FALSE(LeseHeif(kaputt, &fehler)) << kaputt.size();
        EXPECT_EQ(fehler, "HEIF-Datei ist ungültig") << kaputt.size();
    }
    EXPECT_FALSE(LeseHeif(heic, &fehler, Grenzen{.maxSeite = 100, .maxPixel = 2559}));
    EXPECT_TRUE(fehler.contains(QStringLiteral("zu groß"))) << qPrintable(fehler);
    EXPECT_TRUE(LeseHeif(heic, &fehler, Grenzen{.maxSeite = 100, .maxPixel = 2560})) << qPrintable(fehler);
    // A side over the limit; far over it, libheif itself refuses the coded
    // picture before it allocates for it. Both say the picture is too large.
    for (int seite : {63, 8}) {
        fehler.clear();
        EXPECT_FALSE(LeseHeif(heic, &fehler, Grenzen{.maxSeite = seite, .maxPixel = 100000}));
        EXPECT_TRUE(fehler.contains(QStringLiteral("zu groß"))) << seite << qPrintable(fehler);
    }
}
