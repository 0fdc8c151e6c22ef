// The picture riddle window, driven as the user drives it (offscreen platform).
#include "fenster/bildfeld.h"
#include "modell/farbe.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/puz_opt.h"
#include "dialogs/puz_ranl.h"
#include "games/fenster/puz_raet.h"
#include "testhilfe.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int B = 40;

QColor Teilfarbe(int k)
{
    return QColor(20 + 2 * k, 200 - k, 60 + k);
}

class RaetselFenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        puz_var::Startwerte();
        puz_var::Spalten = 5;
        puz_var::Zeilen = 3;
        for (int k = 0; k < 15; ++k) {
            puz_var::Teile[k] = QImage(B, B, QImage::Format_RGB32);
            puz_var::Teile[k].fill(Teilfarbe(k));
        }
        Form1->SpEdBreite->setValue(B);
        Fo_Optionen->ChBoZugZaehler->setChecked(true);
        Fo_Optionen->ChBoSpielzeit->setChecked(true);
        Fo_Optionen->ChBoZugausgabe->setChecked(false);
        Fo_Optionen->RaGrAntwortenRechts->setChecked(true);
        Fo_Optionen->MeAntworten->setPlainText(QStringLiteral("A\nB\n\nC"));
        Fo_Optionen->SpEdRichtigeAntwort->setValue(2);
    }
    void TearDown() override { FoBilderRaetsel->hide(); }

    // True when field (c, r) shows its tile, false when it shows the cover.
    static bool Aufgedeckt(int c, int r)
    {
        const QColor farbe(FoBilderRaetsel->PaBoSpielfeld->bild().pixel(c * B + B / 2, r * B + B / 2));
        if (farbe == Teilfarbe(c * 3 + r))
            return true;
        EXPECT_EQ(farbe, Farbe(puz_var::Leerfeldfarbe)) << c << "|" << r;
        return false;
    }

    static int Aufgedeckte()
    {
        int n = 0;
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 3; ++r)
                n += Aufgedeckt(c, r) ? 1 : 0;
        return n;
    }
};

TEST_F(RaetselFenster, AntwortenBisZurLeerenZeileUndIhrUrteil)
{
    Form1->show();
    Form1->Bilderraetsel->trigger();
    ASSERT_TRUE(FoBilderRaetsel->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    ASSERT_EQ(FoBilderRaetsel->Antworten().size(), 2);
    EXPECT_EQ(FoBilderRaetsel->Antworten()[0]->text(), QStringLiteral("A"));
    EXPECT_EQ(FoBilderRaetsel->Antworten()[1]->text(), QStringLiteral("B"));
    EXPECT_EQ(FoBilderRaetsel->RaGrAntworten->height(), 2 * 18 + 15);
    EXPECT_FALSE(FoBilderRaetsel->LaRichtig->isVisible());
    EXPECT_EQ(Aufgedeckte(), 0);
    // The cover carries a one-pixel outline in the grid-line colour.
    EXPECT_EQ(QColor(FoBilderRaetsel->PaBoSpielfeld->bild().pixel(0, B / 2)), Farbe(puz_var::Gitterlinienfarbe));

    // Answers right of the board, at the top.
    EXPECT_EQ(FoBilderRaetsel->RaGrAntworten->pos(), QPoint(5 * B + 4, 0));
    EXPECT_GE(FoBilderRaetsel->width(), std::max(400, 5 * B + 4 + FoBilderRaetsel->RaGrAntworten->width() + 10));

    QTest::mouseClick(FoBilderRaetsel->Antworten()[1], Qt::LeftButton);
    EXPECT_TRUE(FoBilderRaetsel->LaRichtig->isVisible());
    EXPECT_EQ(FoBilderRaetsel->LaRichtig->text(), QStringLiteral(" richtig"));
    EXPECT_EQ(Aufgedeckte(), 15);
    QTest::mouseClick(FoBilderRaetsel->Antworten()[0], Qt::LeftButton);
    EXPECT_EQ(FoBilderRaetsel->LaRichtig->text(), QStringLiteral(" falsch"));
    EXPECT_EQ(FoBilderRaetsel->LaZugZaehler->text(), QStringLiteral("Zug: 0"));

    // A right-answer number above the count: every choice is wrong.
    Fo_Optionen->SpEdRichtigeAntwort->setValue(3);
    for (QRadioButton* antwort : FoBilderRaetsel->Antworten()) {
        QTest::mouseClick(antwort, Qt::LeftButton);
        EXPECT_EQ(FoBilderRaetsel->LaRichtig->text(), QStringLiteral(" falsch"));
    }

    // Opening again reads the memo anew and covers everything.
    FoBilderRaetsel->close();
    EXPECT_TRUE(Form1->isVisible());
    Fo_Optionen->MeAntworten->setPlainText(QStringLiteral("Hafen & Leuchtturm\nBurg"));
    FoBilderRaetsel->show();
    ASSERT_EQ(FoBilderRaetsel->Antworten().size(), 2);
    EXPECT_EQ(FoBilderRaetsel->Antworten()[0]->text(), QStringLiteral("Hafen && Leuchtturm"));
    EXPECT_FALSE(FoBilderRaetsel->LaRichtig->isVisible());
    EXPECT_EQ(Aufgedeckte(), 0);
    Form1->hide();
}

TEST_F(RaetselFenster, AnleitungLaesstDasHauptfensterVersteckt)
{
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    Form1->Bilderraetsel->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FoBilderRaetsel));
    FoBilderRaetsel->BuAnleitung->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FoBilderRaetselAnleitung));
    EXPECT_TRUE(FoBilderRaetselAnleitung->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(FoBilderRaetsel->isVisible());
    FoBilderRaetselAnleitung->hide();
    Form1->hide();
}

