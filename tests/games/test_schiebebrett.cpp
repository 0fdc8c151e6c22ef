// The shared game pieces (random generator, displays, keyboard and names)
// and the sliding board.
#include "games/brettzugang.h"
#include "games/schiebebrett.h"
#include "games/spielanzeige.h"
#include "games/zufall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <queue>
#include <vector>

namespace {

using Ergebnis = Schiebebrett::Zugergebnis;

std::vector<int> Belegung(const Schiebebrett& brett)
{
    std::vector<int> felder;
    for (int i = 0; i < brett.Feldzahl(); ++i)
        felder.push_back(brett.Belegung(i));
    return felder;
}

bool IstPermutation(std::vector<int> felder)
{
    std::sort(felder.begin(), felder.end());
    for (int i = 0; i < int(felder.size()); ++i)
        if (felder[i] != i)
            return false;
    return true;
}

} // namespace

TEST(Zufall, ErsteZuegeFuerFesteSaat)
{
    // Saat 1:
    //   1 * 134775813 + 1                     = 134775814
    //   134775814 * 100 = 13477581400,  >> 32 = 3
    //   134775814 * 134775813 + 1 = 18164519904586783, mod 2^32 = 3698175007
    //   3698175007 * 100 = 369817500700, >> 32 = 86
    //   3698175007 * 134775813 + 1 mod 2^32   = 870078620
    //   870078620 * 100 = 87007862000,   >> 32 = 20
    Zufall zufall(1);
    EXPECT_EQ(zufall.Zahl(100), 3);
    EXPECT_EQ(zufall.Saat(), 134775814u);
    EXPECT_EQ(zufall.Zahl(100), 86);
    EXPECT_EQ(zufall.Saat(), 3698175007u);
    EXPECT_EQ(zufall.Zahl(100), 20);
    EXPECT_EQ(zufall.Saat(), 870078620u);

    // The same seeds for range 16: 134775814 * 16 >> 32 = 0,
    // 3698175007 * 16 = 59170800112, >> 32 = 13.
    Zufall zweiter(1);
    EXPECT_EQ(zweiter.Zahl(16), 0);
    EXPECT_EQ(zweiter.Zahl(16), 13);

    // Range 1 always gives 0, whatever the seed.
    Zufall einer(0xFFFFFFFFu);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(einer.Zahl(1), 0);
}

TEST(Spielanzeige, TexteUndSpielzeitUeberMitternacht)
{
    EXPECT_EQ(Zugtext(3), QStringLiteral("Zug: 3"));
    EXPECT_EQ(Zugtext(0), QStringLiteral("Zug: 0"));
    EXPECT_EQ(Zeittext(42), QStringLiteral("Zeit: 42 Sek."));
    EXPECT_EQ(Positionstext(2, 1), QStringLiteral("(2|1)"));
    EXPECT_EQ(Ergebnistext(1, 1), QStringLiteral("Gelöst in 1 Zug und 1 Sekunde"));
    EXPECT_EQ(Ergebnistext(12, 0), QStringLiteral("Gelöst in 12 Zügen und 0 Sekunden"));

    EXPECT_EQ(Spielsekunden(1000, 43999), 42);
    EXPECT_EQ(Spielsekunden(5000, 5999), 0);
    // Started at 23:59:50, now 00:00:05: 15 seconds, not minus a day.
    EXPECT_EQ(Spielsekunden(86390000, 5000), 15);
    EXPECT_GE(MillisekundenDesTages(), 0);
    EXPECT_LT(MillisekundenDesTages(), 86400000);
}

TEST(Spielanzeige, SchwarzOderWeissStehtAufJederFarbeAusreichendAb)
{
    EXPECT_DOUBLE_EQ(Kontrast(Qt::black, Qt::white), 21.0);
    EXPECT_EQ(Schriftfarbe(QColor(0, 0, 255)), QColor(Qt::white)); // the start background
    EXPECT_EQ(Schriftfarbe(QColor(255, 255, 0)), QColor(Qt::black));
    // A grid over all colours, among them those where black and white do
    // about equally well.
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                const QColor hintergrund(r, g, b);
                ASSERT_GE(Kontrast(Schriftfarbe(hintergrund), hintergrund), 4.5) << r << "," << g << "," << b;
            }
}

