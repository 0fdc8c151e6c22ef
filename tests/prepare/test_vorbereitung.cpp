// Loading, grid, cut and their refusals, driven through the main menu.
#include "vorbereitung_hilfe.h"

#include "dialogs/puz_opt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {
const QColor Rot(0xFF, 0, 0);
const QColor Blau(0, 0, 0xFF);
const QColor Silber(0xC0, 0xC0, 0xC0);
} // namespace

TEST_F(Vorbereitung, LadenVorschauUndSchnittAuf361x300)
{
    const QImage bild = testhilfe::Muster(361, 300);
    lade(legeBmpAn(QStringLiteral("luftbild.bmp"), bild));
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));

    EXPECT_EQ(Form1->StGrInfo->item(0, 1)->text(), QStringLiteral("luftbild.bmp"));
    EXPECT_EQ(Form1->StGrInfo->item(1, 1)->text(), QStringLiteral("361 x 300"));
    EXPECT_EQ(puz_var::Dateikuerzel, QStringLiteral("luftbi"));
    EXPECT_EQ(puz_var::Tabellendatei, QStringLiteral("luftbita.htm"));
    EXPECT_EQ(puz_var::Bildverzeichnis, pfad());
    EXPECT_EQ(puz_var::Ausgabeverzeichnis, pfad());
    EXPECT_FALSE(Form1->TempDatei);
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("luftbild.bmp")});
    EXPECT_EQ(Form1->width(), 160 + 361 + 10);
    EXPECT_EQ(Form1->Klienthoehe(), 420);
    EXPECT_TRUE(Form1->MenuSchneiden->isEnabled());
    EXPECT_FALSE(Form1->MenuSpeichern->menuAction()->isEnabled());

    Form1->MenuVorschau->trigger();
    const QImage& gezeigt = Form1->ImBild->bild();
    for (int x : {10, 90, 170, 250, 330})
        EXPECT_EQ(gezeigt.pixelColor(x, 5), Rot) << x;
    for (int y : {10, 90, 170, 250})
        EXPECT_EQ(gezeigt.pixelColor(5, y), Rot) << y;
    EXPECT_EQ(gezeigt.pixel(11, 11), bild.pixel(11, 11));
    EXPECT_EQ(gezeigt.pixel(340, 295), bild.pixel(340, 295));
    const QImage& anzeige = Form1->PaBoSchnitt->bild();
    EXPECT_TRUE(testhilfe::GleicheBilder(anzeige.copy(0, 0, 80, 80), bild.copy(0, 0, 80, 80)));
    EXPECT_EQ(anzeige.pixelColor(100, 100), Silber);

    Form1->MenuSchneiden->trigger();
    ASSERT_EQ(puz_var::Spalten, 4);
    ASSERT_EQ(puz_var::Zeilen, 3);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[size_t(c * 3 + r)],
                                                 bild.copy(10 + c * 80, 10 + r * 80, 80, 80)))
                << c << "," << r;
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Gesamtbild, bild.copy(10, 10, 320, 240)));
    EXPECT_TRUE(testhilfe::GleicheBilder(Form1->ImBild->bild().copy(0, 0, 320, 240), puz_var::Gesamtbild));
    EXPECT_EQ(Form1->ImBild->bild().pixelColor(330, 250), Blau);
    EXPECT_EQ(Form1->ImBild->bild().size(), QSize(361, 300));
    // During the cut the row showed each tile's label; now the output folder again.
    EXPECT_EQ(Form1->StGrInfo->item(2, 1)->text(), QDir::toNativeSeparators(puz_var::Ausgabeverzeichnis));
    EXPECT_EQ(Form1->Zaehler, 12);
    EXPECT_TRUE(Form1->MenuSpeichern->menuAction()->isEnabled());
    EXPECT_TRUE(Form1->MenuSpielen->menuAction()->isEnabled());
    EXPECT_TRUE(Form1->MenuLaden->isEnabled());

    // A second, finer cut starts from the clean picture and replaces the tiles.
    Form1->SpEdBreite->setValue(100);
    Form1->MenuSchneiden->trigger();
    EXPECT_EQ(puz_var::Spalten, 3);
    EXPECT_EQ(puz_var::Zeilen, 2);
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[3], bild.copy(110, 110, 100, 100)));

    // Loading again leaves the state Geschnitten.
    lade(pfad(QStringLiteral("luftbild.bmp")));
    EXPECT_FALSE(Form1->MenuSpeichern->menuAction()->isEnabled());
    EXPECT_FALSE(Form1->MenuSpielen->menuAction()->isEnabled());
}

