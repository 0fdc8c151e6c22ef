// Grid rule, automatic grid, names and the pixel work of the cut.
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/schnitt.h"
#include "testhilfe.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <array>
#include <climits>

TEST(Gitter, StartgitterAuf361x300NimmtVierSpaltenUndDreiZeilen)
{
    const QSize bild(361, 300);
    const Gitter g{10, 10, 80};
    EXPECT_EQ(gitter::Spalten(bild, g), 4);
    EXPECT_EQ(gitter::Zeilen(bild, g), 3);
    EXPECT_EQ(gitter::Linien(361, 10, 80), (std::vector<int>{10, 90, 170, 250, 330}));
    EXPECT_EQ(gitter::Linien(300, 10, 80), (std::vector<int>{10, 90, 170, 250}));
    EXPECT_FALSE(gitter::SchnittFehler(bild, g));
}

TEST(Gitter, RandfaelleDerSpaltenzahl)
{
    // A tile that ends exactly at the edge counts; one pixel more does not.
    EXPECT_EQ(gitter::Anzahl(100, 20, 80), 1);
    EXPECT_EQ(gitter::Anzahl(100, 21, 80), 0);
    // An offset beyond W - B gives no column, but the lines inside remain.
    EXPECT_EQ(gitter::Anzahl(361, 300, 80), 0);
    EXPECT_EQ(gitter::Linien(361, 300, 80), (std::vector<int>{300}));
    // Negative offsets: the grid starts left of the picture.
    EXPECT_EQ(gitter::Anzahl(100, -30, 40), 3);
    EXPECT_EQ(gitter::Linien(100, -30, 40), (std::vector<int>{10, 50, 90}));
    // A width below 1 yields nothing and never loops.
    EXPECT_EQ(gitter::Anzahl(100, 0, 0), 0);
    EXPECT_TRUE(gitter::Linien(100, 0, 0).empty());
    EXPECT_TRUE(gitter::Linien(100, 0, -5).empty());
    // The unbounded fields cannot overflow the arithmetic.
    EXPECT_EQ(gitter::Anzahl(100, INT_MIN, 1), qint64(100) - 1 - INT_MIN + 1);
    EXPECT_EQ(gitter::Linien(3, INT_MIN, 1), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(gitter::Anzahl(100, INT_MAX, INT_MAX), 0);
    EXPECT_TRUE(gitter::Linien(100, INT_MAX, 1).empty());
}

TEST(Gitter, AutomatischesGitterNachTabelle)
{
    struct Zeile
    {
        int w, h, b, x0, y0, spalten, zeilen;
    };
    const std::array<Zeile, 7> tabelle{{
        {640, 480, 128, 0, 48, 5, 3},
        {600, 400, 120, 0, 20, 5, 3},
        {1024, 768, 204, 2, 78, 5, 3},
        {1920, 1080, 384, 0, 156, 5, 2},
        {400, 600, 120, 20, 0, 3, 5},
        {500, 500, 100, 0, 0, 5, 5},
        {1000, 999, 200, 0, 99, 5, 4},
    }};
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(testing::Message() << z.w << " x " << z.h);
        const QSize bild(z.w, z.h);
        const auto g = gitter::AutoGitter(bild);
        ASSERT_TRUE(g);
        EXPECT_EQ(g->breite, z.b);
        EXPECT_EQ(g->x0, z.x0);
        EXPECT_EQ(g->y0, z.y0);
        EXPECT_EQ(gitter::Spalten(bild, *g), z.spalten);
        EXPECT_EQ(gitter::Zeilen(bild, *g), z.zeilen);
    }
    EXPECT_EQ(gitter::Linien(999, 99, 200), (std::vector<int>{99, 299, 499, 699, 899}));
}

TEST(Gitter, AutoGitterAufPanoramenUndWinzigenBildern)
{
    struct Zeile
    {
        int w, h, b, x0, y0, spalten, zeilen;
    };
    const std::array<Zeile, 8> tabelle{{
        {8000, 1000, 1000, 0, 0, 8, 1},  // a fifth (1600) is taller than the picture
        {1000, 8000, 1000, 0, 0, 1, 8},
        {8050, 1003, 1003, 13, 0, 8, 1}, // centred as the specified rule centres
        {5000, 1000, 1000, 0, 0, 5, 1},  // exactly 5:1 still fits one row: specified rule
        {5100, 1000, 1000, 50, 0, 5, 1},
        {4, 3, 3, 0, 0, 1, 1},           // longer side under 5 pixels
        {5, 1, 1, 0, 0, 5, 1},
        {1, 1, 1, 0, 0, 1, 1},
    }};
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(testing::Message() << z.w << " x " << z.h);
        const QSize bild(z.w, z.h);
        const auto g = gitter::AutoGitter(bild);
        ASSERT_TRUE(g);
        EXPECT_EQ(g->breite, z.b);
        EXPECT_EQ(g->x0, z.x0);
        EXPECT_EQ(g->y0, z.y0);
        EXPECT_EQ(gitter::Spalten(bild, *g), z.spalten);
        EXPECT_EQ(gitter::Zeilen(bild, *g), z.zeilen);
    }
    EXPECT_FALSE(gitter::AutoGitter(QSize(0, 0)));
    EXPECT_FALSE(gitter::AutoGitter(QSize(10, 0)));

    // Every picture gets at least one whole tile, and wherever the fifth of
    // the longer side gives one, that stays the width.
    for (int w = 1; w <= 64; ++w)
        for (int h = 1; h <= 64; ++h) {
            const QSize bild(w, h);
            const auto g = gitter::AutoGitter(bild);
            ASSERT_TRUE(g) << w << " x " << h;
            ASSERT_GE(gitter::Spalten(bild, *g), 1) << w << " x " << h;
            ASSERT_GE(gitter::Zeilen(bild, *g), 1) << w << " x " << h;
            const int fuenftel = std::max(w, h) / 5;
            if (fuenftel >= 1 && fuenftel <= std::min(w, h))
                ASSERT_EQ(g->breite, fuenftel) << w << " x " << h;
            else
                ASSERT_EQ(g->breite, std::min(w, h)) << w << " x " << h;
        }
}