TEST(Brettzugang, PfeileBleibenAufDemBrettPos1UndEndeSpringen)
{
    const auto ziel = [](QPoint von, int taste, bool strg = false) { return Tastenziel(von, taste, strg, 4, 3); };
    EXPECT_EQ(ziel({1, 1}, Qt::Key_Right), QPoint(2, 1));
    EXPECT_EQ(ziel({1, 1}, Qt::Key_Up), QPoint(1, 0));
    EXPECT_EQ(ziel({0, 0}, Qt::Key_Left), QPoint(0, 0));
    EXPECT_EQ(ziel({3, 2}, Qt::Key_Down), QPoint(3, 2));
    EXPECT_EQ(ziel({2, 1}, Qt::Key_Home), QPoint(0, 1));
    EXPECT_EQ(ziel({2, 1}, Qt::Key_End), QPoint(3, 1));
    EXPECT_EQ(ziel({2, 1}, Qt::Key_Home, true), QPoint(0, 0));
    EXPECT_EQ(ziel({0, 0}, Qt::Key_End, true), QPoint(3, 2));
    EXPECT_FALSE(ziel({1, 1}, Qt::Key_Return).has_value());
    EXPECT_FALSE(Tastenziel({0, 0}, Qt::Key_Right, false, 0, 0).has_value());
}

TEST(Schiebebrett, NurEinGemischtesBrettWirdGewonnenUndRuhtDann)
{
    // A line of three, the hole at the left.
    Schiebebrett brett;
    brett.Ordnen(3, 1, 0, 0);
    brett.Zug(2, 0);
    brett.Zug(0, 0);
    EXPECT_TRUE(brett.Geordnet());
    EXPECT_EQ(brett.Stand(), Spielstand::Frei);

    Zufall zufall(7);
    brett.Mischen(zufall);
    EXPECT_EQ(brett.Stand(), Spielstand::Laeuft);
    // In order again by hand: a click on the hole moves nothing and wins nothing.
    while (!brett.Geordnet())
        for (int i = 0; i < 2; ++i)
            if (brett.Belegung(i) > brett.Belegung(i + 1))
                brett.Tausche(i, i + 1);
    EXPECT_EQ(brett.Zug(brett.LeerSpalte(), 0), Ergebnis::Gezogen);
    EXPECT_EQ(brett.Stand(), Spielstand::Laeuft);
    brett.Zug(2, 0);
    EXPECT_EQ(brett.Stand(), Spielstand::Laeuft);
    EXPECT_EQ(brett.Zug(0, 0), Ergebnis::Gezogen);
    EXPECT_EQ(brett.Stand(), Spielstand::Geloest);

    // The won board rests; off the board is still off the board.
    EXPECT_EQ(brett.Zug(2, 0), Ergebnis::Ruhend);
    EXPECT_EQ(brett.Zug(5, 0), Ergebnis::Ausserhalb);
    EXPECT_EQ(brett.LeerSpalte(), 0);
    brett.Aufloesen();
    EXPECT_EQ(brett.Stand(), Spielstand::Geloest);

    // "Auflösen" puts a running game in order and ends it without a win.
    brett.Mischen(zufall);
    brett.Zug(1, 0);
    brett.Aufloesen();
    EXPECT_TRUE(brett.Geordnet());
    EXPECT_EQ(brett.LeerSpalte(), 0);
    EXPECT_EQ(brett.Stand(), Spielstand::Aufgeloest);
    EXPECT_EQ(brett.Zug(2, 0), Ergebnis::Ruhend);
    brett.Ordnen(3, 1, 0, 0);
    EXPECT_EQ(brett.Stand(), Spielstand::Frei);
}

TEST(Brettzugang, SchiebefelderHeissenWieAufDenSeiten)
{
    // 2 columns x 2 rows, the hole's own field column 0, row 1; the tile
    // below slides up.
    Schiebebrett brett;
    brett.Ordnen(2, 2, 0, 0);
    brett.Zug(0, 1);
    EXPECT_EQ(Schiebefeldnamen(brett),
              (QStringList{QStringLiteral("Teil in Zeile 1, Spalte 1, gehört nach Zeile 2, Spalte 1"),
                           QStringLiteral("leeres Feld, Zeile 2, Spalte 1"),
                           QStringLiteral("Teil in Zeile 1, Spalte 2"), QStringLiteral("Teil in Zeile 2, Spalte 2")}));
    // Once the game rests the whole picture shows: the hole's tile too.
    brett.Aufloesen();
    EXPECT_EQ(Schiebefeldnamen(brett).first(), QStringLiteral("Teil in Zeile 1, Spalte 1"));
}

