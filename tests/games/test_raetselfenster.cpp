// The picture riddle window, driven as the user drives it (offscreen platform).
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "fenster/bildfeld.h"
#include "games/fenster/raetselfenster.h"
#include "games/spielanzeige.h"
#include "modell/farbe.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using testhilfe::Zeige;

constexpr int B = 40;

QColor Teilfarbe(int k)
{
    return QColor(20 + 2 * k, 200 - k, 60 + k);
}

Hauptfenster& Haupt()
{
    return testhilfe::Anwendung().hauptfenster();
}

Einstellungen& E()
{
    return testhilfe::Modell().einstellungen;
}

Raetselfenster* Spiel()
{
    return qobject_cast<Raetselfenster*>(testhilfe::Fenster("Raetselfenster"));
}

template <class T>
T* Teil(const char* name)
{
    return testhilfe::Teil<T>(Spiel(), name);
}

Bildfeld* Spielfeld()
{
    return Teil<Bildfeld>("PaBoSpielfeld");
}

QGroupBox* Gruppe()
{
    return Teil<QGroupBox>("RaGrAntworten");
}

QLabel* Richtig()
{
    return Teil<QLabel>("LaRichtig");
}

// The answer items as shown, in order.
QList<QRadioButton*> Antworten()
{
    QList<QRadioButton*> antworten;
    while (auto* antwort = Gruppe()->findChild<QRadioButton*>(QStringLiteral("Antwort%1").arg(antworten.size() + 1)))
        antworten << antwort;
    return antworten;
}

class RaetselFenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhilfe::Startwerte();
        testhilfe::Schnitt(5, 3, B, [](int k) {
            QImage teil(B, B, QImage::Format_RGB32);
            teil.fill(Teilfarbe(k));
            return teil;
        });
        E().Antworten = QStringList{QStringLiteral("A"), QStringLiteral("B"), QString(), QStringLiteral("C")};
        E().RichtigeAntwort = 2;
    }
    void TearDown() override
    {
        Spiel()->hide();
        testhilfe::Fenster("Raetselanleitung")->hide();
        Haupt().hide();
    }

    // True when field (c, r) shows its tile, false when it shows the cover.
    static bool Aufgedeckt(int c, int r)
    {
        const QColor farbe(Spielfeld()->bild().pixel(c * B + B / 2, r * B + B / 2));
        if (farbe == Teilfarbe(c * 3 + r))
            return true;
        EXPECT_EQ(farbe, Farbe(E().Leerfeldfarbe)) << c << "|" << r;
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

    // Pressed on the board and let go at `los`, off the board.
    static void ZiehenNach(QPoint los)
    {
        QTest::mousePress(Spielfeld(), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseMove(Spielfeld(), los);
        QTest::mouseRelease(Spielfeld(), Qt::LeftButton, {}, los);
    }
};

TEST_F(RaetselFenster, AntwortenBisZurLeerenZeileUndIhrUrteil)
{
    Haupt().show();
    testhilfe::Teil<QAction>(&Haupt(), "MenuBilderraetsel")->trigger();
    ASSERT_TRUE(Spiel()->isVisible());
    EXPECT_FALSE(Haupt().isVisible());
    ASSERT_EQ(Antworten().size(), 2);
    EXPECT_EQ(Antworten()[0]->text(), QStringLiteral("A"));
    EXPECT_EQ(Antworten()[1]->text(), QStringLiteral("B"));
    EXPECT_EQ(Gruppe()->height(), 2 * 18 + 15);
    EXPECT_FALSE(Richtig()->isVisible());
    EXPECT_EQ(Aufgedeckte(), 0);
    // The cover carries a one-pixel outline in the grid-line colour.
    EXPECT_EQ(QColor(Spielfeld()->bild().pixel(0, B / 2)), Farbe(E().Gitterlinienfarbe));

    // Answers right of the board, at the top.
    EXPECT_EQ(Gruppe()->pos(), QPoint(5 * B + 4, 0));
    EXPECT_GE(Spiel()->width(), std::max(400, 5 * B + 4 + Gruppe()->width() + 10));

    // Enter on an answer chooses it; the first answer ends the game: all
    // uncovered, the clock stopped, the answers and the board at rest.
    Antworten()[1]->setFocus();
    QTest::keyClick(Antworten()[1], Qt::Key_Return);
    EXPECT_TRUE(Richtig()->isVisible());
    EXPECT_EQ(Richtig()->text(), QStringLiteral(" richtig"));
    EXPECT_EQ(Aufgedeckte(), 15);
    EXPECT_FALSE(Spiel()->findChild<QTimer*>()->isActive());
    EXPECT_FALSE(Antworten()[0]->isEnabled());
    QTest::mouseClick(Antworten()[0], Qt::LeftButton);
    EXPECT_EQ(Richtig()->text(), QStringLiteral(" richtig"));
    QTest::mouseClick(Spielfeld(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Teil<QLabel>("LaZugZaehler")->text(), QStringLiteral("Zug: 0"));

    // Opening again reads the answers anew, covers everything and plays again;
    // a right-answer number above the count makes every choice wrong.
    Spiel()->close();
    EXPECT_TRUE(Haupt().isVisible());
    E().Antworten = QStringList{QStringLiteral("Hafen & Leuchtturm"), QStringLiteral("Burg")};
    E().RichtigeAntwort = 3;
    Spiel()->show();
    ASSERT_EQ(Antworten().size(), 2);
    EXPECT_EQ(Antworten()[0]->text(), QStringLiteral("Hafen && Leuchtturm"));
    EXPECT_FALSE(Richtig()->isVisible());
    EXPECT_EQ(Aufgedeckte(), 0);
    EXPECT_TRUE(Spiel()->findChild<QTimer*>()->isActive());
    QTest::mouseClick(Antworten()[1], Qt::LeftButton);
    EXPECT_EQ(Richtig()->text(), QStringLiteral(" falsch"));
}

TEST_F(RaetselFenster, AnleitungLaesstDasHauptfensterVersteckt)
{
    Haupt().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Haupt()));
    testhilfe::Teil<QAction>(&Haupt(), "MenuBilderraetsel")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Spiel()));
    Teil<QPushButton>("BuAnleitung")->click();
    QWidget* anleitung = testhilfe::Fenster("Raetselanleitung");
    ASSERT_TRUE(QTest::qWaitForWindowActive(anleitung));
    EXPECT_TRUE(anleitung->isVisible());
    EXPECT_FALSE(Haupt().isVisible());
    EXPECT_TRUE(Spiel()->isVisible());
}

