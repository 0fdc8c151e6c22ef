// What the three game windows share with each other and with the program's
// other windows: instructions that belong to their game, activation between
// the program's own windows only, and a cut that never leaves a game stale.
#include "fenster/bildfeld.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/anleitung.h"
#include "dialogs/puz_danl.h"
#include "dialogs/puz_opt.h"
#include "dialogs/puz_ranl.h"
#include "dialogs/puz_sanl.h"
#include "games/fenster/puz_drag.h"
#include "games/fenster/puz_raet.h"
#include "games/fenster/puz_sch.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr int B = 40;

void Schnitt(int spalten, int zeilen)
{
    puz_var::Spalten = spalten;
    puz_var::Zeilen = zeilen;
    puz_var::Gesamtbild = testhilfe::Muster(spalten * B, zeilen * B);
    for (int k = 0; k < spalten * zeilen; ++k)
        puz_var::Teile[k] = puz_var::Gesamtbild.copy((k / zeilen) * B, (k % zeilen) * B, B, B);
    Form1->SpEdBreite->setValue(B);
}

struct Spiel
{
    const char* name;
    std::function<QAction*()> menue;
    std::function<QWidget*()> fenster;
    std::function<QPushButton*()> anleitungsknopf;
    std::function<Anleitungsfenster*()> anleitung;
};

const Spiel Spiele[] = {
    {"SchiebePuzzle", [] { return Form1->Schieben; }, [] { return static_cast<QWidget*>(FoPlay); },
     [] { return FoPlay->BuAnleitung; }, [] { return static_cast<Anleitungsfenster*>(FoSchiebePuzzleAnleitung); }},
    {"TauschPuzzle", [] { return Form1->Ziehen; }, [] { return static_cast<QWidget*>(FoDragPuzzle); },
     [] { return FoDragPuzzle->BuAnleitung; },
     [] { return static_cast<Anleitungsfenster*>(FoDragPuzzleAnleitung); }},
    {"BilderRaetsel", [] { return Form1->Bilderraetsel; }, [] { return static_cast<QWidget*>(FoBilderRaetsel); },
     [] { return FoBilderRaetsel->BuAnleitung; },
     [] { return static_cast<Anleitungsfenster*>(FoBilderRaetselAnleitung); }},
};

class Spielfenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        puz_var::Startwerte();
        Schnitt(3, 2);
        Form1->ZustandGeschnitten();
        Form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    }
    void TearDown() override
    {
        for (const Spiel& spiel : Spiele) {
            spiel.anleitung()->hide();
            spiel.fenster()->hide();
        }
        Form1->hide();
    }

    static QWidget* Starte(const Spiel& spiel)
    {
        spiel.menue()->trigger();
        QWidget* fenster = spiel.fenster();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster)) << spiel.name;
        return fenster;
    }

    // The user switches to another application and back to `fenster`.
    static void AnderesProgrammUndZurueck(QWidget* fenster)
    {
        QApplication::setActiveWindow(nullptr);
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(fenster);
        QCoreApplication::processEvents();
    }
};

TEST_F(Spielfenster, EscapeSchliesstNurDieAnleitungUndDasSpielKommtZurueck)
{
    for (const Spiel& spiel : Spiele) {
        SCOPED_TRACE(spiel.name);
        QWidget* fenster = Starte(spiel);
        QTest::mouseClick(spiel.anleitungsknopf(), Qt::LeftButton);
        Anleitungsfenster* anleitung = spiel.anleitung();
        ASSERT_TRUE(QTest::qWaitForWindowActive(anleitung));
        EXPECT_FALSE(Form1->isVisible()) << "the main window came in front of the game";

        QTest::keyClick(anleitung, Qt::Key_Escape);
        EXPECT_FALSE(anleitung->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster));
        EXPECT_FALSE(Form1->isVisible());

        // The next Escape belongs to the game, which closes as "Schließen" does.
        QTest::keyClick(fenster, Qt::Key_Escape);
        EXPECT_FALSE(fenster->isVisible());
        EXPECT_TRUE(Form1->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form1));
    }
}

