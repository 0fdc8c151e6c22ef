// Two phone photos share the first six characters of their names and so every
// output name: the second puzzle must never replace the first one silently.
#include "prepare/vorbereitung_hilfe.h"

#include "export/ausgabebuch.h"
#include "export/stapel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMap>
#include <QMenu>

namespace {

// Mean difference of the red channel: JPEG tiles are compared by closeness.
double abstand(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 1e9;
    double summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            summe += std::abs(qRed(a.pixel(x, y)) - qRed(b.pixel(x, y)));
    return summe / (a.width() * a.height());
}

const QString Erstes = QStringLiteral("IMG_20240512_101500.jpg");
const QString Zweites = QStringLiteral("IMG_20240513_083000.jpg");

class Ersetzen : public Vorbereitung
{
protected:
    void SetUp() override
    {
        Vorbereitung::SetUp();
        modell().programmverzeichnis = testhilfe::Bauverzeichnis();
        Dialoge::Ersetzen = [this](QWidget*, const QString& frage) {
            fragen << frage;
            return antwort;
        };
        legeJpegAn(Erstes, testhilfe::Muster(361, 300));
        legeJpegAn(Zweites, testhilfe::Muster(400, 300).mirrored(true, false));
    }

    // Every file of the folder with its bytes.
    QMap<QString, QByteArray> stand() const
    {
        QMap<QString, QByteArray> inhalt;
        for (const QString& name : dateien()) {
            QFile datei(pfad(name));
            if (datei.open(QIODevice::ReadOnly))
                inhalt.insert(name, datei.readAll());
        }
        return inhalt;
    }

    void ladeUndSchneide(const QString& name, int breite = 80)
    {
        lade(pfad(name));
        teil<QSpinBox>("SpEdBreite")->setValue(breite);
        waehle("MenuSchneiden");
        ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    }

    // Every command that writes into the output folder.
    static std::vector<std::pair<const char*, QAction*>> befehle()
    {
        return {{"jpg", teil<QAction>("MenuKachelnJpg")},
                {"bmp", teil<QAction>("MenuKachelnBmp")},
                {"sp", teil<QAction>("MenuSchiebeseite")},
                {"tp", teil<QAction>("MenuTauschseite")},
                {"rp", teil<QAction>("MenuRaetselseite")},
                {"ta", teil<QAction>("MenuTabelle")},
                {"alle", teil<QAction>("MenuAlleSeiten")}};
    }

    // Runs every writing command; each must ask exactly `erwartet` times.
    void alleBefehle(int erwartet)
    {
        for (const auto& [name, befehl] : befehle()) {
            fragen.clear();
            befehl->trigger();
            EXPECT_EQ(fragen.size(), erwartet) << name;
            EXPECT_TRUE(meldungen.isEmpty()) << name << ": " << qPrintable(meldungen.join(u'\n'));
        }
        fragen.clear();
    }

