// Loading, grid, cut and their refusals, driven through the main menu.
#include "vorbereitung_hilfe.h"

#include "export/seitenausgabe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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

namespace {
Hauptfenster& fenster() { return testhilfe::Anwendung().hauptfenster(); }
Puzzle& puzzle() { return testhilfe::Modell().puzzle; }
Einstellungen& einstellungen() { return testhilfe::Modell().einstellungen; }
const QImage& kachel(int i) { return puzzle().kacheln.teile.at(size_t(i)); }
QString info(int zeile) { return testhilfe::Teil<QTableWidget>(&fenster(), "StGrInfo")->item(zeile, 1)->text(); }
QAction* menue(const char* name) { return testhilfe::Teil<QMenu>(&fenster(), name)->menuAction(); }
// The window below its menu bar.
int klienthoehe() { return fenster().height() - fenster().menuBar()->sizeHint().height(); }

// The folder the picture dialog of "&Laden" starts in (the dialog is
// cancelled, which changes nothing).
QString startordner()
{
    QString start;
    Dialoge::BildOeffnen = [&start](QWidget*, const QString& ordner, const QString&) {
        start = ordner;
        return QString();
    };
    testhilfe::Teil<QAction>(&fenster(), "MenuLaden")->trigger();
    Dialoge::BildOeffnen = [](QWidget*, const QString&, const QString&) { return QString(); };
    return start;
}
} // namespace

TEST_F(Vorbereitung, LadenVorschauUndSchnittAuf361x300)
{
    const QImage bild = testhilfe::Muster(361, 300);
    lade(legeBmpAn(QStringLiteral("luftbild.bmp"), bild));
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));

    EXPECT_EQ(info(0), QStringLiteral("luftbild.bmp"));
    EXPECT_EQ(info(1), QStringLiteral("361 x 300"));
    EXPECT_EQ(puzzle().kuerzel, QStringLiteral("luftbi"));
    EXPECT_EQ(Tabellendatei(puzzle().kuerzel), QStringLiteral("luftbita.htm"));
    EXPECT_EQ(startordner(), pfad());
    EXPECT_EQ(einstellungen().Ausgabeverzeichnis, pfad());
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("luftbild.bmp")});
    EXPECT_EQ(haupt().width(), 160 + 361 + 10);
    EXPECT_EQ(klienthoehe(), 420);
    EXPECT_TRUE(teil<QAction>("MenuSchneiden")->isEnabled());
    EXPECT_FALSE(menue("MenuSpeichern")->isEnabled());

    waehle("MenuVorschau");
    const QImage& gezeigt = angezeigt();
    for (int x : {10, 90, 170, 250, 330})
        EXPECT_EQ(gezeigt.pixelColor(x, 5), Rot) << x;
    for (int y : {10, 90, 170, 250})
        EXPECT_EQ(gezeigt.pixelColor(5, y), Rot) << y;
    EXPECT_EQ(gezeigt.pixel(11, 11), bild.pixel(11, 11));
    EXPECT_EQ(gezeigt.pixel(340, 295), bild.pixel(340, 295));
    const QImage& anzeige = teil<Bildfeld>("PaBoSchnitt")->bild();
    EXPECT_TRUE(testhilfe::GleicheBilder(anzeige.copy(0, 0, 80, 80), bild.copy(0, 0, 80, 80)));
    EXPECT_EQ(anzeige.pixelColor(100, 100), Silber);

    waehle("MenuSchneiden");
    const Kachelsatz& kacheln = puzzle().kacheln;
    ASSERT_EQ(kacheln.spalten, 4);
    ASSERT_EQ(kacheln.zeilen, 3);
    ASSERT_EQ(kacheln.teile.size(), 12u);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_TRUE(testhilfe::GleicheBilder(kachel(c * 3 + r), bild.copy(10 + c * 80, 10 + r * 80, 80, 80)))
                << c << "," << r;
    EXPECT_TRUE(testhilfe::GleicheBilder(kacheln.gesamtbild, bild.copy(10, 10, 320, 240)));
    EXPECT_TRUE(testhilfe::GleicheBilder(angezeigt().copy(0, 0, 320, 240), kacheln.gesamtbild));
    EXPECT_EQ(angezeigt().pixelColor(330, 250), Blau);
    EXPECT_EQ(angezeigt().size(), QSize(361, 300));
    // During the cut the row showed each tile's label; now the output folder again.
    EXPECT_EQ(info(2), QDir::toNativeSeparators(einstellungen().Ausgabeverzeichnis));
    EXPECT_TRUE(menue("MenuSpeichern")->isEnabled());
    EXPECT_TRUE(menue("MenuSpielen")->isEnabled());
    EXPECT_TRUE(teil<QAction>("MenuLaden")->isEnabled());

    // A second, finer cut starts from the clean picture and replaces the tiles.
    teil<QSpinBox>("SpEdBreite")->setValue(100);
    waehle("MenuSchneiden");
    EXPECT_EQ(kacheln.spalten, 3);
    EXPECT_EQ(kacheln.zeilen, 2);
    EXPECT_TRUE(testhilfe::GleicheBilder(kachel(3), bild.copy(110, 110, 100, 100)));

    // Loading again leaves the state Geschnitten.
    lade(pfad(QStringLiteral("luftbild.bmp")));
    EXPECT_FALSE(menue("MenuSpeichern")->isEnabled());
    EXPECT_FALSE(menue("MenuSpielen")->isEnabled());
}