TEST_F(Spielfenster, EinAnderesProgrammIstKeineAktivierung)
{
    // The sliding puzzle: a game in progress is not rebuilt in solved order.
    Starte(Spiele[0]);
    FoPlay->BuMischenClick();
    const int leer = FoPlay->Brett().LeerSpalte() * 2 + FoPlay->Brett().LeerZeile();
    const int nachbar = leer % 2 == 0 ? leer + 1 : leer - 1;
    FoPlay->ImBildMouseMove(QPoint((nachbar / 2) * B + 1, (nachbar % 2) * B + 1));
    FoPlay->ImBildClick();
    ASSERT_EQ(FoPlay->Zugzahl, 1);
    std::vector<int> belegung;
    for (int i = 0; i < 6; ++i)
        belegung.push_back(FoPlay->Brett().Belegung(i));
    const QImage brett = FoPlay->ImBild->bild().copy();

    AnderesProgrammUndZurueck(FoPlay);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(FoPlay->Brett().Belegung(i), belegung[size_t(i)]);
    EXPECT_TRUE(testhilfe::GleicheBilder(FoPlay->ImBild->bild(), brett));
    EXPECT_EQ(FoPlay->LaZugZaehler->text(), QStringLiteral("Zug: 1"));
    EXPECT_FALSE(Form1->isVisible());

    // The swap puzzle and the riddle: no other window of the program comes up.
    for (const Spiel& spiel : {Spiele[1], Spiele[2]}) {
        SCOPED_TRACE(spiel.name);
        FoPlay->hide();
        QWidget* fenster = Starte(spiel);
        AnderesProgrammUndZurueck(fenster);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_FALSE(Form1->isVisible());
        fenster->hide();
    }
}

TEST_F(Spielfenster, ZurueckAusDerEigenenAnleitungBleibtEineAktivierung)
{
    Starte(Spiele[0]);
    FoPlay->BuMischenClick();
    QTest::mouseClick(FoPlay->BuAnleitung, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(FoSchiebePuzzleAnleitung));
    // Away to another program from the instructions, back by a click on the game.
    QApplication::setActiveWindow(nullptr);
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(FoPlay);
    QCoreApplication::processEvents();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(FoPlay->Brett().Belegung(i), i);
}

TEST_F(Spielfenster, EinSchnittSchliesstOffeneSpieleUndGibtDasLeerfeldZurueck)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("bild.png"));
    ASSERT_TRUE(testhilfe::Muster(3 * B, 2 * B).save(datei));
    puz_var::Bilddatei = datei;
    Form1->SpEdOffx->setValue(0);
    Form1->SpEdOffy->setValue(0);
    Form1->ScBaWartezeit->setValue(0);

    for (const Spiel& spiel : Spiele) {
        SCOPED_TRACE(spiel.name);
        QWidget* fenster = Starte(spiel);
        Form1->MenuSchneidenClick();
        EXPECT_FALSE(fenster->isVisible());
        // The hole's tile is the picture again, not the sliding puzzle's square.
        EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[0], testhilfe::Muster(3 * B, 2 * B).copy(0, 0, B, B)));
        Form1->hide();
        Form1->show();
    }
}

// Every control the user needs lies inside the window, the window with its
// title bar on the screen, and the board overlaps no control.
void PasstAufDenBildschirm(QWidget* fenster, QWidget* brett)
{
    const QRect flaeche = fenster->screen()->availableGeometry();
    EXPECT_TRUE(flaeche.contains(fenster->frameGeometry())) << fenster->frameGeometry().x() << ","
                                                           << fenster->frameGeometry().y();
    EXPECT_GE(fenster->geometry().top() - flaeche.top(), 20) << "no room for the title bar";
    const QRect innen = fenster->rect();
    for (QWidget* kind : fenster->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!kind->isVisible())
            continue;
        EXPECT_TRUE(innen.contains(kind->geometry())) << kind->metaObject()->className();
        if (kind != brett)
            EXPECT_FALSE(kind->geometry().intersects(brett->geometry())) << kind->metaObject()->className();
    }
}

// A click on field (c, r) as the user sees the board.
void KlickAufFeld(Bildfeld* brett, int c, int r, int breite)
{
    const QPoint mitte = brett->Anzeigebereich(QRect(c * breite, r * breite, breite, breite)).center();
    QTest::mouseMove(brett, mitte);
    QTest::mouseClick(brett, Qt::LeftButton, {}, mitte);
}

