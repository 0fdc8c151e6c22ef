#pragma once
// Layout arithmetic of the swap puzzle window: board, window and preview size,
// which labels show and where the bottom row stands. Window-free, so the rules
// are tested without a window; sizes are the window's outer (resize) sizes.
#include <QRect>
#include <QSize>

struct Tauscheingabe
{
    int feldSpalten = 0;
    int feldZeilen = 0;
    int feldbreite = 1;
    bool zugausgabe = false; // the options' check boxes at this moment
    bool spielzeit = true;
    bool zugzaehler = true;
    bool vorschau = true;
    int vorschauBreite = 0;
    int vorschauHoehe = 0;
    QSize bildschirm;      // the client size the window may take
    int zeitBreite = 0;    // width the time label needs with its text
    int zaehlerBreite = 0; // likewise the move counter
    int knoepfeRechts = 0; // right edge of the button row, which the counters follow
};

struct Tauschmasse
{
    QSize brett;           // as shown: scaled down where the screen is too small
    double massstab = 1.0; // shown size / full size of the board
    QSize fenster;
    bool linksNull = false; // the window was as wide as the screen: left edge 0
    bool obenNull = false;  // likewise the height: top edge 0
    int mindestbreite = 0;
    bool zugausgabeSichtbar = false; // LaPos, LaVon, LaNach
    bool zeitSichtbar = false;
    bool zaehlerSichtbar = false;
    int zaehlerLinks = 0;
    int zeitLinks = 0;
    int labelOben = 0;   // LaVon, LaNach, LaPos, LaZugZaehler, LaZeit
    int knopfOben = 0;   // the four buttons
    int meldungOben = 0; // the result, in the row below the buttons
    QRect vorschau;      // empty when no preview is shown
};

// The counters of the bottom row stand at these lefts at the least, and
// always this far right of the control before them.
inline constexpr int TauschZaehlerLinks = 440;
inline constexpr int TauschZeitLinks = 504;
inline constexpr int TauschLabelabstand = 12;

Tauschmasse BerechneTauschmasse(const Tauscheingabe& e);
