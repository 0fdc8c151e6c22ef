#pragma once
#include "app/fenster/formular.h"

class QLabel;
class QPushButton;

// Error window: the program's own report channel (ZeigeFehler). It shows
// Fehlertext each time it becomes visible.
class TFoFehler : public Formular
{
    Q_OBJECT
public:
    explicit TFoFehler(QWidget* parent = nullptr);

    QLabel* LaFehler = nullptr;
    QPushButton* BuSchliessen = nullptr;

    void FormShow();
    void BuSchliessenClick() { close(); }

protected:
    void showEvent(QShowEvent* ereignis) override;
};
