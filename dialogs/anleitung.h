#pragma once
// The three games' instruction windows: a fixed frame without title-bar
// buttons, a text field in a larger font and a "Schließen" button that Escape
// presses. An instruction window belongs to the game that shows it: closing
// it hands that game the keyboard again.
#include "fenster/formular.h"

#include <QPointer>

class QPlainTextEdit;
class QPushButton;

class Anleitungsfenster : public Formular
{
    Q_OBJECT
public:
    enum class Spiel { Schieben, Tauschen, Raetsel };

    explicit Anleitungsfenster(Spiel spiel, QWidget* parent = nullptr);

    // The instruction's lines.
    static QStringList Text(Spiel spiel);

    // Shows the window in front of `spiel`, which gets the activation back
    // when the window closes.
    void zeigeFuer(QWidget* spiel);

protected:
    void hideEvent(QHideEvent* ereignis) override;

private:
    QPlainTextEdit* MeAnleitung = nullptr;
    QPushButton* BuSchliessen = nullptr;
    QPointer<QWidget> m_spiel;
};
