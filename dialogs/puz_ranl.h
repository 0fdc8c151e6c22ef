#pragma once
#include "dialogs/anleitung.h"

// Instructions of the picture riddle.
class TFoBilderRaetselAnleitung : public Anleitungsfenster
{
    Q_OBJECT
public:
    explicit TFoBilderRaetselAnleitung(QWidget* parent = nullptr);

    static const QStringList Text;
    QPlainTextEdit* MeDragPuzAnleitung = nullptr; // the form's own name for its text field
};
