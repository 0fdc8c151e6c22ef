#include "export/seitenkodierung.h"

namespace {

void haengeAn(QByteArray& bytes, const QString& zeile, Textart art)
{
    const QList<uint> zeichen = zeile.toUcs4();
    for (const uint z : zeichen) {
        if (z < 0x100) {
            bytes += static_cast<char>(z);
        } else if (art == Textart::Html) {
            bytes += "&#" + QByteArray::number(z) + ';';
        } else {
            // JavaScript strings are UTF-16: a character beyond the BMP takes
            // two escapes, its surrogate pair.
            for (const QChar einheit : QString::fromUcs4(reinterpret_cast<const char32_t*>(&z), 1))
                bytes += "\\u" + QByteArray::number(einheit.unicode(), 16).rightJustified(4, '0');
        }
    }
}

} // namespace

QByteArray Seitenbytes(const QStringList& zeilen, Textart art)
{
    QByteArray bytes;
    for (const QString& zeile : zeilen) {
        haengeAn(bytes, zeile, art);
        bytes += "\r\n";
    }
    return bytes;
}

QList<QByteArray> VorlageZeilen(const QByteArray& inhalt)
{
    qsizetype ende = inhalt.indexOf('\x1a');
    if (ende < 0)
        ende = inhalt.size();
    QList<QByteArray> zeilen;
    qsizetype anfang = 0;
    while (anfang < ende) {
        qsizetype cr = inhalt.indexOf('\r', anfang);
        if (cr < 0 || cr > ende)
            cr = ende;
        zeilen << inhalt.mid(anfang, cr - anfang);
        anfang = cr + 1;
        if (anfang < ende && inhalt.at(anfang) == '\n')
            ++anfang;
    }
    return zeilen;
}
