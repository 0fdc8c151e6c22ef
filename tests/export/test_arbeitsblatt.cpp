// The printed worksheet as a teacher checks it: every page rendered by
// poppler's pdftoppm and read by pdftotext, the job writing it as the menu
// and the command line do.
#include "codecs/bildcodec.h"
#include "export/arbeitsblatt.h"
#include "export/arbeitsblattmasse.h"
#include "export/ausgabebuch.h"
#include "export/puzzleausgabe.h"
#include "modell/einstellungen.h"
#include "modell/puzzle.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/schnitt.h"
#include "testhilfe.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr double Dpi = 50;

double Px(double mm)
{
    return mm * Dpi / 25.4;
}

QRectF Px(const QRectF& mm)
{
    return QRectF(Px(mm.x()), Px(mm.y()), Px(mm.width()), Px(mm.height()));
}

// The job's questions answered as the command line does; what it tells is kept.
class Antworten : public Ausgabefragen
{
public:
    std::optional<QString> Ordnerfehler(const QString&) override { return std::nullopt; }
    bool Ersetzen(const QString&, const QString&, const QStringList& f) override
    {
        fremde = f;
        return false;
    }
    bool InsProgrammverzeichnis(const QString&) override { return true; }
    bool OhneWebnamen(const QString&) override { return true; }
    bool Weiter(const Ausgabefehler& fehler) override
    {
        meldungen.push_back(fehler);
        return false;
    }

    std::vector<Ausgabefehler> meldungen;
    QStringList fremde;
};

// Tiles of 4 x 4 blocks in random colours: a rendered piece, however small,
// is told from every other one.
QImage Bloeckebild(int spalten, int zeilen, int breite)
{
    QImage bild(spalten * breite, zeilen * breite, QImage::Format_RGB32);
    QRandomGenerator zufall(spalten * 1000 + zeilen);
    QPainter maler(&bild);
    const int block = breite / 4;
    for (int y = 0; y < bild.height(); y += block)
        for (int x = 0; x < bild.width(); x += block)
            maler.fillRect(x, y, block, block, QColor::fromRgb(zufall.bounded(0x1000000u)));
    return bild;
}

// The mean colour at the middle of each of the 4 x 4 blocks of `feld`.
std::vector<int> Bloecke(const QImage& bild, const QRectF& feld)
{
    std::vector<int> werte;
    const int r = std::max(1, int(feld.width() / 16));
    for (int by = 0; by < 4; ++by)
        for (int bx = 0; bx < 4; ++bx) {
            const QPoint mitte = (feld.topLeft() + QPointF((bx + 0.5) * feld.width() / 4, (by + 0.5) * feld.height() / 4))
                                     .toPoint();
            int summe[3] = {0, 0, 0};
            int n = 0;
            for (int y = mitte.y() - r; y <= mitte.y() + r; ++y)
                for (int x = mitte.x() - r; x <= mitte.x() + r; ++x) {
                    const QRgb p = bild.pixel(x, y);
                    summe[0] += qRed(p);
                    summe[1] += qGreen(p);
                    summe[2] += qBlue(p);
                    ++n;
                }
            for (int k : summe)
                werte.push_back(k / n);
        }
    return werte;
}

double Abstand(const std::vector<int>& a, const std::vector<int>& b)
{
    double summe = 0;
    for (size_t i = 0; i < a.size(); ++i)
        summe += std::abs(a[i] - b[i]);
    return summe / double(a.size());
}

