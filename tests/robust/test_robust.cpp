// The whole program under hostile conditions, driven through the main
// window's menu: output directories that refuse writes, vanish or run full,
// and pictures of extreme proportions cut into the largest grids allowed.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "codecs/bildcodec.h"
#include "fenster/bildfeld.h"
#include "fenster/dialoge.h"
#include "games/fenster/raetselfenster.h"
#include "games/fenster/schiebefenster.h"
#include "games/fenster/tauschfenster.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <optional>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <algorithm>

#include <gtest/gtest.h>

// Readable failure output for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << '"' << text.toStdString() << '"';
}

namespace {

QByteArray lies(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

bool schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

QStringList inhalt(const QString& verzeichnis)
{
    return QDir(verzeichnis).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// errno of creating a file in the directory, 0 when it can be created.
int anlegefehler(const QString& verzeichnis)
{
    const QByteArray probe = QFile::encodeName(verzeichnis + QStringLiteral("/probe"));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return errno;
    ::close(fd);
    ::unlink(probe.constData());
    return 0;
}

// Sets or clears the immutable attribute: the one way a directory refuses
// new files to root as well.
bool unveraenderlich(const QString& verzeichnis, bool an)
{
    const int fd = ::open(QFile::encodeName(verzeichnis).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int merkmale = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &merkmale) == 0;
    if (ok) {
        merkmale = an ? (merkmale | FS_IMMUTABLE_FL) : (merkmale & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &merkmale) == 0;
    }
    ::close(fd);
    return ok;
}

// Files larger than `bytes` cannot be written by this process while it is
// set: the full disk, without touching any real one. Undone by the destructor.
class Dateigrenze
{
public:
    explicit Dateigrenze(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_vorher);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze = m_vorher;
        grenze.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &grenze);
    }
    ~Dateigrenze()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_vorher{};
    void (*m_signal)(int) = SIG_DFL;
};

class Robust : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        testhilfe::Startwerte();
        testhilfe::Modell().programmverzeichnis = testhilfe::Bauverzeichnis();
        testhilfe::StummeDialoge();
        Dialoge::Meldung = [this](QWidget*, const QString& text) { meldungen << text; };
        teil<QScrollBar>("ScBaWartezeit")->setValue(0);
    }

    void TearDown() override
    {
        for (const char* spiel : {"Schiebefenster", "Tauschfenster", "Raetselfenster"})
            testhilfe::Fenster(spiel)->hide();
        haupt().hide();
        testhilfe::StummeDialoge();
    }

    static Hauptfenster& haupt() { return testhilfe::Anwendung().hauptfenster(); }
    static Sitzung& modell() { return testhilfe::Modell(); }
    // A control or menu entry of the main window.
    template <class T>
    static T* teil(const char* name)
    {
        return testhilfe::Teil<T>(&haupt(), name);
    }
    static void waehle(const char* menueintrag) { teil<QAction>(menueintrag)->trigger(); }

    QString pfad(const QString& name) const { return m_tmp.path() + QLatin1Char('/') + name; }

    // Writes the picture into a new directory `ordner` and loads it through
    // "&Laden"; the output directory becomes that directory.
    void lade(const QString& ordner, const QString& name, const QImage& bild)
    {
        ASSERT_TRUE(QDir().mkpath(pfad(ordner)));
        const QString datei = pfad(ordner + QLatin1Char('/') + name);
        ASSERT_TRUE(name.endsWith(QStringLiteral(".jpg")) ? bildcodec::SchreibeJpeg(bild, datei, 100, nullptr)
                                                           : bildcodec::SchreibeBmp(bild, datei, nullptr));
        Dialoge::BildOeffnen = [datei](QWidget*, const QString&, const QString&) { return datei; };
        waehle("MenuLaden");
        Dialoge::BildOeffnen = [](QWidget*, const QString&, const QString&) { return QString(); };
        ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
        ASSERT_EQ(modell().einstellungen.Ausgabeverzeichnis, pfad(ordner) + QLatin1Char('/'));
    }

    void schneide(int x0, int y0, int breite)
    {
        teil<QSpinBox>("SpEdOffx")->setValue(x0);
        teil<QSpinBox>("SpEdOffy")->setValue(y0);
        teil<QSpinBox>("SpEdBreite")->setValue(breite);
        waehle("MenuSchneiden");
        ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    }

    // Opens a game through its menu entry, shuffles, plays a few clicks and
    // closes it again; the main window must come back.
    template <typename Spielzug>
    void spiele(const char* befehl, const char* name, Spielzug spielzug)
    {
        QWidget* fenster = testhilfe::Fenster(name);
        haupt().show();
        waehle(befehl);
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
        EXPECT_FALSE(haupt().isVisible());
        spielzug(fenster);
        testhilfe::Teil<QPushButton>(fenster, "BuSchliessen")->click();
        EXPECT_FALSE(fenster->isVisible());
        EXPECT_TRUE(haupt().isVisible());
        EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    }

    // A click on field (spalte, zeile) of a game's board `brett` of fields of
    // edge `feldbreite`, where the user sees it.
    static void klicke(QWidget* fenster, const char* brett, int feldbreite, int spalte, int zeile)
    {
        testhilfe::KlickeFeld(testhilfe::Teil<Bildfeld>(fenster, brett), spalte, zeile, feldbreite);
    }
    static QString zugzaehler(QWidget* fenster) { return testhilfe::Teil<QLabel>(fenster, "LaZugZaehler")->text(); }

    // Every page command of "&Speichern", each with the messages it gave.
    QList<QPair<const char*, QStringList>> alleSeiten()
    {
        QList<QPair<const char*, QStringList>> ergebnis;
        const std::pair<const char*, const char*> befehle[] = {{"sp", "MenuSchiebeseite"},
                                                              {"tp", "MenuTauschseite"},
                                                              {"rp", "MenuRaetselseite"},
                                                              {"ta", "MenuTabelle"},
                                                              {"alle", "MenuAlleSeiten"}};
        for (const auto& [name, aktion] : befehle) {
            meldungen.clear();
            waehle(aktion);
            ergebnis << qMakePair(name, meldungen);
        }
        meldungen.clear();
        return ergebnis;
    }

    QStringList meldungen;
    QTemporaryDir m_tmp;
};

