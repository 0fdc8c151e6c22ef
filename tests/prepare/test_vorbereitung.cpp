// Loading, grid, cut and their refusals, driven through the main menu.
#include "vorbereitung_hilfe.h"

#include "export/seitenausgabe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

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
    // It fits the start size: shown at its own size in the unchanged window.
    EXPECT_EQ(haupt().size(), haupt().minimumSize());
    EXPECT_EQ(teil<Bildfeld>("ImBild")->size(), QSize(361, 300));
    EXPECT_TRUE(teil<QAction>("MenuSchneiden")->isEnabled());
    EXPECT_FALSE(menue("MenuSpeichern")->isEnabled());

    // The grid lines, two pixels wide, are drawn over the clean picture.
    waehle("MenuVorschau");
    EXPECT_TRUE(testhilfe::GleicheBilder(angezeigt(), bild));
    const QImage gezeigt = gemalt();
    for (int x : {10, 90, 170, 250, 330})
        for (int dx : {0, 1})
            EXPECT_EQ(gezeigt.pixelColor(x + dx, 5), Rot) << x;
    for (int y : {10, 90, 170, 250})
        EXPECT_EQ(gezeigt.pixelColor(5, y + 1), Rot) << y;
    EXPECT_EQ(gezeigt.pixel(12, 12), bild.pixel(12, 12));
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
    EXPECT_EQ(teil<Bildfeld>("ImBild")->Gitterlinien()->breite, 60); // the preview ran

    // A second tall picture swaps back; a wide one after it keeps the values.
    lade(pfad(QStringLiteral("hoch.png.bmp")));
    EXPECT_EQ(einstellungen().VorschauBreite, 240);
    lade(legeBmpAn(QStringLiteral("breit.bmp"), testhilfe::Muster(300, 200)));
    EXPECT_EQ(einstellungen().VorschauBreite, 240);
    EXPECT_EQ(einstellungen().VorschauHoehe, 160);
}

// A JPEG is read through a bitmap converted from it: scratch of the program,
// never among the user's photos, and gone when the next picture comes.
TEST_F(Vorbereitung, JpegWirdAlsBitmapImArbeitsordnerGeschriebenUndWiederGeloescht)
{
    const QString eigene = legeBmpAn(QStringLiteral("Foto.bmp"), testhilfe::Muster(10, 10)); // the user's own
    const QString foto = legeJpegAn(QStringLiteral("Foto.JPG"), testhilfe::Muster(120, 90));
    const QStringList vorher = dateien();
    lade(foto);
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    const QString bitmap = haupt().Arbeitsverzeichnis() + QStringLiteral("Foto.bmp");
    EXPECT_EQ(puzzle().bilddatei, bitmap);
    EXPECT_TRUE(QFile::exists(bitmap));
    EXPECT_EQ(dateien(), vorher);
    EXPECT_TRUE(testhilfe::GleicheBilder(lies(eigene), testhilfe::Muster(10, 10)));
    EXPECT_EQ(info(0), QStringLiteral("Foto.JPG")); // the file chosen, not its bitmap
    EXPECT_EQ(puzzle().kuerzel, QStringLiteral("Foto"));
    EXPECT_EQ(Tabellendatei(puzzle().kuerzel), QStringLiteral("Fotota.htm"));
    EXPECT_EQ(einstellungen().Ausgabeverzeichnis, pfad());

    // Cancelling the dialog keeps the bitmap; loading the JPEG again reuses its name.
    lade(QString());
    EXPECT_TRUE(QFile::exists(bitmap));
    lade(foto);
    EXPECT_EQ(puzzle().bilddatei, bitmap);

    // The next load deletes it; a PNG or BMP load writes nothing.
    lade(eigene);
    EXPECT_FALSE(QFile::exists(bitmap));
    EXPECT_EQ(dateien(), vorher);
    // A picture the user chose is not the program's to delete.
    lade(foto);
    EXPECT_TRUE(QFile::exists(eigene));
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
        EXPECT_TRUE(meldungen.first().contains(name)) << qPrintable(meldungen.first());
        EXPECT_EQ(puzzle().bilddatei, bilddatei);
        EXPECT_EQ(einstellungen().Ausgabeverzeichnis, pfad());
        EXPECT_EQ(startordner(), pfad());
        EXPECT_TRUE(QFile::exists(bilddatei));
        EXPECT_TRUE(testhilfe::GleicheBilder(angezeigt(), gezeigt));
    }
    EXPECT_TRUE(meldungen.first().startsWith(QStringLiteral("bild.gif: Unbekannte Bilddateierweiterung (.gif)\n")));
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

