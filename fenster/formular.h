#pragma once
// Base of every top-level window of the program: created once, hidden by
// closing, with an optional default button (Enter) and cancel button (Escape).
#include <QWidget>

class QLabel;
class QPushButton;

// A label of `text` at `ort`, as large as its text: the forms' captions.
QLabel* neuesLabel(QWidget* eltern, const QString& text, QPoint ort);

// The warnings' text: bold and red.
void ZeigeAlsWarnung(QLabel* label);

// Gives a control its object name, by which tests and tools find it.
template <class Element>
Element* benannt(Element* element, const char* name)
{
    element->setObjectName(QLatin1String(name));
    return element;
}

class Formular : public QWidget
{
    Q_OBJECT
public:
    explicit Formular(QWidget* parent = nullptr);

    // Enter presses the button that has the focus, else the default button;
    // Escape the cancel button. A button may hold both roles; hidden or
    // disabled buttons are not pressed.
    void setzeStandardknopf(QPushButton* knopf) { m_standard = knopf; }
    void setzeAbbruchknopf(QPushButton* knopf) { m_abbruch = knopf; }

    // Shows the window and brings it to the front without waiting.
    void zeigeVorn();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QPushButton* m_standard = nullptr;
    QPushButton* m_abbruch = nullptr;
};
