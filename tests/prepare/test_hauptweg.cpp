// The grid preview and the cut work on the picture kept from loading only
// while its file is unchanged; a file changed or deleted behind the
// program's back is read as it is now, with the same messages as ever.
#include "vorbereitung_hilfe.h"

#include <QDateTime>

TEST_F(Vorbereitung, VorschauUndSchnittSehenDieDateiWieSieJetztIst)
{
    lade(legeJpegAn(QStringLiteral("Foto.jpg"), testhilfe::Muster(200, 160)));
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    const QString bitmap = puz_var::Bilddatei;

    // Another program saves a different picture of the same size over the bitmap.
    QImage anderes = testhilfe::Muster(200, 160).mirrored(true, false);
    ASSERT_TRUE(bildcodec::SchreibeBmp(anderes, bitmap, nullptr));
    {
        QFile datei(bitmap);
        ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
        ASSERT_TRUE(datei.setFileTime(QDateTime::currentDateTime().addSecs(3), QFileDevice::FileModificationTime));
    }
    Form1->SpEdBreite->setValue(50);
    Form1->MenuVorschau->trigger();
    EXPECT_EQ(Form1->ImBild->bild().pixel(61, 71), anderes.pixel(61, 71));
    Form1->MenuSchneiden->trigger();
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[0], anderes.copy(10, 10, 50, 50)));
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Gesamtbild, anderes.copy(10, 10, 150, 150)));

    // Gone: preview and cut refuse with the reader's message and change nothing.
    const QImage gezeigt = Form1->ImBild->bild().copy();
    const QImage gesamt = puz_var::Gesamtbild.copy();
    ASSERT_TRUE(QFile::remove(bitmap));
    const QString erwartet = QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(bitmap);
    Form1->MenuVorschau->trigger();
    Form1->MenuSchneiden->trigger();
    EXPECT_EQ(meldungen, (QStringList{erwartet, erwartet}));
    EXPECT_TRUE(testhilfe::GleicheBilder(Form1->ImBild->bild(), gezeigt));
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Gesamtbild, gesamt));
}

// A photo of camera size lies in memory of its own mapping, and a second
// preview draws into the first one's picture: none of the first grid may
// stay, and the cut still sees the clean photo.
TEST_F(Vorbereitung, ZweiteVorschauAufGrossemFotoZeigtNurIhrGitter)
{
    lade(legeJpegAn(QStringLiteral("gross.jpg"), testhilfe::Muster(2100, 2000)));
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    const QImage geladen = lies(puz_var::Bilddatei);
    ASSERT_EQ(geladen.size(), QSize(2100, 2000));

    Form1->SpEdBreite->setValue(400);
    Form1->MenuVorschau->trigger();
    Form1->SpEdOffx->setValue(0);
    Form1->SpEdOffy->setValue(30);
    Form1->SpEdBreite->setValue(500);
    Form1->MenuVorschau->trigger();
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));

    QImage erwartet = geladen.copy();
    for (int y = 0; y < 2000; ++y)
        for (int x = 0; x < 2100; ++x)
            if (x % 500 == 0 || (y - 30) % 500 == 0)
                erwartet.setPixel(x, y, qRgb(0xFF, 0, 0));
    EXPECT_TRUE(testhilfe::GleicheBilder(Form1->ImBild->bild(), erwartet));
    const QImage& probe = Form1->PaBoSchnitt->bild();
    EXPECT_TRUE(testhilfe::GleicheBilder(probe, geladen.copy(probe.rect())));

    Form1->MenuSchneiden->trigger();
    ASSERT_EQ(puz_var::Spalten, 4);
    ASSERT_EQ(puz_var::Zeilen, 3);
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Gesamtbild, geladen.copy(0, 30, 2000, 1500)));
}
