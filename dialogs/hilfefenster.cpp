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
