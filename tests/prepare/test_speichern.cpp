// Saving tiles, empty tile and preview picture, with the checks before writing.
#include "vorbereitung_hilfe.h"

#include "modell/farbe.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QStringList kacheldateien(const QString& kuerzel, const QString& endung)
{
    QStringList namen;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r)
            namen << kuerzel + QString::number(r) + QLatin1Char('_') + QString::number(c) + endung;
    return namen;
}

} // namespace

class Speichern : public Vorbereitung
{
protected:
    // 361 x 300 with the start grid: 4 columns, 3 rows of 80 pixels.
    void schneide()
    {
        m_bild = testhilfe::Muster(361, 300);
        lade(legeBmpAn(QStringLiteral("luftbild.bmp"), m_bild));
        waehle("MenuSchneiden");
        ASSERT_EQ(modell().puzzle.kacheln.Anzahl(), 12);
        meldungen.clear();
    }

    static Ausgabestand& stand() { return modell().puzzle.ausgabe; }
    static Einstellungen& einstellungen() { return modell().einstellungen; }
    // The question window (top-level, found by its object name) and its buttons.
    static QWidget* frage(const char* name) { return testhilfe::Fenster(name); }
    static void klicke(const char* fenster, const char* knopf)
    {
        testhilfe::Teil<QPushButton>(frage(fenster), knopf)->click();
    }
    static QString warnung(const char* fenster)
    {
        return frage(fenster)->isVisible() ? testhilfe::Teil<QLabel>(frage(fenster), "LaWarnung")->text() : QString();
    }

    QStringList erwartet(const QString& endung, bool vorschau = true) const
    {
        QStringList namen = kacheldateien(QStringLiteral("luftbi"), endung);
        namen << QStringLiteral("luftbile.jpg") << QStringLiteral("luftbild.bmp");
        if (vorschau)
            namen << QStringLiteral("luftbivs.jpg");
        namen.sort();
        return namen;
    }

    QImage m_bild;
};

TEST_F(Speichern, JpegUndBmpMitLeerfeldUndVorschau)
{
    schneide();
    waehle("MenuKachelnJpg");
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(dateien(), erwartet(QStringLiteral(".jpg")));
    EXPECT_TRUE(stand().jpegGespeichert);
    EXPECT_TRUE(stand().geprueft);
    EXPECT_EQ(lies(pfad(QStringLiteral("luftbi2_3.jpg"))).size(), QSize(80, 80));
    EXPECT_EQ(lies(pfad(QStringLiteral("luftbivs.jpg"))).size(), QSize(240, 160));
    const QImage leer = lies(pfad(QStringLiteral("luftbile.jpg")));
    ASSERT_EQ(leer.size(), QSize(80, 80));
    EXPECT_GT(qRed(leer.pixel(40, 40)), 240);
    EXPECT_LT(qBlue(leer.pixel(40, 40)), 15);
    // The empty tile stays shown over the first tile of the mosaic, which
    // keeps its pixels.
    const QRect erstes = teil<Bildfeld>("ImBild")->Anzeigebereich(QRect(0, 0, 80, 80));
    const QImage gezeigt = gemalt();
    EXPECT_EQ(gezeigt.pixelColor(erstes.topLeft()), QColor(0xFF, 0, 0));
    EXPECT_EQ(gezeigt.pixelColor(erstes.bottomRight()), QColor(0xFF, 0, 0));
    EXPECT_TRUE(testhilfe::GleicheBilder(angezeigt().copy(0, 0, 80, 80), modell().puzzle.kacheln.teile.front()));

    // BMP tiles are the picture's pixels exactly; le and vs stay JPEG.
    stand().jpegGespeichert = false;
    waehle("MenuKachelnBmp");
    EXPECT_FALSE(stand().jpegGespeichert);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_TRUE(testhilfe::GleicheBilder(
                lies(pfad(QStringLiteral("luftbi%1_%2.bmp").arg(r).arg(c))),
                m_bild.copy(10 + c * 80, 10 + r * 80, 80, 80)))
                << c << "," << r;
}