TEST_F(Vorbereitung, AutomatischesGitterUndHochformat)
{
    lade(legeBmpAn(QStringLiteral("hoch.png.bmp"), testhilfe::Muster(200, 300)));
    EXPECT_EQ(puz_var::Dateikuerzel, QStringLiteral("hoch"));
    EXPECT_EQ(puz_var::VorschauBreite, 160);
    EXPECT_EQ(puz_var::VorschauHoehe, 240);
    Form1->BuAuto->click();
    EXPECT_EQ(Form1->SpEdBreite->value(), 60);
    EXPECT_EQ(Form1->SpEdOffx->value(), 10);
    EXPECT_EQ(Form1->SpEdOffy->value(), 0);
    EXPECT_EQ(Form1->ImBild->bild().pixelColor(70, 1), Rot); // the preview ran

    // A second tall picture swaps back; a wide one after it keeps the values.
    lade(pfad(QStringLiteral("hoch.png.bmp")));
    EXPECT_EQ(puz_var::VorschauBreite, 240);
    lade(legeBmpAn(QStringLiteral("breit.bmp"), testhilfe::Muster(300, 200)));
    EXPECT_EQ(puz_var::VorschauBreite, 240);
    EXPECT_EQ(puz_var::VorschauHoehe, 160);
    EXPECT_EQ(Form1->width(), 470);
    EXPECT_EQ(Form1->Klienthoehe(), 420);
}

TEST_F(Vorbereitung, JpegWirdAlsBitmapDanebenGeschriebenUndWiederGeloescht)
{
    const QString foto = legeJpegAn(QStringLiteral("Foto.JPG"), testhilfe::Muster(120, 90));
    lade(foto);
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(puz_var::Bilddatei, pfad(QStringLiteral("Foto.bmp")));
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("Foto.bmp"))));
    EXPECT_TRUE(Form1->TempDatei);
    EXPECT_EQ(Form1->StGrInfo->item(0, 1)->text(), QStringLiteral("Foto.bmp"));
    EXPECT_EQ(puz_var::Dateikuerzel, QStringLiteral("Foto"));
    EXPECT_EQ(puz_var::Tabellendatei, QStringLiteral("Fotota.htm"));
    EXPECT_EQ(puz_var::Ausgabeverzeichnis, pfad());

    // Cancelling the dialog keeps the bitmap; loading the JPEG again reuses it.
    lade(QString());
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("Foto.bmp"))));
    lade(foto);
    EXPECT_EQ(puz_var::Bilddatei, pfad(QStringLiteral("Foto.bmp")));

    // Picking our own bitmap in the dialog keeps it ours, not deleted.
    lade(pfad(QStringLiteral("Foto.bmp")));
    EXPECT_TRUE(Form1->TempDatei);
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("Foto.bmp"))));

    // The next load deletes it; a PNG or BMP load writes nothing.
    lade(legeBmpAn(QStringLiteral("anderes.bmp"), testhilfe::Muster(50, 40)));
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("Foto.bmp"))));
    EXPECT_FALSE(Form1->TempDatei);
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("Foto.JPG"), QStringLiteral("anderes.bmp")}));
}

TEST_F(Vorbereitung, EineVorhandeneBitmapDesJpegNamensBleibtUnberuehrt)
{
    const QString eigene = legeBmpAn(QStringLiteral("Bild.bmp"), testhilfe::Muster(10, 10));
    QFile datei(eigene);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray vorher = datei.readAll();
    datei.close();

    lade(legeJpegAn(QStringLiteral("Bild.jpg"), testhilfe::Muster(64, 48)));
    EXPECT_EQ(puz_var::Bilddatei, pfad(QStringLiteral("Bild.1.bmp")));
    EXPECT_EQ(puz_var::Dateikuerzel, QStringLiteral("Bild"));
    EXPECT_EQ(Form1->ImBild->bild().size(), QSize(64, 48));
    lade(eigene);
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("Bild.1.bmp"))));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), vorher);
}

