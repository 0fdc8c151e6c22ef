// BMP: the header is checked here, the pixels are decoded by QtGui's built-in
// reader, and writing is our own plain 24-bit encoder.
#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <climits>

namespace bildcodec {

namespace {

constexpr qint64 DateikopfLaenge = 14;
constexpr quint32 KompressionRgb = 0;
constexpr quint32 KompressionRle8 = 1;
constexpr quint32 KompressionRle4 = 2;
constexpr quint32 KompressionBitfelder = 3;
constexpr quint32 KompressionAlphaBitfelder = 6;

quint16 Wort(const uchar* p) { return qFromLittleEndian<quint16>(p); }
quint32 DWort(const uchar* p) { return qFromLittleEndian<quint32>(p); }
qint32 Int(const uchar* p) { return qFromLittleEndian<qint32>(p); }

QString Ungueltig() { return QStringLiteral("Bitmap ist ungültig"); }

// A channel mask Qt's reader can widen to 8 bits without spilling into the
// neighbouring channels: one run of at most 8 set bits within the pixel.
bool MaskeBrauchbar(quint32 maske, quint32 tiefe)
{
    if (tiefe < 32 && (maske >> tiefe) != 0)
        return false;
    while (maske != 0 && (maske & 1) == 0)
        maske >>= 1;
    return maske <= 0xFF && (maske & (maske + 1)) == 0;
}

// The masks sit right after the first 40 header bytes, inside the larger
// headers or behind the small one. Red, green and blue must be present.
bool MaskenPruefen(const uchar* d, qint64 laenge, quint32 kopfLaenge, quint32 tiefe, bool alphaMaske)
{
    const qint64 anfang = DateikopfLaenge + 40;
    const bool mitAlpha = alphaMaske || kopfLaenge >= 56;
    if (laenge < anfang + (mitAlpha ? 16 : 12))
        return false;
    for (int i = 0; i < 3; ++i) {
        const quint32 maske = DWort(d + anfang + 4 * i);
        if (maske == 0 || !MaskeBrauchbar(maske, tiefe))
            return false;
    }
    return !mitAlpha || MaskeBrauchbar(DWort(d + anfang + 12), tiefe);
}

// Checks what Qt's reader would otherwise take on trust: sizes, depth,
// compression, and that uncompressed pixel data is really all there (a cut-off
// file would else come back as a picture with a blank part).
bool KopfPruefen(QByteArrayView daten, const Grenzen& grenzen, QString* fehler)
{
    const auto* d = reinterpret_cast<const uchar*>(daten.data());
    const qint64 laenge = daten.size();
    if (laenge < DateikopfLaenge + 12 || d[0] != 'B' || d[1] != 'M') {
        intern::Fehler(fehler, Ungueltig());
        return false;
    }
    const quint32 datenAnfang = DWort(d + 10);
    const quint32 kopfLaenge = DWort(d + DateikopfLaenge);
    const uchar* k = d + DateikopfLaenge;
    qint64 breite = 0;
    qint64 hoehe = 0;
    quint32 tiefe = 0;
    quint32 kompression = KompressionRgb;
    if (kopfLaenge == 12) {
        breite = Wort(k + 4);
        hoehe = Wort(k + 6);
        tiefe = Wort(k + 10);
    } else {
        if (kopfLaenge < 40 || kopfLaenge > 124 || laenge < DateikopfLaenge + 40) {
            intern::Fehler(fehler, Ungueltig());
            return false;
        }
        breite = Int(k + 4);
        const qint32 h = Int(k + 8);
        hoehe = h == INT_MIN ? 0 : (h < 0 ? -qint64(h) : qint64(h));
        tiefe = Wort(k + 14);
        kompression = DWort(k + 16);
        // Compressed pictures are always stored bottom-up.
        if (h < 0 && (kompression == KompressionRle8 || kompression == KompressionRle4)) {
            intern::Fehler(fehler, Ungueltig());
            return false;
        }
    }
    if (breite <= 0 || hoehe <= 0) {
        intern::Fehler(fehler, Ungueltig());
        return false;
    }
    if (!intern::GroesseErlaubt(breite, hoehe, grenzen, fehler))
        return false;

    bool passt = false;
    switch (kompression) {
    case KompressionRgb: passt = tiefe == 1 || tiefe == 4 || tiefe == 8 || tiefe == 16 || tiefe == 24 || tiefe == 32; break;
    case KompressionRle8: passt = tiefe == 8; break;
    case KompressionRle4: passt = tiefe == 4; break;
    case KompressionBitfelder:
    case KompressionAlphaBitfelder: passt = tiefe == 16 || tiefe == 32; break;
    default: passt = false;
    }
    if (!passt || datenAnfang >= laenge) {
        intern::Fehler(fehler, Ungueltig());
        return false;
    }
    if ((kompression == KompressionBitfelder || kompression == KompressionAlphaBitfelder)
        && !MaskenPruefen(d, laenge, kopfLaenge, tiefe, kompression == KompressionAlphaBitfelder)) {
        intern::Fehler(fehler, Ungueltig());
        return false;
    }
    if (kompression != KompressionRle8 && kompression != KompressionRle4) {
        const qint64 zeilenLaenge = ((breite * tiefe + 31) / 32) * 4;
        if (datenAnfang + zeilenLaenge * hoehe > laenge) {
            intern::Fehler(fehler, Ungueltig());
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<QImage> LeseBmp(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    if (!KopfPruefen(daten, grenzen, fehler))
        return std::nullopt;

    // Qt refuses pictures above its own allocation limit (256 MB by default),
    // which is below ours; the header check above already bounds the size.
    const int noetigMb = int(grenzen.maxPixel * 4 / (1024 * 1024)) + 1;
    if (QImageReader::allocationLimit() != 0 && QImageReader::allocationLimit() < noetigMb)
        QImageReader::setAllocationLimit(noetigMb);

    QByteArray roh = QByteArray::fromRawData(daten.data(), daten.size());
    QBuffer puffer(&roh);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, "bmp");
    leser.setAutoDetectImageFormat(false);
    QImage bild;
    if (!leser.read(&bild) || bild.isNull())
        return intern::Fehler(fehler, Ungueltig());
    intern::UeberWeiss(bild);
    return bild;
}

std::optional<QByteArray> KodiereBmp(const QImage& quelle)
{
    if (quelle.isNull())
        return std::nullopt;
    const QImage bild = quelle.format() == QImage::Format_RGB32 || quelle.format() == QImage::Format_ARGB32
                            ? quelle
                            : quelle.convertToFormat(QImage::Format_RGB32);
    const qint64 breite = bild.width();
    const qint64 hoehe = bild.height();
    const qint64 zeilenLaenge = (breite * 3 + 3) & ~qint64(3);
    const qint64 datenAnfang = DateikopfLaenge + 40;
    const qint64 dateiLaenge = datenAnfang + zeilenLaenge * hoehe;
    if (dateiLaenge > qint64(UINT32_MAX))
        return std::nullopt;

    QByteArray inhalt(dateiLaenge, Qt::Uninitialized);
    auto* d = reinterpret_cast<uchar*>(inhalt.data());
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(quint32(dateiLaenge), d + 2);
    qToLittleEndian<quint32>(0, d + 6);
    qToLittleEndian<quint32>(quint32(datenAnfang), d + 10);
    uchar* k = d + DateikopfLaenge;
    qToLittleEndian<quint32>(40, k);
    qToLittleEndian<qint32>(qint32(breite), k + 4);
    qToLittleEndian<qint32>(qint32(hoehe), k + 8); // positive: bottom-up, as every reader expects
    qToLittleEndian<quint16>(1, k + 12);
    qToLittleEndian<quint16>(24, k + 14);
    qToLittleEndian<quint32>(KompressionRgb, k + 16);
    qToLittleEndian<quint32>(quint32(zeilenLaenge * hoehe), k + 20);
    qToLittleEndian<qint32>(bild.dotsPerMeterX(), k + 24);
    qToLittleEndian<qint32>(bild.dotsPerMeterY(), k + 28);
    qToLittleEndian<quint32>(0, k + 32);
    qToLittleEndian<quint32>(0, k + 36);

    for (qint64 y = 0; y < hoehe; ++y) {
        const auto* quellZeile = reinterpret_cast<const QRgb*>(bild.constScanLine(int(hoehe - 1 - y)));
        uchar* ziel = d + datenAnfang + y * zeilenLaenge;
        for (qint64 x = 0; x < breite; ++x) {
            const QRgb p = quellZeile[x];
            *ziel++ = uchar(qBlue(p));
            *ziel++ = uchar(qGreen(p));
            *ziel++ = uchar(qRed(p));
        }
        for (qint64 rest = breite * 3; rest < zeilenLaenge; ++rest)
            *ziel++ = 0;
    }
    return inhalt;
}

} // namespace bildcodec
