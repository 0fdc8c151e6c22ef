#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace bildcodec {

namespace intern {

std::nullopt_t Fehler(QString* fehler, const QString& text)
{
    if (fehler)
        *fehler = text;
    return std::nullopt;
}

bool GroesseErlaubt(qint64 breite, qint64 hoehe, const Grenzen& grenzen, QString* fehler)
{
    if (breite <= grenzen.maxSeite && hoehe <= grenzen.maxSeite && breite * hoehe <= grenzen.maxPixel)
        return true;
    Fehler(fehler, QStringLiteral("Das Bild ist mit %1 x %2 Pixeln zu groß (erlaubt sind höchstens "
                                  "%3 Pixel Breite und Höhe und %4 Millionen Pixel)")
                       .arg(breite)
                       .arg(hoehe)
                       .arg(grenzen.maxSeite)
                       .arg(grenzen.maxPixel / 1'000'000));
    return false;
}

void UeberWeiss(QImage& bild)
{
    if (!bild.hasAlphaChannel()) {
        if (bild.format() != QImage::Format_RGB32)
            bild = bild.convertToFormat(QImage::Format_RGB32);
        return;
    }
    if (bild.format() != QImage::Format_ARGB32)
        bild = bild.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = zeile[x];
            const int a = qAlpha(p);
            const auto mische = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            zeile[x] = qRgb(mische(qRed(p)), mische(qGreen(p)), mische(qBlue(p)));
        }
    }
    bild.reinterpretAsFormat(QImage::Format_RGB32);
}

bool SchreibeDatei(const QByteArray& inhalt, const QString& pfad, QString* fehler)
{
    return SchreibeDatei(pfad, fehler, [&inhalt](QIODevice& datei) { return datei.write(inhalt) == inhalt.size(); });
}

bool SchreibeDatei(const QString& pfad, QString* fehler, const std::function<bool(QIODevice&)>& schreibe)
{
    std::error_code fehlercode;
    const std::filesystem::path name(QFile::encodeName(pfad).toStdString());
    const bool ersetzt = std::filesystem::symlink_status(name, fehlercode).type() == std::filesystem::file_type::regular;

    // An existing file is replaced only by a complete new one: the new
    // content goes to a name beside it first, so a full disk never costs the
    // earlier file (it may be the current picture). No sync to disk, unlike
    // QSaveFile: that would cost more than encoding the large bitmaps, and
    // every file written here can be written again.
    if (ersetzt) {
        QTemporaryFile neu(pfad + QStringLiteral(".XXXXXX"));
        if (neu.open()) {
            const bool geschrieben = schreibe(neu) && neu.flush();
            neu.close();
            if (geschrieben && neu.error() == QFileDevice::NoError) {
                neu.setPermissions(QFileInfo(pfad).permissions());
                std::filesystem::rename(QFile::encodeName(neu.fileName()).toStdString(), name, fehlercode);
                if (!fehlercode) {
                    neu.setAutoRemove(false);
                    return true;
                }
            }
            Fehler(fehler, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
            return false;
        }
        // The directory takes no new name: the file itself is all we can write.
    }

    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const bool geschrieben = schreibe(datei) && datei.flush();
        datei.close();
        if (geschrieben && datei.error() == QFileDevice::NoError)
            return true;
        // Nothing half-written stays behind under the name; devices and
        // other special files are of course left alone.
        if (std::filesystem::symlink_status(name, fehlercode).type() == std::filesystem::file_type::regular)
            std::filesystem::remove(name, fehlercode);
    }
    Fehler(fehler, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
    return false;
}

} // namespace intern

#ifdef Q_OS_LINUX
namespace {

// Below this a picture's page faults are no matter, and a mapping of its own
// would only waste address space.
constexpr size_t GrossesBildAb = size_t(16) << 20;

// A mapping whose pages a thread of its own maps in ahead of the writer: in
// one call per piece a third of the time the faults would take, and on the
// other core. Not in 2 MiB pages: where memory is fragmented the kernel would
// compact it first, which takes longer still.
struct Abbildung {
    void* anfang;
    size_t laenge;
    std::atomic<bool> aufhoeren{false};
    std::thread vorbereitung;

