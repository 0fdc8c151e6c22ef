#pragma once
#include "app/formular.h"

// Window "TauschPuzzle"; built out in its own change.
class TFoDragPuzzle : public Formular
{
    Q_OBJECT
public:
    explicit TFoDragPuzzle(QWidget* parent = nullptr);
};
