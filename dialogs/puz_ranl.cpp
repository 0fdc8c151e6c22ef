#include "dialogs/puz_ranl.h"

const QStringList TFoBilderRaetselAnleitung::Text{
    QStringLiteral("Durch Aufdecken(Mausclick) von möglichst wenig Teilen soll der Bild- "),
    QStringLiteral("inhalt erraten werden. Durch Wahl einer Antwort wird das Spiel auf jeden"),
    QStringLiteral("Fall beendet."),
    QString(),
    QStringLiteral("Viel Spaß"),
};

TFoBilderRaetselAnleitung::TFoBilderRaetselAnleitung(QWidget* parent)
    : Anleitungsfenster({QStringLiteral("BilderRätsel - Anleitung"), {452, 150}, {152, 219}, 105, {376, 120}},
                        Text, parent)
{
    MeDragPuzAnleitung = MeAnleitung;
}
