#include "fenster/formular.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

Formular::Formular(QWidget* parent) : QWidget(parent, Qt::Window) {}

void Formular::zeigeVorn()
{
    show();
    raise();
    activateWindow();
}

void Formular::keyPressEvent(QKeyEvent* ereignis)
{
    const auto druecke = [ereignis](QPushButton* knopf) {
        if (!knopf || !knopf->isEnabled())
            return false;
        knopf->click();
        ereignis->accept();
        return true;
    };
    switch (ereignis->key()) {
    case Qt::Key_Escape:
        if (druecke(m_abbruch))
            return;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A button that has the keyboard focus is the one Enter presses.
        if (druecke(qobject_cast<QPushButton*>(focusWidget())) || druecke(m_standard))
            return;
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(ereignis);
}

void ZeigeAlsWarnung(QLabel* label)
{
    QPalette rot = label->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(rot);
    QFont fett = label->font();
    fett.setBold(true);
    label->setFont(fett);
}

QLabel* neuesLabel(QWidget* eltern, const QString& text, QPoint ort)
{
    auto* label = new QLabel(text, eltern);
    label->move(ort);
    label->adjustSize();
    return label;
}
