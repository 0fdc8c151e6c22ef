#pragma once
// Shared fixture of the main-window tests of picture preparation: a fresh
// output directory, start values, dialogs answered by the test, messages
// collected instead of shown.
#include "app/fenster/bildfeld.h"
#include "app/fenster/dialoge.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "codecs/bildcodec.h"
#include "testhilfe.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QSpinBox>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class Vorbereitung : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_verzeichnis.isValid());
        puz_var::Startwerte();
        puz_var::Programmverzeichnis = QStringLiteral("/kein/programmverzeichnis/");
        testhilfe::StummeDialoge();
        Dialoge::Meldung = [this](QWidget*, const QString& text) { meldungen << text; };
        Form1->ScBaWartezeit->setValue(0);
        Form1->SpEdOffx->setValue(10);
        Form1->SpEdOffy->setValue(10);
        Form1->SpEdBreite->setValue(80);
        Form1->TempDatei = false;
    }

    void TearDown() override
    {
        Form1->TempDatei = false; // the directory goes with the test
        testhilfe::StummeDialoge();
    }

    // Path of a file in the test's directory (with trailing separator for "").
    QString pfad(const QString& name = QString()) const { return m_verzeichnis.path() + QLatin1Char('/') + name; }

    QString legeBmpAn(const QString& name, const QImage& bild) const
    {
        EXPECT_TRUE(bildcodec::SchreibeBmp(bild, pfad(name), nullptr));
        return pfad(name);
    }

    QString legeJpegAn(const QString& name, const QImage& bild) const
    {
        EXPECT_TRUE(bildcodec::SchreibeJpeg(bild, pfad(name), 90, nullptr));
        return pfad(name);
    }

    // Chooses the file in the picture dialog through the menu "&Laden".
    void lade(const QString& datei)
    {
        Dialoge::BildOeffnen = [datei](QWidget*) { return datei; };
        Form1->MenuLaden->trigger();
        Dialoge::BildOeffnen = [](QWidget*) { return QString(); };
    }

    static QImage lies(const QString& datei)
    {
        const std::optional<QImage> bild = bildcodec::LeseBild(datei, nullptr);
        return bild ? *bild : QImage();
    }

    QStringList dateien() const { return QDir(m_verzeichnis.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name); }

    QStringList meldungen;

private:
    QTemporaryDir m_verzeichnis;
};
