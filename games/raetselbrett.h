#pragma once
// The picture riddle's board: every field starts covered and a click uncovers
// it until the game ends; plus the reading of the answers and the judgement.
// No pixels here.
#include "modell/puzzle.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Raetselbrett
{
public:
    static constexpr int MaxFelder = 201;
    static constexpr int Verdeckt = -1; // Sichtbar of a covered field

    struct Feld
    {
        int Sichtbar = Verdeckt; // tile shown on the field
        int Bildnummer = 0;      // tile under the cover
    };

    // Covers every field of a grid of spalten x zeilen tiles and counts from
    // zero. More than MaxTeile tiles (or a negative size) leave an empty board
    // and return false.
    bool Aufbauen(int spalten, int zeilen);

    int Spalten() const { return m_spalten; }
    int Zeilen() const { return m_zeilen; }
    int Feldzahl() const { return m_spalten * m_zeilen; }

    // Field index column * Zeilen + row, or none for a place off the board.
    std::optional<int> Index(int spalte, int zeile) const;

    const Feld& Raetselfeld(int i) const { return m_felder.at(i); }

    // Uncovers one field; every click on the board counts as a move, also on
    // a field already uncovered. Off the board, or after the end, nothing
    // changes (false).
    bool Aufdecken(int spalte, int zeile);

    // Uncovers every field and ends the game (an answer or "Auflösen"); the
    // counter stays.
    void AllesAufdecken();

    int Zugzahl() const { return m_zugzahl; }
    bool Beendet() const { return m_beendet; }

private:
    std::array<Feld, MaxFelder> m_felder{};
    int m_spalten = 0;
    int m_zeilen = 0;
    int m_zugzahl = 0;
    bool m_beendet = false;
};

// The answers: the memo's lines up to the first empty line (or the last line).
QStringList Antwortliste(const QString& memotext);

// " richtig" when the chosen item (counted from 1) is the right answer's
// number, else " falsch"; both with the leading blank.
QString Antworturteil(int richtigeNummer, int gewaehlteNummer);
