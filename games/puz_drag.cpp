#include "games/puz_drag.h"

TFoDragPuzzle::TFoDragPuzzle(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("TauschPuzzle"));
}
