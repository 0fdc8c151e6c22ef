#include "prepare/kodierreihe.h"

#include <algorithm>

namespace {
constexpr int MaxHelfer = 15;
}

Kodierreihe::Kodierreihe(std::vector<QImage> bilder, Kodierer kodierer, int helfer)
    : m_bilder(std::move(bilder)), m_kodierer(std::move(kodierer)), m_ergebnisse(m_bilder.size())
{
    if (helfer < 0)
        helfer = int(std::thread::hardware_concurrency()) - 1;
    // More helpers than pictures after the caller's first would only wait.
    helfer = std::clamp(helfer, 0, std::min(MaxHelfer, std::max(0, int(m_bilder.size()) - 1)));
    for (int i = 0; i < helfer; ++i)
        m_helfer.emplace_back([this] { Helfer(); });
}

Kodierreihe::~Kodierreihe()
{
    {
        std::lock_guard sperre(m_sperre);
        m_abbruch = true;
    }
    for (std::thread& faden : m_helfer)
        faden.join();
}

bool Kodierreihe::KodiereNaechstes()
{
    size_t nummer = 0;
    {
        std::lock_guard sperre(m_sperre);
        if (m_abbruch || m_naechstes >= m_bilder.size())
            return false;
        nummer = m_naechstes++;
    }
    std::optional<QByteArray> inhalt = m_kodierer(m_bilder[nummer]);
    {
        std::lock_guard sperre(m_sperre);
        m_ergebnisse[nummer] = std::move(inhalt);
    }
    m_fertig.notify_all();
    return true;
}

void Kodierreihe::Helfer()
{
    while (KodiereNaechstes()) {
    }
}

std::optional<QByteArray> Kodierreihe::Hole(size_t i)
{
    Q_ASSERT(i < m_bilder.size());
    for (;;) {
        {
            std::unique_lock sperre(m_sperre);
            if (m_ergebnisse[i]) {
                std::optional<QByteArray> inhalt = std::move(*m_ergebnisse[i]);
                m_ergebnisse[i].reset();
                return inhalt;
            }
        }
        if (KodiereNaechstes())
            continue;
        // Everything is taken: picture i is being encoded by a helper.
        std::unique_lock sperre(m_sperre);
        m_fertig.wait(sperre, [&] { return m_ergebnisse[i].has_value(); });
    }
}
