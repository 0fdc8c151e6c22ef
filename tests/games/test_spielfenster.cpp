// What the three game windows share with each other and with the program's
// other windows: instructions that belong to their game, activation between
// the program's own windows only, and a cut that never leaves a game stale.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "fenster/bildfeld.h"
#include "games/fenster/raetselfenster.h"
#include "games/fenster/schiebefenster.h"
#include "games/fenster/tauschfenster.h"
#include "games/spielanzeige.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int B = 40;

Hauptfenster& Haupt()
{
    return testhilfe::Anwendung().hauptfenster();
}

Kachelsatz& Kacheln()
{
    return testhilfe::Modell().puzzle.kacheln;
}

void Schnitt(int spalten, int zeilen)
{
    const QImage bild = testhilfe::Muster(spalten * B, zeilen * B);
    testhilfe::Schnitt(spalten, zeilen, B, [&](int k) { return bild.copy((k / zeilen) * B, (k % zeilen) * B, B, B); });
}

struct Spiel
{
    const char* name;
    const char* menue;     // its entry in the main window's menu "Spielen"
    const char* fenster;   // the game window
    const char* anleitung; // its instruction window
    const char* brett;     // the board control
    const char* brettname; // the board's and its second field's names for screen readers
    const char* feldname;

    QWidget* Fenster() const { return testhilfe::Fenster(fenster); }
    QWidget* Anleitung() const { return testhilfe::Fenster(anleitung); }
    Bildfeld* Brett() const { return testhilfe::Teil<Bildfeld>(Fenster(), brett); }
    template <class T>
    T* Teil(const char* name) const
    {
        return testhilfe::Teil<T>(Fenster(), name);
    }
    QString Zuege() const { return Teil<QLabel>("LaZugZaehler")->text(); }
};

const Spiel Schieben{"SchiebePuzzle",           "MenuSchiebepuzzle", "Schiebefenster",
                     "Schiebeanleitung",        "ImBild",            "Spielfeld SchiebePuzzle",
                     "Teil in Zeile 1, Spalte 2"};
const Spiel Tauschen{"TauschPuzzle",           "MenuTauschpuzzle", "Tauschfenster",
                     "Tauschanleitung",        "PaBoSpielfeld",    "Spielfeld TauschPuzzle",
                     "Teil in Zeile 1, Spalte 2"};
const Spiel Raetseln{"BilderRaetsel",       "MenuBilderraetsel", "Raetselfenster",
                     "Raetselanleitung",    "PaBoSpielfeld",     "Spielfeld BilderRätsel",
                     "verdeckte Karte in Zeile 1, Spalte 2"};
const Spiel Spiele[] = {Schieben, Tauschen, Raetseln};

const Schiebebrett& Schiebestand()
{
    return qobject_cast<Schiebefenster*>(Schieben.Fenster())->Brett();
}

using testhilfe::KlickeFeld;

class Spielfenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhilfe::Startwerte();
        Schnitt(3, 2);
        Haupt().show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Haupt()));
    }
    void TearDown() override
    {
        for (const Spiel& spiel : Spiele) {
            spiel.Anleitung()->hide();
            spiel.Fenster()->hide();
        }
        Haupt().hide();
    }

    static QWidget* Starte(const Spiel& spiel)
    {
        testhilfe::Teil<QAction>(&Haupt(), spiel.menue)->trigger();
        QWidget* fenster = spiel.Fenster();
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
        QTest::mouseClick(spiel.Teil<QPushButton>("BuAnleitung"), Qt::LeftButton);
        QWidget* anleitung = spiel.Anleitung();
        ASSERT_TRUE(QTest::qWaitForWindowActive(anleitung));
        EXPECT_FALSE(Haupt().isVisible()) << "the main window came in front of the game";
        // Every line of the instruction shows ("Viel Spaß" last), and below
        // it how the game goes by keyboard, above the button.
        auto* text = testhilfe::Teil<QPlainTextEdit>(anleitung, "MeAnleitung");
        EXPECT_EQ(text->verticalScrollBar()->maximum(), 0);
        auto* tasten = testhilfe::Teil<QLabel>(anleitung, "LaTasten");
        EXPECT_TRUE(tasten->text().contains(QStringLiteral("Pfeiltasten")));
        EXPECT_GE(tasten->y(), text->geometry().bottom());
        EXPECT_LE(tasten->y() + tasten->heightForWidth(tasten->width()),
                  testhilfe::Teil<QPushButton>(anleitung, "BuSchliessen")->y());

        QTest::keyClick(anleitung, Qt::Key_Escape);
        EXPECT_FALSE(anleitung->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster));
        EXPECT_FALSE(Haupt().isVisible());

        // The next Escape belongs to the game, which closes as "Schließen" does.
        QTest::keyClick(fenster, Qt::Key_Escape);
        EXPECT_FALSE(fenster->isVisible());
        EXPECT_TRUE(Haupt().isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Haupt()));
    }
}

