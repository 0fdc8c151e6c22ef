#pragma once
// The three games' instruction windows: a fixed frame without title-bar
// buttons, a text field in a larger font, how the game is played by keyboard
// below it, and a "Schließen" button that Escape presses. The window is as
// tall as its texts need. An instruction window belongs to the game that
// shows it: closing it hands that game the keyboard again.
#include "fenster/formular.h"

#include <QPointer>

class QLabel;
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
    // How the game is played by keyboard.
    static QString Tastentext(Spiel spiel);

    // Shows the window in front of `spiel`, which gets the activation back
    // when the window closes.
    void zeigeFuer(QWidget* spiel);

protected:
    void hideEvent(QHideEvent* ereignis) override;

private:
    QPlainTextEdit* MeAnleitung = nullptr;
    QLabel* LaTasten = nullptr;
    QPushButton* BuSchliessen = nullptr;
    QPointer<QWidget> m_spiel;
};
