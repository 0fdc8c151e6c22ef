#include "games/zufall.h"

#include <QDateTime>

Zufall Zufall::AusUhrzeit()
{
    const QTime jetzt = QDateTime::currentDateTimeUtc().time();
    return Zufall(std::uint32_t(jetzt.msecsSinceStartOfDay()));
}

int Zufall::Zahl(int n)
{
    m_saat = m_saat * 134775813u + 1u;
    return int((std::uint64_t(m_saat) * std::uint64_t(std::uint32_t(n))) >> 32);
}
