// tesselo --export as a user runs it from a shell: a process without any
// display, on pictures it finds in folders, reporting per picture.
#include "codecs/bildcodec.h"
#include "prepare/kachelnamen.h"
#include "testhilfe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

struct Lauf
{
    int ergebnis = -1;
    QStringList zeilen; // standard output
    QString fehler;     // standard error
};

class Export : public ::testing::Test
{
protected:
    // dateigrenze: the largest file the process may write, as on a disk that
    // is full after that many bytes (0: no limit).
    Lauf starte(const QStringList& argumente, rlim_t dateigrenze = 0)
    {
        QProcess programm;
        if (dateigrenze > 0)
            programm.setChildProcessModifier([dateigrenze] {
                ::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
                const rlimit grenze{dateigrenze, dateigrenze};
                ::setrlimit(RLIMIT_FSIZE, &grenze);
            });
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            umgebung.remove(QString::fromLatin1(name));
        programm.setProcessEnvironment(umgebung);
        programm.setWorkingDirectory(ordner.path());
        programm.start(testhilfe::Bauverzeichnis() + QStringLiteral("tesselo"),
                       QStringList{QStringLiteral("--export")} + argumente);
        EXPECT_TRUE(programm.waitForFinished(120000));
        Lauf lauf;
        lauf.ergebnis = programm.exitStatus() == QProcess::NormalExit ? programm.exitCode() : -1;
        lauf.zeilen = QString::fromLocal8Bit(programm.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        lauf.fehler = QString::fromLocal8Bit(programm.readAllStandardError());
        return lauf;
    }

    QString pfad(const QString& name) const { return ordner.filePath(name); }

    QString jpeg(const QString& name, const QImage& bild)
    {
        QDir().mkpath(QFileInfo(pfad(name)).absolutePath());
        EXPECT_TRUE(bildcodec::SchreibeJpeg(bild, pfad(name), 95, nullptr));
        return name;
    }

    QString bmp(const QString& name, const QImage& bild)
    {
        QDir().mkpath(QFileInfo(pfad(name)).absolutePath());
        EXPECT_TRUE(bildcodec::SchreibeBmp(bild, pfad(name), nullptr));
        return name;
    }

    QImage lies(const QString& name) const
    {
        return bildcodec::LeseBild(pfad(name), nullptr).value_or(QImage());
    }

    // A tile as the export writes it: the area of the decoded picture, coded
    // at the start quality by the same encoder, so it must match exactly.
    static QImage kachel(const QImage& bild, const QRect& feld)
    {
        const std::optional<QByteArray> kodiert = bildcodec::KodiereJpeg(bild.copy(feld), 85);
        return kodiert ? bildcodec::LeseJpeg(*kodiert, nullptr).value_or(QImage()) : QImage();
    }

    struct Raetsel
    {
        QStringList antworten; // in the page's order
        QString richtig;
    };
    Raetsel raetsel(const QString& name) const
    {
        QFile datei(pfad(name));
        EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << qPrintable(name);
        const QString text = QString::fromLatin1(datei.readAll());
        Raetsel r;
        static const QRegularExpression antwort(QStringLiteral("<td>&nbsp;(.*?)&nbsp;</td>"));
        for (const QRegularExpressionMatch& m : antwort.globalMatch(text))
            r.antworten << m.captured(1);
        const int nummer = QRegularExpression(QStringLiteral("RichtigAntwort = (\\d+)")).match(text).captured(1).toInt();
        if (nummer >= 1 && nummer <= r.antworten.size())
            r.richtig = r.antworten[nummer - 1];
        return r;
    }

    // Every file a puzzle of this prefix and grid consists of.
    static QStringList puzzle(const QString& kuerzel, int spalten, int zeilen)
    {
        QStringList namen = kachelnamen::Kacheldateien(kuerzel, spalten, zeilen, false, true);
        for (const char* endung : {"sp.htm", "tp.htm", "rp.htm", "ta.htm"})
            namen << kuerzel + QLatin1String(endung);
        return namen;
    }

    QTemporaryDir ordner;
};

TEST_F(Export, JedesBildWirdZumPuzzleOhneAnzeigeUndOhneBitmap)
{
    const QImage quer = testhilfe::Muster(600, 400);
    const QImage hoch = testhilfe::Muster(300, 500);
    jpeg(QStringLiteral("fotos/Ferien.jpg"), quer);
    bmp(QStringLiteral("fotos/turm.bmp"), hoch);

    // A missing folder, two levels deep, is made.
    const Lauf lauf = starte({QStringLiteral("aus/neu"), QStringLiteral("fotos/Ferien.jpg"),
                              QStringLiteral("fotos/turm.bmp")});
    EXPECT_EQ(lauf.ergebnis, 0) << qPrintable(lauf.fehler);
    EXPECT_TRUE(lauf.fehler.isEmpty()) << qPrintable(lauf.fehler);
    EXPECT_EQ(lauf.zeilen, (QStringList{QStringLiteral("fotos/Ferien.jpg: 5 x 3 Teile zu 120 Pixeln, 21 Dateien"),
                                        QStringLiteral("fotos/turm.bmp: 3 x 5 Teile zu 100 Pixeln, 21 Dateien")}));
    for (const QString& name : puzzle(QStringLiteral("Ferien"), 5, 3) + puzzle(QStringLiteral("turm"), 3, 5) +
                                   QStringList{QStringLiteral("falsch.gif"), QStringLiteral("richtig.gif"),
                                               QStringLiteral("falsrich.gif")})
        EXPECT_TRUE(QFileInfo::exists(pfad(QStringLiteral("aus/neu/") + name))) << qPrintable(name);
    // The JPEG is decoded in memory: nothing is written beside it.
    EXPECT_EQ(QDir(pfad(QStringLiteral("fotos"))).entryList(QDir::Files).size(), 2);

    // The automatic grid centres the tiles: 600 x 400 leaves 40 rows, 20 above.
    const QImage ferien = lies(QStringLiteral("fotos/Ferien.jpg"));
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(QStringLiteral("aus/neu/Ferien2_4.jpg")),
                                         kachel(ferien, QRect(480, 260, 120, 120))));
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(QStringLiteral("aus/neu/turm4_2.jpg")), kachel(hoch, QRect(200, 400, 100, 100))));
    EXPECT_EQ(lies(QStringLiteral("aus/neu/Ferienvs.jpg")).size(), QSize(240, 160));
    EXPECT_EQ(lies(QStringLiteral("aus/neu/turmvs.jpg")).size(), QSize(160, 240));
    const QImage leer = lies(QStringLiteral("aus/neu/turmle.jpg"));
    ASSERT_EQ(leer.size(), QSize(100, 100));
    EXPECT_GT(qRed(leer.pixel(50, 50)), 240);

    // The page's tile width is the cut's; the riddle asks for the picture's
    // name among the other's.
    QFile seite(pfad(QStringLiteral("aus/neu/turmrp.htm")));
    ASSERT_TRUE(seite.open(QIODevice::ReadOnly));
    EXPECT_TRUE(seite.readAll().contains("width=100"));
    const Raetsel turm = raetsel(QStringLiteral("aus/neu/turmrp.htm"));
    EXPECT_EQ(turm.richtig, QStringLiteral("turm"));
    EXPECT_TRUE(turm.antworten.contains(QStringLiteral("Ferien"))) << qPrintable(turm.antworten.join(u';'));
}

