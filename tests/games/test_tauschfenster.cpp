// The swap puzzle window, driven as the user drives it (offscreen platform).
#include "fenster/bildfeld.h"
#include "modell/farbe.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/puz_danl.h"
#include "dialogs/puz_opt.h"
#include "games/fenster/puz_drag.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr int B = 40; // tile width of the test tile sets

QColor Teilfarbe(int k)
{
    return QColor(20 + 2 * k, 200 - k, 60 + k);
}

// A cut of spalten x zeilen solid tiles, as the cut leaves it.
void Schnitt(int spalten, int zeilen, int breite = B)
{
    puz_var::Spalten = spalten;
    puz_var::Zeilen = zeilen;
    puz_var::Gesamtbild = QImage(spalten * breite, zeilen * breite, QImage::Format_RGB32);
    for (int k = 0; k < spalten * zeilen; ++k) {
        puz_var::Teile[k] = QImage(breite, breite, QImage::Format_RGB32);
        puz_var::Teile[k].fill(Teilfarbe(k));
        for (int y = 0; y < breite; ++y)
            for (int x = 0; x < breite; ++x)
                puz_var::Gesamtbild.setPixel((k / zeilen) * breite + x, (k % zeilen) * breite + y, Teilfarbe(k).rgb());
    }
    Form1->SpEdBreite->setValue(breite);
}

class TauschFenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        puz_var::Startwerte();
        Fo_Optionen->ChBoZugZaehler->setChecked(true);
        Fo_Optionen->ChBoSpielzeit->setChecked(true);
        Fo_Optionen->ChBoZugausgabe->setChecked(false);
        Schnitt(5, 3);
    }
    void TearDown() override { FoDragPuzzle->hide(); }

    // The tile shown on field (c, r), by its colour; -1 for the blank field.
    static int TeilAuf(int c, int r)
    {
        const QColor farbe(FoDragPuzzle->PaBoSpielfeld->bild().pixel(c * B + B / 2, r * B + B / 2));
        if (farbe == Farbe(puz_var::Hintergrundfarbe))
            return -1;
        for (int k = 0; k < puz_var::Spalten * puz_var::Zeilen; ++k)
            if (farbe == Teilfarbe(k))
                return k;
        return -2;
    }

    static void Klick(int c, int r)
    {
        QTest::mouseClick(FoDragPuzzle->PaBoSpielfeld, Qt::LeftButton, {}, QPoint(c * B + 3, r * B + 3));
    }
};

TEST_F(TauschFenster, MenuebefehlOeffnetGeloestesBrettMitLeeremRing)
{
    puz_var::SpielfeldMinimal = false;
    Form1->show();
    Form1->Ziehen->trigger();
    ASSERT_TRUE(FoDragPuzzle->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(FoDragPuzzle->PaBoSpielfeld->size(), QSize(7 * B, 5 * B));
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 0"));

    int ring = 0;
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 5; ++r) {
            if (c == 0 || r == 0 || c == 6 || r == 4) {
                EXPECT_EQ(TeilAuf(c, r), -1) << c << "|" << r;
                ++ring;
            } else {
                EXPECT_EQ(TeilAuf(c, r), (c - 1) * 3 + (r - 1)) << c << "|" << r;
            }
        }
    EXPECT_EQ(ring, 20);
    // The blank field carries a one-pixel outline in the grid-line colour.
    EXPECT_EQ(QColor(FoDragPuzzle->PaBoSpielfeld->bild().pixel(0, B / 2)), Farbe(puz_var::Gitterlinienfarbe));

    // Mischen: every tile still shown once, some on the ring, counter back to 0.
    Klick(1, 1);
    Klick(2, 2);
    FoDragPuzzle->BuMischen->click();
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 0"));
    std::vector<int> gesehen;
    int aufDemRing = 0;
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 5; ++r) {
            const int teil = TeilAuf(c, r);
            if (teil >= 0) {
                gesehen.push_back(teil);
                if (c == 0 || r == 0 || c == 6 || r == 4)
                    ++aufDemRing;
            }
        }
    std::sort(gesehen.begin(), gesehen.end());
    ASSERT_EQ(gesehen.size(), 15u);
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(gesehen[k], k);
    EXPECT_GT(aufDemRing, 0);

    // Closing brings the main window back.
    FoDragPuzzle->close();
    EXPECT_FALSE(FoDragPuzzle->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    Form1->hide();
}

TEST_F(TauschFenster, ZweiKlicksTauschenMitBeschriftungUndEinemZug)
{
    Fo_Optionen->ChBoZugausgabe->setChecked(true);
    FoDragPuzzle->show();
    ASSERT_TRUE(FoDragPuzzle->LaVon->isVisible());

    Klick(3, 0);
    EXPECT_EQ(FoDragPuzzle->LaVon->text(), QStringLiteral("Tausche (3|0)"));
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 0"));
    Klick(1, 2);
    EXPECT_EQ(FoDragPuzzle->LaNach->text(), QStringLiteral("und (1|2)"));
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 1"));
    EXPECT_EQ(TeilAuf(3, 0), 5);
    EXPECT_EQ(TeilAuf(1, 2), 9);

    // The same field twice: one move, the board stays.
    Klick(4, 1);
    Klick(4, 1);
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 2"));
    EXPECT_EQ(TeilAuf(4, 1), 13);

    // Places off the board change nothing, not even the pending choice.
    Klick(0, 0);
    FoDragPuzzle->PaBoSpielfeldClick(QPoint(-3, 5));
    FoDragPuzzle->PaBoSpielfeldClick(QPoint(5 * B + 2, 5));
    FoDragPuzzle->PaBoSpielfeldClick(QPoint(5, 3 * B));
    EXPECT_TRUE(FoDragPuzzle->Brett().ErsterKlick());
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 2"));

    // "Auflösen" between the two clicks: solved, and the next click completes
    // the swap with the field chosen before.
    FoDragPuzzle->BuAufloesen->click();
    EXPECT_EQ(TeilAuf(3, 0), 9);
    EXPECT_EQ(TeilAuf(1, 2), 5);
    Klick(1, 0);
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 3"));
    EXPECT_EQ(TeilAuf(0, 0), 3);
    EXPECT_EQ(TeilAuf(1, 0), 0);

    // The position display follows the pointer.
    QTest::mouseMove(FoDragPuzzle->PaBoSpielfeld, QPoint(2 * B + 1, B + 1));
    FoDragPuzzle->PaBoSpielfeldMouseMove(QPoint(2 * B + 1, B + 1));
    EXPECT_EQ(FoDragPuzzle->LaPos->text(), QStringLiteral("(2|1)"));
}

