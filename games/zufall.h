#pragma once
// The random generator of the shuffles: a 32-bit linear congruential
// generator, seeded from the clock. The sliding and the swap puzzle share it.
#include <cstdint>

class Zufall
{
public:
    explicit Zufall(std::uint32_t saat) : m_saat(saat) {}

    // Seeded with the current UTC time of day in milliseconds.
    static Zufall AusUhrzeit();

    // A draw for range n > 0: saat := saat * 134775813 + 1 (mod 2^32), then the
    // upper 32 bits of the 64-bit product saat * n, an integer in [0, n).
    int Zahl(int n);

    std::uint32_t Saat() const { return m_saat; }

private:
    std::uint32_t m_saat;
};
