// The scratch folder: locked while its program runs, gone with it, and what a
// killed program left behind removed at the next start; and the question
// before ending with work no file holds.
#include "app/arbeitsordner.h"
#include "app/ende.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace {
QStringList Ordner(const QString& basis)
{
    return QDir(basis).entryList({QStringLiteral("tesselo*")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}
} // namespace

TEST(Arbeitsordner, GesperrtSolangeDasProgrammLaeuftSonstBeimNaechstenStartWeg)
{
    QTemporaryDir basis;
    ASSERT_TRUE(basis.isValid());
    {
        Arbeitsordner eigener(basis.path());
        const QString pfad = eigener.Pfad();
        EXPECT_TRUE(pfad.startsWith(basis.path() + QLatin1Char('/')));
        EXPECT_TRUE(pfad.endsWith(QLatin1Char('/')));
        EXPECT_EQ(eigener.Pfad(), pfad); // one folder for the whole run
        QFile bitmap(pfad + QStringLiteral("foto.bmp"));
        ASSERT_TRUE(bitmap.open(QIODevice::WriteOnly));
        bitmap.close();
        // A running program's folder stays, whoever cleans up.
        EXPECT_EQ(Arbeitsordner::RaeumeAuf(basis.path()), 0);
        EXPECT_TRUE(QFile::exists(pfad + QStringLiteral("foto.bmp")));
    }
    EXPECT_TRUE(Ordner(basis.path()).isEmpty()); // gone with its program

    // A program killed while it ran leaves its folder, locked by a process
    // that is no more.
    const pid_t kind = ::fork();
    if (kind == 0) {
        auto* verlassen = new Arbeitsordner(basis.path());
        QFile(verlassen->Pfad() + QStringLiteral("foto.bmp")).open(QIODevice::WriteOnly);
        ::_exit(0); // no destructor runs, as after kill -9
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_EQ(Ordner(basis.path()).size(), 1);

    // A folder without a lock: a program that died while making it, or one
    // being made right now by a program that is starting.
    const QString alt = basis.filePath(QStringLiteral("tesselo-abcdef"));
    const QString jung = basis.filePath(QStringLiteral("tesselo-uvwxyz"));
    ASSERT_TRUE(QDir().mkpath(alt) && QDir().mkpath(jung));
    const ::time_t vorZweiMinuten = ::time(nullptr) - 120;
    const ::utimbuf zeiten{vorZweiMinuten, vorZweiMinuten};
    ASSERT_EQ(::utime(QFile::encodeName(alt).constData(), &zeiten), 0);
    // Other folders of the temporary directory are none of its business.
    ASSERT_TRUE(QDir().mkpath(basis.filePath(QStringLiteral("tesselo"))));

    EXPECT_EQ(Arbeitsordner::RaeumeAuf(basis.path()), 2);
    EXPECT_EQ(Ordner(basis.path()), QStringList({"tesselo", "tesselo-uvwxyz"}));
}

TEST(Endefrage, NurWennEtwasVerlorenGinge)
{
    EXPECT_FALSE(Endefrage(false, false));
    const QString schnitt = Endefrage(true, false).value_or(QString());
    const QString optionen = Endefrage(false, true).value_or(QString());
    const QString beides = Endefrage(true, true).value_or(QString());
    EXPECT_TRUE(schnitt.startsWith(QStringLiteral("Das geschnittene Puzzle ist noch nicht gespeichert.")));
    EXPECT_TRUE(optionen.startsWith(QStringLiteral("Die Optionen")));
    EXPECT_TRUE(beides.contains(QStringLiteral("Puzzle")) && beides.contains(QStringLiteral("Optionen")));
    for (const QString& frage : {schnitt, optionen, beides})
        EXPECT_TRUE(frage.endsWith(QStringLiteral("geht das verloren."))) << qPrintable(frage);
}