    Abbildung(void* a, size_t l) : anfang(a), laenge(l)
    {
#ifdef MADV_POPULATE_WRITE
        vorbereitung = std::thread([this] {
            constexpr size_t Stueck = size_t(4) << 20;
            for (size_t von = 0; von < laenge && !aufhoeren.load(std::memory_order_relaxed); von += Stueck)
                if (::madvise(static_cast<char*>(anfang) + von, std::min(Stueck, laenge - von), MADV_POPULATE_WRITE) != 0)
                    break; // an older kernel: the writer faults as usual
        });
#endif
    }
};

void GibFrei(void* info)
{
    auto* abbildung = static_cast<Abbildung*>(info);
    abbildung->aufhoeren = true;
    if (abbildung->vorbereitung.joinable())
        abbildung->vorbereitung.join();
    ::munmap(abbildung->anfang, abbildung->laenge);
    delete abbildung;
}

} // namespace
#endif

QImage NeuesBild(int breite, int hoehe)
{
#ifdef Q_OS_LINUX
    const qsizetype zeile = qsizetype(breite) * qsizetype(sizeof(QRgb));
    const size_t groesse = breite > 0 && hoehe > 0 ? size_t(zeile) * size_t(hoehe) : 0;
    if (groesse >= GrossesBildAb) {
        void* anfang = ::mmap(nullptr, groesse, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (anfang != MAP_FAILED) {
            auto* abbildung = new Abbildung(anfang, groesse);
            QImage bild(static_cast<uchar*>(anfang), breite, hoehe, zeile, QImage::Format_RGB32, GibFrei, abbildung);
            if (!bild.isNull())
                return bild;
            GibFrei(abbildung);
        }
    }
#endif
    return QImage(breite, hoehe, QImage::Format_RGB32);
}

namespace {

struct Format
{
    std::optional<QImage> (*lesen)(QByteArrayView, QString*, Grenzen) = nullptr;
    std::optional<QSize> (*masse)(QByteArrayView) = nullptr;
};

Format FormatVon(const QString& pfad)
{
    const QString klein = QFileInfo(pfad).suffix().toLower();
    if (klein == u"bmp")
        return {LeseBmp, intern::MasseBmp};
    if (klein == u"png")
        return {LesePng, intern::MassePng};
    if (klein == u"jpg" || klein == u"jpeg")
        return {LeseJpeg, intern::MasseJpeg};
    if (klein == u"webp")
        return {LeseWebp, intern::MasseWebp};
    if (klein == u"heic" || klein == u"heif")
        return {LeseHeif, intern::MasseHeif};
    return {};
}

// Hands the file's bytes to `tun`; false when the file cannot be read.
// Mapping spares a copy of large files; files that cannot be mapped (empty,
// special) are read instead.
template <class Tun>
bool MitDateiinhalt(const QString& pfad, Tun&& tun)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly) || QFileInfo(datei).isDir())
        return false;
    const qint64 groesse = datei.size();
    if (groesse > 0) {
        if (const uchar* abbild = datei.map(0, groesse)) {
            tun(QByteArrayView(abbild, groesse));
            return true;
        }
    }
    const QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return false;
    tun(QByteArrayView(inhalt));
    return true;
}

} // namespace

std::optional<QImage> LeseBild(const QString& pfad, QString* fehler)
{
    using intern::Fehler;
    const Format format = FormatVon(pfad);
    if (!format.lesen)
        return Fehler(fehler, QStringLiteral("Unbekannte Bilddateierweiterung (.%1)\n"
                                             "Gelesen werden JPEG (.jpg, .jpeg), PNG (.png), Bitmap (.bmp), "
                                             "WebP (.webp) und HEIF (.heic, .heif).")
                                  .arg(QFileInfo(pfad).suffix()));
    std::optional<QImage> bild;
    if (!MitDateiinhalt(pfad, [&](QByteArrayView daten) { bild = format.lesen(daten, fehler, Grenzen{}); }))
        return Fehler(fehler, QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(pfad));
    return bild;
}

std::optional<QSize> LeseMasse(const QString& pfad)
{
    const Format format = FormatVon(pfad);
    std::optional<QSize> masse;
    if (format.masse)
        MitDateiinhalt(pfad, [&](QByteArrayView daten) { masse = format.masse(daten); });
    return masse;
}

bool SchreibeDatei(const QByteArray& inhalt, const QString& pfad, QString* fehler)
{
    return intern::SchreibeDatei(inhalt, pfad, fehler);
}

bool SchreibeJpeg(const QImage& bild, const QString& pfad, int qualitaet, QString* fehler)
{
    const std::optional<QByteArray> inhalt = KodiereJpeg(bild, qualitaet);
    if (!inhalt) {
        intern::Fehler(fehler, QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad));
        return false;
    }
    return intern::SchreibeDatei(*inhalt, pfad, fehler);
}

} // namespace bildcodec
