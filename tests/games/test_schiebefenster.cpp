// The sliding puzzle window, driven as the user drives it.
#include "fenster/bildfeld.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/puz_opt.h"
#include "dialogs/puz_sanl.h"
#include "games/fenster/puz_sch.h"
#include "testhilfe.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int B = 20;               // tile width of these tests
constexpr QRgb Rot = 0xFFFF0000;    // Leerfeldfarbe's start value on screen

// Tile k is a solid colour of its own that is never the empty-field red.
QRgb Teilfarbe(int k)
{
    return qRgb(10 + 2 * k, 200 - k, 30 + k);
}

class SchiebePuzzle : public ::testing::Test
{
protected:
    void SetUp() override
    {
        puz_var::Startwerte();
        testhilfe::StummeDialoge();
        Fo_Optionen->ChBoZugausgabe->setChecked(false);
    }

    void TearDown() override
    {
        if (FoPlay->isVisible())
            FoPlay->BuSchliessenClick();
        FoSchiebePuzzleAnleitung->hide();
        Form1->hide();
        // The window system's activation changes arrive before the next test.
        (void)QTest::qWaitFor([] { return !QApplication::activeWindow(); }, 1000);
    }

    // A cut of spalten x zeilen tiles of width B, as the cut leaves it.
    static void Schnitt(int spalten, int zeilen)
    {
        puz_var::Spalten = spalten;
        puz_var::Zeilen = zeilen;
        puz_var::Gesamtbild = QImage(spalten * B, zeilen * B, QImage::Format_RGB32);
        for (int k = 0; k < spalten * zeilen; ++k) {
            puz_var::Teile[k] = QImage(B, B, QImage::Format_RGB32);
            puz_var::Teile[k].fill(Teilfarbe(k));
        }
        Form1->SpEdBreite->setValue(B);
    }

    static void Oeffnen()
    {
        Form1->show();
        Form1->SchiebenClick();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FoPlay));
        QCoreApplication::processEvents(); // a late activation rebuilds before the test plays
    }

    // Number of the tile shown on the board at column c, row r; -1 for the
    // empty-field square.
    static int Sichtbar(int spalte, int zeile)
    {
        const QRgb farbe = FoPlay->ImBild->bild().pixel(spalte * B + B / 2, zeile * B + B / 2);
        if (farbe == Rot)
            return -1;
        for (int k = 0; k < puz_var::Spalten * puz_var::Zeilen; ++k)
            if (farbe == Teilfarbe(k))
                return k;
        return -2;
    }

    // What the board shows, field by field, the hole's tile as -1.
    static std::vector<int> Brettbild()
    {
        std::vector<int> felder;
        for (int c = 0; c < puz_var::Spalten; ++c)
            for (int r = 0; r < puz_var::Zeilen; ++r)
                felder.push_back(Sichtbar(c, r));
        return felder;
    }

    static std::vector<int> Belegungsbild()
    {
        std::vector<int> felder;
        const Schiebebrett& brett = FoPlay->Brett();
        for (int i = 0; i < brett.Feldzahl(); ++i)
            felder.push_back(brett.Belegung(i) == brett.Leernummer() ? -1 : brett.Belegung(i));
        return felder;
    }

    static void Klick(int spalte, int zeile)
    {
        QTest::mouseClick(FoPlay->ImBild, Qt::LeftButton, {}, QPoint(spalte * B + 3, zeile * B + 4));
    }
};

TEST_F(SchiebePuzzle, OeffnenZeigtDasGeordneteBildMitDemLeerfeld)
{
    Schnitt(4, 3);
    puz_var::LeerfeldX = 2;
    puz_var::LeerfeldY = 1;
    Oeffnen();

    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(FoPlay->ImBild->size(), QSize(4 * B, 3 * B));
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, -1, 8, 9, 10, 11}));
    EXPECT_EQ(FoPlay->LaZugZaehler->text(), QStringLiteral("Zug: 0"));
    EXPECT_FALSE(FoPlay->LaPos->isVisible()); // ChBoZugausgabe not ticked
    EXPECT_TRUE(FoPlay->LaZugZaehler->isVisible());
    EXPECT_EQ(puz_var::Teile[7].pixel(0, 0), Rot);
    // The left column fits beside a board of three small rows.
    EXPECT_GE(FoPlay->LaPos->y(), FoPlay->ImVorschau->geometry().bottom());
    EXPECT_LE(FoPlay->BuSchliessen->geometry().bottom(), FoPlay->height());

    // Only the coloured square moves like a hole: a click in its column
    // moves, a click at column 0, row 0 does not.
    Klick(0, 0);
    EXPECT_EQ(FoPlay->Zugzahl, 0);
    Klick(2, 0);
    EXPECT_EQ(FoPlay->Zugzahl, 1);
    EXPECT_EQ(Sichtbar(2, 0), -1);
    EXPECT_EQ(Sichtbar(2, 1), 6);
}

