// The sliding puzzle window, driven as the user drives it.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "fenster/bildfeld.h"
#include "games/fenster/schiebefenster.h"
#include "games/spielanzeige.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testhilfe::Zeige;

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
        testhilfe::Startwerte();
        testhilfe::StummeDialoge();
    }

    void TearDown() override
    {
        if (spiel()->isVisible())
            spiel()->schliesse();
        testhilfe::Fenster("Schiebeanleitung")->hide();
        testhilfe::Fenster("Optionsdialog")->hide();
        haupt().hide();
        // The window system's activation changes arrive before the next test.
        (void)QTest::qWaitFor([] { return !QApplication::activeWindow(); }, 1000);
    }

    static Hauptfenster& haupt() { return testhilfe::Anwendung().hauptfenster(); }
    static Einstellungen& einstellungen() { return testhilfe::Modell().einstellungen; }
    static const std::vector<QImage>& teile() { return testhilfe::Modell().puzzle.kacheln.teile; }
    static Schiebefenster* spiel() { return qobject_cast<Schiebefenster*>(testhilfe::Fenster("Schiebefenster")); }
    template <class T>
    static T* teil(const char* name)
    {
        return testhilfe::Teil<T>(spiel(), name);
    }
    static Bildfeld* brett() { return teil<Bildfeld>("ImBild"); }
    static QString zuege() { return teil<QLabel>("LaZugZaehler")->text(); }
    static QTimer* uhr() { return spiel()->findChild<QTimer*>(); }
    static void klicke(const char* knopf) { teil<QPushButton>(knopf)->click(); }

    // A cut of spalten x zeilen tiles of width B, as the cut leaves it.
    static void Schnitt(int spalten, int zeilen)
    {
        testhilfe::Schnitt(spalten, zeilen, B, [](int k) {
            QImage teil(B, B, QImage::Format_RGB32);
            teil.fill(Teilfarbe(k));
            return teil;
        });
    }

    // True when every tile of the set still is its solid colour.
    static bool TeileWieGeschnitten()
    {
        for (size_t k = 0; k < teile().size(); ++k)
            if (teile()[k].pixel(0, 0) != Teilfarbe(int(k)) || teile()[k].pixel(B - 1, B - 1) != Teilfarbe(int(k)))
                return false;
        return true;
    }

    static void Oeffnen()
    {
        haupt().show();
        testhilfe::Teil<QAction>(&haupt(), "MenuSchiebepuzzle")->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowActive(spiel()));
        QCoreApplication::processEvents(); // a late activation rebuilds before the test plays
    }

    // Another window of the program takes the activation and hands it back:
    // the game rebuilds from what `aendern` set meanwhile.
    static void UeberDieOptionen(const std::function<void(QWidget*)>& aendern)
    {
        QWidget* optionen = testhilfe::Fenster("Optionsdialog");
        optionen->show();
        optionen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(optionen));
        aendern(optionen);
        optionen->hide();
        spiel()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(spiel()));
        QCoreApplication::processEvents();
    }

    // Number of the tile shown on the board at column c, row r; -1 for the
    // empty-field square.
    static int Sichtbar(int spalte, int zeile)
    {
        const QRgb farbe = brett()->bild().pixel(spalte * B + B / 2, zeile * B + B / 2);
        if (farbe == Rot)
            return -1;
        for (size_t k = 0; k < teile().size(); ++k)
            if (farbe == Teilfarbe(int(k)))
                return int(k);
        return -2;
    }

    // What the board shows, field by field, the hole's tile as -1.
    static std::vector<int> Brettbild()
    {
        std::vector<int> felder;
        const Kachelsatz& kacheln = testhilfe::Modell().puzzle.kacheln;
        for (int c = 0; c < kacheln.spalten; ++c)
            for (int r = 0; r < kacheln.zeilen; ++r)
                felder.push_back(Sichtbar(c, r));
        return felder;
    }

    static std::vector<int> Belegungsbild()
    {
        std::vector<int> felder;
        const Schiebebrett& brett = spiel()->Brett();
        for (int i = 0; i < brett.Feldzahl(); ++i)
            felder.push_back(brett.Belegung(i) == brett.Leernummer() ? -1 : brett.Belegung(i));
        return felder;
    }

    static void Klick(int spalte, int zeile)
    {
        const QRect feld = brett()->Anzeigebereich(QRect(spalte * B, zeile * B, B, B));
        QTest::mouseClick(brett(), Qt::LeftButton, {}, feld.topLeft() + QPoint(3, 4));
    }
};

