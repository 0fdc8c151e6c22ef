// The main window's start state, its command states and the auxiliary
// windows, driven as the user drives them.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "codecs/bildcodec.h"
#include "dialogs/anleitung.h"
#include "dialogs/fehlerfenster.h"
#include "dialogs/hilfefenster.h"
#include "fenster/bildfeld.h"
#include "fenster/dialoge.h"
#include "fenster/farbfeld.h"
#include "fenster/hinweis.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString ohneKuerzel(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Every button caption of a window must fit its button.
void pruefeKnopfbeschriftungen(QWidget* fenster)
{
    for (QPushButton* knopf : fenster->findChildren<QPushButton*>()) {
        const int textbreite = knopf->fontMetrics().horizontalAdvance(ohneKuerzel(knopf->text())) +
                               (knopf->icon().isNull() ? 0 : knopf->iconSize().width() + 4);
        EXPECT_LE(textbreite + 6, knopf->width()) << qPrintable(knopf->text());
    }
}

Hauptfenster& haupt()
{
    return testhilfe::Anwendung().hauptfenster();
}

// A control or menu entry of the main window.
template <class T>
T* teil(const char* name)
{
    return testhilfe::Teil<T>(&haupt(), name);
}

QAction* aktion(const char* name)
{
    return teil<QAction>(name);
}

QAction* menue(const char* name)
{
    return teil<QMenu>(name)->menuAction();
}

QStringList texte(const QList<QAction*>& aktionen)
{
    QStringList texte;
    for (const QAction* a : aktionen)
        texte << a->text();
    return texte;
}

} // namespace

// Runs first: the state right after the start of the program.
TEST(Hauptfenster, ZustandNachDemStart)
{
    haupt().show();
    QApplication::processEvents();

    EXPECT_EQ(haupt().windowTitle(), "Tesselo V1.6");
    EXPECT_EQ(haupt().pos(), QPoint(0, 0));
    // As wide as the whole menu bar, as high as drawn plus the status line,
    // and never smaller: no menu entry hides behind "»". The left column
    // stands as drawn; the picture area fills the rest.
    EXPECT_EQ(haupt().width(), 600);
    EXPECT_EQ(haupt().height(), 460 + haupt().statusBar()->height());
    EXPECT_EQ(haupt().minimumSize(), haupt().size());
    QMenuBar* leiste = haupt().menuBar();
    EXPECT_FALSE(testhilfe::Teil<QToolButton>(leiste, "qt_menubar_ext_button")->isVisible());
    for (QAction* a : leiste->actions())
        EXPECT_TRUE(leiste->rect().contains(leiste->actionGeometry(a))) << qPrintable(a->text());
    EXPECT_EQ(teil<QGroupBox>("GrBoGitter")->geometry(), QRect(8, 288, 137, 118));
    EXPECT_EQ(teil<QScrollArea>("PaBild")->geometry(),
              QRect(160, 8, 600 - 170, haupt().centralWidget()->height() - 16));

    for (QAction* a : {aktion("MenuLaden"), aktion("MenuZwischenablage"), aktion("MenuEnde"), aktion("MenuInfo"),
                       aktion("MenuHilfe")})
        EXPECT_TRUE(a->isEnabled()) << qPrintable(a->text());
    for (QAction* a : {aktion("MenuVorschau"), aktion("MenuSchneiden"), aktion("MenuOptionen"),
                       menue("MenuSpeichern"), menue("MenuSpielen")})
        EXPECT_FALSE(a->isEnabled()) << qPrintable(a->text());

    for (QPushButton* knopf : {teil<QPushButton>("BuAuto"), teil<QPushButton>("BuVorschau")}) {
        EXPECT_TRUE(knopf->isVisible()) << qPrintable(knopf->text());
        EXPECT_FALSE(knopf->isEnabled()) << qPrintable(knopf->text());
    }
    EXPECT_TRUE(teil<QSpinBox>("SpEdBreite")->isEnabled());
    EXPECT_TRUE(teil<QScrollBar>("ScBaWartezeit")->isEnabled());

    QTableWidget* info = teil<QTableWidget>("StGrInfo");
    EXPECT_EQ(info->item(0, 0)->text(), "Datei");
    EXPECT_EQ(info->item(1, 0)->text(), "Maße");
    EXPECT_EQ(info->item(2, 0)->text(), "Ausgabe");
    EXPECT_EQ(teil<QSpinBox>("SpEdOffx")->value(), 10);
    EXPECT_EQ(teil<QSpinBox>("SpEdOffy")->value(), 10);
    EXPECT_EQ(teil<QSpinBox>("SpEdBreite")->value(), 80);
    EXPECT_EQ(teil<QScrollBar>("ScBaWartezeit")->value(), 1);
    EXPECT_EQ(teil<QScrollBar>("ScBaWartezeit")->maximum(), 100);
}

