#include "games/schiebebrett.h"

#include "games/zufall.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

void Schiebebrett::Ordnen(int spalten, int zeilen, int leerSpalte, int leerZeile)
{
    m_stand = Spielstand::Frei;
    if (spalten < 1 || zeilen < 1 || spalten * zeilen > MaxTeile) {
        m_spalten = m_zeilen = 0;
        m_leerSpalte = m_leerZeile = m_leernummer = 0;
        return;
    }
    m_spalten = spalten;
    m_zeilen = zeilen;
    m_leerSpalte = std::clamp(leerSpalte, 0, spalten - 1);
    m_leerZeile = std::clamp(leerZeile, 0, zeilen - 1);
    m_leernummer = m_leerSpalte * m_zeilen + m_leerZeile;
    for (int i = 0; i < Feldzahl(); ++i)
        m_belegung[i] = i;
}

Schiebebrett::Zugergebnis Schiebebrett::Zug(int spalte, int zeile)
{
    if (spalte < 0 || zeile < 0 || spalte >= m_spalten || zeile >= m_zeilen)
        return Zugergebnis::Ausserhalb;
    if (Ruht(m_stand))
        return Zugergebnis::Ruhend;
    if (spalte != m_leerSpalte && zeile != m_leerZeile)
        return Zugergebnis::NichtInLinie;

    const int klick = spalte * m_zeilen + zeile;
    const int loch = m_leerSpalte * m_zeilen + m_leerZeile;
    // Within a column neighbouring fields differ by 1, within a row by zeilen.
    const int schritt = spalte == m_leerSpalte ? 1 : m_zeilen;
    if (klick < loch)
        for (int i = loch; i != klick; i -= schritt)
            m_belegung[i] = m_belegung[i - schritt];
    else
        for (int i = loch; i != klick; i += schritt)
            m_belegung[i] = m_belegung[i + schritt];
    m_belegung[klick] = m_leernummer;
    m_leerSpalte = spalte;
    m_leerZeile = zeile;
    // A click on the hole moves nothing, so it cannot win a board that the
    // shuffle happened to leave in order.
    if (m_stand == Spielstand::Laeuft && klick != loch && Geordnet())
        m_stand = Spielstand::Geloest;
    return Zugergebnis::Gezogen;
}

void Schiebebrett::Aufloesen()
{
    for (int i = 0; i < Feldzahl(); ++i)
        m_belegung[i] = i;
    folgeDemLoch();
    if (m_stand != Spielstand::Geloest)
        m_stand = Spielstand::Aufgeloest;
}

void Schiebebrett::Tausche(int a, int b)
{
    if (a < 0 || b < 0 || a >= Feldzahl() || b >= Feldzahl())
        return;
    std::swap(m_belegung[a], m_belegung[b]);
    folgeDemLoch();
}

void Schiebebrett::folgeDemLoch()
{
    for (int i = 0; i < Feldzahl(); ++i)
        if (m_belegung[i] == m_leernummer) {
            m_leerSpalte = i / m_zeilen;
            m_leerZeile = i % m_zeilen;
        }
}

void Schiebebrett::Mischen(Zufall& zufall)
{
    const int n = Feldzahl();
    if (n == 0)
        return;
    m_stand = Spielstand::Laeuft;
    for (int i = 0; i < n; ++i)
        m_belegung[i] = i;
    for (int k = 0; k < Mischtausche; ++k) {
        const int a = zufall.Zahl(n);
        const int b = zufall.Zahl(n);
        std::swap(m_belegung[a], m_belegung[b]);
    }
    loesbarMachen();
    folgeDemLoch();
}

void Schiebebrett::loesbarMachen()
{
    const int n = Feldzahl();
    if (m_spalten == 1 || m_zeilen == 1) {
        // On a line only the hole can move: the other tiles keep their order.
        int naechste = 0;
        for (int i = 0; i < n; ++i) {
            if (m_belegung[i] == m_leernummer)
                continue;
            if (naechste == m_leernummer)
                ++naechste;
            m_belegung[i] = naechste++;
        }
        return;
    }
    if (Loesbar())
        return;
    int erstes = -1;
    for (int i = 0; i < n; ++i) {
        if (m_belegung[i] == m_leernummer)
            continue;
        if (erstes < 0) {
            erstes = i;
            continue;
        }
        std::swap(m_belegung[erstes], m_belegung[i]);
        return;
    }
}

bool Schiebebrett::Loesbar() const
{
    const int n = Feldzahl();
    if (n == 0)
        return true;
    // Parity of the permutation: n minus its number of cycles.
    std::array<bool, MaxFelder> gesehen{};
    int zyklen = 0;
    int lochfeld = 0;
    for (int i = 0; i < n; ++i) {
        if (m_belegung[i] == m_leernummer)
            lochfeld = i;
        if (gesehen[i])
            continue;
        ++zyklen;
        for (int j = i; !gesehen[j]; j = m_belegung[j])
            gesehen[j] = true;
    }
    const int ungeradeTausche = (n - zyklen) % 2;
    const int abstand = std::abs(lochfeld / m_zeilen - m_leernummer / m_zeilen) +
                        std::abs(lochfeld % m_zeilen - m_leernummer % m_zeilen);
    return ungeradeTausche == abstand % 2;
}

bool Schiebebrett::Geordnet() const
{
    for (int i = 0; i < Feldzahl(); ++i)
        if (m_belegung[i] != i)
            return false;
    return true;
}
