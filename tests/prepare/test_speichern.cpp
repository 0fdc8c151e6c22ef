// Saving tiles, empty tile and preview picture, with the checks before writing.
#include "vorbereitung_hilfe.h"

#include "export/fenster/htm_chk.h"
#include "export/fenster/puz_warn.h"

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
        Form1->MenuSchneiden->trigger();
        ASSERT_EQ(puz_var::Spalten * puz_var::Zeilen, 12);
        meldungen.clear();
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
    Form1->Einzelbilder->trigger();
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(dateien(), erwartet(QStringLiteral(".jpg")));
    EXPECT_TRUE(puz_var::JpegGespeichert);
    EXPECT_TRUE(puz_var::AusgabeGeprueft);
    EXPECT_EQ(lies(pfad(QStringLiteral("luftbi2_3.jpg"))).size(), QSize(80, 80));
    EXPECT_EQ(lies(pfad(QStringLiteral("luftbivs.jpg"))).size(), QSize(240, 160));
    const QImage leer = lies(pfad(QStringLiteral("luftbile.jpg")));
    ASSERT_EQ(leer.size(), QSize(80, 80));
    EXPECT_GT(qRed(leer.pixel(40, 40)), 240);
    EXPECT_LT(qBlue(leer.pixel(40, 40)), 15);
    // The empty tile stays painted over the first tile of the mosaic.
    EXPECT_EQ(Form1->ImBild->bild().pixelColor(79, 79), QColor(0xFF, 0, 0));
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Leerbild.copy(0, 0, 1, 1), Form1->ImBild->bild().copy(0, 0, 1, 1)));

    // BMP tiles are the picture's pixels exactly; le and vs stay JPEG.
    puz_var::JpegGespeichert = false;
    Form1->Einzelbilderbmp->trigger();
    EXPECT_EQ(puz_var::Bildformat, 1);
    EXPECT_FALSE(puz_var::JpegGespeichert);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_TRUE(testhilfe::GleicheBilder(
                lies(pfad(QStringLiteral("luftbi%1_%2.bmp").arg(r).arg(c))),
                m_bild.copy(10 + c * 80, 10 + r * 80, 80, 80)))
                << c << "," << r;
}

TEST_F(Speichern, HochformatOhneVorschauUndUnmoeglicheVorschau)
{
    lade(legeBmpAn(QStringLiteral("turm.bmp"), testhilfe::Muster(200, 300)));
    Form1->BuAuto->click();
    Form1->MenuSchneiden->trigger();
    Form1->Einzelbilder->trigger();
    EXPECT_EQ(lies(pfad(QStringLiteral("turmvs.jpg"))).size(), QSize(160, 240));

    QFile::remove(pfad(QStringLiteral("turmvs.jpg")));
    puz_var::VorschauErzeugen = false;
    Form1->Einzelbilder->trigger();
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("turmvs.jpg"))));
    EXPECT_TRUE(meldungen.isEmpty());

    // A preview of no size is skipped with a message; the tiles are written.
    puz_var::VorschauErzeugen = true;
    puz_var::VorschauBreite = 0;
    QFile::remove(pfad(QStringLiteral("turm0_0.jpg")));
    Form1->Einzelbilder->trigger();
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("turm0_0.jpg"))));
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("turmvs.jpg"))));
    EXPECT_TRUE(puz_var::JpegGespeichert);
}

TEST_F(Speichern, SchreibfehlerBeendetInDerReihenfolgeDerKacheln)
{
    schneide();
    // A directory in place of the fourth tile file: 0_0, 1_0, 2_0 come first.
    ASSERT_TRUE(QDir().mkdir(pfad(QStringLiteral("luftbi0_1.jpg"))));
    Form1->Einzelbilder->trigger();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen.first(), QStringLiteral("Datei %1 kann nicht erstellt werden")
                                     .arg(pfad(QStringLiteral("luftbi0_1.jpg"))));
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("luftbi0_0.jpg"), QStringLiteral("luftbi0_1.jpg"),
                                      QStringLiteral("luftbi1_0.jpg"), QStringLiteral("luftbi2_0.jpg"),
                                      QStringLiteral("luftbild.bmp")}));
    EXPECT_TRUE(puz_var::AusgabeGeprueft);
    EXPECT_FALSE(puz_var::JpegGespeichert);

    // The empty tile follows all tiles, the preview follows the empty tile.
    QDir().rmdir(pfad(QStringLiteral("luftbi0_1.jpg")));
    ASSERT_TRUE(QDir().mkdir(pfad(QStringLiteral("luftbile.jpg"))));
    meldungen.clear();
    Form1->Einzelbilder->trigger();
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_EQ(dateien(), erwartet(QStringLiteral(".jpg"), false));
    EXPECT_FALSE(puz_var::JpegGespeichert);
}

