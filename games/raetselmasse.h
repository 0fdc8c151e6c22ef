#pragma once
// Layout arithmetic of the picture riddle window: board, answer group, window
// size and the bottom row. Window-free; sizes are outer (resize) sizes.
#include <QPoint>
#include <QSize>

struct Raetseleingabe
{
    int spalten = 0;
    int zeilen = 0;
    int feldbreite = 1;
    bool zugausgabe = false; // the options' check boxes at this moment
    bool spielzeit = true;
    bool zugzaehler = true;
    bool antwortenRechts = true; // the options' "Position der Antworten"
    QSize gruppe;                // size of the answer group
    QSize bildschirm;            // the client size the window may take
    int zeitBreite = 0;    // width the time label needs with its text
    int zaehlerBreite = 0; // likewise the move counter
    int richtigBreite = 0; // likewise the result label
    int knoepfeRechts = 0; // right edge of the button row, which the labels follow
};

struct Raetselmasse
{
    QSize brett;           // as shown: scaled down where the screen is too small
    double massstab = 1.0; // shown size / full size of the board
    QSize fenster;
    bool linksNull = false;
    bool obenNull = false;
    int mindestbreite = 0;
    bool posSichtbar = false;
    bool zeitSichtbar = false;
    bool zaehlerSichtbar = false;
    int zaehlerLinks = 0;
    int zeitLinks = 0;
    int richtigLinks = 0;
    QPoint gruppe;
    int labelOben = 0;   // LaPos, LaZugZaehler, LaZeit
    int richtigOben = 0; // LaRichtig
    int knopfOben = 0;   // the three buttons
};

// The labels of the bottom row stand at their form's lefts at the least, and
// always this far right of the control before them.
inline constexpr int RaetselZaehlerLinks = 248;
inline constexpr int RaetselLabelabstand = 12;

// The answer group's size from the number of answers and the longest one.
QSize Antwortgruppengroesse(int anzahl, int laengste);

Raetselmasse BerechneRaetselmasse(const Raetseleingabe& e);
