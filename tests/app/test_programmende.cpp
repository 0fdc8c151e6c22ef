// Escape in the main window ends the program, although no "Ende" button is
// visible: the message loop returns.
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"

#include <QApplication>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Programmende, EscapeBeendetDasProgramm)
{
    Form1->show();
    bool gedrueckt = false;
    QTimer::singleShot(0, [&] {
        // The key arrives at whatever control has the focus, here a grid field.
        Form1->SpEdOffx->setFocus();
        QTest::keyClick(Form1->SpEdOffx, Qt::Key_Escape);
        gedrueckt = true;
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); }); // would mean: not ended
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(gedrueckt);
    EXPECT_FALSE(Form1->isVisible());
}
