#include "export/ausgabebuch.h"


#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int GenannteDateien = 3; // the question names this many, then the count

QString Schluessel(const QString& pfad)
{
    return QDir::cleanPath(pfad);
}

} // namespace

std::optional<Ausgabebuch::Eintrag> Ausgabebuch::Stand(const QString& pfad)
{
    // A folder of that name is never replaced: writing the file fails there
    // with its own message.
    const QFileInfo info(pfad);
    if (!info.exists() || info.isDir())
        return std::nullopt;
    return Eintrag{QString(), info.size(), info.lastModified().toMSecsSinceEpoch()};
}

void Ausgabebuch::Geschrieben(const QString& pfad, const QString& herkunft)
{
    if (std::optional<Eintrag> stand = Stand(pfad)) {
        stand->herkunft = herkunft;
        m_dateien.insert(Schluessel(pfad), *stand);
    } else {
        m_dateien.remove(Schluessel(pfad));
    }
}

QStringList Ausgabebuch::Fremde(const QString& verzeichnis, const QStringList& namen, const QString& herkunft) const
{
    QStringList fremde;
    for (const QString& name : namen) {
        const QString pfad = verzeichnis + name;
        const std::optional<Eintrag> stand = Stand(pfad);
        if (!stand)
            continue;
        const auto eintrag = m_dateien.constFind(Schluessel(pfad));
        const bool eigen = eintrag != m_dateien.cend() && eintrag->herkunft == herkunft &&
                           eintrag->groesse == stand->groesse && eintrag->geaendertMs == stand->geaendertMs;
        if (!eigen && !fremde.contains(name))
            fremde << name;
    }
    return fremde;
}

void Ausgabebuch::Freigeben(const QString& verzeichnis, const QString& kuerzel, const QStringList& namen,
                            const QString& herkunft)
{
    // The names the program gives a puzzle's files (kachelnamen, the pages).
    // Rows and columns stay below 100, which keeps a photo's own name such
    // as IMG_20240512_101500.jpg out.
    const QRegularExpression puzzledatei(
        QStringLiteral("^%1([1-9]?\\d_[1-9]?\\d\\.(jpg|bmp)|le\\.jpg|vs\\.jpg|sp\\.htm|tp\\.htm|rp\\.htm|ta\\.htm)$")
            .arg(QRegularExpression::escape(kuerzel)));
    QStringList uebernommen = namen;
    const QStringList vorhanden = QDir(verzeichnis).entryList({kuerzel + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString& name : vorhanden)
        if (puzzledatei.match(name).hasMatch())
            uebernommen << name;
    for (const QString& name : uebernommen)
        if (QFileInfo::exists(verzeichnis + name))
            Geschrieben(verzeichnis + name, herkunft);
}

namespace ausgabe {

QString Vorhandene(const QString& verzeichnis, const QString& kuerzel, const QStringList& fremde)
{
    QString beispiele = fremde.mid(0, GenannteDateien).join(QStringLiteral(", "));
    if (fremde.size() > GenannteDateien)
        beispiele += QStringLiteral(" und %1 weitere").arg(fremde.size() - GenannteDateien);
    return QStringLiteral("Im Ordner %1 gibt es schon Dateien mit denselben Namen (%2). Sie gehören "
                          "vielleicht zum Puzzle eines anderen Bildes, dessen Name ebenfalls mit „%3“ beginnt.")
        .arg(verzeichnis, beispiele, kuerzel);
}

QString ErsetzenFrage(const QString& verzeichnis, const QString& kuerzel, const QStringList& fremde)
{
    return Vorhandene(verzeichnis, kuerzel, fremde) + QStringLiteral("\n\nSollen sie ersetzt werden?");
}

std::optional<QString> BildFehler(const QString& verzeichnis, const QStringList& namen, const QStringList& bilder,
                                  const QString& ausweg)
{
    QStringList geschuetzt;
    for (const QString& bild : bilder) {
        const QString echt = QFileInfo(bild).canonicalFilePath();
        if (!echt.isEmpty())
            geschuetzt << echt;
    }
    for (const QString& name : namen) {
        const QString echt = QFileInfo(verzeichnis + name).canonicalFilePath();
        if (!echt.isEmpty() && geschuetzt.contains(echt))
            return QStringLiteral("Die Datei %1 ist das geladene Bild selbst und wird nicht überschrieben. %2")
                .arg(verzeichnis + name, ausweg);
    }
    return std::nullopt;
}

std::optional<QString> OrdnerGrund(const QString& verzeichnis)
{
    const QFileInfo ordner(verzeichnis);
    if (!ordner.exists())
        return QStringLiteral("Den Ordner gibt es nicht.");
    if (!ordner.isDir())
        return QStringLiteral("Das ist kein Ordner.");
    if (!ordner.isWritable())
        return QStringLiteral("Er ist schreibgeschützt (zum Beispiel auf einer CD oder einem "
                              "schreibgeschützten USB-Stick), oder es fehlt die Berechtigung.");
    return std::nullopt;
}

std::optional<QString> OrdnerFehler(const QString& verzeichnis, const QString& startordner)
{
    // The start folder is the user's to keep, but only made when needed.
    if (!QFileInfo::exists(verzeichnis) && verzeichnis == startordner)
        QDir().mkpath(verzeichnis);
    const std::optional<QString> grund = OrdnerGrund(verzeichnis);
    if (!grund)
        return std::nullopt;
    return QStringLiteral("In den Ausgabeordner %1 kann nicht geschrieben werden. %2\n%3")
        .arg(verzeichnis, *grund, AuswegOptionen);
}

} // namespace ausgabe