TEST_F(TauschFenster, AnleitungLaesstDasHauptfensterVersteckt)
{
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    Form1->Ziehen->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FoDragPuzzle));
    FoDragPuzzle->BuAnleitung->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FoDragPuzzleAnleitung));
    EXPECT_TRUE(FoDragPuzzleAnleitung->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(FoDragPuzzle->isVisible());
    FoDragPuzzleAnleitung->hide();
    Form1->hide();
}

TEST_F(TauschFenster, MindestbreitenUndVorschauplatz)
{
    puz_var::VorschauErzeugen = false;
    FoDragPuzzle->show();
    EXPECT_GE(FoDragPuzzle->width(), 550);
    EXPECT_EQ(FoDragPuzzle->LaZeit->x(), 504);
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->x(), 440);
    EXPECT_EQ(FoDragPuzzle->LaZeit->y(), 3 * B + 15);
    EXPECT_EQ(FoDragPuzzle->BuMischen->y(), 3 * B + 5);
    EXPECT_EQ(FoDragPuzzle->height(), 3 * B + 60);
    EXPECT_FALSE(FoDragPuzzle->ImVorschau->isVisible());
    FoDragPuzzle->hide();

    Fo_Optionen->ChBoZugZaehler->setChecked(false);
    FoDragPuzzle->show();
    EXPECT_GE(FoDragPuzzle->width(), 470);
    EXPECT_FALSE(FoDragPuzzle->LaZugZaehler->isVisible());
    EXPECT_EQ(FoDragPuzzle->LaZeit->x(), 440);
    EXPECT_EQ(FoDragPuzzle->Mindestbreite(), 470);
    FoDragPuzzle->hide();

    Fo_Optionen->ChBoSpielzeit->setChecked(false);
    FoDragPuzzle->show();
    EXPECT_GE(FoDragPuzzle->width(), 434);
    EXPECT_FALSE(FoDragPuzzle->LaZeit->isVisible());
    EXPECT_EQ(FoDragPuzzle->Mindestbreite(), 434);
    // Every button of the bottom row lies fully inside the window.
    for (QPushButton* knopf : {FoDragPuzzle->BuMischen, FoDragPuzzle->BuAnleitung, FoDragPuzzle->BuAufloesen,
                               FoDragPuzzle->BuSchliessen})
        EXPECT_LE(knopf->geometry().right(), FoDragPuzzle->width());
    FoDragPuzzle->hide();

    // The preview beside a board wide enough that no minimum applies.
    Fo_Optionen->ChBoZugZaehler->setChecked(true);
    Fo_Optionen->ChBoSpielzeit->setChecked(true);
    puz_var::VorschauErzeugen = true;
    Schnitt(5, 3, 80);
    FoDragPuzzle->show();
    EXPECT_EQ(FoDragPuzzle->width(), 400 + 4 + 14 + 240);
    EXPECT_EQ(FoDragPuzzle->ImVorschau->geometry(), QRect(410, 0, 240, 160));
    EXPECT_TRUE(FoDragPuzzle->ImVorschau->isVisible());
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(QColor(FoDragPuzzle->ImVorschau->bild().pixel(c * 48 + 24, r * 160 / 3 + 26)),
                      Teilfarbe(c * 3 + r));
}

TEST_F(TauschFenster, EineReiheVonSiebzigTeilenMitRahmen)
{
    puz_var::SpielfeldMinimal = false;
    Schnitt(70, 1, 8);
    FoDragPuzzle->show();
    EXPECT_EQ(FoDragPuzzle->Brett().Feldzahl(), 72 * 3);
    // Shown scaled down beside the preview on the 800-pixel screen; the
    // board itself and its clicks keep the tiles' full size.
    EXPECT_EQ(FoDragPuzzle->PaBoSpielfeld->bild().size(), QSize(72 * 8, 3 * 8));
    EXPECT_LT(FoDragPuzzle->Massstab(), 1.0);
    FoDragPuzzle->BuMischen->click();
    FoDragPuzzle->PaBoSpielfeldClick(QPoint(71 * 8 + 1, 2 * 8 + 1));
    FoDragPuzzle->PaBoSpielfeldClick(QPoint(1, 1));
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 1"));

    // A tile width of 0 in the main window must not divide by zero.
    Form1->SpEdBreite->setValue(0);
    FoDragPuzzle->hide();
    FoDragPuzzle->show();
    FoDragPuzzle->PaBoSpielfeldMouseMove(QPoint(3, 1));
    EXPECT_EQ(FoDragPuzzle->LaPos->text(), QStringLiteral("(3|1)"));
}

} // namespace
