#include "export/ausgabebuch.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

constexpr int GenannteDateien = 3; // the question names this many, then the count

QString Schluessel(const QString& pfad)
{
    return QDir::cleanPath(pfad);
}

// What the book keeps of a picture's origin.
QString Kennung(const QString& herkunft)
{
    return QString::fromLatin1(QCryptographicHash::hash(herkunft.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
}

// The names the program gives a puzzle's files (kachelnamen, the pages).
// Rows and columns stay below 100, which keeps a photo's own name such as
// IMG_20240512_101500.jpg out.
QRegularExpression Puzzledatei(const QString& kuerzel)
{
    return QRegularExpression(
        QStringLiteral("^%1([1-9]?\\d_[1-9]?\\d\\.(jpg|bmp)|le\\.jpg|vs\\.jpg|sp\\.htm|tp\\.htm|rp\\.htm|ta\\.htm)$")
            .arg(QRegularExpression::escape(kuerzel)));
}

} // namespace

QString Ausgabebuch::Buchdatei()
{
    return QStringLiteral(".tesselo-ausgabe");
}

std::optional<Ausgabebuch::Eintrag> Ausgabebuch::Stand(const QString& pfad)
{
    // A folder of that name is never replaced: writing the file fails there
    // with its own message.
    const QFileInfo info(pfad);
    if (!info.exists() || info.isDir())
        return std::nullopt;
    return Eintrag{QString(), info.size(), info.lastModified().toMSecsSinceEpoch()};
}

void Ausgabebuch::Lade(const QString& verzeichnis)
{
    const QString ordner = Schluessel(verzeichnis);
    if (m_geladen.contains(ordner))
        return;
    m_geladen.insert(ordner);
    QFile datei(QDir(ordner).filePath(Buchdatei()));
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    // One line a file: name, size, time of change in ms, the picture's hash.
    while (!datei.atEnd()) {
        const QStringList felder = QString::fromUtf8(datei.readLine()).trimmed().split(QLatin1Char('\t'));
        bool groesseOk = false;
        bool zeitOk = false;
        if (felder.size() != 4 || felder[0].isEmpty() || felder[0].contains(QLatin1Char('/')) ||
            felder[0].startsWith(QLatin1Char('.')))
            continue;
        const Eintrag eintrag{felder[3], felder[1].toLongLong(&groesseOk), felder[2].toLongLong(&zeitOk)};
        if (groesseOk && zeitOk)
            m_dateien.insert(Schluessel(QDir(ordner).filePath(felder[0])), eintrag);
    }
}

void Ausgabebuch::NotiereGeschrieben(const QString& pfad, const QString& kennung)
{
    const QString ordner = QFileInfo(Schluessel(pfad)).path();
    Lade(ordner);
    if (std::optional<Eintrag> stand = Stand(pfad)) {
        stand->herkunft = kennung;
        m_dateien.insert(Schluessel(pfad), *stand);
    } else {
        m_dateien.remove(Schluessel(pfad));
    }
}

void Ausgabebuch::Geschrieben(const QString& pfad, const QString& herkunft)
{
    const QMutexLocker sperre(&m_sperre);
    NotiereGeschrieben(pfad, Kennung(herkunft));
    // Only a folder that got a file gets a book: a save that failed leaves
    // the folder as it was, even after the user agreed to replace files.
    m_geaendert.insert(QFileInfo(Schluessel(pfad)).path());
}

QStringList Ausgabebuch::Fremde(const QString& verzeichnis, const QStringList& namen, const QString& herkunft)
{
    const QMutexLocker sperre(&m_sperre);
    Lade(verzeichnis);
    const QString kennung = Kennung(herkunft);
    QStringList fremde;
    for (const QString& name : namen) {
        const QString pfad = verzeichnis + name;
        const std::optional<Eintrag> stand = Stand(pfad);
        if (!stand)
            continue;
        const auto eintrag = m_dateien.constFind(Schluessel(pfad));
        const bool eigen = eintrag != m_dateien.cend() && eintrag->herkunft == kennung &&
                           eintrag->groesse == stand->groesse && eintrag->geaendertMs == stand->geaendertMs;
        if (!eigen && !fremde.contains(name))
            fremde << name;
    }
    return fremde;
}

void Ausgabebuch::Freigeben(const QString& verzeichnis, const QString& kuerzel, const QStringList& namen,
                            const QString& herkunft)
{
    const QMutexLocker sperre(&m_sperre);
    const QRegularExpression puzzledatei = Puzzledatei(kuerzel);
    QStringList uebernommen = namen;
    const QStringList vorhanden = QDir(verzeichnis).entryList({kuerzel + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString& name : vorhanden)
        if (puzzledatei.match(name).hasMatch())
            uebernommen << name;
    const QString kennung = Kennung(herkunft);
    for (const QString& name : uebernommen)
        if (QFileInfo::exists(verzeichnis + name))
            NotiereGeschrieben(verzeichnis + name, kennung);
}

QStringList Ausgabebuch::RaeumeAuf(const QString& verzeichnis, const QString& kuerzel, const QString& herkunft,
                                   const QStringList& behalten)
{
    const QMutexLocker sperre(&m_sperre);
    Lade(verzeichnis);
    // Only JPEG tiles: the command line writes no bitmap tiles, and those the
    // windows wrote stay the teacher's business.
    const QRegularExpression kachel(
        QStringLiteral("^%1[1-9]?\\d_[1-9]?\\d\\.jpg$").arg(QRegularExpression::escape(kuerzel)));
    const QString kennung = Kennung(herkunft);
    const QString ordner = Schluessel(verzeichnis);
    QStringList entfernt;
    for (const QString& name : QDir(ordner).entryList({kuerzel + QLatin1Char('*')}, QDir::Files, QDir::Name)) {
        if (behalten.contains(name) || !kachel.match(name).hasMatch())
            continue;
        const QString pfad = Schluessel(QDir(ordner).filePath(name));
        const auto eintrag = m_dateien.constFind(pfad);
        const std::optional<Eintrag> stand = Stand(pfad);
        if (eintrag == m_dateien.cend() || !stand || eintrag->herkunft != kennung ||
            eintrag->groesse != stand->groesse || eintrag->geaendertMs != stand->geaendertMs)
            continue;
        if (QFile::remove(pfad)) {
            m_dateien.remove(pfad);
            entfernt << name;
        }
    }
    if (!entfernt.isEmpty())
        m_geaendert.insert(ordner);
    return entfernt;
}

void Ausgabebuch::Sichere()
{
    const QMutexLocker sperre(&m_sperre);
    for (const QString& ordner : std::as_const(m_geaendert)) {
        // Only what is still as written: a file changed since is no longer
        // the picture's, and a file gone needs no line.
        QStringList zeilen;
        for (auto it = m_dateien.cbegin(); it != m_dateien.cend(); ++it) {
            if (QFileInfo(it.key()).path() != ordner)
                continue;
            const std::optional<Eintrag> stand = Stand(it.key());
            if (stand && stand->groesse == it->groesse && stand->geaendertMs == it->geaendertMs)
                zeilen << QStringLiteral("%1\t%2\t%3\t%4")
                              .arg(QFileInfo(it.key()).fileName())
                              .arg(it->groesse)
                              .arg(it->geaendertMs)
                              .arg(it->herkunft);
        }
        zeilen.sort();
        if (zeilen.isEmpty()) {
            QFile::remove(QDir(ordner).filePath(Buchdatei()));
            continue;
        }
        QSaveFile datei(QDir(ordner).filePath(Buchdatei()));
        if (!datei.open(QIODevice::WriteOnly | QIODevice::Text))
            continue;
        datei.write(zeilen.join(QLatin1Char('\n')).toUtf8() + '\n');
        datei.commit();
    }
    m_geaendert.clear();
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
