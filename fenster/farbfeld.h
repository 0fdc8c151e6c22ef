#pragma once
// A drop-down box without items used as a colour swatch: its face shows the
// colour, and opening its list only asks for a new colour (aufgeklappt).
#include <QComboBox>

class Farbfeld : public QComboBox
{
    Q_OBJECT
public:
    explicit Farbfeld(QWidget* parent = nullptr);

    void setzeFarbe(const QColor& farbe);
    QColor farbe() const { return m_farbe; }

    void showPopup() override;

signals:
    void aufgeklappt();
    void farbeGeaendert(); // setzeFarbe with another colour

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QColor m_farbe = Qt::white;
};