// The worksheet needs fonts, yet no display: the process has none.
TEST_F(Export, ArbeitsblattOhneAnzeige)
{
    jpeg(QStringLiteral("Ferien.jpg"), testhilfe::Muster(600, 400));
    const Lauf lauf = starte({QStringLiteral("aus"), QStringLiteral("--arbeitsblatt"), QStringLiteral("Ferien.jpg")});
    EXPECT_EQ(lauf.ergebnis, 0) << qPrintable(lauf.fehler);
    EXPECT_TRUE(lauf.fehler.isEmpty()) << qPrintable(lauf.fehler);
    ASSERT_EQ(lauf.zeilen.size(), 1);
    EXPECT_TRUE(lauf.zeilen[0].contains(QStringLiteral("5 x 3 Teile zu 120 Pixeln, 22 Dateien"))) << qPrintable(lauf.zeilen[0]);
    QFile pdf(pfad(QStringLiteral("aus/Ferien-Arbeitsblatt.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray inhalt = pdf.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF-"));
    EXPECT_TRUE(inhalt.contains("/BaseFont /DejaVuSans"));
}

TEST_F(Export, EinFehlerHaeltDieAnderenBilderNichtAuf)
{
    {
        QFile kaputt(pfad(QStringLiteral("kaputt.jpg")));
        ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("\xFF\xD8\xFF\xE0 nichts weiter");
    }
    bmp(QStringLiteral("gut.bmp"), testhilfe::Muster(200, 100));
    bmp(QStringLiteral("streifen.bmp"), testhilfe::Muster(40, 20));
    const Lauf lauf = starte({QStringLiteral("aus"), QStringLiteral("kaputt.jpg"), QStringLiteral("fehlt.png"),
                              QStringLiteral("gut.bmp"), QStringLiteral("--breite"), QStringLiteral("50"),
                              QStringLiteral("streifen.bmp")});
    EXPECT_EQ(lauf.ergebnis, 1);
    // The grid asked for applies to every picture; one too small for it fails.
    EXPECT_EQ(lauf.zeilen, QStringList{QStringLiteral("gut.bmp: 4 x 2 Teile zu 50 Pixeln, 14 Dateien")});
    const QStringList fehler = lauf.fehler.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(fehler.size(), 3) << qPrintable(lauf.fehler);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^kaputt.jpg: Die JPEG-Datei ist beschädigt oder unvollständig "
                                                  "\\(JPEG-Fehlernr. \\d+\\)$"))
                    .match(fehler[0])
                    .hasMatch())
        << qPrintable(fehler[0]);
    EXPECT_TRUE(fehler[1].startsWith(QStringLiteral("fehlt.png: ")));
    EXPECT_TRUE(fehler[2].startsWith(QStringLiteral("streifen.bmp: ")));
    EXPECT_TRUE(fehler[2].contains(QStringLiteral("--breite weglassen"))) << qPrintable(fehler[2]);
    const QStringList geschrieben = QDir(pfad(QStringLiteral("aus"))).entryList(QDir::Files);
    EXPECT_EQ(geschrieben.filter(QStringLiteral("kaputt")), QStringList());
    EXPECT_EQ(geschrieben.filter(QStringLiteral("streifen")), QStringList());
    EXPECT_TRUE(geschrieben.contains(QStringLiteral("gut1_3.jpg")));
}