TEST_F(Vorbereitung, AutomatischesGitterUndHochformat)
{
    lade(legeBmpAn(QStringLiteral("hoch.png.bmp"), testhilfe::Muster(200, 300)));
    EXPECT_EQ(puzzle().kuerzel, QStringLiteral("hoch"));
    EXPECT_EQ(einstellungen().VorschauBreite, 160);
    EXPECT_EQ(einstellungen().VorschauHoehe, 240);
    teil<QPushButton>("BuAuto")->click();
    EXPECT_EQ(teil<QSpinBox>("SpEdBreite")->value(), 60);
    EXPECT_EQ(teil<QSpinBox>("SpEdOffx")->value(), 10);
    EXPECT_EQ(teil<QSpinBox>("SpEdOffy")->value(), 0);
    EXPECT_EQ(angezeigt().pixelColor(70, 1), Rot); // the preview ran

    // A second tall picture swaps back; a wide one after it keeps the values.
    lade(pfad(QStringLiteral("hoch.png.bmp")));
    EXPECT_EQ(einstellungen().VorschauBreite, 240);
    lade(legeBmpAn(QStringLiteral("breit.bmp"), testhilfe::Muster(300, 200)));
    EXPECT_EQ(einstellungen().VorschauBreite, 240);
    EXPECT_EQ(einstellungen().VorschauHoehe, 160);
    EXPECT_EQ(haupt().width(), 470);
    EXPECT_EQ(klienthoehe(), 420);
}

TEST_F(Vorbereitung, JpegWirdAlsBitmapDanebenGeschriebenUndWiederGeloescht)
{
    const QString foto = legeJpegAn(QStringLiteral("Foto.JPG"), testhilfe::Muster(120, 90));
    lade(foto);
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(puzzle().bilddatei, pfad(QStringLiteral("Foto.bmp")));
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("Foto.bmp"))));
    EXPECT_EQ(info(0), QStringLiteral("Foto.bmp"));
    EXPECT_EQ(puzzle().kuerzel, QStringLiteral("Foto"));
    EXPECT_EQ(Tabellendatei(puzzle().kuerzel), QStringLiteral("Fotota.htm"));
    EXPECT_EQ(einstellungen().Ausgabeverzeichnis, pfad());

    // Cancelling the dialog keeps the bitmap; loading the JPEG again reuses it.
    lade(QString());
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("Foto.bmp"))));
    lade(foto);
    EXPECT_EQ(puzzle().bilddatei, pfad(QStringLiteral("Foto.bmp")));

    // Picking our own bitmap in the dialog keeps it ours, not deleted.
    lade(pfad(QStringLiteral("Foto.bmp")));
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("Foto.bmp"))));

    // The next load deletes it; a PNG or BMP load writes nothing.
    const QString anderes = legeBmpAn(QStringLiteral("anderes.bmp"), testhilfe::Muster(50, 40));
    lade(anderes);
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("Foto.bmp"))));
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("Foto.JPG"), QStringLiteral("anderes.bmp")}));
    // A picture the user chose is not the program's to delete.
    lade(foto);
    EXPECT_TRUE(QFile::exists(anderes));
}

