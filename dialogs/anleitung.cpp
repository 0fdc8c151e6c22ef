#include "dialogs/anleitung.h"

#include <QHideEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>

namespace {
constexpr int TextLinks = 8;
constexpr int TextOben = 8;
constexpr int Textbreite = 441;
constexpr int Textpixel = 13; // larger than the window's 11-pixel font
constexpr QSize Knopfgroesse{73, 25};
} // namespace

Anleitungsfenster::Anleitungsfenster(const Form& form, const QStringList& zeilen, QWidget* parent)
    : Formular(parent)
{
    setWindowTitle(form.titel);
    // A fixed frame without system menu, so the title bar cannot close it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(form.klientgroesse);
    move(form.ort);

    MeAnleitung = new QPlainTextEdit(this);
    MeAnleitung->setGeometry(TextLinks, TextOben, Textbreite, form.texthoehe);
    // The condensed face keeps the longest instruction line on one line of
    // the field at this larger size.
    QFont schrift(QStringLiteral("DejaVu Sans Condensed"));
    schrift.setPixelSize(Textpixel);
    MeAnleitung->setFont(schrift);
    MeAnleitung->document()->setDocumentMargin(2);
    MeAnleitung->setPlainText(zeilen.join(QLatin1Char('\n')));

    BuSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    BuSchliessen->setGeometry(QRect(form.knopfort, Knopfgroesse));
    connect(BuSchliessen, &QPushButton::clicked, this, &Anleitungsfenster::BuSchliessenClick);
    setzeAbbruchknopf(BuSchliessen);
}

void Anleitungsfenster::zeigeFuer(QWidget* spiel)
{
    m_spiel = spiel;
    zeigeVorn();
}

void Anleitungsfenster::BuSchliessenClick()
{
    hide();
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