TEST(Hauptfenster, MenueBeschriftungenUndHinweise)
{
    EXPECT_EQ(texte(haupt().menuBar()->actions()),
              QStringList({"&Laden", "&Zwischenablage", "&Vorschau", "Sch&neiden", "&Optionen", "&Speichern",
                           "S&pielen", "&Ende", "&Info", "&Hilfe"}));
    EXPECT_EQ(texte(teil<QMenu>("MenuSpeichern")->actions()),
              QStringList({"als HTML-&SchiebePuzzle", "als HTML-&TauschPuzzle", "als HTML-&Bilderrätsel",
                           "&alle HTML-Spiele", "als HTML-Tabe&lle", "als &Einzeldatei",
                           "für &Lernplattform (SCORM)", "Arbeits&blatt (PDF)", "&Einzelbilder (jpg)",
                           "Einzelbilder (b&mp)"}));
    EXPECT_EQ(texte(teil<QMenu>("MenuSpielen")->actions()),
              QStringList({"&TauschPuzzle", "&SchiebePuzzle", "&Bilderrätsel"}));

    EXPECT_EQ(menue("MenuSpeichern")->toolTip(), "Einzelbilder und HTML-Formate speichern");
    EXPECT_EQ(menue("MenuSpeichern")->statusTip(), "Speichern");
    EXPECT_EQ(aktion("MenuSchiebeseite")->toolTip(), "zusätzlich Einzelbilder (jpg)");
    EXPECT_EQ(aktion("MenuTabelle")->toolTip(), "zusätzlich Einzelbilder (jpg)");
    EXPECT_EQ(teil<QPushButton>("BuAuto")->toolTip(), "5x3 Gitter erzeugen");
    EXPECT_EQ(teil<QPushButton>("BuVorschau")->toolTip(), "Gitteraufteilung zeigen");
    EXPECT_EQ(teil<QScrollBar>("ScBaWartezeit")->toolTip(), "bei der Anzeige der einzelnen Puzzleteile");
}

TEST(Hauptfenster, BefehlszustaendeFolgenAufeinander)
{
    QTemporaryDir ordner;
    const QString bild = ordner.filePath(QStringLiteral("bild.bmp"));
    ASSERT_TRUE(bildcodec::SchreibeBmp(testhilfe::Muster(200, 160), bild, nullptr));
    QStringList meldungen;
    Dialoge::Meldung = [&meldungen](QWidget*, const QString& text) { meldungen << text; };
    teil<QScrollBar>("ScBaWartezeit")->setValue(0);
    haupt().show();

    haupt().LadeBild(bild);
    for (QAction* a : {aktion("MenuVorschau"), aktion("MenuSchneiden"), aktion("MenuOptionen")})
        EXPECT_TRUE(a->isEnabled()) << qPrintable(a->text());
    for (QPushButton* knopf : {teil<QPushButton>("BuAuto"), teil<QPushButton>("BuVorschau")})
        EXPECT_TRUE(knopf->isEnabled()) << qPrintable(knopf->text());
    EXPECT_FALSE(menue("MenuSpeichern")->isEnabled());
    EXPECT_FALSE(menue("MenuSpielen")->isEnabled());
    EXPECT_TRUE(teil<QGroupBox>("GrBoGitter")->isVisible());

    aktion("MenuSchneiden")->trigger();
    EXPECT_TRUE(menue("MenuSpeichern")->isEnabled());
    EXPECT_TRUE(menue("MenuSpielen")->isEnabled());
    EXPECT_TRUE(aktion("MenuVorschau")->isEnabled()); // kept from Bild geladen

    // A new picture after a cut takes saving and playing away again.
    haupt().LadeBild(bild);
    EXPECT_FALSE(menue("MenuSpeichern")->isEnabled());
    EXPECT_FALSE(menue("MenuSpielen")->isEnabled());
    EXPECT_TRUE(aktion("MenuSchneiden")->isEnabled());
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
    testhilfe::StummeDialoge();
}

