#include "dialogs/hilfefenster.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr QSize Fenstergroesse{433, 345};
constexpr QPoint Fensterort{73, 139};
constexpr QRect RectMeHilfe{8, 8, 409, 273};
constexpr QRect RectBuSchliessen{344, 288, 73, 25};
} // namespace

const QStringList Hilfefenster::Hilfetext{
    QStringLiteral("Zweck:"),
    QStringLiteral("======"),
    QStringLiteral("Tesselo macht aus einem Bild Puzzles aus quadratischen Teilen,"),
    QStringLiteral("in drei Spielen:"),
    QStringLiteral("  (I) SchiebePuzzle: Lösen durch Verschieben eines leeren Feldes"),
    QStringLiteral(" (II) TauschPuzzle: Lösen durch paarweises Vertauschen von Teilen"),
    QStringLiteral("(III) Bilderrätsel: Teile aufdecken und erraten, was das Bild zeigt"),
    QString(),
    QStringLiteral("Alle Spiele laufen hier im Programm und als Webseiten in jedem"),
    QStringLiteral("Browser, auf Handy, Tablet und Computer, ohne Internet."),
    QString(),
    QStringLiteral("Vorgehensweise:"),
    QStringLiteral("==============="),
    QStringLiteral("1) Bild laden: JPEG, PNG, BMP, WebP oder HEIC (iPhone-Fotos),"),
    QStringLiteral("    ein Bild aus der Zwischenablage, oder eine Bilddatei ins"),
    QStringLiteral("    Fenster ziehen. Zum Ausprobieren liegen Beispielbilder bei."),
    QStringLiteral("2) Gitter festlegen: Offset x, Offset y und Breite der Teile,"),
    QStringLiteral("    oder Auto (fünf Teile entlang der längeren Seite);"),
    QStringLiteral("    Vorschau zeigt das Gitter."),
    QStringLiteral("3) Schneiden"),
    QStringLiteral("4) Spielen, mit der Maus oder der Tastatur: Pfeiltasten wählen"),
    QStringLiteral("    ein Feld, Eingabe oder Leertaste spielt es."),
    QStringLiteral("5) Speichern: die Teile als Bilder und die Webseiten der Spiele,"),
    QStringLiteral("    in den Ausgabeordner, der unter Optionen steht."),
    QString(),
    QStringLiteral("Unter Optionen stehen auch die Überschrift der Seiten, die"),
    QStringLiteral("Antworten des Bilderrätsels, das Vorschaubild, das leere Feld,"),
    QStringLiteral("die Gitterlinien und die Anzeigen. Nichts davon wird bis zum"),
    QStringLiteral("nächsten Start aufbewahrt."),
    QString(),
    QStringLiteral("Viele Fotos auf einmal, ohne Fenster:"),
    QStringLiteral("    tesselo --export ORDNER BILD ..."),
    QStringLiteral("Mehr dazu zeigen tesselo --hilfe und man tesselo."),
    QString(),
    QStringLiteral("Weitergeben:"),
    QStringLiteral("============"),
    QStringLiteral("Speichern > als Einzeldatei: jedes Spiel als eine HTML-Datei"),
    QStringLiteral("    mit allen Bildern darin, für E-Mail, USB-Stick oder Cloud."),
    QStringLiteral("Speichern > für Lernplattform (SCORM): die drei Spiele als"),
    QStringLiteral("    ein Paket (.zip) für Moodle, ILIAS und andere; dort melden"),
    QStringLiteral("    sie Status, Punkte und Spielzeit und merken sich den Stand."),
    QStringLiteral("Bildnachweis und Bildbeschreibung stehen unter Optionen."),
    QString(),
    QStringLiteral("Datenschutz:"),
    QStringLiteral("============"),
    QStringLiteral("Tesselo arbeitet nur auf diesem Rechner. Das Programm sendet"),
    QStringLiteral("nichts und bewahrt keine Einstellungen auf. Die Webseiten"),
    QStringLiteral("laden nichts aus dem Internet, setzen keine Cookies und zählen"),
    QStringLiteral("keine Besuche; den Spielstand hält nur der offene Browser-Tab,"),
    QStringLiteral("bis er geschlossen wird. In einer Lernplattform gehen Stand,"),
    QStringLiteral("Status, Punkte und Spielzeit nur an diese Plattform. Die"),
    QStringLiteral("Tabellenseite nennt nur den Dateinamen des Bildes, keinen Ordner."),
};

Hilfefenster::Hilfefenster(QWidget* parent) : Formular(parent)
{
    setObjectName(QStringLiteral("Hilfefenster"));
    setWindowTitle(QStringLiteral("Tesselo - Hilfe"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(Fenstergroesse);
    move(Fensterort);

    MeHilfe = new QPlainTextEdit(this);
    MeHilfe->setObjectName(QStringLiteral("MeHilfe"));
    MeHilfe->setGeometry(RectMeHilfe);
    // Condensed, so nearly every line fits the field; the one longer line
    // wraps instead of hiding behind a horizontal scroll bar.
    QFont schrift(QStringLiteral("DejaVu Sans Condensed"));
    schrift.setPixelSize(font().pixelSize());
    MeHilfe->setFont(schrift);
    MeHilfe->setPlainText(Hilfetext.join(QLatin1Char('\n')));

    BuSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    BuSchliessen->setObjectName(QStringLiteral("BuSchliessen"));
    BuSchliessen->setGeometry(RectBuSchliessen);
    connect(BuSchliessen, &QPushButton::clicked, this, &QWidget::hide);
    setzeAbbruchknopf(BuSchliessen);
}
