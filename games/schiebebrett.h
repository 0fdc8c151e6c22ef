#pragma once
// The sliding puzzle's board: which tile lies on which field, where the hole
// is, the sliding move and the shuffle. No pixels here.
//
// Fields and tiles share the tile set's numbering: field i is column
// i / zeilen, row i % zeilen. The hole is the tile Leernummer; the field that
// holds it is the hole's field.
#include "games/spielstand.h"
#include "modell/puzzle.h"

#include <array>

class Zufall;

class Schiebebrett
{
public:
    static constexpr int MaxFelder = MaxTeile + 1; // room of the board, one more than tiles exist
    static constexpr int Mischtausche = 100;

    enum class Zugergebnis {
        Ausserhalb,  // field off the board: nothing happens, no count
        NichtInLinie, // neither in the hole's column nor row: no count
        Gezogen,     // counted move (a click on the hole counts too)
        Ruhend,      // the game has ended: nothing happens, no count
    };

    // Lays the board out in solved order with the hole at the given field.
    // A position off the grid is brought onto it, to the nearest column and
    // row. A grid with no field or more than MaxTeile tiles leaves an empty
    // board (Feldzahl() == 0), so nothing ever reads beyond the tile set.
    // The board is not shuffled (Spielstand::Frei).
    void Ordnen(int spalten, int zeilen, int leerSpalte, int leerZeile);

    int Spalten() const { return m_spalten; }
    int Zeilen() const { return m_zeilen; }
    int Feldzahl() const { return m_spalten * m_zeilen; }
    int LeerSpalte() const { return m_leerSpalte; }
    int LeerZeile() const { return m_leerZeile; }
    int Leernummer() const { return m_leernummer; }

    // Tile on field i, for 0 <= i < Feldzahl().
    int Belegung(int i) const { return m_belegung.at(i); }

    // One move at the clicked field: every tile between it and the hole slides
    // one field towards the hole and the clicked field becomes the hole. A
    // move that slides tiles of a shuffled board into order wins the game.
    Zugergebnis Zug(int spalte, int zeile);

    // Every tile to its own field; a game that was not won yet ends here.
    void Aufloesen();

    Spielstand Stand() const { return m_stand; }

    // Exchanges the tiles of fields a and b (both below Feldzahl(); others
    // are ignored); the hole's field follows its tile.
    void Tausche(int a, int b);

    // Starts from solved order and makes Mischtausche exchanges of two fields
    // drawn a, then b. An arrangement that no sequence of moves could bring
    // back is then mended: on a board of at least 2 x 2 the first two fields
    // (in field order) that do not hold the hole are exchanged; on a single
    // row or column the hole keeps its field and the other tiles are put in
    // their order. The hole's field follows its tile. A new game begins
    // (Spielstand::Laeuft).
    void Mischen(Zufall& zufall);

    // True when moves can bring the arrangement back to solved order: the
    // permutation's parity (hole counted as a tile) must equal the parity of
    // the hole's distance from its own field, counted in rows plus columns.
    bool Loesbar() const;

    // True when every tile lies on its own field.
    bool Geordnet() const;

private:
    void loesbarMachen();
    void folgeDemLoch();

    int m_spalten = 0;
    int m_zeilen = 0;
    int m_leerSpalte = 0;
    int m_leerZeile = 0;
    int m_leernummer = 0;
    Spielstand m_stand = Spielstand::Frei;
    std::array<int, MaxFelder> m_belegung{};
};
