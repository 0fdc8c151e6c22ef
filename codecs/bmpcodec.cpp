// BMP: the header is checked here, the pixels are decoded by QtGui's built-in
// reader, and writing is our own plain 24-bit encoder.
#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <future>
#include <vector>

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

struct Kopf {
    qint64 breite = 0;
    qint64 hoehe = 0;
    quint32 tiefe = 0;
    quint32 kompression = KompressionRgb;
    qint64 datenAnfang = 0;
    std::vector<QRgb> palette;
};

bool IstRle(quint32 kompression) { return kompression == KompressionRle8 || kompression == KompressionRle4; }

// Checks what Qt's reader would otherwise take on trust: sizes, depth,
// compression, masks, and that uncompressed pixel data is all there and where
// the header says (Qt hands back a cut-off picture as a success, with
// whatever the memory held in the missing part).
std::optional<Kopf> KopfPruefen(QByteArrayView daten, const Grenzen& grenzen, QString* fehler)
{
    const auto* d = reinterpret_cast<const uchar*>(daten.data());
    const qint64 laenge = daten.size();
    if (laenge < DateikopfLaenge + 12 || d[0] != 'B' || d[1] != 'M')
        return intern::Fehler(fehler, Ungueltig());
    Kopf kopf;
    kopf.datenAnfang = DWort(d + 10);
    const quint32 kopfLaenge = DWort(d + DateikopfLaenge);
    const uchar* k = d + DateikopfLaenge;
    quint32 farben = 0;
    if (kopfLaenge == 12) {
        kopf.breite = Wort(k + 4);
        kopf.hoehe = Wort(k + 6);
        kopf.tiefe = Wort(k + 10);
    } else {
        if (kopfLaenge < 40 || kopfLaenge > 124 || laenge < DateikopfLaenge + 40)
            return intern::Fehler(fehler, Ungueltig());
        kopf.breite = Int(k + 4);
        const qint32 h = Int(k + 8);
        kopf.hoehe = h == INT_MIN ? 0 : (h < 0 ? -qint64(h) : qint64(h));
        kopf.tiefe = Wort(k + 14);
        kopf.kompression = DWort(k + 16);
        farben = DWort(k + 32);
        // Compressed pictures are always stored bottom-up.
        if (h < 0 && IstRle(kopf.kompression))
            return intern::Fehler(fehler, Ungueltig());
    }
    if (kopf.breite <= 0 || kopf.hoehe <= 0)
        return intern::Fehler(fehler, Ungueltig());
    if (!intern::GroesseErlaubt(kopf.breite, kopf.hoehe, grenzen, fehler))
        return std::nullopt;

    const quint32 tiefe = kopf.tiefe;
    bool passt = false;
    switch (kopf.kompression) {
    case KompressionRgb: passt = tiefe == 1 || tiefe == 4 || tiefe == 8 || tiefe == 16 || tiefe == 24 || tiefe == 32; break;
    case KompressionRle8: passt = tiefe == 8; break;
    case KompressionRle4: passt = tiefe == 4; break;
    case KompressionBitfelder:
    case KompressionAlphaBitfelder: passt = tiefe == 16 || tiefe == 32; break;
    default: passt = false;
    }
    const bool bitfelder = kopf.kompression == KompressionBitfelder || kopf.kompression == KompressionAlphaBitfelder;
    if (!passt || (bitfelder && !MaskenPruefen(d, laenge, kopfLaenge, tiefe, kopf.kompression == KompressionAlphaBitfelder)))
        return intern::Fehler(fehler, Ungueltig());

    // Header, masks behind the small header, palette: the pixels come after.
    if (farben == 0 && tiefe <= 8)
        farben = 1u << tiefe;
    if (tiefe <= 8 && farben > 256)
        return intern::Fehler(fehler, Ungueltig());
    const qint64 paletteAnfang = DateikopfLaenge + kopfLaenge
                                 + (kopfLaenge == 40 && bitfelder ? (kopf.kompression == KompressionAlphaBitfelder ? 16 : 12) : 0);
    const qint64 eintrag = kopfLaenge == 12 ? 3 : 4;
    const qint64 paletteEnde = paletteAnfang + qint64(farben) * eintrag;
    if (kopf.datenAnfang < paletteEnde || kopf.datenAnfang >= laenge)
        return intern::Fehler(fehler, Ungueltig());
    if (IstRle(kopf.kompression)) {
        for (quint32 i = 0; i < farben; ++i) {
            const uchar* e = d + paletteAnfang + i * eintrag;
            kopf.palette.push_back(qRgb(e[2], e[1], e[0]));
        }
    } else {
        const qint64 zeilenLaenge = ((kopf.breite * tiefe + 31) / 32) * 4;
        if (kopf.datenAnfang + zeilenLaenge * kopf.hoehe > laenge)
            return intern::Fehler(fehler, Ungueltig());
    }
    return kopf;
}

