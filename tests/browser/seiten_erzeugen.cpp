// Writes real pages for the browser tests: a test picture is loaded and cut
// through the main window's own commands, and every entry of "&Speichern"
// writes its pages and tiles. Two variants with different options:
//   <ziel>/a  all displays, move log on, answers right, preview on
//   <ziel>/b  no move counter, no move log, answers below, no preview,
//             a heading and answers with characters outside Latin-1
// Usage: seiten_erzeugen <ziel> <vorlagenverzeichnis>
#include "app/dialoge.h"
#include "app/fenster.h"
#include "app/puz_hpt.h"
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

constexpr int Kachel = 60;
constexpr int Spalten = 3;
constexpr int Zeilen = 2;

bool Fehler = false;

// Every tile a colour of its own and its number, so a screenshot shows moves.
QImage Testbild()
{
    QImage bild(Spalten * Kachel, Zeilen * Kachel, QImage::Format_RGB32);
    QPainter maler(&bild);
    QFont schrift = maler.font();
    schrift.setPixelSize(28);
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

bool Variante(const QString& verzeichnis, const QString& vorlagen, bool zweite)
{
    QDir().mkpath(verzeichnis);
    const QString bilddatei = verzeichnis + QStringLiteral("/luftbild.bmp");
    QString fehler;
    if (!bildcodec::SchreibeBmp(Testbild(), bilddatei, &fehler)) {
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
    puz_var::LeerfeldX = 2;
    puz_var::LeerfeldY = 1;
    puz_var::Gitterbreite = 2;
    puz_var::Gitterlinienfarbe = 0x00FFFF; // yellow
    Fo_Optionen->SpEdRichtigeAntwort->setValue(2);
    if (!zweite) {
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
    const bool gut = Variante(ziel + QStringLiteral("/a"), vorlagen, false) &&
                     Variante(ziel + QStringLiteral("/b"), vorlagen, true);
    ZerstoereFenster();
    return gut ? 0 : 1;
}
