// The grid preview and the cut work on the picture kept from loading only
// while its file is unchanged; a file changed or deleted behind the
// program's back is read as it is now, with the same messages as ever.
#include "vorbereitung_hilfe.h"

#include <QDateTime>

namespace {
const Kachelsatz& kacheln() { return testhilfe::Modell().puzzle.kacheln; }
} // namespace

TEST_F(Vorbereitung, VorschauUndSchnittSehenDieDateiWieSieJetztIst)
{
    lade(legeJpegAn(QStringLiteral("Foto.jpg"), testhilfe::Muster(200, 160)));
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    const QString bitmap = modell().puzzle.bilddatei;

    // Another program saves a different picture of the same size over the bitmap.
    QImage anderes = testhilfe::Muster(200, 160).mirrored(true, false);
    ASSERT_TRUE(bildcodec::SchreibeBmp(anderes, bitmap, nullptr));
    {
        QFile datei(bitmap);
        ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
        ASSERT_TRUE(datei.setFileTime(QDateTime::currentDateTime().addSecs(3), QFileDevice::FileModificationTime));
    }
    teil<QSpinBox>("SpEdBreite")->setValue(50);
    waehle("MenuVorschau");
    EXPECT_EQ(angezeigt().pixel(61, 71), anderes.pixel(61, 71));
    waehle("MenuSchneiden");
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_TRUE(testhilfe::GleicheBilder(kacheln().teile.at(0), anderes.copy(10, 10, 50, 50)));
    EXPECT_TRUE(testhilfe::GleicheBilder(kacheln().gesamtbild, anderes.copy(10, 10, 150, 150)));

    // Gone: preview and cut refuse with the reader's message and change nothing.
    const QImage gezeigt = angezeigt().copy();
    const QImage gesamt = kacheln().gesamtbild.copy();
    ASSERT_TRUE(QFile::remove(bitmap));
    const QString erwartet = QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(bitmap);
    waehle("MenuVorschau");
    waehle("MenuSchneiden");
    EXPECT_EQ(meldungen, (QStringList{erwartet, erwartet}));
    EXPECT_TRUE(testhilfe::GleicheBilder(angezeigt(), gezeigt));
    EXPECT_TRUE(testhilfe::GleicheBilder(kacheln().gesamtbild, gesamt));
}

// A photo of camera size lies in memory of its own mapping; a second
// preview shows only its own grid over the clean photo, and the cut sees the
// clean photo.
TEST_F(Vorbereitung, ZweiteVorschauAufGrossemFotoZeigtNurIhrGitter)
{
    lade(legeJpegAn(QStringLiteral("gross.jpg"), testhilfe::Muster(2100, 2000)));
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    const QImage geladen = lies(modell().puzzle.bilddatei);
    ASSERT_EQ(geladen.size(), QSize(2100, 2000));

    teil<QSpinBox>("SpEdBreite")->setValue(400);
    waehle("MenuVorschau");
    teil<QSpinBox>("SpEdOffx")->setValue(0);
    teil<QSpinBox>("SpEdOffy")->setValue(30);
    teil<QSpinBox>("SpEdBreite")->setValue(500);
    waehle("MenuVorschau");
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));

    const std::optional<Gitter> linien = teil<Bildfeld>("ImBild")->Gitterlinien();
    ASSERT_TRUE(linien);
    EXPECT_EQ(linien->x0, 0);
    EXPECT_EQ(linien->y0, 30);
    EXPECT_EQ(linien->breite, 500);
    EXPECT_TRUE(testhilfe::GleicheBilder(angezeigt(), geladen));
    const QImage& probe = teil<Bildfeld>("PaBoSchnitt")->bild();
    EXPECT_TRUE(testhilfe::GleicheBilder(probe, geladen.copy(probe.rect())));

    waehle("MenuSchneiden");
    ASSERT_EQ(kacheln().spalten, 4);
    ASSERT_EQ(kacheln().zeilen, 3);
    EXPECT_TRUE(testhilfe::GleicheBilder(kacheln().gesamtbild, geladen.copy(0, 30, 2000, 1500)));
}

// A portrait picture, so the turned preview is compared as well.
TEST_F(Vorbereitung, BefehlszeileSchreibtDasselbePuzzleWieDieFenster)
{
    vergleicheMitBefehlszeile(legeBmpAn(QStringLiteral("Hochformat.bmp"), testhilfe::Muster(300, 452)));
}
