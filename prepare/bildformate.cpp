#include "prepare/bildformate.h"

#include <QFileInfo>

namespace bildformate {

const std::vector<Format>& Lesbar()
{
    static const std::vector<Format> formate{
        {QStringLiteral("JPEG"), QStringLiteral("JPEG-Bilder"), {QStringLiteral("jpg"), QStringLiteral("jpeg")}},
        {QStringLiteral("PNG"), QStringLiteral("PNG-Bilder"), {QStringLiteral("png")}},
        {QStringLiteral("Bitmap"), QStringLiteral("Bitmaps"), {QStringLiteral("bmp")}},
        {QStringLiteral("WebP"), QStringLiteral("WebP-Bilder"), {QStringLiteral("webp")}},
        {QStringLiteral("HEIF"), QStringLiteral("HEIF-Bilder"), {QStringLiteral("heic"), QStringLiteral("heif")}},
    };
    return formate;
}

bool IstBild(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    for (const Format& format : Lesbar())
        if (format.endungen.contains(endung))
            return true;
    return false;
}

namespace {

// "(*.jpg, *.jpeg) (*.jpg *.jpeg)": shown, then filtered by.
QString Muster(const QStringList& endungen)
{
    QStringList muster;
    for (const QString& endung : endungen)
        muster << QStringLiteral("*.") + endung;
    return QStringLiteral("(%1) (%2)").arg(muster.join(QStringLiteral(", ")), muster.join(u' '));
}

} // namespace

QString Aufzaehlung()
{
    QStringList teile;
    for (const Format& format : Lesbar()) {
        QStringList endungen;
        for (const QString& endung : format.endungen)
            endungen << u'.' + endung;
        teile << QStringLiteral("%1 (%2)").arg(format.art, endungen.join(QStringLiteral(", ")));
    }
    const QString letztes = teile.takeLast();
    return teile.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letztes;
}

QStringList Dateifilter()
{
    QStringList alle;
    QStringList filter;
    for (const Format& format : Lesbar()) {
        alle << format.endungen;
        filter << format.filtername + u' ' + Muster(format.endungen);
    }
    filter.prepend(QStringLiteral("Alle Bilder ") + Muster(alle));
    filter << QStringLiteral("alle Dateien (*.*) (*)");
    return filter;
}

Ablage AbgelegtesBild(const QStringList& dateien, int andere)
{
    const qsizetype anzahl = dateien.size() + andere;
    if (anzahl > 1)
        return {{}, QStringLiteral("Bitte nur ein Bild auf einmal ablegen, nicht %1.").arg(anzahl)};
    if (dateien.isEmpty())
        return {{}, QStringLiteral("Abgelegt werden kann nur eine Bilddatei von diesem Rechner.")};
    const QFileInfo info(dateien.first());
    if (info.isDir())
        return {{}, QStringLiteral("„%1“ ist ein Ordner. Bitte eine einzelne Bilddatei ablegen.").arg(info.fileName())};
    if (!IstBild(info.fileName()))
        return {{},
                QStringLiteral("„%1“ ist keine Bilddatei, die Tesselo lesen kann.\nGelesen werden %2.")
                    .arg(info.fileName(), Aufzaehlung())};
    return {dateien.first(), {}};
}

} // namespace bildformate
