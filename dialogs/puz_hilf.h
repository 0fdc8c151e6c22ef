#pragma once
#include "app/fenster/formular.h"

class QPlainTextEdit;
class QPushButton;

// Help window: what the program is for and how to use it.
class TFoHilfe : public Formular
{
    Q_OBJECT
public:
    explicit TFoHilfe(QWidget* parent = nullptr);

    QPlainTextEdit* MeHilfe = nullptr;
    QPushButton* BuSchliessen = nullptr;

    // The help text, line by line.
    static const QStringList Hilfetext;

    void BuSchliessenClick() { hide(); }
};
