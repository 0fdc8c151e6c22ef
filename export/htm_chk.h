#pragma once
#include "app/formular.h"

// Window "HTML-Warnung"; built out in its own change.
class TFoCheck4HtmlName : public Formular
{
    Q_OBJECT
public:
    explicit TFoCheck4HtmlName(QWidget* parent = nullptr);
};
