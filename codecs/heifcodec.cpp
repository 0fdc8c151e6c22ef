// HEIF (iPhone photos: HEVC inside HEIF) over libheif, which decodes HEVC
// with libde265. libheif applies the file's rotation, mirroring and cropping
// while decoding, so the picture comes out upright; its width and height are
// those after the transformations and are judged before decoding.
#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"

#include <libheif/heif.h>

#include <memory>

namespace bildcodec {

namespace {

QString Ungueltig() { return QStringLiteral("HEIF-Datei ist ungültig"); }

// libheif wants heif_init before use and heif_deinit at the end, so that the
// decoders it registers are freed again.
struct HeifBibliothek {
    HeifBibliothek() { heif_init(nullptr); }
    ~HeifBibliothek() { heif_deinit(); }
};

void Bereit()
{
    static HeifBibliothek bibliothek;
}

struct KontextFrei {
    void operator()(heif_context* k) const { heif_context_free(k); }
};
struct GriffFrei {
    void operator()(heif_image_handle* g) const { heif_image_handle_release(g); }
};
struct BildFrei {
    void operator()(heif_image* b) const { heif_image_release(b); }
};
struct OptionenFrei {
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};

// The message for a libheif error: a missing decoder is no damaged file,
// and a picture over the limits gets the size message of every reader.
QString HeifFehler(const heif_error& fehler, const Grenzen& grenzen)
{
    if (fehler.code == heif_error_Unsupported_feature && fehler.subcode == heif_suberror_Unsupported_codec)
        return QStringLiteral("HEIF-Datei kann nicht gelesen werden: Für ihre Kompression ist kein Decoder vorhanden");
    if (fehler.subcode == heif_suberror_Security_limit_exceeded)
        return QStringLiteral("Das Bild ist zu groß (erlaubt sind höchstens %1 Pixel Breite und Höhe und "
                              "%2 Millionen Pixel)")
            .arg(grenzen.maxSeite)
            .arg(grenzen.maxPixel / 1'000'000);
    if (fehler.code == heif_error_Memory_allocation_error)
        return QStringLiteral("Nicht genug Speicher für das Bild");
    return Ungueltig();
}

} // namespace

std::optional<QSize> intern::MasseHeif(QByteArrayView daten)
{
    Bereit();
    std::unique_ptr<heif_context, KontextFrei> kontext(heif_context_alloc());
    if (!kontext)
        return std::nullopt;
    heif_context_set_maximum_image_size_limit(kontext.get(), MaxSeite + 64);
    heif_image_handle* roherGriff = nullptr;
    if (heif_context_read_from_memory_without_copy(kontext.get(), daten.data(), size_t(daten.size()), nullptr).code !=
            heif_error_Ok ||
        heif_context_get_primary_image_handle(kontext.get(), &roherGriff).code != heif_error_Ok)
        return std::nullopt;
    std::unique_ptr<heif_image_handle, GriffFrei> griff(roherGriff);
    const int breite = heif_image_handle_get_width(griff.get());
    const int hoehe = heif_image_handle_get_height(griff.get());
    if (breite <= 0 || hoehe <= 0)
        return std::nullopt;
    return QSize(breite, hoehe);
}

std::optional<QImage> LeseHeif(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    Bereit();
    std::unique_ptr<heif_context, KontextFrei> kontext(heif_context_alloc());
    if (!kontext)
        return intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));
    // libheif judges every coded item of the file, also the tiles of a grid
    // and the alpha plane, and refuses one with a longer side before it
    // allocates for it. Coded sizes are rounded up to HEVC's blocks of up to
    // 64 pixels and cropped afterwards, hence the margin; the visible
    // picture is judged by the limits themselves below.
    heif_context_set_maximum_image_size_limit(kontext.get(), grenzen.maxSeite + 64);
    heif_error e = heif_context_read_from_memory_without_copy(kontext.get(), daten.data(), size_t(daten.size()),
                                                              nullptr);
    if (e.code != heif_error_Ok)
        return intern::Fehler(fehler, HeifFehler(e, grenzen));

    heif_image_handle* roherGriff = nullptr;
    e = heif_context_get_primary_image_handle(kontext.get(), &roherGriff);
    std::unique_ptr<heif_image_handle, GriffFrei> griff(roherGriff);
    if (e.code != heif_error_Ok || !griff)
        return intern::Fehler(fehler, HeifFehler(e, grenzen));
    const int breite = heif_image_handle_get_width(griff.get());
    const int hoehe = heif_image_handle_get_height(griff.get());
    if (breite <= 0 || hoehe <= 0)
        return intern::Fehler(fehler, Ungueltig());
    if (!intern::GroesseErlaubt(breite, hoehe, grenzen, fehler))
        return std::nullopt;

    const bool alpha = heif_image_handle_has_alpha_channel(griff.get());
    std::unique_ptr<heif_decoding_options, OptionenFrei> optionen(heif_decoding_options_alloc());
    if (!optionen)
        return intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));
    optionen->convert_hdr_to_8bit = 1; // 10-bit photos (newer iPhones) as 8 bit
    heif_image* rohesBild = nullptr;
    e = heif_decode_image(griff.get(), &rohesBild, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, optionen.get());
    std::unique_ptr<heif_image, BildFrei> dekodiert(rohesBild);
    if (e.code != heif_error_Ok || !dekodiert)
        return intern::Fehler(fehler, HeifFehler(e, grenzen));

    // The decoded picture must be what the header promised: the size the
    // limits were checked for, 8 bits per sample.
    const int kanaele = alpha ? 4 : 3;
    int schritt = 0;
    const uint8_t* ebene = heif_image_get_plane_readonly(dekodiert.get(), heif_channel_interleaved, &schritt);
    if (!ebene || heif_image_get_width(dekodiert.get(), heif_channel_interleaved) != breite
        || heif_image_get_height(dekodiert.get(), heif_channel_interleaved) != hoehe
        || heif_image_get_bits_per_pixel(dekodiert.get(), heif_channel_interleaved) != 8 * kanaele
        || schritt < breite * kanaele)
        return intern::Fehler(fehler, Ungueltig());

    // Alpha may be stored premultiplied; compositing over white then
    // converts it to straight alpha first.
    const bool vormultipliziert = alpha && heif_image_is_premultiplied_alpha(dekodiert.get());
    QImage bild(breite, hoehe,
                !alpha ? QImage::Format_RGB32
                       : (vormultipliziert ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32));
    if (bild.isNull())
        return intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));
    for (int y = 0; y < hoehe; ++y) {
        const uint8_t* quelle = ebene + qsizetype(y) * schritt;
        auto* ziel = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x, quelle += kanaele)
            ziel[x] = qRgba(quelle[0], quelle[1], quelle[2], alpha ? quelle[3] : 255);
    }
    dekodiert.reset();
    intern::UeberWeiss(bild);
    return bild;
}

} // namespace bildcodec
