// The record of who wrote which output file, and the start output folder.
#include "export/ausgabebuch.h"
#include "modell/einstellungen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString A = QStringLiteral("/fotos/IMG_20240512_101500.jpg");
const QString B = QStringLiteral("/fotos/IMG_20240513_083000.jpg");

class Buch : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_tmp.isValid()); }

    QString ordner() const { return m_tmp.path() + QLatin1Char('/'); }

    void schreibe(const QString& name, const QByteArray& inhalt, const QString& herkunft = QString())
    {
        QFile datei(ordner() + name);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        datei.close();
        if (!herkunft.isEmpty())
            m_buch.Geschrieben(ordner() + name, herkunft);
    }

    Ausgabebuch m_buch;
    QTemporaryDir m_tmp;
};

TEST_F(Buch, NurUnveraenderteDateienDesselbenBildesSindEigene)
{
    const QStringList namen{QStringLiteral("IMG_200_0.jpg"), QStringLiteral("IMG_20le.jpg"),
                            QStringLiteral("IMG_20sp.htm")};
    EXPECT_TRUE(m_buch.Fremde(ordner(), namen, A).isEmpty()); // nothing there yet

    schreibe(namen[0], "Teil von A", A);
    schreibe(namen[1], "Leerfeld von A", A);
    EXPECT_TRUE(m_buch.Fremde(ordner(), namen, A).isEmpty());
    EXPECT_EQ(m_buch.Fremde(ordner(), namen, B), namen.mid(0, 2));

    // Changed by someone else since: foreign to A as well.
    schreibe(namen[1], "von Hand ersetzt");
    EXPECT_EQ(m_buch.Fremde(ordner(), namen, A), QStringList{namen[1]});

    // A folder of such a name is nothing to replace.
    ASSERT_TRUE(QDir(ordner()).mkdir(namen[2]));
    EXPECT_EQ(m_buch.Fremde(ordner(), namen, A), QStringList{namen[1]});

    // The folder keeps the record for the next start of the program; a
    // damaged line of it costs only that line.
    m_buch.Sichere();
    QFile buch(ordner() + Ausgabebuch::Buchdatei());
    ASSERT_TRUE(buch.open(QIODevice::Append));
    buch.write("IMG_20sp.htm\tviel\t0\tx\n../fremd\t1\t1\tx\n");
    buch.close();
    EXPECT_EQ(Ausgabebuch().Fremde(ordner(), namen, A), QStringList{namen[1]});
    EXPECT_EQ(Ausgabebuch().Fremde(ordner(), namen, B), namen.mid(0, 2));
}

TEST_F(Buch, FreigabeUebernimmtDasPuzzleAberNichtDieFotos)
{
    for (const char* name : {"IMG_200_0.jpg", "IMG_2012_9.bmp", "IMG_20le.jpg", "IMG_20vs.jpg", "IMG_20sp.htm",
                             "IMG_20tp.htm", "IMG_20rp.htm", "IMG_20ta.htm"})
        schreibe(QLatin1String(name), "Puzzle von A", A);
    // The photos themselves and other files of the same beginning.
    schreibe(QStringLiteral("IMG_20240512_101500.jpg"), "Foto");
    schreibe(QStringLiteral("IMG_20notiz.txt"), "Notiz");
    schreibe(QStringLiteral("IMG_20le.jpg.bak"), "Sicherung");
    const QStringList alle = QDir(ordner()).entryList(QDir::Files, QDir::Name);

    m_buch.Freigeben(ordner(), QStringLiteral("IMG_20"), {QStringLiteral("IMG_200_0.jpg")}, B);
    EXPECT_EQ(m_buch.Fremde(ordner(), alle, B),
              (QStringList{QStringLiteral("IMG_20240512_101500.jpg"), QStringLiteral("IMG_20le.jpg.bak"),
                           QStringLiteral("IMG_20notiz.txt")}));
    // The puzzle now counts as B's: A asks before taking it back.
    EXPECT_EQ(m_buch.Fremde(ordner(), {QStringLiteral("IMG_20sp.htm")}, A), QStringList{"IMG_20sp.htm"});

    // A prefix with characters that mean something in a pattern.
    schreibe(QStringLiteral("a+b(1)0_0.jpg"), "Teil");
    schreibe(QStringLiteral("aab(1)0_0.jpg"), "Teil");
    m_buch.Freigeben(ordner(), QStringLiteral("a+b(1)"), {}, B);
    EXPECT_EQ(m_buch.Fremde(ordner(), {QStringLiteral("a+b(1)0_0.jpg"), QStringLiteral("aab(1)0_0.jpg")}, B),
              QStringList{QStringLiteral("aab(1)0_0.jpg")});
}

TEST(Ausgabeordner, StartordnerEntstehtBeimErstenSchreiben)
{
    QTemporaryDir heim;
    ASSERT_TRUE(heim.isValid());
    const QByteArray altHeim = qgetenv("HOME");
    const QByteArray altKonfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(heim.path()));
    qunsetenv("XDG_CONFIG_HOME");

    const QString start = StartAusgabeverzeichnis();
    EXPECT_TRUE(start.startsWith(heim.path() + QLatin1Char('/')));
    EXPECT_TRUE(start.endsWith(QStringLiteral("/Tesselo/")));
    EXPECT_FALSE(QFileInfo::exists(start)); // nothing made at start
    EXPECT_FALSE(ausgabe::OrdnerFehler(start, start));
    EXPECT_TRUE(QFileInfo(start).isDir());

    qputenv("HOME", altHeim);
    if (!altKonfig.isEmpty())
        qputenv("XDG_CONFIG_HOME", altKonfig);
}

} // namespace