TEST_F(Export, FremdePuzzleNurMitErsetzen)
{
    // Two phone photos share the first six characters, so every output name.
    const QImage erstes = testhilfe::Muster(200, 200);
    const QImage zweites = erstes.mirrored(true, false);
    bmp(QStringLiteral("IMG_20240512_1.bmp"), erstes);
    bmp(QStringLiteral("IMG_20240512_2.bmp"), zweites);
    const QString ecke = QStringLiteral("aus/IMG_200_0.jpg");

    Lauf lauf = starte({QStringLiteral("aus"), QStringLiteral("IMG_20240512_1.bmp"), QStringLiteral("IMG_20240512_2.bmp")});
    EXPECT_EQ(lauf.ergebnis, 1);
    EXPECT_EQ(lauf.zeilen.size(), 1);
    EXPECT_TRUE(lauf.fehler.startsWith(QStringLiteral("IMG_20240512_2.bmp: übersprungen.")));
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("--ersetzen")));
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(ecke), kachel(erstes, QRect(0, 0, 40, 40))));

    // The folder remembers whose files they are: the same command again, and
    // after a change of the grid, replaces the picture's own puzzle and
    // leaves nothing of the coarser one; the other picture is still skipped.
    lauf = starte({QStringLiteral("aus"), QStringLiteral("IMG_20240512_1.bmp")});
    EXPECT_EQ(lauf.ergebnis, 0) << qPrintable(lauf.fehler);
    lauf = starte({QStringLiteral("aus"), QStringLiteral("--breite"), QStringLiteral("50"),
                   QStringLiteral("IMG_20240512_1.bmp")});
    EXPECT_EQ(lauf.ergebnis, 0) << qPrintable(lauf.fehler);
    EXPECT_FALSE(QFileInfo::exists(pfad(QStringLiteral("aus/IMG_204_4.jpg"))));
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(ecke), kachel(erstes, QRect(0, 0, 50, 50))));
    lauf = starte({QStringLiteral("aus"), QStringLiteral("IMG_20240512_2.bmp")});
    EXPECT_EQ(lauf.ergebnis, 1);
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(ecke), kachel(erstes, QRect(0, 0, 50, 50))));
    // A tile changed by hand is no longer the picture's own.
    jpeg(ecke, zweites);
    EXPECT_EQ(starte({QStringLiteral("aus"), QStringLiteral("IMG_20240512_1.bmp")}).ergebnis, 1);
    lauf = starte({QStringLiteral("aus"), QStringLiteral("--ersetzen"), QStringLiteral("IMG_20240512_2.bmp")});
    EXPECT_EQ(lauf.ergebnis, 0) << qPrintable(lauf.fehler);
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(ecke), kachel(zweites, QRect(0, 0, 40, 40))));

    // Each in a folder of its own, both are written.
    lauf = starte({QStringLiteral("fotos"), QStringLiteral("--unterordner"), QStringLiteral("IMG_20240512_1.bmp"),
                   QStringLiteral("IMG_20240512_2.bmp")});
    EXPECT_EQ(lauf.ergebnis, 0) << qPrintable(lauf.fehler);
    EXPECT_EQ(lauf.zeilen, (QStringList{QStringLiteral("IMG_20240512_1.bmp: 5 x 5 Teile zu 40 Pixeln, 31 Dateien in %1/")
                                            .arg(pfad(QStringLiteral("fotos/IMG_20240512_1"))),
                                        QStringLiteral("IMG_20240512_2.bmp: 5 x 5 Teile zu 40 Pixeln, 31 Dateien in %1/")
                                            .arg(pfad(QStringLiteral("fotos/IMG_20240512_2")))}));
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(QStringLiteral("fotos/IMG_20240512_2/IMG_200_0.jpg")),
                                         kachel(zweites, QRect(0, 0, 40, 40))));
    EXPECT_TRUE(QFileInfo::exists(pfad(QStringLiteral("fotos/IMG_20240512_1/falsrich.gif"))));

    // A picture named like one of its own tiles is never replaced by it.
    jpeg(QStringLiteral("aus/abcdef0_0.jpg"), erstes);
    const QImage vorher = lies(QStringLiteral("aus/abcdef0_0.jpg"));
    lauf = starte({QStringLiteral("aus"), QStringLiteral("--ersetzen"), QStringLiteral("--breite=50"),
                   QStringLiteral("--offset=0,0"), QStringLiteral("--qualitaet=60"), QStringLiteral("aus/abcdef0_0.jpg")});
    EXPECT_EQ(lauf.ergebnis, 1);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("das geladene Bild selbst"))) << qPrintable(lauf.fehler);
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(QStringLiteral("aus/abcdef0_0.jpg")), vorher));
}

