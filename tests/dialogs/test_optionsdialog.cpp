// The options dialog: activation, the settings each control writes, and the
// dialogs behind its buttons and swatches.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "codecs/bildcodec.h"
#include "dialogs/optionsdialog.h"
#include "dialogs/schieberegler.h"
#include "fenster/dialoge.h"
#include "fenster/farbfeld.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Optionen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhilfe::Startwerte();
        testhilfe::StummeDialoge();
        m_programmverzeichnis = modell().programmverzeichnis;
        // A 400 x 300 picture: the options need one and take its proportions.
        ASSERT_TRUE(m_bilder.isValid());
        const QString bild = m_bilder.filePath(QStringLiteral("bild.bmp"));
        ASSERT_TRUE(bildcodec::SchreibeBmp(QImage(400, 300, QImage::Format_RGB32), bild, nullptr));
        haupt().LadeBild(bild);
        ASSERT_EQ(modell().puzzle.bildgroesse, QSize(400, 300));
    }

    void TearDown() override
    {
        o.hide();
        haupt().hide();
        (void)QTest::qWaitFor([] { return !QApplication::activeWindow(); }, 1000);
        modell().programmverzeichnis = m_programmverzeichnis;
        testhilfe::StummeDialoge();
    }

    static Sitzung& modell() { return testhilfe::Modell(); }
    static Hauptfenster& haupt() { return testhilfe::Anwendung().hauptfenster(); }

    template <class T>
    T* teil(const char* name) const
    {
        return testhilfe::Teil<T>(&o, name);
    }

    // Opens the options from the main window's menu: every opening activates
    // them anew (coming back from another application would not).
    void oeffne()
    {
        o.hide();
        haupt().show();
        haupt().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
        testhilfe::Teil<QAction>(&haupt(), "MenuOptionen")->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&o));
    }

    Optionsdialog& o = *qobject_cast<Optionsdialog*>(testhilfe::Fenster("Optionsdialog"));
    Einstellungen& e = modell().einstellungen;

private:
    QTemporaryDir m_bilder;
    QString m_programmverzeichnis;
};

