#include "games/tauschbrett.h"

#include "games/zufall.h"

#include <utility>

namespace {
constexpr int Mischtausche = 100;
}

bool Tauschbrett::Aufbauen(int spalten, int zeilen, bool minimal)
{
    m_zugzahl = 0;
    m_ersterKlick = false;
    m_stand = Spielstand::Frei;
    m_vonFeld = m_nachFeld = 0;
    m_feldSpalten = m_feldZeilen = 0;
    if (spalten < 0 || zeilen < 0 || spalten * zeilen > MaxTeile)
        return false;

    const int rand = minimal ? 0 : 1;
    const int feldSpalten = spalten + 2 * rand;
    const int feldZeilen = zeilen + 2 * rand;
    // Bound by MaxFelder through MaxTeile; kept as a check for the store.
    if (feldSpalten * feldZeilen > MaxFelder)
        return false;
    m_feldSpalten = feldSpalten;
    m_feldZeilen = feldZeilen;

    int k = 0;
    for (int c = 0; c < m_feldSpalten; ++c)
        for (int r = 0; r < m_feldZeilen; ++r) {
            Feld& feld = m_felder[c * m_feldZeilen + r];
            const bool innen = minimal || (c > 0 && c < m_feldSpalten - 1 && r > 0 && r < m_feldZeilen - 1);
            feld.Loesung = innen ? k++ : Leer;
            feld.Aktuell = feld.Loesung;
        }
    return true;
}

std::optional<int> Tauschbrett::Index(int spalte, int zeile) const
{
    if (spalte < 0 || zeile < 0 || spalte >= m_feldSpalten || zeile >= m_feldZeilen)
        return std::nullopt;
    return spalte * m_feldZeilen + zeile;
}

void Tauschbrett::Mischen(Zufall& zufall)
{
    m_zugzahl = 0;
    m_ersterKlick = false;
    const int n = Feldzahl();
    if (n <= 0)
        return;
    m_stand = Spielstand::Laeuft;
    for (int i = 0; i < Mischtausche; ++i) {
        const int a = zufall.Zahl(n);
        const int b = zufall.Zahl(n);
        std::swap(m_felder[a].Aktuell, m_felder[b].Aktuell);
    }
}

Tauschbrett::Klickfolge Tauschbrett::Klick(int spalte, int zeile)
{
    const std::optional<int> index = Index(spalte, zeile);
    if (!index)
        return Klickfolge::Ausserhalb;
    if (Ruht(m_stand))
        return Klickfolge::Ruhend;
    if (!m_ersterKlick) {
        m_vonFeld = *index;
        m_ersterKlick = true;
        return Klickfolge::Erster;
    }
    ++m_zugzahl;
    m_nachFeld = *index;
    // Only a swap that changes the board can win one the shuffle happened to
    // leave in order.
    const bool veraendert = m_felder[m_vonFeld].Aktuell != m_felder[m_nachFeld].Aktuell;
    std::swap(m_felder[m_vonFeld].Aktuell, m_felder[m_nachFeld].Aktuell);
    m_ersterKlick = false;
    if (m_stand == Spielstand::Laeuft && veraendert && Geloest())
        m_stand = Spielstand::Geloest;
    return Klickfolge::Getauscht;
}

bool Tauschbrett::AuswahlAufheben()
{
    const bool war = m_ersterKlick;
    m_ersterKlick = false;
    return war;
}

void Tauschbrett::Aufloesen()
{
    for (int i = 0; i < Feldzahl(); ++i)
        m_felder[i].Aktuell = m_felder[i].Loesung;
    m_ersterKlick = false;
    if (m_stand != Spielstand::Geloest)
        m_stand = Spielstand::Aufgeloest;
}

bool Tauschbrett::Geloest() const
{
    for (int i = 0; i < Feldzahl(); ++i)
        if (m_felder[i].Aktuell != m_felder[i].Loesung)
            return false;
    return true;
}
