#include "export/zipdatei.h"

#include <QtEndian>
#include <zlib.h>

namespace {

constexpr quint16 Utf8Namen = 1u << 11;
constexpr quint16 Version = 20; // 2.0: deflate

void zwei(QByteArray& z, quint16 wert)
{
    char b[2];
    qToLittleEndian(wert, b);
    z.append(b, 2);
}

void vier(QByteArray& z, quint32 wert)
{
    char b[4];
    qToLittleEndian(wert, b);
    z.append(b, 4);
}

// Raw deflate (no zlib header), as ZIP's method 8 wants it.
QByteArray Deflate(const QByteArray& inhalt)
{
    z_stream strom{};
    if (deflateInit2(&strom, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray aus(qsizetype(deflateBound(&strom, uLong(inhalt.size()))), Qt::Uninitialized);
    strom.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(inhalt.constData()));
    strom.avail_in = uInt(inhalt.size());
    strom.next_out = reinterpret_cast<Bytef*>(aus.data());
    strom.avail_out = uInt(aus.size());
    const int ergebnis = deflate(&strom, Z_FINISH);
    aus.resize(qsizetype(strom.total_out));
    deflateEnd(&strom);
    return ergebnis == Z_STREAM_END ? aus : QByteArray();
}

} // namespace

Zipdatei::Zipdatei(const QDateTime& zeit)
{
    const QDate d = zeit.date();
    const QTime t = zeit.time();
    // ZIP's dates begin in 1980.
    m_datum = d.year() < 1980 ? quint16((1 << 5) | 1)
                              : quint16(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
    m_zeit = d.year() < 1980 ? 0 : quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
}

void Zipdatei::Fuege(const QString& name, const QByteArray& inhalt, bool packen)
{
    Eintrag e;
    e.name = name.toUtf8();
    e.crc = quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(inhalt.constData()), uInt(inhalt.size())));
    e.groesse = quint32(inhalt.size());
    QByteArray gepackt = packen ? Deflate(inhalt) : QByteArray();
    // Stored when deflating fails or would not make it smaller.
    const bool deflate = packen && !gepackt.isEmpty() && gepackt.size() < inhalt.size();
    e.methode = deflate ? 8 : 0;
    e.gepackt = quint32(deflate ? gepackt.size() : inhalt.size());
    e.ort = quint32(m_daten.size());

    vier(m_daten, 0x04034b50);
    zwei(m_daten, Version);
    zwei(m_daten, Utf8Namen);
    zwei(m_daten, e.methode);
    zwei(m_daten, m_zeit);
    zwei(m_daten, m_datum);
    vier(m_daten, e.crc);
    vier(m_daten, e.gepackt);
    vier(m_daten, e.groesse);
    zwei(m_daten, quint16(e.name.size()));
    zwei(m_daten, 0);
    m_daten += e.name;
    m_daten += deflate ? gepackt : inhalt;
    m_eintraege.push_back(std::move(e));
}

QByteArray Zipdatei::Bytes() const
{
    QByteArray z = m_daten;
    const quint32 anfang = quint32(z.size());
    for (const Eintrag& e : m_eintraege) {
        vier(z, 0x02014b50);
        zwei(z, Version | (3 << 8)); // made on Unix, so the permissions below count
        zwei(z, Version);
        zwei(z, Utf8Namen);
        zwei(z, e.methode);
        zwei(z, m_zeit);
        zwei(z, m_datum);
        vier(z, e.crc);
        vier(z, e.gepackt);
        vier(z, e.groesse);
        zwei(z, quint16(e.name.size()));
        zwei(z, 0); // extra field
        zwei(z, 0); // comment
        zwei(z, 0); // disk
        zwei(z, 0); // internal attributes
        vier(z, quint32(0100644) << 16);
        vier(z, e.ort);
        z += e.name;
    }
    const quint32 verzeichnis = quint32(z.size()) - anfang;
    vier(z, 0x06054b50);
    zwei(z, 0);
    zwei(z, 0);
    zwei(z, quint16(m_eintraege.size()));
    zwei(z, quint16(m_eintraege.size()));
    vier(z, verzeichnis);
    vier(z, anfang);
    zwei(z, 0);
    return z;
}