TEST_F(Export, OrdnerAlsBildUndDieAntwortenDesRaetsels)
{
    jpeg(QStringLiteral("Tiere/Katze.jpg"), testhilfe::Muster(300, 200));
    bmp(QStringLiteral("Tiere/Hund.bmp"), testhilfe::Muster(200, 200));
    bmp(QStringLiteral("Tiere/Pferd-weiss_2.bmp"), testhilfe::Muster(200, 300));
    bmp(QStringLiteral("Tiere/alt/Maus.bmp"), testhilfe::Muster(200, 200)); // subfolders are not read
    QDir().mkpath(pfad(QStringLiteral("leer")));
    QFile notiz(pfad(QStringLiteral("Tiere/notiz.txt")));
    ASSERT_TRUE(notiz.open(QIODevice::WriteOnly));
    notiz.close();

    const Lauf lauf = starte({QStringLiteral("aus"), QStringLiteral("Tiere/"), QStringLiteral("leer")});
    EXPECT_EQ(lauf.ergebnis, 1);
    EXPECT_EQ(lauf.zeilen, (QStringList{QStringLiteral("Tiere/Hund.bmp: 5 x 5 Teile zu 40 Pixeln, 31 Dateien"),
                                        QStringLiteral("Tiere/Katze.jpg: 5 x 3 Teile zu 60 Pixeln, 21 Dateien"),
                                        QStringLiteral("Tiere/Pferd-weiss_2.bmp: 3 x 5 Teile zu 60 Pixeln, 21 Dateien")}));
    EXPECT_TRUE(lauf.fehler.startsWith(QStringLiteral("leer: Der Ordner enthält keine Bilder"))) << qPrintable(lauf.fehler);
    EXPECT_FALSE(QFileInfo::exists(pfad(QStringLiteral("aus/Maus0_0.jpg"))));

    // Each riddle asks for its picture's name among the others', not always
    // at the same place.
    QSet<int> stellen;
    for (const auto& [seite, name] : {std::pair{"aus/Hundrp.htm", "Hund"}, std::pair{"aus/Katzerp.htm", "Katze"},
                                      std::pair{"aus/Pferd-rp.htm", "Pferd weiss 2"}}) {
        const Raetsel r = raetsel(QLatin1String(seite));
        EXPECT_EQ(r.richtig, QLatin1String(name));
        QStringList sortiert = r.antworten;
        sortiert.sort();
        EXPECT_EQ(sortiert, (QStringList{QStringLiteral("Hund"), QStringLiteral("Katze"), QStringLiteral("Pferd weiss 2")}));
        stellen.insert(r.antworten.indexOf(r.richtig));
    }
    EXPECT_GT(stellen.size(), 1);

    // One picture keeps the sample answers and says so; given answers are taken.
    Lauf einzeln = starte({QStringLiteral("aus"), QStringLiteral("Tiere/Hund.bmp")});
    EXPECT_EQ(einzeln.zeilen, QStringList{QStringLiteral("Tiere/Hund.bmp: 5 x 5 Teile zu 40 Pixeln, 31 Dateien (Hinweis: das "
                                                         "Bilderrätsel fragt mit den Beispielantworten, eigene mit --antworten)")});
    EXPECT_TRUE(raetsel(QStringLiteral("aus/Hundrp.htm")).antworten.contains(QStringLiteral("Köln: der Dom am Rheinufer")));
    einzeln = starte({QStringLiteral("aus"), QStringLiteral("--antworten"), QStringLiteral("Dackel;Pudel;Mops"),
                      QStringLiteral("--richtig"), QStringLiteral("2"), QStringLiteral("Tiere/Hund.bmp")});
    EXPECT_EQ(einzeln.zeilen, QStringList{QStringLiteral("Tiere/Hund.bmp: 5 x 5 Teile zu 40 Pixeln, 31 Dateien")});
    const Raetsel gegeben = raetsel(QStringLiteral("aus/Hundrp.htm"));
    EXPECT_EQ(gegeben.antworten, (QStringList{QStringLiteral("Dackel"), QStringLiteral("Pudel"), QStringLiteral("Mops")}));
    EXPECT_EQ(gegeben.richtig, QStringLiteral("Pudel"));
}

