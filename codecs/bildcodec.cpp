#include "codecs/bildcodec.h"

namespace bildcodec {

std::optional<QImage> LeseBild(const QString&, QString* fehler)
{
    if (fehler)
        *fehler = QStringLiteral("noch nicht gebaut");
    return std::nullopt;
}

bool SchreibeBmp(const QImage&, const QString&, QString*) { return false; }
bool SchreibeJpeg(const QImage&, const QString&, int, QString*) { return false; }

} // namespace bildcodec