TEST_F(Speichern, WarnungVorDemProgrammverzeichnis)
{
    schneide();
    puz_var::Programmverzeichnis = puz_var::Ausgabeverzeichnis;
    QString frage;
    QTimer::singleShot(0, FoWarn, [&] {
        frage = FoWarn->isVisible() ? FoWarn->LaWarnung->text() : QString();
        FoWarn->BuAbbrechen->click();
    });
    Form1->Einzelbilder->trigger();
    EXPECT_EQ(frage, QStringLiteral("wirklich in %1 speichern?").arg(pfad()));
    EXPECT_FALSE(FoWarn->isVisible());
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("luftbild.bmp")});
    EXPECT_FALSE(puz_var::AusgabeGeprueft);
    EXPECT_FALSE(puz_var::JpegGespeichert);
    EXPECT_FALSE(puz_var::SpeichernBestaetigt);

    QTimer::singleShot(0, FoWarn, [] { FoWarn->BuWeiter->click(); });
    Form1->Einzelbilder->trigger();
    EXPECT_TRUE(puz_var::SpeichernBestaetigt);
    EXPECT_EQ(dateien(), erwartet(QStringLiteral(".jpg")));

    // A second save of the same cut asks nothing; a new cut asks again.
    bool gefragt = false;
    QTimer::singleShot(0, FoWarn, [&] {
        gefragt = FoWarn->isVisible();
        FoWarn->BuAbbrechen->click();
    });
    Form1->Einzelbilderbmp->trigger();
    EXPECT_FALSE(gefragt);
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("luftbi2_3.bmp"))));
    QCoreApplication::processEvents(); // let the unused timer run

    Form1->MenuSchneiden->trigger();
    EXPECT_FALSE(puz_var::AusgabeGeprueft);
    QTimer::singleShot(0, FoWarn, [&] {
        gefragt = FoWarn->isVisible();
        FoWarn->BuAbbrechen->click();
    });
    EXPECT_FALSE(Form1->AusgabePruefen());
    EXPECT_TRUE(gefragt);
}

TEST_F(Speichern, WebnamenpruefungDesKuerzels)
{
    lade(legeBmpAn(QStringLiteral("würfel.bmp"), testhilfe::Muster(200, 200)));
    Form1->MenuSchneiden->trigger();
    QString frage;
    QTimer::singleShot(0, FoCheck4HtmlName, [&] {
        frage = FoCheck4HtmlName->isVisible() ? FoCheck4HtmlName->LaWarnung->text() : QString();
        FoCheck4HtmlName->BuAbbrechen->click();
    });
    Form1->Einzelbilder->trigger();
    EXPECT_EQ(frage, QStringLiteral("würfel ist kein gültiger Dateiname im Web!"));
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("würfel.bmp")});
    EXPECT_FALSE(puz_var::AusgabeGeprueft);

    // The close box ends the question as "&Abbrechen".
    QTimer::singleShot(0, FoCheck4HtmlName, [] { FoCheck4HtmlName->close(); });
    Form1->Einzelbilder->trigger();
    EXPECT_FALSE(FoCheck4HtmlName->isVisible());
    EXPECT_EQ(dateien().size(), 1);

    // "&Weiter" writes with the name unchanged.
    QTimer::singleShot(0, FoCheck4HtmlName, [] { FoCheck4HtmlName->BuWeiter->click(); });
    Form1->Einzelbilder->trigger();
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("würfel0_0.jpg"))));
    EXPECT_TRUE(puz_var::AusgabeGeprueft);
}
