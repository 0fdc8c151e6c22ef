#pragma once
#include "app/formular.h"

// Window "Warnung"; built out in its own change.
class TFoWarn : public Formular
{
    Q_OBJECT
public:
    explicit TFoWarn(QWidget* parent = nullptr);
};
