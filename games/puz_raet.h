#pragma once
#include "app/formular.h"

// Window "BilderRätsel"; built out in its own change.
class TFoBilderRaetsel : public Formular
{
    Q_OBJECT
public:
    explicit TFoBilderRaetsel(QWidget* parent = nullptr);
};
