// The puzzle as few files: the ZIP writer read back by Debian's unzip, the
// SCORM manifest, the single files with their pictures inside, and both
// written by the job and by the command line.
#include "codecs/bildcodec.h"
#include "export/ausgabebuch.h"
#include "export/paketausgabe.h"
#include "export/puzzleausgabe.h"
#include "export/stapel.h"
#include "export/zipdatei.h"
#include "modell/einstellungen.h"
#include "modell/puzzle.h"
#include "testhilfe.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QByteArray lies(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// unzip's answer and exit code.
std::pair<QByteArray, int> unzip(const QStringList& argumente)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), argumente);
    p.waitForFinished(30000);
    return {p.readAllStandardOutput(), p.exitCode()};
}

QStringList eintraege(const QString& zip)
{
    return QString::fromUtf8(unzip({QStringLiteral("-Z1"), zip}).first).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

Kachelsatz dreiMalZwei()
{
    Kachelsatz k;
    k.spalten = 3;
    k.zeilen = 2;
    k.breite = 40;
    for (int i = 0; i < 6; ++i) {
        QImage teil = testhilfe::Muster(40, 40);
        teil.fill(QColor::fromHsv(i * 60, 200, 200)); // six tiles, six different files
        k.teile.push_back(teil);
    }
    k.gesamtbild = testhilfe::Muster(120, 80);
    return k;
}

class Alles : public Ausgabefragen
{
public:
    std::optional<QString> Ordnerfehler(const QString&) override { return std::nullopt; }
    bool Ersetzen(const QString&, const QString&, const QStringList&) override { return true; }
    bool InsProgrammverzeichnis(const QString&) override { return true; }
    bool OhneWebnamen(const QString&) override { return true; }
    bool Weiter(const Ausgabefehler& fehler) override
    {
        ADD_FAILURE() << fehler.text.toStdString();
        return false;
    }
};

} // namespace

TEST(Zipdatei, UnzipLiestNamenInhalteUndPruefsummen)
{
    QTemporaryDir ordner;
    const QByteArray text = QByteArray("<manifest>").repeated(500);
    QByteArray binaer(3000, Qt::Uninitialized);
    for (int i = 0; i < binaer.size(); ++i)
        binaer[i] = char((i * 7919) % 251);
    Zipdatei zip(QDateTime(QDate(2024, 5, 12), QTime(10, 15, 30)));
    zip.Fuege(QStringLiteral("imsmanifest.xml"), text, true);
    zip.Fuege(QString::fromUtf8("M\u00f6we a0_0.jpg"), binaer, false);
    zip.Fuege(QStringLiteral("leer.txt"), QByteArray(), true);
    const QByteArray bytes = zip.Bytes();
    EXPECT_LT(bytes.size(), text.size()); // the text is deflated
    const QString pfad = ordner.filePath(QStringLiteral("p.zip"));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes);
    datei.close();

    EXPECT_EQ(unzip({QStringLiteral("-tq"), pfad}).second, 0);
    EXPECT_EQ(eintraege(pfad), (QStringList{QStringLiteral("imsmanifest.xml"), QString::fromUtf8("M\u00f6we a0_0.jpg"),
                                            QStringLiteral("leer.txt")}));
    EXPECT_EQ(unzip({QStringLiteral("-p"), pfad, QStringLiteral("imsmanifest.xml")}).first, text);
    EXPECT_EQ(unzip({QStringLiteral("-p"), pfad, QString::fromUtf8("M\u00f6we a0_0.jpg")}).first, binaer);
    EXPECT_TRUE(unzip({QStringLiteral("-l"), pfad}).first.contains("2024-05-12 10:15"));
}