TEST(Schiebebrett, OrdnenLegtLochUndHaeltDasBrettImGitter)
{
    Schiebebrett brett;
    brett.Ordnen(4, 3, 2, 1);
    EXPECT_EQ(brett.Feldzahl(), 12);
    EXPECT_EQ(brett.Leernummer(), 7); // column 2 * 3 rows + row 1
    EXPECT_TRUE(brett.Geordnet());

    // A position left over from a larger grid comes to the nearest field.
    brett.Ordnen(3, 2, 7, 9);
    EXPECT_EQ(brett.LeerSpalte(), 2);
    EXPECT_EQ(brett.LeerZeile(), 1);
    EXPECT_EQ(brett.Leernummer(), 5);
    brett.Ordnen(3, 2, -1, -4);
    EXPECT_EQ(brett.Leernummer(), 0);

    // No grid, or more tiles than the store holds: an empty board.
    for (auto [spalten, zeilen] : {std::pair{0, 0}, std::pair{0, 5}, std::pair{11, 10}, std::pair{101, 1}}) {
        brett.Ordnen(spalten, zeilen, 0, 0);
        EXPECT_EQ(brett.Feldzahl(), 0);
        EXPECT_EQ(brett.Zug(0, 0), Ergebnis::Ausserhalb);
        Zufall zufall(5);
        brett.Mischen(zufall);
        EXPECT_EQ(brett.Feldzahl(), 0);
    }
    brett.Ordnen(10, 10, 9, 9);
    EXPECT_EQ(brett.Feldzahl(), 100);
    EXPECT_EQ(brett.Leernummer(), 99);
}

TEST(Schiebebrett, ZuegeInSpalteUndZeile)
{
    // 3 columns x 5 rows, hole at column 1, row 4 (tile 9).
    Schiebebrett brett;
    brett.Ordnen(3, 5, 1, 4);

    // Three fields above the hole: the clicked tile and the two between move
    // down by one field each; the clicked field becomes the hole.
    EXPECT_EQ(brett.Zug(1, 1), Ergebnis::Gezogen);
    EXPECT_EQ(Belegung(brett), (std::vector<int>{0, 1, 2, 3, 4, 5, 9, 6, 7, 8, 10, 11, 12, 13, 14}));
    EXPECT_EQ(brett.LeerSpalte(), 1);
    EXPECT_EQ(brett.LeerZeile(), 1);

    // Along the row to the right: steps of one column.
    EXPECT_EQ(brett.Zug(2, 1), Ergebnis::Gezogen);
    EXPECT_EQ(brett.Belegung(6), 11);
    EXPECT_EQ(brett.Belegung(11), 9);
    // And back to the far left: two tiles slide right.
    EXPECT_EQ(brett.Zug(0, 1), Ergebnis::Gezogen);
    EXPECT_EQ(Belegung(brett), (std::vector<int>{0, 9, 2, 3, 4, 5, 1, 6, 7, 8, 10, 11, 12, 13, 14}));

    // The hole itself counts and changes nothing.
    const std::vector<int> vorher = Belegung(brett);
    EXPECT_EQ(brett.Zug(0, 1), Ergebnis::Gezogen);
    EXPECT_EQ(Belegung(brett), vorher);
    // Out of line, and off the board: nothing changes.
    EXPECT_EQ(brett.Zug(2, 3), Ergebnis::NichtInLinie);
    EXPECT_EQ(brett.Zug(3, 1), Ergebnis::Ausserhalb);
    EXPECT_EQ(brett.Zug(0, -1), Ergebnis::Ausserhalb);
    EXPECT_EQ(Belegung(brett), vorher);
    EXPECT_TRUE(brett.Loesbar());

    // A single field is the hole; every click on it counts.
    brett.Ordnen(1, 1, 0, 0);
    EXPECT_EQ(brett.Zug(0, 0), Ergebnis::Gezogen);
    EXPECT_EQ(brett.Belegung(0), 0);
}