// After writing, the status line says what went where, and its button opens
// that folder; after a refusal it says that nothing was written.
TEST_F(Speichern, StatuszeileNenntWasWohinGespeichertWurde)
{
    schneide();
    QLabel* zeile = teil<QLabel>("LaStatus");
    QPushButton* ordner = teil<QPushButton>("BuOrdner");
    waehle("MenuKachelnJpg");
    EXPECT_EQ(zeile->toolTip(),
              QStringLiteral("Gespeichert: 14 JPEG-Bilder in ") + QDir::toNativeSeparators(QDir::cleanPath(pfad())));
    EXPECT_FALSE(ordner->isHidden());
    QString geoeffnet;
    Dialoge::OrdnerOeffnen = [&geoeffnet](QWidget*, const QString& verzeichnis) {
        geoeffnet = verzeichnis;
        return false; // no file manager
    };
    ordner->click();
    EXPECT_EQ(geoeffnet, pfad());
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QDir::toNativeSeparators(pfad()))) << qPrintable(meldungen.first());

    // A tile changed behind the program's back is no longer its own; the
    // question to replace it is answered "Abbrechen".
    QFile fremd(pfad(QStringLiteral("luftbi0_0.jpg")));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.write("anders");
    fremd.close();
    waehle("MenuKachelnJpg");
    EXPECT_EQ(zeile->toolTip(), QStringLiteral("Nichts gespeichert: abgebrochen"));
    EXPECT_TRUE(ordner->isHidden());
}

// The worksheet from the menu: one PDF, no tile files, told in the status line.
TEST_F(Speichern, ArbeitsblattAusDemMenue)
{
    schneide();
    waehle("MenuArbeitsblatt");
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("luftbi-Arbeitsblatt.pdf"), QStringLiteral("luftbild.bmp")}));
    QFile pdf(pfad(QStringLiteral("luftbi-Arbeitsblatt.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_EQ(teil<QLabel>("LaStatus")->toolTip(), QStringLiteral("Gespeichert: 1 PDF-Arbeitsblatt in ") +
                                                      QDir::toNativeSeparators(QDir::cleanPath(pfad())));
}

TEST_F(Speichern, HochformatOhneVorschauUndUnmoeglicheVorschau)
{
    lade(legeBmpAn(QStringLiteral("turm.bmp"), testhilfe::Muster(200, 300)));
    teil<QPushButton>("BuAuto")->click();
    waehle("MenuSchneiden");
    waehle("MenuKachelnJpg");
    EXPECT_EQ(lies(pfad(QStringLiteral("turmvs.jpg"))).size(), QSize(160, 240));

    QFile::remove(pfad(QStringLiteral("turmvs.jpg")));
    einstellungen().VorschauErzeugen = false;
    waehle("MenuKachelnJpg");
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("turmvs.jpg"))));
    EXPECT_TRUE(meldungen.isEmpty());

    // A preview of no size is skipped with a message; the tiles are written.
    einstellungen().VorschauErzeugen = true;
    einstellungen().VorschauBreite = 0;
    QFile::remove(pfad(QStringLiteral("turm0_0.jpg")));
    waehle("MenuKachelnJpg");
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("turm0_0.jpg"))));
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("turmvs.jpg"))));
    EXPECT_TRUE(stand().jpegGespeichert);
}

