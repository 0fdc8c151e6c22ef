// The swap puzzle window, driven as the user drives it (offscreen platform).
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "fenster/bildfeld.h"
#include "games/fenster/spielbrett.h"
#include "games/fenster/tauschfenster.h"
#include "games/spielanzeige.h"
#include "modell/farbe.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace {

using testhilfe::Zeige;

constexpr int B = 40; // tile width of the test tile sets

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

Tauschfenster* Spiel()
{
    return qobject_cast<Tauschfenster*>(testhilfe::Fenster("Tauschfenster"));
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

QString Text(const char* label)
{
    return Teil<QLabel>(label)->text();
}

// A cut of spalten x zeilen solid tiles, as the cut leaves it.
void Schnitt(int spalten, int zeilen, int breite = B)
{
    testhilfe::Schnitt(spalten, zeilen, breite, [breite](int k) {
        QImage teil(breite, breite, QImage::Format_RGB32);
        teil.fill(Teilfarbe(k));
        return teil;
    });
}

class TauschFenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhilfe::Startwerte();
        Schnitt(5, 3);
    }
    void TearDown() override
    {
        Spiel()->hide();
        testhilfe::Fenster("Tauschanleitung")->hide();
        Haupt().hide();
    }

    // The tile shown on field (c, r), by its colour; -1 for the blank field.
    static int TeilAuf(int c, int r)
    {
        const QColor farbe(Spielfeld()->bild().pixel(c * B + B / 2, r * B + B / 2));
        if (farbe == Farbe(E().Hintergrundfarbe))
            return -1;
        for (int k = 0; k < testhilfe::Modell().puzzle.kacheln.Anzahl(); ++k)
            if (farbe == Teilfarbe(k))
                return k;
        return -2;
    }

    // The place on the control of board pixel (x, y).
    static QPoint Stelle(int x, int y) { return Spielfeld()->Anzeigebereich(QRect(x, y, 1, 1)).topLeft(); }

    // The keyboard's way: the arrow keys to field (c, r), then Enter.
    static void Taste(int c, int r)
    {
        auto* brett = qobject_cast<Spielbrett*>(Spielfeld());
        brett->setFocus();
        for (QPoint feld = brett->Tastenfeld(); feld != QPoint(c, r); feld = brett->Tastenfeld())
            QTest::keyClick(brett, feld.x() < c   ? Qt::Key_Right
                                   : feld.x() > c ? Qt::Key_Left
                                   : feld.y() < r ? Qt::Key_Down
                                                  : Qt::Key_Up);
        QTest::keyClick(brett, Qt::Key_Return);
    }

    static void Klick(int c, int r)
    {
        QTest::mouseClick(Spielfeld(), Qt::LeftButton, {}, Stelle(c * B + 3, r * B + 3));
    }

    // Pressed on the first field and let go at `los`, off the board.
    static void ZiehenNach(QPoint los)
    {
        QTest::mousePress(Spielfeld(), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseMove(Spielfeld(), los);
        QTest::mouseRelease(Spielfeld(), Qt::LeftButton, {}, los);
    }
};

TEST_F(TauschFenster, MenuebefehlOeffnetGeloestesBrettMitLeeremRing)
{
    E().SpielfeldMinimal = false;
    Haupt().show();
    testhilfe::Teil<QAction>(&Haupt(), "MenuTauschpuzzle")->trigger();
    ASSERT_TRUE(Spiel()->isVisible());
    EXPECT_FALSE(Haupt().isVisible());
    EXPECT_EQ(Spielfeld()->size(), QSize(7 * B, 5 * B));
    EXPECT_EQ(Text("LaZugZaehler"), QStringLiteral("Zug: 0"));

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
    EXPECT_EQ(QColor(Spielfeld()->bild().pixel(0, B / 2)), Farbe(E().Gitterlinienfarbe));

    // Mischen: every tile still shown once, some on the ring, counter back to 0.
    Klick(1, 1);
    Klick(2, 2);
    Teil<QPushButton>("BuMischen")->click();
    EXPECT_EQ(Text("LaZugZaehler"), QStringLiteral("Zug: 0"));
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
    Spiel()->close();
    EXPECT_FALSE(Spiel()->isVisible());
    EXPECT_TRUE(Haupt().isVisible());
}

