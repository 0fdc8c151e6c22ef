#include "dialogs/anleitung.h"

#include <QHideEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {
constexpr int TextLinks = 8;
constexpr int TextOben = 8;
constexpr int Textbreite = 441;
constexpr int Textpixel = 13; // larger than the window's 11-pixel font
constexpr QSize Knopfgroesse{73, 25};

// Each game's form as drawn.
struct Form
{
    const char* name;
    QString titel;
    QSize klientgroesse;
    QPoint ort;
    int texthoehe;
    QPoint knopfort;
};

Form FormVon(Anleitungsfenster::Spiel spiel)
{
    switch (spiel) {
    case Anleitungsfenster::Spiel::Schieben:
        return {"Schiebeanleitung", QStringLiteral("SchiebePuzzle - Anleitung"), {453, 168}, {190, 118}, 121, {376, 136}};
    case Anleitungsfenster::Spiel::Tauschen:
        return {"Tauschanleitung", QStringLiteral("TauschPuzzle - Anleitung"), {452, 150}, {152, 219}, 105, {376, 120}};
    case Anleitungsfenster::Spiel::Raetsel:
        break;
    }
    return {"Raetselanleitung", QStringLiteral("BilderRätsel - Anleitung"), {452, 150}, {152, 219}, 105, {376, 120}};
}
} // namespace

QStringList Anleitungsfenster::Text(Spiel spiel)
{
    switch (spiel) {
    case Spiel::Schieben:
        return {
            QStringLiteral("Das Puzzle soll durch waagrechtes und senkrechtes Verschieben des "),
            QStringLiteral("leeren Feldes gelöst werden. "),
            QStringLiteral("Die neue Position des leeren Feldes wird durch einfachen Mausclick "),
            QStringLiteral("bestimmt. Es können auch mehrere Teile gleichzeitig (in eine Richtung) "),
            QStringLiteral("verschoben werden. "),
            QString(),
            QStringLiteral("Viel Spaß"),
        };
    case Spiel::Tauschen:
        return {
            QStringLiteral("Das Puzzle soll durch paarweisen Austausch von Teilen gelöst werden."),
            QStringLiteral("Das erste Teil wird durch einfachen Mausclick ausgewählt, das zweite "),
            QStringLiteral("durch den nächsten einfachen Mausclick. Darauf folgt unmittelbar der "),
            QStringLiteral("Austausch."),
            QString(),
            QStringLiteral("Viel Spaß"),
        };
    case Spiel::Raetsel:
        break;
    }
    return {
        QStringLiteral("Durch Aufdecken(Mausclick) von möglichst wenig Teilen soll der Bild- "),
        QStringLiteral("inhalt erraten werden. Durch Wahl einer Antwort wird das Spiel auf jeden"),
        QStringLiteral("Fall beendet."),
        QString(),
        QStringLiteral("Viel Spaß"),
    };
}

Anleitungsfenster::Anleitungsfenster(Spiel spiel, QWidget* parent) : Formular(parent)
{
    const Form form = FormVon(spiel);
    setObjectName(QLatin1String(form.name));
    setWindowTitle(form.titel);
    // A fixed frame without system menu, so the title bar cannot close it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(form.klientgroesse);
    move(form.ort);

    MeAnleitung = new QPlainTextEdit(this);
    MeAnleitung->setObjectName(QStringLiteral("MeAnleitung"));
    MeAnleitung->setGeometry(TextLinks, TextOben, Textbreite, form.texthoehe);
    // The condensed face keeps the longest instruction line on one line of
    // the field at this larger size.
    QFont schrift(QStringLiteral("DejaVu Sans Condensed"));
    schrift.setPixelSize(Textpixel);
    MeAnleitung->setFont(schrift);
    MeAnleitung->document()->setDocumentMargin(2);
    MeAnleitung->setPlainText(Text(spiel).join(QLatin1Char('\n')));

    BuSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    BuSchliessen->setObjectName(QStringLiteral("BuSchliessen"));
    BuSchliessen->setGeometry(QRect(form.knopfort, Knopfgroesse));
    connect(BuSchliessen, &QPushButton::clicked, this, &QWidget::hide);
    setzeAbbruchknopf(BuSchliessen);
}

void Anleitungsfenster::zeigeFuer(QWidget* spiel)
{
    m_spiel = spiel;
    zeigeVorn();
}

// However the window goes (its button, Escape, the window manager), the game
// it belongs to comes back to the front with the keyboard, never the main
// window or another window that happened to lie below.
void Anleitungsfenster::hideEvent(QHideEvent* ereignis)
{
    Formular::hideEvent(ereignis);
    if (ereignis->spontaneous() || !m_spiel || !m_spiel->isVisible())
        return;
    m_spiel->raise();
    m_spiel->activateWindow();
}