TEST_F(RaetselFenster, OhneAntwortenEineLeereGruppe)
{
    Fo_Optionen->MeAntworten->clear();
    FoBilderRaetsel->show();
    EXPECT_TRUE(FoBilderRaetsel->Antworten().isEmpty());
    EXPECT_EQ(FoBilderRaetsel->RaGrAntworten->height(), 15);
    FoBilderRaetsel->BuAufloesen->click();
    EXPECT_EQ(Aufgedeckte(), 15);
    EXPECT_FALSE(FoBilderRaetsel->LaRichtig->isVisible());
}

TEST_F(RaetselFenster, JederKlickZaehltUndDeckteEinFeldAuf)
{
    Fo_Optionen->ChBoZugausgabe->setChecked(true);
    FoBilderRaetsel->show();
    QTest::mouseClick(FoBilderRaetsel->PaBoSpielfeld, Qt::LeftButton, {}, QPoint(2 * B + 5, B + 5));
    QTest::mouseClick(FoBilderRaetsel->PaBoSpielfeld, Qt::LeftButton, {}, QPoint(2 * B + 5, B + 5));
    EXPECT_EQ(FoBilderRaetsel->LaZugZaehler->text(), QStringLiteral("Zug: 2"));
    EXPECT_TRUE(Aufgedeckt(2, 1));
    EXPECT_EQ(Aufgedeckte(), 1);

    // Off the board nothing counts.
    FoBilderRaetsel->PaBoSpielfeldClick(QPoint(-1, 3));
    FoBilderRaetsel->PaBoSpielfeldClick(QPoint(5 * B, 3));
    FoBilderRaetsel->PaBoSpielfeldClick(QPoint(3, 3 * B));
    EXPECT_EQ(FoBilderRaetsel->LaZugZaehler->text(), QStringLiteral("Zug: 2"));

    FoBilderRaetsel->PaBoSpielfeldMouseMove(QPoint(4 * B + 1, 2 * B + 1));
    EXPECT_EQ(FoBilderRaetsel->LaPos->text(), QStringLiteral("(4|2)"));
    EXPECT_TRUE(FoBilderRaetsel->LaPos->isVisible());

    FoBilderRaetsel->BuAufloesen->click();
    EXPECT_EQ(Aufgedeckte(), 15);
    EXPECT_EQ(FoBilderRaetsel->LaZugZaehler->text(), QStringLiteral("Zug: 2"));
}

TEST_F(RaetselFenster, AntwortenUntenUndLabelsOhneZaehler)
{
    Fo_Optionen->RaGrAntwortenUnten->setChecked(true);
    Fo_Optionen->ChBoZugZaehler->setChecked(false);
    FoBilderRaetsel->show();
    const int gruppenhoehe = FoBilderRaetsel->RaGrAntworten->height();
    EXPECT_EQ(FoBilderRaetsel->RaGrAntworten->pos(), QPoint(0, 3 * B));
    EXPECT_EQ(FoBilderRaetsel->height(), 3 * B + 60 + gruppenhoehe);
    EXPECT_GE(FoBilderRaetsel->width(), 290);
    EXPECT_EQ(FoBilderRaetsel->Mindestbreite(), 290);
    EXPECT_FALSE(FoBilderRaetsel->LaZugZaehler->isVisible());
    EXPECT_TRUE(FoBilderRaetsel->LaZeit->isVisible());
    EXPECT_EQ(FoBilderRaetsel->LaZeit->x(), 248);
    EXPECT_EQ(FoBilderRaetsel->LaRichtig->x(), 314);
    const int h = FoBilderRaetsel->height();
    EXPECT_EQ(FoBilderRaetsel->LaZeit->y(), h - 45);
    EXPECT_EQ(FoBilderRaetsel->LaRichtig->y(), h - 52);
    EXPECT_EQ(FoBilderRaetsel->BuAufloesen->y(), h - 55);
    // The result label is never cut off by the window's edge.
    EXPECT_LE(FoBilderRaetsel->LaRichtig->geometry().right(), FoBilderRaetsel->width());
    FoBilderRaetsel->hide();

    Fo_Optionen->ChBoSpielzeit->setChecked(false);
    FoBilderRaetsel->show();
    EXPECT_FALSE(FoBilderRaetsel->LaZeit->isVisible());
    EXPECT_EQ(FoBilderRaetsel->Mindestbreite(), 254);
    FoBilderRaetsel->hide();

    Fo_Optionen->ChBoZugZaehler->setChecked(true);
    FoBilderRaetsel->show();
    EXPECT_EQ(FoBilderRaetsel->Mindestbreite(), 400);
    EXPECT_GE(FoBilderRaetsel->width(), 400);
    EXPECT_EQ(FoBilderRaetsel->LaZeit->x(), 304);
    EXPECT_EQ(FoBilderRaetsel->LaRichtig->x(), 370);
}

} // namespace
