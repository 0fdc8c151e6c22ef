#pragma once
// Encodes a row of pictures on all cores while handing the encoded files out
// strictly in the row's order, so that they can still be written one after
// the other: a write that fails ends the row, and no later file appears.
#include <QByteArray>
#include <QImage>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class Kodierreihe
{
public:
    // nullopt from the encoder: this picture cannot be encoded.
    using Kodierer = std::function<std::optional<QByteArray>(const QImage&)>;

    // Starts encoding at once. The pictures must not be drawn on while the
    // row exists; `helfer` threads work besides the caller (-1: one fewer
    // than the machine has cores).
    Kodierreihe(std::vector<QImage> bilder, Kodierer kodierer, int helfer = -1);
    // Stops the helpers: what is being encoded is finished and thrown away.
    ~Kodierreihe();
    Kodierreihe(const Kodierreihe&) = delete;
    Kodierreihe& operator=(const Kodierreihe&) = delete;

    // The encoded picture number i. Waits for it while encoding later
    // pictures itself; each number can be taken once.
    std::optional<QByteArray> Hole(size_t i);

    size_t Anzahl() const { return m_bilder.size(); }

private:
    // Encodes the next picture nobody has taken; false when none is left.
    bool KodiereNaechstes();
    void Helfer();

    std::vector<QImage> m_bilder;
    Kodierer m_kodierer;
    std::mutex m_sperre;
    std::condition_variable m_fertig;
    size_t m_naechstes = 0; // under m_sperre
    bool m_abbruch = false; // under m_sperre
    std::vector<std::optional<std::optional<QByteArray>>> m_ergebnisse; // under m_sperre
    std::vector<std::thread> m_helfer;
};