TEST(Gitter, SchnittVerweigertUnbrauchbareGitter)
{
    const QSize bild(361, 300);
    const auto null = gitter::SchnittFehler(bild, {0, 0, 0});
    ASSERT_TRUE(null);
    EXPECT_TRUE(null->contains(QStringLiteral("mindestens 1 Pixel")));
    EXPECT_TRUE(gitter::SchnittFehler(bild, {0, 0, -3}));

    // No whole tile: an offset beyond W - B, or a tile larger than a side.
    for (const Gitter g : {Gitter{300, 10, 80}, Gitter{10, 221, 80}, Gitter{0, 0, 301}}) {
        const auto keins = gitter::SchnittFehler(bild, g);
        ASSERT_TRUE(keins) << g.x0 << " " << g.y0 << " " << g.breite;
        EXPECT_TRUE(keins->contains(QStringLiteral("kein ganzes Teil")));
        EXPECT_TRUE(keins->contains(QStringLiteral("361 x 300")));
    }
    EXPECT_FALSE(gitter::SchnittFehler(bild, {0, 0, 300}));

    // 100 tiles are allowed, 101 are not; the message names both numbers.
    EXPECT_FALSE(gitter::SchnittFehler(QSize(100, 100), {0, 0, 10}));
    EXPECT_FALSE(gitter::SchnittFehler(QSize(109, 109), {0, 0, 10})); // leftover strips are no tiles
    const auto viele = gitter::SchnittFehler(QSize(110, 100), {0, 0, 10});
    ASSERT_TRUE(viele);
    EXPECT_TRUE(viele->contains(QStringLiteral("110 Teile")));
    EXPECT_TRUE(viele->contains(QStringLiteral("100")));

    // Far negative offsets would make tiles of absurd size or number.
    EXPECT_TRUE(gitter::SchnittFehler(bild, {INT_MIN, 0, 1}));
    EXPECT_TRUE(gitter::SchnittFehler(QSize(10, 10), {-5000000, -5000000, 5000000}));
    EXPECT_TRUE(gitter::SchnittFehler(bild, {0, 0, gitter::MaxKachelbreite + 1}));
}

TEST(Kachelnamen, KuerzelLabelsUndDateinamen)
{
    EXPECT_EQ(kachelnamen::Dateikuerzel(QStringLiteral("/d/luftbild.jpg")), QStringLiteral("luftbi"));
    EXPECT_EQ(kachelnamen::Dateikuerzel(QStringLiteral("baum.png")), QStringLiteral("baum"));
    EXPECT_EQ(kachelnamen::Dateikuerzel(QStringLiteral("/x.y/a.b.bmp")), QStringLiteral("a"));
    EXPECT_EQ(kachelnamen::Dateikuerzel(QStringLiteral("/d/Foto.bmp")), QStringLiteral("Foto"));
    EXPECT_EQ(kachelnamen::Dateikuerzel(QStringLiteral("/d/abcdefgh.bmp")), QStringLiteral("abcdef"));
    EXPECT_EQ(kachelnamen::Dateikuerzel(QStringLiteral("/d/ohnepunkt")), QStringLiteral("ohnepu"));
    EXPECT_EQ(kachelnamen::Dateikuerzel(QStringLiteral("zwischenablage_temp.bmp")), QStringLiteral("zwisch"));

    EXPECT_EQ(kachelnamen::Kachellabel(QStringLiteral("baum"), 1, 2), QStringLiteral("baum12"));
    EXPECT_EQ(kachelnamen::Kachellabel(QStringLiteral("luftbi"), 2, 1), QStringLiteral("luftbi21"));
    EXPECT_EQ(kachelnamen::Kachellabel(QStringLiteral("p"), 10, 11), QStringLiteral("p:;"));

    EXPECT_EQ(kachelnamen::Kacheldatei(QStringLiteral("baum"), 1, 2, false), QStringLiteral("baum2_1.jpg"));
    EXPECT_EQ(kachelnamen::Kacheldatei(QStringLiteral("luftbi"), 3, 0, false), QStringLiteral("luftbi0_3.jpg"));
    EXPECT_EQ(kachelnamen::Kacheldatei(QStringLiteral("luftbi"), 11, 0, true), QStringLiteral("luftbi0_11.bmp"));
    EXPECT_EQ(kachelnamen::Leerbilddatei(QStringLiteral("luftbi")), QStringLiteral("luftbile.jpg"));
    EXPECT_EQ(kachelnamen::Vorschaudatei(QStringLiteral("luftbi")), QStringLiteral("luftbivs.jpg"));
}

