// Ending the program: Escape, the window manager's close (Alt+F4, the close
// box) and the end of a session all end it as "&Ende" does, with its scratch
// files; a program killed outright leaves them to the next start.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "codecs/bildcodec.h"
#include "fenster/dialoge.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

TEST(Programmende, EscapeBeendetDasProgramm)
{
    Hauptfenster& haupt = testhilfe::Anwendung().hauptfenster();
    haupt.show();
    bool gedrueckt = false;
    QTimer::singleShot(0, [&] {
        // The key arrives at whatever control has the focus, here a grid field.
        QSpinBox* feld = testhilfe::Teil<QSpinBox>(&haupt, "SpEdOffx");
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_Escape);
        gedrueckt = true;
        // Escape ends the loop at once; a loop still running reaches this.
        QTimer::singleShot(0, [] { QCoreApplication::exit(99); });
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(gedrueckt);
    EXPECT_FALSE(haupt.isVisible());
}

namespace {

// Closes the main window as the user does and says whether the program
// ended; `antwort` answers a question before ending, which lands in `frage`.
bool SchliesseHauptfenster(bool antwort, QString* frage)
{
    Hauptfenster& haupt = testhilfe::Anwendung().hauptfenster();
    haupt.show();
    frage->clear();
    Dialoge::Beenden = [&](QWidget*, const QString& text) {
        *frage = text;
        return antwort;
    };
    QTimer::singleShot(0, [&] {
        haupt.close();
        QTimer::singleShot(0, [] { QCoreApplication::exit(99); });
    });
    const bool beendet = QApplication::exec() == 0;
    Dialoge::Beenden = [](QWidget*, const QString&) { return false; };
    return beendet;
}

} // namespace

// Work that no file holds yet is not lost without a word: a cut not written,
// options changed since the last writing.
TEST(Programmende, UngesichertesFragtVorDemEnde)
{
    testhilfe::Startwerte();
    testhilfe::StummeDialoge();
    testhilfe::Modell().programmverzeichnis = testhilfe::Bauverzeichnis();
    Hauptfenster& haupt = testhilfe::Anwendung().hauptfenster();
    QTemporaryDir ordner;
    const QString bild = ordner.filePath(QStringLiteral("luftbild.bmp"));
    ASSERT_TRUE(bildcodec::SchreibeBmp(testhilfe::Muster(200, 150), bild, nullptr));
    testhilfe::Teil<QScrollBar>(&haupt, "ScBaWartezeit")->setValue(0);
    haupt.LadeBild(bild);
    QString frage;
    EXPECT_TRUE(SchliesseHauptfenster(false, &frage)); // a picture alone is in its file
    EXPECT_TRUE(frage.isEmpty());

    testhilfe::Teil<QAction>(&haupt, "MenuSchneiden")->trigger();
    EXPECT_FALSE(SchliesseHauptfenster(false, &frage)); // "Zurück"
    EXPECT_TRUE(frage.startsWith(QStringLiteral("Das geschnittene Puzzle ist noch nicht gespeichert.")));
    EXPECT_TRUE(haupt.isVisible());
    EXPECT_TRUE(SchliesseHauptfenster(true, &frage)); // "Beenden"

    // Written: nothing to lose, until the options change.
    testhilfe::Modell().einstellungen.Ausgabeverzeichnis = ordner.path() + QLatin1Char('/');
    testhilfe::Teil<QAction>(&haupt, "MenuKachelnJpg")->trigger();
    EXPECT_TRUE(SchliesseHauptfenster(false, &frage));
    EXPECT_TRUE(frage.isEmpty());
    QWidget* optionen = testhilfe::Fenster("Optionsdialog");
    optionen->show();
    QTest::keyClicks(testhilfe::Teil<QLineEdit>(optionen, "EdUeberschrift"), QStringLiteral("Klasse 4b"));
    optionen->hide();
    EXPECT_FALSE(SchliesseHauptfenster(false, &frage));
    EXPECT_TRUE(frage.startsWith(QStringLiteral("Die Optionen")));
    testhilfe::Teil<QAction>(&haupt, "MenuSchiebeseite")->trigger();
    EXPECT_TRUE(SchliesseHauptfenster(false, &frage));
}

namespace {

bool Warte(const std::function<bool()>& bedingung, int ms = 20000)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung() && uhr.elapsed() < ms)
        QThread::msleep(20);
    return bedingung();
}

