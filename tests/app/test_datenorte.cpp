#include "app/datenorte.h"
#include "codecs/bildcodec.h"
#include "export/seitenausgabe.h"
#include "testhilfe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Lege(const QString& pfad)
{
    QDir().mkpath(QFileInfo(pfad).path());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("<html>");
}

QString Nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

} // namespace

TEST(Datenorte, BauordnerUndInstallationFindenIhreVorlagen)
{
    QTemporaryDir wurzel;
    const QString r = wurzel.path();

    // Build folder: the templates lie beside the program.
    Lege(r + "/build/spuzv1.htm");
    EXPECT_EQ(datenorte::Datenverzeichnis(r + "/build"), Nativ(r + "/build/"));

    // Installed under any prefix: bin/ beside share/tesselo/, the path
    // without the "..", as the options window shows it.
    Lege(r + "/opt/tesselo/share/tesselo/spuzv1.htm");
    QDir().mkpath(r + "/opt/tesselo/bin");
    EXPECT_EQ(datenorte::Datenverzeichnis(r + "/opt/tesselo/bin"), Nativ(r + "/opt/tesselo/share/tesselo/"));
    EXPECT_EQ(datenorte::Datenverzeichnis(r + "/opt/tesselo/bin/"), Nativ(r + "/opt/tesselo/share/tesselo/"));

    // A build copy that lies beside an installed tree keeps its own templates.
    Lege(r + "/opt/tesselo/bin/spuzv1.htm");
    EXPECT_EQ(datenorte::Datenverzeichnis(r + "/opt/tesselo/bin"), Nativ(r + "/opt/tesselo/bin/"));

    // Nowhere: the program's own folder, where a missing template is then
    // reported; a share/tesselo without templates is no data folder.
    QDir().mkpath(r + "/leer/bin");
    QDir().mkpath(r + "/leer/share/tesselo");
    EXPECT_EQ(datenorte::Datenverzeichnis(r + "/leer/bin"), Nativ(r + "/leer/bin/"));
}

TEST(Datenorte, BeispielordnerNurWennEsIhnGibt)
{
    QTemporaryDir wurzel;
    const QString daten = Nativ(wurzel.path() + "/");
    EXPECT_TRUE(datenorte::Beispielverzeichnis(daten).isEmpty());
    Lege(wurzel.path() + "/Beispiele");
    EXPECT_TRUE(datenorte::Beispielverzeichnis(daten).isEmpty()) << "a file is no folder";
    QFile::remove(wurzel.path() + "/Beispiele");
    QDir().mkpath(wurzel.path() + "/Beispiele");
    EXPECT_EQ(datenorte::Beispielverzeichnis(daten), Nativ(wurzel.path() + "/Beispiele/"));
}

TEST(Datenorte, BauordnerHaeltVorlagenUndBeispiele)
{
    const QString daten = datenorte::Datenverzeichnis(testhilfe::Bauverzeichnis());
    EXPECT_EQ(QDir(daten).canonicalPath(), QDir(testhilfe::Bauverzeichnis()).canonicalPath());
    const QString beispiele = datenorte::Beispielverzeichnis(daten);
    ASSERT_FALSE(beispiele.isEmpty());
    const QStringList bilder = QDir(beispiele).entryList({"*.jpg"}, QDir::Files);
    EXPECT_GE(bilder.size(), 2);
    for (const QString& name : bilder) {
        QString fehler;
        const auto bild = bildcodec::LeseBild(beispiele + name, &fehler);
        ASSERT_TRUE(bild) << qPrintable(name) << ": " << qPrintable(fehler);
        // Large enough for a 10 x 10 puzzle of tiles a class can see.
        EXPECT_GE(std::min(bild->width(), bild->height()), 600) << qPrintable(name);
    }
}

// Run by the install test against the tree it installed (TESSELO_INSTALLIERT
// names its bin/ folder); skipped in a plain run of this program.
TEST(Installiert, VorlagenUndBeispieleVomProgrammAusGefunden)
{
    const QByteArray bin = qgetenv("TESSELO_INSTALLIERT");
    if (bin.isEmpty())
        GTEST_SKIP() << "nur im Installationstest";
    const QString daten = datenorte::Datenverzeichnis(QString::fromLocal8Bit(bin));
    EXPECT_EQ(QDir(daten).canonicalPath(), QDir(QString::fromLocal8Bit(bin) + "/../share/tesselo").canonicalPath());
    for (const char* vorlage : {"spuzv1.htm", "spuzv2.htm", "tpuzv1.htm", "tpuzv2.htm", "rpuzv1.htm", "rpuzv2.htm"})
        EXPECT_TRUE(QFileInfo(daten + vorlage).isFile()) << vorlage;
    for (const QString& antwort : Antwortbilder())
        EXPECT_TRUE(QFileInfo(daten + antwort).isFile()) << qPrintable(antwort);
    const QString beispiele = datenorte::Beispielverzeichnis(daten);
    ASSERT_FALSE(beispiele.isEmpty());
    EXPECT_EQ(QDir(beispiele).entryList({"*.jpg"}, QDir::Files),
              QStringList({"katze.jpg", "landschaft.jpg", "rathaus.jpg"}));
}
