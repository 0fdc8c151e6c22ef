// Writes real pages for the browser tests: a test picture is cut and its
// tiles and pages written by the program's own window-free main path, as
// "&alle HTML-Spiele" and "als HTML-Tabe&lle" write them. Variants with
// different options:
//   <ziel>/a  all displays, move log on, answers right, preview on
//   <ziel>/b  no move counter, no move log, answers below, no preview,
//             a heading and answers with characters outside Latin-1
//   <ziel>/c  the options' start values (written first, nothing changed),
//             10 x 10 tiles, written with a tile width of 1200 pixels
//   <ziel>/d  1 row of 6 tiles of 1200 pixels, a heading with a picture
//             and bold text
//   <ziel>/e  1 column of 6 tiles of 300 pixels, answers below
//   <ziel>/f  the picture "Möwe am Strand & Meer.bmp" (a prefix with a space),
//             a credit and a description
// a/ and f/ also hold the games as single files and the SCORM package.
// Usage: seiten_erzeugen <ziel> <vorlagenverzeichnis>
#include "export/ausgabebuch.h"
#include "export/puzzleausgabe.h"
#include "modell/einstellungen.h"
#include "modell/puzzle.h"
#include "prepare/kachelnamen.h"
#include "prepare/schnitt.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <utility>

