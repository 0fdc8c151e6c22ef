#include "games/puz_sch.h"

TFoPlay::TFoPlay(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("SchiebePuzzle"));
}