TEST_F(Vorbereitung, EineVorhandeneBitmapDesJpegNamensBleibtUnberuehrt)
{
    const QString eigene = legeBmpAn(QStringLiteral("Bild.bmp"), testhilfe::Muster(10, 10));
    QFile datei(eigene);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray vorher = datei.readAll();
    datei.close();

    lade(legeJpegAn(QStringLiteral("Bild.jpg"), testhilfe::Muster(64, 48)));
    EXPECT_EQ(puzzle().bilddatei, pfad(QStringLiteral("Bild.1.bmp")));
    EXPECT_EQ(puzzle().kuerzel, QStringLiteral("Bild"));
    EXPECT_EQ(angezeigt().size(), QSize(64, 48));
    lade(eigene);
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("Bild.1.bmp"))));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), vorher);
}

TEST_F(Vorbereitung, FehlgeschlagenesLadenAendertNichts)
{
    lade(legeJpegAn(QStringLiteral("Foto.jpg"), testhilfe::Muster(200, 160)));
    const QString bilddatei = puzzle().bilddatei;
    const QImage gezeigt = angezeigt();

    QFile kaputt(pfad(QStringLiteral("kaputt.bmp")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("BM das ist kein Bild");
    kaputt.close();
    for (const QString& name : {QStringLiteral("kaputt.bmp"), QStringLiteral("fehlt.png"), QStringLiteral("bild.gif")}) {
        meldungen.clear();
        lade(pfad(name));
        ASSERT_EQ(meldungen.size(), 1) << qPrintable(name);
        EXPECT_FALSE(meldungen.first().isEmpty());
        EXPECT_EQ(puzzle().bilddatei, bilddatei);
        EXPECT_EQ(einstellungen().Ausgabeverzeichnis, pfad());
        EXPECT_EQ(startordner(), pfad());
        EXPECT_TRUE(QFile::exists(bilddatei));
        EXPECT_TRUE(testhilfe::GleicheBilder(angezeigt(), gezeigt));
    }
    EXPECT_TRUE(meldungen.first().startsWith(QStringLiteral("Unbekannte Bilddateierweiterung (.gif)\n")));
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("kaputt.bmp"))));

    // The picture the user sees is still the one a cut works on.
    meldungen.clear();
    teil<QSpinBox>("SpEdBreite")->setValue(50);
    waehle("MenuSchneiden");
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(puzzle().kacheln.spalten, 3);
    EXPECT_EQ(puzzle().kacheln.zeilen, 3);

    // The JPEG's bitmap is still the program's own: the next picture removes it.
    lade(legeBmpAn(QStringLiteral("danach.bmp"), testhilfe::Muster(20, 20)));
    EXPECT_FALSE(QFile::exists(bilddatei));
}

