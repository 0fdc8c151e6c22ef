// The main window's start state, its command states and the auxiliary
// windows, driven as the user drives them.
#include "fenster/dialoge.h"
#include "fenster/bildfeld.h"
#include "modell/farbe.h"
#include "fenster/farbfeld.h"
#include "app/fenster/fenster.h"
#include "fenster/hinweis.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/puz_danl.h"
#include "dialogs/puz_err.h"
#include "dialogs/puz_hilf.h"
#include "dialogs/puz_inf.h"
#include "dialogs/puz_opt.h"
#include "dialogs/puz_ranl.h"
#include "dialogs/puz_sanl.h"
#include "export/fenster/htm_chk.h"
#include "export/fenster/puz_warn.h"
#include "games/fenster/puz_drag.h"
#include "games/fenster/puz_raet.h"
#include "games/fenster/puz_sch.h"
#include "testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
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

} // namespace

// Runs first: the state right after the start of the program.
TEST(Hauptfenster, ZustandNachDemStart)
{
    Form1->show();
    QApplication::processEvents();

    EXPECT_EQ(Form1->windowTitle(), "Tesselo V1.6");
    EXPECT_EQ(Form1->pos(), QPoint(0, 0));
    EXPECT_EQ(Form1->height(), 460);
    EXPECT_EQ(Form1->width(), 534);

    for (QAction* aktion : {Form1->MenuLaden, Form1->Zwischenablage1, Form1->MenuEnde, Form1->MenuInfo,
                            Form1->Hilfe})
        EXPECT_TRUE(aktion->isEnabled()) << qPrintable(aktion->text());
    for (QAction* aktion : {Form1->MenuVorschau, Form1->MenuSchneiden, Form1->MenuOptionen,
                            Form1->MenuSpeichern->menuAction(), Form1->MenuSpielen->menuAction()})
        EXPECT_FALSE(aktion->isEnabled()) << qPrintable(aktion->text());

    for (QPushButton* knopf : {Form1->BuLaden, Form1->BuSpeichern, Form1->BuOptionen, Form1->BuSpielen,
                               Form1->BuSchneiden, Form1->BuZwischenablage})
        EXPECT_FALSE(knopf->isVisible()) << qPrintable(knopf->text());
    // Ende stays a visible cancel button, but outside the window.
    EXPECT_TRUE(Form1->BuEnde->isVisible());
    EXPECT_FALSE(Form1->rect().intersects(Form1->BuEnde->geometry()));
    EXPECT_TRUE(Form1->BuAuto->isVisible());
    EXPECT_TRUE(Form1->BuVorschau->isVisible());
    EXPECT_FALSE(Form1->BuAuto->isEnabled());
    EXPECT_FALSE(Form1->BuVorschau->isEnabled());
    EXPECT_TRUE(Form1->SpEdBreite->isEnabled());
    EXPECT_TRUE(Form1->ScBaWartezeit->isEnabled());

    EXPECT_EQ(Form1->StGrInfo->item(0, 0)->text(), "Datei");
    EXPECT_EQ(Form1->StGrInfo->item(1, 0)->text(), "Maße");
    EXPECT_EQ(Form1->StGrInfo->item(2, 0)->text(), "Ausgabe");
    EXPECT_EQ(Form1->SpEdOffx->value(), 10);
    EXPECT_EQ(Form1->SpEdOffy->value(), 10);
    EXPECT_EQ(Form1->SpEdBreite->value(), 80);
    EXPECT_EQ(Form1->ScBaWartezeit->value(), 1);
    EXPECT_EQ(Form1->ScBaWartezeit->maximum(), 100);
}

