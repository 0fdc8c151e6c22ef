#pragma once
// The board of a game window: a picture field that is one stop for the Tab
// key. The arrow keys move a field over it (framed while the keyboard works
// the board, as the pages frame their focus), Enter or Space act on that
// field, and screen readers find the board and each field by name, kept up
// to date as the game goes. Clicks work as on any picture field.
#include "fenster/bildfeld.h"

#include <QStringList>

class Spielbrett : public Bildfeld
{
    Q_OBJECT
public:
    // `name` is what screen readers call the board ("Spielfeld SchiebePuzzle").
    Spielbrett(const QString& name, QWidget* parent);

    // A board of spalten x zeilen fields of edge `kante` in bitmap pixels;
    // the keyboard's field stays on it.
    void setzeFelder(int spalten, int zeilen, int kante);
    // The fields' names in the boards' order (column by column); a name that
    // changed is told to a screen reader that listens.
    void setzeNamen(const QStringList& namen);
    // A resting board (a game that has ended) is shown to screen readers as
    // disabled, as the pages do; keys and clicks still arrive.
    void setzeRuhend(bool ruhend);
    // What a screen reader is also told about the board and its fields, such
    // as the result of the game.
    void setzeBeschreibung(const QString& text);

    int Spalten() const { return m_spalten; }
    int Zeilen() const { return m_zeilen; }
    int Feldzahl() const { return m_spalten * m_zeilen; }
    QString Feldname(int feld) const { return m_namen.value(feld); }
    bool Ruhend() const { return m_ruhend; }
    // The field the keyboard is on (column, row), and its bitmap area.
    QPoint Tastenfeld() const { return m_feld; }
    QRect Feldbereich(int feld) const;
    // True while the frame shows: the board has the focus and the keyboard,
    // not the mouse, was last used on it.
    bool TastaturRahmen() const { return !Marke().isEmpty(); }

    // Acts on field `feld` as Enter does there (a screen reader's "press").
    void betaetige(int feld);

signals:
    void betaetigt(int spalte, int zeile);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    // Frame and the screen reader's focus follow the keyboard's field.
    void zeigeTastenfeld(bool ansagen);

    QStringList m_namen;
    QPoint m_feld;
    int m_spalten = 0;
    int m_zeilen = 0;
    int m_kante = 1;
    bool m_tastatur = false; // the keyboard works the board: its frame shows
    bool m_ruhend = false;
};