TEST(Kachelnamen, SpeicherfolgeVierMalDrei)
{
    QStringList namen;
    for (const auto& kachel : kachelnamen::Speicherfolge(QStringLiteral("luftbi"), 4, 3, false))
        namen << kachel.datei.chopped(4).mid(6);
    EXPECT_EQ(namen.join(QLatin1Char(' ')),
              QStringLiteral("0_0 1_0 2_0 0_1 1_1 2_1 0_2 1_2 2_2 0_3 1_3 2_3"));
    EXPECT_TRUE(kachelnamen::Speicherfolge(QStringLiteral("x"), 0, 3, false).empty());
}

TEST(Kachelnamen, WandeldateiUeberschreibtNieEineVorhandeneDatei)
{
    const auto frei = [](const QString&) { return false; };
    EXPECT_EQ(kachelnamen::Wandeldatei(QStringLiteral("/d/Foto.JPG"), frei), QStringLiteral("/d/Foto.bmp"));
    EXPECT_EQ(kachelnamen::Wandeldatei(QStringLiteral("/d/my.photo.jpeg"), frei),
              QStringLiteral("/d/my.photo.bmp"));

    QStringList vorhanden{QStringLiteral("/d/Foto.bmp"), QStringLiteral("/d/Foto.1.bmp")};
    const auto belegt = [&](const QString& name) { return vorhanden.contains(name); };
    const QString name = kachelnamen::Wandeldatei(QStringLiteral("/d/Foto.JPG"), belegt);
    EXPECT_EQ(name, QStringLiteral("/d/Foto.2.bmp"));
    EXPECT_EQ(kachelnamen::Dateikuerzel(name), QStringLiteral("Foto")); // prefix unchanged
    EXPECT_TRUE(kachelnamen::Wandeldatei(QStringLiteral("/d/a.jpg"), [](const QString&) { return true; }).isEmpty());
}

TEST(Schnitt, TeileGleichenDemBildAnIhrerStelle)
{
    const QImage bild = testhilfe::Muster(361, 300);
    const QColor blau(0, 0, 255);
    const QImage teil = schnitt::SchneideTeil(bild, QRect(10, 90, 80, 80), blau);
    EXPECT_TRUE(testhilfe::GleicheBilder(teil, bild.copy(10, 90, 80, 80)));

    // Outside the picture the background shows.
    const QImage rand = schnitt::SchneideTeil(bild, QRect(-20, -10, 40, 40), blau);
    EXPECT_EQ(rand.pixelColor(0, 0), blau);
    EXPECT_EQ(rand.pixelColor(19, 39), blau);
    EXPECT_EQ(rand.pixelColor(39, 9), blau);
    EXPECT_TRUE(testhilfe::GleicheBilder(rand.copy(20, 10, 20, 30), bild.copy(0, 0, 20, 30)));

    // Packed: tile (c, r) from index c * zeilen + r at (c * B, r * B).
    std::array<QImage, 6> teile;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r)
            teile[size_t(c * 2 + r)] = schnitt::SchneideTeil(bild, QRect(5 + c * 30, 7 + r * 30, 30, 30), blau);
    const QImage mosaik = schnitt::Mosaik(teile, 3, 2, 30);
    EXPECT_TRUE(testhilfe::GleicheBilder(mosaik, bild.copy(5, 7, 90, 60)));
    EXPECT_TRUE(schnitt::Mosaik(teile, 0, 2, 30).isNull());
    EXPECT_TRUE(schnitt::Mosaik(teile, 3, 3, 30).isNull()); // more than the span holds
}

TEST(Schnitt, VorschaubildWirdGestrecktUndUnmoeglicheGroessenVerweigert)
{
    QImage gesamt(320, 240, QImage::Format_RGB32);
    gesamt.fill(Qt::green);
    const QImage vorschau = schnitt::Vorschaubild(gesamt, 160, 240);
    EXPECT_EQ(vorschau.size(), QSize(160, 240));
    EXPECT_EQ(vorschau.pixelColor(80, 230), QColor(Qt::green));
    EXPECT_EQ(schnitt::Vorschaubild(QImage(), 10, 10).size(), QSize(10, 10));
    EXPECT_FALSE(schnitt::VorschauFehler(240, 160));
    EXPECT_TRUE(schnitt::VorschauFehler(0, 160));
    EXPECT_TRUE(schnitt::VorschauFehler(240, -1));
    EXPECT_TRUE(schnitt::VorschauFehler(INT_MAX, INT_MAX));
}
