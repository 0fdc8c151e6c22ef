#pragma once
// A horizontal track bar with freely placed tick marks below the bar and a
// selection range drawn in its channel, as the options dialog needs them.
#include <QList>
#include <QSlider>

class Schieberegler : public QSlider
{
    Q_OBJECT
public:
    explicit Schieberegler(QWidget* parent = nullptr);

    // Tick marks at exactly these values (none besides them).
    void setzeMarken(const QList<int>& werte);
    const QList<int>& Marken() const { return m_marken; }

    // The highlighted range of the channel, from anfang to ende (values).
    void setzeAuswahl(int anfang, int ende);
    void setzeAuswahlende(int ende) { setzeAuswahl(m_auswahlanfang, ende); }
    int Auswahlanfang() const { return m_auswahlanfang; }
    int Auswahlende() const { return m_auswahlende; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    // Pixel x of a value's centre on the bar.
    int pixelVon(int wert) const;

    QList<int> m_marken;
    int m_auswahlanfang = 0;
    int m_auswahlende = 0;
};