TEST_F(Spielfenster, DasBrettIstEinTabstoppMitTastenfeldUndNamen)
{
    // A light background: the counters turn dark on it.
    testhilfe::Modell().einstellungen.Hintergrundfarbe = 0x80FFFF; // light yellow
    for (const Spiel& spiel : Spiele) {
        SCOPED_TRACE(spiel.name);
        QWidget* fenster = Starte(spiel);
        Bildfeld* brett = spiel.Brett();
        QLabel* zaehler = spiel.Teil<QLabel>("LaZugZaehler");
        EXPECT_GE(Kontrast(zaehler->palette().color(QPalette::WindowText), fenster->palette().color(QPalette::Window)),
                  4.5);

        // The board has the keyboard; its frame shows once a key is used,
        // and Tab leaves it for the buttons and comes back.
        EXPECT_TRUE(brett->hasFocus());
        EXPECT_TRUE(brett->Marke().isEmpty());
        QTest::keyClick(brett, Qt::Key_Right);
        EXPECT_EQ(brett->Marke(), QRect(B, 0, B, B));
        QTest::keyClick(fenster, Qt::Key_Tab);
        EXPECT_TRUE(brett->Marke().isEmpty());
        EXPECT_TRUE(qobject_cast<QPushButton*>(QApplication::focusWidget()) ||
                    qobject_cast<QRadioButton*>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_TRUE(brett->hasFocus());
        EXPECT_EQ(brett->Marke(), QRect(B, 0, B, B));

        // Screen readers see the board by name with one named field each,
        // row by row, and the keyboard's field as the focused one.
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(brett);
        ASSERT_NE(zugang, nullptr);
        EXPECT_EQ(zugang->role(), QAccessible::Grouping);
        EXPECT_EQ(zugang->text(QAccessible::Name), QString::fromUtf8(spiel.brettname));
        ASSERT_EQ(zugang->childCount(), 6);
        EXPECT_EQ(zugang->child(1)->text(QAccessible::Name), QString::fromUtf8(spiel.feldname));
        EXPECT_EQ(zugang->focusChild(), zugang->child(1));
        EXPECT_TRUE(zugang->child(1)->state().focused);

        // A click acts where it always did and hides the frame.
        KlickeFeld(brett, 0, 0, B);
        EXPECT_TRUE(brett->Marke().isEmpty());
        fenster->hide();
    }
}

TEST_F(Spielfenster, EinAnderesProgrammIstKeineAktivierung)
{
    // The sliding puzzle: a game in progress is not rebuilt in solved order.
    QWidget* schieben = Starte(Schieben);
    Schieben.Teil<QPushButton>("BuMischen")->click();
    const int leer = Schiebestand().LeerSpalte() * 2 + Schiebestand().LeerZeile();
    const int nachbar = leer % 2 == 0 ? leer + 1 : leer - 1;
    KlickeFeld(Schieben.Brett(), nachbar / 2, nachbar % 2, B);
    ASSERT_EQ(Schieben.Zuege(), QStringLiteral("Zug: 1"));
    std::vector<int> belegung;
    for (int i = 0; i < 6; ++i)
        belegung.push_back(Schiebestand().Belegung(i));
    const QImage brett = Schieben.Brett()->bild().copy();

    AnderesProgrammUndZurueck(schieben);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Schiebestand().Belegung(i), belegung[size_t(i)]);
    EXPECT_TRUE(testhilfe::GleicheBilder(Schieben.Brett()->bild(), brett));
    EXPECT_EQ(Schieben.Zuege(), QStringLiteral("Zug: 1"));
    EXPECT_FALSE(Haupt().isVisible());

    // The swap puzzle and the riddle: no other window of the program comes up.
    for (const Spiel& spiel : {Tauschen, Raetseln}) {
        SCOPED_TRACE(spiel.name);
        schieben->hide();
        QWidget* fenster = Starte(spiel);
        AnderesProgrammUndZurueck(fenster);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_FALSE(Haupt().isVisible());
        fenster->hide();
    }
}

TEST_F(Spielfenster, ZurueckAusDerEigenenAnleitungBleibtEineAktivierung)
{
    QWidget* schieben = Starte(Schieben);
    Schieben.Teil<QPushButton>("BuMischen")->click();
    QTest::mouseClick(Schieben.Teil<QPushButton>("BuAnleitung"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Schieben.Anleitung()));
    // Away to another program from the instructions, back by a click on the game.
    QApplication::setActiveWindow(nullptr);
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(schieben);
    QCoreApplication::processEvents();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Schiebestand().Belegung(i), i);
}

