// The sample pictures from a newcomer's side: the picture dialog offers
// their folder, and a sample's puzzle never lands in the program's folder.
#include "vorbereitung_hilfe.h"

#include "app/datenorte.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QUrl>

namespace {

struct Dialogblick {
    QString verzeichnis;
    QList<QUrl> seitenleiste;
    bool gesehen = false;
};

// Opens the program's real picture dialog, notes where it stands and what
// its side bar lists, and cancels it.
Dialogblick SchaueInDenBilddialog()
{
    Dialogblick blick;
    QTimer::singleShot(0, [&blick] {
        for (QWidget* fenster : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(fenster); dialog && dialog->isVisible()) {
                blick.verzeichnis = dialog->directory().canonicalPath();
                blick.seitenleiste = dialog->sidebarUrls();
                blick.gesehen = true;
                dialog->reject();
            }
    });
    // Through "&Laden", which gives the dialog its start and the samples;
    // cancelled, the load changes nothing.
    Dialoge::EchteDialoge();
    testhilfe::Teil<QAction>(&testhilfe::Anwendung().hauptfenster(), "MenuLaden")->trigger();
    testhilfe::StummeDialoge();
    return blick;
}

// The folder the next picture dialog starts in.
QString Startordner()
{
    QString start;
    Dialoge::BildOeffnen = [&start](QWidget*, const QString& ordner, const QString&) {
        start = ordner;
        return QString();
    };
    testhilfe::Teil<QAction>(&testhilfe::Anwendung().hauptfenster(), "MenuLaden")->trigger();
    Dialoge::BildOeffnen = [](QWidget*, const QString&, const QString&) { return QString(); };
    return start;
}

} // namespace

class Beispiele : public Vorbereitung
{
protected:
    void SetUp() override
    {
        Vorbereitung::SetUp();
        ASSERT_TRUE(m_programm.isValid());
        QDir().mkpath(m_programm.path() + "/Beispiele");
        modell().programmverzeichnis = m_programm.path() + QLatin1Char('/');
        modell().einstellungen.Ausgabeverzeichnis = pfad();
    }

    QString beispielordner() const { return m_programm.path() + "/Beispiele"; }

    QTemporaryDir m_programm;
};

TEST_F(Beispiele, BilddialogStehtImBeispielordnerBisEinBildGewaehltIst)
{
    Dialogblick blick = SchaueInDenBilddialog();
    ASSERT_TRUE(blick.gesehen);
    EXPECT_EQ(blick.verzeichnis, QDir(beispielordner()).canonicalPath());
    EXPECT_TRUE(blick.seitenleiste.contains(QUrl::fromLocalFile(beispielordner())));

    // After a picture of the user's the dialog returns to its folder, and the
    // samples stay one click away.
    lade(legeBmpAn("eigenes.bmp", testhilfe::Muster(100, 100)));
    blick = SchaueInDenBilddialog();
    ASSERT_TRUE(blick.gesehen);
    EXPECT_EQ(blick.verzeichnis, QDir(pfad()).canonicalPath());
    EXPECT_TRUE(blick.seitenleiste.contains(QUrl::fromLocalFile(beispielordner())));
}

TEST_F(Beispiele, SeitenleisteNurMitDenBeispielenDieserKopie)
{
    // The dialog remembers its side bar between uses; a second copy of the
    // program (installed beside the build) must not see the first's samples.
    ASSERT_TRUE(SchaueInDenBilddialog().gesehen);
    QTemporaryDir andereKopie;
    QDir().mkpath(andereKopie.path() + "/Beispiele");
    modell().programmverzeichnis = andereKopie.path() + QLatin1Char('/');
    Dialogblick blick = SchaueInDenBilddialog();
    ASSERT_TRUE(blick.gesehen);
    EXPECT_EQ(blick.seitenleiste.count(QUrl::fromLocalFile(andereKopie.path() + "/Beispiele")), 1);
    EXPECT_FALSE(blick.seitenleiste.contains(QUrl::fromLocalFile(beispielordner())));

    // Without a sample folder there is no entry for it.
    QDir(andereKopie.path() + "/Beispiele").removeRecursively();
    blick = SchaueInDenBilddialog();
    ASSERT_TRUE(blick.gesehen);
    for (const QUrl& eintrag : blick.seitenleiste)
        EXPECT_FALSE(eintrag.toLocalFile().startsWith(andereKopie.path())) << qPrintable(eintrag.toString());
}

TEST_F(Beispiele, EinBeispielSchreibtNichtsInDenProgrammordner)
{
    const QString beispiel = beispielordner() + "/landschaft.jpg";
    ASSERT_TRUE(bildcodec::SchreibeJpeg(testhilfe::Muster(200, 150), beispiel, 90, nullptr));
    lade(beispiel);
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join('\n'));
    EXPECT_EQ(QDir(beispielordner()).entryList(QDir::Files), QStringList({"landschaft.jpg"}));
    const QString bilddatei = modell().puzzle.bilddatei;
    EXPECT_TRUE(bilddatei.startsWith(haupt().Arbeitsverzeichnis())) << qPrintable(bilddatei);
    EXPECT_EQ(modell().einstellungen.Ausgabeverzeichnis, StartAusgabeverzeichnis());
    // The next picture dialog still starts among the samples.
    EXPECT_EQ(QDir(Startordner()).canonicalPath(), QDir(beispielordner()).canonicalPath());

    // A picture of the user's with a sample's name is the user's own.
    const QString eigenes = legeJpegAn("landschaft.jpg", testhilfe::Muster(200, 150));
    lade(eigenes);
    EXPECT_EQ(QDir(modell().einstellungen.Ausgabeverzeichnis).canonicalPath(), QDir(pfad()).canonicalPath());
}
