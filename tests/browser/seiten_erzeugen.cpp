// Writes real pages for the browser tests: a test picture is loaded and cut
// through the main window's own commands, and every entry of "&Speichern"
// writes its pages and tiles. Variants with different options:
//   <ziel>/a  all displays, move log on, answers right, preview on
//   <ziel>/b  no move counter, no move log, answers below, no preview,
//             a heading and answers with characters outside Latin-1
//   <ziel>/c  the options' start values (written first, nothing changed),
//             10 x 10 tiles, written with a tile width of 1200 pixels
//   <ziel>/d  1 row of 6 tiles of 1200 pixels, a heading with a picture
//             and bold text
//   <ziel>/e  1 column of 6 tiles of 300 pixels, answers below
// Usage: seiten_erzeugen <ziel> <vorlagenverzeichnis>
#include "app/fenster/dialoge.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "codecs/bildcodec.h"
#include "dialogs/puz_opt.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <cstdio>

namespace {

bool Fehler = false;

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

bool Variante(const QString& verzeichnis, const QString& vorlagen, char art)
{
    QDir().mkpath(verzeichnis);
    const QString bilddatei = verzeichnis + QStringLiteral("/luftbild.bmp");
    // Columns, rows, the tile width of the cut and the one the pages are written with.
    int Spalten = 3, Zeilen = 2, Kachel = 60, Seitenbreite = 60;
    switch (art) {
    case 'c': Spalten = 10, Zeilen = 10, Kachel = 30, Seitenbreite = 1200; break;
    case 'd': Spalten = 6, Zeilen = 1, Kachel = 40, Seitenbreite = 1200; break;
    case 'e': Spalten = 1, Zeilen = 6, Kachel = 40, Seitenbreite = 300; break;
    default: break;
    }
    QString fehler;
    if (!bildcodec::SchreibeBmp(Testbild(Spalten, Zeilen, Kachel), bilddatei, &fehler)) {
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        return false;
    }
    Dialoge::BildOeffnen = [bilddatei](QWidget*) { return bilddatei; };
    Form1->BuLadenClick();
    Form1->ScBaWartezeit->setValue(0);
    Form1->SpEdOffx->setValue(0);
    Form1->SpEdOffy->setValue(0);
    Form1->SpEdBreite->setValue(Kachel);
    Form1->BuSchneidenClick();
    if (puz_var::Spalten != Spalten || puz_var::Zeilen != Zeilen) {
        std::fprintf(stderr, "Schnitt ergab %d x %d Kacheln\n", puz_var::Spalten, puz_var::Zeilen);
        return false;
    }
    puz_var::Programmverzeichnis = vorlagen;
    if (art == 'c') {
        // The start values: only the tile width differs from the cut.
        Form1->SpEdBreite->setValue(Seitenbreite);
        Form1->alleHTMLSpiele->trigger();
        Form1->alsHTMLTabelle1->trigger();
        return !Fehler;
    }
    puz_var::LeerfeldX = 2;
    puz_var::LeerfeldY = 1;
    puz_var::Gitterbreite = 2;
    puz_var::Gitterlinienfarbe = 0x00FFFF; // yellow
    Fo_Optionen->SpEdRichtigeAntwort->setValue(2);
    if (art == 'a' || art == 'd') {
        puz_var::Ueberschrift = QStringLiteral("Luftbild");
        puz_var::Zugausgabe = true;
        Fo_Optionen->ChBoZugZaehler->setChecked(true);
        Fo_Optionen->ChBoSpielzeit->setChecked(true);
        Fo_Optionen->MeAntworten->setPlainText(QStringLiteral("Ein Segelboot\nDer Leuchtturm\nEine Burg"));
        Fo_Optionen->RaGrAntwortenRechts->setChecked(true);
    } else {
        puz_var::Ueberschrift = QString::fromUtf8("W\u00fcrfel f\u00fcr 5 \u20ac \u0150");
        puz_var::Zugausgabe = false;
        puz_var::VorschauErzeugen = false;
        Fo_Optionen->ChBoZugZaehler->setChecked(false);
        Fo_Optionen->ChBoSpielzeit->setChecked(true);
        Fo_Optionen->MeAntworten->setPlainText(QString::fromUtf8("Gr\u00fc\u00dfe\nPreis in \u20ac\n\nverborgen"));
        Fo_Optionen->RaGrAntwortenUnten->setChecked(true);
    }
    if (art == 'd') {
        puz_var::Ueberschrift =
            QStringLiteral("<img src=\"luftbi0_0.jpg\" width=48 height=48 alt=\"Logo\"> <b>Klasse 4b</b>");
        puz_var::LeerfeldX = 4;
        puz_var::LeerfeldY = 0;
    }
    if (art == 'e') {
        puz_var::LeerfeldX = 0;
        puz_var::LeerfeldY = 5;
        Fo_Optionen->ChBoZugZaehler->setChecked(true);
    }
    Form1->SpEdBreite->setValue(Seitenbreite);
    // Through the menu entries, as the user chooses them after the cut.
    Form1->alleHTMLSpiele->trigger();
    Form1->alsHTMLTabelle1->trigger();
    return !Fehler;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: seiten_erzeugen <ziel> <vorlagenverzeichnis>\n");
        return 2;
    }
    puz_var::Startwerte();
    ErzeugeFenster();
    Dialoge::Frage = [](QWidget*, const QString&) { return false; };
    // Run again into the same folder, it replaces the pages of its last run.
    Dialoge::Ersetzen = [](QWidget*, const QString&) { return true; };
    Dialoge::Meldung = [](QWidget*, const QString& text) {
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
        Fehler = true;
    };
    QString vorlagen = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    vorlagen += QDir::separator();
    const QString ziel = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    bool gut = true;
    for (const char art : {'c', 'a', 'b', 'd', 'e'})
        gut = gut && Variante(ziel + QLatin1Char('/') + QLatin1Char(art), vorlagen, art);
    ZerstoereFenster();
    return gut ? 0 : 1;
}
