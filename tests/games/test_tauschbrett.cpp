// The swap puzzle's board and window arithmetic, without a window.
#include "games/brettzugang.h"
#include "games/tauschbrett.h"
#include "games/tauschmasse.h"
#include "games/zufall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<int> AktuellWerte(const Tauschbrett& brett)
{
    std::vector<int> werte;
    for (int i = 0; i < brett.Feldzahl(); ++i)
        werte.push_back(brett.Tauschfeld(i).Aktuell);
    return werte;
}

std::vector<int> LoesungWerte(const Tauschbrett& brett)
{
    std::vector<int> werte;
    for (int i = 0; i < brett.Feldzahl(); ++i)
        werte.push_back(brett.Tauschfeld(i).Loesung);
    return werte;
}

bool IstUmordnung(std::vector<int> a, std::vector<int> b)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

} // namespace

TEST(Tauschbrett, RahmenUmFuenfMalDreiIstLeerUndMischenStreutTeileAufIhn)
{
    Tauschbrett brett;
    ASSERT_TRUE(brett.Aufbauen(5, 3, false));
    ASSERT_EQ(brett.FeldSpalten(), 7);
    ASSERT_EQ(brett.FeldZeilen(), 5);

    int leer = 0;
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 5; ++r) {
            const auto& feld = brett.Tauschfeld(*brett.Index(c, r));
            const bool ring = c == 0 || r == 0 || c == 6 || r == 4;
            if (ring) {
                ++leer;
                EXPECT_EQ(feld.Loesung, Tauschbrett::Leer);
            } else {
                EXPECT_EQ(feld.Loesung, (c - 1) * 3 + (r - 1)) << c << "|" << r;
            }
            EXPECT_EQ(feld.Aktuell, feld.Loesung);
        }
    EXPECT_EQ(leer, 20);

    Zufall zufall(12345);
    brett.Mischen(zufall);
    EXPECT_TRUE(IstUmordnung(AktuellWerte(brett), LoesungWerte(brett)));
    int teileAufDemRing = 0;
    for (int i = 0; i < brett.Feldzahl(); ++i)
        if (brett.Tauschfeld(i).Loesung == Tauschbrett::Leer && brett.Tauschfeld(i).Aktuell != Tauschbrett::Leer)
            ++teileAufDemRing;
    EXPECT_GT(teileAufDemRing, 0);
}

TEST(Tauschbrett, MischenGehtVomBrettAusWieEsGeradeIst)
{
    Tauschbrett brett;
    brett.Aufbauen(4, 4, true);
    Zufall erste(777);
    brett.Mischen(erste);
    const std::vector<int> einmal = AktuellWerte(brett);
    brett.Klick(0, 0);
    brett.Klick(1, 0);
    EXPECT_EQ(brett.Zugzahl(), 1);

    Zufall zweite(777);
    brett.Mischen(zweite);
    EXPECT_EQ(brett.Zugzahl(), 0);
    EXPECT_NE(AktuellWerte(brett), einmal); // not a fresh shuffle of the solved board
    EXPECT_TRUE(IstUmordnung(AktuellWerte(brett), LoesungWerte(brett)));
}

TEST(Tauschbrett, JedesSchneidbareGitterPasstMitRahmenInDenSpeicher)
{
    for (const auto& [spalten, zeilen] : std::vector<std::pair<int, int>>{{70, 1}, {100, 1}, {1, 100}, {10, 10}, {1, 1}}) {
        Tauschbrett brett;
        ASSERT_TRUE(brett.Aufbauen(spalten, zeilen, false)) << spalten << "x" << zeilen;
        EXPECT_EQ(brett.Feldzahl(), (spalten + 2) * (zeilen + 2));
        EXPECT_LE(brett.Feldzahl(), Tauschbrett::MaxFelder);
        std::vector<int> teile;
        for (int v : LoesungWerte(brett))
            if (v != Tauschbrett::Leer)
                teile.push_back(v);
        ASSERT_EQ(int(teile.size()), spalten * zeilen);
        std::sort(teile.begin(), teile.end());
        for (int k = 0; k < int(teile.size()); ++k)
            EXPECT_EQ(teile[k], k);
        Zufall zufall(1);
        brett.Mischen(zufall);
        EXPECT_TRUE(IstUmordnung(AktuellWerte(brett), LoesungWerte(brett)));
    }
    Tauschbrett einzeln;
    einzeln.Aufbauen(70, 1, false);
    EXPECT_EQ(einzeln.Feldzahl(), 216);

    Tauschbrett zuGross;
    EXPECT_FALSE(zuGross.Aufbauen(101, 1, true));
    EXPECT_FALSE(zuGross.Aufbauen(-1, 3, false));
    EXPECT_EQ(zuGross.Feldzahl(), 0);
    EXPECT_EQ(zuGross.Klick(0, 0), Tauschbrett::Klickfolge::Ausserhalb);
}