TEST_F(Export, ParallelDieselbenDateienInDerReihenfolgeDesAufrufs)
{
    QStringList bilder;
    for (int i = 0; i < 5; ++i)
        bilder << bmp(QStringLiteral("bild%1.bmp").arg(5 - i), testhilfe::Muster(180 + 40 * i, 240 - 20 * i));
    const Lauf einer = starte(QStringList{QStringLiteral("eins"), QStringLiteral("--jobs"), QStringLiteral("1")} + bilder);
    const Lauf zwei = starte(QStringList{QStringLiteral("zwei"), QStringLiteral("--jobs=2")} + bilder);
    ASSERT_EQ(einer.ergebnis, 0) << qPrintable(einer.fehler);
    ASSERT_EQ(zwei.ergebnis, 0) << qPrintable(zwei.fehler);
    ASSERT_EQ(einer.zeilen.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(einer.zeilen[i].startsWith(bilder[i] + QLatin1Char(':')));
    EXPECT_EQ(zwei.zeilen, einer.zeilen);
    const QStringList dateien = QDir(pfad(QStringLiteral("eins"))).entryList(QDir::Files);
    EXPECT_EQ(QDir(pfad(QStringLiteral("zwei"))).entryList(QDir::Files), dateien);
    for (const QString& name : dateien) {
        QFile a(pfad(QStringLiteral("eins/") + name));
        QFile b(pfad(QStringLiteral("zwei/") + name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll()) << qPrintable(name);
    }

    // Quietly, only what failed is said; without a terminal there is no progress line.
    const Lauf still = starte(QStringList{QStringLiteral("drei"), QStringLiteral("--still"), QStringLiteral("fehlt.bmp")} + bilder);
    EXPECT_EQ(still.ergebnis, 1);
    EXPECT_TRUE(still.zeilen.isEmpty());
    EXPECT_EQ(still.fehler.count(u'\n'), 1) << qPrintable(still.fehler);
    EXPECT_TRUE(still.fehler.startsWith(QStringLiteral("fehlt.bmp: ")));

    // On a terminal a progress line goes along and is wiped at the end.
    QStringList befehl{testhilfe::Bauverzeichnis() + QStringLiteral("tesselo"), QStringLiteral("--export"),
                       QStringLiteral("vier")};
    befehl += bilder;
    for (QString& wort : befehl)
        wort = QLatin1Char('\'') + wort + QLatin1Char('\'');
    QProcess terminal;
    terminal.setWorkingDirectory(ordner.path());
    terminal.start(QStringLiteral("script"), {QStringLiteral("-qec"), befehl.join(u' '), QStringLiteral("/dev/null")});
    ASSERT_TRUE(terminal.waitForFinished(120000));
    const QString gezeigt = QString::fromUtf8(terminal.readAllStandardOutput());
    EXPECT_EQ(terminal.exitCode(), 0) << qPrintable(gezeigt);
    // Pictures finish in any order on parallel queues, so which count shows first varies.
    EXPECT_TRUE(gezeigt.contains(QRegularExpression(QStringLiteral("[1-4] von 5 Bildern, noch etwa"))))
        << qPrintable(gezeigt);
    EXPECT_FALSE(gezeigt.section(QStringLiteral("\r\033[K"), -1).contains(QStringLiteral("Bildern")))
        << qPrintable(gezeigt);
}

TEST_F(Export, VolleDatentraegerHinterlassenKeineHalbeSeite)
{
    QImage flaeche(200, 200, QImage::Format_RGB32);
    flaeche.fill(QColor(40, 120, 60)); // small tiles and preview, a large page
    bmp(QStringLiteral("bild.bmp"), flaeche);
    ASSERT_EQ(starte({QStringLiteral("aus"), QStringLiteral("bild.bmp")}).ergebnis, 0);
    QFile seite(pfad(QStringLiteral("aus/bildsp.htm")));
    ASSERT_TRUE(seite.open(QIODevice::ReadOnly));
    const QByteArray vorher = seite.readAll();
    seite.close();
    ASSERT_GT(vorher.size(), 20000);

    // The tiles fit, the page does not: it fails with the system's error
    // number, and the page of the run before stays as it was.
    const Lauf lauf = starte({QStringLiteral("aus"), QStringLiteral("--ersetzen"), QStringLiteral("bild.bmp")}, 16384);
    EXPECT_EQ(lauf.ergebnis, 1);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("bildsp.htm: E/A-Fehler %1").arg(EFBIG))) << qPrintable(lauf.fehler);
    ASSERT_TRUE(seite.open(QIODevice::ReadOnly));
    EXPECT_TRUE(seite.readAll() == vorher);
    // Nothing half-written is left beside it either.
    EXPECT_EQ(QDir(pfad(QStringLiteral("aus"))).entryList(QDir::Files).size(), 25 + 2 + 4 + 3);
}