// ---------------------------------------------------------------------------
// Write faults. Each case cuts a picture in its own directory, puts earlier
// pages there, then spoils the output; a folder that takes no file at all is
// named before anything is written, otherwise the tile save must name the
// file it cannot create and every page must fail with the system's error
// number; the earlier pages must survive with no temporary or partial file
// beside them.

enum class Fehlerart { Schreibgeschuetzt, Verschwunden, GeraetVoll, PlatteVoll };

class Schreibfehler : public Robust, public ::testing::WithParamInterface<Fehlerart>
{
protected:
    void SetUp() override
    {
        Robust::SetUp();
        // The earlier pages stand for this picture's own from an earlier run.
        Dialoge::Ersetzen = [](QWidget*, const QString&) { return true; };
    }

    void TearDown() override
    {
        if (m_geschuetzt)
            unveraenderlich(pfad(QStringLiteral("aus")), false);
        ::chmod(QFile::encodeName(pfad(QStringLiteral("aus"))).constData(), 0755);
        Robust::TearDown();
    }

    bool m_geschuetzt = false;
};

const QStringList Seitennamen{QStringLiteral("luftbisp.htm"), QStringLiteral("luftbitp.htm"),
                              QStringLiteral("luftbirp.htm"), QStringLiteral("luftbita.htm")};

