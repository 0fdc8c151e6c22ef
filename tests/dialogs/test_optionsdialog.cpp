// The options dialog: activation, the settings each control writes, and the
// dialogs behind its buttons and swatches.
#include "fenster/bildfeld.h"
#include "fenster/dialoge.h"
#include "fenster/farbfeld.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "app/einstellungen.h"
#include "dialogs/puz_opt.h"
#include "dialogs/schieberegler.h"
#include "testhilfe.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Optionen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        puz_var::Startwerte();
        testhilfe::StummeDialoge();
        Form1->ImBild->setzeBild(QImage(400, 300, QImage::Format_RGB32));
    }

    void TearDown() override
    {
        Fo_Optionen->hide();
        (void)QTest::qWaitFor([] { return !QApplication::activeWindow(); }, 1000);
    }

    TFo_Optionen& o = *Fo_Optionen;
};

TEST_F(Optionen, VorDerErstenAktivierungUndBeimOeffnen)
{
    // A dialog never activated yet: the boxes show their form state, not the
    // settings (Zugausgabe and SpielfeldMinimal start true).
    TFo_Optionen frisch;
    EXPECT_FALSE(frisch.ChBoZugausgabe->isChecked());
    EXPECT_FALSE(frisch.ChBoSpielfeldMinimal->isChecked());
    EXPECT_TRUE(frisch.ChBoZugZaehler->isChecked());
    EXPECT_TRUE(frisch.ChBoSpielzeit->isChecked());
    EXPECT_EQ(frisch.MeAntworten->toPlainText().split(QLatin1Char('\n')).size(), 5);
    EXPECT_EQ(frisch.SpEdRichtigeAntwort->value(), 1);
    EXPECT_EQ(frisch.AntwortPosition(), 0);
    EXPECT_EQ(frisch.size(), QSize(606, 383));

    // Opened from the main window: activation copies the settings in.
    puz_var::Ueberschrift = QStringLiteral("Unser Schulhof");
    puz_var::Programmverzeichnis = QStringLiteral("/opt/tesselo/");
    puz_var::Leerfeldfarbe = 0x00FF00;
    puz_var::JPEGQualitaet = 70;
    Form1->MenuOptionenClick();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Fo_Optionen));
    EXPECT_TRUE(o.ChBoZugausgabe->isChecked());
    EXPECT_TRUE(o.ChBoSpielfeldMinimal->isChecked());
    EXPECT_EQ(o.EdUeberschrift->text(), QStringLiteral("Unser Schulhof"));
    EXPECT_EQ(o.EdProgrammverzeichnis->text(), QStringLiteral("/opt/tesselo/"));
    EXPECT_EQ(o.EdAusgabeverzeichnis->text(), puz_var::Ausgabeverzeichnis);
    EXPECT_FALSE(o.EdAusgabeverzeichnis->isEnabled());
    EXPECT_EQ(o.CoBoLeerfeld->farbe(), QColor(0, 255, 0));
    EXPECT_EQ(o.CoDiLeerfeld, QColor(0, 255, 0));

    // The track bar: position, marks at 0, 10 ... 100 only, the selection
    // from 0 to the position, following every change.
    EXPECT_EQ(o.TrBaJPEGQualitaet->value(), 70);
    EXPECT_EQ(o.TrBaJPEGQualitaet->Marken(), (QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(o.TrBaJPEGQualitaet->Auswahlanfang(), 0);
    EXPECT_EQ(o.TrBaJPEGQualitaet->Auswahlende(), 70);
    o.TrBaJPEGQualitaet->setValue(33);
    EXPECT_EQ(puz_var::JPEGQualitaet, 33);
    EXPECT_EQ(o.TrBaJPEGQualitaet->Auswahlende(), 33);

    QTest::keyClick(&o, Qt::Key_Escape);
    EXPECT_FALSE(o.isVisible());
}

TEST_F(Optionen, VorschaugroesseMitSeitenverhaeltnis)
{
    o.FormActivate();
    // 240 wide for a 400 x 300 picture: activation sets 180.
    EXPECT_EQ(puz_var::VorschauHoehe, 180);
    EXPECT_EQ(o.EdVorschauHoehe->text(), QStringLiteral("180"));
    EXPECT_FALSE(o.EdVorschauHoehe->isEnabled());

    o.EdVorschauBreite->setText(QStringLiteral("300"));
    EXPECT_EQ(puz_var::VorschauBreite, 300);
    EXPECT_EQ(puz_var::VorschauHoehe, 225);
    EXPECT_EQ(o.EdVorschauHoehe->text(), QStringLiteral("180")); // until the next activation
    o.FormActivate();
    EXPECT_EQ(o.EdVorschauHoehe->text(), QStringLiteral("225"));

    // No number, an empty field, and no size at all leave both settings.
    for (const char* text : {"abc", "", "0", "-20", "12x"}) {
        o.EdVorschauBreite->setText(QString::fromLatin1(text));
        EXPECT_EQ(puz_var::VorschauBreite, 300) << text;
        EXPECT_EQ(puz_var::VorschauHoehe, 225) << text;
    }

    // Without the proportions the height is typed freely.
    o.ChBoSeitentreu->setChecked(false);
    EXPECT_FALSE(puz_var::Seitentreu);
    EXPECT_TRUE(o.EdVorschauHoehe->isEnabled());
    o.EdVorschauHoehe->setText(QStringLiteral("99"));
    EXPECT_EQ(puz_var::VorschauHoehe, 99);
    o.EdVorschauBreite->setText(QStringLiteral("120"));
    EXPECT_EQ(puz_var::VorschauHoehe, 99);

    // Halves go to the even neighbour; an empty picture gives nothing.
    EXPECT_EQ(TFo_Optionen::ProportionaleHoehe(5, QSize(2, 1)), 2);  // 2.5
    EXPECT_EQ(TFo_Optionen::ProportionaleHoehe(7, QSize(2, 1)), 4);  // 3.5
    EXPECT_EQ(TFo_Optionen::ProportionaleHoehe(10, QSize(3, 1)), 3); // 3.33
    EXPECT_EQ(TFo_Optionen::ProportionaleHoehe(300, QSize(400, 300)), 225);
    EXPECT_EQ(TFo_Optionen::ProportionaleHoehe(240, QSize(0, 300)), std::nullopt);
}

TEST_F(Optionen, VorschauAusUndWiederAn)
{
    puz_var::VorschauErzeugen = false;
    o.FormActivate();
    EXPECT_FALSE(o.ChBoVorschau->isChecked());
    EXPECT_FALSE(o.ChBoSeitentreu->isEnabled());
    EXPECT_FALSE(o.EdVorschauBreite->isEnabled());
    EXPECT_FALSE(o.EdVorschauHoehe->isEnabled());

    o.ChBoVorschau->setChecked(true);
    EXPECT_TRUE(puz_var::VorschauErzeugen);
    EXPECT_TRUE(o.EdVorschauBreite->isEnabled());
    EXPECT_TRUE(o.EdVorschauHoehe->isEnabled());
    EXPECT_FALSE(o.ChBoSeitentreu->isEnabled()); // until the next activation
    o.FormActivate();
    EXPECT_TRUE(o.ChBoSeitentreu->isEnabled());
    EXPECT_FALSE(o.EdVorschauHoehe->isEnabled());
}

TEST_F(Optionen, LeerfeldGrenzenVorUndNachDemSchnitt)
{
    // Before the first cut there is only field 0, and nothing to choose.
    puz_var::LeerfeldX = 3;
    o.FormActivate();
    EXPECT_EQ(o.SpEdLeerfeldX->maximum(), 0);
    EXPECT_EQ(o.SpEdLeerfeldX->minimum(), 0);
    EXPECT_FALSE(o.SpEdLeerfeldX->isEnabled());
    EXPECT_EQ(puz_var::LeerfeldX, 0);

    // A position beyond a smaller grid comes onto its last column or row.
    puz_var::Spalten = 4;
    puz_var::Zeilen = 3;
    puz_var::LeerfeldX = 6;
    puz_var::LeerfeldY = 1;
    o.FormActivate();
    EXPECT_TRUE(o.SpEdLeerfeldX->isEnabled());
    EXPECT_EQ(o.SpEdLeerfeldX->maximum(), 3);
    EXPECT_EQ(o.SpEdLeerfeldY->maximum(), 2);
    EXPECT_EQ(o.SpEdLeerfeldX->value(), 3);
    EXPECT_EQ(puz_var::LeerfeldX, 3);
    EXPECT_EQ(o.SpEdLeerfeldY->value(), 1);

    o.SpEdLeerfeldY->setValue(2);
    EXPECT_EQ(puz_var::LeerfeldY, 2);
    o.SpEdLeerfeldY->setValue(5);
    EXPECT_EQ(puz_var::LeerfeldY, 2);
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
    o.FormActivate();
    const QString vorher = puz_var::Ausgabeverzeichnis;

    // Declined: nothing is created and nothing changes.
    o.BuAusgabeverzeichnisClick();
    EXPECT_EQ(start, QDir::currentPath());
    EXPECT_EQ(frage, QStringLiteral("Das angegebene Verzeichnis existiert nicht. Soll es angelegt werden?"));
    EXPECT_FALSE(QDir(neu).exists());
    EXPECT_EQ(puz_var::Ausgabeverzeichnis, vorher);

    // Accepted: created, stored with one separator at the end.
    Dialoge::Frage = [](QWidget*, const QString&) { return true; };
    o.BuAusgabeverzeichnisClick();
    EXPECT_TRUE(QDir(neu).exists());
    const QString erwartet = QDir::toNativeSeparators(neu) + QDir::separator();
#ifdef Q_OS_WIN
    EXPECT_EQ(puz_var::Ausgabeverzeichnis, erwartet.toLower());
#else
    EXPECT_EQ(puz_var::Ausgabeverzeichnis, erwartet); // the case is kept
#endif
    EXPECT_EQ(o.EdAusgabeverzeichnis->text(), puz_var::Ausgabeverzeichnis);

    // An existing directory given with its separator gets no second one, and
    // no question is asked.
    frage.clear();
    Dialoge::Frage = [&](QWidget*, const QString& f) {
        frage = f;
        return true;
    };
    Dialoge::VerzeichnisWaehlen = [&](QWidget*, const QString&) { return temp.path() + QLatin1Char('/'); };
    o.BuAusgabeverzeichnisClick();
    EXPECT_TRUE(frage.isEmpty());
    EXPECT_TRUE(puz_var::Ausgabeverzeichnis.endsWith(QDir::separator()));
    EXPECT_FALSE(puz_var::Ausgabeverzeichnis.endsWith(QString(QDir::separator()) + QDir::separator()));

    // Cancelled: nothing changes.
    const QString gewaehlt = puz_var::Ausgabeverzeichnis;
    Dialoge::VerzeichnisWaehlen = [](QWidget*, const QString&) { return QString(); };
    o.BuAusgabeverzeichnisClick();
    EXPECT_EQ(puz_var::Ausgabeverzeichnis, gewaehlt);
}

TEST_F(Optionen, FarbenAusDenFarbdialogen)
{
    o.FormActivate();
    QColor vorgabe;
    Dialoge::FarbeWaehlen = [&](QWidget*, const QColor& v) -> std::optional<QColor> {
        vorgabe = v;
        return QColor(10, 20, 30);
    };
    o.CoBoLeerfeld->showPopup();
    EXPECT_EQ(vorgabe, QColor(255, 0, 0));
    EXPECT_EQ(puz_var::Leerfeldfarbe, 0x1E140Au);
    EXPECT_EQ(o.CoBoLeerfeld->farbe(), QColor(10, 20, 30));

    o.CoBoGitterlinienfarbe->showPopup();
    EXPECT_EQ(puz_var::Gitterlinienfarbe, 0x1E140Au);
    EXPECT_EQ(o.CoBoGitterlinienfarbe->farbe(), QColor(10, 20, 30));

    // Cancelled: the colour stays.
    Dialoge::FarbeWaehlen = [](QWidget*, const QColor&) -> std::optional<QColor> { return std::nullopt; };
    o.CoBoLeerfeld->showPopup();
    EXPECT_EQ(puz_var::Leerfeldfarbe, 0x1E140Au);
}

TEST_F(Optionen, DirektGeleseneFelderBleibenBeiDerAktivierung)
{
    o.FormActivate();
    o.BuLoeschen->click();
    EXPECT_TRUE(o.MeAntworten->toPlainText().isEmpty());
    o.MeAntworten->setPlainText(QStringLiteral("Turm\nBrücke"));
    o.SpEdRichtigeAntwort->setValue(2);
    o.RaGrAntwortenUnten->setChecked(true);
    o.SpEdGitterbreite->setValue(-3); // no bounds: reaches the pages as typed
    EXPECT_EQ(puz_var::Gitterbreite, -3);
    o.SpEdGitterbreite->setValue(0);
    EXPECT_EQ(puz_var::Gitterbreite, 0);

    o.ChBoZugZaehler->setChecked(false);
    o.ChBoSpielzeit->setChecked(false);
    o.ChBoZugausgabe->setChecked(false);
    o.ChBoSpielfeldMinimal->setChecked(false);
    o.EdUeberschrift->setText(QStringLiteral("Rätsel"));
    EXPECT_FALSE(puz_var::ZugZaehler);
    EXPECT_FALSE(puz_var::Spielzeit);
    EXPECT_FALSE(puz_var::Zugausgabe);
    EXPECT_FALSE(puz_var::SpielfeldMinimal);
    EXPECT_EQ(puz_var::Ueberschrift, QStringLiteral("Rätsel"));

    o.FormActivate();
    EXPECT_EQ(o.MeAntworten->toPlainText(), QStringLiteral("Turm\nBrücke"));
    EXPECT_EQ(o.SpEdRichtigeAntwort->value(), 2);
    EXPECT_EQ(o.AntwortPosition(), 1);
    EXPECT_EQ(o.SpEdGitterbreite->value(), 0);
    EXPECT_FALSE(o.ChBoZugZaehler->isChecked());
    EXPECT_FALSE(o.ChBoZugausgabe->isChecked());

    // Put the shared controls back for the tests that follow.
    o.MeAntworten->setPlainText(Beispielantworten().join(QLatin1Char('\n')));
    o.SpEdRichtigeAntwort->setValue(1);
    o.RaGrAntwortenRechts->setChecked(true);
    o.SpEdGitterbreite->setValue(1);
}

} // namespace