TEST_F(Export, OrdnerOhneSchreibrechtUndFalscheAufrufe)
{
    bmp(QStringLiteral("bild.bmp"), testhilfe::Muster(100, 100));
    testhilfe::SchreibgeschuetzterOrdner schutz(pfad(QStringLiteral("stick")), [] {});
    if (schutz.Geschuetzt()) {
        const Lauf lauf = starte({pfad(QStringLiteral("stick")), QStringLiteral("bild.bmp")});
        EXPECT_EQ(lauf.ergebnis, 1);
        EXPECT_TRUE(lauf.zeilen.isEmpty());
        EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("schreibgeschützt"))) << qPrintable(lauf.fehler);
        EXPECT_EQ(QDir(pfad(QStringLiteral("stick"))).entryList(QDir::Files), QStringList());
        // Nor can a folder be made inside it.
        EXPECT_EQ(starte({pfad(QStringLiteral("stick/neu")), QStringLiteral("bild.bmp")}).ergebnis, 1);
    }
    const Lauf keinOrdner = starte({QStringLiteral("bild.bmp"), QStringLiteral("bild.bmp")});
    EXPECT_EQ(keinOrdner.ergebnis, 1);
    EXPECT_TRUE(keinOrdner.fehler.contains(QStringLiteral("Das ist kein Ordner."))) << qPrintable(keinOrdner.fehler);
    const Lauf darunter = starte({QStringLiteral("bild.bmp/neu"), QStringLiteral("bild.bmp")});
    EXPECT_EQ(darunter.ergebnis, 1);
    EXPECT_TRUE(darunter.fehler.contains(QStringLiteral("kann nicht angelegt werden. %1: Das ist kein Ordner.")
                                             .arg(pfad(QStringLiteral("bild.bmp")))))
        << qPrintable(darunter.fehler);

    for (const QStringList& falsch : {QStringList{QStringLiteral("aus")},
                                      QStringList{QStringLiteral("aus"), QStringLiteral("--offset"), QStringLiteral("1,2"),
                                                  QStringLiteral("bild.bmp")},
                                      QStringList{QStringLiteral("aus"), QStringLiteral("--breite"), QStringLiteral("0"),
                                                  QStringLiteral("bild.bmp")},
                                      QStringList{QStringLiteral("aus"), QStringLiteral("--qualitaet"),
                                                  QStringLiteral("101"), QStringLiteral("bild.bmp")},
                                      QStringList{QStringLiteral("aus"), QStringLiteral("--schnell"), QStringLiteral("bild.bmp")}}) {
        const Lauf lauf = starte(falsch);
        EXPECT_EQ(lauf.ergebnis, 2) << qPrintable(falsch.join(u' '));
        EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("Aufruf: tesselo"))) << qPrintable(lauf.fehler);
        EXPECT_FALSE(QFileInfo::exists(pfad(QStringLiteral("aus"))));
    }
}