TEST_F(TauschFenster, ZweiKlicksTauschenMitBeschriftungUndEinemZug)
{
    E().ZugausgabeImSpiel = true;
    Spiel()->show();
    ASSERT_TRUE(Teil<QLabel>("LaVon")->isVisible());

    Klick(3, 0);
    EXPECT_EQ(Text("LaVon"), QStringLiteral("Tausche (3|0)"));
    EXPECT_EQ(Text("LaZugZaehler"), QStringLiteral("Zug: 0"));
    Klick(1, 2);
    EXPECT_EQ(Text("LaNach"), QStringLiteral("und (1|2)"));
    EXPECT_EQ(Text("LaZugZaehler"), QStringLiteral("Zug: 1"));
    EXPECT_EQ(TeilAuf(3, 0), 5);
    EXPECT_EQ(TeilAuf(1, 2), 9);

    // The same field twice: one move, the board stays.
    Klick(4, 1);
    Klick(4, 1);
    EXPECT_EQ(Text("LaZugZaehler"), QStringLiteral("Zug: 2"));
    EXPECT_EQ(TeilAuf(4, 1), 13);

    // Let go off the board (left, right, below): nothing changes, not even
    // the pending choice.
    Klick(0, 0);
    ZiehenNach(QPoint(-3, 5));
    ZiehenNach(Stelle(5 * B + 2, 5));
    ZiehenNach(Stelle(5, 3 * B));
    EXPECT_TRUE(Spiel()->Brett().ErsterKlick());
    EXPECT_EQ(Text("LaZugZaehler"), QStringLiteral("Zug: 2"));

    // "Auflösen" between the two clicks: solved, the choice gone and the game
    // over; the next click changes nothing.
    Teil<QPushButton>("BuAufloesen")->click();
    EXPECT_EQ(TeilAuf(3, 0), 9);
    EXPECT_EQ(TeilAuf(1, 2), 5);
    EXPECT_FALSE(Spiel()->Brett().ErsterKlick());
    Klick(1, 0);
    EXPECT_EQ(Text("LaZugZaehler"), QStringLiteral("Zug: 2"));
    EXPECT_EQ(TeilAuf(0, 0), 0);

    // The position display follows the pointer.
    Zeige(Spielfeld(), Stelle(2 * B + 1, B + 1));
    EXPECT_EQ(Text("LaPos"), QStringLiteral("(2|1)"));
}

TEST_F(TauschFenster, GewinnHaeltDieUhrAnUndEscapeHebtErstDieWahlAuf)
{
    E().ZugausgabeImSpiel = true;
    Spiel()->show();
    Teil<QPushButton>("BuMischen")->click();
    QTimer* uhr = Spiel()->findChild<QTimer*>();
    ASSERT_TRUE(uhr->isActive());
    QLabel* meldung = Teil<QLabel>("LaMeldung");

    // Every tile to its place, field by field, by keyboard. The first choice
    // is marked; Escape drops it without closing the game.
    const Tauschbrett& brett = Spiel()->Brett();
    const auto rand = [](int feld) {
        return QColor(Spielfeld()->bild().pixel(feld / 3 * B + 1, feld % 3 * B + B / 2));
    };
    bool abgewaehlt = false;
    for (int i = 0; i < brett.Feldzahl(); ++i) {
        if (brett.Tauschfeld(i).Aktuell == brett.Tauschfeld(i).Loesung)
            continue;
        int j = i + 1;
        while (brett.Tauschfeld(j).Aktuell != brett.Tauschfeld(i).Loesung)
            ++j;
        Taste(i / 3, i % 3);
        if (!abgewaehlt) {
            abgewaehlt = true;
            EXPECT_EQ(rand(i), QColor(0xFF, 0xD7, 0x00));
            QTest::keyClick(Spiel(), Qt::Key_Escape);
            EXPECT_TRUE(Spiel()->isVisible());
            EXPECT_FALSE(brett.ErsterKlick());
            EXPECT_EQ(Text("LaVon"), QStringLiteral("Tausche"));
            EXPECT_EQ(rand(i), Teilfarbe(brett.Tauschfeld(i).Aktuell));
            Taste(i / 3, i % 3);
        }
        Taste(j / 3, j % 3);
    }
    ASSERT_TRUE(brett.Geloest());

    // Won: the result in the window, the clock stopped at what it shows,
    // and the board rests until "Mischen".
    EXPECT_TRUE(meldung->isVisible());
    const int sekunden = Text("LaZeit").section(QLatin1Char(' '), 1, 1).toInt();
    EXPECT_EQ(meldung->text(), Ergebnistext(brett.Zugzahl(), sekunden));
    EXPECT_FALSE(uhr->isActive());
    const QString gezaehlt = Text("LaZugZaehler");
    Klick(0, 0);
    Klick(1, 0);
    EXPECT_EQ(Text("LaZugZaehler"), gezaehlt);
    EXPECT_TRUE(brett.Geloest());
    for (QWidget* anderes : Spiel()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (anderes != meldung && anderes->isVisible())
            EXPECT_FALSE(meldung->geometry().intersects(anderes->geometry())) << anderes->objectName().toStdString();
    EXPECT_LE(meldung->geometry().bottom(), Spiel()->height());

    Teil<QPushButton>("BuMischen")->click();
    EXPECT_FALSE(meldung->isVisible());
    EXPECT_TRUE(uhr->isActive());

    // Without a choice Escape closes the game; shown again after a new cut,
    // nothing of the last game's moves is left.
    QTest::keyClick(Spiel(), Qt::Key_Escape);
    EXPECT_FALSE(Spiel()->isVisible());
    Schnitt(4, 2);
    Spiel()->show();
    EXPECT_EQ(Text("LaVon"), QStringLiteral("Tausche"));
    EXPECT_EQ(Text("LaNach"), QStringLiteral("und"));
}

TEST_F(TauschFenster, AnleitungLaesstDasHauptfensterVersteckt)
{
    Haupt().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Haupt()));
    testhilfe::Teil<QAction>(&Haupt(), "MenuTauschpuzzle")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Spiel()));
    Teil<QPushButton>("BuAnleitung")->click();
    QWidget* anleitung = testhilfe::Fenster("Tauschanleitung");
    ASSERT_TRUE(QTest::qWaitForWindowActive(anleitung));
    EXPECT_TRUE(anleitung->isVisible());
    EXPECT_FALSE(Haupt().isVisible());
    EXPECT_TRUE(Spiel()->isVisible());
}

