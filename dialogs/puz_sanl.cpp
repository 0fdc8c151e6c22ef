#include "dialogs/puz_sanl.h"

const QStringList TFoSchiebePuzzleAnleitung::Text{
    QStringLiteral("Das Puzzle soll durch waagrechtes und senkrechtes Verschieben des "),
    QStringLiteral("leeren Feldes gelöst werden. "),
    QStringLiteral("Die neue Position des leeren Feldes wird durch einfachen Mausclick "),
    QStringLiteral("bestimmt. Es können auch mehrere Teile gleichzeitig (in eine Richtung) "),
    QStringLiteral("verschoben werden. "),
    QString(),
    QStringLiteral("Viel Spaß"),
};

TFoSchiebePuzzleAnleitung::TFoSchiebePuzzleAnleitung(QWidget* parent)
    : Anleitungsfenster({QStringLiteral("SchiebePuzzle - Anleitung"), {453, 168}, {190, 118}, 121, {376, 136}},
                        Text, parent)
{
    MeSchiebePuzAnleitung = MeAnleitung;
}