// A picture larger than the screen: the window grows within the screen and
// shows the picture whole, scaled down, with grid lines still two pixels
// wide; 100 % shows it at its own size in scroll bars. The view follows the
// window's size, and the cut's frames and its mosaic show scaled as well.
TEST_F(Vorbereitung, GrossesBildWirdEingepasstUndAufWunschInOriginalgroesseGezeigt)
{
    haupt().show();
    lade(legeBmpAn(QStringLiteral("gross.bmp"), testhilfe::Muster(2000, 1500)));
    teil<QPushButton>("BuAuto")->click();
    ASSERT_EQ(teil<QSpinBox>("SpEdBreite")->value(), 400);
    ASSERT_EQ(teil<QSpinBox>("SpEdOffy")->value(), 150);

    const QRect frei = haupt().screen()->availableGeometry();
    EXPECT_TRUE(frei.contains(haupt().frameGeometry()));
    EXPECT_GT(haupt().width(), haupt().minimumWidth());
    Bildfeld* feld = teil<Bildfeld>("ImBild");
    const QScrollArea* panel = teil<QScrollArea>("PaBild");
    // Whole, in proportion, and touching the area's edge on one side.
    const auto eingepasst = [&] {
        const QSize f = feld->size();
        EXPECT_TRUE(panel->rect().contains(feld->geometry())) << f.width() << "x" << f.height();
        EXPECT_TRUE(f.width() == panel->width() || f.height() == panel->height());
        EXPECT_NEAR(f.width() * 3.0, f.height() * 4.0, 4.0);
    };
    eingepasst();
    const QSize f = feld->size();
    const QImage linien = gemalt();
    for (int x : {400, 800, 1200, 1600})
        for (int dx : {0, 1})
            EXPECT_EQ(linien.pixelColor(x * f.width() / 2000 + dx, 5), Rot) << x;
    EXPECT_EQ(linien.pixelColor(5, 550 * f.height() / 1500 + 1), Rot);
    EXPECT_NE(linien.pixelColor(200 * f.width() / 2000, 350 * f.height() / 1500), Rot);

    QPushButton* original = teil<QPushButton>("BuOriginal");
    original->click();
    EXPECT_EQ(feld->size(), QSize(2000, 1500));
    EXPECT_GT(panel->horizontalScrollBar()->maximum(), 500);
    panel->horizontalScrollBar()->setValue(500);
    original->click();
    EXPECT_EQ(feld->size(), f);
    eingepasst(); // not left scrolled away

    haupt().resize(haupt().minimumSize());
    EXPECT_LT(feld->width(), f.width());
    eingepasst();

    // Halfway through the cut the first tile is framed in yellow, visibly;
    // at its end the packed tiles show on the background.
    QImage waehrend;
    teil<QScrollBar>("ScBaWartezeit")->setValue(5);
    QTimer::singleShot(0, &haupt(), [&] { waehrend = gemalt(); });
    waehle("MenuSchneiden");
    teil<QScrollBar>("ScBaWartezeit")->setValue(0);
    const QSize k = feld->size();
    ASSERT_EQ(waehrend.size(), k);
    for (const QPoint stelle : {QPoint(0, 350 * k.height() / 1500), QPoint(1, 350 * k.height() / 1500),
                                QPoint(200 * k.width() / 2000, 155 * k.height() / 1500)}) {
        const QColor farbe = waehrend.pixelColor(stelle);
        EXPECT_TRUE(farbe.red() > 240 && farbe.green() > 240 && farbe.blue() < 20)
            << stelle.x() << "," << stelle.y() << ": " << qPrintable(farbe.name());
    }
    EXPECT_EQ(puzzle().kacheln.spalten, 5);
    EXPECT_EQ(puzzle().kacheln.zeilen, 3);
    EXPECT_EQ(gemalt().pixelColor(k.width() / 2, 1400 * k.height() / 1500), Blau);
    haupt().hide();
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
    // item do not share the key. Alt+1 shows the picture at 100 % and back.
    QTest::keyClick(&haupt(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(teil<Bildfeld>("ImBild")->Gitterlinien());
    // The button clicks itself a moment after its key, as buttons do.
    QPushButton* original = teil<QPushButton>("BuOriginal");
    QTest::keyClick(&haupt(), Qt::Key_1, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([original] { return original->isChecked(); }));
    QTest::keyClick(&haupt(), Qt::Key_1, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([original] { return !original->isChecked(); }));

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

// A picture file dropped on the window loads as "&Laden" loads it; several
// files or anything but a picture file are refused and change nothing.
TEST_F(Vorbereitung, AbgelegteBilddateiWirdGeladen)
{
    const QString katze = legeJpegAn(QStringLiteral("katze.jpg"), testhilfe::Muster(120, 90));
    const QString baum = legeBmpAn(QStringLiteral("baum.bmp"), testhilfe::Muster(50, 40));
    const auto ablegen = [](const QList<QUrl>& adressen) {
        QMimeData daten;
        daten.setUrls(adressen);
        QDragEnterEvent hinein(QPoint(300, 200), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&haupt(), &hinein);
        EXPECT_TRUE(hinein.isAccepted());
        QDropEvent ab(QPointF(300, 200), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&haupt(), &ab);
        QCoreApplication::processEvents();
    };
    ablegen({QUrl::fromLocalFile(katze)});
    ASSERT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    EXPECT_EQ(puzzle().herkunft, QDir::toNativeSeparators(katze));
    EXPECT_EQ(info(0), QStringLiteral("katze.jpg"));
    EXPECT_EQ(startordner(), pfad());

    const QString bilddatei = puzzle().bilddatei;
    ablegen({QUrl::fromLocalFile(baum), QUrl::fromLocalFile(katze)});
    ablegen({QUrl::fromLocalFile(pfad(QStringLiteral("notiz.txt")))});
    ablegen({QUrl(QStringLiteral("https://example.org/bild.jpg"))});
    ASSERT_EQ(meldungen.size(), 3);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("nur ein Bild"))) << qPrintable(meldungen[0]);
    EXPECT_EQ(puzzle().bilddatei, bilddatei);
    EXPECT_EQ(info(0), QStringLiteral("katze.jpg"));
}
