#include "prepare/bildablage.h"

#include "codecs/bildcodec.h"

#include <QFile>
#include <sys/stat.h>

std::optional<Bildablage::Kennung> Bildablage::KennungVon(const QString& pfad)
{
    struct stat angaben{};
    if (pfad.isEmpty() || ::stat(QFile::encodeName(pfad).constData(), &angaben) != 0 || !S_ISREG(angaben.st_mode))
        return std::nullopt;
    Kennung kennung;
    kennung.pfad = pfad;
    kennung.groesse = qint64(angaben.st_size);
    kennung.geaendertNs = qint64(angaben.st_mtim.tv_sec) * 1'000'000'000 + angaben.st_mtim.tv_nsec;
    kennung.geraet = quint64(angaben.st_dev);
    kennung.knoten = quint64(angaben.st_ino);
    return kennung;
}

void Bildablage::Merke(const QString& pfad, const QImage& bild)
{
    Vergiss();
    if (bild.isNull())
        return;
    m_kennung = KennungVon(pfad);
    if (m_kennung)
        m_bild = bild;
}

std::optional<QImage> Bildablage::Lies(const QString& pfad, QString* fehler)
{
    const std::optional<Kennung> vorher = KennungVon(pfad);
    if (m_kennung && vorher && *m_kennung == *vorher)
        return m_bild;
    // The old picture goes before the new one is read, so that the two are
    // never held at once.
    Vergiss();
    std::optional<QImage> bild = bildcodec::LeseBild(pfad, fehler);
    // A file that changed while it was read is not remembered: its content
    // may be neither the old nor the new one.
    if (bild && vorher && KennungVon(pfad) == vorher) {
        m_kennung = vorher;
        m_bild = *bild;
    }
    return bild;
}

void Bildablage::Vergiss()
{
    m_kennung.reset();
    m_bild = QImage();
}