// Run-length coded pictures are decoded here: Qt's reader leaves every pixel
// that the runs do not reach (rows ended early, the picture ended early)
// uninitialised. Pixels no run reaches take the colour of index 0; a stream
// that stops before its end mark and before the last pixel is damaged.
std::optional<QImage> RleLesen(QByteArrayView daten, const Kopf& kopf)
{
    QRgb farben[256];
    for (int i = 0; i < 256; ++i)
        farben[i] = size_t(i) < kopf.palette.size() ? kopf.palette[size_t(i)] : qRgb(0, 0, 0);
    const int breite = int(kopf.breite);
    const int hoehe = int(kopf.hoehe);
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    if (bild.isNull())
        return std::nullopt;
    bild.fill(farben[0]);

    const auto* d = reinterpret_cast<const uchar*>(daten.data());
    const qint64 laenge = daten.size();
    const bool vier = kopf.kompression == KompressionRle4;
    qint64 stelle = kopf.datenAnfang;
    int x = 0;
    int zeile = 0; // counted from the bottom, as stored
    auto* pixel = reinterpret_cast<QRgb*>(bild.bits());
    const qsizetype schritt = bild.bytesPerLine() / qsizetype(sizeof(QRgb));
    const auto setze = [&](int index) {
        if (x < breite && zeile < hoehe)
            pixel[qsizetype(hoehe - 1 - zeile) * schritt + x] = farben[index];
        ++x;
    };
    while (zeile < hoehe) {
        if (stelle + 2 > laenge)
            return x >= breite && zeile == hoehe - 1 ? std::optional<QImage>(bild) : std::nullopt;
        const int anzahl = d[stelle];
        const int wert = d[stelle + 1];
        stelle += 2;
        if (anzahl > 0) {
            for (int i = 0; i < anzahl && x < breite; ++i)
                setze(!vier ? wert : (i % 2 == 0 ? wert >> 4 : wert & 0x0F));
        } else if (wert == 0) {
            x = 0;
            ++zeile;
        } else if (wert == 1) {
            break;
        } else if (wert == 2) {
            if (stelle + 2 > laenge)
                return std::nullopt;
            x = int(std::min<qint64>(qint64(x) + d[stelle], breite));
            zeile = int(std::min<qint64>(qint64(zeile) + d[stelle + 1], hoehe));
            stelle += 2;
        } else {
            const qint64 bytes = vier ? (wert + 1) / 2 : wert;
            if (stelle + bytes > laenge)
                return std::nullopt;
            for (int i = 0; i < wert; ++i)
                setze(!vier ? d[stelle + i] : (i % 2 == 0 ? d[stelle + i / 2] >> 4 : d[stelle + i / 2] & 0x0F));
            stelle += bytes + (bytes & 1);
        }
    }
    return bild;
}

} // namespace

std::optional<QSize> intern::MasseBmp(QByteArrayView daten)
{
    const std::optional<Kopf> kopf = KopfPruefen(daten, Grenzen{}, nullptr);
    if (!kopf)
        return std::nullopt;
    return QSize(int(kopf->breite), int(kopf->hoehe));
}

