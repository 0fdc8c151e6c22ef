#include "export/htm_chk.h"

TFoCheck4HtmlName::TFoCheck4HtmlName(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("HTML-Warnung"));
}