TEST(Hauptfenster, ProgrammverzeichnisEndetInEinemTrenner)
{
    const QString verzeichnis = testhilfe::Modell().programmverzeichnis;
    ASSERT_FALSE(verzeichnis.isEmpty());
    EXPECT_TRUE(verzeichnis.endsWith(QDir::separator()));
    EXPECT_FALSE(verzeichnis.endsWith(QString(QDir::separator()) + QDir::separator()));
    EXPECT_EQ(QDir(verzeichnis).canonicalPath(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

#ifndef Q_OS_WIN
TEST(Hauptfenster, ArbeitsverzeichnisImTemporaerenOrdner)
{
    const QString arbeit = haupt().Arbeitsverzeichnis();
    EXPECT_TRUE(arbeit.startsWith(QDir::tempPath() + QLatin1Char('/')));
    EXPECT_TRUE(arbeit.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(arbeit).isDir());
    EXPECT_EQ(haupt().Arbeitsverzeichnis(), arbeit); // one folder for the whole run
}
#endif

TEST(Hauptfenster, HintergrundfarbeWaehlenUndAbbrechen)
{
    Einstellungen& e = testhilfe::Modell().einstellungen;
    Farbfeld* farbfeld = teil<Farbfeld>("CoBoHintergrund");
    Bildfeld* schnitt = teil<Bildfeld>("PaBoSchnitt");
    e.Hintergrundfarbe = 0xFF0000;
    haupt().hide();
    haupt().show(); // showing paints the background anew

    Dialoge::FarbeWaehlen = [](QWidget*, const QColor& vorgabe) -> std::optional<QColor> {
        EXPECT_EQ(vorgabe, QColor(0, 0, 255)); // preset with the current colour
        return std::nullopt;
    };
    farbfeld->showPopup();
    EXPECT_EQ(e.Hintergrundfarbe, 0xFF0000u);
    EXPECT_EQ(farbfeld->farbe(), QColor(0, 0, 255));

    Dialoge::FarbeWaehlen = [](QWidget*, const QColor&) -> std::optional<QColor> { return QColor(0, 128, 0); };
    schnitt->bild().fill(Qt::white); // as if a tile were shown
    farbfeld->showPopup();
    EXPECT_EQ(e.Hintergrundfarbe, 0x008000u);
    EXPECT_EQ(farbfeld->farbe(), QColor(0, 128, 0));
    EXPECT_EQ(schnitt->bild().pixelColor(70, 70), QColor(0, 128, 0));
    EXPECT_EQ(schnitt->bild().size(), QSize(137, 137));
    EXPECT_EQ(teil<QScrollArea>("PaBild")->viewport()->palette().color(QPalette::Window), QColor(0, 128, 0));

    testhilfe::StummeDialoge();
    e.Hintergrundfarbe = 0xFF0000;
}

// The help describes the program as it is: every format it reads, the
// samples, the keyboard in the games, the command line.
TEST(Hilfsfenster, HilfeBeschreibtDasProgrammWieEsIst)
{
    const QString text = Hilfefenster::Hilfetext.join(QLatin1Char('\n'));
    for (const char* wahr : {"JPEG, PNG, BMP, WebP oder HEIC", "Zwischenablage", "Fenster ziehen",
                             "Beispielbilder", "Pfeiltasten", "tesselo --export", "Optionen"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(wahr))) << wahr;
    QWidget* hilfe = testhilfe::Fenster("Hilfefenster");
    EXPECT_EQ(testhilfe::Teil<QPlainTextEdit>(hilfe, "MeHilfe")->toPlainText(), text);
    EXPECT_EQ(hilfe->windowTitle(), "Tesselo - Hilfe");
    EXPECT_FALSE(testhilfe::Teil<QPlainTextEdit>(hilfe, "MeHilfe")->isReadOnly());
}

TEST(Hilfsfenster, AnleitungstexteZeichenGenau)
{
    QWidget* schieben = testhilfe::Fenster("Schiebeanleitung");
    QWidget* tauschen = testhilfe::Fenster("Tauschanleitung");
    QWidget* raetsel = testhilfe::Fenster("Raetselanleitung");
    const auto text = [](QWidget* fenster) { return testhilfe::Teil<QPlainTextEdit>(fenster, "MeAnleitung"); };
    EXPECT_EQ(text(schieben)->toPlainText(),
              QStringLiteral("Das Puzzle soll durch waagrechtes und senkrechtes Verschieben des \n"
                             "leeren Feldes gelöst werden. \n"
                             "Die neue Position des leeren Feldes wird durch einfachen Mausclick \n"
                             "bestimmt. Es können auch mehrere Teile gleichzeitig (in eine Richtung) \n"
                             "verschoben werden. \n"
                             "\n"
                             "Viel Spaß"));
    EXPECT_EQ(text(tauschen)->toPlainText(),
              QStringLiteral("Das Puzzle soll durch paarweisen Austausch von Teilen gelöst werden.\n"
                             "Das erste Teil wird durch einfachen Mausclick ausgewählt, das zweite \n"
                             "durch den nächsten einfachen Mausclick. Darauf folgt unmittelbar der \n"
                             "Austausch.\n"
                             "\n"
                             "Viel Spaß"));
    EXPECT_EQ(text(raetsel)->toPlainText(),
              QStringLiteral("Durch Aufdecken(Mausclick) von möglichst wenig Teilen soll der Bild- \n"
                             "inhalt erraten werden. Durch Wahl einer Antwort wird das Spiel auf jeden\n"
                             "Fall beendet.\n"
                             "\n"
                             "Viel Spaß"));
    EXPECT_EQ(schieben->windowTitle(), "SchiebePuzzle - Anleitung");
    EXPECT_EQ(tauschen->windowTitle(), "TauschPuzzle - Anleitung");
    EXPECT_EQ(raetsel->windowTitle(), "BilderRätsel - Anleitung");
    // Every line shows: the text field holds the whole text.
    for (QWidget* fenster : {schieben, tauschen, raetsel}) {
        QPlainTextEdit* feld = text(fenster);
        fenster->show();
        EXPECT_FALSE(feld->verticalScrollBar()->isVisible()) << qPrintable(fenster->objectName());
        EXPECT_LE(feld->geometry().bottom(), fenster->height());
        fenster->hide();
    }
    // Larger type than the window's own.
    EXPECT_EQ(text(tauschen)->font().pixelSize(), 13);
    // No system menu: the title bar cannot close them.
    EXPECT_FALSE(schieben->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(schieben->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(Hilfsfenster, AnleitungZweimalGeoeffnetBleibtEinFenster)
{
    auto* anleitung = qobject_cast<Anleitungsfenster*>(testhilfe::Fenster("Schiebeanleitung"));
    ASSERT_TRUE(anleitung);
    anleitung->zeigeVorn();
    anleitung->zeigeVorn();
    QApplication::processEvents();
    int sichtbar = 0;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster->isVisible() && fenster->windowTitle() == "SchiebePuzzle - Anleitung")
            ++sichtbar;
    EXPECT_EQ(sichtbar, 1);
    QTest::keyClick(anleitung, Qt::Key_Escape);
    EXPECT_FALSE(anleitung->isVisible());
}

TEST(Hilfsfenster, FehlerfensterZeigtDenLetztenText)
{
    auto* fehler = qobject_cast<Fehlerfenster*>(testhilfe::Fenster("Fehlerfenster"));
    ASSERT_TRUE(fehler);
    QLabel* text = testhilfe::Teil<QLabel>(fehler, "LaFehler");
    EXPECT_EQ(text->text(), "Fehler");
    fehler->zeige(QStringLiteral("Abbruch: Vorlagedatei SPUZV1.HTM nicht gefunden!"));
    EXPECT_TRUE(fehler->isVisible());
    EXPECT_EQ(text->text(), "Abbruch: Vorlagedatei SPUZV1.HTM nicht gefunden!");

    // A second error while the window is still open replaces the text.
    fehler->zeige(QStringLiteral("Abbruch: Vorlagedatei TPUZV2.HTM nicht gefunden!"));
    EXPECT_EQ(text->text(), "Abbruch: Vorlagedatei TPUZV2.HTM nicht gefunden!");
    EXPECT_TRUE(text->wordWrap());
    EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(Qt::red));

    QTest::keyClick(fehler, Qt::Key_Escape);
    EXPECT_FALSE(fehler->isVisible());
    // Closing only hides: the window lives on with its text.
    EXPECT_EQ(text->text(), "Abbruch: Vorlagedatei TPUZV2.HTM nicht gefunden!");
}

TEST(Hilfsfenster, InfofensterSchliesstMitEnterUndEscape)
{
    QWidget* info = testhilfe::Fenster("Infofenster");
    aktion("MenuInfo")->trigger();
    EXPECT_TRUE(info->isVisible());
    QTest::keyClick(info, Qt::Key_Return);
    EXPECT_FALSE(info->isVisible());
    aktion("MenuInfo")->trigger();
    QTest::keyClick(info, Qt::Key_Escape);
    EXPECT_FALSE(info->isVisible());

    const auto zeile = [info](const char* name) { return testhilfe::Teil<QLabel>(info, name); };
    EXPECT_EQ(zeile("LaVersion")->text(), "Tessl V1.6 - April 2003");
    EXPECT_EQ(testhilfe::Teil<Bildfeld>(info, "ImInfo")->bild().size(), QSize(200, 200));
    const QRect ok = testhilfe::Teil<QPushButton>(info, "BuOk")->geometry();
    for (QLabel* z : {zeile("LaAutor"), zeile("LaWeb"), zeile("LaEmail"), zeile("LaVersion")}) {
        EXPECT_FALSE(z->text().isEmpty());
        EXPECT_FALSE(z->geometry().intersects(ok)) << qPrintable(z->text());
    }
}

TEST(Hilfsfenster, HilfeSchliesstMitEscape)
{
    QWidget* hilfe = testhilfe::Fenster("Hilfefenster");
    aktion("MenuHilfe")->trigger();
    EXPECT_TRUE(hilfe->isVisible());
    QTest::keyClick(hilfe, Qt::Key_Escape);
    EXPECT_FALSE(hilfe->isVisible());
}

TEST(Hilfsfenster, HinweiseErscheinenNachEinerSekundeUndBleibenFuenf)
{
    // The about window set the times when it was created at start.
    EXPECT_EQ(Hinweisverzoegerung(), 1000);
    EXPECT_EQ(Hinweisanzeigedauer(), 5000);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1000);
}

TEST(Hilfsfenster, AlleKnopfbeschriftungenPassen)
{
    for (const char* name : {"Hauptfenster", "Hilfefenster", "Infofenster", "Schiebeanleitung", "Tauschanleitung",
                             "Raetselanleitung", "Fehlerfenster"})
        pruefeKnopfbeschriftungen(testhilfe::Fenster(name));
}
