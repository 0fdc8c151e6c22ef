// Escape in the main window ends the program, although no "Ende" button is
// visible: the message loop returns.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "codecs/bildcodec.h"
#include "testhilfe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <csignal>
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

// The end of a session ends the program as "&Ende" does: the bitmap it wrote
// beside a JPEG does not stay behind.
TEST(Programmende, SignalRaeumtDieBitmapNebenDemJpegAuf)
{
    QTemporaryDir ordner;
    const QString foto = ordner.filePath(QStringLiteral("foto.jpg"));
    ASSERT_TRUE(bildcodec::SchreibeJpeg(testhilfe::Muster(120, 80), foto, 90, nullptr));
    for (const int signal : {SIGTERM, SIGHUP}) {
        QProcess programm;
        programm.start(testhilfe::Bauverzeichnis() + QStringLiteral("tesselo"), {foto});
        ASSERT_TRUE(programm.waitForStarted());
        QElapsedTimer uhr;
        uhr.start();
        while (!QFileInfo::exists(ordner.filePath(QStringLiteral("foto.bmp"))) && uhr.elapsed() < 20000)
            QThread::msleep(20);
        ASSERT_TRUE(QFileInfo::exists(ordner.filePath(QStringLiteral("foto.bmp"))));
        ::kill(pid_t(programm.processId()), signal);
        ASSERT_TRUE(programm.waitForFinished(20000));
        EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(programm.exitCode(), 0);
        EXPECT_FALSE(QFileInfo::exists(ordner.filePath(QStringLiteral("foto.bmp")))) << signal;
    }
}
