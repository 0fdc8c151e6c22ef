// The worksheet's layout on paper: which way the sheet lies, how large the
// pieces print, that everything stays inside the margins, the labels and the
// pieces' order.
#include "export/arbeitsblattmasse.h"
#include "modell/puzzle.h"

#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

using namespace arbeitsblatt;

TEST(Arbeitsblattmasse, DasBrettBestimmtLageUndTeilgroesse)
{
    // A landscape photo lies across the sheet with 5 cm pieces; a single
    // tile takes the whole width; a 10 x 10 board gets 17 mm, under 2 cm.
    const auto quer = Berechne(5, 3);
    EXPECT_TRUE(quer->quer);
    EXPECT_EQ(quer->seitenbreite, 297);
    EXPECT_EQ(quer->kante, 50);
    EXPECT_EQ(quer->boegen, 1);
    EXPECT_EQ(Berechne(1, 1)->kante, 178);
    const auto gross = Berechne(10, 10);
    EXPECT_FALSE(gross->quer);
    EXPECT_TRUE(gross->Klein());
    EXPECT_FALSE(quer->Klein());
    EXPECT_TRUE(KleineTeile(*gross).contains(QStringLiteral("nur 17 mm")));

    QString fehler;
    EXPECT_FALSE(Berechne(11, 10, &fehler));
    EXPECT_TRUE(fehler.contains(QStringLiteral("höchstens 100 Teile"))) << qPrintable(fehler);
    EXPECT_FALSE(Berechne(0, 3, &fehler));
    EXPECT_TRUE(fehler.contains(QStringLiteral("geschnitten"))) << qPrintable(fehler);
}

TEST(Arbeitsblattmasse, JedesBrettBleibtInnerhalbDerRaender)
{
    // Every board a cut can give: the board with its labels, and every piece
    // of the cut sheets with its cut lines, lie between the margins, the head
    // and the foot; no two pieces of a sheet overlap.
    for (int spalten = 1; spalten <= MaxTeile; ++spalten)
        for (int zeilen = 1; spalten * zeilen <= MaxTeile; ++zeilen) {
            const auto m = Berechne(spalten, zeilen);
            ASSERT_TRUE(m);
            const QRectF innen(Rand, Rand + Kopf, m->seitenbreite - 2 * Rand, m->seitenhoehe - 2 * Rand - Kopf - Fuss);
            const QRectF mitLabels = m->brett.adjusted(-Beschriftung, -Beschriftung, 0, 0);
            ASSERT_TRUE(innen.adjusted(-0.001, -0.001, 0.001, 0.001).contains(mitLabels))
                << spalten << "x" << zeilen;
            ASSERT_GE(m->kante, 1);
            QSet<QPair<int, int>> belegt;
            for (int n = 0; n < spalten * zeilen; ++n) {
                const Bogenplatz p = Bogenfeld(*m, n);
                ASSERT_LT(p.bogen, m->boegen);
                const QRectF mitLinien = p.feld.adjusted(-Scherenband, -Scherenband, Ueberstand, Ueberstand);
                ASSERT_TRUE(innen.adjusted(-0.001, -0.001, 0.001, 0.001).contains(mitLinien))
                    << spalten << "x" << zeilen << " Teil " << n;
                const QPair<int, int> ort(p.bogen, int(std::lround(p.feld.x() * 10 + p.feld.y() * 10000)));
                ASSERT_FALSE(belegt.contains(ort)) << spalten << "x" << zeilen << " Teil " << n;
                belegt.insert(ort);
            }
        }
}

TEST(Arbeitsblattmasse, ZeilenUndSpaltennamen)
{
    EXPECT_EQ(Zeilenname(0), "A");
    EXPECT_EQ(Zeilenname(25), "Z");
    EXPECT_EQ(Zeilenname(26), "AA");
    EXPECT_EQ(Zeilenname(99), "CV");
    EXPECT_EQ(Spaltenname(0), "1");
    EXPECT_EQ(Platzname(2, 1), "B3");
}

TEST(Arbeitsblattmasse, MischungIstVollstaendigWiederholbarUndNieGeordnet)
{
    const std::vector<int> a = Mischung(15, 42);
    std::vector<int> sortiert = a;
    std::sort(sortiert.begin(), sortiert.end());
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(sortiert[size_t(i)], i);
    EXPECT_EQ(Mischung(15, 42), a);
    EXPECT_NE(Mischung(15, 43), a);
    // Two pieces have only one order that is not the board's.
    for (std::uint32_t saat = 0; saat < 50; ++saat)
        EXPECT_EQ(Mischung(2, saat), (std::vector<int>{1, 0})) << saat;
    EXPECT_EQ(Mischung(1, 7), std::vector<int>{0});
}