TEST(Lernpaket, ManifestNenntSpieleDateienTitelUndNachweis)
{
    Lernpaketangaben a;
    a.kennung = QStringLiteral("Tesselo_0123");
    a.titel = QStringLiteral("Burg & <Hafen>");
    a.spiele = {{QStringLiteral("Schiebepuzzle"), QString::fromUtf8("M\u00f6we asp.htm"),
                 {QString::fromUtf8("M\u00f6we asp.htm"), QString::fromUtf8("M\u00f6we a0_0.jpg")}},
                {QStringLiteral("Tauschpuzzle"), QStringLiteral("tp.htm"), {QStringLiteral("tp.htm")}},
                {QString::fromUtf8("Bilderr\u00e4tsel"), QStringLiteral("rp.htm"), {QStringLiteral("rp.htm")}}};
    QString m = QString::fromUtf8(Lernpaketmanifest(a));
    EXPECT_TRUE(m.contains(QStringLiteral("<manifest identifier=\"Tesselo_0123\"")));
    EXPECT_TRUE(m.contains(QStringLiteral("<title>Burg &amp; &lt;Hafen&gt;</title>")));
    EXPECT_EQ(m.count(QStringLiteral("adlcp:scormtype=\"sco\"")), 3);
    EXPECT_EQ(m.count(QStringLiteral("<item identifier=")), 3);
    // Platforms launch a page by its href: a space and an umlaut are escaped.
    EXPECT_TRUE(m.contains(QStringLiteral("href=\"M%C3%B6we%20asp.htm\">")));
    EXPECT_TRUE(m.contains(QString::fromUtf8("<title>Bilderr\u00e4tsel</title>")));
    EXPECT_FALSE(m.contains(QStringLiteral("imsmd:rights")));
    EXPECT_FALSE(m.contains(QStringLiteral("imsmd:description")));

    a.bildnachweis = QStringLiteral("Foto: A. Muster, CC BY 4.0");
    a.bildbeschreibung = QStringLiteral("Eine Burg");
    m = QString::fromUtf8(Lernpaketmanifest(a));
    EXPECT_TRUE(m.contains(QStringLiteral("<imsmd:rights>")));
    EXPECT_TRUE(m.contains(QStringLiteral(">Bildnachweis: Foto: A. Muster, CC BY 4.0<")));
    EXPECT_TRUE(m.contains(QStringLiteral(">Eine Burg<")));

    // The heading as plain text, else the picture's name.
    EXPECT_EQ(Lernpakettitel(QStringLiteral("<img src=\"a.jpg\"> <b>Klasse&nbsp;4b</b> &amp; &#8364;"), QStringLiteral("x")),
              QString::fromUtf8("Klasse 4b & \u20ac"));
    EXPECT_EQ(Lernpakettitel(QStringLiteral("<img src=\"logo.jpg\">"), QStringLiteral("Burg")), QStringLiteral("Burg"));
    EXPECT_EQ(Bildname(QStringLiteral("/home/anna/Fotos/Burg.am.See.jpg"), QStringLiteral("Burg.a")),
              QStringLiteral("Burg.am.See"));
    EXPECT_EQ(Einzeldatei(Spielseite::Raetsel, QStringLiteral("Burg")), QString::fromUtf8("Burg \u2013 Bilderr\u00e4tsel.html"));
    EXPECT_EQ(Lernpaketdatei(QStringLiteral("Burg")), QString::fromUtf8("Burg \u2013 SCORM-Paket.zip"));
}

TEST(Einzelseite, JedesBildStehtGenauEinmalAlsDatenadresseInDerSeite)
{
    Einstellungen e;
    const Kachelsatz k = dreiMalZwei();
    const Puzzlebilder bilder = KodierePuzzlebilder(k, e, QStringLiteral("burg"), 40, testhilfe::Bauverzeichnis());
    ASSERT_FALSE(bilder.fehler || bilder.vorschauFehler || bilder.antwortFehler);
    EXPECT_EQ(bilder.dateien.size(), 6 + 2 + 3); // tiles, empty tile, preview, answer pictures
    for (const Spielseite art : {Spielseite::Schieben, Spielseite::Tauschen, Spielseite::Raetsel}) {
        SCOPED_TRACE(int(art));
        SeitenEingabe eingabe = Seiteneingabe(e, QStringLiteral("burg"), 3, 2, 40);
        eingabe.LeerfeldX = 2;
        eingabe.LeerfeldY = 1;
        const Seiteninhalt seite = Einzelseite(art, eingabe, bilder.dateien, testhilfe::Bauverzeichnis());
        ASSERT_FALSE(seite.fehler);
        const QString text = QString::fromLatin1(seite.bytes);
        // No picture is looked for beside the file.
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("src=\"?(burg|falsrich)"))));
        for (auto b = bilder.dateien.cbegin(); b != bilder.dateien.cend(); ++b) {
            const bool gebraucht = art == Spielseite::Raetsel ? !b.key().endsWith(QLatin1String("vs.jpg"))
                                   : art == Spielseite::Tauschen ? !b.key().contains(QLatin1String(".gif")) &&
                                                                       !b.key().endsWith(QLatin1String("le.jpg"))
                                                                 : !b.key().contains(QLatin1String(".gif"));
            const int mal = int(text.count(QString::fromLatin1(b.value().toBase64())));
            // The riddle's board shows the empty tile on every card and takes the
            // answer picture it shows from its script as well.
            const int erwartet = !gebraucht ? 0
                                 : art == Spielseite::Raetsel && b.key() == QLatin1String("burgle.jpg") ? 6
                                 : art == Spielseite::Raetsel && b.key() == QLatin1String("falsrich.gif") ? 2
                                                                                                        : 1;
            EXPECT_EQ(mal, erwartet) << b.key().toStdString();
        }
    }
}

