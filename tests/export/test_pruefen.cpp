// The two questions before writing: the web-name rule and how the windows
// answer, wait and reset.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "export/fenster/programmordnerfrage.h"
#include "export/fenster/webnamenfrage.h"
#include "export/webname.h"
#include "fenster/bildfeld.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

TEST(Webname, ZeichenDieImWebNichtGehen)
{
    for (const char* gut : {"luftbl", "", "a&b+c", "x:y<z>|\"", "Foto_1-2.", "\t"})
        EXPECT_TRUE(IstWebname(QString::fromUtf8(gut))) << gut;
    for (const char* schlecht : {"mein b", "foto#1", "bild%", "würfel", "maß", "§1", "a$", "a*", "a/b", "a=b",
                                 "a?", "a@b", "a\\b", "\x7f\xc2\x80"})
        EXPECT_FALSE(IstWebname(QString::fromUtf8(schlecht))) << schlecht;
}

namespace {

template <class T>
T* teil(QWidget* fenster, const char* name)
{
    return testhilfe::Teil<T>(fenster, name);
}

using testhilfe::Beantworter;

class Pruefen : public testing::Test
{
protected:
    void SetUp() override
    {
        testhilfe::Startwerte();
        testhilfe::StummeDialoge();
    }

    Programmordnerfrage* warnung = qobject_cast<Programmordnerfrage*>(testhilfe::Fenster("Programmordnerfrage"));
    Webnamenfrage* webname = qobject_cast<Webnamenfrage*>(testhilfe::Fenster("Webnamenfrage"));
};

} // namespace

TEST_F(Pruefen, WarnungFragtJedesMalNeuUndAntwortetMitDenKnoepfen)
{
    ASSERT_TRUE(warnung && webname);
    EXPECT_EQ(warnung->windowTitle(), QStringLiteral("Warnung"));
    EXPECT_FALSE(warnung->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(warnung->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(teil<QLabel>(warnung, "LaWarn2")->text(),
              QStringLiteral("Das Verzeichnis kann bei den Optionen eingestellt werden."));
    QLabel* frage = teil<QLabel>(warnung, "LaWarnung");

    // Enter is "&Weiter", Escape is "&Abbrechen".
    const std::pair<int, bool> faelle[] = {{Qt::Key_Return, true}, {Qt::Key_Escape, false}};
    for (const auto& [taste, weiter] : faelle) {
        QString text;
        QTimer::singleShot(0, warnung, [&, taste = taste] {
            text = frage->text();
            QTest::keyClick(warnung, Qt::Key(taste));
        });
        EXPECT_EQ(warnung->Frage(QStringLiteral("/ausgabe/")), weiter);
        EXPECT_EQ(text, QStringLiteral("wirklich in /ausgabe/ speichern?"));
        EXPECT_FALSE(warnung->isVisible());
    }

    // Enter presses the button that has the keyboard focus, not always "Weiter".
    QTimer::singleShot(0, warnung, [&] {
        QPushButton* abbrechen = teil<QPushButton>(warnung, "BuAbbrechen");
        abbrechen->setFocus();
        QTest::keyClick(abbrechen, Qt::Key_Return);
    });
    EXPECT_FALSE(warnung->Frage(QStringLiteral("/ausgabe/")));

    // A new question forgets the last answer and waits again.
    QString text;
    bool nochOffen = false;
    QTimer::singleShot(0, warnung, [&] {
        text = frage->text();
        nochOffen = warnung->isVisible();
        teil<QPushButton>(warnung, "BuWeiter")->click();
    });
    EXPECT_TRUE(warnung->Frage(QStringLiteral("/anders/")));
    EXPECT_EQ(text, QStringLiteral("wirklich in /anders/ speichern?"));
    EXPECT_TRUE(nochOffen);
}

TEST_F(Pruefen, WebnamenfrageAntwortetMitDenKnoepfen)
{
    ASSERT_TRUE(webname);
    EXPECT_EQ(webname->windowTitle(), QStringLiteral("HTML-Warnung"));
    QLabel* meldung = teil<QLabel>(webname, "LaWarnung");
    const auto frage = [&](const QString& name, const std::function<void()>& antwort) {
        QTimer::singleShot(0, webname, antwort);
        return webname->Frage(name);
    };
    EXPECT_TRUE(frage(QStringLiteral("mein b"), [&] { teil<QPushButton>(webname, "BuWeiter")->click(); }));
    EXPECT_EQ(meldung->text(), QStringLiteral("mein b ist kein gültiger Dateiname im Web!"));
    EXPECT_FALSE(frage(QStringLiteral("foto#1"), [&] { teil<QPushButton>(webname, "BuAbbrechen")->click(); }));
    EXPECT_FALSE(frage(QStringLiteral("bild%"), [&] { webname->close(); }));
    EXPECT_FALSE(frage(QStringLiteral("bild%"), [&] { QTest::keyClick(webname, Qt::Key_Escape); }));
    EXPECT_FALSE(webname->isVisible());
    // The whole message fits the window.
    EXPECT_LE(meldung->geometry().right(), webname->width());
}

// The main window's writing asks both questions before the first write of a
// cut, and only until they were passed once.
TEST_F(Pruefen, ErsteAusgabeFragtNurBisZurErstenZustimmung)
{
    QTemporaryDir aus, prog;
    ASSERT_TRUE(aus.isValid() && prog.isValid());
    Sitzung& modell = testhilfe::Modell();
    modell.einstellungen.Ausgabeverzeichnis = aus.path() + QLatin1Char('/');
    modell.programmverzeichnis = prog.path() + QLatin1Char('/');
    modell.einstellungen.VorschauErzeugen = false;
    testhilfe::Schnitt(1, 1, 80, [](int) { return testhilfe::Muster(80, 80); });
    modell.puzzle.kuerzel = QStringLiteral("luftbi");
    Hauptfenster& haupt = testhilfe::Anwendung().hauptfenster();
    testhilfe::Teil<Bildfeld>(&haupt, "ImBild")->setzeBild(modell.puzzle.kacheln.gesamtbild); // the mosaic of the cut
    QAction* kachelnJpg = testhilfe::Teil<QAction>(&haupt, "MenuKachelnJpg");

    int fragen = 0;
    Beantworter weiter(warnung, [&] {
        ++fragen;
        teil<QPushButton>(warnung, "BuWeiter")->click();
    });
    Beantworter abbrechen(webname, [&] {
        ++fragen;
        teil<QPushButton>(webname, "BuAbbrechen")->click();
    });
    kachelnJpg->trigger(); // other directory, fit name: nothing asked
    EXPECT_EQ(fragen, 0);
    EXPECT_TRUE(modell.puzzle.ausgabe.geprueft);

    modell.puzzle.ausgabe.geprueft = false;
    modell.einstellungen.Ausgabeverzeichnis = modell.programmverzeichnis;
    modell.puzzle.kuerzel = QStringLiteral("würfel");
    kachelnJpg->trigger();
    EXPECT_EQ(fragen, 2);
    EXPECT_FALSE(modell.puzzle.ausgabe.geprueft);
    EXPECT_TRUE(QDir(prog.path()).isEmpty());

    modell.puzzle.ausgabe.geprueft = true;
    kachelnJpg->trigger(); // already passed: asks nothing
    EXPECT_EQ(fragen, 2);
    EXPECT_FALSE(QDir(prog.path()).isEmpty());
}
