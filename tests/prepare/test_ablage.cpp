// The mechanisms that spare copies and reads on the main path: the kept clean
// picture, tiles as views into the mosaic, and encoding on several cores.
#include "codecs/bildcodec.h"
#include "prepare/bildablage.h"
#include "prepare/kodierreihe.h"
#include "prepare/mosaikbau.h"
#include "prepare/schnitt.h"
#include "testhilfe.h"

#include <QDateTime>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>

namespace {

QImage Einfarbig(int breite, int hoehe, QRgb farbe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

} // namespace

// The kept picture stands for the file only while the file is the same one:
// a later save, a file put in its place or a deleted file are read from disk.
TEST(Bildablage, BemerktGeaenderteErsetzteUndGeloeschteDateien)
{
    QTemporaryDir verzeichnis;
    ASSERT_TRUE(verzeichnis.isValid());
    const QString datei = verzeichnis.filePath(QStringLiteral("bild.bmp"));
    const QImage aufPlatte = testhilfe::Muster(30, 20);
    ASSERT_TRUE(bildcodec::SchreibeBmp(aufPlatte, datei, nullptr));

    // Remembering a different picture shows when the store answers instead of the file.
    Bildablage ablage;
    const QImage gemerkt = Einfarbig(30, 20, 0xFF00FF00);
    ablage.Merke(datei, gemerkt);
    QString fehler;
    std::optional<QImage> bild = ablage.Lies(datei, &fehler);
    ASSERT_TRUE(bild);
    EXPECT_TRUE(testhilfe::GleicheBilder(*bild, gemerkt));

    // Saved again later with the same size.
    const QImage neu = Einfarbig(30, 20, 0xFF0000FF);
    ASSERT_TRUE(bildcodec::SchreibeBmp(neu, datei, nullptr));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    }
    bild = ablage.Lies(datei, &fehler);
    ASSERT_TRUE(bild);
    EXPECT_TRUE(testhilfe::GleicheBilder(*bild, neu));

    // Another file of the same size and time moved into its place.
    ablage.Merke(datei, gemerkt);
    const QString anderer = verzeichnis.filePath(QStringLiteral("anderer.bmp"));
    ASSERT_TRUE(bildcodec::SchreibeBmp(aufPlatte, anderer, nullptr));
    {
        QFile f(anderer);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QFileInfo(datei).lastModified(), QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(QFile::remove(datei));
    ASSERT_TRUE(QFile::rename(anderer, datei));
    bild = ablage.Lies(datei, &fehler);
    ASSERT_TRUE(bild);
    EXPECT_TRUE(testhilfe::GleicheBilder(*bild, aufPlatte));

    // Gone: the reader's own message, no picture.
    ASSERT_TRUE(QFile::remove(datei));
    QString erwartet;
    ASSERT_FALSE(bildcodec::LeseBild(datei, &erwartet));
    fehler.clear();
    EXPECT_FALSE(ablage.Lies(datei, &fehler));
    EXPECT_EQ(fehler, erwartet);
    EXPECT_TRUE(ablage.Leer());
}

// Tiles cut into the mosaic equal the separately cut tiles, also where the
// grid reaches out of the picture; drawing on a tile (the sliding game
// colours its empty field so) changes neither the mosaic nor another tile;
// and a tile stays readable after the mosaic and its builder are gone.
TEST(Mosaikbau, AnsichtenGleichenDenTeilenUndAendernDasMosaikNie)
{
    const QImage bild = testhilfe::Muster(70, 50);
    const QColor grund(0x12, 0x34, 0x56);
    constexpr int b = 30;
    std::vector<QImage> getrennt;
    std::vector<QImage> ansichten;
    QImage mosaik;
    {
        Mosaikbau bau(3, 2, b);
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 2; ++r) {
                const QRect quelle(-10 + c * b, 5 + r * b, b, b);
                getrennt.push_back(schnitt::SchneideTeil(bild, quelle, grund));
                ansichten.push_back(bau.Schneide(bild, quelle, c, r, grund));
            }
        mosaik = bau.Mosaik();
    }
    for (size_t i = 0; i < getrennt.size(); ++i)
        EXPECT_TRUE(testhilfe::GleicheBilder(ansichten[i], getrennt[i])) << i;
    EXPECT_TRUE(testhilfe::GleicheBilder(mosaik, schnitt::Mosaik(getrennt, 3, 2, b)));