TEST(Tauschbrett, ZweiKlickeTauschenUndZaehlenEinenZug)
{
    Tauschbrett brett;
    brett.Aufbauen(3, 2, true);

    // The same field twice: one move, nothing moves.
    EXPECT_EQ(brett.Klick(2, 1), Tauschbrett::Klickfolge::Erster);
    EXPECT_EQ(brett.Klick(2, 1), Tauschbrett::Klickfolge::Getauscht);
    EXPECT_EQ(brett.Zugzahl(), 1);
    EXPECT_TRUE(brett.Geloest());

    // Off the board: nothing at all, also no lost first choice.
    EXPECT_EQ(brett.Klick(0, 0), Tauschbrett::Klickfolge::Erster);
    for (auto [c, r] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {3, 0}, {0, 2}})
        EXPECT_EQ(brett.Klick(c, r), Tauschbrett::Klickfolge::Ausserhalb);
    EXPECT_TRUE(brett.ErsterKlick());
    EXPECT_EQ(brett.Zugzahl(), 1);
    EXPECT_EQ(brett.Klick(2, 1), Tauschbrett::Klickfolge::Getauscht);
    EXPECT_EQ(brett.Tauschfeld(0).Aktuell, 5);
    EXPECT_EQ(brett.Tauschfeld(5).Aktuell, 0);
    EXPECT_EQ(brett.Zugzahl(), 2);
}

TEST(Tauschbrett, NurEinGemischtesBrettWirdGewonnenUndRuhtBisZumMischen)
{
    Tauschbrett brett;
    brett.Aufbauen(2, 2, false); // 4 x 4 board, tiles inside
    brett.Klick(1, 1);           // tile 0
    brett.Klick(0, 0);           // blank
    EXPECT_EQ(brett.Tauschfeld(*brett.Index(1, 1)).Aktuell, Tauschbrett::Leer);
    // Two blank fields completing a pair count as well.
    brett.Klick(0, 3);
    EXPECT_EQ(brett.Klick(3, 3), Tauschbrett::Klickfolge::Getauscht);
    EXPECT_EQ(brett.Zugzahl(), 2);
    // Back in order, but never shuffled: nothing is won.
    brett.Klick(0, 0);
    brett.Klick(1, 1);
    EXPECT_TRUE(brett.Geloest());
    EXPECT_EQ(brett.Stand(), Spielstand::Frei);

    // The shuffle drops a pending choice and starts a game, which the swap
    // that puts the last tile in place wins.
    brett.Klick(2, 2);
    Zufall zufall(11);
    brett.Mischen(zufall);
    EXPECT_FALSE(brett.ErsterKlick());
    EXPECT_EQ(brett.Stand(), Spielstand::Laeuft);
    for (int i = 0; i < brett.Feldzahl(); ++i) {
        if (brett.Tauschfeld(i).Aktuell == brett.Tauschfeld(i).Loesung)
            continue;
        int j = i + 1;
        while (brett.Tauschfeld(j).Aktuell != brett.Tauschfeld(i).Loesung)
            ++j;
        EXPECT_EQ(brett.Stand(), Spielstand::Laeuft);
        brett.Klick(i / 4, i % 4);
        brett.Klick(j / 4, j % 4);
    }
    EXPECT_EQ(brett.Stand(), Spielstand::Geloest);
    const int zuege = brett.Zugzahl();
    EXPECT_EQ(brett.Klick(0, 0), Tauschbrett::Klickfolge::Ruhend);
    EXPECT_FALSE(brett.ErsterKlick());
    EXPECT_EQ(brett.Zugzahl(), zuege);

    // "Auflösen" ends a running game without a win and drops the first choice.
    brett.Mischen(zufall);
    brett.Klick(2, 2);
    brett.Aufloesen();
    EXPECT_TRUE(brett.Geloest());
    EXPECT_FALSE(brett.ErsterKlick());
    EXPECT_EQ(brett.Stand(), Spielstand::Aufgeloest);
    EXPECT_EQ(brett.Klick(1, 1), Tauschbrett::Klickfolge::Ruhend);

    // A new set-up forgets the pending choice, the count and the end.
    brett.Aufbauen(2, 2, false);
    EXPECT_EQ(brett.Stand(), Spielstand::Frei);
    brett.Klick(1, 1);
    EXPECT_TRUE(brett.AuswahlAufheben());
    EXPECT_FALSE(brett.AuswahlAufheben());
    brett.Aufbauen(2, 2, false);
    EXPECT_EQ(brett.Zugzahl(), 0);
}

TEST(Brettzugang, TauschfelderNennenIhrZielUndDieWahl)
{
    // One tile in a frame of blank fields, swapped into the top-left corner.
    Tauschbrett brett;
    brett.Aufbauen(1, 1, false);
    brett.Klick(1, 1);
    brett.Klick(0, 0);
    brett.Klick(2, 1);
    const QStringList namen = Tauschfeldnamen(brett);
    ASSERT_EQ(namen.size(), 9);
    EXPECT_EQ(namen[0], QStringLiteral("Teil in Zeile 1, Spalte 1, gehört nach Zeile 2, Spalte 2"));
    EXPECT_EQ(namen[4], QStringLiteral("leeres Feld, Zeile 2, Spalte 2"));
    EXPECT_EQ(namen[7], QStringLiteral("leeres Feld, Zeile 2, Spalte 3, ausgewählt"));
}