class Arbeitsblatt : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_arbeitsblatt";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QCoreApplication::instance())
            anwendung = std::make_unique<QGuiApplication>(argc, argv);
    }
    // Before the program's end: Qt's own globals are gone by then.
    static void TearDownTestSuite() { anwendung.reset(); }

    QString pfad(const QString& name) const { return ordner.filePath(name); }

    // Runs the job as "&Speichern" does, into the test's folder.
    Ausgabeergebnis schreibe(const Kachelsatz& kacheln, const Einstellungen& e, std::vector<Ausgabeteil> teile,
                             std::uint32_t saat, Antworten& antworten, const QString& unter = QString())
    {
        Puzzleauftrag auftrag;
        auftrag.verzeichnis = QDir(pfad(unter)).absolutePath() + QLatin1Char('/');
        QDir().mkpath(auftrag.verzeichnis);
        auftrag.vorlagenverzeichnis = testhilfe::Bauverzeichnis();
        auftrag.kuerzel = QStringLiteral("hof");
        auftrag.herkunft = QStringLiteral("/bilder/hof.jpg");
        auftrag.teile = std::move(teile);
        auftrag.mischung = saat;
        Ausgabestand stand;
        return SchreibePuzzle(auftrag, kacheln, e, stand, buch, antworten);
    }

    // Every page of the PDF at Dpi.
    static std::vector<QImage> seiten(const QString& pdf)
    {
        QTemporaryDir bilder;
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                                                       pdf, bilder.filePath(QStringLiteral("s"))});
        std::vector<QImage> ergebnis;
        for (const QString& name : QDir(bilder.path()).entryList({QStringLiteral("s-*.png")}, QDir::Files, QDir::Name))
            ergebnis.push_back(QImage(bilder.filePath(name)).convertToFormat(QImage::Format_RGB32));
        return ergebnis;
    }

    static QString ausgabe(const QString& programm, const QStringList& argumente)
    {
        QProcess p;
        p.start(programm, argumente);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    static inline std::unique_ptr<QGuiApplication> anwendung;
    QTemporaryDir ordner;
    Ausgabebuch buch;
};