namespace {

// Every tile a colour of its own and its number, so a screenshot shows moves.
QImage Testbild(int Spalten, int Zeilen, int Kachel)
{
    QImage bild(Spalten * Kachel, Zeilen * Kachel, QImage::Format_RGB32);
    QPainter maler(&bild);
    QFont schrift = maler.font();
    schrift.setPixelSize(Kachel / 2);
    schrift.setBold(true);
    maler.setFont(schrift);
    for (int c = 0; c < Spalten; ++c)
        for (int r = 0; r < Zeilen; ++r) {
            const QRect feld(c * Kachel, r * Kachel, Kachel, Kachel);
            maler.fillRect(feld, QColor::fromHsv((c * Zeilen + r) * 55 % 360, 150, 230));
            maler.setPen(Qt::black);
            maler.drawText(feld, Qt::AlignCenter, QString::number(r * Spalten + c + 1));
        }
    return bild;
}

// Nobody is asked; a problem ends the variant with its message.
class JaZuAllem : public Ausgabefragen
{
public:
    std::optional<QString> Ordnerfehler(const QString&) override { return std::nullopt; }
    bool Ersetzen(const QString&, const QString&, const QStringList&) override { return true; }
    bool InsProgrammverzeichnis(const QString&) override { return true; }
    bool OhneWebnamen(const QString&) override { return true; }
    bool Weiter(const Ausgabefehler& fehler) override
    {
        std::fprintf(stderr, "%s %s\n", qPrintable(fehler.datei), qPrintable(fehler.text));
        return false;
    }
};

bool Variante(const QString& verzeichnis, const QString& vorlagen, char art)
{
    QDir().mkpath(verzeichnis);
    // Columns, rows, the tile width of the cut and the one the pages are written with.
    int Spalten = 3, Zeilen = 2, Kachel = 60, Seitenbreite = 60;
    switch (art) {
    case 'c': Spalten = 10, Zeilen = 10, Kachel = 30, Seitenbreite = 1200; break;
    case 'd': Spalten = 6, Zeilen = 1, Kachel = 40, Seitenbreite = 1200; break;
    case 'e': Spalten = 1, Zeilen = 6, Kachel = 40, Seitenbreite = 300; break;
    default: break;
    }
    // The settings carry over from one variant to the next, as in one run of
    // the program.
    static Einstellungen einstellungen;
    // Taking a portrait picture over turns the preview.
    PasseVorschauAn(einstellungen, QSize(Spalten, Zeilen));
    Puzzleauftrag auftrag;
    auftrag.tabellenbild = QDir::toNativeSeparators(
        verzeichnis + (art == 'f' ? QString::fromUtf8("/M\u00f6we am Strand & Meer.bmp") : QStringLiteral("/luftbild.bmp")));
    auftrag.kuerzel = kachelnamen::Dateikuerzel(auftrag.tabellenbild);
    auftrag.herkunft = auftrag.tabellenbild;
    auftrag.verzeichnis = QDir::toNativeSeparators(verzeichnis + QLatin1Char('/'));
    auftrag.vorlagenverzeichnis = vorlagen;
    auftrag.teile = {Ausgabeteil::KachelnJpeg, Ausgabeteil::Schiebeseite, Ausgabeteil::Tauschseite,
                     Ausgabeteil::Raetselseite, Ausgabeteil::Tabelle};
    if (art == 'a' || art == 'f')
        auftrag.teile.insert(auftrag.teile.end(), {Ausgabeteil::Einzeldateien, Ausgabeteil::Lernpaket});
    if (art != 'c') {
        einstellungen.LeerfeldX = 2;
        einstellungen.LeerfeldY = 1;
        einstellungen.Gitterbreite = 2;
        einstellungen.Gitterlinienfarbe = 0x00FFFF; // yellow
        einstellungen.RichtigeAntwort = 2;
    }
    if (art == 'a' || art == 'd') {
        einstellungen.Ueberschrift = QStringLiteral("Luftbild");
        einstellungen.Zugausgabe = true;
        einstellungen.ZugZaehler = true;
        einstellungen.Spielzeit = true;
        einstellungen.Antworten = QStringList{QStringLiteral("Ein Segelboot"), QStringLiteral("Der Leuchtturm"),
                                              QStringLiteral("Eine Burg")};
        einstellungen.AntwortenUnten = false;
    } else if (art != 'c') {
        einstellungen.Ueberschrift = QString::fromUtf8("W\u00fcrfel f\u00fcr 5 \u20ac \u0150");
        einstellungen.Zugausgabe = false;
        einstellungen.VorschauErzeugen = false;
        einstellungen.ZugZaehler = false;
        einstellungen.Spielzeit = true;
        einstellungen.Antworten = QString::fromUtf8("Gr\u00fc\u00dfe\nPreis in \u20ac\n\nverborgen").split(u'\n');
        einstellungen.AntwortenUnten = true;
    }
    if (art == 'd') {
        einstellungen.Ueberschrift =
            QStringLiteral("<img src=\"luftbi0_0.jpg\" width=48 height=48 alt=\"Logo\"> <b>Klasse 4b</b>");
        einstellungen.LeerfeldX = 4;
        einstellungen.LeerfeldY = 0;
    }
    if (art == 'e') {
        einstellungen.LeerfeldX = 0;
        einstellungen.LeerfeldY = 5;
        einstellungen.ZugZaehler = true;
    }
    if (art == 'f') {
        einstellungen.LeerfeldX = 2;
        einstellungen.LeerfeldY = 1;
        einstellungen.Ueberschrift = QStringLiteral("Am Meer");
        einstellungen.Bildnachweis = QString::fromUtf8("Foto: A. M\u00fcller & B. <Beispiel>, CC BY 4.0");
        einstellungen.Bildbeschreibung = QString::fromUtf8("M\u00f6we auf einem Pfahl am Strand");
        einstellungen.VorschauErzeugen = true;
        einstellungen.VorschauBreite = 240;
        einstellungen.VorschauHoehe = 160;
        einstellungen.Zugausgabe = true;
        einstellungen.ZugZaehler = true;
        einstellungen.AntwortenUnten = false;
    }
    // The pages are written with the tile width the field shows then, which
    // may differ from the cut's.
    auftrag.kachelbreite = Seitenbreite;
    const Kachelsatz kacheln = schnitt::Zerschneide(Testbild(Spalten, Zeilen, Kachel), Gitter{0, 0, Kachel},
                                                    Farbe(einstellungen.Hintergrundfarbe));
    Ausgabestand stand;
    Ausgabebuch buch;
    JaZuAllem fragen;
    return SchreibePuzzle(auftrag, kacheln, einstellungen, stand, buch, fragen).ausgang ==
           Ausgabeergebnis::Ausgang::Fertig;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // the test picture's numbers need a font
    QGuiApplication anwendung(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: seiten_erzeugen <ziel> <vorlagenverzeichnis>\n");
        return 2;
    }
    QString vorlagen = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    vorlagen += QDir::separator();
    const QString ziel = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    bool gut = true;
    for (const char art : {'c', 'a', 'b', 'd', 'e', 'f'})
        gut = gut && Variante(ziel + QLatin1Char('/') + QLatin1Char(art), vorlagen, art);
    return gut ? 0 : 1;
}
