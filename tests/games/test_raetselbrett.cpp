// The picture riddle's board, answers and window arithmetic, without a window.
#include "games/brettzugang.h"
#include "games/raetselbrett.h"
#include "games/raetselmasse.h"

#include <gtest/gtest.h>

TEST(Raetselbrett, JederKlickZaehltAuchAufEinAufgedecktesFeld)
{
    Raetselbrett brett;
    ASSERT_TRUE(brett.Aufbauen(3, 2));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(brett.Raetselfeld(i).Sichtbar, Raetselbrett::Verdeckt);
        EXPECT_EQ(brett.Raetselfeld(i).Bildnummer, i);
    }
    EXPECT_TRUE(brett.Aufdecken(2, 1));
    EXPECT_TRUE(brett.Aufdecken(2, 1));
    EXPECT_EQ(brett.Zugzahl(), 2);
    EXPECT_EQ(brett.Raetselfeld(5).Sichtbar, 5);
    EXPECT_EQ(brett.Raetselfeld(4).Sichtbar, Raetselbrett::Verdeckt);

    for (auto [c, r] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{3, 0}, std::pair{0, 2}})
        EXPECT_FALSE(brett.Aufdecken(c, r));
    EXPECT_EQ(brett.Zugzahl(), 2);

    EXPECT_EQ(Raetselfeldnamen(brett).mid(4),
              (QStringList{QStringLiteral("verdeckte Karte in Zeile 1, Spalte 3"),
                           QStringLiteral("Teil in Zeile 2, Spalte 3")}));

    // Uncovering everything ends the game: no click counts any more.
    brett.AllesAufdecken();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(brett.Raetselfeld(i).Sichtbar, i);
    EXPECT_TRUE(brett.Beendet());
    EXPECT_FALSE(brett.Aufdecken(0, 0));
    EXPECT_EQ(brett.Zugzahl(), 2);

    ASSERT_TRUE(brett.Aufbauen(1, 1));
    EXPECT_FALSE(brett.Beendet());
    EXPECT_EQ(brett.Zugzahl(), 0);
    EXPECT_EQ(brett.Raetselfeld(0).Sichtbar, Raetselbrett::Verdeckt);

    EXPECT_FALSE(brett.Aufbauen(101, 1));
    EXPECT_EQ(brett.Feldzahl(), 0);
    EXPECT_FALSE(brett.Aufdecken(0, 0));
}

TEST(Raetselbrett, AntwortenBisZurErstenLeerenZeile)
{
    EXPECT_EQ(Antwortliste(QStringLiteral("A\nB\n\nC")), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(Antwortliste(QStringLiteral("Burg\r\nHafen\r\n")), (QStringList{QStringLiteral("Burg"), QStringLiteral("Hafen")}));
    EXPECT_EQ(Antwortliste(QStringLiteral(" \nx")), (QStringList{QStringLiteral(" "), QStringLiteral("x")}));
    EXPECT_TRUE(Antwortliste(QString()).isEmpty());
    EXPECT_TRUE(Antwortliste(QStringLiteral("\nA\nB")).isEmpty());

    EXPECT_EQ(Antworturteil(2, 2), QStringLiteral(" richtig"));
    EXPECT_EQ(Antworturteil(2, 1), QStringLiteral(" falsch"));
    EXPECT_EQ(Antworturteil(0, 1), QStringLiteral(" falsch"));
}

namespace {
Raetseleingabe FuenfMalDrei()
{
    Raetseleingabe e;
    e.spalten = 5;
    e.zeilen = 3;
    e.feldbreite = 40;
    e.gruppe = Antwortgruppengroesse(2, 5);
    e.bildschirm = QSize(1280, 1024);
    return e;
}
} // namespace

TEST(Raetselmasse, AntwortenRechtsOderUnten)
{
    EXPECT_EQ(Antwortgruppengroesse(2, 5), QSize(48, 51));
    EXPECT_EQ(Antwortgruppengroesse(0, 0), QSize(18, 15));

    Raetseleingabe e = FuenfMalDrei();
    e.feldbreite = 100;
    Raetselmasse m = BerechneRaetselmasse(e);
    EXPECT_EQ(m.brett, QSize(500, 300));
    EXPECT_EQ(m.gruppe, QPoint(504, 0));
    EXPECT_EQ(m.fenster, QSize(504 + 48 + 10, 360));
    EXPECT_EQ(m.labelOben, 315);
    EXPECT_EQ(m.richtigOben, 308);
    EXPECT_EQ(m.knopfOben, 305);

    e.antwortenRechts = false;
    m = BerechneRaetselmasse(e);
    EXPECT_EQ(m.gruppe, QPoint(0, 300));
    EXPECT_EQ(m.fenster, QSize(504, 360 + 51));
    EXPECT_EQ(m.labelOben, 411 - 45);

    // Answers right of a board lower than the group: the bottom row goes below it.
    e = FuenfMalDrei();
    e.zeilen = 1;
    e.gruppe = QSize(100, 105);
    m = BerechneRaetselmasse(e);
    EXPECT_EQ(m.fenster.height(), 165);
    EXPECT_GE(m.knopfOben, 105);
}

TEST(Raetselmasse, MindestbreitenUndLabelorte)
{
    Raetseleingabe e = FuenfMalDrei();
    e.spalten = 1;
    e.gruppe = QSize(0, 0);
    e.antwortenRechts = false;
    Raetselmasse m = BerechneRaetselmasse(e);
    EXPECT_EQ(m.fenster.width(), 400);
    EXPECT_EQ(m.zeitLinks, 304);
    EXPECT_EQ(m.richtigLinks, 370);

    e.zugzaehler = false;
    m = BerechneRaetselmasse(e);
    EXPECT_EQ(m.fenster.width(), 290);
    EXPECT_EQ(m.zeitLinks, 248);
    EXPECT_EQ(m.richtigLinks, 314);
    EXPECT_FALSE(m.zaehlerSichtbar);
    EXPECT_TRUE(m.zeitSichtbar);

    e.spielzeit = false;
    e.zugausgabe = true;
    m = BerechneRaetselmasse(e);
    EXPECT_EQ(m.fenster.width(), 254);
    EXPECT_TRUE(m.posSichtbar);

    // The result label's text is never cut off at the minimum width.
    e.richtigBreite = 70;
    EXPECT_EQ(BerechneRaetselmasse(e).fenster.width(), 314 + 70 + 8);

    // Wider buttons and texts push the labels right instead of touching them.
    e = FuenfMalDrei();
    e.knoepfeRechts = 250;
    e.zaehlerBreite = 60;
    e.zeitBreite = 90;
    m = BerechneRaetselmasse(e);
    EXPECT_EQ(m.zaehlerLinks, 250 + 12);
    EXPECT_EQ(m.zeitLinks, 262 + 60 + 12);
    EXPECT_EQ(m.richtigLinks, 334 + 90 + 12);
}