TEST_F(Spielfenster, EinHandyfotoPasstAufDenBildschirmUndBleibtSpielbar)
{
    // The automatic grid of a 4000 x 3000 photo: 5 x 3 tiles of 800 pixels,
    // each in a colour of its own.
    constexpr int Gross = 800;
    const auto farbe = [](int k) { return QColor(10 + 15 * k, 200 - 10 * k, 40 + 5 * k); };
    puz_var::Spalten = 5;
    puz_var::Zeilen = 3;
    puz_var::Gesamtbild = QImage(5 * Gross, 3 * Gross, QImage::Format_RGB32);
    for (int k = 0; k < 15; ++k) {
        puz_var::Teile[k] = QImage(Gross, Gross, QImage::Format_RGB32);
        puz_var::Teile[k].fill(farbe(k));
    }
    Form1->SpEdBreite->setValue(Gross);
    const auto farbeAuf = [&](Bildfeld* brett, int c, int r) {
        const QPoint mitte = brett->Anzeigebereich(QRect(c * Gross, r * Gross, Gross, Gross)).center();
        return QColor(brett->grab().toImage().pixel(mitte));
    };

    // Sliding puzzle: the tile below the hole (0, 0) slides up.
    Starte(Spiele[0]);
    PasstAufDenBildschirm(FoPlay, FoPlay->ImBild);
    EXPECT_EQ(FoPlay->ImBild->bild().size(), QSize(5 * Gross, 3 * Gross));
    KlickAufFeld(FoPlay->ImBild, 0, 1, Gross);
    EXPECT_EQ(FoPlay->Zugzahl, 1);
    EXPECT_EQ(FoPlay->Brett().Belegung(0), 1);
    EXPECT_EQ(farbeAuf(FoPlay->ImBild, 0, 0), farbe(1));
    FoPlay->BuSchliessenClick();

    // Swap puzzle: two clicks on the shown board exchange two tiles.
    Starte(Spiele[1]);
    PasstAufDenBildschirm(FoDragPuzzle, FoDragPuzzle->PaBoSpielfeld);
    EXPECT_TRUE(FoDragPuzzle->ImVorschau->isVisible());
    KlickAufFeld(FoDragPuzzle->PaBoSpielfeld, 4, 2, Gross);
    KlickAufFeld(FoDragPuzzle->PaBoSpielfeld, 0, 0, Gross);
    EXPECT_EQ(FoDragPuzzle->LaZugZaehler->text(), QStringLiteral("Zug: 1"));
    EXPECT_EQ(farbeAuf(FoDragPuzzle->PaBoSpielfeld, 0, 0), farbe(14));
    FoDragPuzzle->BuSchliessenClick();

    // Riddle: a tile uncovers where it is clicked, and an answer can be given.
    for (const int position : {0, 1}) {
        SCOPED_TRACE(position);
        (position == 0 ? Fo_Optionen->RaGrAntwortenRechts : Fo_Optionen->RaGrAntwortenUnten)->setChecked(true);
        Starte(Spiele[2]);
        PasstAufDenBildschirm(FoBilderRaetsel, FoBilderRaetsel->PaBoSpielfeld);
        KlickAufFeld(FoBilderRaetsel->PaBoSpielfeld, 3, 1, Gross);
        EXPECT_EQ(farbeAuf(FoBilderRaetsel->PaBoSpielfeld, 3, 1), farbe(3 * 3 + 1));
        ASSERT_FALSE(FoBilderRaetsel->Antworten().isEmpty());
        QRadioButton* antwort = FoBilderRaetsel->Antworten()[0];
        EXPECT_TRUE(QRect(QPoint(0, 0), FoBilderRaetsel->size())
                        .contains(QRect(antwort->mapTo(FoBilderRaetsel, QPoint(0, 0)), antwort->size())));
        QTest::mouseClick(antwort, Qt::LeftButton, {}, QPoint(5, antwort->height() / 2));
        EXPECT_TRUE(FoBilderRaetsel->LaRichtig->isVisible());
        FoBilderRaetsel->BuSchliessenClick();
    }
}

} // namespace