TEST_F(SchiebePuzzle, OeffnenZeigtDasGeordneteBildMitDemLeerfeld)
{
    Schnitt(4, 3);
    einstellungen().LeerfeldX = 2;
    einstellungen().LeerfeldY = 1;
    Oeffnen();

    EXPECT_FALSE(haupt().isVisible());
    EXPECT_EQ(brett()->size(), QSize(4 * B, 3 * B));
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, -1, 8, 9, 10, 11}));
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 0"));
    EXPECT_FALSE(teil<QLabel>("LaPos")->isVisible()); // ChBoZugausgabe not ticked
    EXPECT_TRUE(teil<QLabel>("LaZugZaehler")->isVisible());
    // The whole hole field is the square; the tile set stays as cut.
    EXPECT_EQ(brett()->bild().pixel(2 * B, B), Rot);
    EXPECT_EQ(brett()->bild().pixel(3 * B - 1, 2 * B - 1), Rot);
    EXPECT_TRUE(TeileWieGeschnitten());
    // The left column fits beside a board of three small rows.
    EXPECT_GE(teil<QLabel>("LaPos")->y(), teil<Bildfeld>("ImVorschau")->geometry().bottom());
    EXPECT_LE(teil<QPushButton>("BuSchliessen")->geometry().bottom(), spiel()->height());

    // Only the coloured square moves like a hole: a click in its column
    // moves, a click at column 0, row 0 does not.
    Klick(0, 0);
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 0"));
    Klick(2, 0);
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 1"));
    EXPECT_EQ(Sichtbar(2, 0), -1);
    EXPECT_EQ(Sichtbar(2, 1), 6);
}

TEST_F(SchiebePuzzle, ZuegeLochKlickUndKlickAusserhalbDerLinie)
{
    Schnitt(3, 5);
    einstellungen().LeerfeldX = 1;
    einstellungen().LeerfeldY = 4;
    Oeffnen();

    // Three fields above the hole: three tiles slide, one move is counted.
    Klick(1, 1);
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 1"));
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, 4, 5, -1, 6, 7, 8, 10, 11, 12, 13, 14}));
    EXPECT_EQ(teil<QLabel>("LaPos")->text(), QStringLiteral("(1|1)"));

    // The hole itself: counted, nothing moves.
    Klick(1, 1);
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 2"));
    const std::vector<int> vorher = Brettbild();
    EXPECT_EQ(vorher, Belegungsbild());

    // Out of line: no count, the board is drawn unchanged.
    Klick(0, 3);
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 2"));
    EXPECT_EQ(Brettbild(), vorher);

    // Pressed on the board and let go far right of it: the position shows
    // the field off the grid, and nothing at all happens.
    QTest::mousePress(brett(), Qt::LeftButton, {}, QPoint(3, 2));
    QTest::mouseMove(brett(), QPoint(40 * B, 2));
    EXPECT_EQ(teil<QLabel>("LaPos")->text(), QStringLiteral("(40|0)"));
    QTest::mouseRelease(brett(), Qt::LeftButton, {}, QPoint(40 * B, 2));
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 2"));
    EXPECT_EQ(Brettbild(), vorher);
}