// A photo cut short in the middle: its message, and not one file of it,
// though the tile rows above the damage were encoded before it showed.
TEST_F(Export, AbgebrochenesFotoHinterlaesstKeineHalbenKacheln)
{
    QFile voll(pfad(jpeg(QStringLiteral("voll.jpg"), testhilfe::Muster(600, 400))));
    ASSERT_TRUE(voll.open(QIODevice::ReadOnly));
    const QByteArray inhalt = voll.readAll();
    QFile kurz(pfad(QStringLiteral("kurz.jpg")));
    ASSERT_TRUE(kurz.open(QIODevice::WriteOnly));
    kurz.write(inhalt.left(inhalt.size() * 7 / 10));
    kurz.close();

    const Lauf lauf = starte({QStringLiteral("aus"), QStringLiteral("kurz.jpg")});
    EXPECT_EQ(lauf.ergebnis, 1);
    EXPECT_TRUE(lauf.zeilen.isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^kurz.jpg: Die JPEG-Datei ist beschädigt oder unvollständig "
                                                  "\\(JPEG-Fehlernr. \\d+\\)\\n$"))
                    .match(lauf.fehler)
                    .hasMatch())
        << qPrintable(lauf.fehler);
    EXPECT_EQ(QDir(pfad(QStringLiteral("aus"))).entryList(QDir::Files | QDir::Hidden), QStringList());
}

} // namespace