TEST(Schiebebrett, LoesbarkeitStimmtMitDenErreichbarenStellungenUeberein)
{
    // Every arrangement that moves reach from solved order (a full search)
    // must count as solvable; the same with one exchange of two tiles that
    // are not the hole must not. Together these are all arrangements.
    for (auto [spalten, zeilen, leer] : {std::tuple{2, 2, 0}, std::tuple{2, 3, 4}, std::tuple{3, 2, 1},
                                         std::tuple{2, 4, 7}, std::tuple{3, 3, 4}}) {
        Schiebebrett start;
        start.Ordnen(spalten, zeilen, leer / zeilen, leer % zeilen);
        std::map<std::vector<int>, bool> erreicht{{Belegung(start), true}};
        std::queue<Schiebebrett> offen;
        offen.push(start);
        while (!offen.empty()) {
            const Schiebebrett stellung = offen.front();
            offen.pop();
            ASSERT_TRUE(stellung.Loesbar());
            Schiebebrett vertauscht = stellung;
            const int erstes = stellung.Belegung(0) == leer ? 1 : 0;
            const int zweites = stellung.Belegung(erstes + 1) == leer ? erstes + 2 : erstes + 1;
            vertauscht.Tausche(erstes, zweites);
            ASSERT_FALSE(vertauscht.Loesbar());
            for (auto [ds, dz] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
                Schiebebrett neu = stellung;
                if (neu.Zug(stellung.LeerSpalte() + ds, stellung.LeerZeile() + dz) != Ergebnis::Gezogen)
                    continue;
                if (erreicht.emplace(Belegung(neu), true).second)
                    offen.push(neu);
            }
        }
        int fakultaet = 1;
        for (int k = 2; k <= spalten * zeilen; ++k)
            fakultaet *= k;
        EXPECT_EQ(int(erreicht.size()), fakultaet / 2) << spalten << "x" << zeilen;
    }
}

TEST(Schiebebrett, GemischteStellungenSindImmerLoesbar)
{
    for (auto [spalten, zeilen] : {std::pair{2, 2}, std::pair{3, 3}, std::pair{4, 3}, std::pair{5, 4},
                                   std::pair{10, 10}, std::pair{7, 2}, std::pair{1, 6}, std::pair{8, 1},
                                   std::pair{1, 1}}) {
        for (std::uint32_t saat = 0; saat < 400; ++saat) {
            Schiebebrett brett;
            const int leerSpalte = int(saat % std::uint32_t(spalten));
            const int leerZeile = int(saat / 7 % std::uint32_t(zeilen));
            brett.Ordnen(spalten, zeilen, leerSpalte, leerZeile);
            Zufall zufall(saat * 2654435761u);
            brett.Mischen(zufall);
            ASSERT_TRUE(IstPermutation(Belegung(brett)));
            ASSERT_TRUE(brett.Loesbar()) << spalten << "x" << zeilen << " Saat " << saat;
            const int lochfeld = brett.LeerSpalte() * zeilen + brett.LeerZeile();
            ASSERT_EQ(brett.Belegung(lochfeld), brett.Leernummer());
            if (spalten == 1 || zeilen == 1) {
                // On a line the other tiles stand in their order.
                std::vector<int> rest = Belegung(brett);
                rest.erase(std::find(rest.begin(), rest.end(), brett.Leernummer()));
                ASSERT_TRUE(std::is_sorted(rest.begin(), rest.end()));
            }
        }
    }
}

TEST(Schiebebrett, MischenBehaeltDieHundertTauscheUndRepariertNurDieParitaet)
{
    // The same draws, a then b, replayed by hand: a solvable result stays as
    // it is, an unsolvable one differs only in its first two non-hole fields.
    int repariert = 0;
    for (std::uint32_t saat = 1; saat <= 200; ++saat) {
        Schiebebrett gemischt;
        gemischt.Ordnen(4, 3, 1, 2);
        Zufall zufall(saat);
        gemischt.Mischen(zufall);

        Schiebebrett nachgespielt;
        nachgespielt.Ordnen(4, 3, 1, 2);
        Zufall gleich(saat);
        for (int k = 0; k < 100; ++k) {
            const int a = gleich.Zahl(12);
            const int b = gleich.Zahl(12);
            nachgespielt.Tausche(a, b);
        }
        EXPECT_EQ(zufall.Saat(), gleich.Saat()); // exactly 200 draws
        if (!nachgespielt.Loesbar()) {
            ++repariert;
            std::vector<int> nichtLoch;
            for (int i = 0; i < 12 && nichtLoch.size() < 2; ++i)
                if (nachgespielt.Belegung(i) != nachgespielt.Leernummer())
                    nichtLoch.push_back(i);
            nachgespielt.Tausche(nichtLoch[0], nichtLoch[1]);
        }
        EXPECT_EQ(Belegung(gemischt), Belegung(nachgespielt)) << "Saat " << saat;
        EXPECT_EQ(gemischt.LeerSpalte(), nachgespielt.LeerSpalte());
        EXPECT_EQ(gemischt.LeerZeile(), nachgespielt.LeerZeile());
    }
    // About half the raw shuffles cannot be solved; the mending is real.
    EXPECT_GT(repariert, 50);
    EXPECT_LT(repariert, 150);
}
