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
    QStringLiteral("Tesselo erzeugt dynamische HTML-Dateien mit Spielen in drei Formaten"),
    QStringLiteral("(JavaScript muss im Browser aktiviert sein)"),
    QStringLiteral("  (I) Schiebepuzzle: Lösen durch Verschieben eines Leerfeldes"),
    QStringLiteral(" (II) Tauschpuzzle: Lösen durch paarweises Vertauschen von Puzzleteilen"),
    QStringLiteral("(III) Bilderrätsel: Lösen durch schrittweises Aufdecken des Bildes"),
    QString(),
    QStringLiteral("Alle Spiele können auch direkt im Programm gespielt werden."),
    QString(),
    QString(),
    QStringLiteral("Vorgehensweise:"),
    QStringLiteral("==============="),
    QStringLiteral("0) Das zu verarbeitende Bild muss im bmp- oder jpg-Format vorliegen, gegebenenfalls"),
    QStringLiteral("    andere Formate mit einem Bildverarbeitungsprogramm(z.B. Picture Publisher)"),
    QStringLiteral("    konvertieren oder über die Zwischenablage hereinholen."),
    QStringLiteral("1) Bild Laden"),
    QStringLiteral("2) Breite der Puzzleteile festlegen(Auto, Vorschau)"),
    QStringLiteral("3) Schneiden"),
    QStringLiteral("4) Spielen oder Speichern"),
    QString(),
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
