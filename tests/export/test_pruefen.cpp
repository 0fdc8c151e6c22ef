// The two questions before writing: the web-name rule and how the windows
// answer, wait and reset.
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "export/fenster/htm_chk.h"
#include "export/fenster/puz_warn.h"
#include "export/webname.h"
#include "testhilfe.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Webname, ZeichenDieImWebNichtGehen)
{
    for (const char* gut : {"luftbl", "", "a&b+c", "x:y<z>|\"", "Foto_1-2.", "\t"})
        EXPECT_TRUE(IstWebname(QString::fromUtf8(gut))) << gut;
    for (const char* schlecht : {"mein b", "foto#1", "bild%", "würfel", "maß", "§1", "a$", "a*", "a/b", "a=b",
                                 "a?", "a@b", "a\\b", "\x7f\xc2\x80"})
        EXPECT_FALSE(IstWebname(QString::fromUtf8(schlecht))) << schlecht;
}

class Pruefen : public testing::Test
{
protected:
    void SetUp() override
    {
        puz_var::Startwerte();
        puz_var::Ausgabeverzeichnis = QStringLiteral("/ausgabe/");
        puz_var::Programmverzeichnis = QStringLiteral("/programm/");
    }
};

TEST_F(Pruefen, WarnungFragtJedesMalNeuUndAntwortetMitDenKnoepfen)
{
    EXPECT_EQ(FoWarn->windowTitle(), QStringLiteral("Warnung"));
    EXPECT_FALSE(FoWarn->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(FoWarn->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(FoWarn->LaWarn2->text(), QStringLiteral("Das Verzeichnis kann bei den Optionen eingestellt werden."));

    // Enter is "&Weiter", Escape is "&Abbrechen".
    const std::pair<int, bool> faelle[] = {{Qt::Key_Return, true}, {Qt::Key_Escape, false}};
    for (const auto& [taste, weiter] : faelle) {
        FoWarn->zeigeVorn();
        EXPECT_EQ(FoWarn->LaWarnung->text(), QStringLiteral("wirklich in /ausgabe/ speichern?"));
        QTimer::singleShot(0, FoWarn, [taste = taste] { QTest::keyClick(FoWarn, Qt::Key(taste)); });
        EXPECT_EQ(FoWarn->WeiterSpeichern(), weiter);
        EXPECT_EQ(puz_var::SpeichernBestaetigt, weiter);
        EXPECT_FALSE(FoWarn->isVisible());
    }

    // Enter presses the button that has the keyboard focus, not always "Weiter".
    FoWarn->zeigeVorn();
    FoWarn->BuAbbrechen->setFocus();
    QTimer::singleShot(0, FoWarn, [] { QTest::keyClick(FoWarn->BuAbbrechen, Qt::Key_Return); });
    EXPECT_FALSE(FoWarn->WeiterSpeichern());

    // A new showing forgets the last answer and waits again.
    puz_var::Ausgabeverzeichnis = QStringLiteral("/anders/");
    FoWarn->zeigeVorn();
    EXPECT_EQ(FoWarn->LaWarnung->text(), QStringLiteral("wirklich in /anders/ speichern?"));
    bool nochOffen = false;
    QTimer::singleShot(0, FoWarn, [&] {
        nochOffen = FoWarn->isVisible();
        FoWarn->BuWeiter->click();
    });
    EXPECT_TRUE(FoWarn->WeiterSpeichern());
    EXPECT_TRUE(nochOffen);
}

TEST_F(Pruefen, WebnamenfrageNurBeiUngueltigemNamen)
{
    bool gezeigt = false;
    QTimer::singleShot(0, FoCheck4HtmlName, [&] { gezeigt = FoCheck4HtmlName->isVisible(); });
    EXPECT_TRUE(Check4HtmlName(QStringLiteral("luftbl")));
    EXPECT_TRUE(Check4HtmlName(QString()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(gezeigt);

    EXPECT_EQ(FoCheck4HtmlName->windowTitle(), QStringLiteral("HTML-Warnung"));
    const auto frage = [](const QString& name, const std::function<void()>& antwort) {
        QTimer::singleShot(0, FoCheck4HtmlName, antwort);
        return Check4HtmlName(name);
    };
    EXPECT_TRUE(frage(QStringLiteral("mein b"), [] { FoCheck4HtmlName->BuWeiter->click(); }));
    EXPECT_EQ(FoCheck4HtmlName->LaWarnung->text(), QStringLiteral("mein b ist kein gültiger Dateiname im Web!"));
    EXPECT_FALSE(frage(QStringLiteral("foto#1"), [] { FoCheck4HtmlName->BuAbbrechen->click(); }));
    EXPECT_FALSE(frage(QStringLiteral("bild%"), [] { FoCheck4HtmlName->close(); }));
    EXPECT_FALSE(frage(QStringLiteral("bild%"), [] { QTest::keyClick(FoCheck4HtmlName, Qt::Key_Escape); }));
    EXPECT_FALSE(FoCheck4HtmlName->isVisible());
    // The whole message fits the window.
    EXPECT_LE(FoCheck4HtmlName->LaWarnung->geometry().right(), FoCheck4HtmlName->width());
}

TEST_F(Pruefen, AusgabePruefenFragtNurBisZurErstenZustimmung)
{
    puz_var::Dateikuerzel = QStringLiteral("luftbi");
    EXPECT_TRUE(Form1->AusgabePruefen()); // other directory, fit name: nothing asked
    EXPECT_TRUE(puz_var::AusgabeGeprueft);

    puz_var::AusgabeGeprueft = false;
    puz_var::Programmverzeichnis = puz_var::Ausgabeverzeichnis;
    puz_var::Dateikuerzel = QStringLiteral("würfel");
    int fragen = 0;
    QTimer::singleShot(0, FoWarn, [&] {
        ++fragen;
        FoWarn->BuWeiter->click();
        QTimer::singleShot(0, FoCheck4HtmlName, [&] {
            fragen += FoCheck4HtmlName->isVisible() ? 1 : 0;
            FoCheck4HtmlName->BuAbbrechen->click();
        });
    });
    EXPECT_FALSE(Form1->AusgabePruefen());
    EXPECT_EQ(fragen, 2);
    EXPECT_FALSE(puz_var::AusgabeGeprueft);

    puz_var::AusgabeGeprueft = true;
    EXPECT_TRUE(Form1->AusgabePruefen()); // already passed: asks nothing
}