TEST_F(Vorbereitung, VerweigerteBreitenUndGitter)
{
    const QImage bild = testhilfe::Muster(361, 300);
    lade(legeBmpAn(QStringLiteral("baum.bmp"), bild));
    waehle("MenuSchneiden");
    const QImage mosaik = angezeigt();

    // A width below 1 is refused by preview, cut and save; nothing is drawn.
    teil<QSpinBox>("SpEdBreite")->setValue(0);
    for (const char* befehl : {"MenuVorschau", "MenuSchneiden", "MenuKachelnJpg"}) {
        meldungen.clear();
        waehle(befehl);
        ASSERT_EQ(meldungen.size(), 1) << befehl;
        EXPECT_TRUE(meldungen.first().contains(QStringLiteral("mindestens 1 Pixel"))) << befehl;
    }
    EXPECT_TRUE(testhilfe::GleicheBilder(angezeigt(), mosaik));
    EXPECT_EQ(puzzle().kacheln.spalten, 4);
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("baum.bmp")});
    EXPECT_FALSE(puzzle().ausgabe.geprueft);

    // More than 100 tiles: refused before any tile is taken.
    const QImage erstesTeil = kachel(0);
    meldungen.clear();
    teil<QSpinBox>("SpEdOffx")->setValue(0);
    teil<QSpinBox>("SpEdOffy")->setValue(0);
    teil<QSpinBox>("SpEdBreite")->setValue(20); // 18 x 15 = 270 tiles
    waehle("MenuSchneiden");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("270")));
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("100")));
    EXPECT_EQ(puzzle().kacheln.spalten, 4);
    EXPECT_TRUE(testhilfe::GleicheBilder(kachel(0), erstesTeil));
    EXPECT_EQ(puzzle().kacheln.teile.size(), 12u);

    // No whole tile: refused, and nothing of the last cut is switched on
    // again after a new picture.
    lade(legeBmpAn(QStringLiteral("klein.bmp"), testhilfe::Muster(4, 3)));
    meldungen.clear();
    teil<QSpinBox>("SpEdOffx")->setValue(2); // 2 + 3 > 4
    teil<QSpinBox>("SpEdBreite")->setValue(3);
    waehle("MenuSchneiden");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("kein ganzes Teil")));
    EXPECT_FALSE(menue("MenuSpeichern")->isEnabled());
    EXPECT_FALSE(menue("MenuSpielen")->isEnabled());
    EXPECT_EQ(puzzle().kacheln.spalten, 4);
    EXPECT_TRUE(testhilfe::GleicheBilder(kachel(0), erstesTeil));

    // Under five pixels the automatic grid takes the shorter side: one tile.
    meldungen.clear();
    teil<QPushButton>("BuAuto")->click();
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(teil<QSpinBox>("SpEdBreite")->value(), 3);
    EXPECT_EQ(teil<QSpinBox>("SpEdOffx")->value(), 0);
    waehle("MenuSchneiden");
    EXPECT_EQ(puzzle().kacheln.Anzahl(), 1);
}

TEST_F(Vorbereitung, PanoramaBekommtMitAutoGanzeTeile)
{
    // Eight times wider than high: a fifth of the width is taller than the
    // picture, so the height is the tile.
    const QImage bild = testhilfe::Muster(805, 100);
    lade(legeBmpAn(QStringLiteral("panorama.bmp"), bild));
    teil<QPushButton>("BuAuto")->click();
    EXPECT_EQ(teil<QSpinBox>("SpEdBreite")->value(), 100);
    EXPECT_EQ(teil<QSpinBox>("SpEdOffx")->value(), 2);
    EXPECT_EQ(teil<QSpinBox>("SpEdOffy")->value(), 0);
    waehle("MenuSchneiden");
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(puzzle().kacheln.spalten, 8);
    EXPECT_EQ(puzzle().kacheln.zeilen, 1);
    EXPECT_TRUE(testhilfe::GleicheBilder(puzzle().kacheln.gesamtbild, bild.copy(2, 0, 800, 100)));
    EXPECT_TRUE(menue("MenuSpeichern")->isEnabled());
}