TEST(Puzzleausgabe, EinzeldateienUndLernpaketBrauchenKeineKachelnImOrdner)
{
    QTemporaryDir ordner;
    Einstellungen e;
    e.Bildnachweis = QStringLiteral("Foto: A. Muster");
    Puzzleauftrag auftrag;
    auftrag.verzeichnis = ordner.path() + QLatin1Char('/');
    auftrag.vorlagenverzeichnis = testhilfe::Bauverzeichnis();
    auftrag.kuerzel = QStringLiteral("burg");
    auftrag.herkunft = QStringLiteral("/fotos/Burg.jpg");
    auftrag.tabellenbild = QStringLiteral("/fotos/Burg.jpg");
    auftrag.kachelbreite = 40;
    auftrag.teile = {Ausgabeteil::Einzeldateien, Ausgabeteil::Lernpaket};
    Ausgabestand stand;
    Ausgabebuch buch;
    Alles fragen;
    const Ausgabeergebnis ergebnis = SchreibePuzzle(auftrag, dreiMalZwei(), e, stand, buch, fragen);
    EXPECT_EQ(ergebnis.ausgang, Ausgabeergebnis::Ausgang::Fertig);
    const QStringList namen{QString::fromUtf8("Burg \u2013 Schiebepuzzle.html"), QString::fromUtf8("Burg \u2013 Tauschpuzzle.html"),
                            QString::fromUtf8("Burg \u2013 Bilderr\u00e4tsel.html"), QString::fromUtf8("Burg \u2013 SCORM-Paket.zip")};
    QStringList erwartet;
    for (const QString& name : namen)
        erwartet << auftrag.verzeichnis + name;
    EXPECT_EQ(ergebnis.dateien, erwartet);
    QStringList imOrdner = QDir(ordner.path()).entryList(QDir::Files);
    imOrdner.removeAll(Ausgabebuch::Buchdatei());
    imOrdner.sort();
    QStringList sortiert = namen;
    sortiert.sort();
    EXPECT_EQ(imOrdner, sortiert);
    EXPECT_FALSE(stand.jpegGespeichert);

    const QString zip = erwartet.last();
    EXPECT_EQ(unzip({QStringLiteral("-tq"), zip}).second, 0);
    QStringList inhalt = eintraege(zip);
    EXPECT_EQ(inhalt.takeFirst(), QStringLiteral("imsmanifest.xml"));
    inhalt.sort();
    EXPECT_EQ(inhalt, (QStringList{"burg0_0.jpg", "burg0_1.jpg", "burg0_2.jpg", "burg1_0.jpg", "burg1_1.jpg", "burg1_2.jpg",
                                   "burgle.jpg", "burgrp.htm", "burgsp.htm", "burgtp.htm", "burgvs.jpg", "falsch.gif",
                                   "falsrich.gif", "richtig.gif"}));
    // The package's pages are the folder's: the credit under the board, the files beside them.
    const QByteArray seite = unzip({QStringLiteral("-p"), zip, QStringLiteral("burgsp.htm")}).first;
    EXPECT_TRUE(seite.contains("<p class=\"tesselo-nachweis\">Bildnachweis: Foto: A. Muster</p>"));
    EXPECT_TRUE(seite.contains("<img src=\"burg0_0.jpg\""));
    EXPECT_TRUE(lies(erwartet.first()).contains("Bildnachweis: Foto: A. Muster"));
}

TEST(Stapel, EinzeldateiScormNachweisUndBeschreibungVonDerKommandozeile)
{
    QTemporaryDir ordner;
    // A JPEG is cut while it is read: the files then come from tiles encoded on the way.
    const QString bild = ordner.filePath(QStringLiteral("Hafen.jpg"));
    QString fehlertext;
    ASSERT_TRUE(bildcodec::SchreibeJpeg(testhilfe::Muster(500, 300), bild, 90, &fehlertext));
    Stapelauftrag auftrag;
    auftrag.ordner = ordner.filePath(QStringLiteral("aus"));
    auftrag.bilder = {bild};
    auftrag.einzeldatei = true;
    auftrag.scorm = true;
    auftrag.bildnachweis = QStringLiteral("Foto: B. Beispiel, CC BY 4.0");
    auftrag.beschreibung = QStringLiteral("Schiffe im Hafen");
    QStringList fehler;
    EXPECT_EQ(Stapelexport(auftrag, testhilfe::Bauverzeichnis(),
                           {[](const QString&) {}, [&fehler](const QString& f) { fehler << f; }, {}}),
              0)
        << fehler.join(QLatin1Char('\n')).toStdString();
    const QString aus = auftrag.ordner + QLatin1Char('/');
    const QByteArray einzeln = lies(aus + QString::fromUtf8("Hafen \u2013 Tauschpuzzle.html"));
    EXPECT_TRUE(einzeln.contains("Bildnachweis: Foto: B. Beispiel, CC BY 4.0"));
    EXPECT_TRUE(einzeln.contains(" alt=\"Schiffe im Hafen\">"));
    EXPECT_TRUE(QFile::exists(aus + QString::fromUtf8("Hafen \u2013 SCORM-Paket.zip")));
    EXPECT_TRUE(lies(aus + QStringLiteral("Hafenta.htm")).contains("<h1>Bildtabelle von Hafen.jpg</h1>"));
    EXPECT_EQ(unzip({QStringLiteral("-tq"), aus + QString::fromUtf8("Hafen \u2013 SCORM-Paket.zip")}).second, 0);
}
