#pragma once
// A drawable bitmap shown in a window: the picture controls and paint boxes of
// the program. Code draws into bild() and calls update(); with automatic size
// the control takes the size of its picture.
#include <QImage>
#include <QWidget>

class Bildfeld : public QWidget
{
    Q_OBJECT
public:
    explicit Bildfeld(QWidget* parent = nullptr);

    QImage& bild() { return m_bild; }
    const QImage& bild() const { return m_bild; }

    // Takes the picture over (as RGB32, so it can be drawn on).
    void setzeBild(const QImage& bild);

    // With automatic size the control follows its picture's size.
    void setzeAutoGroesse(bool an);

    // Gives the bitmap the control's size, filled with one colour.
    void fuelle(const QColor& farbe);

signals:
    void geklickt(QPoint stelle);   // left button pressed and released over the control
    void mausBewegt(QPoint stelle); // pointer moved over the control

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    QImage m_bild;
    bool m_autoGroesse = false;
    bool m_gedrueckt = false;
};