TEST_F(Vorbereitung, NegativeOffsetsZeigenAusserhalbDenHintergrund)
{
    const QImage bild = testhilfe::Muster(100, 80);
    lade(legeBmpAn(QStringLiteral("rand.bmp"), bild));
    teil<QSpinBox>("SpEdOffx")->setValue(-20);
    teil<QSpinBox>("SpEdOffy")->setValue(-10);
    teil<QSpinBox>("SpEdBreite")->setValue(40);
    waehle("MenuSchneiden");
    ASSERT_EQ(puzzle().kacheln.spalten, 3);
    ASSERT_EQ(puzzle().kacheln.zeilen, 2);
    const QImage& erstes = kachel(0);
    EXPECT_EQ(erstes.pixelColor(0, 0), Blau);
    EXPECT_TRUE(testhilfe::GleicheBilder(erstes.copy(20, 10, 20, 30), bild.copy(0, 0, 20, 30)));
    EXPECT_EQ(puzzle().kacheln.gesamtbild.size(), QSize(120, 80));
}

TEST_F(Vorbereitung, WaehrendDesSchnittsWirdNichtsAnderesAngenommen)
{
    const QImage bild = testhilfe::Muster(361, 300);
    lade(legeBmpAn(QStringLiteral("luftbild.bmp"), bild));
    const QString zweites = legeBmpAn(QStringLiteral("zweites.bmp"), testhilfe::Muster(50, 50));
    // A tile set from before, so a save let through during the cut would write.
    waehle("MenuSchneiden");
    teil<QScrollBar>("ScBaWartezeit")->setValue(5);
    QGuiApplication::clipboard()->setImage(testhilfe::Muster(30, 30));

    bool gesperrt = false;
    QTimer::singleShot(0, &haupt(), [&] {
        gesperrt = !teil<QAction>("MenuLaden")->isEnabled() && !teil<QAction>("MenuSchneiden")->isEnabled() &&
                   !menue("MenuSpeichern")->isEnabled();
        // Every way in: the menu entries, the buttons, the command line's
        // load and a save entry behind its switched-off menu.
        Dialoge::BildOeffnen = [zweites](QWidget*, const QString&, const QString&) { return zweites; };
        for (const char* befehl : {"MenuLaden", "MenuZwischenablage", "MenuSchneiden", "MenuVorschau"})
            waehle(befehl);
        teil<QPushButton>("BuAuto")->click();
        teil<QPushButton>("BuVorschau")->click();
        haupt().LadeBild(zweites);
        waehle("MenuKachelnJpg");
    });
    waehle("MenuSchneiden");
    teil<QScrollBar>("ScBaWartezeit")->setValue(0);

    EXPECT_TRUE(gesperrt);
    EXPECT_EQ(puzzle().bilddatei, pfad(QStringLiteral("luftbild.bmp")));
    EXPECT_EQ(puzzle().kacheln.spalten, 4);
    EXPECT_EQ(puzzle().kacheln.teile.size(), 12u);
    EXPECT_TRUE(testhilfe::GleicheBilder(kachel(11), bild.copy(250, 170, 80, 80)));
    EXPECT_EQ(dateien(), (QStringList{QStringLiteral("luftbild.bmp"), QStringLiteral("zweites.bmp")}));
    EXPECT_TRUE(teil<QAction>("MenuLaden")->isEnabled());
    EXPECT_TRUE(menue("MenuSpeichern")->isEnabled());
    QGuiApplication::clipboard()->clear();
}