TEST_F(Spielfenster, EinSchnittSchliesstOffeneSpieleUndLaesstDieTeileUnbemalt)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("bild.png"));
    ASSERT_TRUE(testhilfe::Muster(3 * B, 2 * B).save(datei));
    Haupt().LadeBild(datei);
    testhilfe::Teil<QSpinBox>(&Haupt(), "SpEdOffx")->setValue(0);
    testhilfe::Teil<QSpinBox>(&Haupt(), "SpEdOffy")->setValue(0);
    testhilfe::Teil<QSpinBox>(&Haupt(), "SpEdBreite")->setValue(B);
    testhilfe::Teil<QScrollBar>(&Haupt(), "ScBaWartezeit")->setValue(0);

    for (const Spiel& spiel : Spiele) {
        SCOPED_TRACE(spiel.name);
        QWidget* fenster = Starte(spiel);
        testhilfe::Teil<QAction>(&Haupt(), "MenuSchneiden")->trigger();
        EXPECT_FALSE(fenster->isVisible());
        // The hole's tile is the picture, not the sliding puzzle's square.
        ASSERT_EQ(Kacheln().teile.size(), 6u);
        EXPECT_TRUE(testhilfe::GleicheBilder(Kacheln().teile[0], testhilfe::Muster(3 * B, 2 * B).copy(0, 0, B, B)));
        Haupt().hide();
        Haupt().show();
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

TEST_F(Spielfenster, EinHandyfotoPasstAufDenBildschirmUndBleibtSpielbar)
{
    // The automatic grid of a 4000 x 3000 photo: 5 x 3 tiles of 800 pixels,
    // each in a colour of its own.
    constexpr int Gross = 800;
    const auto farbe = [](int k) { return QColor(10 + 15 * k, 200 - 10 * k, 40 + 5 * k); };
    testhilfe::Schnitt(5, 3, Gross, [&](int k) {
        QImage teil(Gross, Gross, QImage::Format_RGB32);
        teil.fill(farbe(k));
        return teil;
    });
    const auto farbeAuf = [&](Bildfeld* brett, int c, int r) {
        const QPoint mitte = brett->Anzeigebereich(QRect(c * Gross, r * Gross, Gross, Gross)).center();
        return QColor(brett->grab().toImage().pixel(mitte));
    };

    // Sliding puzzle: the tile below the hole (0, 0) slides up.
    QWidget* schieben = Starte(Schieben);
    PasstAufDenBildschirm(schieben, Schieben.Brett());
    EXPECT_EQ(Schieben.Brett()->bild().size(), QSize(5 * Gross, 3 * Gross));
    KlickeFeld(Schieben.Brett(), 0, 1, Gross);
    EXPECT_EQ(Schieben.Zuege(), QStringLiteral("Zug: 1"));
    EXPECT_EQ(Schiebestand().Belegung(0), 1);
    EXPECT_EQ(farbeAuf(Schieben.Brett(), 0, 0), farbe(1));
    Schieben.Teil<QPushButton>("BuSchliessen")->click();

    // Swap puzzle: two clicks on the shown board exchange two tiles.
    QWidget* tauschen = Starte(Tauschen);
    PasstAufDenBildschirm(tauschen, Tauschen.Brett());
    EXPECT_TRUE(Tauschen.Teil<Bildfeld>("ImVorschau")->isVisible());
    KlickeFeld(Tauschen.Brett(), 4, 2, Gross);
    KlickeFeld(Tauschen.Brett(), 0, 0, Gross);
    EXPECT_EQ(Tauschen.Zuege(), QStringLiteral("Zug: 1"));
    EXPECT_EQ(farbeAuf(Tauschen.Brett(), 0, 0), farbe(14));
    Tauschen.Teil<QPushButton>("BuSchliessen")->click();

    // Riddle: a tile uncovers where it is clicked, and an answer can be given.
    for (const bool unten : {false, true}) {
        SCOPED_TRACE(unten ? "unten" : "rechts");
        testhilfe::Modell().einstellungen.AntwortenUnten = unten;
        QWidget* raetsel = Starte(Raetseln);
        PasstAufDenBildschirm(raetsel, Raetseln.Brett());
        KlickeFeld(Raetseln.Brett(), 3, 1, Gross);
        EXPECT_EQ(farbeAuf(Raetseln.Brett(), 3, 1), farbe(3 * 3 + 1));
        QRadioButton* antwort = Raetseln.Teil<QGroupBox>("RaGrAntworten")->findChild<QRadioButton*>("Antwort1");
        ASSERT_NE(antwort, nullptr);
        EXPECT_TRUE(QRect(QPoint(0, 0), raetsel->size())
                        .contains(QRect(antwort->mapTo(raetsel, QPoint(0, 0)), antwort->size())));
        QTest::mouseClick(antwort, Qt::LeftButton, {}, QPoint(5, antwort->height() / 2));
        EXPECT_TRUE(Raetseln.Teil<QLabel>("LaRichtig")->isVisible());
        Raetseln.Teil<QPushButton>("BuSchliessen")->click();
    }
}

} // namespace
