// Makes the benchmark's test photo, the same bytes on every run: smooth
// gradients like sky and land, fine detail like foliage, and sensor noise,
// saved as JPEG at quality 92.
//   tesselo_foto BREITE HOEHE DATEI.jpg
#include "codecs/bildcodec.h"

#include <QImage>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

std::uint32_t rauschen(std::uint32_t& zustand)
{
    zustand ^= zustand << 13;
    zustand ^= zustand >> 17;
    zustand ^= zustand << 5;
    return zustand;
}

int begrenze(double wert)
{
    return wert < 0 ? 0 : wert > 255 ? 255 : int(wert);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "Aufruf: tesselo_foto BREITE HOEHE DATEI.jpg\n");
        return 2;
    }
    const int breite = std::atoi(argv[1]);
    const int hoehe = std::atoi(argv[2]);
    if (breite < 1 || hoehe < 1)
        return 2;

    QImage bild(breite, hoehe, QImage::Format_RGB32);
    std::uint32_t zustand = 0x9E3779B9u;
    const double horizont = hoehe * 0.45;
    for (int y = 0; y < hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        const double v = double(y) / hoehe;
        for (int x = 0; x < breite; ++x) {
            const double u = double(x) / breite;
            double r, g, b;
            // The hills' edge wanders slowly across the picture.
            const double kante = horizont + hoehe * 0.06 * std::sin(u * 7.0) + hoehe * 0.02 * std::sin(u * 31.0);
            if (y < kante) {
                r = 70 + 150 * v + 20 * u;
                g = 120 + 110 * v;
                b = 230 - 60 * v;
            } else {
                // Foliage: short-period texture on a darker gradient.
                const double blatt = std::sin(x * 0.9 + std::sin(y * 0.23) * 3.0) * std::sin(y * 0.7 + x * 0.05);
                r = 40 + 50 * u + 35 * blatt;
                g = 90 + 60 * (1 - v) + 45 * blatt;
                b = 30 + 20 * v + 15 * blatt;
            }
            const int n = int(rauschen(zustand) % 25) - 12;
            zeile[x] = qRgb(begrenze(r + n), begrenze(g + n), begrenze(b + n));
        }
    }
    QString fehler;
    if (!bildcodec::SchreibeJpeg(bild, QString::fromLocal8Bit(argv[3]), 92, &fehler)) {
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        return 1;
    }
    return 0;
}
