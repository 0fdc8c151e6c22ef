// Writes the seed corpus of the fuzzers: korpus <verzeichnis> makes
// <verzeichnis>/bmp, /png, /jpeg, /webp and /heif with small files of every
// variant.
#include "proben.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s <verzeichnis>\n", argv[0]);
        return 2;
    }
    const QDir wurzel(QString::fromLocal8Bit(argv[1]));
    int anzahl = 0;
    for (const proben::Probe& probe : proben::Korpus()) {
        QString format = QFileInfo(probe.name).suffix();
        if (format == u"jpg")
            format = QStringLiteral("jpeg");
        else if (format == u"heic")
            format = QStringLiteral("heif");
        wurzel.mkpath(format);
        QFile datei(wurzel.filePath(format + u'/' + probe.name));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(probe.daten) != probe.daten.size()) {
            std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(datei.fileName()));
            return 1;
        }
        ++anzahl;
    }
    std::printf("%d Dateien in %s\n", anzahl, argv[1]);
    return 0;
}
