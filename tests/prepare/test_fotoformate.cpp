// Phone and web photos through the main window and the picture dialog: a
// turned JPEG arrives upright everywhere, WebP and HEIC load like PNG.
#include "vorbereitung_hilfe.h"

#include "prepare/fenster/bilddialog.h"
#include "proben.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QTransform>

namespace {

// Smooth, so lossy coding keeps it close; no turn or mirror of it looks the same.
QImage Verlauf(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x * 255 / breite, y * 255 / hoehe, 60));
    return bild;
}


void Schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

// The picture size the information table shows.
QString groesse()
{
    return testhilfe::Teil<QTableWidget>(&testhilfe::Anwendung().hauptfenster(), "StGrInfo")->item(1, 1)->text();
}

} // namespace

TEST_F(Vorbereitung, GedrehtesHandyfotoIstUeberallAufrecht)
{
    // The sensor's landscape picture, to be turned clockwise: a portrait photo.
    const QImage sensor = Verlauf(240, 160);
    const QImage aufrecht = sensor.transformed(QTransform().rotate(90));
    const QString foto = pfad(QStringLiteral("IMG_20240512_101500.jpg"));
    Schreibe(foto, proben::MitApp1(proben::JpegDatei(sensor, proben::JpegArt::Grundlinie),
                                   proben::ExifMitLage(6, false)));
    lade(foto);
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));

    EXPECT_EQ(groesse(), QStringLiteral("160 x 240"));
    EXPECT_EQ(modell().einstellungen.VorschauBreite, 160);
    EXPECT_EQ(modell().einstellungen.VorschauHoehe, 240);
    EXPECT_LE(testhilfe::Abweichung(angezeigt().copy(0, 0, 160, 240), aufrecht), 10);
    // The converted bitmap holds the upright picture, so every later reader does.
    const QString bilddatei = modell().puzzle.bilddatei;
    const QImage bitmap = lies(bilddatei);
    EXPECT_TRUE(bilddatei.endsWith(QStringLiteral(".bmp")));
    EXPECT_LE(testhilfe::Abweichung(bitmap, aufrecht), 10);

    teil<QSpinBox>("SpEdOffx")->setValue(0);
    teil<QSpinBox>("SpEdOffy")->setValue(0);
    teil<QSpinBox>("SpEdBreite")->setValue(80);
    waehle("MenuSchneiden");
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    const Kachelsatz& kacheln = modell().puzzle.kacheln;
    EXPECT_EQ(kacheln.spalten, 2);
    EXPECT_EQ(kacheln.zeilen, 3);
    EXPECT_TRUE(testhilfe::GleicheBilder(kacheln.teile.at(1), bitmap.copy(0, 80, 80, 80)));
}

// The command line cuts a JPEG while decoding it, the windows cut the whole
// picture: for a phone photo stored on its side, progressive, the files are
// the same, the turned preview as well.
TEST_F(Vorbereitung, BefehlszeileSchneidetDasHandyfotoWieDieFenster)
{
    const QString foto = pfad(QStringLiteral("Handy.jpg"));
    Schreibe(foto, proben::MitApp1(proben::JpegDatei(testhilfe::Muster(457, 300), proben::JpegArt::Progressiv),
                                   proben::ExifMitLage(6, true)));
    vergleicheMitBefehlszeile(foto);
}

TEST_F(Vorbereitung, WebpUndHeicWerdenDirektGeladen)
{
    const QImage bild = Verlauf(200, 120);
    Schreibe(pfad(QStringLiteral("aus dem Netz.webp")), proben::WebpDatei(bild, true));
    const QByteArray heic = proben::HeifDatei(bild);
    if (!heic.isEmpty())
        Schreibe(pfad(QStringLiteral("IMG_4711.HEIC")), heic);
    for (const QString& name : QDir(pfad()).entryList(QDir::Files)) {
        const QStringList vorher = dateien();
        lade(pfad(name));
        ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(name) << qPrintable(meldungen.join(u'\n'));
        // Read like a PNG: the file itself is the picture, nothing is written.
        EXPECT_EQ(modell().puzzle.bilddatei, pfad(name));
        EXPECT_EQ(dateien(), vorher);
        EXPECT_EQ(groesse(), QStringLiteral("200 x 120"));
        waehle("MenuSchneiden");
        ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
        EXPECT_LE(testhilfe::Abweichung(modell().puzzle.kacheln.teile.at(0), bild.copy(10, 10, 80, 80)), 16)
            << qPrintable(name);
    }
    // Nor is the file the program's to delete when the next picture comes.
    const QStringList fotos = dateien();
    lade(legeBmpAn(QStringLiteral("danach.bmp"), bild));
    for (const QString& name : fotos)
        EXPECT_TRUE(dateien().contains(name)) << qPrintable(name);
}

TEST_F(Vorbereitung, BilddialogFiltertUndZeigtFotosInDerVorschau)
{
    const QImage sensor = Verlauf(120, 80);
    Schreibe(pfad(QStringLiteral("hoch.jpg")), proben::MitApp1(proben::JpegDatei(sensor, proben::JpegArt::Grundlinie),
                                                               proben::ExifMitLage(8, true)));
    Schreibe(pfad(QStringLiteral("netz.webp")), proben::WebpDatei(sensor, false));
    const QByteArray heic = proben::HeifDatei(sensor);
    if (!heic.isEmpty())
        Schreibe(pfad(QStringLiteral("iphone.heic")), heic);

    QStringList filter;
    QString gewaehlterFilter;
    QMap<QString, QSize> vorschau;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        filter = dialog->nameFilters();
        gewaehlterFilter = dialog->selectedNameFilter();
        QLabel* feld = nullptr;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            if (label->minimumSize() == QSize(160, 160) && label->maximumSize() == QSize(160, 160))
                feld = label;
        if (feld) {
            for (const QString& name : QDir(pfad()).entryList(QDir::Files)) {
                emit dialog->currentChanged(pfad(name));
                vorschau[name] = feld->pixmap().size();
            }
        }
        dialog->reject();
    });
    EXPECT_TRUE(BildOeffnenDialog(&haupt(), pfad(), QString()).isEmpty());

    // Every picture shows at first; the single formats follow.
    ASSERT_EQ(filter.size(), 7);
    EXPECT_EQ(filter.first(), "Alle Bilder (*.jpg, *.jpeg, *.png, *.bmp, *.webp, *.heic, *.heif) "
                              "(*.jpg *.jpeg *.png *.bmp *.webp *.heic *.heif)");
    EXPECT_EQ(filter[2], "PNG-Bilder (*.png) (*.png)");
    EXPECT_EQ(filter.last(), "alle Dateien (*.*) (*)");
    EXPECT_EQ(gewaehlterFilter, "Alle Bilder (*.jpg, *.jpeg, *.png, *.bmp, *.webp, *.heic, *.heif)");
    // The turned JPEG is previewed upright (portrait), the others as stored.
    EXPECT_EQ(vorschau.value(QStringLiteral("hoch.jpg")), QSize(106, 160));
    EXPECT_EQ(vorschau.value(QStringLiteral("netz.webp")), QSize(160, 106));
    if (!heic.isEmpty())
        EXPECT_EQ(vorschau.value(QStringLiteral("iphone.heic")), QSize(160, 106));
}
