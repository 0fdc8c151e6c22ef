#include "dialogs/anleitung.h"

#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace {
constexpr int TextLinks = 8;
constexpr int TextOben = 8;
constexpr int Textbreite = 441;
constexpr int Textpixel = 13; // larger than the window's 11-pixel font
constexpr int Abstand = 8;    // between the texts, the button and the edges
constexpr int Dokumentrand = 2;
constexpr QSize Knopfgroesse{73, 25};

// Each game's form as drawn; the height follows the texts.
struct Form
{
    const char* name;
    QString titel;
    int klientbreite;
    QPoint ort;
    int knopfLinks;
};

Form FormVon(Anleitungsfenster::Spiel spiel)
{
    switch (spiel) {
    case Anleitungsfenster::Spiel::Schieben:
        return {"Schiebeanleitung", QStringLiteral("SchiebePuzzle - Anleitung"), 453, {190, 118}, 376};
    case Anleitungsfenster::Spiel::Tauschen:
        return {"Tauschanleitung", QStringLiteral("TauschPuzzle - Anleitung"), 452, {152, 219}, 376};
    case Anleitungsfenster::Spiel::Raetsel:
        break;
    }
    return {"Raetselanleitung", QStringLiteral("BilderRätsel - Anleitung"), 452, {152, 219}, 376};
}

// The height a text field of width `feldbreite` needs to show every line of
// `text`, wrapped as it wraps them, without a scroll bar.
int Feldhoehe(const QPlainTextEdit& feld, int feldbreite, const QString& text)
{
    const qreal breite = feldbreite - 2 * feld.frameWidth() - 2 * Dokumentrand;
    QTextOption umbruch;
    umbruch.setWrapMode(feld.wordWrapMode());
    qreal hoehe = 0;
    for (const QString& absatz : text.split(QLatin1Char('\n'))) {
        QTextLayout satz(absatz, feld.font());
        satz.setTextOption(umbruch);
        satz.beginLayout();
        for (QTextLine zeile = satz.createLine(); zeile.isValid(); zeile = satz.createLine()) {
            zeile.setLineWidth(breite);
            zeile.setLeadingIncluded(true);
            hoehe += zeile.height();
        }
        satz.endLayout();
    }
    // One pixel more, as the field shows a line only when all of it fits.
    return int(std::ceil(hoehe)) + 1 + 2 * feld.frameWidth() + 2 * Dokumentrand;
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

QString Anleitungsfenster::Tastentext(Spiel spiel)
{
    switch (spiel) {
    case Spiel::Schieben:
        return QStringLiteral(
            "Mit der Tastatur: Tab führt zum Spielfeld, die Pfeiltasten wählen ein Feld, Eingabe oder Leertaste "
            "schiebt die Teile zwischen dem leeren Feld und dem gewählten Feld. Gewonnen wird nach \"Mischen\"; "
            "ein gelöstes Spielfeld ruht bis zum nächsten \"Mischen\".");
    case Spiel::Tauschen:
        return QStringLiteral(
            "Mit der Tastatur: Tab führt zum Spielfeld, die Pfeiltasten wählen ein Feld, Eingabe oder Leertaste "
            "wählt das erste Teil und tauscht es mit dem zweiten; Escape hebt die Wahl auf und schließt ohne Wahl "
            "das Spiel. Gewonnen wird nach \"Mischen\"; ein gelöstes Spielfeld ruht bis zum nächsten \"Mischen\".");
    case Spiel::Raetsel:
        break;
    }
    return QStringLiteral(
        "Mit der Tastatur: Tab führt zum Spielfeld, die Pfeiltasten wählen eine Karte, Eingabe oder Leertaste "
        "deckt sie auf. Mit Tab geht es weiter zu den Antworten; die Pfeiltasten wechseln die Antwort, Eingabe "
        "oder Leertaste wählt sie. \"Auflösen\" deckt alles auf und beendet das Spiel.");
}

Anleitungsfenster::Anleitungsfenster(Spiel spiel, QWidget* parent) : Formular(parent)
{
    const Form form = FormVon(spiel);
    setObjectName(QLatin1String(form.name));
    setWindowTitle(form.titel);
    // A fixed frame without system menu, so the title bar cannot close it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    move(form.ort);

    // The condensed face keeps the longest instruction line on one line of
    // the field at this larger size, where the face is there.
    QFont schrift(QStringLiteral("DejaVu Sans Condensed"));
    schrift.setPixelSize(Textpixel);
    const QString text = Text(spiel).join(QLatin1Char('\n'));
    MeAnleitung = new QPlainTextEdit(this);
    MeAnleitung->setObjectName(QStringLiteral("MeAnleitung"));
    MeAnleitung->setFont(schrift);
    MeAnleitung->document()->setDocumentMargin(Dokumentrand);
    MeAnleitung->setPlainText(text);
    // The field is as tall as its text: a scroll bar would only narrow it.
    MeAnleitung->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MeAnleitung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the field, so the keyboard reaches "Schließen".
    MeAnleitung->setTabChangesFocus(true);
    MeAnleitung->setGeometry(TextLinks, TextOben, Textbreite, Feldhoehe(*MeAnleitung, Textbreite, text));

    LaTasten = new QLabel(Tastentext(spiel), this);
    LaTasten->setObjectName(QStringLiteral("LaTasten"));
    LaTasten->setFont(schrift);
    LaTasten->setWordWrap(true);
    LaTasten->setGeometry(TextLinks, MeAnleitung->geometry().bottom() + 1 + Abstand, Textbreite,
                          LaTasten->heightForWidth(Textbreite));

    BuSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    BuSchliessen->setObjectName(QStringLiteral("BuSchliessen"));
    BuSchliessen->setGeometry(
        QRect(QPoint(form.knopfLinks, LaTasten->geometry().bottom() + 1 + Abstand), Knopfgroesse));
    connect(BuSchliessen, &QPushButton::clicked, this, &QWidget::hide);
    setzeAbbruchknopf(BuSchliessen);
    setFixedSize(form.klientbreite, BuSchliessen->geometry().bottom() + 1 + Abstand);
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
