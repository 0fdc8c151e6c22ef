// A picture on a read-only medium (a locked USB stick, a CD, a share): it
// loads, and every command that would write beside it says so before it
// writes anything.
#include "prepare/vorbereitung_hilfe.h"

#include "export/ausgabebuch.h"

#include <QMenu>
#include <QTableWidget>


namespace {

class Ausgabeordner : public Vorbereitung
{
protected:
    void SetUp() override
    {
        Vorbereitung::SetUp();
        modell().programmverzeichnis = testhilfe::Bauverzeichnis();
        Dialoge::Ersetzen = [this](QWidget*, const QString&) {
            ++fragen;
            return false;
        };
    }

    int fragen = 0;
};

TEST_F(Ausgabeordner, BildAufSchreibgeschuetztemDatentraeger)
{
    const QString stick = pfad(QStringLiteral("stick"));
    const QImage bild = testhilfe::Muster(361, 300);
    testhilfe::SchreibgeschuetzterOrdner schutz(stick, [&] {
        ASSERT_TRUE(bildcodec::SchreibeJpeg(bild, stick + QStringLiteral("/Klasse 5a.jpg"), 90, nullptr));
    });
    if (!schutz.Geschuetzt())
        GTEST_SKIP() << "this user can neither mount nor lose write permission on a folder";
    const QStringList aufDemStick = QDir(stick).entryList(QDir::Files);

    // The converted bitmap goes to the program's scratch folder instead.
    lade(stick + QStringLiteral("/Klasse 5a.jpg"));
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    const QString bitmap = haupt().Arbeitsverzeichnis() + QStringLiteral("Klasse 5a.bmp");
    EXPECT_EQ(modell().puzzle.bilddatei, bitmap);
    EXPECT_EQ(teil<QTableWidget>("StGrInfo")->item(0, 1)->text(), QStringLiteral("Klasse 5a.jpg"));
    EXPECT_EQ(modell().puzzle.kuerzel, QStringLiteral("Klasse"));
    EXPECT_EQ(modell().einstellungen.Ausgabeverzeichnis, stick + QLatin1Char('/'));
    waehle("MenuSchneiden");
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(modell().puzzle.kacheln.Anzahl(), 12);

    // Every writing command names the folder and the way out, once, and
    // writes nothing; no other question comes first.
    for (const char* name : {"MenuKachelnJpg", "MenuKachelnBmp", "MenuSchiebeseite", "MenuTauschseite",
                             "MenuRaetselseite", "MenuTabelle", "MenuAlleSeiten"}) {
        meldungen.clear();
        waehle(name);
        ASSERT_EQ(meldungen.size(), 1) << name;
        EXPECT_TRUE(meldungen.first().startsWith(
            QStringLiteral("In den Ausgabeordner %1/ kann nicht geschrieben werden.").arg(stick)))
            << name << ": " << qPrintable(meldungen.first());
        EXPECT_TRUE(meldungen.first().contains(QStringLiteral("„Optionen“"))) << name;
        EXPECT_FALSE(meldungen.first().contains(QStringLiteral("E/A-Fehler"))) << name;
    }
    EXPECT_EQ(fragen, 0);
    EXPECT_FALSE(modell().puzzle.ausgabe.geprueft);
    EXPECT_EQ(QDir(stick).entryList(QDir::Files), aufDemStick);

    // Another output folder, as chosen under "Optionen", takes the puzzle.
    const QString anders = pfad(QStringLiteral("anders/"));
    ASSERT_TRUE(QDir().mkpath(anders));
    modell().einstellungen.Ausgabeverzeichnis = anders;
    meldungen.clear();
    waehle("MenuAlleSeiten");
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_TRUE(QFileInfo::exists(anders + QStringLiteral("Klassesp.htm")));
    EXPECT_TRUE(QFileInfo::exists(anders + QStringLiteral("Klasse2_3.jpg")));

    // The scratch bitmap goes with the next picture, as one beside it would.
    lade(legeBmpAn(QStringLiteral("baum.bmp"), testhilfe::Muster(40, 40)));
    EXPECT_FALSE(QFileInfo::exists(bitmap));
    EXPECT_EQ(QDir(stick).entryList(QDir::Files), aufDemStick);
}

} // namespace