TEST_F(SchiebePuzzle, ZuegeLochKlickUndKlickAusserhalbDerLinie)
{
    Schnitt(3, 5);
    puz_var::LeerfeldX = 1;
    puz_var::LeerfeldY = 4;
    Oeffnen();

    // Three fields above the hole: three tiles slide, one move is counted.
    Klick(1, 1);
    EXPECT_EQ(FoPlay->LaZugZaehler->text(), QStringLiteral("Zug: 1"));
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, 4, 5, -1, 6, 7, 8, 10, 11, 12, 13, 14}));
    EXPECT_EQ(FoPlay->LaPos->text(), QStringLiteral("(1|1)"));

    // The hole itself: counted, nothing moves.
    Klick(1, 1);
    EXPECT_EQ(FoPlay->Zugzahl, 2);
    const std::vector<int> vorher = Brettbild();
    EXPECT_EQ(vorher, Belegungsbild());

    // Out of line: no count, the board is drawn unchanged.
    Klick(0, 3);
    EXPECT_EQ(FoPlay->Zugzahl, 2);
    EXPECT_EQ(Brettbild(), vorher);

    // A field recorded off the grid does nothing at all.
    FoPlay->ImBildMouseMove(QPoint(40 * B, 2));
    EXPECT_EQ(FoPlay->LaPos->text(), QStringLiteral("(40|0)"));
    FoPlay->ImBildClick();
    EXPECT_EQ(FoPlay->Zugzahl, 2);
    EXPECT_EQ(Brettbild(), vorher);
}

TEST_F(SchiebePuzzle, MischenAufloesenUndWeiterspielen)
{
    Schnitt(4, 4);
    Fo_Optionen->ChBoZugausgabe->setChecked(true);
    Oeffnen();
    EXPECT_TRUE(FoPlay->LaPos->isVisible());

    FoPlay->BuMischenClick();
    EXPECT_EQ(FoPlay->LaZugZaehler->text(), QStringLiteral("Zug: 0"));
    EXPECT_TRUE(FoPlay->Brett().Loesbar());
    EXPECT_EQ(Brettbild(), Belegungsbild());

    // Two moves in the hole's column.
    Klick(FoPlay->Brett().LeerSpalte(), (FoPlay->Brett().LeerZeile() + 2) % 4);
    Klick(FoPlay->Brett().LeerSpalte(), (FoPlay->Brett().LeerZeile() + 1) % 4);
    EXPECT_EQ(FoPlay->Zugzahl, 2);
    const std::vector<int> spiel = Belegungsbild();

    // "Auflösen" shows every tile at its own place, the coloured one too.
    FoPlay->BuAnzeigen->click();
    EXPECT_EQ(Brettbild(), (std::vector<int>{-1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(Belegungsbild(), spiel);

    // A click out of line brings the game's arrangement back, uncounted.
    const int spalte = (FoPlay->Brett().LeerSpalte() + 1) % 4;
    const int zeile = (FoPlay->Brett().LeerZeile() + 1) % 4;
    Klick(spalte, zeile);
    EXPECT_EQ(FoPlay->Zugzahl, 2);
    EXPECT_EQ(Brettbild(), spiel);
}

TEST_F(SchiebePuzzle, EinFeldIstDasLoch)
{
    Schnitt(1, 1);
    Oeffnen();
    EXPECT_EQ(Brettbild(), std::vector<int>{-1});
    for (int i = 0; i < 3; ++i)
        Klick(0, 0);
    EXPECT_EQ(FoPlay->LaZugZaehler->text(), QStringLiteral("Zug: 3"));
    FoPlay->BuMischenClick();
    EXPECT_EQ(Brettbild(), std::vector<int>{-1});
}

TEST_F(SchiebePuzzle, ZurueckAusDerAnleitungNeuGeordnetUndSchliessenGibtDasTeilZurueck)
{
    Schnitt(3, 3);
    puz_var::LeerfeldX = 1;
    puz_var::LeerfeldY = 1;
    const QImage echt = puz_var::Teile[4];
    Oeffnen();
    FoPlay->BuMischenClick();
    const int startzeit = FoPlay->Startzeit;
    Klick(FoPlay->Brett().LeerSpalte(), (FoPlay->Brett().LeerZeile() + 1) % 3);
    Klick(FoPlay->Brett().LeerSpalte(), (FoPlay->Brett().LeerZeile() + 1) % 3);
    ASSERT_EQ(FoPlay->Zugzahl, 2);

    FoPlay->BuAnleitung->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FoSchiebePuzzleAnleitung));
    FoSchiebePuzzleAnleitung->hide();
    FoPlay->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FoPlay));

    // Solved order again; the counter and the clock go on.
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, -1, 5, 6, 7, 8}));
    EXPECT_EQ(FoPlay->LaZugZaehler->text(), QStringLiteral("Zug: 2"));
    EXPECT_EQ(FoPlay->Startzeit, startzeit);

    // The rebuild kept the real picture, so closing restores it.
    FoPlay->BuSchliessen->click();
    EXPECT_FALSE(FoPlay->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[4], echt));

    // Closing by the title bar does the same.
    Oeffnen();
    EXPECT_EQ(puz_var::Teile[4].pixel(0, 0), Rot);
    FoPlay->close();
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[4], echt));
    EXPECT_TRUE(Form1->isVisible());
}

