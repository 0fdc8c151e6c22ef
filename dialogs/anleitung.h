#pragma once
#include "app/formular.h"

class QPlainTextEdit;
class QPushButton;

// Common form of the three game instruction windows: a fixed frame without
// title-bar buttons, a text field in a larger font and a "Schließen" button
// that Escape presses.
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

    void BuSchliessenClick() { hide(); }
};
