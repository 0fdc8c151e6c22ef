// The window-free cut: the tiles a grid gives, as views of the picture where
// that is safe and as copies where the grid leaves it.
#include "prepare/gitter.h"
#include "prepare/schnitt.h"
#include "testhilfe.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

TEST(Zerschneiden, TeileSindDieFelderDesBildesUndBleibenSo)
{
    QImage bild = testhilfe::Muster(250, 130);
    const Gitter g{5, 10, 60};
    const Kachelsatz satz = schnitt::Zerschneide(bild, g, Qt::blue);
    ASSERT_EQ(satz.spalten, 4);
    ASSERT_EQ(satz.zeilen, 2);
    ASSERT_EQ(satz.teile.size(), 8u);
    // Tile (c, r) at c * zeilen + r, column by column.
    EXPECT_TRUE(testhilfe::GleicheBilder(satz.teile[3 * 2 + 1], bild.copy(5 + 180, 10 + 60, 60, 60)));
    EXPECT_TRUE(testhilfe::GleicheBilder(satz.gesamtbild, bild.copy(5, 10, 240, 120)));
    // Drawing on the picture afterwards, as the main window does, leaves the
    // tiles and the packed picture as they were cut.
    const QImage vorher = bild.copy();
    QPainter(&bild).fillRect(bild.rect(), Qt::yellow);
    EXPECT_TRUE(testhilfe::GleicheBilder(satz.teile[0], vorher.copy(5, 10, 60, 60)));
    EXPECT_TRUE(testhilfe::GleicheBilder(satz.gesamtbild, vorher.copy(5, 10, 240, 120)));
}

// The main window packs the cut tiles inside the picture itself: moved up,
// left, or both (overlapping lines included), and the rest the background.
TEST(Zerschneiden, PackenSchiebtDieTeileImBildSelbstZusammen)
{
    for (const Gitter g : {Gitter{5, 10, 60}, Gitter{7, 0, 60}, Gitter{0, 0, 60}}) {
        SCOPED_TRACE(g.x0 * 100 + g.y0);
        QImage bild = testhilfe::Muster(250, 130);
        const QImage vorher = bild.copy();
        Kachelsatz satz = schnitt::Zerschneide(bild, g, Qt::blue);
        const int spalten = satz.spalten;
        const int zeilen = satz.zeilen;
        satz = Kachelsatz(); // the views let the picture go
        const Kachelsatz gepackt = schnitt::Packe(bild, g, spalten, zeilen, Qt::blue);

        const QRect flaeche(g.x0, g.y0, spalten * 60, zeilen * 60);
        QImage erwartet(bild.size(), QImage::Format_RGB32);
        erwartet.fill(Qt::blue);
        QPainter(&erwartet).drawImage(0, 0, vorher.copy(flaeche));
        EXPECT_TRUE(testhilfe::GleicheBilder(bild, erwartet));
        EXPECT_TRUE(testhilfe::GleicheBilder(gepackt.gesamtbild, vorher.copy(flaeche)));
        ASSERT_EQ(gepackt.teile.size(), size_t(spalten * zeilen));
        for (int c = 0; c < spalten; ++c)
            for (int r = 0; r < zeilen; ++r)
                EXPECT_TRUE(testhilfe::GleicheBilder(gepackt.teile[size_t(c * zeilen + r)],
                                                     vorher.copy(g.x0 + c * 60, g.y0 + r * 60, 60, 60)));
    }
}

TEST(Zerschneiden, RandAusserhalbZeigtDenHintergrundUndJedesTeilWirdGemeldet)
{
    const QImage bild = testhilfe::Muster(100, 100);
    const Gitter g{-20, 0, 50};
    QStringList gemeldet;
    const Kachelsatz satz =
        schnitt::Zerschneide(bild, g, Qt::blue, [&](int spalte, int zeile, const QRect& quelle, const QImage& teil) {
            gemeldet << QStringLiteral("%1,%2 %3,%4").arg(spalte).arg(zeile).arg(quelle.x()).arg(quelle.y());
            EXPECT_EQ(teil.size(), QSize(50, 50));
        });
    EXPECT_EQ(gemeldet, (QStringList{QStringLiteral("0,0 -20,0"), QStringLiteral("0,1 -20,50"),
                                     QStringLiteral("1,0 30,0"), QStringLiteral("1,1 30,50")}));
    EXPECT_EQ(satz.teile[0].pixel(5, 5), QColor(Qt::blue).rgb());
    EXPECT_EQ(satz.teile[0].pixel(25, 5), bild.pixel(5, 5));
    EXPECT_TRUE(testhilfe::GleicheBilder(satz.teile[3], bild.copy(30, 50, 50, 50)));
    EXPECT_EQ(satz.gesamtbild.size(), QSize(100, 100));
}

} // namespace