TEST_F(Vorbereitung, FehlgeschlagenesLadenAendertNichts)
{
    lade(legeJpegAn(QStringLiteral("Foto.jpg"), testhilfe::Muster(200, 160)));
    const QString bilddatei = puz_var::Bilddatei;
    const QImage gezeigt = Form1->ImBild->bild();

    QFile kaputt(pfad(QStringLiteral("kaputt.bmp")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("BM das ist kein Bild");
    kaputt.close();
    for (const QString& name : {QStringLiteral("kaputt.bmp"), QStringLiteral("fehlt.png"), QStringLiteral("bild.gif")}) {
        meldungen.clear();
        lade(pfad(name));
        ASSERT_EQ(meldungen.size(), 1) << qPrintable(name);
        EXPECT_FALSE(meldungen.first().isEmpty());
        EXPECT_EQ(puz_var::Bilddatei, bilddatei);
        EXPECT_EQ(puz_var::Ausgabeverzeichnis, pfad());
        EXPECT_EQ(puz_var::Bildverzeichnis, pfad());
        EXPECT_TRUE(Form1->TempDatei);
        EXPECT_TRUE(QFile::exists(bilddatei));
        EXPECT_TRUE(testhilfe::GleicheBilder(Form1->ImBild->bild(), gezeigt));
    }
    EXPECT_TRUE(meldungen.first().startsWith(QStringLiteral("Unbekannte Bilddateierweiterung (.gif)\n")));
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("kaputt.bmp"))));

    // The picture the user sees is still the one a cut works on.
    meldungen.clear();
    Form1->SpEdBreite->setValue(50);
    Form1->MenuSchneiden->trigger();
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(puz_var::Spalten, 3);
    EXPECT_EQ(puz_var::Zeilen, 3);
}

TEST_F(Vorbereitung, VerweigerteBreitenUndGitter)
{
    const QImage bild = testhilfe::Muster(361, 300);
    lade(legeBmpAn(QStringLiteral("baum.bmp"), bild));
    Form1->MenuSchneiden->trigger();
    const QImage mosaik = Form1->ImBild->bild();

    // A width below 1 is refused by preview, cut and save; nothing is drawn.
    Form1->SpEdBreite->setValue(0);
    for (QAction* befehl : {Form1->MenuVorschau, Form1->MenuSchneiden, Form1->Einzelbilder}) {
        meldungen.clear();
        befehl->trigger();
        ASSERT_EQ(meldungen.size(), 1);
        EXPECT_TRUE(meldungen.first().contains(QStringLiteral("mindestens 1 Pixel")));
    }
    EXPECT_TRUE(testhilfe::GleicheBilder(Form1->ImBild->bild(), mosaik));
    EXPECT_EQ(puz_var::Spalten, 4);
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("baum.bmp")});
    EXPECT_FALSE(puz_var::AusgabeGeprueft);

    // More than 100 tiles: refused before any slot is written.
    const QImage erstesTeil = puz_var::Teile[0];
    meldungen.clear();
    Form1->SpEdOffx->setValue(0);
    Form1->SpEdOffy->setValue(0);
    Form1->SpEdBreite->setValue(20); // 18 x 15 = 270 tiles
    Form1->MenuSchneiden->trigger();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("270")));
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("100")));
    EXPECT_EQ(puz_var::Spalten, 4);
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[0], erstesTeil));
    EXPECT_TRUE(puz_var::Teile[99].isNull());

    // No whole tile: refused, and nothing of the last cut is switched on
    // again after a new picture.
    lade(legeBmpAn(QStringLiteral("klein.bmp"), testhilfe::Muster(4, 3)));
    meldungen.clear();
    Form1->SpEdOffx->setValue(2); // 2 + 3 > 4
    Form1->SpEdBreite->setValue(3);
    Form1->MenuSchneiden->trigger();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("kein ganzes Teil")));
    EXPECT_FALSE(Form1->MenuSpeichern->menuAction()->isEnabled());
    EXPECT_FALSE(Form1->MenuSpielen->menuAction()->isEnabled());
    EXPECT_EQ(puz_var::Spalten, 4);
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[0], erstesTeil));

    // Under five pixels the automatic grid takes the shorter side: one tile.
    meldungen.clear();
    Form1->BuAuto->click();
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(Form1->SpEdBreite->value(), 3);
    EXPECT_EQ(Form1->SpEdOffx->value(), 0);
    Form1->MenuSchneiden->trigger();
    EXPECT_EQ(puz_var::Spalten * puz_var::Zeilen, 1);
}

TEST_F(Vorbereitung, PanoramaBekommtMitAutoGanzeTeile)
{
    // Eight times wider than high: a fifth of the width is taller than the
    // picture, so the height is the tile.
    const QImage bild = testhilfe::Muster(805, 100);
    lade(legeBmpAn(QStringLiteral("panorama.bmp"), bild));
    Form1->BuAuto->click();
    EXPECT_EQ(Form1->SpEdBreite->value(), 100);
    EXPECT_EQ(Form1->SpEdOffx->value(), 2);
    EXPECT_EQ(Form1->SpEdOffy->value(), 0);
    Form1->MenuSchneiden->trigger();
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(puz_var::Spalten, 8);
    EXPECT_EQ(puz_var::Zeilen, 1);
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Gesamtbild, bild.copy(2, 0, 800, 100)));
    EXPECT_TRUE(Form1->MenuSpeichern->menuAction()->isEnabled());
}

