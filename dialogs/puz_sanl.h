#pragma once
#include "dialogs/anleitung.h"

// Instructions of the sliding puzzle.
class TFoSchiebePuzzleAnleitung : public Anleitungsfenster
{
    Q_OBJECT
public:
    explicit TFoSchiebePuzzleAnleitung(QWidget* parent = nullptr);

    static const QStringList Text;
    QPlainTextEdit* MeSchiebePuzAnleitung = nullptr;
};
