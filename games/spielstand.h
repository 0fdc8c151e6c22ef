#pragma once
// Where a game of the sliding or the swap puzzle stands. Only a shuffled
// board can be won, as on the pages; a game that has ended rests until the
// next shuffle or the next game, so its result stays on the screen.

enum class Spielstand {
    Frei,       // not shuffled: moves are allowed, but nothing is won
    Laeuft,     // shuffled: the move that puts the board in order wins
    Geloest,    // won: the board rests
    Aufgeloest, // the solution was shown instead: the board rests
};

inline bool Ruht(Spielstand stand)
{
    return stand == Spielstand::Geloest || stand == Spielstand::Aufgeloest;
}