TEST(Hauptfenster, MenueBeschriftungenUndHinweise)
{
    QStringList oben;
    for (QAction* aktion : Form1->menuBar()->actions())
        oben << aktion->text();
    EXPECT_EQ(oben, QStringList({"&Laden", "&Zwischenablage", "&Vorschau", "Sch&neiden", "&Optionen",
                                 "&Speichern", "S&pielen", "&Ende", "&Info", "&Hilfe"}));
    QStringList speichern;
    for (QAction* aktion : Form1->MenuSpeichern->actions())
        speichern << aktion->text();
    EXPECT_EQ(speichern, QStringList({"als HTML-&SchiebePuzzle", "als HTML-&TauschPuzzle",
                                      "als HTML-&Bilderrätsel", "&alle HTML-Spiele", "als HTML-Tabe&lle",
                                      "&Einzelbilder (jpg)", "Einzelbilder (b&mp)"}));
    QStringList spielen;
    for (QAction* aktion : Form1->MenuSpielen->actions())
        spielen << aktion->text();
    EXPECT_EQ(spielen, QStringList({"&TauschPuzzle", "&SchiebePuzzle", "&Bilderrätsel"}));

    EXPECT_EQ(Form1->MenuSpeichern->menuAction()->toolTip(), "Einzelbilder und HTML-Formate speichern");
    EXPECT_EQ(Form1->MenuSpeichern->menuAction()->statusTip(), "Speichern");
    EXPECT_EQ(Form1->SchiebePuzzle->toolTip(), "zusätzlich Einzelbilder (jpg)");
    EXPECT_EQ(Form1->alsHTMLTabelle1->toolTip(), "zusätzlich Einzelbilder (jpg)");
    EXPECT_EQ(Form1->BuAuto->toolTip(), "5x3 Gitter erzeugen");
    EXPECT_EQ(Form1->BuVorschau->toolTip(), "Gitteraufteilung zeigen");
    EXPECT_EQ(Form1->ScBaWartezeit->toolTip(), "bei der Anzeige der einzelnen Puzzleteile");
    EXPECT_EQ(Form1->BuSpeichern->toolTip(),
              "Einzelbilder speichern, oben im Hauptmenü gibt es noch mehr Möglichkeiten");
}

TEST(Hauptfenster, BefehlszustaendeFolgenAufeinander)
{
    Form1->ZustandBildGeladen();
    for (QAction* aktion : {Form1->MenuVorschau, Form1->MenuSchneiden, Form1->MenuOptionen})
        EXPECT_TRUE(aktion->isEnabled()) << qPrintable(aktion->text());
    for (QPushButton* knopf : {Form1->BuAuto, Form1->BuVorschau, Form1->BuSchneiden, Form1->BuOptionen})
        EXPECT_TRUE(knopf->isEnabled()) << qPrintable(knopf->text());
    EXPECT_FALSE(Form1->MenuSpeichern->menuAction()->isEnabled());
    EXPECT_FALSE(Form1->MenuSpielen->menuAction()->isEnabled());
    EXPECT_TRUE(Form1->GrBoGitter->isVisible());

    Form1->ZustandGeschnitten();
    EXPECT_TRUE(Form1->MenuSpeichern->menuAction()->isEnabled());
    EXPECT_TRUE(Form1->MenuSpielen->menuAction()->isEnabled());
    EXPECT_TRUE(Form1->BuSpeichern->isEnabled());
    EXPECT_TRUE(Form1->BuSpielen->isEnabled());
    EXPECT_TRUE(Form1->MenuVorschau->isEnabled()); // kept from Bild geladen

    // A new picture after a cut takes saving and playing away again.
    Form1->ZustandBildGeladen();
    EXPECT_FALSE(Form1->MenuSpeichern->menuAction()->isEnabled());
    EXPECT_FALSE(Form1->MenuSpielen->menuAction()->isEnabled());
    EXPECT_FALSE(Form1->BuSpeichern->isEnabled());
    EXPECT_FALSE(Form1->BuSpielen->isEnabled());
    EXPECT_TRUE(Form1->MenuSchneiden->isEnabled());
}