TEST_F(Vorbereitung, NegativeOffsetsZeigenAusserhalbDenHintergrund)
{
    const QImage bild = testhilfe::Muster(100, 80);
    lade(legeBmpAn(QStringLiteral("rand.bmp"), bild));
    Form1->SpEdOffx->setValue(-20);
    Form1->SpEdOffy->setValue(-10);
    Form1->SpEdBreite->setValue(40);
    Form1->MenuSchneiden->trigger();
    ASSERT_EQ(puz_var::Spalten, 3);
    ASSERT_EQ(puz_var::Zeilen, 2);
    const QImage& erstes = puz_var::Teile[0];
    EXPECT_EQ(erstes.pixelColor(0, 0), Blau);
    EXPECT_TRUE(testhilfe::GleicheBilder(erstes.copy(20, 10, 20, 30), bild.copy(0, 0, 20, 30)));
    EXPECT_EQ(puz_var::Gesamtbild.size(), QSize(120, 80));
}

TEST_F(Vorbereitung, WaehrendDesSchnittsWirdNichtsAnderesAngenommen)
{
    const QImage bild = testhilfe::Muster(361, 300);
    lade(legeBmpAn(QStringLiteral("luftbild.bmp"), bild));
    const QString zweites = legeBmpAn(QStringLiteral("zweites.bmp"), testhilfe::Muster(50, 50));
    Form1->ScBaWartezeit->setValue(5);
    QGuiApplication::clipboard()->setImage(testhilfe::Muster(30, 30));

    bool gesperrt = false;
    bool pruefungVerweigert = false;
    QTimer::singleShot(0, Form1, [&] {
        gesperrt = Form1->SchnittLaeuft && !Form1->MenuLaden->isEnabled() &&
                   !Form1->MenuSchneiden->isEnabled() && !Form1->MenuSpeichern->menuAction()->isEnabled();
        Dialoge::BildOeffnen = [zweites](QWidget*) { return zweites; };
        Form1->BuLadenClick();
        Form1->BuZwischenablageClick();
        Form1->BuSchneidenClick();
        Form1->BuVorschauClick();
        Form1->EinzelbilderClick();
        pruefungVerweigert = !Form1->AusgabePruefen();
    });
    Form1->MenuSchneiden->trigger();
    Form1->ScBaWartezeit->setValue(0);

    EXPECT_TRUE(gesperrt);
    EXPECT_TRUE(pruefungVerweigert);
    EXPECT_FALSE(Form1->SchnittLaeuft);
    EXPECT_EQ(puz_var::Bilddatei, pfad(QStringLiteral("luftbild.bmp")));
    EXPECT_EQ(puz_var::Spalten, 4);
    EXPECT_EQ(Form1->Zaehler, 12);
    EXPECT_TRUE(testhilfe::GleicheBilder(puz_var::Teile[11], bild.copy(250, 170, 80, 80)));
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("luftbild.bmp"), QStringLiteral("zweites.bmp")}));
    EXPECT_TRUE(Form1->MenuLaden->isEnabled());
    EXPECT_TRUE(Form1->MenuSpeichern->menuAction()->isEnabled());
    QGuiApplication::clipboard()->clear();
}

