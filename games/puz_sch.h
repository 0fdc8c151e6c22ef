#pragma once
#include "app/formular.h"

// Window "SchiebePuzzle"; built out in its own change.
class TFoPlay : public Formular
{
    Q_OBJECT
public:
    explicit TFoPlay(QWidget* parent = nullptr);
};