TEST(Hauptfenster, ProgrammverzeichnisEndetInEinemTrenner)
{
    const QString verzeichnis = puz_var::Programmverzeichnis;
    ASSERT_FALSE(verzeichnis.isEmpty());
    EXPECT_TRUE(verzeichnis.endsWith(QDir::separator()));
    EXPECT_FALSE(verzeichnis.endsWith(QString(QDir::separator()) + QDir::separator()));
    EXPECT_EQ(QDir(verzeichnis).canonicalPath(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

TEST(Hauptfenster, HintergrundfarbeWaehlenUndAbbrechen)
{
    Form1->show();
    puz_var::Hintergrundfarbe = 0xFF0000;
    Form1->FormPaint();

    Dialoge::FarbeWaehlen = [](QWidget*, const QColor& vorgabe) -> std::optional<QColor> {
        EXPECT_EQ(vorgabe, QColor(0, 0, 255)); // preset with the current colour
        return std::nullopt;
    };
    Form1->CoBoHintergrund->showPopup();
    EXPECT_EQ(puz_var::Hintergrundfarbe, 0xFF0000u);
    EXPECT_EQ(Form1->CoBoHintergrund->farbe(), QColor(0, 0, 255));

    Dialoge::FarbeWaehlen = [](QWidget*, const QColor&) -> std::optional<QColor> { return QColor(0, 128, 0); };
    Form1->PaBoSchnitt->bild().fill(Qt::white); // as if a tile were shown
    Form1->CoBoHintergrund->showPopup();
    EXPECT_EQ(puz_var::Hintergrundfarbe, 0x008000u);
    EXPECT_EQ(Form1->CoBoHintergrund->farbe(), QColor(0, 128, 0));
    EXPECT_EQ(Form1->PaBoSchnitt->bild().pixelColor(70, 70), QColor(0, 128, 0));
    EXPECT_EQ(Form1->PaBoSchnitt->bild().size(), QSize(137, 137));
    EXPECT_EQ(Form1->PaBild->viewport()->palette().color(QPalette::Window), QColor(0, 128, 0));

    testhilfe::StummeDialoge();
    puz_var::Hintergrundfarbe = 0xFF0000;
}

TEST(Hauptfenster, CopyFileKopiertEineListeInEinVerzeichnis)
{
    QTemporaryDir quelle, ziel;
    for (const char* name : {"a.gif", "b.gif"}) {
        QFile datei(quelle.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(name);
    }
    const QString liste = quelle.filePath("a.gif") + QChar(u'\0') + quelle.filePath("b.gif");
    EXPECT_TRUE(Form1->CopyFile(liste, ziel.path()));
    QFile b(ziel.filePath("b.gif"));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), "b.gif");
    EXPECT_TRUE(QFile::exists(ziel.filePath("a.gif")));
    EXPECT_FALSE(Form1->CopyFile(quelle.filePath("fehlt.gif"), ziel.path()));
}

TEST(Hilfsfenster, HilfetextZeichenGenau)
{
    const QString erwartet = QStringLiteral(
        "Zweck:\n"
        "======\n"
        "Tesselo erzeugt dynamische HTML-Dateien mit Spielen in drei Formaten\n"
        "(JavaScript muss im Browser aktiviert sein)\n"
        "  (I) Schiebepuzzle: Lösen durch Verschieben eines Leerfeldes\n"
        " (II) Tauschpuzzle: Lösen durch paarweises Vertauschen von Puzzleteilen\n"
        "(III) Bilderrätsel: Lösen durch schrittweises Aufdecken des Bildes\n"
        "\n"
        "Alle Spiele können auch direkt im Programm gespielt werden.\n"
        "\n"
        "\n"
        "Vorgehensweise:\n"
        "===============\n"
        "0) Das zu verarbeitende Bild muss im bmp- oder jpg-Format vorliegen, gegebenenfalls\n"
        "    andere Formate mit einem Bildverarbeitungsprogramm(z.B. Picture Publisher)\n"
        "    konvertieren oder über die Zwischenablage hereinholen.\n"
        "1) Bild Laden\n"
        "2) Breite der Puzzleteile festlegen(Auto, Vorschau)\n"
        "3) Schneiden\n"
        "4) Spielen oder Speichern\n");
    EXPECT_EQ(FoHilfe->MeHilfe->toPlainText(), erwartet);
    EXPECT_EQ(FoHilfe->windowTitle(), "Tesselo - Hilfe");
    EXPECT_FALSE(FoHilfe->MeHilfe->isReadOnly());
}

TEST(Hilfsfenster, AnleitungstexteZeichenGenau)
{
    EXPECT_EQ(FoSchiebePuzzleAnleitung->MeSchiebePuzAnleitung->toPlainText(),
              QStringLiteral("Das Puzzle soll durch waagrechtes und senkrechtes Verschieben des \n"
                             "leeren Feldes gelöst werden. \n"
                             "Die neue Position des leeren Feldes wird durch einfachen Mausclick \n"
                             "bestimmt. Es können auch mehrere Teile gleichzeitig (in eine Richtung) \n"
                             "verschoben werden. \n"
                             "\n"
                             "Viel Spaß"));
    EXPECT_EQ(FoDragPuzzleAnleitung->MeDragPuzAnleitung->toPlainText(),
              QStringLiteral("Das Puzzle soll durch paarweisen Austausch von Teilen gelöst werden.\n"
                             "Das erste Teil wird durch einfachen Mausclick ausgewählt, das zweite \n"
                             "durch den nächsten einfachen Mausclick. Darauf folgt unmittelbar der \n"
                             "Austausch.\n"
                             "\n"
                             "Viel Spaß"));
    EXPECT_EQ(FoBilderRaetselAnleitung->MeDragPuzAnleitung->toPlainText(),
              QStringLiteral("Durch Aufdecken(Mausclick) von möglichst wenig Teilen soll der Bild- \n"
                             "inhalt erraten werden. Durch Wahl einer Antwort wird das Spiel auf jeden\n"
                             "Fall beendet.\n"
                             "\n"
                             "Viel Spaß"));
    EXPECT_EQ(FoSchiebePuzzleAnleitung->windowTitle(), "SchiebePuzzle - Anleitung");
    EXPECT_EQ(FoDragPuzzleAnleitung->windowTitle(), "TauschPuzzle - Anleitung");
    EXPECT_EQ(FoBilderRaetselAnleitung->windowTitle(), "BilderRätsel - Anleitung");
    EXPECT_EQ(FoSchiebePuzzleAnleitung->size(), QSize(453, 168));
    EXPECT_EQ(FoDragPuzzleAnleitung->size(), QSize(452, 150));
    // Larger type than the window's own.
    EXPECT_EQ(FoDragPuzzleAnleitung->MeAnleitung->font().pixelSize(), 13);
    // No system menu: the title bar cannot close them.
    EXPECT_FALSE(FoSchiebePuzzleAnleitung->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(FoSchiebePuzzleAnleitung->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(Hilfsfenster, AnleitungZweimalGeoeffnetBleibtEinFenster)
{
    FoSchiebePuzzleAnleitung->zeigeVorn();
    FoSchiebePuzzleAnleitung->zeigeVorn();
    QApplication::processEvents();
    int sichtbar = 0;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster->isVisible() && fenster->windowTitle() == "SchiebePuzzle - Anleitung")
            ++sichtbar;
    EXPECT_EQ(sichtbar, 1);
    QTest::keyClick(FoSchiebePuzzleAnleitung, Qt::Key_Escape);
    EXPECT_FALSE(FoSchiebePuzzleAnleitung->isVisible());
}

TEST(Hilfsfenster, FehlerfensterZeigtDenLetztenText)
{
    EXPECT_EQ(FoFehler->LaFehler->text(), "Fehler");
    Form1->ZeigeFehler(QStringLiteral("Abbruch: Vorlagedatei SPUZV1.HTM nicht gefunden!"));
    EXPECT_TRUE(FoFehler->isVisible());
    EXPECT_EQ(puz_var::Fehlertext, "Abbruch: Vorlagedatei SPUZV1.HTM nicht gefunden!");
    EXPECT_EQ(FoFehler->LaFehler->text(), "Abbruch: Vorlagedatei SPUZV1.HTM nicht gefunden!");

    // A second error while the window is still open replaces the text.
    Form1->ZeigeFehler(QStringLiteral("Abbruch: Vorlagedatei TPUZV2.HTM nicht gefunden!"));
    EXPECT_EQ(FoFehler->LaFehler->text(), "Abbruch: Vorlagedatei TPUZV2.HTM nicht gefunden!");
    EXPECT_TRUE(FoFehler->LaFehler->wordWrap());
    EXPECT_EQ(FoFehler->LaFehler->palette().color(QPalette::WindowText), QColor(Qt::red));

    QTest::keyClick(FoFehler, Qt::Key_Escape);
    EXPECT_FALSE(FoFehler->isVisible());
    // Closing only hides: the window lives on with its text.
    EXPECT_EQ(FoFehler->LaFehler->text(), "Abbruch: Vorlagedatei TPUZV2.HTM nicht gefunden!");
}

TEST(Hilfsfenster, InfofensterSchliesstMitEnterUndEscape)
{
    Form1->MenuInfo->trigger();
    EXPECT_TRUE(FoInfo->isVisible());
    QTest::keyClick(FoInfo, Qt::Key_Return);
    EXPECT_FALSE(FoInfo->isVisible());
    Form1->MenuInfo->trigger();
    QTest::keyClick(FoInfo, Qt::Key_Escape);
    EXPECT_FALSE(FoInfo->isVisible());

    EXPECT_EQ(FoInfo->LaVersion->text(), "Tessl V1.6 - April 2003");
    EXPECT_EQ(FoInfo->ImInfo->bild().size(), QSize(200, 200));
    for (QLabel* zeile : {FoInfo->LaAutor, FoInfo->LaWeb, FoInfo->LaEmail, FoInfo->LaVersion}) {
        EXPECT_FALSE(zeile->text().isEmpty());
        EXPECT_FALSE(zeile->geometry().intersects(FoInfo->BitBtn1->geometry())) << qPrintable(zeile->text());
    }
}

TEST(Hilfsfenster, HilfeSchliesstMitEscape)
{
    Form1->Hilfe->trigger();
    EXPECT_TRUE(FoHilfe->isVisible());
    QTest::keyClick(FoHilfe, Qt::Key_Escape);
    EXPECT_FALSE(FoHilfe->isVisible());
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
    for (QWidget* fenster : std::initializer_list<QWidget*>{Form1, FoHilfe, FoInfo, FoSchiebePuzzleAnleitung,
                                                            FoDragPuzzleAnleitung, FoBilderRaetselAnleitung,
                                                            FoFehler})
        pruefeKnopfbeschriftungen(fenster);
}