TEST_F(Vorbereitung, ZwischenablageWirdAlsBitmapUebernommen)
{
    puz_var::Ausgabeverzeichnis = pfad();
    QGuiApplication::clipboard()->clear();
    Form1->Zwischenablage1->trigger();
    EXPECT_TRUE(dateien().isEmpty());
    EXPECT_FALSE(Form1->TempDatei);
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Die Zwischenablage enthält kein Bild.")});
    meldungen.clear();

    const QImage bild = testhilfe::Muster(150, 100);
    QGuiApplication::clipboard()->setImage(bild);
    Form1->Zwischenablage1->trigger();
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    // The bitmap is the program's scratch, kept out of the output folder.
    const QString datei = puz_var::Arbeitsverzeichnis() + QStringLiteral("zwischenablage_temp.bmp");
    EXPECT_EQ(puz_var::Bilddatei, datei);
    EXPECT_EQ(puz_var::Ausgabeverzeichnis, pfad());
    EXPECT_EQ(puz_var::Bildverzeichnis, pfad());
    EXPECT_TRUE(Form1->TempDatei);
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(datei), bild));
    EXPECT_EQ(Form1->StGrInfo->item(0, 1)->text(), QStringLiteral("zwischenablage_temp.bmp"));
    EXPECT_EQ(puz_var::Dateikuerzel, QStringLiteral("zwisch"));
    EXPECT_TRUE(Form1->MenuSchneiden->isEnabled());

    // The puzzle itself lands in the output folder.
    Form1->MenuSchneiden->trigger();
    Form1->Einzelbilder->trigger();
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_TRUE(dateien().contains(QStringLiteral("zwisch0_0.jpg")));
    EXPECT_FALSE(dateien().contains(QStringLiteral("zwischenablage_temp.bmp")));

    // The next picture removes the scratch bitmap.
    lade(legeBmpAn(QStringLiteral("baum.bmp"), testhilfe::Muster(50, 50)));
    EXPECT_FALSE(QFileInfo::exists(datei));
    QGuiApplication::clipboard()->clear();
}

TEST_F(Vorbereitung, GrossesBildBleibtAufDemBildschirmUndRollt)
{
    lade(legeBmpAn(QStringLiteral("gross.bmp"), testhilfe::Muster(1000, 999)));
    Form1->BuAuto->click();
    EXPECT_EQ(Form1->SpEdBreite->value(), 200);
    EXPECT_EQ(Form1->SpEdOffx->value(), 0);
    EXPECT_EQ(Form1->SpEdOffy->value(), 99);
    for (int y : {99, 299, 499, 699, 899})
        EXPECT_EQ(Form1->ImBild->bild().pixelColor(500, y), Rot) << y;

    const QRect frei = Form1->screen()->availableGeometry();
    EXPECT_LE(Form1->frameGeometry().width(), frei.width());
    EXPECT_LE(Form1->frameGeometry().height(), frei.height());
    EXPECT_EQ(Form1->ImBild->size(), QSize(1000, 999));
    EXPECT_LT(Form1->PaBild->width(), 1000);
    EXPECT_LT(Form1->PaBild->height(), 999);
    EXPECT_LE(Form1->PaBild->geometry().bottom(), Form1->Klienthoehe());

    Form1->MenuSchneiden->trigger();
    EXPECT_EQ(puz_var::Spalten, 5);
    EXPECT_EQ(puz_var::Zeilen, 4);
}

TEST_F(Vorbereitung, TastenkuerzelAusgabezeileUndDeutscheStandardtexte)
{
    const QString datei = legeBmpAn(QStringLiteral("erstes.bmp"), testhilfe::Muster(361, 300));
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    lade(datei);

    // The output folder shows at once, also after the options change it.
    EXPECT_EQ(Form1->StGrInfo->item(2, 1)->text(), QDir::toNativeSeparators(pfad()));
    Fo_Optionen->EdAusgabeverzeichnis->setText(QStringLiteral("/woanders/"));
    EXPECT_EQ(Form1->StGrInfo->item(2, 1)->text(), QDir::toNativeSeparators(QStringLiteral("/woanders/")));

    // Alt+V draws the preview at the first press: the button and the menu
    // item do not share the key.
    QTest::keyClick(Form1, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(Form1->ImBild->bild().pixelColor(10, 5), QColor(0xFF, 0, 0));

    // Qt's own texts, as in the standard dialogs, are German.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Find Directory"), QStringLiteral("Verzeichnis suchen"));
    EXPECT_NE(QCoreApplication::translate("QColorDialog", "Select Color"), QStringLiteral("Select Color"));
    Form1->hide();
}

TEST_F(Vorbereitung, BildVonDerBefehlszeileWieMitLaden)
{
    // A file that is missing: the load's own message, nothing changes.
    const QString fehlt = pfad(QStringLiteral("fehlt.png"));
    Form1->LadeBild(fehlt);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("fehlt.png"))) << qPrintable(meldungen.first());
    EXPECT_NE(puz_var::Bilddatei, fehlt);

    const QString datei = legeBmpAn(QStringLiteral("ferien.bmp"), testhilfe::Muster(200, 150));
    Form1->LadeBild(datei);
    EXPECT_EQ(puz_var::Bilddatei, datei);
    EXPECT_EQ(Form1->StGrInfo->item(1, 1)->text(), QStringLiteral("200 x 150"));
    EXPECT_TRUE(Form1->MenuSchneiden->isEnabled());
}
