#include "dialogs/puz_danl.h"

const QStringList TFoDragPuzzleAnleitung::Text{
    QStringLiteral("Das Puzzle soll durch paarweisen Austausch von Teilen gelöst werden."),
    QStringLiteral("Das erste Teil wird durch einfachen Mausclick ausgewählt, das zweite "),
    QStringLiteral("durch den nächsten einfachen Mausclick. Darauf folgt unmittelbar der "),
    QStringLiteral("Austausch."),
    QString(),
    QStringLiteral("Viel Spaß"),
};

TFoDragPuzzleAnleitung::TFoDragPuzzleAnleitung(QWidget* parent)
    : Anleitungsfenster({QStringLiteral("TauschPuzzle - Anleitung"), {452, 150}, {152, 219}, 105, {376, 120}},
                        Text, parent)
{
    MeDragPuzAnleitung = MeAnleitung;
}