TEST_F(SchiebePuzzle, MischenUndAufloesenBeendetDasSpiel)
{
    Schnitt(4, 4);
    einstellungen().ZugausgabeImSpiel = true;
    Oeffnen();
    EXPECT_TRUE(teil<QLabel>("LaPos")->isVisible());

    klicke("BuMischen");
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 0"));
    EXPECT_TRUE(spiel()->Brett().Loesbar());
    EXPECT_EQ(Brettbild(), Belegungsbild());

    // Two moves in the hole's column.
    Klick(spiel()->Brett().LeerSpalte(), (spiel()->Brett().LeerZeile() + 2) % 4);
    Klick(spiel()->Brett().LeerSpalte(), (spiel()->Brett().LeerZeile() + 1) % 4);
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 2"));

    // "Auflösen" shows the whole picture, the hole's own tile too, and ends
    // the game without a result: clicks do nothing and the clock stands.
    klicke("BuAnzeigen");
    const std::vector<int> ganz{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(Brettbild(), ganz);
    EXPECT_FALSE(uhr()->isActive());
    Klick(spiel()->Brett().LeerSpalte(), (spiel()->Brett().LeerZeile() + 1) % 4);
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 2"));
    EXPECT_EQ(Brettbild(), ganz);
    EXPECT_FALSE(teil<QLabel>("LaMeldung")->isVisible());

    // "Mischen" starts the next game.
    klicke("BuMischen");
    EXPECT_TRUE(uhr()->isActive());
    EXPECT_EQ(Brettbild(), Belegungsbild());
}

TEST_F(SchiebePuzzle, GewonnenWirdNurNachMischenUndAuchPerTastatur)
{
    Schnitt(3, 1); // a line, the hole at the left
    Oeffnen();
    QLabel* meldung = teil<QLabel>("LaMeldung");
    // Never shuffled: the hole goes away and back, and nothing is won.
    Klick(2, 0);
    Klick(0, 0);
    EXPECT_FALSE(meldung->isVisible());

    // A mouse click on "Mischen" leaves the keyboard on the board, whose
    // frame shows only once a key is used.
    QTest::mouseClick(teil<QPushButton>("BuMischen"), Qt::LeftButton);
    ASSERT_TRUE(brett()->hasFocus());
    EXPECT_TRUE(brett()->Marke().isEmpty());
    // A shuffle that left the line in order needs a move away first.
    if (spiel()->Brett().LeerSpalte() == 0) {
        QTest::keyClick(brett(), Qt::Key_Right);
        QTest::keyClick(brett(), Qt::Key_Space);
    }
    QTest::keyClick(brett(), Qt::Key_Home);
    EXPECT_EQ(brett()->Marke(), QRect(0, 0, B, B));
    QTest::keyClick(brett(), Qt::Key_Return);

    // Won: the result in the window, the clock stopped at the time it shows,
    // the whole picture, and a board that rests until "Mischen".
    const QString zeit = teil<QLabel>("LaZeit")->text();
    const int sekunden = zeit.section(QLatin1Char(' '), 1, 1).toInt();
    EXPECT_TRUE(meldung->isVisible());
    EXPECT_EQ(meldung->text(), Ergebnistext(zuege().section(QLatin1Char(' '), 1).toInt(), sekunden));
    EXPECT_FALSE(uhr()->isActive());
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2}));
    const QString gezaehlt = zuege();
    QTest::keyClick(brett(), Qt::Key_End);
    QTest::keyClick(brett(), Qt::Key_Return);
    EXPECT_EQ(zuege(), gezaehlt);
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2}));
    // Screen readers hear the hole's field as a tile now, and the board at rest.
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(brett());
    EXPECT_EQ(zugang->child(0)->text(QAccessible::Name), QStringLiteral("Teil in Zeile 1, Spalte 1"));
    EXPECT_TRUE(zugang->child(0)->state().disabled);
    EXPECT_EQ(zugang->text(QAccessible::Description), meldung->text());

    klicke("BuMischen");
    EXPECT_FALSE(meldung->isVisible());
    EXPECT_TRUE(uhr()->isActive());
    EXPECT_FALSE(zugang->child(0)->state().disabled);
}

TEST_F(SchiebePuzzle, EinFeldIstDasLoch)
{
    Schnitt(1, 1);
    Oeffnen();
    EXPECT_EQ(Brettbild(), std::vector<int>{-1});
    for (int i = 0; i < 3; ++i)
        Klick(0, 0);
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 3"));
    klicke("BuMischen");
    EXPECT_EQ(Brettbild(), std::vector<int>{-1});
}