namespace {
Tauscheingabe KleinesBrett()
{
    Tauscheingabe e;
    e.feldSpalten = 2;
    e.feldZeilen = 2;
    e.feldbreite = 40;
    e.vorschau = false;
    e.bildschirm = QSize(1280, 1024);
    return e;
}
} // namespace

TEST(Tauschmasse, MindestbreitenUndBeschriftungen)
{
    Tauscheingabe e = KleinesBrett();
    Tauschmasse m = BerechneTauschmasse(e);
    EXPECT_EQ(m.fenster, QSize(550, 140));
    EXPECT_EQ(m.zeitLinks, 504);
    EXPECT_TRUE(m.zaehlerSichtbar);
    EXPECT_FALSE(m.zugausgabeSichtbar);
    EXPECT_EQ(m.labelOben, 95);
    EXPECT_EQ(m.knopfOben, 85);

    e.zugzaehler = false;
    m = BerechneTauschmasse(e);
    EXPECT_EQ(m.fenster.width(), 470);
    EXPECT_EQ(m.zeitLinks, 440);
    EXPECT_FALSE(m.zaehlerSichtbar);

    e.spielzeit = false;
    e.zugausgabe = true;
    m = BerechneTauschmasse(e);
    EXPECT_EQ(m.fenster.width(), 434);
    EXPECT_FALSE(m.zeitSichtbar);
    EXPECT_TRUE(m.zugausgabeSichtbar);

    // A label or button wider than the form allows widens the window instead
    // of being cut off.
    e = KleinesBrett();
    e.zeitBreite = 80;
    EXPECT_EQ(BerechneTauschmasse(e).fenster.width(), 504 + 80 + 8);
    e.spielzeit = e.zugzaehler = false;
    e.knoepfeRechts = 438;
    EXPECT_EQ(BerechneTauschmasse(e).fenster.width(), 438 + 8);

    // Wider buttons push the counters right instead of touching them.
    e = KleinesBrett();
    e.knoepfeRechts = 460;
    e.zaehlerBreite = 60;
    m = BerechneTauschmasse(e);
    EXPECT_EQ(m.zaehlerLinks, 460 + 12);
    EXPECT_EQ(m.zeitLinks, 460 + 12 + 60 + 12);
    // The result's row lies below the buttons, inside the window.
    EXPECT_GE(m.meldungOben, m.knopfOben + 25);
    EXPECT_LE(m.meldungOben + 22, m.fenster.height());
}

TEST(Tauschmasse, VorschauNebenDemBrettUndBildschirmgrenze)
{
    Tauscheingabe e = KleinesBrett();
    e.feldSpalten = 5;
    e.feldZeilen = 3;
    e.feldbreite = 80;
    e.vorschau = true;
    e.vorschauBreite = 240;
    e.vorschauHoehe = 160;
    Tauschmasse m = BerechneTauschmasse(e);
    EXPECT_EQ(m.fenster, QSize(400 + 4 + 14 + 240, 240 + 60));
    EXPECT_EQ(m.vorschau, QRect(410, 0, 240, 160));

    // A board lower than the preview: the bottom row goes below the preview.
    e.feldZeilen = 1;
    m = BerechneTauschmasse(e);
    EXPECT_EQ(m.knopfOben, 165);
    EXPECT_EQ(m.fenster.height(), 220);

    // No usable preview width: no preview, no division by zero.
    e.vorschauBreite = 0;
    m = BerechneTauschmasse(e);
    EXPECT_TRUE(m.vorschau.isEmpty());
    EXPECT_EQ(m.fenster.width(), 550);

    // A phone photo's board on a laptop screen: shown scaled down beside the
    // preview, the whole window on the screen.
    e.feldSpalten = 5;
    e.feldZeilen = 3;
    e.feldbreite = 800;
    e.vorschauBreite = 240;
    e.bildschirm = QSize(800, 560);
    m = BerechneTauschmasse(e);
    EXPECT_NEAR(m.massstab, (800.0 - 4 - 14 - 240) / 4000, 1e-9);
    EXPECT_EQ(m.brett, QSize(542, 325));
    EXPECT_LE(m.fenster.width(), 800);
    EXPECT_LE(m.fenster.height(), 560);
    EXPECT_EQ(m.vorschau.left(), 542 + 10);
    EXPECT_GE(m.knopfOben, m.brett.height());
    EXPECT_FALSE(m.linksNull || m.obenNull);

    // A screen too narrow for board and preview leaves the preview out; one
    // too low for any board still keeps the window at the screen's size.
    e = KleinesBrett();
    e.feldSpalten = 72;
    e.feldZeilen = 3;
    e.feldbreite = 20;
    e.vorschau = true;
    e.vorschauBreite = 240;
    e.vorschauHoehe = 160;
    e.bildschirm = QSize(300, 40);
    m = BerechneTauschmasse(e);
    EXPECT_TRUE(m.vorschau.isEmpty());
    EXPECT_EQ(m.fenster.height(), 40);
    EXPECT_TRUE(m.obenNull);
}
