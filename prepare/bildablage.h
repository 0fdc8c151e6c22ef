#pragma once
// The clean picture of the current picture file, kept in memory so that the
// grid preview and the cut need not read a bitmap of a hundred megabytes
// again. The remembered picture is used only while the file is unchanged:
// same path, size, modification time and file number. A file that was
// changed, replaced or removed is read from disk as before, with the same
// result and the same message.
#include <QImage>
#include <QString>
#include <optional>

class Bildablage
{
public:
    // Remembers `bild` as the content of the file `pfad` as it is now, e.g.
    // right after the program wrote it. Nothing is remembered when the file
    // cannot be examined.
    void Merke(const QString& pfad, const QImage& bild);

    // The picture in the file `pfad`: the remembered one while the file is
    // unchanged, else read through bildcodec::LeseBild, which on failure puts
    // its message into *fehler. A picture read from disk is remembered in
    // place of the previous one.
    std::optional<QImage> Lies(const QString& pfad, QString* fehler);

    // Lets the remembered picture go, so that a caller holding the same
    // picture owns its only copy and can draw on it without a copy.
    void Vergiss();

    bool Leer() const { return !m_kennung.has_value(); }

private:
    // What identifies a file's content without reading it.
    struct Kennung {
        QString pfad;
        qint64 groesse = 0;
        qint64 geaendertNs = 0;
        quint64 geraet = 0;
        quint64 knoten = 0;
        bool operator==(const Kennung&) const = default;
    };
    static std::optional<Kennung> KennungVon(const QString& pfad);

    std::optional<Kennung> m_kennung;
    QImage m_bild;
};