TEST_F(Vorbereitung, ZwischenablageWirdAlsBitmapUebernommen)
{
    einstellungen().Ausgabeverzeichnis = pfad();
    QGuiApplication::clipboard()->clear();
    waehle("MenuZwischenablage");
    EXPECT_TRUE(dateien().isEmpty());
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Die Zwischenablage enthält kein Bild.")});
    meldungen.clear();

    const QImage bild = testhilfe::Muster(150, 100);
    QGuiApplication::clipboard()->setImage(bild);
    waehle("MenuZwischenablage");
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    // The bitmap is the program's scratch, kept out of the output folder.
    const QString datei = haupt().Arbeitsverzeichnis() + QStringLiteral("zwischenablage_temp.bmp");
    EXPECT_EQ(puzzle().bilddatei, datei);
    EXPECT_EQ(einstellungen().Ausgabeverzeichnis, pfad());
    EXPECT_EQ(startordner(), pfad());
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(datei), bild));
    EXPECT_EQ(info(0), QStringLiteral("zwischenablage_temp.bmp"));
    EXPECT_EQ(puzzle().kuerzel, QStringLiteral("zwisch"));
    EXPECT_TRUE(teil<QAction>("MenuSchneiden")->isEnabled());

    // The puzzle itself lands in the output folder.
    waehle("MenuSchneiden");
    waehle("MenuKachelnJpg");
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
    teil<QPushButton>("BuAuto")->click();
    EXPECT_EQ(teil<QSpinBox>("SpEdBreite")->value(), 200);
    EXPECT_EQ(teil<QSpinBox>("SpEdOffx")->value(), 0);
    EXPECT_EQ(teil<QSpinBox>("SpEdOffy")->value(), 99);
    for (int y : {99, 299, 499, 699, 899})
        EXPECT_EQ(angezeigt().pixelColor(500, y), Rot) << y;

    const QRect frei = haupt().screen()->availableGeometry();
    EXPECT_LE(haupt().frameGeometry().width(), frei.width());
    EXPECT_LE(haupt().frameGeometry().height(), frei.height());
    EXPECT_EQ(teil<Bildfeld>("ImBild")->size(), QSize(1000, 999));
    const QScrollArea* panel = teil<QScrollArea>("PaBild");
    EXPECT_LT(panel->width(), 1000);
    EXPECT_LT(panel->height(), 999);
    EXPECT_LE(panel->geometry().bottom(), klienthoehe());

    waehle("MenuSchneiden");
    EXPECT_EQ(puzzle().kacheln.spalten, 5);
    EXPECT_EQ(puzzle().kacheln.zeilen, 4);
}

TEST_F(Vorbereitung, TastenkuerzelAusgabezeileUndDeutscheStandardtexte)
{
    const QString datei = legeBmpAn(QStringLiteral("erstes.bmp"), testhilfe::Muster(361, 300));
    haupt().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&haupt()));
    lade(datei);

    // The output folder shows at once, also after the options change it.
    EXPECT_EQ(info(2), QDir::toNativeSeparators(pfad()));
    testhilfe::Teil<QLineEdit>(testhilfe::Fenster("Optionsdialog"), "EdAusgabeverzeichnis")
        ->setText(QStringLiteral("/woanders/"));
    EXPECT_EQ(info(2), QDir::toNativeSeparators(QStringLiteral("/woanders/")));

    // Alt+V draws the preview at the first press: the button and the menu
    // item do not share the key.
    QTest::keyClick(&haupt(), Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(angezeigt().pixelColor(10, 5), Rot);

    // Qt's own texts, as in the standard dialogs, are German.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Find Directory"), QStringLiteral("Verzeichnis suchen"));
    EXPECT_NE(QCoreApplication::translate("QColorDialog", "Select Color"), QStringLiteral("Select Color"));
    haupt().hide();
}

TEST_F(Vorbereitung, BildVonDerBefehlszeileWieMitLaden)
{
    // A file that is missing: the load's own message, nothing changes.
    const QString fehlt = pfad(QStringLiteral("fehlt.png"));
    haupt().LadeBild(fehlt);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("fehlt.png"))) << qPrintable(meldungen.first());
    EXPECT_NE(puzzle().bilddatei, fehlt);

    const QString datei = legeBmpAn(QStringLiteral("ferien.bmp"), testhilfe::Muster(200, 150));
    haupt().LadeBild(datei);
    EXPECT_EQ(puzzle().bilddatei, datei);
    EXPECT_EQ(info(1), QStringLiteral("200 x 150"));
    EXPECT_TRUE(teil<QAction>("MenuSchneiden")->isEnabled());
}