TEST_F(Arbeitsblatt, PanoramaGrossesBrettUndHochformatGebenSinnvolleBlaetter)
{
    struct Fall
    {
        int spalten, zeilen, breite;
        bool quer;
        double kante;
    };
    for (const Fall& f : {Fall{6, 1, 80, true, 44}, Fall{10, 10, 40, false, 17}, Fall{3, 5, 120, false, 47}}) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(f.spalten).arg(f.zeilen).toStdString());
        const Kachelsatz kacheln =
            schnitt::Zerschneide(Bloeckebild(f.spalten, f.zeilen, f.breite), Gitter{0, 0, f.breite}, Qt::black);
        Einstellungen e;
        e.Ueberschrift = QStringLiteral("Schulhof im Frühling – Größe");
        e.Bildnachweis = QStringLiteral("Foto: Jana Weiß, CC BY 4.0");
        Antworten antworten;
        const Ausgabeergebnis ergebnis = schreibe(kacheln, e, {Ausgabeteil::KachelnJpeg, Ausgabeteil::Arbeitsblatt},
                                                  7, antworten, QString::number(f.spalten * 100 + f.zeilen));
        ASSERT_EQ(ergebnis.ausgang, Ausgabeergebnis::Ausgang::Fertig);
        const QString pdf = ergebnis.dateien.last();
        EXPECT_EQ(QFileInfo(pdf).fileName(), "hof-Arbeitsblatt.pdf");
        // Only the 10 x 10 board has pieces under 2 cm, and the teacher is told.
        ASSERT_EQ(antworten.meldungen.size(), f.kante < 20 ? 1u : 0u);
        if (f.kante < 20)
            EXPECT_EQ(antworten.meldungen[0].art, Ausgabefehler::Art::KleineTeile);

        const auto masse = arbeitsblatt::Berechne(f.spalten, f.zeilen);
        const std::vector<QImage> bilder = seiten(pdf);
        ASSERT_EQ(int(bilder.size()), 2 + masse->boegen);

        // A4 every page, and nothing printed within 12 mm of an edge.
        const QSize a4 = f.quer ? QSize(585, 414) : QSize(414, 585);
        const int rand = int(Px(12));
        for (const QImage& seite : bilder) {
            EXPECT_LE(std::abs(seite.width() - a4.width()), 1);
            EXPECT_LE(std::abs(seite.height() - a4.height()), 1);
            int gedruckt = 0;
            for (int y = 0; y < seite.height(); ++y)
                for (int x = 0; x < seite.width(); ++x)
                    if ((x < rand || y < rand || x >= seite.width() - rand || y >= seite.height() - rand) &&
                        qGray(seite.pixel(x, y)) < 250)
                        ++gedruckt;
            EXPECT_EQ(gedruckt, 0);
        }

        // The Legeplan's grid: columns + 1 lines across the first row and
        // rows + 1 down the first column, a tile's print size apart.
        const QImage& plan = bilder[0];
        const QRectF brett = Px(masse->brett);
        const auto linien = [&](bool waagrecht) {
            std::vector<double> orte;
            const QRectF feld = Px(arbeitsblatt::Brettfeld(*masse, 0, 0));
            const int von = int(waagrecht ? brett.left() : brett.top()) - 2;
            const int bis = int(waagrecht ? brett.right() : brett.bottom()) + 2;
            bool dunkel = false;
            for (int i = von; i <= bis; ++i) {
                const QPoint p = waagrecht ? QPoint(i, int(feld.center().y())) : QPoint(int(feld.center().x()), i);
                const bool jetzt = qGray(plan.pixel(p)) < 200;
                if (jetzt && !dunkel)
                    orte.push_back(i);
                dunkel = jetzt;
            }
            return orte;
        };
        for (const bool waagrecht : {true, false}) {
            const std::vector<double> orte = linien(waagrecht);
            ASSERT_EQ(int(orte.size()), (waagrecht ? f.spalten : f.zeilen) + 1);
            for (size_t i = 1; i < orte.size(); ++i)
                EXPECT_NEAR(orte[i] - orte[i - 1], Px(f.kante), 1.5);
        }

        // Every tile file appears exactly once among the pieces of the cut
        // sheets, each clearly itself.
        std::vector<std::vector<int>> kachelbloecke;
        for (const kachelnamen::Kachel& k : kachelnamen::Speicherfolge(QStringLiteral("hof"), f.spalten, f.zeilen, false)) {
            const QImage datei = bildcodec::LeseBild(QFileInfo(pdf).path() + QLatin1Char('/') + k.datei, nullptr).value();
            kachelbloecke.push_back(Bloecke(datei, datei.rect()));
        }
        std::vector<int> gefunden(kachelbloecke.size(), 0);
        for (int n = 0; n < f.spalten * f.zeilen; ++n) {
            const arbeitsblatt::Bogenplatz platz = arbeitsblatt::Bogenfeld(*masse, n);
            const std::vector<int> stueck = Bloecke(bilder[size_t(1 + platz.bogen)], Px(platz.feld));
            size_t bestes = 0;
            for (size_t k = 1; k < kachelbloecke.size(); ++k)
                if (Abstand(stueck, kachelbloecke[k]) < Abstand(stueck, kachelbloecke[bestes]))
                    bestes = k;
            EXPECT_LT(Abstand(stueck, kachelbloecke[bestes]), 12) << "Teil " << n;
            ++gefunden[bestes];
        }
        EXPECT_EQ(std::count(gefunden.begin(), gefunden.end(), 1), f.spalten * f.zeilen);

        // The Lösung shows the whole picture, each tile in its place.
        for (int spalte = 0; spalte < f.spalten; ++spalte)
            for (int zeile = 0; zeile < f.zeilen; ++zeile)
                EXPECT_LT(Abstand(Bloecke(bilder.back(), Px(arbeitsblatt::Brettfeld(*masse, spalte, zeile))),
                                  kachelbloecke[size_t(spalte * f.zeilen + zeile)]),
                          12)
                    << spalte << "," << zeile;

        const QString text = ausgabe(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (const char* teil : {"Schneide die Teile aus und lege sie", "Schulhof im Frühling – Größe",
                                 "Foto: Jana Weiß, CC BY 4.0", "Ausschneidebogen", "Lösung", "Seite 3 von 3"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(teil))) << teil;
        const QString schriften = ausgabe(QStringLiteral("pdffonts"), {pdf});
        EXPECT_TRUE(QRegularExpression(QStringLiteral("DejaVuSans +CID TrueType +Identity-H +yes"))
                        .match(schriften)
                        .hasMatch())
            << qPrintable(schriften);
    }
}

