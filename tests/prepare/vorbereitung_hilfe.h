#pragma once
// Shared fixture of the main-window tests of picture preparation: a fresh
// output directory, start values, dialogs answered by the test, messages
// collected instead of shown.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "codecs/bildcodec.h"
#include "fenster/bildfeld.h"
#include "fenster/dialoge.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
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
        testhilfe::Startwerte();
        modell().programmverzeichnis = QStringLiteral("/kein/programmverzeichnis/");
        testhilfe::StummeDialoge();
        Dialoge::Meldung = [this](QWidget*, const QString& text) { meldungen << text; };
        teil<QScrollBar>("ScBaWartezeit")->setValue(0);
        teil<QSpinBox>("SpEdOffx")->setValue(10);
        teil<QSpinBox>("SpEdOffy")->setValue(10);
        teil<QSpinBox>("SpEdBreite")->setValue(80);
    }

    void TearDown() override { testhilfe::StummeDialoge(); }

    static Hauptfenster& haupt() { return testhilfe::Anwendung().hauptfenster(); }
    static Sitzung& modell() { return testhilfe::Modell(); }
    // A control or menu entry of the main window.
    template <class T>
    static T* teil(const char* name)
    {
        return testhilfe::Teil<T>(&haupt(), name);
    }
    static void waehle(const char* menueintrag) { teil<QAction>(menueintrag)->trigger(); }
    // The picture the main window shows.
    static const QImage& angezeigt() { return teil<Bildfeld>("ImBild")->bild(); }
    // What the user sees of it: the picture as scaled, with the grid lines.
    static QImage gemalt()
    {
        return teil<Bildfeld>("ImBild")->grab().toImage().convertToFormat(QImage::Format_RGB32);
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
        Dialoge::BildOeffnen = [datei](QWidget*, const QString&, const QString&) { return datei; };
        waehle("MenuLaden");
        Dialoge::BildOeffnen = [](QWidget*, const QString&, const QString&) { return QString(); };
    }

    // The command line and the windows share one main path: for the picture
    // with the automatic grid and the start values, "&alle HTML-Spiele" and
    // "als HTML-Tabe&lle" write exactly the files tesselo --export writes.
    // The picture lies alone in the test's directory.
    void vergleicheMitBefehlszeile(const QString& bild)
    {
        modell().programmverzeichnis = testhilfe::Bauverzeichnis();
        Dialoge::Ersetzen = [](QWidget*, const QString&) { return true; };
        lade(bild);
        teil<QPushButton>("BuAuto")->click();
        waehle("MenuSchneiden");
        waehle("MenuAlleSeiten");
        waehle("MenuTabelle");
        ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));

        QProcess programm;
        programm.start(testhilfe::Bauverzeichnis() + QStringLiteral("tesselo"),
                       {QStringLiteral("--export"), pfad(QStringLiteral("aus")), bild});
        ASSERT_TRUE(programm.waitForFinished(60000));
        ASSERT_EQ(programm.exitCode(), 0) << programm.readAllStandardError().constData();

        QStringList fenster = dateien();
        fenster.removeAll(QStringLiteral("aus"));
        fenster.removeAll(QFileInfo(bild).fileName());
        ASSERT_EQ(QDir(pfad(QStringLiteral("aus"))).entryList(QDir::Files, QDir::Name), fenster);
        EXPECT_EQ(fenster.size(), 15 + 2 + 4 + 3); // 3 x 5 tiles, empty tile, preview, pages, answer pictures
        for (const QString& name : fenster) {
            QFile a(pfad(name));
            QFile b(pfad(QStringLiteral("aus/") + name));
            ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            EXPECT_TRUE(a.readAll() == b.readAll()) << qPrintable(name);
        }
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
