// The shape of the code: the window-free library includes nothing of the
// window layer, and no two folders include each other, directly or by way of
// others. The build names which source belongs to which library.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Aufbau
{
    QSet<QString> kern;    // folders of the window-free library
    QSet<QString> fenster; // folders of the window layer
    QSet<QString> quellen; // the sources of both, relative to the root
};

QString Wurzel()
{
    return QStringLiteral(TESSELO_QUELLVERZEICHNIS);
}

QString Ordner(const QString& datei)
{
    const qsizetype schnitt = datei.lastIndexOf(QLatin1Char('/'));
    return schnitt < 0 ? QString() : datei.left(schnitt);
}

Aufbau LiesAufbau()
{
    Aufbau aufbau;
    QFile liste(QStringLiteral(TESSELO_AUFBAU));
    EXPECT_TRUE(liste.open(QIODevice::ReadOnly | QIODevice::Text));
    const QDir wurzel(Wurzel());
    while (!liste.atEnd()) {
        const QStringList teile = QString::fromUtf8(liste.readLine()).trimmed().split(QLatin1Char(' '));
        if (teile.size() != 2)
            continue;
        const QString datei = wurzel.relativeFilePath(teile[1]);
        aufbau.quellen.insert(datei);
        (teile[0] == QLatin1String("fenster") ? aufbau.fenster : aufbau.kern).insert(Ordner(datei));
    }
    return aufbau;
}

// Folder -> the folders its files include, with one include naming each edge.
using Kanten = QMap<QString, QMap<QString, QString>>;

// Every header of the folders and every listed source; a program file that
// belongs to neither library (the entry) stands above both and is left out.
Kanten LiesIncludes(const Aufbau& aufbau)
{
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"([^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    Kanten kanten;
    const QSet<QString> ordner = aufbau.kern + aufbau.fenster;
    for (const QString& von : ordner) {
        const QDir verzeichnis(Wurzel() + QLatin1Char('/') + von);
        for (const QString& name : verzeichnis.entryList({QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files)) {
            const QString datei = von + QLatin1Char('/') + name;
            if (name.endsWith(QLatin1String(".cpp")) && !aufbau.quellen.contains(datei))
                continue;
            QFile quelle(verzeichnis.filePath(name));
            if (!quelle.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(quelle.readAll());
            for (auto treffer = include.globalMatch(text); treffer.hasNext();) {
                const QString eingebunden = treffer.next().captured(1);
                const QString ziel = Ordner(eingebunden);
                if (ziel != von && ordner.contains(ziel) && !kanten[von].contains(ziel))
                    kanten[von].insert(ziel, datei + QStringLiteral(" bindet ") + eingebunden + QStringLiteral(" ein"));
            }
        }
    }
    return kanten;
}

// A cycle through the folders as "a -> b -> a", or empty.
QString Kreis(const Kanten& kanten)
{
    enum class Stand { Neu, Offen, Fertig };
    QHash<QString, Stand> stand;
    QStringList pfad;
    std::function<QString(const QString&)> besuche = [&](const QString& ordner) -> QString {
        stand[ordner] = Stand::Offen;
        pfad << ordner;
        for (auto it = kanten.value(ordner).cbegin(); it != kanten.value(ordner).cend(); ++it) {
            const Stand s = stand.value(it.key(), Stand::Neu);
            if (s == Stand::Offen)
                return (pfad.mid(pfad.indexOf(it.key())) << it.key()).join(QStringLiteral(" -> "));
            if (s == Stand::Neu)
                if (QString kreis = besuche(it.key()); !kreis.isEmpty())
                    return kreis;
        }
        pfad.removeLast();
        stand[ordner] = Stand::Fertig;
        return QString();
    };
    for (auto it = kanten.cbegin(); it != kanten.cend(); ++it)
        if (stand.value(it.key(), Stand::Neu) == Stand::Neu)
            if (QString kreis = besuche(it.key()); !kreis.isEmpty())
                return kreis;
    return QString();
}

} // namespace

TEST(Aufbau, BibliothekOhneFensterUndOrdnerOhneKreis)
{
    const Aufbau aufbau = LiesAufbau();
    ASSERT_TRUE(aufbau.kern.contains(QStringLiteral("modell")));
    ASSERT_TRUE(aufbau.fenster.contains(QStringLiteral("app/fenster")));
    for (const QString& ordner : aufbau.kern)
        EXPECT_FALSE(aufbau.fenster.contains(ordner)) << qPrintable(ordner) << " gehört zu beiden Bibliotheken";

    const Kanten kanten = LiesIncludes(aufbau);
    for (const QString& ordner : aufbau.kern)
        for (auto it = kanten.value(ordner).cbegin(); it != kanten.value(ordner).cend(); ++it)
            EXPECT_FALSE(aufbau.fenster.contains(it.key())) << qPrintable(it.value());
    const QString kreis = Kreis(kanten);
    EXPECT_TRUE(kreis.isEmpty()) << qPrintable(kreis);
}

// The check itself finds what it is there for.
TEST(Aufbau, KreisWirdGefunden)
{
    Kanten kanten;
    kanten[QStringLiteral("a")].insert(QStringLiteral("b"), QString());
    kanten[QStringLiteral("b")].insert(QStringLiteral("c"), QString());
    EXPECT_TRUE(Kreis(kanten).isEmpty());
    kanten[QStringLiteral("c")].insert(QStringLiteral("b"), QString());
    EXPECT_EQ(Kreis(kanten), QStringLiteral("b -> c -> b"));
}
