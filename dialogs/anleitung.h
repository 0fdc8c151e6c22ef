#pragma once
#include "app/fenster/formular.h"

#include <QPointer>

class QPlainTextEdit;
class QPushButton;

// Common form of the three game instruction windows: a fixed frame without
// title-bar buttons, a text field in a larger font and a "Schließen" button
// that Escape presses. An instruction window belongs to the game that shows
// it: closing it hands that game the keyboard again.
class Anleitungsfenster : public Formular
{
    Q_OBJECT
public:
    struct Form
    {
        QString titel;
        QSize klientgroesse;
        QPoint ort;
        int texthoehe;
        QPoint knopfort;
    };

    Anleitungsfenster(const Form& form, const QStringList& zeilen, QWidget* parent);

    QPlainTextEdit* MeAnleitung = nullptr;
    QPushButton* BuSchliessen = nullptr;

    // Shows the window in front of `spiel`, which gets the activation back
    // when the window closes.
    void zeigeFuer(QWidget* spiel);
    void BuSchliessenClick();

protected:
    void hideEvent(QHideEvent* ereignis) override;

private:
    QPointer<QWidget> m_spiel;
};
