#pragma once
// What the swap puzzle and the picture riddle windows share: the window they
// were opened from comes back whenever the game window is closed, hidden or
// destroyed; showing starts a game and activation by another window of the
// program repaints the board in the colours set meanwhile.
#include "fenster/formular.h"

#include <QPointer>
#include <functional>
#include <vector>

class Bildfeld;
class QColor;
class QLabel;
class QPushButton;

class Spielfenster : public Formular
{
    Q_OBJECT
public:
    // hauptfensterNachVorn: the main window is also brought to the front when
    // it comes back.
    Spielfenster(bool hauptfensterNachVorn, QWidget* parent);
    ~Spielfenster() override;

    // The window that comes back when the game goes (the main window).
    void setzeHauptfenster(QWidget* fenster) { m_hauptfenster = fenster; }

    // "Schließen": hides the game and shows the main window.
    void schliesse();

protected:
    virtual void FormShow() = 0;
    virtual void FormPaint() = 0;

    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

    // FormCloseQuery, FormHide and FormDestroy all end here.
    // Guarded, so that showing the main window cannot set off another round
    // of activation events.
    void ZeigeHauptfenster();

private:
    QPointer<QWidget> m_hauptfenster;
    bool m_hauptfensterNachVorn = false;
    bool m_zeigtHauptfenster = false;
};

// Controls of the game windows: labels take their text's size, buttons get
// the keyboard focus only by Tab (a click must not steal it from the board).
QLabel* NeuesSpiellabel(const char* name, const QString& text, QPoint ort, QWidget* eltern);
QPushButton* NeuerSpielknopf(const char* name, const QString& text, const QRect& ort, QWidget* eltern);
void SetzeText(QLabel* label, const QString& text);

// The result of a game, shown in the window in dark on light yellow (hidden
// until a game ends), whatever the window's colour.
QLabel* NeueMeldung(const char* name, QWidget* eltern);

// The window's background colour, and the labels on it in black or white,
// whichever stands out more.
void SetzeSpielfarben(QWidget& fenster, const QColor& hintergrund);

// The field edge from the main window's unbounded tile width, kept usable
// for division and for the board's pixel sizes (1..10000).
int SpielFeldbreite(int kachelbreite);

// Field of a board pixel; a place left of or above the board gives -1, so it
// never rounds onto field 0.
int FeldAus(int pixel, int feldbreite);

// A square of edge `kante` in `fuellung` inside a one-pixel outline in
// `umriss`: the swap puzzle's blank field, the riddle's cover.
QImage Feldquadrat(int kante, const QColor& umriss, const QColor& fuellung);

// Draws a board of spalten x zeilen fields of edge `kante` into `brett`,
// column by column: field i shows tile teile[teil(i)], or `leer` where that is
// negative. A tile smaller than its field is drawn on `grund`, so nothing
// older shows beside it.
void ZeichneBrett(QImage& brett, int spalten, int zeilen, int kante, const std::vector<QImage>& teile,
                  const std::function<int(int)>& teil, const QImage& leer, const QColor& grund);

// The painting common to both boards: the board's bitmap takes the board's
// full size `brett` and is filled in `fuellung` inside a one-pixel outline in
// `umriss` (the grid-line colour) drawn to the window's size (in board
// pixels); the field square of the same colours (the blank field, the cover)
// is returned.
QImage MaleBrettgrund(Bildfeld& spielfeld, QSize brett, QSize fenster, int kante, const QColor& umriss,
                      const QColor& fuellung);

// The client size a game window may take: its screen's available area less
// the window frame (estimated while the window has none yet).
QSize Klientplatz(const QWidget& fenster);

// Moves the window as little as needed for all of it, frame and title bar
// included, to lie on its screen's available area.
void AufDenBildschirm(QWidget& fenster);

// Places the window once more as soon as the window manager has given it its
// frame, each time it is shown: before that only an estimate of the frame is
// known, and a window manager with a larger title bar would put it above the
// screen, out of reach of the mouse.
void PlatziereNachDemRahmen(QWidget& fenster);
