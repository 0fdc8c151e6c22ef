#include "export/puz_warn.h"

TFoWarn::TFoWarn(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("Warnung"));
}