TEST_P(Schreibfehler, MeldungOhneTeilseiteUndOhneVerlust)
{
    lade(QStringLiteral("aus"), QStringLiteral("luftbild.bmp"), testhilfe::Muster(361, 300));
    schneide(10, 10, 80);
    const QString aus = pfad(QStringLiteral("aus"));
    const QString erstesTeil = aus + QStringLiteral("/luftbi0_0.jpg");
    int erwartet = 0;

    switch (GetParam()) {
    case Fehlerart::Schreibgeschuetzt:
        for (const QString& seite : Seitennamen)
            ASSERT_TRUE(schreibe(aus + QLatin1Char('/') + seite, "fruehere Seite"));
        ASSERT_EQ(::chmod(QFile::encodeName(aus).constData(), 0555), 0);
        if (anlegefehler(aus) == 0)
            m_geschuetzt = unveraenderlich(aus, true); // root ignores the permission bits
        erwartet = anlegefehler(aus);
        if (erwartet == 0)
            GTEST_SKIP() << "no way to make a directory read-only for this user on this file system";
        break;
    case Fehlerart::Verschwunden:
        ASSERT_TRUE(QDir(aus).removeRecursively());
        erwartet = ENOENT;
        break;
    case Fehlerart::GeraetVoll: {
        // Tiles are written in place, so a link to /dev/full is safe for them.
        // Pages are replaced as a whole: they get a device node of our own,
        // which is what a failing page must leave alone.
        ASSERT_EQ(::symlink("/dev/full", QFile::encodeName(erstesTeil).constData()), 0);
        const QByteArray knoten = QFile::encodeName(pfad(QStringLiteral("voll")));
        if (::mknod(knoten.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            GTEST_SKIP() << "cannot create a device node (needs CAP_MKNOD)";
        for (const QString& seite : Seitennamen)
            ASSERT_EQ(::symlink(knoten.constData(), QFile::encodeName(aus + QLatin1Char('/') + seite).constData()), 0);
        erwartet = ENOSPC;
        break;
    }
    case Fehlerart::PlatteVoll:
        for (const QString& seite : Seitennamen)
            ASSERT_TRUE(schreibe(aus + QLatin1Char('/') + seite, "fruehere Seite"));
        ASSERT_TRUE(schreibe(erstesTeil, "frueheres Teil")); // a tile of an earlier save
        erwartet = EFBIG;
        break;
    }

    const QStringList vorher = inhalt(aus);
    QList<QPair<const char*, QStringList>> seiten;
    const bool ordnerGesperrt = GetParam() == Fehlerart::Schreibgeschuetzt || GetParam() == Fehlerart::Verschwunden;
    const QString ordnerMeldung = QStringLiteral("In den Ausgabeordner %1/ kann nicht geschrieben werden.").arg(aus);
    {
        std::optional<Dateigrenze> grenze;
        if (GetParam() == Fehlerart::PlatteVoll)
            grenze.emplace(100);
        waehle("MenuKachelnJpg");
        ASSERT_EQ(meldungen.size(), 1);
        if (ordnerGesperrt)
            EXPECT_TRUE(meldungen.first().startsWith(ordnerMeldung)) << qPrintable(meldungen.first());
        else
            EXPECT_EQ(meldungen.first(), QStringLiteral("Datei %1 kann nicht erstellt werden").arg(erstesTeil));
        EXPECT_FALSE(modell().puzzle.ausgabe.jpegGespeichert);
        seiten = alleSeiten();
    }
    for (const auto& [name, gemeldet] : seiten) {
        ASSERT_EQ(gemeldet.size(), 1) << name;
        if (ordnerGesperrt)
            EXPECT_TRUE(gemeldet.first().startsWith(ordnerMeldung)) << name;
        else
            EXPECT_EQ(gemeldet.first(), QStringLiteral("E/A-Fehler %1").arg(erwartet)) << name;
    }

    EXPECT_EQ(inhalt(aus), vorher); // no temporary, partial or new file; nothing lost
    if (GetParam() == Fehlerart::Verschwunden)
        EXPECT_FALSE(QFileInfo::exists(aus)); // nor the directory made again
    if (GetParam() == Fehlerart::GeraetVoll) {
        struct stat knoten{};
        ASSERT_EQ(::stat(QFile::encodeName(pfad(QStringLiteral("voll"))).constData(), &knoten), 0);
        EXPECT_TRUE(S_ISCHR(knoten.st_mode));
        EXPECT_TRUE(QFileInfo(erstesTeil).isSymLink());
    } else if (GetParam() != Fehlerart::Verschwunden) {
        for (const QString& seite : Seitennamen)
            EXPECT_EQ(lies(aus + QLatin1Char('/') + seite), "fruehere Seite") << qPrintable(seite);
    }
    if (GetParam() == Fehlerart::PlatteVoll)
        EXPECT_EQ(lies(erstesTeil), "frueheres Teil"); // a failed save loses no earlier file
}

INSTANTIATE_TEST_SUITE_P(, Schreibfehler,
                         ::testing::Values(Fehlerart::Schreibgeschuetzt, Fehlerart::Verschwunden,
                                           Fehlerart::GeraetVoll, Fehlerart::PlatteVoll),
                         [](const auto& info) {
                             switch (info.param) {
                             case Fehlerart::Schreibgeschuetzt: return std::string("Schreibgeschuetzt");
                             case Fehlerart::Verschwunden: return std::string("Verschwunden");
                             case Fehlerart::GeraetVoll: return std::string("GeraetVoll");
                             case Fehlerart::PlatteVoll: return std::string("PlatteVoll");
                             }
                             return std::string();
                         });

// ---------------------------------------------------------------------------
// Extreme pictures: a line of 5000 pixels either way and a 10 x 10 picture,
// each cut with tile width 1 into exactly the 100 tiles the store holds, go
// through all three games and every export without a single message.

struct Extrem
{
    const char* name;
    QSize groesse;
    const char* datei;
    int x0, y0, spalten, zeilen;
};

class ExtremeBilder : public Robust, public ::testing::WithParamInterface<Extrem>
{
};

TEST_P(ExtremeBilder, SchnittSpieleUndAlleAusgaben)
{
    const Extrem e = GetParam();
    const QImage bild = testhilfe::Muster(e.groesse.width(), e.groesse.height());
    lade(QStringLiteral("aus"), QString::fromLatin1(e.datei), bild);
    schneide(e.x0, e.y0, 1);
    const Kachelsatz& kacheln = modell().puzzle.kacheln;
    ASSERT_EQ(kacheln.spalten, e.spalten);
    ASSERT_EQ(kacheln.zeilen, e.zeilen);
    ASSERT_EQ(kacheln.gesamtbild.size(), QSize(e.spalten, e.zeilen));

    spiele("MenuSchiebepuzzle", "Schiebefenster", [&](QWidget* fenster) {
        auto* schieben = qobject_cast<Schiebefenster*>(fenster);
        ASSERT_EQ(schieben->Brett().Feldzahl(), 100);
        // A late activation rebuilds the board in solved order: let it come
        // before the shuffle, not between reading the hole and the move.
        QCoreApplication::processEvents();
        testhilfe::Teil<QPushButton>(fenster, "BuMischen")->click();
        EXPECT_TRUE(schieben->Brett().Loesbar());
        // Two fields in the hole's line away from it: each click is a move.
        // The hole's own field is left out: a line one click from solved
        // would rest after the first.
        for (int i = 0; i < 2; ++i) {
            const Schiebebrett& brett = schieben->Brett();
            const int laenge = std::max(e.spalten, e.zeilen);
            const int stelle = e.spalten > 1 ? brett.LeerSpalte() : brett.LeerZeile();
            int ziel = (stelle + 7) % laenge;
            if (ziel == brett.Leernummer())
                ziel = (ziel + 1) % laenge;
            if (e.spalten > 1)
                klicke(fenster, "ImBild", schieben->Feldbreite(), ziel, brett.LeerZeile());
            else
                klicke(fenster, "ImBild", schieben->Feldbreite(), brett.LeerSpalte(), ziel);
        }
        EXPECT_EQ(zugzaehler(fenster), QStringLiteral("Zug: 2"));
    });
    spiele("MenuTauschpuzzle", "Tauschfenster", [&](QWidget* fenster) {
        testhilfe::Teil<QPushButton>(fenster, "BuMischen")->click();
        const int fb = qobject_cast<Tauschfenster*>(fenster)->Feldbreite();
        klicke(fenster, "PaBoSpielfeld", fb, 0, 0);
        klicke(fenster, "PaBoSpielfeld", fb, e.spalten - 1, e.zeilen - 1);
        EXPECT_EQ(zugzaehler(fenster), QStringLiteral("Zug: 1"));
        testhilfe::Teil<QPushButton>(fenster, "BuAufloesen")->click();
    });
    spiele("MenuBilderraetsel", "Raetselfenster", [&](QWidget* fenster) {
        const int fb = qobject_cast<Raetselfenster*>(fenster)->Feldbreite();
        klicke(fenster, "PaBoSpielfeld", fb, e.spalten - 1, e.zeilen - 1);
        klicke(fenster, "PaBoSpielfeld", fb, e.spalten / 2, e.zeilen / 2);
        EXPECT_EQ(zugzaehler(fenster), QStringLiteral("Zug: 2"));
        testhilfe::Teil<QPushButton>(fenster, "BuAufloesen")->click();
    });

    // Tiles as BMP (exact pixels) and JPEG, then every page.
    waehle("MenuKachelnBmp");
    waehle("MenuKachelnJpg");
    for (const auto& [name, gemeldet] : alleSeiten())
        EXPECT_TRUE(gemeldet.isEmpty()) << name << ": " << qPrintable(gemeldet.join(u'\n'));
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));

    const QString aus = modell().einstellungen.Ausgabeverzeichnis + QStringLiteral("luftbi");
    for (int c = 0; c < e.spalten; ++c)
        for (int r = 0; r < e.zeilen; ++r) {
            const QString kachel = aus + QStringLiteral("%1_%2").arg(r).arg(c);
            ASSERT_TRUE(QFileInfo::exists(kachel + QStringLiteral(".jpg"))) << c << "," << r;
            const std::optional<QImage> teil = bildcodec::LeseBild(kachel + QStringLiteral(".bmp"), nullptr);
            ASSERT_TRUE(teil) << c << "," << r;
            if (!QString::fromLatin1(e.datei).endsWith(QStringLiteral(".jpg")))
                EXPECT_EQ(teil->pixel(0, 0) & 0xFFFFFF, bild.pixel(e.x0 + c, e.y0 + r) & 0xFFFFFF) << c << "," << r;
        }
    const std::optional<QImage> vorschau = bildcodec::LeseBild(aus + QStringLiteral("vs.jpg"), nullptr);
    ASSERT_TRUE(vorschau);
    EXPECT_EQ(vorschau->size(), QSize(modell().einstellungen.VorschauBreite, modell().einstellungen.VorschauHoehe));
    ASSERT_TRUE(bildcodec::LeseBild(aus + QStringLiteral("le.jpg"), nullptr));

    // Each page whole: its own last line, every tile named once per row line.
    const QString letztes = QStringLiteral("luftbi%1_%2.jpg").arg(e.zeilen - 1).arg(e.spalten - 1);
    for (const char* endung : {"sp.htm", "tp.htm", "rp.htm", "ta.htm"}) {
        const QByteArray seite = lies(aus + QLatin1String(endung));
        EXPECT_TRUE(seite.endsWith("</body>\r\n</html>\r\n")) << endung;
        EXPECT_TRUE(seite.contains(letztes.toLatin1())) << endung;
    }
    EXPECT_TRUE(lies(aus + QStringLiteral("sp.htm"))
                    .contains(QStringLiteral("javascript:Schiebe(%1,%2);").arg(e.spalten).arg(e.zeilen).toLatin1()));
}