TEST_F(Speichern, SchreibfehlerBeendetInDerReihenfolgeDerKacheln)
{
    schneide();
    // A directory in place of the fourth tile file: 0_0, 1_0, 2_0 come first.
    ASSERT_TRUE(QDir().mkdir(pfad(QStringLiteral("luftbi0_1.jpg"))));
    waehle("MenuKachelnJpg");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen.first(), QStringLiteral("Datei %1 kann nicht erstellt werden")
                                     .arg(pfad(QStringLiteral("luftbi0_1.jpg"))));
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("luftbi0_0.jpg"), QStringLiteral("luftbi0_1.jpg"),
                                      QStringLiteral("luftbi1_0.jpg"), QStringLiteral("luftbi2_0.jpg"),
                                      QStringLiteral("luftbild.bmp")}));
    EXPECT_TRUE(stand().geprueft);
    EXPECT_FALSE(stand().jpegGespeichert);

    // The empty tile follows all tiles, the preview follows the empty tile.
    QDir().rmdir(pfad(QStringLiteral("luftbi0_1.jpg")));
    ASSERT_TRUE(QDir().mkdir(pfad(QStringLiteral("luftbile.jpg"))));
    meldungen.clear();
    waehle("MenuKachelnJpg");
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_EQ(dateien(), erwartet(QStringLiteral(".jpg"), false));
    EXPECT_FALSE(stand().jpegGespeichert);
}

TEST_F(Speichern, WarnungVorDemProgrammverzeichnis)
{
    schneide();
    modell().programmverzeichnis = einstellungen().Ausgabeverzeichnis;
    QString gefragt;
    QTimer::singleShot(0, [&] {
        gefragt = warnung("Programmordnerfrage");
        klicke("Programmordnerfrage", "BuAbbrechen");
    });
    waehle("MenuKachelnJpg");
    EXPECT_EQ(gefragt, QStringLiteral("wirklich in %1 speichern?").arg(pfad()));
    EXPECT_FALSE(frage("Programmordnerfrage")->isVisible());
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("luftbild.bmp")});
    EXPECT_FALSE(stand().geprueft);
    EXPECT_FALSE(stand().jpegGespeichert);

    QTimer::singleShot(0, [] { klicke("Programmordnerfrage", "BuWeiter"); });
    waehle("MenuKachelnJpg");
    EXPECT_EQ(dateien(), erwartet(QStringLiteral(".jpg")));

    // A second save of the same cut asks nothing; a new cut asks again.
    bool sichtbar = false;
    QTimer::singleShot(0, [&] {
        sichtbar = frage("Programmordnerfrage")->isVisible();
        klicke("Programmordnerfrage", "BuAbbrechen");
    });
    waehle("MenuKachelnBmp");
    EXPECT_FALSE(sichtbar);
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("luftbi2_3.bmp"))));
    QCoreApplication::processEvents(); // let the unused timer run

    waehle("MenuSchneiden");
    EXPECT_FALSE(stand().geprueft);
    QTimer::singleShot(0, [&] {
        sichtbar = frage("Programmordnerfrage")->isVisible();
        klicke("Programmordnerfrage", "BuAbbrechen");
    });
    waehle("MenuKachelnJpg");
    EXPECT_TRUE(sichtbar);
    EXPECT_FALSE(stand().geprueft);
}

TEST_F(Speichern, WebnamenpruefungDesKuerzels)
{
    lade(legeBmpAn(QStringLiteral("würfel.bmp"), testhilfe::Muster(200, 200)));
    waehle("MenuSchneiden");
    QString gefragt;
    QTimer::singleShot(0, [&] {
        gefragt = warnung("Webnamenfrage");
        klicke("Webnamenfrage", "BuAbbrechen");
    });
    waehle("MenuKachelnJpg");
    EXPECT_EQ(gefragt, QStringLiteral("würfel ist kein gültiger Dateiname im Web!"));
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("würfel.bmp")});
    EXPECT_FALSE(stand().geprueft);

    // The close box ends the question as "&Abbrechen".
    QTimer::singleShot(0, [] { frage("Webnamenfrage")->close(); });
    waehle("MenuKachelnJpg");
    EXPECT_FALSE(frage("Webnamenfrage")->isVisible());
    EXPECT_EQ(dateien().size(), 1);

    // "&Weiter" writes with the name unchanged.
    QTimer::singleShot(0, [] { klicke("Webnamenfrage", "BuWeiter"); });
    waehle("MenuKachelnJpg");
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("würfel0_0.jpg"))));
    EXPECT_TRUE(stand().geprueft);
}