TEST_F(TauschFenster, MindestbreitenUndVorschauplatz)
{
    E().VorschauErzeugen = false;
    Spiel()->show();
    EXPECT_GE(Spiel()->width(), 550);
    // The counters keep their distance from the buttons and from each other,
    // also at their widest.
    QLabel* zaehler = Teil<QLabel>("LaZugZaehler");
    QLabel* zeit = Teil<QLabel>("LaZeit");
    const QRect schliessen = Teil<QPushButton>("BuSchliessen")->geometry();
    EXPECT_GE(zaehler->x(), std::max(440, schliessen.x() + schliessen.width() + 12));
    EXPECT_GE(zeit->x(), std::max(504, zaehler->x() + zaehler->fontMetrics().horizontalAdvance(Zugtext(9999)) + 12));
    EXPECT_LE(zeit->x() + zeit->fontMetrics().horizontalAdvance(Zeittext(9999)), Spiel()->width());
    EXPECT_EQ(Teil<QLabel>("LaZeit")->y(), 3 * B + 15);
    EXPECT_EQ(Teil<QPushButton>("BuMischen")->y(), 3 * B + 5);
    EXPECT_EQ(Spiel()->height(), 3 * B + 60);
    EXPECT_FALSE(Teil<Bildfeld>("ImVorschau")->isVisible());
    Spiel()->hide();

    E().ZugZaehler = false;
    Spiel()->show();
    EXPECT_GE(Spiel()->width(), 470);
    EXPECT_FALSE(Teil<QLabel>("LaZugZaehler")->isVisible());
    EXPECT_EQ(Teil<QLabel>("LaZeit")->x(), Teil<QLabel>("LaZugZaehler")->x());
    EXPECT_EQ(Spiel()->Mindestbreite(), 470);
    Spiel()->hide();

    E().Spielzeit = false;
    Spiel()->show();
    EXPECT_GE(Spiel()->width(), 434);
    EXPECT_FALSE(Teil<QLabel>("LaZeit")->isVisible());
    EXPECT_EQ(Spiel()->Mindestbreite(), 434);
    // Every button of the bottom row lies fully inside the window.
    for (const char* knopf : {"BuMischen", "BuAnleitung", "BuAufloesen", "BuSchliessen"})
        EXPECT_LE(Teil<QPushButton>(knopf)->geometry().right(), Spiel()->width()) << knopf;
    Spiel()->hide();

    // The preview beside a board wide enough that no minimum applies.
    E().ZugZaehler = true;
    E().Spielzeit = true;
    E().VorschauErzeugen = true;
    Schnitt(5, 3, 80);
    Spiel()->show();
    Bildfeld* vorschau = Teil<Bildfeld>("ImVorschau");
    EXPECT_EQ(Spiel()->width(), 400 + 4 + 14 + 240);
    EXPECT_EQ(vorschau->geometry(), QRect(410, 0, 240, 160));
    EXPECT_TRUE(vorschau->isVisible());
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(QColor(vorschau->bild().pixel(c * 48 + 24, r * 160 / 3 + 26)), Teilfarbe(c * 3 + r));
}

TEST_F(TauschFenster, EineReiheVonSiebzigTeilenMitRahmen)
{
    E().SpielfeldMinimal = false;
    Schnitt(70, 1, 8);
    Spiel()->show();
    EXPECT_EQ(Spiel()->Brett().Feldzahl(), 72 * 3);
    // Shown scaled down beside the preview on the 800-pixel screen; the
    // board itself and its clicks keep the tiles' full size.
    EXPECT_EQ(Spielfeld()->bild().size(), QSize(72 * 8, 3 * 8));
    EXPECT_LT(Spiel()->Massstab(), 1.0);
    Teil<QPushButton>("BuMischen")->click();
    testhilfe::KlickeFeld(Spielfeld(), 71, 2, 8);
    testhilfe::KlickeFeld(Spielfeld(), 0, 0, 8);
    EXPECT_EQ(Text("LaZugZaehler"), QStringLiteral("Zug: 1"));

    // A tile width of 0 in the main window must not divide by zero.
    testhilfe::Teil<QSpinBox>(&Haupt(), "SpEdBreite")->setValue(0);
    Spiel()->hide();
    Spiel()->show();
    Zeige(Spielfeld(), Stelle(3, 1));
    EXPECT_EQ(Text("LaPos"), QStringLiteral("(3|1)"));
}

} // namespace