INSTANTIATE_TEST_SUITE_P(, ExtremeBilder,
                         ::testing::Values(Extrem{"Hochkant", QSize(1, 5000), "luftbild.bmp", 0, 4900, 1, 100},
                                           Extrem{"Quer", QSize(5000, 1), "luftbild.jpg", 4900, 0, 100, 1},
                                           Extrem{"Quadrat", QSize(10, 10), "luftbild.bmp", 0, 0, 10, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

// The automatic grid on a line of pixels: the shorter side of 1 pixel is the
// tile, 5000 tiles are more than the store holds, and the cut refuses them
// with a message before anything changes; a cut after a refused one starts
// from the state the last good cut left.
TEST_F(Robust, AutoGitterAufEinerPixelzeile)
{
    for (const QSize groesse : {QSize(1, 5000), QSize(5000, 1)}) {
        SCOPED_TRACE(groesse.width());
        lade(QStringLiteral("auto%1").arg(groesse.width()), QStringLiteral("luftbild.bmp"),
             testhilfe::Muster(groesse.width(), groesse.height()));
        teil<QPushButton>("BuAuto")->click();
        EXPECT_EQ(teil<QSpinBox>("SpEdBreite")->value(), 1);
        EXPECT_EQ(teil<QSpinBox>("SpEdOffx")->value(), 0);
        EXPECT_EQ(teil<QSpinBox>("SpEdOffy")->value(), 0);
        waehle("MenuSchneiden");
        ASSERT_EQ(meldungen.size(), 1);
        EXPECT_TRUE(meldungen.first().contains(QStringLiteral("5000 Teile")));
        meldungen.clear();
        EXPECT_FALSE(teil<QMenu>("MenuSpeichern")->menuAction()->isEnabled());
        EXPECT_FALSE(teil<QMenu>("MenuSpielen")->menuAction()->isEnabled());
        EXPECT_TRUE(inhalt(modell().einstellungen.Ausgabeverzeichnis) == QStringList{QStringLiteral("luftbild.bmp")});
    }
}

} // namespace