TEST_F(RaetselFenster, OhneAntwortenEineLeereGruppe)
{
    E().Antworten.clear();
    Spiel()->show();
    EXPECT_TRUE(Antworten().isEmpty());
    EXPECT_EQ(Gruppe()->height(), 15);
    Teil<QPushButton>("BuAufloesen")->click();
    EXPECT_EQ(Aufgedeckte(), 15);
    EXPECT_FALSE(Richtig()->isVisible());
}

TEST_F(RaetselFenster, JederKlickZaehltUndDeckteEinFeldAuf)
{
    E().ZugausgabeImSpiel = true;
    Spiel()->show();
    QTest::mouseClick(Spielfeld(), Qt::LeftButton, {}, QPoint(2 * B + 5, B + 5));
    QTest::mouseClick(Spielfeld(), Qt::LeftButton, {}, QPoint(2 * B + 5, B + 5));
    EXPECT_EQ(Teil<QLabel>("LaZugZaehler")->text(), QStringLiteral("Zug: 2"));
    EXPECT_TRUE(Aufgedeckt(2, 1));
    EXPECT_EQ(Aufgedeckte(), 1);

    // Let go off the board (left, right, below): nothing counts.
    ZiehenNach(QPoint(-1, 3));
    ZiehenNach(QPoint(5 * B, 3));
    ZiehenNach(QPoint(3, 3 * B));
    EXPECT_EQ(Teil<QLabel>("LaZugZaehler")->text(), QStringLiteral("Zug: 2"));
    EXPECT_EQ(Aufgedeckte(), 1);

    Zeige(Spielfeld(), QPoint(4 * B + 1, 2 * B + 1));
    EXPECT_EQ(Teil<QLabel>("LaPos")->text(), QStringLiteral("(4|2)"));
    EXPECT_TRUE(Teil<QLabel>("LaPos")->isVisible());

    Teil<QPushButton>("BuAufloesen")->click();
    EXPECT_EQ(Aufgedeckte(), 15);
    EXPECT_EQ(Teil<QLabel>("LaZugZaehler")->text(), QStringLiteral("Zug: 2"));
}

TEST_F(RaetselFenster, AntwortenUntenUndLabelsOhneZaehler)
{
    E().AntwortenUnten = true;
    E().ZugZaehler = false;
    Spiel()->show();
    QLabel* zeit = Teil<QLabel>("LaZeit");
    const int gruppenhoehe = Gruppe()->height();
    EXPECT_EQ(Gruppe()->pos(), QPoint(0, 3 * B));
    EXPECT_EQ(Spiel()->height(), 3 * B + 60 + gruppenhoehe);
    EXPECT_GE(Spiel()->width(), 290);
    EXPECT_EQ(Spiel()->Mindestbreite(), 290);
    EXPECT_FALSE(Teil<QLabel>("LaZugZaehler")->isVisible());
    EXPECT_TRUE(zeit->isVisible());
    // Each label keeps its distance from the control before it, the time at
    // its widest.
    const QRect schliessen = Teil<QPushButton>("BuSchliessen")->geometry();
    EXPECT_GE(zeit->x(), std::max(248, schliessen.x() + schliessen.width() + 12));
    EXPECT_GE(Richtig()->x(), std::max(314, zeit->x() + zeit->fontMetrics().horizontalAdvance(Zeittext(9999)) + 12));
    const int h = Spiel()->height();
    EXPECT_EQ(zeit->y(), h - 45);
    EXPECT_EQ(Richtig()->y(), h - 52);
    EXPECT_EQ(Teil<QPushButton>("BuAufloesen")->y(), h - 55);
    // The result label is never cut off by the window's edge.
    EXPECT_LE(Richtig()->geometry().right(), Spiel()->width());
    Spiel()->hide();

    E().Spielzeit = false;
    Spiel()->show();
    EXPECT_FALSE(zeit->isVisible());
    EXPECT_EQ(Spiel()->Mindestbreite(), 254);
    Spiel()->hide();

    E().ZugZaehler = true;
    Spiel()->show();
    EXPECT_EQ(Spiel()->Mindestbreite(), 400);
    EXPECT_GE(Spiel()->width(), 400);
    EXPECT_GE(zeit->x(), 304);
    EXPECT_GE(Richtig()->x(), 370);
}

} // namespace
