#include "export/ausgabezeile.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace ausgabe {

namespace {

struct Art
{
    QStringList endungen;
    const char* einzahl;
    const char* mehrzahl;
};

// In the order the line names them; the last takes what no other does.
const std::array<Art, 6> Arten{{
    {{QStringLiteral("htm"), QStringLiteral("html")}, "Webseite", "Webseiten"},
    {{QStringLiteral("jpg"), QStringLiteral("jpeg")}, "JPEG-Bild", "JPEG-Bilder"},
    {{QStringLiteral("bmp")}, "BMP-Bild", "BMP-Bilder"},
    {{QStringLiteral("pdf")}, "PDF-Arbeitsblatt", "PDF-Arbeitsblätter"},
    {{QStringLiteral("zip")}, "SCORM-Paket", "SCORM-Pakete"},
    {{}, "weitere Datei", "weitere Dateien"},
}};

// "3 Webseiten und 14 JPEG-Bilder".
QString Aufzaehlung(const QStringList& dateien)
{
    std::array<int, Arten.size()> anzahl{};
    for (const QString& datei : dateien) {
        const QString endung = QFileInfo(datei).suffix().toLower();
        size_t art = 0;
        while (art + 1 < Arten.size() && !Arten[art].endungen.contains(endung))
            ++art;
        ++anzahl[art];
    }
    QStringList teile;
    for (size_t art = 0; art < Arten.size(); ++art)
        if (anzahl[art] > 0)
            teile << QStringLiteral("%1 %2").arg(anzahl[art]).arg(
                         QString::fromUtf8(anzahl[art] == 1 ? Arten[art].einzahl : Arten[art].mehrzahl));
    if (teile.size() < 2)
        return teile.join(QString());
    const QString letztes = teile.takeLast();
    return teile.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letztes;
}

} // namespace

QString Ergebniszeile(const Ausgabeergebnis& ergebnis, const QString& verzeichnis)
{
    using Ausgang = Ausgabeergebnis::Ausgang;
    if (ergebnis.dateien.isEmpty())
        return ergebnis.ausgang == Ausgang::Fehler ? QStringLiteral("Wegen eines Fehlers nichts gespeichert")
               : ergebnis.ausgang == Ausgang::Abgelehnt ? QStringLiteral("Nichts gespeichert: abgebrochen")
                                                        : QStringLiteral("Nichts gespeichert");
    const QString was = QStringLiteral("%1 in %2").arg(Aufzaehlung(ergebnis.dateien),
                                                       QDir::toNativeSeparators(QDir::cleanPath(verzeichnis)));
    switch (ergebnis.ausgang) {
    case Ausgang::Fertig:
        return QStringLiteral("Gespeichert: ") + was;
    case Ausgang::Abgelehnt:
        return QStringLiteral("Abgebrochen, nur teilweise gespeichert: ") + was;
    case Ausgang::Fehler:
        break;
    }
    return QStringLiteral("Wegen eines Fehlers nur teilweise gespeichert: ") + was;
}

} // namespace ausgabe
