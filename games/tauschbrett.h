#pragma once
// The swap puzzle's board: the picture's grid, optionally framed by one ring of
// blank fields, with the two-click swap and the shuffle. No pixels here.
#include "games/spielstand.h"
#include "modell/puzzle.h"

#include <array>
#include <optional>

class Zufall;

class Tauschbrett
{
public:
    // Largest board the cut allows: at most 100 tiles, framed on all sides.
    // A single row of 100 tiles needs (100 + 2) * (1 + 2) = 306 fields and
    // no other grid of up to 100 tiles needs more.
    static constexpr int MaxFelder = 306;
    static constexpr int Leer = -1; // Aktuell of a blank field, Loesung of a frame field

    struct Feld
    {
        int Aktuell = Leer; // tile lying here now
        int Loesung = Leer; // tile that belongs here
    };

    enum class Klickfolge {
        Ausserhalb, // off the board: nothing changes
        Erster,     // the first field is chosen
        Getauscht,  // the second click swapped and counted
        Ruhend,     // the game has ended: nothing changes
    };

    // Lays the board out in solved order for a grid of spalten x zeilen tiles,
    // framed unless minimal. Resets the counter and any pending first choice;
    // the board is not shuffled (Spielstand::Frei).
    // A grid with more than MaxTeile tiles (or a negative size) leaves an empty
    // board and returns false: nothing is ever set up beyond the store.
    bool Aufbauen(int spalten, int zeilen, bool minimal);

    int FeldSpalten() const { return m_feldSpalten; }
    int FeldZeilen() const { return m_feldZeilen; }
    int Feldzahl() const { return m_feldSpalten * m_feldZeilen; }

    // Field index column * FeldZeilen + row, or none for a place off the board.
    std::optional<int> Index(int spalte, int zeile) const;

    // Field i (0 <= i < Feldzahl()).
    const Feld& Tauschfeld(int i) const { return m_felder.at(i); }

    // 100 exchanges of two random fields, starting from the board as it is now;
    // blank fields move like tiles. Counts from zero again, drops a pending
    // first choice and begins a new game (Spielstand::Laeuft).
    void Mischen(Zufall& zufall);

    // First click chooses a field, the second completes the swap and counts one
    // move (also the same field twice, or two blank fields). Off the board
    // nothing changes. A swap that puts a shuffled board in order wins.
    Klickfolge Klick(int spalte, int zeile);

    // Drops a pending first choice; false when there was none.
    bool AuswahlAufheben();

    // Every field gets the tile that belongs there and a pending first choice
    // goes; a game that was not won yet ends here. The counter stays.
    void Aufloesen();

    bool Geloest() const;
    Spielstand Stand() const { return m_stand; }

    int Zugzahl() const { return m_zugzahl; }
    void ZugzahlNull() { m_zugzahl = 0; }
    bool ErsterKlick() const { return m_ersterKlick; }
    int VonFeld() const { return m_vonFeld; }
    int NachFeld() const { return m_nachFeld; }

private:
    std::array<Feld, MaxFelder> m_felder{};
    int m_feldSpalten = 0;
    int m_feldZeilen = 0;
    int m_zugzahl = 0;
    bool m_ersterKlick = false;
    Spielstand m_stand = Spielstand::Frei;
    int m_vonFeld = 0;
    int m_nachFeld = 0;
};
