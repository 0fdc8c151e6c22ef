#pragma once
#include "dialogs/anleitung.h"

// Instructions of the swap puzzle.
class TFoDragPuzzleAnleitung : public Anleitungsfenster
{
    Q_OBJECT
public:
    explicit TFoDragPuzzleAnleitung(QWidget* parent = nullptr);

    static const QStringList Text;
    QPlainTextEdit* MeDragPuzAnleitung = nullptr;
};