std::optional<QImage> LeseBmp(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    const std::optional<Kopf> kopf = KopfPruefen(daten, grenzen, fehler);
    if (!kopf)
        return std::nullopt;
    if (IstRle(kopf->kompression)) {
        std::optional<QImage> bild = RleLesen(daten, *kopf);
        if (!bild)
            return intern::Fehler(fehler, Ungueltig());
        return bild;
    }

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

namespace {

// A 24-bit bottom-up BMP of a picture: the 54-byte header and the rows.
struct BmpAufbau {
    QImage bild; // RGB32 or ARGB32, as the rows are read
    qint64 zeilenLaenge = 0;
    qint64 datenAnfang = 0;
    qint64 dateiLaenge = 0;
};

// nullopt for an empty picture or one too large for the format.
std::optional<BmpAufbau> Aufbau(const QImage& quelle)
{
    if (quelle.isNull())
        return std::nullopt;
    BmpAufbau a;
    a.bild = quelle.format() == QImage::Format_RGB32 || quelle.format() == QImage::Format_ARGB32
                 ? quelle
                 : quelle.convertToFormat(QImage::Format_RGB32);
    a.zeilenLaenge = (qint64(a.bild.width()) * 3 + 3) & ~qint64(3);
    a.datenAnfang = DateikopfLaenge + 40;
    a.dateiLaenge = a.datenAnfang + a.zeilenLaenge * a.bild.height();
    if (a.dateiLaenge > qint64(UINT32_MAX))
        return std::nullopt;
    return a;
}

void Kopf(const BmpAufbau& a, uchar* d)
{
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(quint32(a.dateiLaenge), d + 2);
    qToLittleEndian<quint32>(0, d + 6);
    qToLittleEndian<quint32>(quint32(a.datenAnfang), d + 10);
    uchar* k = d + DateikopfLaenge;
    qToLittleEndian<quint32>(40, k);
    qToLittleEndian<qint32>(qint32(a.bild.width()), k + 4);
    qToLittleEndian<qint32>(qint32(a.bild.height()), k + 8); // positive: bottom-up, as every reader expects
    qToLittleEndian<quint16>(1, k + 12);
    qToLittleEndian<quint16>(24, k + 14);
    qToLittleEndian<quint32>(KompressionRgb, k + 16);
    qToLittleEndian<quint32>(quint32(a.zeilenLaenge * a.bild.height()), k + 20);
    qToLittleEndian<qint32>(a.bild.dotsPerMeterX(), k + 24);
    qToLittleEndian<qint32>(a.bild.dotsPerMeterY(), k + 28);
    qToLittleEndian<quint32>(0, k + 32);
    qToLittleEndian<quint32>(0, k + 36);
}

// The file's rows von..bis-1 (counted from the file's first row, the
// picture's bottom one) into ziel.
void Zeilen(const BmpAufbau& a, qint64 von, qint64 bis, uchar* ziel)
{
    const qint64 breite = a.bild.width();
    const qint64 hoehe = a.bild.height();
    for (qint64 y = von; y < bis; ++y) {
        const auto* quellZeile = reinterpret_cast<const QRgb*>(a.bild.constScanLine(int(hoehe - 1 - y)));
        for (qint64 x = 0; x < breite; ++x) {
            const QRgb p = quellZeile[x];
            *ziel++ = uchar(qBlue(p));
            *ziel++ = uchar(qGreen(p));
            *ziel++ = uchar(qRed(p));
        }
        for (qint64 rest = breite * 3; rest < a.zeilenLaenge; ++rest)
            *ziel++ = 0;
    }
}

// Rows are written in slices of about this size: the whole file in memory
// would cost as much again as the picture's bitmap.
constexpr qint64 ScheibenGroesse = qint64(4) << 20;

} // namespace

std::optional<QByteArray> KodiereBmp(const QImage& quelle)
{
    const std::optional<BmpAufbau> a = Aufbau(quelle);
    if (!a)
        return std::nullopt;
    QByteArray inhalt(a->dateiLaenge, Qt::Uninitialized);
    auto* d = reinterpret_cast<uchar*>(inhalt.data());
    Kopf(*a, d);
    Zeilen(*a, 0, a->bild.height(), d + a->datenAnfang);
    return inhalt;
}

bool SchreibeBmp(const QImage& quelle, const QString& pfad, QString* fehler)
{
    const std::optional<BmpAufbau> a = Aufbau(quelle);
    if (!a) {
        intern::Fehler(fehler, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
        return false;
    }
    return intern::SchreibeDatei(pfad, fehler, [&a](QIODevice& datei) {
        QByteArray kopf(a->datenAnfang, Qt::Uninitialized);
        Kopf(*a, reinterpret_cast<uchar*>(kopf.data()));
        if (datei.write(kopf) != kopf.size())
            return false;
        // While one slice is written, the next one's rows are converted on
        // another thread: for a photo the conversion takes as long as the
        // writing. At most one conversion is under way, and it is always
        // waited for, so the buffers outlive it.
        const qint64 hoehe = a->bild.height();
        const qint64 zeilenJeScheibe = std::max<qint64>(1, ScheibenGroesse / a->zeilenLaenge);
        const qint64 puffer = std::min(hoehe, zeilenJeScheibe) * a->zeilenLaenge;
        QByteArray scheiben[2] = {QByteArray(puffer, Qt::Uninitialized), QByteArray(puffer, Qt::Uninitialized)};
        const auto wandle = [&a, &scheiben, hoehe, zeilenJeScheibe](qint64 y) {
            Zeilen(*a, y, std::min(hoehe, y + zeilenJeScheibe),
                   reinterpret_cast<uchar*>(scheiben[(y / zeilenJeScheibe) % 2].data()));
        };
        wandle(0);
        std::future<void> naechste;
        bool geschrieben = true;
        for (qint64 y = 0; y < hoehe && geschrieben; y += zeilenJeScheibe) {
            if (naechste.valid())
                naechste.get();
            if (y + zeilenJeScheibe < hoehe)
                naechste = std::async(std::launch::async, wandle, y + zeilenJeScheibe);
            const qint64 laenge = (std::min(hoehe, y + zeilenJeScheibe) - y) * a->zeilenLaenge;
            geschrieben = datei.write(scheiben[(y / zeilenJeScheibe) % 2].constData(), laenge) == laenge;
        }
        if (naechste.valid())
            naechste.get();
        return geschrieben;
    });
}

} // namespace bildcodec