TEST_F(SchiebePuzzle, ZurueckAusDerAnleitungNeuGeordnetUndSchliessenLaesstDieTeile)
{
    Schnitt(3, 3);
    einstellungen().LeerfeldX = 1;
    einstellungen().LeerfeldY = 1;
    Oeffnen();
    klicke("BuMischen");
    Klick(spiel()->Brett().LeerSpalte(), (spiel()->Brett().LeerZeile() + 1) % 3);
    Klick(spiel()->Brett().LeerSpalte(), (spiel()->Brett().LeerZeile() + 1) % 3);
    ASSERT_EQ(zuege(), QStringLiteral("Zug: 2"));
    // The clock counts whole seconds from the shuffle.
    QLabel* zeit = teil<QLabel>("LaZeit");
    ASSERT_TRUE(QTest::qWaitFor([zeit] { return zeit->text() == QStringLiteral("Zeit: 1 Sek."); }, 3000))
        << zeit->text().toStdString();

    QWidget* anleitung = testhilfe::Fenster("Schiebeanleitung");
    klicke("BuAnleitung");
    ASSERT_TRUE(QTest::qWaitForWindowActive(anleitung));
    anleitung->hide();
    spiel()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(spiel()));

    // Solved order again; the counter and the clock go on.
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, -1, 5, 6, 7, 8}));
    EXPECT_EQ(zuege(), QStringLiteral("Zug: 2"));
    QSignalSpy takt(uhr(), &QTimer::timeout);
    ASSERT_TRUE(takt.wait(2000));
    EXPECT_NE(zeit->text(), QStringLiteral("Zeit: 0 Sek."));

    // Closing shows the main window; the tile set was never painted on.
    klicke("BuSchliessen");
    EXPECT_FALSE(spiel()->isVisible());
    EXPECT_TRUE(haupt().isVisible());
    EXPECT_TRUE(TeileWieGeschnitten());

    // Closing by the title bar does the same.
    Oeffnen();
    EXPECT_EQ(Sichtbar(1, 1), -1);
    spiel()->close();
    EXPECT_TRUE(TeileWieGeschnitten());
    EXPECT_TRUE(haupt().isVisible());
}

TEST_F(SchiebePuzzle, LeerfeldWechselnWaehrendOffenVerliertKeinTeil)
{
    Schnitt(3, 2);
    Oeffnen();
    // The options move the empty field while the game stays open.
    UeberDieOptionen([](QWidget* optionen) {
        testhilfe::Teil<QSpinBox>(optionen, "SpEdLeerfeldX")->setValue(2);
        testhilfe::Teil<QSpinBox>(optionen, "SpEdLeerfeldY")->setValue(1);
    });
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, 4, -1}));
    EXPECT_TRUE(TeileWieGeschnitten());
    spiel()->schliesse();
    EXPECT_TRUE(TeileWieGeschnitten());
}

TEST_F(SchiebePuzzle, LeerfeldAusserhalbDesGittersKommtAufDasNaechsteFeld)
{
    Schnitt(3, 2);
    einstellungen().LeerfeldX = 7;
    einstellungen().LeerfeldY = 9;
    Oeffnen();
    EXPECT_EQ(einstellungen().LeerfeldX, 2);
    EXPECT_EQ(einstellungen().LeerfeldY, 1);
    EXPECT_EQ(Brettbild(), (std::vector<int>{0, 1, 2, 3, 4, -1}));
    EXPECT_EQ(teile().size(), 6u);
    EXPECT_TRUE(TeileWieGeschnitten());
}

TEST_F(SchiebePuzzle, VorschauUndUnbrauchbareFeldbreite)
{
    Schnitt(2, 2);
    testhilfe::Modell().puzzle.kacheln.gesamtbild.fill(Qt::white);
    einstellungen().VorschauBreite = 240;
    einstellungen().VorschauHoehe = 160; // 160 / 240 * 168 = 112 rows of preview
    Oeffnen();
    const auto vorschau = [] { return teil<Bildfeld>("ImVorschau")->bild(); };
    EXPECT_EQ(vorschau().pixel(84, 110), qRgb(255, 255, 255));
    EXPECT_EQ(vorschau().pixel(84, 113), qRgb(0, 0, 255)); // Hintergrundfarbe

    // Without a preview only the background shows.
    UeberDieOptionen(
        [](QWidget* optionen) { testhilfe::Teil<QCheckBox>(optionen, "ChBoVorschau")->setChecked(false); });
    EXPECT_EQ(vorschau().pixel(84, 50), qRgb(0, 0, 255));

    // A tile width of 0 typed after the cut: the board keeps the tiles' width.
    testhilfe::Teil<QSpinBox>(&haupt(), "SpEdBreite")->setValue(0);
    UeberDieOptionen([](QWidget*) {});
    EXPECT_EQ(spiel()->Feldbreite(), B);
    Zeige(brett(), brett()->Anzeigebereich(QRect(25, 5, 1, 1)).topLeft());
    EXPECT_EQ(teil<QLabel>("LaPos")->text(), QStringLiteral("(1|0)"));
}

} // namespace
