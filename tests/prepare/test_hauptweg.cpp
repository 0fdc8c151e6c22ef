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
