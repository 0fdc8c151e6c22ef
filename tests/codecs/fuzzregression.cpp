// Runs every reader under AddressSanitizer and UBSan over the generated
// corpus, over cut-off and mutated copies of it, and over every input the
// fuzzers ever found (fuzz/abstuerze/<format>/). Any fault aborts.
#include "fuzz/fuzzgrenzen.h"
#include "fuzz/leser.h"
#include "proben.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

fuzz::Leser LeserFuer(const QString& endung)
{
    if (endung == u"bmp")
        return bildcodec::LeseBmp;
    if (endung == u"png")
        return bildcodec::LesePng;
    if (endung == u"webp")
        return bildcodec::LeseWebp;
    if (endung == u"heic" || endung == u"heif")
        return bildcodec::LeseHeif;
    return bildcodec::LeseJpeg;
}

void Lies(fuzz::Leser leser, const QByteArray& daten, bildcodec::Grenzen grenzen)
{
    fuzz::Pruefe(leser, reinterpret_cast<const uint8_t*>(daten.constData()), size_t(daten.size()), grenzen);
}

} // namespace

int main()
{
    int laeufe = 0;
    for (const proben::Probe& probe : proben::Korpus()) {
        const fuzz::Leser leser = LeserFuer(QFileInfo(probe.name).suffix());
        // Whole, with the program's limits: each of these is a good picture.
        QString fehler;
        if (!leser(probe.daten, &fehler, bildcodec::Grenzen{})) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(probe.name), qPrintable(fehler));
            return 1;
        }
        Lies(leser, probe.daten, bildcodec::Grenzen{});
        for (int teil = 0; teil < 16; ++teil)
            Lies(leser, probe.daten.left(probe.daten.size() * teil / 16), fuzz::FuzzGrenzen);
        // Deterministic mutations: a few bytes changed, as a fuzzer would.
        quint32 zufall = 2463534242u;
        const auto naechste = [&zufall] {
            zufall ^= zufall << 13;
            zufall ^= zufall >> 17;
            zufall ^= zufall << 5;
            return zufall;
        };
        for (int mutation = 0; mutation < 300; ++mutation) {
            QByteArray kopie = probe.daten;
            for (quint32 n = naechste() % 4 + 1; n > 0; --n)
                kopie[qsizetype(naechste() % quint32(kopie.size()))] = char(naechste());
            Lies(leser, kopie, fuzz::FuzzGrenzen);
        }
        laeufe += 1 + 16 + 300;
    }
    const QDir abstuerze(QStringLiteral(TESSELO_ABSTURZVERZEICHNIS));
    for (const QString& format : {QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("jpeg"),
                                 QStringLiteral("webp"), QStringLiteral("heif")}) {
        const QDir verzeichnis(abstuerze.filePath(format));
        for (const QFileInfo& datei : verzeichnis.entryInfoList(QDir::Files)) {
            QFile f(datei.filePath());
            if (!f.open(QIODevice::ReadOnly))
                return 1;
            const QByteArray daten = f.readAll();
            // Fuzzer limits (as found), then the program's own.
            Lies(LeserFuer(format), daten, fuzz::FuzzGrenzen);
            Lies(LeserFuer(format), daten, bildcodec::Grenzen{});
            laeufe += 2;
        }
    }
    std::printf("%d Leseversuche ohne Befund\n", laeufe);
    return 0;
}