TEST_F(Optionen, VorDerErstenAktivierungUndBeimOeffnen)
{
    // A dialog never activated yet: the boxes show their form state, not the
    // settings (Zugausgabe and SpielfeldMinimal start true).
    {
        Sitzung sitzung;
        Optionsdialog frisch(sitzung);
        const auto kaestchen = [&frisch](const char* name) { return testhilfe::Teil<QCheckBox>(&frisch, name); };
        EXPECT_FALSE(kaestchen("ChBoZugausgabe")->isChecked());
        EXPECT_FALSE(kaestchen("ChBoSpielfeldMinimal")->isChecked());
        EXPECT_TRUE(kaestchen("ChBoZugZaehler")->isChecked());
        EXPECT_TRUE(kaestchen("ChBoSpielzeit")->isChecked());
        const QString antworten = testhilfe::Teil<QPlainTextEdit>(&frisch, "MeAntworten")->toPlainText();
        EXPECT_EQ(antworten.split(QLatin1Char('\n')).size(), 5);
        EXPECT_EQ(testhilfe::Teil<QSpinBox>(&frisch, "SpEdRichtigeAntwort")->value(), 1);
        EXPECT_TRUE(testhilfe::Teil<QRadioButton>(&frisch, "RaGrAntwortenRechts")->isChecked());
        EXPECT_EQ(frisch.size(), QSize(606, 495));
    }

    // Opened from the main window: activation copies the settings in.
    e.Ueberschrift = QStringLiteral("Unser Schulhof");
    modell().programmverzeichnis = QStringLiteral("/opt/tesselo/");
    e.Leerfeldfarbe = 0x00FF00;
    e.JPEGQualitaet = 70;
    e.Bildnachweis = QStringLiteral("Foto: A. Muster, CC BY 4.0");
    oeffne();
    EXPECT_EQ(teil<QLineEdit>("EdBildnachweis")->text(), e.Bildnachweis);
    QTest::keyClicks(teil<QLineEdit>("EdBildbeschreibung"), QStringLiteral(" Der Schulhof im Schnee "));
    EXPECT_EQ(e.Bildbeschreibung, QStringLiteral("Der Schulhof im Schnee"));
    EXPECT_TRUE(teil<QCheckBox>("ChBoZugausgabe")->isChecked());
    EXPECT_TRUE(e.ZugausgabeImSpiel); // the games follow the box from now on
    EXPECT_TRUE(teil<QCheckBox>("ChBoSpielfeldMinimal")->isChecked());
    EXPECT_EQ(teil<QLineEdit>("EdUeberschrift")->text(), QStringLiteral("Unser Schulhof"));
    EXPECT_EQ(teil<QLineEdit>("EdProgrammverzeichnis")->text(), QStringLiteral("/opt/tesselo/"));
    EXPECT_EQ(teil<QLineEdit>("EdAusgabeverzeichnis")->text(), e.Ausgabeverzeichnis);
    EXPECT_FALSE(teil<QLineEdit>("EdAusgabeverzeichnis")->isEnabled());
    EXPECT_EQ(teil<Farbfeld>("CoBoLeerfeld")->farbe(), QColor(0, 255, 0));
    QColor vorgabe;
    Dialoge::FarbeWaehlen = [&](QWidget*, const QColor& v) -> std::optional<QColor> {
        vorgabe = v;
        return std::nullopt;
    };
    teil<Farbfeld>("CoBoLeerfeld")->showPopup();
    EXPECT_EQ(vorgabe, QColor(0, 255, 0));

    // The track bar: position, marks at 0, 10 ... 100 only, the selection
    // from 0 to the position, following every change.
    Schieberegler* qualitaet = teil<Schieberegler>("TrBaJPEGQualitaet");
    EXPECT_EQ(qualitaet->value(), 70);
    EXPECT_EQ(qualitaet->Marken(), (QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(qualitaet->Auswahlanfang(), 0);
    EXPECT_EQ(qualitaet->Auswahlende(), 70);
    qualitaet->setValue(33);
    EXPECT_EQ(e.JPEGQualitaet, 33);
    EXPECT_EQ(qualitaet->Auswahlende(), 33);

    QTest::keyClick(&o, Qt::Key_Escape);
    EXPECT_FALSE(o.isVisible());
}

TEST_F(Optionen, VorschaugroesseMitSeitenverhaeltnis)
{
    QLineEdit* breite = teil<QLineEdit>("EdVorschauBreite");
    QLineEdit* hoehe = teil<QLineEdit>("EdVorschauHoehe");
    oeffne();
    // 240 wide for a 400 x 300 picture: activation sets 180.
    EXPECT_EQ(e.VorschauHoehe, 180);
    EXPECT_EQ(hoehe->text(), QStringLiteral("180"));
    EXPECT_FALSE(hoehe->isEnabled());

    breite->setText(QStringLiteral("300"));
    EXPECT_EQ(e.VorschauBreite, 300);
    EXPECT_EQ(e.VorschauHoehe, 225);
    EXPECT_EQ(hoehe->text(), QStringLiteral("180")); // until the next activation
    oeffne();
    EXPECT_EQ(hoehe->text(), QStringLiteral("225"));

    // No number, an empty field, and no size at all leave both settings.
    for (const char* text : {"abc", "", "0", "-20", "12x"}) {
        breite->setText(QString::fromLatin1(text));
        EXPECT_EQ(e.VorschauBreite, 300) << text;
        EXPECT_EQ(e.VorschauHoehe, 225) << text;
    }

    // Without the proportions the height is typed freely.
    teil<QCheckBox>("ChBoSeitentreu")->setChecked(false);
    EXPECT_FALSE(e.Seitentreu);
    EXPECT_TRUE(hoehe->isEnabled());
    hoehe->setText(QStringLiteral("99"));
    EXPECT_EQ(e.VorschauHoehe, 99);
    breite->setText(QStringLiteral("120"));
    EXPECT_EQ(e.VorschauHoehe, 99);

    // Halves go to the even neighbour; an empty picture gives nothing.
    EXPECT_EQ(ProportionaleHoehe(5, QSize(2, 1)), 2);  // 2.5
    EXPECT_EQ(ProportionaleHoehe(7, QSize(2, 1)), 4);  // 3.5
    EXPECT_EQ(ProportionaleHoehe(10, QSize(3, 1)), 3); // 3.33
    EXPECT_EQ(ProportionaleHoehe(300, QSize(400, 300)), 225);
    EXPECT_EQ(ProportionaleHoehe(240, QSize(0, 300)), std::nullopt);
}

TEST_F(Optionen, VorschauAusUndWiederAn)
{
    QCheckBox* seitentreu = teil<QCheckBox>("ChBoSeitentreu");
    QLineEdit* breite = teil<QLineEdit>("EdVorschauBreite");
    QLineEdit* hoehe = teil<QLineEdit>("EdVorschauHoehe");
    e.VorschauErzeugen = false;
    oeffne();
    EXPECT_FALSE(teil<QCheckBox>("ChBoVorschau")->isChecked());
    EXPECT_FALSE(seitentreu->isEnabled());
    EXPECT_FALSE(breite->isEnabled());
    EXPECT_FALSE(hoehe->isEnabled());

    teil<QCheckBox>("ChBoVorschau")->setChecked(true);
    EXPECT_TRUE(e.VorschauErzeugen);
    EXPECT_TRUE(breite->isEnabled());
    EXPECT_TRUE(hoehe->isEnabled());
    EXPECT_FALSE(seitentreu->isEnabled()); // until the next activation
    oeffne();
    EXPECT_TRUE(seitentreu->isEnabled());
    EXPECT_FALSE(hoehe->isEnabled());
}

TEST_F(Optionen, LeerfeldGrenzenVorUndNachDemSchnitt)
{
    QSpinBox* spalte = teil<QSpinBox>("SpEdLeerfeldX");
    QSpinBox* zeile = teil<QSpinBox>("SpEdLeerfeldY");
    // Before the first cut there is only field 0, and nothing to choose.
    e.LeerfeldX = 3;
    oeffne();
    EXPECT_EQ(spalte->maximum(), 0);
    EXPECT_EQ(spalte->minimum(), 0);
    EXPECT_FALSE(spalte->isEnabled());
    EXPECT_EQ(e.LeerfeldX, 0);

    // A position beyond a smaller grid comes onto its last column or row.
    modell().puzzle.kacheln.spalten = 4;
    modell().puzzle.kacheln.zeilen = 3;
    e.LeerfeldX = 6;
    e.LeerfeldY = 1;
    oeffne();
    EXPECT_TRUE(spalte->isEnabled());
    EXPECT_EQ(spalte->maximum(), 3);
    EXPECT_EQ(zeile->maximum(), 2);
    EXPECT_EQ(spalte->value(), 3);
    EXPECT_EQ(e.LeerfeldX, 3);
    EXPECT_EQ(zeile->value(), 1);

    zeile->setValue(2);
    EXPECT_EQ(e.LeerfeldY, 2);
    zeile->setValue(5);
    EXPECT_EQ(e.LeerfeldY, 2);
}

TEST_F(Optionen, AusgabeverzeichnisWaehlenUndAnlegen)
{
    QTemporaryDir temp;
    const QString neu = temp.path() + QStringLiteral("/Neu/Ordner");
    QString start;
    QString frage;
    Dialoge::VerzeichnisWaehlen = [&](QWidget*, const QString& s) {
        start = s;
        return neu;
    };
    Dialoge::Frage = [&](QWidget*, const QString& f) {
        frage = f;
        return false;
    };
    oeffne();
    QPushButton* waehlen = teil<QPushButton>("BuAusgabeverzeichnis");
    const QString vorher = e.Ausgabeverzeichnis;

    // Declined: nothing is created and nothing changes.
    waehlen->click();
    EXPECT_EQ(start, QDir::currentPath());
    EXPECT_EQ(frage, QStringLiteral("Das angegebene Verzeichnis existiert nicht. Soll es angelegt werden?"));
    EXPECT_FALSE(QDir(neu).exists());
    EXPECT_EQ(e.Ausgabeverzeichnis, vorher);

    // Accepted: created, stored with one separator at the end.
    Dialoge::Frage = [](QWidget*, const QString&) { return true; };
    waehlen->click();
    EXPECT_TRUE(QDir(neu).exists());
    const QString erwartet = QDir::toNativeSeparators(neu) + QDir::separator();
#ifdef Q_OS_WIN
    EXPECT_EQ(e.Ausgabeverzeichnis, erwartet.toLower());
#else
    EXPECT_EQ(e.Ausgabeverzeichnis, erwartet); // the case is kept
#endif
    EXPECT_EQ(teil<QLineEdit>("EdAusgabeverzeichnis")->text(), e.Ausgabeverzeichnis);

    // An existing directory given with its separator gets no second one, and
    // no question is asked.
    frage.clear();
    Dialoge::Frage = [&](QWidget*, const QString& f) {
        frage = f;
        return true;
    };
    Dialoge::VerzeichnisWaehlen = [&](QWidget*, const QString&) { return temp.path() + QLatin1Char('/'); };
    waehlen->click();
    EXPECT_TRUE(frage.isEmpty());
    EXPECT_TRUE(e.Ausgabeverzeichnis.endsWith(QDir::separator()));
    EXPECT_FALSE(e.Ausgabeverzeichnis.endsWith(QString(QDir::separator()) + QDir::separator()));

    // Cancelled: nothing changes.
    const QString gewaehlt = e.Ausgabeverzeichnis;
    Dialoge::VerzeichnisWaehlen = [](QWidget*, const QString&) { return QString(); };
    waehlen->click();
    EXPECT_EQ(e.Ausgabeverzeichnis, gewaehlt);
}

TEST_F(Optionen, FarbenAusDenFarbdialogen)
{
    oeffne();
    Farbfeld* leerfeld = teil<Farbfeld>("CoBoLeerfeld");
    Farbfeld* gitterlinien = teil<Farbfeld>("CoBoGitterlinienfarbe");
    QColor vorgabe;
    Dialoge::FarbeWaehlen = [&](QWidget*, const QColor& v) -> std::optional<QColor> {
        vorgabe = v;
        return QColor(10, 20, 30);
    };
    leerfeld->showPopup();
    EXPECT_EQ(vorgabe, QColor(255, 0, 0));
    EXPECT_EQ(e.Leerfeldfarbe, 0x1E140Au);
    EXPECT_EQ(leerfeld->farbe(), QColor(10, 20, 30));

    gitterlinien->showPopup();
    EXPECT_EQ(e.Gitterlinienfarbe, 0x1E140Au);
    EXPECT_EQ(gitterlinien->farbe(), QColor(10, 20, 30));

    // Cancelled: the colour stays.
    Dialoge::FarbeWaehlen = [](QWidget*, const QColor&) -> std::optional<QColor> { return std::nullopt; };
    leerfeld->showPopup();
    EXPECT_EQ(e.Leerfeldfarbe, 0x1E140Au);
}

TEST_F(Optionen, AntwortenUndGitterbreiteBleibenBeiDerAktivierung)
{
    QPlainTextEdit* antworten = teil<QPlainTextEdit>("MeAntworten");
    QSpinBox* richtige = teil<QSpinBox>("SpEdRichtigeAntwort");
    QSpinBox* gitterbreite = teil<QSpinBox>("SpEdGitterbreite");
    QCheckBox* zugZaehler = teil<QCheckBox>("ChBoZugZaehler");
    QCheckBox* zugausgabe = teil<QCheckBox>("ChBoZugausgabe");
    oeffne();
    teil<QPushButton>("BuLoeschen")->click();
    EXPECT_TRUE(antworten->toPlainText().isEmpty());
    antworten->setPlainText(QStringLiteral("Turm\nBrücke"));
    richtige->setValue(2);
    teil<QRadioButton>("RaGrAntwortenUnten")->setChecked(true);
    EXPECT_EQ(e.Antworten, (QStringList{QStringLiteral("Turm"), QStringLiteral("Brücke")}));
    EXPECT_EQ(e.RichtigeAntwort, 2);
    EXPECT_TRUE(e.AntwortenUnten);
    gitterbreite->setValue(-3); // no bounds: reaches the pages as typed
    EXPECT_EQ(e.Gitterbreite, -3);
    gitterbreite->setValue(0);
    EXPECT_EQ(e.Gitterbreite, 0);

    zugZaehler->setChecked(false);
    teil<QCheckBox>("ChBoSpielzeit")->setChecked(false);
    zugausgabe->setChecked(false);
    teil<QCheckBox>("ChBoSpielfeldMinimal")->setChecked(false);
    teil<QLineEdit>("EdUeberschrift")->setText(QStringLiteral("Rätsel"));
    EXPECT_FALSE(e.ZugZaehler);
    EXPECT_FALSE(e.Spielzeit);
    EXPECT_FALSE(e.Zugausgabe);
    EXPECT_FALSE(e.ZugausgabeImSpiel);
    EXPECT_FALSE(e.SpielfeldMinimal);
    EXPECT_EQ(e.Ueberschrift, QStringLiteral("Rätsel"));

    oeffne();
    EXPECT_EQ(antworten->toPlainText(), QStringLiteral("Turm\nBrücke"));
    EXPECT_EQ(richtige->value(), 2);
    EXPECT_TRUE(teil<QRadioButton>("RaGrAntwortenUnten")->isChecked());
    EXPECT_EQ(gitterbreite->value(), 0);
    EXPECT_FALSE(zugZaehler->isChecked());
    EXPECT_FALSE(zugausgabe->isChecked());

    // Put the shared controls back for the tests that follow.
    antworten->setPlainText(Beispielantworten().join(QLatin1Char('\n')));
    richtige->setValue(1);
    teil<QRadioButton>("RaGrAntwortenRechts")->setChecked(true);
    gitterbreite->setValue(1);
}

TEST_F(Optionen, ArbeitsblattWahlenFolgenDenEinstellungen)
{
    // Both start off: the faint picture gives much away, the marks the answer.
    oeffne();
    QCheckBox* blass = teil<QCheckBox>("ChBoBlassesBild");
    QCheckBox* marken = teil<QCheckBox>("ChBoLoesungsmarken");
    EXPECT_FALSE(blass->isChecked());
    EXPECT_FALSE(marken->isChecked());
    EXPECT_TRUE(o.rect().contains(teil<QGroupBox>("GrBoArbeitsblatt")->geometry()));
    blass->click();
    EXPECT_TRUE(e.ArbeitsblattBlassesBild);
    e.ArbeitsblattLoesungsmarken = true;
    oeffne();
    EXPECT_TRUE(marken->isChecked());
    EXPECT_TRUE(blass->isChecked());
}

} // namespace