    const QImage vorher = mosaik.copy();
    {
        QPainter maler(&ansichten[2]);
        maler.fillRect(QRect(0, 0, b, b), Qt::magenta);
    }
    EXPECT_EQ(ansichten[2].pixelColor(b / 2, b / 2), QColor(Qt::magenta));
    ansichten[3].setPixel(0, 0, 0xFFFFFFFF);
    EXPECT_TRUE(testhilfe::GleicheBilder(mosaik, vorher));
    EXPECT_TRUE(testhilfe::GleicheBilder(ansichten[1], getrennt[1]));
    EXPECT_TRUE(testhilfe::GleicheBilder(ansichten[4], getrennt[4]));

    mosaik = QImage();
    EXPECT_TRUE(testhilfe::GleicheBilder(ansichten[5], getrennt[5]));
    EXPECT_TRUE(Mosaikbau(0, 2, b).Mosaik().isNull());
}

// A picture lends its buffer only when nobody else holds it: a picture still
// shown elsewhere is never drawn on.
TEST(Mosaikbau, GeliehenerPufferNurVonUngeteiltemBild)
{
    const QImage bild = testhilfe::Muster(60, 60);
    const QColor grund(Qt::white);
    const QImage gezeigt = testhilfe::Muster(100, 100);
    const QImage vorher = gezeigt.copy();
    for (bool geteilt : {true, false}) {
        QImage vorrat = geteilt ? gezeigt : gezeigt.copy();
        Mosaikbau bau(2, 2, 30, std::move(vorrat));
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 2; ++r)
                bau.Schneide(bild, QRect(c * 30, r * 30, 30, 30), c, r, grund);
        EXPECT_TRUE(testhilfe::GleicheBilder(bau.Mosaik(), bild)) << geteilt;
        EXPECT_TRUE(testhilfe::GleicheBilder(gezeigt, vorher)) << geteilt;
    }
}

// Results come out in the row's order and each belongs to its own picture,
// however the helpers' work interleaves; a row left early stops.
TEST(Kodierreihe, ReihenfolgeZuordnungUndAbbruch)
{
    std::vector<QImage> bilder;
    for (int i = 1; i <= 9; ++i)
        bilder.push_back(Einfarbig(i, 1, 0xFF000000));
    std::atomic<int> kodiert{0};
    const auto kodierer = [&kodiert](const QImage& bild) -> std::optional<QByteArray> {
        ++kodiert;
        // The first pictures take longest, so later ones finish before them.
        std::this_thread::sleep_for(std::chrono::milliseconds(2 * (10 - bild.width())));
        if (bild.width() == 4)
            return std::nullopt;
        return QByteArray::number(bild.width());
    };
    for (int helfer : {0, 1, 3}) {
        Kodierreihe reihe(bilder, kodierer, helfer);
        for (size_t i = 0; i < bilder.size(); ++i) {
            const std::optional<QByteArray> inhalt = reihe.Hole(i);
            if (i == 3)
                EXPECT_FALSE(inhalt) << helfer;
            else
                EXPECT_EQ(inhalt, QByteArray::number(int(i) + 1)) << helfer;
        }
    }

    kodiert = 0;
    {
        Kodierreihe reihe(bilder, kodierer, 1);
        EXPECT_EQ(reihe.Hole(0), QByteArray("1"));
    }
    EXPECT_LT(kodiert.load(), 9);
}

// The converted bitmap is written in slices; the file must be the one the
// whole-file encoder makes, also across slice borders and with padded rows.
TEST(BitmapInScheiben, GleichDerGanzKodiertenDatei)
{
    QTemporaryDir verzeichnis;
    ASSERT_TRUE(verzeichnis.isValid());
    for (const QSize groesse : {QSize(1001, 900), QSize(3, 2)}) {
        const QImage bild = testhilfe::Muster(groesse.width(), groesse.height());
        const QString datei = verzeichnis.filePath(QStringLiteral("b.bmp"));
        ASSERT_TRUE(bildcodec::SchreibeBmp(bild, datei, nullptr));
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), bildcodec::KodiereBmp(bild).value()) << groesse.width();
    }
}
