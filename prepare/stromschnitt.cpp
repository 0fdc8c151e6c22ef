#include "prepare/stromschnitt.h"

#include "codecs/jpegstrom.h"
#include "prepare/gitter.h"
#include "prepare/schnitt.h"

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace stromschnitt {

namespace {

// Lines decoded, and handed to an encoder, at once.
constexpr int Buendel = 16;
// What a cut of a picture stored upright keeps in flight between the two
// threads: enough lines that the decoder never waits while the encoders
// take a moment for the empty tile.
constexpr qsizetype Vorrat = qsizetype(8) << 20;

// A piece of the packed tiles (the area the grid covers, its first tile's
// corner at (0, 0)), as the encoders take it: whole tile columns wide.
struct Stueck {
    QRect bereich;
    const QRgb* anfang = nullptr; // the pixel at bereich.topLeft()
    qsizetype schritt = 0;        // pixels from one line to the next; 0 repeats the line
    int puffer = -1;              // the buffer it lies in, given back when encoded; -1: none
};

// The pieces from the decoding thread to the encoding one, in buffers that
// go round: the decoder waits for a free one, so the memory stays bounded
// however far ahead it could run.
class Fliessband
{
public:
    explicit Fliessband(int puffer)
    {
        for (int i = 0; i < puffer; ++i)
            m_frei.push_back(i);
    }

    // A free buffer; -1 once the band is stopped.
    int Frei()
    {
        std::unique_lock sperre(m_sperre);
        m_wechsel.wait(sperre, [this] { return m_halt || !m_frei.empty(); });
        if (m_halt)
            return -1;
        const int puffer = m_frei.back();
        m_frei.pop_back();
        return puffer;
    }
    void Gib(const Stueck& stueck)
    {
        {
            const std::lock_guard sperre(m_sperre);
            m_voll.push_back(stueck);
        }
        m_wechsel.notify_all();
    }
    // The next piece; with `warten` it waits for one. None once the band is
    // stopped, or at its end.
    std::optional<Stueck> Naechstes(bool warten)
    {
        std::unique_lock sperre(m_sperre);
        if (warten)
            m_wechsel.wait(sperre, [this] { return m_halt || m_schluss || !m_voll.empty(); });
        if (m_halt || m_voll.empty())
            return std::nullopt;
        const Stueck stueck = m_voll.front();
        m_voll.pop_front();
        return stueck;
    }
    void Zurueck(int puffer)
    {
        if (puffer < 0)
            return;
        {
            const std::lock_guard sperre(m_sperre);
            m_frei.push_back(puffer);
        }
        m_wechsel.notify_all();
    }
    bool Vorbei()
    {
        const std::lock_guard sperre(m_sperre);
        return m_halt || (m_schluss && m_voll.empty());
    }
    void Schluss() { Setze(m_schluss); }
    void Halt() { Setze(m_halt); }

private:
    void Setze(bool& merker)
    {
        {
            const std::lock_guard sperre(m_sperre);
            merker = true;
        }
        m_wechsel.notify_all();
    }

    std::mutex m_sperre;
    std::condition_variable m_wechsel;
    std::vector<int> m_frei;
    std::deque<Stueck> m_voll;
    bool m_schluss = false;
    bool m_halt = false;
};

#ifdef Q_OS_LINUX
struct Abbildung {
    void* anfang;
    size_t laenge;
};

void GibFrei(void* info)
{
    auto* abbildung = static_cast<Abbildung*>(info);
    ::munmap(abbildung->anfang, abbildung->laenge);
    delete abbildung;
}
#endif

// A picture whose lines cost memory only once written: fresh pages, mapped
// by the kernel at the first write, and never in large pages, which would
// make one line cost two megabytes. Elsewhere an ordinary picture.
QImage DuennesBild(int breite, int hoehe)
{
#ifdef Q_OS_LINUX
    const size_t laenge = size_t(breite) * sizeof(QRgb) * size_t(hoehe);
    void* anfang = ::mmap(nullptr, laenge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (anfang != MAP_FAILED) {
        ::madvise(anfang, laenge, MADV_NOHUGEPAGE);
        auto* abbildung = new Abbildung{anfang, laenge};
        QImage bild(static_cast<uchar*>(anfang), breite, hoehe, qsizetype(breite) * qsizetype(sizeof(QRgb)),
                    QImage::Format_RGB32, GibFrei, abbildung);
        if (!bild.isNull())
            return bild;
        GibFrei(abbildung);
    }
#endif
    return QImage(breite, hoehe, QImage::Format_RGB32);
}

// The preview is the packed tiles stretched by QPainter's smooth scaling,
// which samples each of its pixels bilinearly from the two lines nearest to
// the pixel's centre, at (y + 0.5) * hoehe / ziel - 0.5 in 16.16 fixed
// point; no other line is read. Those lines are kept in a picture of the
// packed tiles' size whose other lines are never written, and the same
// drawing then gives the same preview. Where the position lies so close to
// a line that Qt's rounding could differ from this one's, the neighbour is
// kept as well.
class Vorschauquelle
{
public:
    Vorschauquelle(QSize flaeche, int breite, int hoehe)
        : m_bild(DuennesBild(flaeche.width(), flaeche.height())), m_breite(breite), m_hoehe(hoehe),
          m_noetig(size_t(flaeche.height()), false)
    {
        // Taken once here: the encoding thread writes through it, never
        // through the picture, which could detach.
        m_pixel = m_bild.isNull() ? nullptr : reinterpret_cast<QRgb*>(m_bild.bits());
        m_zeile = m_bild.bytesPerLine() / qsizetype(sizeof(QRgb));
        const int zeilen = flaeche.height();
        for (int y = 0; y < hoehe; ++y) {
            const double lage = (y + 0.5) * zeilen / hoehe - 0.5;
            const int von = int(std::floor(lage - 1e-3));
            const int bis = int(std::floor(lage + 1e-3)) + 1;
            for (int zeile = von; zeile <= bis; ++zeile)
                m_noetig[size_t(std::clamp(zeile, 0, zeilen - 1))] = true;
        }
    }

    bool Bereit() const { return !m_bild.isNull(); }

    void Nimm(const Stueck& s)
    {
        for (int y = s.bereich.top(); y < s.bereich.top() + s.bereich.height(); ++y)
            if (m_noetig[size_t(y)])
                std::memcpy(m_pixel + qsizetype(y) * m_zeile + s.bereich.left(),
                            s.anfang + qsizetype(y - s.bereich.top()) * s.schritt,
                            size_t(s.bereich.width()) * sizeof(QRgb));
    }

    QImage Vorschau() const { return schnitt::Vorschaubild(m_bild, m_breite, m_hoehe); }

private:
    QImage m_bild;
    QRgb* m_pixel = nullptr;
    qsizetype m_zeile = 0;
    int m_breite;
    int m_hoehe;
    std::vector<bool> m_noetig;
};

// The pixel QImage::fill makes of a colour, as the whole cut's tiles show it.
QRgb Pixel(const QColor& farbe)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.fill(farbe);
    return *reinterpret_cast<const QRgb*>(probe.constBits());
}

// The encoding side: every tile's encoder from its first line to its last,
// the preview's lines, and in the pauses the empty tile.
class Kodierseite
{
public:
    Kodierseite(const Auftrag& a, int spalten, int zeilen, KodierteKacheln& dateien, Vorschauquelle* vorschau)
        : m_a(a), m_b(a.gitter.breite), m_zeilen(zeilen), m_dateien(dateien), m_vorschau(vorschau),
          m_kodierer(size_t(spalten) * size_t(zeilen)), m_leerzeile(size_t(m_b), Pixel(a.leerfarbe)),
          m_leer(m_b, m_b, a.qualitaet)
    {
        m_dateien.teile.resize(m_kodierer.size());
    }

    void Nimm(const Stueck& s)
    {
        const int oben = s.bereich.top();
        const int unten = oben + s.bereich.height();
        const QRgb* zeilen[Buendel];
        for (int r = oben / m_b; r * m_b < unten; ++r) {
            const int von = std::max(oben, r * m_b);
            const int bis = std::min(unten, (r + 1) * m_b);
            for (int c = s.bereich.left() / m_b; c * m_b < s.bereich.left() + s.bereich.width(); ++c) {
                const size_t index = size_t(c) * size_t(m_zeilen) + size_t(r);
                std::unique_ptr<bildcodec::JpegKodierer>& kodierer = m_kodierer[index];
                if (von == r * m_b)
                    kodierer = std::make_unique<bildcodec::JpegKodierer>(m_b, m_b, m_a.qualitaet);
                for (int y = von; y < bis; y += Buendel) {
                    const int anzahl = std::min(Buendel, bis - y);
                    for (int i = 0; i < anzahl; ++i)
                        zeilen[i] = s.anfang + qsizetype(y + i - oben) * s.schritt + (c * m_b - s.bereich.left());
                    kodierer->Schreibe(zeilen, anzahl);
                }
                if (bis == (r + 1) * m_b) {
                    m_dateien.teile[index] = kodierer->Ende().value_or(QByteArray());
                    kodierer.reset();
                }
            }
        }
        if (m_vorschau)
            m_vorschau->Nimm(s);
    }

    // A few lines of the empty tile; false once it is complete.
    bool Nebenbei()
    {
        if (m_leerGeschrieben >= m_b)
            return false;
        const int anzahl = std::min(Buendel, m_b - m_leerGeschrieben);
        const QRgb* zeilen[Buendel];
        std::fill_n(zeilen, anzahl, m_leerzeile.data());
        m_leer.Schreibe(zeilen, anzahl);
        m_leerGeschrieben += anzahl;
        if (m_leerGeschrieben == m_b)
            m_dateien.leerbild = m_leer.Ende().value_or(QByteArray());
        return true;
    }

    void Schluss()
    {
        while (Nebenbei()) {
        }
        if (m_vorschau)
            m_dateien.vorschau = bildcodec::KodiereJpeg(m_vorschau->Vorschau(), m_a.qualitaet).value_or(QByteArray());
    }

private:
    const Auftrag& m_a;
    const int m_b;
    const int m_zeilen;
    KodierteKacheln& m_dateien;
    Vorschauquelle* m_vorschau;
    std::vector<std::unique_ptr<bildcodec::JpegKodierer>> m_kodierer;
    std::vector<QRgb> m_leerzeile;
    bildcodec::JpegKodierer m_leer;
    int m_leerGeschrieben = 0;
};

// Where pixel (sx, sy) of the stored picture lies upright:
// (ox + xx * sx + xy * sy, oy + yx * sx + yy * sy).
struct Abbild {
    int ox, xx, xy, oy, yx, yy;
};

Abbild AbbildFuer(int lage, int w, int h)
{
    switch (lage) {
    case 2: return {w - 1, -1, 0, 0, 0, 1};
    case 3: return {w - 1, -1, 0, h - 1, 0, -1};
    case 4: return {0, 1, 0, h - 1, 0, -1};
    case 5: return {0, 0, 1, 0, 1, 0};
    case 6: return {h - 1, 0, -1, 0, 1, 0};
    case 7: return {h - 1, 0, -1, w - 1, -1, 0};
    case 8: return {0, 0, 1, w - 1, -1, 0};
    default: return {0, 1, 0, 0, 0, 1};
    }
}

// The decoding side. `flaeche` is the packed tiles' area in the upright
// picture, `hintergrund` the pixel where it lies outside the picture.
class Leserseite
{
public:
    Leserseite(bildcodec::JpegLeser& leser, Fliessband& band, std::vector<std::unique_ptr<QRgb[]>>& puffer,
               const QRect& flaeche, int b, QRgb hintergrund)
        : m_leser(leser), m_band(band), m_puffer(puffer), m_flaeche(flaeche), m_b(b), m_hintergrund(hintergrund),
          m_w(leser.Gespeichert().width()), m_h(leser.Gespeichert().height()), m_lage(leser.Lage()),
          m_abbild(AbbildFuer(m_lage, m_w, m_h)), m_zwischen(size_t(Buendel) * size_t(m_w))
    {
    }

    // Buffers the cut needs, each of that many pixels.
    static std::pair<int, qsizetype> Puffer(const bildcodec::JpegLeser& leser, const QRect& flaeche, int b)
    {
        if (leser.Lage() <= 2) {
            const qsizetype zeile = qsizetype(leser.Gespeichert().width()) + std::max(0, -flaeche.x());
            const qsizetype groesse = zeile * Buendel;
            return {int(std::clamp<qsizetype>(Vorrat / (groesse * qsizetype(sizeof(QRgb))), 4, 256)), groesse};
        }
        // A band and the next one.
        const qsizetype seite = leser.Lage() <= 4 ? flaeche.width() : flaeche.height();
        return {2, seite * b};
    }

    bool Lies(QString* fehler)
    {
        m_fehler = fehler;
        const bool gelesen = m_lage <= 2 ? Zeilenweise() : Bandweise();
        return gelesen && m_leser.Beende(fehler);
    }

private:
    // Decodes the next `anzahl` lines, into the given lines or else to be thrown away.
    bool Lies(QRgb* const* zeilen, int anzahl)
    {
        if (!zeilen) {
            QRgb* weg[Buendel];
            for (int i = 0; i < anzahl; ++i)
                weg[i] = m_zwischen.data() + qsizetype(i) * m_w;
            return m_leser.Lies(weg, anzahl, m_fehler);
        }
        return m_leser.Lies(zeilen, anzahl, m_fehler);
    }

    bool Ueberspringe(int bis) { return m_leser.Zeile() >= bis || m_leser.Ueberspringe(bis - m_leser.Zeile(), m_fehler); }

    // Stored upright or mirrored: each stored line is a line of the packed
    // tiles, decoded straight into a buffer whose lines begin with the
    // background left of the picture (negative offsets).
    bool Zeilenweise()
    {
        const int links = std::max(0, -m_flaeche.x());
        const qsizetype zeile = qsizetype(m_w) + links;
        for (const std::unique_ptr<QRgb[]>& puffer : m_puffer)
            for (int i = 0; i < Buendel; ++i)
                std::fill_n(puffer.get() + i * zeile, links, m_hintergrund);
        if (m_flaeche.y() < 0) {
            // The lines above the picture; the line outlives the encoding.
            m_leerzeile.assign(size_t(m_flaeche.width()), m_hintergrund);
            m_band.Gib({QRect(0, 0, m_flaeche.width(), std::min(m_flaeche.height(), -m_flaeche.y())),
                        m_leerzeile.data(), 0, -1});
        }
        const int ende = m_flaeche.y() + m_flaeche.height();
        if (!Ueberspringe(std::max(0, m_flaeche.y())))
            return false;
        while (m_leser.Zeile() < ende) {
            const int y = m_leser.Zeile();
            const int anzahl = std::min(Buendel, ende - y);
            const int nummer = m_band.Frei();
            if (nummer < 0)
                return false;
            QRgb* basis = m_puffer[size_t(nummer)].get();
            QRgb* zeilen[Buendel];
            for (int i = 0; i < anzahl; ++i)
                zeilen[i] = m_lage == 1 ? basis + i * zeile + links : m_zwischen.data() + qsizetype(i) * m_w;
            if (!Lies(zeilen, anzahl)) {
                m_band.Zurueck(nummer);
                return false;
            }
            if (m_lage == 2)
                for (int i = 0; i < anzahl; ++i)
                    std::reverse_copy(zeilen[i], zeilen[i] + m_w, basis + i * zeile + links);
            m_band.Gib({QRect(0, y - m_flaeche.y(), m_flaeche.width(), anzahl), basis + links + m_flaeche.x(), zeile,
                        nummer});
        }
        return Ueberspringe(m_h);
    }

    struct Band {
        QRect bereich; // in the packed tiles
        int von = 0;   // the stored lines that fall into it
        int bis = 0;
    };

    // Stored turned: a band of tiles is gathered upright, then handed over.
    // Upside down (3, 4) the tile rows come from the bottom; lying (5 to 8)
    // the stored lines are the upright columns, a band a tile column.
    bool Bandweise()
    {
        const bool spalten = m_lage >= 5;
        const int anzahl = (spalten ? m_flaeche.width() : m_flaeche.height()) / m_b;
        std::vector<Band> baender;
        for (int i = 0; i < anzahl; ++i) {
            Band band;
            band.bereich = spalten ? QRect(i * m_b, 0, m_b, m_flaeche.height())
                                   : QRect(0, i * m_b, m_flaeche.width(), m_b);
            // The stored lines: the upright lines (or columns) of the band
            // through the map, which runs one way or the other.
            const int anfang = spalten ? m_flaeche.x() + i * m_b : m_flaeche.y() + i * m_b;
            const int o = spalten ? m_abbild.ox : m_abbild.oy;
            const int richtung = spalten ? m_abbild.xy : m_abbild.yy;
            const int a = richtung * (anfang - o);
            const int z = richtung * (anfang + m_b - 1 - o);
            band.von = std::clamp(std::min(a, z), 0, m_h);
            band.bis = std::clamp(std::max(a, z) + 1, 0, m_h);
            baender.push_back(band);
        }
        // Bands wholly outside the picture first, then in the order read.
        std::stable_sort(baender.begin(), baender.end(), [](const Band& x, const Band& y) {
            const bool leerX = x.von >= x.bis, leerY = y.von >= y.bis;
            return leerX != leerY ? leerX : x.von < y.von;
        });
        const QRect bild(QPoint(0, 0), m_leser.Aufrecht());
        for (const Band& band : baender) {
            if (band.von < band.bis && !Ueberspringe(band.von))
                return false;
            const int nummer = m_band.Frei();
            if (nummer < 0)
                return false;
            QRgb* puffer = m_puffer[size_t(nummer)].get();
            if (!bild.contains(band.bereich.translated(m_flaeche.topLeft())))
                std::fill_n(puffer, band.bereich.width() * qsizetype(band.bereich.height()), m_hintergrund);
            while (band.von < band.bis && m_leser.Zeile() < band.bis) {
                const int y = m_leser.Zeile();
                const int zahl = std::min(Buendel, band.bis - y);
                if (!Lies(nullptr, zahl)) {
                    m_band.Zurueck(nummer);
                    return false;
                }
                Platziere(y, zahl, band.bereich, puffer);
            }
            m_band.Gib({band.bereich, puffer, band.bereich.width(), nummer});
        }
        return Ueberspringe(m_h);
    }

    // Places the stored lines y .. y + anzahl - 1, decoded into m_zwischen,
    // upright into the band `bereich` held in `puffer`.
    void Platziere(int y, int anzahl, const QRect& bereich, QRgb* puffer) const
    {
        const Abbild& a = m_abbild;
        const qsizetype bw = bereich.width();
        const int versatzX = a.ox - m_flaeche.x() - bereich.x();
        const int versatzY = a.oy - m_flaeche.y() - bereich.y();
        const qsizetype i0 = qsizetype(versatzY) * bw + versatzX;
        const qsizetype dx = qsizetype(a.yx) * bw + a.xx;
        const qsizetype dy = qsizetype(a.yy) * bw + a.xy;
        // The stored columns that land in the band: along x upright for 1 to
        // 4, along y for 5 to 8.
        const int schritt = a.xx != 0 ? a.xx : a.yx;
        const int grund = a.xx != 0 ? versatzX : versatzY;
        const int laenge = a.xx != 0 ? bereich.width() : bereich.height();
        int von = schritt > 0 ? -grund : grund - laenge + 1;
        int bis = von + laenge;
        von = std::max(von, 0);
        bis = std::min(bis, m_w);
        const auto quelle = [this](int k) { return m_zwischen.data() + qsizetype(k) * m_w; };
        // Indices, not walking pointers: a line placed backwards would begin
        // outside the buffer.
        if (m_lage <= 4) {
            for (int k = 0; k < anzahl; ++k) {
                const QRgb* zeile = quelle(k);
                const qsizetype anfang = i0 + qsizetype(y + k) * dy;
                for (int x = von; x < bis; ++x)
                    puffer[anfang + x * dx] = zeile[x];
            }
        } else {
            // Column by column, so each write continues the one before.
            for (int x = von; x < bis; ++x) {
                const qsizetype anfang = i0 + x * dx + qsizetype(y) * dy;
                for (int k = 0; k < anzahl; ++k)
                    puffer[anfang + k * dy] = quelle(k)[x];
            }
        }
    }

    bildcodec::JpegLeser& m_leser;
    Fliessband& m_band;
    std::vector<std::unique_ptr<QRgb[]>>& m_puffer;
    const QRect m_flaeche;
    const int m_b;
    const QRgb m_hintergrund;
    const int m_w;
    const int m_h;
    const int m_lage;
    const Abbild m_abbild;
    std::vector<QRgb> m_zwischen;
    std::vector<QRgb> m_leerzeile;
    QString* m_fehler = nullptr;
};

} // namespace

Ergebnis Schneide(bildcodec::JpegLeser& leser, const Auftrag& a)
{
    Ergebnis ergebnis;
    const QSize aufrecht = leser.Aufrecht();
    const int b = a.gitter.breite;
    Kachelsatz& kacheln = ergebnis.kacheln;
    kacheln.breite = b;
    kacheln.spalten = int(gitter::Spalten(aufrecht, a.gitter));
    kacheln.zeilen = int(gitter::Zeilen(aufrecht, a.gitter));
    Q_ASSERT(kacheln.spalten >= 1 && kacheln.zeilen >= 1);
    const QRect flaeche(a.gitter.x0, a.gitter.y0, kacheln.spalten * b, kacheln.zeilen * b);

    auto dateien = std::make_shared<KodierteKacheln>();
    std::optional<Vorschauquelle> vorschau;
    if (a.vorschau) {
        dateien->vorschauFehler = schnitt::VorschauFehler(a.vorschauBreite, a.vorschauHoehe);
        if (!dateien->vorschauFehler) {
            vorschau.emplace(flaeche.size(), a.vorschauBreite, a.vorschauHoehe);
            if (!vorschau->Bereit()) {
                ergebnis.fehler = QStringLiteral("Nicht genug Speicher für das Bild");
                return ergebnis;
            }
        }
    }

    const auto [anzahl, groesse] = Leserseite::Puffer(leser, flaeche, b);
    // Not cleared: every pixel handed over is written first.
    std::vector<std::unique_ptr<QRgb[]>> puffer;
    for (int i = 0; i < anzahl; ++i)
        puffer.push_back(std::make_unique_for_overwrite<QRgb[]>(size_t(groesse)));
    Fliessband band(anzahl);
    Kodierseite kodierseite(a, kacheln.spalten, kacheln.zeilen, *dateien, vorschau ? &*vorschau : nullptr);
    std::thread kodierer([&] {
        for (;;) {
            std::optional<Stueck> stueck = band.Naechstes(false);
            if (!stueck) {
                if (band.Vorbei())
                    break;
                // Nothing to encode yet: the empty tile meanwhile.
                if (kodierseite.Nebenbei())
                    continue;
                stueck = band.Naechstes(true);
                if (!stueck)
                    break;
            }
            kodierseite.Nimm(*stueck);
            band.Zurueck(stueck->puffer);
        }
    });
    Leserseite leserseite(leser, band, puffer, flaeche, b, Pixel(a.hintergrund));
    const bool gelesen = leserseite.Lies(&ergebnis.fehler);
    if (gelesen)
        band.Schluss();
    else
        band.Halt();
    kodierer.join();
    if (!gelesen)
        return ergebnis;
    kodierseite.Schluss();
    ergebnis.dateien = std::move(dateien);
    return ergebnis;
}

} // namespace stromschnitt
