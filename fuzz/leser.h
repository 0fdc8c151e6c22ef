#pragma once
// One entry point per picture format for the fuzz harnesses and the
// regression run: the reader the program uses, plus the invariants every
// result must keep.
#include "codecs/bildcodec.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace fuzz {

using Leser = std::optional<QImage> (*)(QByteArrayView, QString*, bildcodec::Grenzen);

// Runs the reader; aborts (so the fuzzer records the input) when a picture
// comes back that is not drawable RGB32 or opaque, or a failure without a
// message.
inline void Pruefe(Leser leser, const uint8_t* daten, size_t laenge, bildcodec::Grenzen grenzen)
{
    QString fehler;
    const std::optional<QImage> bild =
        leser(QByteArrayView(reinterpret_cast<const char*>(daten), qsizetype(laenge)), &fehler, grenzen);
    if (!bild) {
        if (fehler.isEmpty())
            std::abort();
        return;
    }
    if (bild->isNull() || bild->format() != QImage::Format_RGB32 || bild->width() > grenzen.maxSeite
        || bild->height() > grenzen.maxSeite)
        std::abort();
    for (int y = 0; y < bild->height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild->constScanLine(y));
        for (int x = 0; x < bild->width(); ++x)
            if (qAlpha(zeile[x]) != 255)
                std::abort();
    }
}

} // namespace fuzz
