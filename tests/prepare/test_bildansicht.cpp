// How the main window fits a picture, and which dropped files it loads.
#include "codecs/bildcodec.h"
#include "prepare/bildansicht.h"
#include "prepare/bildformate.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bildansicht;

namespace {
// The main window's picture area: right of the left column, with margins.
const QMargins Rand{160, 8, 10, 8};
const QSize Start{600, 441};
} // namespace

TEST(Bildansicht, EinpassenVerkleinertMitSeitenverhaeltnisUndVergroessertNie)
{
    EXPECT_EQ(Eingepasst(QSize(361, 300), QSize(430, 425)), QSize(361, 300));
    EXPECT_EQ(Eingepasst(QSize(4000, 3000), QSize(1000, 1000)), QSize(1000, 750)); // the width binds
    EXPECT_EQ(Eingepasst(QSize(3000, 4000), QSize(1000, 1000)), QSize(750, 1000)); // the height binds
    EXPECT_EQ(Eingepasst(QSize(30000, 1), QSize(500, 500)), QSize(500, 1));       // never below one pixel
    EXPECT_EQ(Eingepasst(QSize(100, 100), QSize(-10, 40)), QSize(0, 0));
}

// A phone photo on a 1366 x 768 laptop whose window adds 25 pixels of title
// bar, 19 of menu bar and 26 of status line: the window takes the screen's
// height and just the width the fitted photo needs.
TEST(Bildansicht, FensterFuerEinHandyfotoAufDemLaptop)
{
    const QSize hoechstens(1366, 768 - 25 - 19 - 26);
    const QSize klient = Klientgroesse(QSize(4000, 3000), Rand, Start, hoechstens);
    EXPECT_EQ(klient, QSize(160 + 909 + 10, 698));
    EXPECT_EQ(Eingepasst(QSize(4000, 3000), klient.shrunkBy(Rand)), QSize(909, 682));

    // Small pictures keep the start size; a long panorama takes the width.
    EXPECT_EQ(Klientgroesse(QSize(361, 300), Rand, Start, hoechstens), Start);
    EXPECT_EQ(Klientgroesse(QSize(8000, 1000), Rand, Start, hoechstens), QSize(1366, 441));
    // A screen smaller than the start size: the start size wins.
    EXPECT_EQ(Klientgroesse(QSize(4000, 3000), Rand, Start, QSize(500, 300)), Start);
}

TEST(Bildansicht, FensterRutschtAufDenSchirm)
{
    const QRect frei(0, 0, 1366, 740);
    EXPECT_EQ(AufDemSchirm(QRect(0, 0, 600, 486), frei), QRect(0, 0, 600, 486));
    EXPECT_EQ(AufDemSchirm(QRect(900, 400, 600, 486), frei), QRect(766, 254, 600, 486));
    EXPECT_EQ(AufDemSchirm(QRect(-50, 20, 2000, 486), frei).topLeft(), QPoint(0, 20));
}

// The list and the reader agree: every listed extension reaches its reader
// (a missing file, not an unknown extension), and the reader's refusal names
// the same formats.
TEST(Bildformate, ListeUndLeserStimmenUeberein)
{
    QString fehler;
    for (const bildformate::Format& format : bildformate::Lesbar())
        for (const QString& endung : format.endungen) {
            const QString datei = QStringLiteral("/kein/ordner/bild.") + endung.toUpper();
            EXPECT_TRUE(bildformate::IstBild(datei));
            EXPECT_FALSE(bildcodec::LeseBild(datei, &fehler));
            EXPECT_TRUE(fehler.contains(QStringLiteral("kann nicht geöffnet werden"))) << qPrintable(fehler);
        }
    EXPECT_FALSE(bildformate::IstBild(QStringLiteral("brief.gif")));
    EXPECT_FALSE(bildcodec::LeseBild(QStringLiteral("brief.gif"), &fehler));
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("Gelesen werden ") + bildformate::Aufzaehlung() + u'.'))
        << qPrintable(fehler);
}

TEST(Bildformate, AbgelegtWirdGenauEineBilddatei)
{
    QTemporaryDir ordner;
    const QString bild = ordner.filePath(QStringLiteral("katze.JPG"));
    EXPECT_EQ(bildformate::AbgelegtesBild({bild}, 0).datei, bild);
    EXPECT_TRUE(bildformate::AbgelegtesBild({bild}, 0).fehler.isEmpty());

    const auto fehler = [](const QStringList& dateien, int andere) {
        const bildformate::Ablage ablage = bildformate::AbgelegtesBild(dateien, andere);
        EXPECT_TRUE(ablage.datei.isEmpty());
        return ablage.fehler;
    };
    EXPECT_EQ(fehler({bild, bild}, 1), "Bitte nur ein Bild auf einmal ablegen, nicht 3.");
    EXPECT_EQ(fehler({}, 1), "Abgelegt werden kann nur eine Bilddatei von diesem Rechner.");
    EXPECT_EQ(fehler({ordner.path()}, 0),
              QStringLiteral("„%1“ ist ein Ordner. Bitte eine einzelne Bilddatei ablegen.")
                  .arg(QDir(ordner.path()).dirName()));
    EXPECT_EQ(fehler({QStringLiteral("/home/anna/brief.pdf")}, 0),
              "„brief.pdf“ ist keine Bilddatei, die Tesselo lesen kann.\nGelesen werden JPEG (.jpg, .jpeg), "
              "PNG (.png), Bitmap (.bmp), WebP (.webp) und HEIF (.heic, .heif).");
}
