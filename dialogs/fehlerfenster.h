#pragma once
#include "fenster/formular.h"

class QLabel;
class QPushButton;

// Error window: the program's own report channel, shown without waiting.
class Fehlerfenster : public Formular
{
    Q_OBJECT
public:
    explicit Fehlerfenster(QWidget* parent = nullptr);

    // Shows `text` in front; a window still open shows the new text.
    void zeige(const QString& text);

private:
    QLabel* LaFehler = nullptr;
    QPushButton* BuSchliessen = nullptr;
};