    QStringList fragen;
    bool antwort = false;
};

TEST_F(Ersetzen, AbbrechenLaesstDasErstePuzzleByteGleich)
{
    ladeUndSchneide(Erstes);
    alleBefehle(0); // a fresh folder, then the picture's own files: no question
    EXPECT_TRUE(dateien().contains(QStringLiteral("IMG_200_0.jpg")));
    EXPECT_TRUE(dateien().contains(QStringLiteral("IMG_20sp.htm")));

    ladeUndSchneide(Zweites);
    const QMap<QString, QByteArray> vorher = stand();
    alleBefehle(1); // "&alle HTML-Spiele" asks once, not once per page
    EXPECT_EQ(stand(), vorher);
    EXPECT_FALSE(modell().puzzle.ausgabe.jpegGespeichert);

    // The question names the folder and the files it would replace.
    waehle("MenuKachelnJpg");
    ASSERT_EQ(fragen.size(), 1);
    EXPECT_TRUE(fragen.first().contains(pfad())) << qPrintable(fragen.first());
    EXPECT_TRUE(fragen.first().contains(QStringLiteral("IMG_200_0.jpg"))) << qPrintable(fragen.first());
    EXPECT_TRUE(fragen.first().contains(QStringLiteral("„IMG_20“"))) << qPrintable(fragen.first());
}

TEST_F(Ersetzen, ErsetzenFragtEinmalUndGiltFuerDasGanzePuzzle)
{
    ladeUndSchneide(Erstes);
    waehle("MenuAlleSeiten");
    waehle("MenuTabelle");
    ladeUndSchneide(Zweites);
    const QMap<QString, QByteArray> vorher = stand();

    antwort = true;
    fragen.clear();
    waehle("MenuAlleSeiten");
    EXPECT_EQ(fragen.size(), 1);
    const QMap<QString, QByteArray> nachher = stand();
    for (const char* name : {"IMG_20sp.htm", "IMG_20tp.htm", "IMG_20rp.htm", "IMG_200_0.jpg", "IMG_20le.jpg"})
        EXPECT_TRUE(nachher.contains(QLatin1String(name))) << name;
    // The first tile is now the second picture's.
    const QImage teil = lies(pfad(QStringLiteral("IMG_200_0.jpg")));
    EXPECT_LT(abstand(teil, lies(pfad(Zweites)).copy(10, 10, 80, 80)),
              abstand(teil, lies(pfad(Erstes)).copy(10, 10, 80, 80)));

    // The rest of the old puzzle (its table page) went with the answer.
    antwort = false;
    alleBefehle(0);
    EXPECT_NE(stand().value(QStringLiteral("IMG_20ta.htm")), vorher.value(QStringLiteral("IMG_20ta.htm")));
}

TEST_F(Ersetzen, DasselbeBildFragtNieAuchNachNeuemSchnitt)
{
    ladeUndSchneide(Erstes);
    alleBefehle(0);
    // A new cut into other tiles, then the same picture loaded again.
    teil<QSpinBox>("SpEdBreite")->setValue(60);
    waehle("MenuSchneiden");
    alleBefehle(0);
    ladeUndSchneide(Erstes, 100);
    alleBefehle(0);

    // Back to the other picture after the first was replaced: that one asks.
    ladeUndSchneide(Zweites);
    antwort = true;
    waehle("MenuKachelnJpg");
    antwort = false;
    ladeUndSchneide(Erstes);
    fragen.clear();
    waehle("MenuKachelnJpg");
    EXPECT_EQ(fragen.size(), 1);
}

TEST_F(Ersetzen, DieFensterErsetzenDasPuzzleDerBefehlszeileVomSelbenBild)
{
    // Written by another process: only the folder's book tells whose it is.
    Stapelauftrag stapel;
    stapel.ordner = pfad();
    stapel.bilder = {pfad(Erstes)};
    const auto fehler = [](const QString& text) { ADD_FAILURE() << qPrintable(text); };
    ASSERT_EQ(Stapelexport(stapel, testhilfe::Bauverzeichnis(), {[](const QString&) {}, fehler, {}}), 0);

    ladeUndSchneide(Erstes);
    alleBefehle(0);
    ladeUndSchneide(Zweites);
    waehle("MenuKachelnJpg");
    EXPECT_EQ(fragen.size(), 1);
}

TEST_F(Ersetzen, EinBildWieEineKachelBenanntBleibtUnberuehrt)
{
    // Its first JPEG tile would be named like the photo.
    legeJpegAn(QStringLiteral("abcdef0_0.jpg"), testhilfe::Muster(200, 200));
    ladeUndSchneide(QStringLiteral("abcdef0_0.jpg"));
    const QMap<QString, QByteArray> vorher = stand();
    antwort = true;
    for (const char* befehl : {"MenuKachelnJpg", "MenuSchiebeseite"}) {
        meldungen.clear();
        waehle(befehl);
        ASSERT_EQ(meldungen.size(), 1);
        EXPECT_TRUE(meldungen.first().contains(QStringLiteral("ist das geladene Bild selbst")));
    }
    EXPECT_TRUE(fragen.isEmpty());
    EXPECT_EQ(stand(), vorher);
    // The bitmap the program reads the photo from is scratch of its own, so
    // a BMP tile of that name is just a tile.
    EXPECT_EQ(modell().puzzle.bilddatei, haupt().Arbeitsverzeichnis() + QStringLiteral("abcdef0_0.bmp"));
    meldungen.clear();
    waehle("MenuKachelnBmp");
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(stand().value(QStringLiteral("abcdef0_0.jpg")), vorher.value(QStringLiteral("abcdef0_0.jpg")));
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("abcdef0_0.bmp"))));
}

TEST_F(Ersetzen, ZweiBilderAusDerZwischenablageSindZweiPuzzles)
{
    modell().einstellungen.Ausgabeverzeichnis = pfad();
    QGuiApplication::clipboard()->setImage(testhilfe::Muster(200, 160));
    waehle("MenuZwischenablage");
    waehle("MenuSchneiden");
    waehle("MenuKachelnJpg");
    EXPECT_TRUE(fragen.isEmpty());

    // The same picture again asks nothing; another one does.
    waehle("MenuZwischenablage");
    waehle("MenuSchneiden");
    waehle("MenuKachelnJpg");
    EXPECT_TRUE(fragen.isEmpty());
    QGuiApplication::clipboard()->setImage(testhilfe::Muster(200, 160).mirrored());
    waehle("MenuZwischenablage");
    waehle("MenuSchneiden");
    const QMap<QString, QByteArray> vorher = stand();
    waehle("MenuKachelnJpg");
    EXPECT_EQ(fragen.size(), 1);
    EXPECT_EQ(stand(), vorher);
    QGuiApplication::clipboard()->clear();
}

} // namespace