TEST_F(Arbeitsblatt, FotoBleibtKleinUndDieWahlenDesLehrers)
{
    const QImage foto =
        bildcodec::LeseBild(testhilfe::Bauverzeichnis() + QStringLiteral("Beispiele/katze.jpg"), nullptr).value();
    const Gitter g = gitter::AutoGitter(foto.size()).value();
    const Kachelsatz kacheln = schnitt::Zerschneide(foto, g, Qt::black);
    Einstellungen e;
    e.ArbeitsblattBlassesBild = true;
    e.ArbeitsblattLoesungsmarken = true;
    Antworten antworten;
    const Ausgabeergebnis ergebnis =
        schreibe(kacheln, e, {Ausgabeteil::KachelnJpeg, Ausgabeteil::Arbeitsblatt}, 5, antworten);
    ASSERT_EQ(ergebnis.ausgang, Ausgabeergebnis::Ausgang::Fertig);

    // The PDF holds the tiles as JPEG data: at most twice the tile files.
    qint64 kachelbytes = 0;
    for (const QString& datei : ergebnis.dateien)
        if (QFileInfo(datei).fileName().contains(QLatin1Char('_')))
            kachelbytes += QFileInfo(datei).size();
    const QString pdf = pfad(QStringLiteral("hof-Arbeitsblatt.pdf"));
    EXPECT_LE(QFileInfo(pdf).size(), 2 * kachelbytes) << QFileInfo(pdf).size() << " / " << kachelbytes;

    // The faint picture: the empty board is light, yet not white.
    const std::vector<QImage> bilder = seiten(pdf);
    const auto masse = arbeitsblatt::Berechne(kacheln.spalten, kacheln.zeilen);
    const QRect brett = Px(masse->brett).toRect().adjusted(4, 4, -4, -4);
    qint64 hell = 0;
    for (int y = brett.top(); y <= brett.bottom(); ++y)
        for (int x = brett.left(); x <= brett.right(); ++x)
            hell += qGray(bilder[0].pixel(x, y));
    const double mittel = double(hell) / (brett.width() * brett.height());
    EXPECT_GT(mittel, 200);
    EXPECT_LT(mittel, 250);

    // The marks: every place once on the cut sheet.
    const QString bogen = ausgabe(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"),
                                                                QStringLiteral("-l"), QStringLiteral("2"), pdf,
                                                                QStringLiteral("-")});
    for (int spalte = 0; spalte < kacheln.spalten; ++spalte)
        for (int zeile = 0; zeile < kacheln.zeilen; ++zeile)
            EXPECT_EQ(bogen.count(QRegularExpression(QStringLiteral("\\b%1\\b")
                                                         .arg(arbeitsblatt::Platzname(spalte, zeile)))),
                      1)
                << qPrintable(arbeitsblatt::Platzname(spalte, zeile));

    // The same seed lays the same cut sheet, another seed another one.
    const auto bogenMit = [&](std::uint32_t saat, const QString& unter) {
        Antworten a;
        schreibe(kacheln, Einstellungen(), {Ausgabeteil::Arbeitsblatt}, saat, a, unter);
        return seiten(pfad(unter + QStringLiteral("/hof-Arbeitsblatt.pdf")))[1];
    };
    EXPECT_TRUE(testhilfe::GleicheBilder(bogenMit(5, QStringLiteral("a")), bogenMit(5, QStringLiteral("b"))));
    EXPECT_FALSE(testhilfe::GleicheBilder(bogenMit(5, QStringLiteral("c")), bogenMit(6, QStringLiteral("d"))));
}

TEST_F(Arbeitsblatt, ZuVieleTeileUndFremdeDateiWerdenNichtGeschrieben)
{
    // More than 100 tiles are refused with a clear message, before any file.
    Kachelsatz gross;
    gross.spalten = 11;
    gross.zeilen = 10;
    gross.breite = 8;
    gross.teile.assign(110, testhilfe::Muster(8, 8));
    Antworten antworten;
    Ausgabeergebnis ergebnis = schreibe(gross, Einstellungen(), {Ausgabeteil::Arbeitsblatt}, 1, antworten);
    EXPECT_EQ(ergebnis.ausgang, Ausgabeergebnis::Ausgang::Fehler);
    ASSERT_EQ(antworten.meldungen.size(), 1u);
    EXPECT_EQ(antworten.meldungen[0].art, Ausgabefehler::Art::Arbeitsblatt);
    EXPECT_TRUE(antworten.meldungen[0].text.contains(QStringLiteral("höchstens 100 Teile")));
    EXPECT_TRUE(QDir(ordner.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());

    // A worksheet of the same name that this picture did not write is asked
    // about like every other output, and kept on a no.
    QFile fremd(pfad(QStringLiteral("hof-Arbeitsblatt.pdf")));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.write("fremd");
    fremd.close();
    const Kachelsatz klein = schnitt::Zerschneide(Bloeckebild(2, 2, 40), Gitter{0, 0, 40}, Qt::black);
    Antworten nein;
    ergebnis = schreibe(klein, Einstellungen(), {Ausgabeteil::Arbeitsblatt}, 1, nein);
    EXPECT_EQ(ergebnis.ausgang, Ausgabeergebnis::Ausgang::Abgelehnt);
    EXPECT_EQ(nein.fremde, QStringList{QStringLiteral("hof-Arbeitsblatt.pdf")});
    EXPECT_EQ(QFileInfo(fremd).size(), 5);
}

} // namespace