// The program started as a user starts it, with a photo, its temporary
// directory of its own, so its scratch folder can be watched.
class Lauf : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid() && m_fotos.isValid());
        foto = m_fotos.filePath(QStringLiteral("foto.jpg"));
        ASSERT_TRUE(bildcodec::SchreibeJpeg(testhilfe::Muster(120, 80), foto, 90, nullptr));
    }

    void starte(QProcess& programm, const QStringList& umgebung = {QStringLiteral("QT_QPA_PLATFORM=offscreen")})
    {
        QStringList env = QProcess::systemEnvironment() << QStringLiteral("TMPDIR=") + m_temp.path();
        env << umgebung;
        programm.setEnvironment(env);
        programm.start(testhilfe::Bauverzeichnis() + QStringLiteral("tesselo"), {foto});
        ASSERT_TRUE(programm.waitForStarted());
    }

    // The scratch folders in the program's temporary directory.
    QStringList arbeitsordner() const
    {
        return QDir(m_temp.path()).entryList({QStringLiteral("tesselo-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    }
    // The converted bitmap, which lies in a scratch folder, never beside the photo.
    bool bitmapDa() const
    {
        for (const QString& ordner : arbeitsordner())
            if (QFileInfo::exists(m_temp.filePath(ordner + QStringLiteral("/foto.bmp"))))
                return true;
        return false;
    }
    QStringList fotoordner() const { return QDir(m_fotos.path()).entryList(QDir::Files | QDir::Hidden); }

    QString foto;

private:
    QTemporaryDir m_temp;
    QTemporaryDir m_fotos;
};

// A display with a window manager, as on a desktop: the manager's close
// reaches the window as the close box does.
class Bildschirm
{
public:
    Bildschirm()
    {
        for (int nummer = 140; nummer < 200 && m_name.isEmpty(); ++nummer)
            if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(nummer)) &&
                !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(nummer)))
                m_name = QStringLiteral(":%1").arg(nummer);
        m_x.start(QStringLiteral("Xvfb"), {m_name, QStringLiteral("-screen"), QStringLiteral("0"),
                                           QStringLiteral("1366x768x24"), QStringLiteral("-nolisten"),
                                           QStringLiteral("tcp")});
        const QString sockel = QStringLiteral("/tmp/.X11-unix/X") + m_name.mid(1);
        if (!m_x.waitForStarted() || !Warte([&] { return QFileInfo::exists(sockel); }, 10000))
            return;
        m_wm.setEnvironment(QProcess::systemEnvironment() << QStringLiteral("DISPLAY=") + m_name);
        m_wm.start(QStringLiteral("openbox"), {});
        m_bereit = m_wm.waitForStarted();
        QThread::msleep(500); // the manager takes the screen over
    }
    ~Bildschirm()
    {
        m_wm.kill();
        m_wm.waitForFinished();
        m_x.kill();
        m_x.waitForFinished();
    }

    bool Bereit() const { return m_bereit; }
    QString Name() const { return m_name; }

    // Runs xdotool on this display; true when it succeeded.
    bool Xdotool(const QStringList& argumente) const
    {
        QProcess xdotool;
        xdotool.setEnvironment(QProcess::systemEnvironment() << QStringLiteral("DISPLAY=") + m_name);
        xdotool.start(QStringLiteral("xdotool"), argumente);
        return xdotool.waitForFinished(20000) && xdotool.exitCode() == 0;
    }

private:
    QString m_name;
    QProcess m_x;
    QProcess m_wm;
    bool m_bereit = false;
};

} // namespace

// Alt+F4, as the close box, ends the program: it does not run on without a
// window, and its scratch folder goes with it.
TEST_F(Lauf, SchliessenDurchDenFenstermanagerBeendetDasProgramm)
{
    Bildschirm bildschirm;
    if (!bildschirm.Bereit())
        GTEST_SKIP() << "Xvfb und openbox fehlen";
    QProcess programm;
    starte(programm, {QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("DISPLAY=") + bildschirm.Name()});
    ASSERT_TRUE(Warte([&] { return bitmapDa(); }));
    ASSERT_TRUE(bildschirm.Xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                    QStringLiteral("--name"), QStringLiteral("Tesselo V1.6"),
                                    QStringLiteral("windowactivate"), QStringLiteral("--sync")}));
    ASSERT_TRUE(bildschirm.Xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")}));
    ASSERT_TRUE(programm.waitForFinished(20000)) << "läuft ohne Fenster weiter";
    EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programm.exitCode(), 0);
    EXPECT_TRUE(arbeitsordner().isEmpty());
    EXPECT_EQ(fotoordner(), QStringList{QStringLiteral("foto.jpg")});
}

// The end of a session ends the program as "&Ende" does, without a question.
TEST_F(Lauf, SignalRaeumtDieBitmapAuf)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        QProcess programm;
        starte(programm);
        ASSERT_TRUE(Warte([&] { return bitmapDa(); }));
        ::kill(pid_t(programm.processId()), signal);
        ASSERT_TRUE(programm.waitForFinished(20000));
        EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(programm.exitCode(), 0);
        EXPECT_TRUE(arbeitsordner().isEmpty()) << signal;
    }
    EXPECT_EQ(fotoordner(), QStringList{QStringLiteral("foto.jpg")});
}

// A program killed outright cannot clean up; the next start does.
TEST_F(Lauf, NachEinemAbsturzRaeumtDerNaechsteStartAuf)
{
    QProcess erster;
    starte(erster);
    ASSERT_TRUE(Warte([&] { return bitmapDa(); }));
    const QStringList verlassen = arbeitsordner();
    erster.kill(); // SIGKILL
    ASSERT_TRUE(erster.waitForFinished(20000));
    ASSERT_EQ(arbeitsordner(), verlassen);

    QProcess zweiter;
    starte(zweiter);
    EXPECT_TRUE(Warte([&] {
        const QStringList jetzt = arbeitsordner();
        return jetzt.size() == 1 && jetzt != verlassen;
    })) << qPrintable(arbeitsordner().join(u' '));
    ::kill(pid_t(zweiter.processId()), SIGTERM);
    ASSERT_TRUE(zweiter.waitForFinished(20000));
    EXPECT_TRUE(arbeitsordner().isEmpty());
    EXPECT_EQ(fotoordner(), QStringList{QStringLiteral("foto.jpg")});
}
