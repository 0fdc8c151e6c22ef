#pragma once
#include "fenster/formular.h"

class QPlainTextEdit;
class QPushButton;

// Help window: what the program is for and how to use it.
class Hilfefenster : public Formular
{
    Q_OBJECT
public:
    explicit Hilfefenster(QWidget* parent = nullptr);

    // The help text, line by line.
    static const QStringList Hilfetext;

private:
    QPlainTextEdit* MeHilfe = nullptr;
    QPushButton* BuSchliessen = nullptr;
};