TEST_F(SchiebePuzzle, LeerfeldWechselnWaehrendOffenVerliertKeinTeil)
{
    Schnitt(3, 2);
    Oeffnen();
    // The options moved the empty field while the game stayed open.
    puz_var::LeerfeldX = 2;
    puz_var::LeerfeldY = 1;
    FoPlay->FormActivate();
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, 4, -1}));
    EXPECT_EQ(puz_var::Teile[0].pixel(0, 0), Teilfarbe(0));
    FoPlay->BuSchliessenClick();
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(puz_var::Teile[k].pixel(1, 1), Teilfarbe(k)) << k;
}

TEST_F(SchiebePuzzle, LeerfeldAusserhalbDesGittersKommtAufDasNaechsteFeld)
{
    Schnitt(3, 2);
    puz_var::LeerfeldX = 7;
    puz_var::LeerfeldY = 9;
    Oeffnen();
    EXPECT_EQ(puz_var::LeerfeldX, 2);
    EXPECT_EQ(puz_var::LeerfeldY, 1);
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, 4, -1}));
    for (int k = 6; k < MaxTeile; ++k)
        EXPECT_TRUE(puz_var::Teile[k].isNull()) << k;
}

TEST_F(SchiebePuzzle, VorschauZeitUndUnbrauchbareFeldbreite)
{
    Schnitt(2, 2);
    puz_var::Gesamtbild.fill(Qt::white);
    puz_var::VorschauBreite = 240;
    puz_var::VorschauHoehe = 160; // 160 / 240 * 168 = 112 rows of preview
    Oeffnen();
    const QImage& vorschau = FoPlay->ImVorschau->bild();
    EXPECT_EQ(vorschau.pixel(84, 110), qRgb(255, 255, 255));
    EXPECT_EQ(vorschau.pixel(84, 113), qRgb(0, 0, 255)); // Hintergrundfarbe

    FoPlay->Startzeit -= 42000;
    FoPlay->TiSpielZeitTimer();
    EXPECT_EQ(FoPlay->LaZeit->text(), QStringLiteral("Zeit: 42sec"));

    // Without a preview only the background shows.
    puz_var::VorschauErzeugen = false;
    FoPlay->FormActivate();
    EXPECT_EQ(FoPlay->ImVorschau->bild().pixel(84, 50), qRgb(0, 0, 255));

    // A tile width of 0 typed after the cut: the board keeps the tiles' width.
    Form1->SpEdBreite->setValue(0);
    FoPlay->FormActivate();
    EXPECT_EQ(FoPlay->Feldbreite(), B);
    FoPlay->ImBildMouseMove(QPoint(25, 5));
    EXPECT_EQ(FoPlay->LaPos->text(), QStringLiteral("(1|0)"));
}

} // namespace
