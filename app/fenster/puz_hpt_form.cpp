// The main window as drawn: its controls, menu and start state.
#include "app/fenster/puz_hpt.h"

#include "app/fenster/bildfeld.h"
#include "app/datenorte.h"
#include "app/fenster/dialoge.h"
#include "app/farbe.h"
#include "app/fenster/farbfeld.h"
#include "app/fenster/fenster.h"
#include "app/fenster/formular.h"
#include "app/fenster/hinweis.h"
#include "app/puz_var.h"
#include "dialogs/puz_err.h"
#include "dialogs/puz_hilf.h"
#include "dialogs/puz_inf.h"
#include "dialogs/puz_opt.h"
#include "games/fenster/puz_drag.h"
#include "games/fenster/puz_raet.h"
#include "games/fenster/puz_sch.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <climits>

namespace {

// The form as drawn: sizes and places in pixels, relative to the client area.
constexpr QSize Fenstergroesse{534, 590};
constexpr int Ausblendhoehe = 130; // the window is this much lower without its buttons
constexpr QRect RectInfo{8, 8, 137, 54};
constexpr int InfoSpaltenbreite = 68;
constexpr int InfoZeilenhoehe = 16;
constexpr QPoint PosLaWartezeit{8, 70};
constexpr QRect RectScBaWartezeit{8, 88, 137, 16};
constexpr QRect RectPaBoSchnitt{8, 112, 137, 137};
constexpr QPoint PosLaHintergrund{8, 264};
constexpr QRect RectCoBoHintergrund{80, 260, 65, 20};
constexpr QRect RectGrBoGitter{8, 288, 137, 118};
constexpr QPoint PosLaOffx{16, 16};
constexpr QPoint PosLaOffy{16, 42};
constexpr QPoint PosLaBreite{16, 66};
constexpr QRect RectSpEdOffx{64, 12, 65, 22};
constexpr QRect RectSpEdOffy{64, 38, 65, 22};
constexpr QRect RectSpEdBreite{64, 64, 65, 22};
constexpr QRect RectBuAuto{8, 92, 49, 18};
constexpr QRect RectBuVorschau{64, 92, 65, 18};
constexpr QRect RectBuZwischenablage{8, 416, 137, 25};
constexpr QRect RectBuLaden{8, 448, 65, 25};
constexpr QRect RectBuOptionen{80, 448, 65, 25};
constexpr QRect RectBuEnde{8, 480, 65, 25};
constexpr QRect RectBuSchneiden{80, 480, 65, 25};
constexpr QRect RectBuSpielen{8, 512, 65, 25};
constexpr QRect RectBuSpeichern{80, 512, 65, 25};
constexpr QRect RectPaBild{160, 8, 361, 529};
constexpr QPoint PosBuEndeAusserhalb{-100, -100};

const QString HinweisWartezeit = QStringLiteral("bei der Anzeige der einzelnen Puzzleteile");
const QString HinweisExport = QStringLiteral("zusätzlich Einzelbilder (jpg)");

QPushButton* neuerKnopf(QWidget* eltern, const QString& text, const QRect& ort)
{
    auto* knopf = new QPushButton(text, eltern);
    knopf->setGeometry(ort);
    return knopf;
}

QSpinBox* neuesZahlenfeld(QWidget* eltern, const QRect& ort, int wert)
{
    auto* feld = new QSpinBox(eltern);
    feld->setRange(INT_MIN, INT_MAX); // the grid fields have no bounds
    feld->setValue(wert);
    feld->setGeometry(ort);
    return feld;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Tesselo V1.6"));
    m_klient = new QWidget(this);
    setCentralWidget(m_klient);
    baueSteuerelemente();
    baueMenue();
    resize(Fenstergroesse);
    FormCreate();
}

TForm1::~TForm1()
{
    // FormDestroy: the temporary picture goes with the program.
    if (TempDatei)
        LoescheBilddatei();
}

void TForm1::baueSteuerelemente()
{
    StGrInfo = new QTableWidget(3, 2, m_klient);
    StGrInfo->setGeometry(RectInfo);
    StGrInfo->horizontalHeader()->hide();
    StGrInfo->verticalHeader()->hide();
    StGrInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StGrInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StGrInfo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StGrInfo->setFocusPolicy(Qt::NoFocus);
    // The condensed face keeps sizes like "6000 x 4000" within the narrow
    // column; a text that still does not fit shows whole at the pointer.
    QFont schmal(QStringLiteral("DejaVu Sans Condensed"));
    schmal.setPixelSize(font().pixelSize());
    StGrInfo->setFont(schmal);
    // A path keeps its start and its last folder in view.
    StGrInfo->setTextElideMode(Qt::ElideMiddle);
    connect(StGrInfo, &QTableWidget::itemChanged, this,
            [](QTableWidgetItem* eintrag) { eintrag->setToolTip(eintrag->text()); });
    for (int spalte = 0; spalte < 2; ++spalte)
        StGrInfo->setColumnWidth(spalte, InfoSpaltenbreite);
    StGrInfo->verticalHeader()->setMinimumSectionSize(InfoZeilenhoehe);
    for (int zeile = 0; zeile < 3; ++zeile) {
        StGrInfo->setRowHeight(zeile, InfoZeilenhoehe);
        for (int spalte = 0; spalte < 2; ++spalte)
            StGrInfo->setItem(zeile, spalte, new QTableWidgetItem);
    }

    LaWartezeit = neuesLabel(m_klient, QStringLiteral("Wartezeit:"), PosLaWartezeit);
    setzeHinweis(LaWartezeit, HinweisWartezeit);
    ScBaWartezeit = new QScrollBar(Qt::Horizontal, m_klient);
    ScBaWartezeit->setGeometry(RectScBaWartezeit);
    ScBaWartezeit->setRange(0, 100);
    ScBaWartezeit->setValue(1);
    setzeHinweis(ScBaWartezeit, HinweisWartezeit);

    PaBoSchnitt = new Bildfeld(m_klient);
    PaBoSchnitt->setGeometry(RectPaBoSchnitt);
    PaBoSchnitt->setAttribute(Qt::WA_OpaquePaintEvent);

    LaHintergrund = neuesLabel(m_klient, QStringLiteral("Hintergrund:"), PosLaHintergrund);
    CoBoHintergrund = new Farbfeld(m_klient);
    CoBoHintergrund->setGeometry(RectCoBoHintergrund);
    connect(CoBoHintergrund, &Farbfeld::aufgeklappt, this, &TForm1::CoBoHintergrundDropDown);

    GrBoGitter = new QGroupBox(QStringLiteral("Gitter"), m_klient);
    GrBoGitter->setGeometry(RectGrBoGitter);
    LaOffx = neuesLabel(GrBoGitter, QStringLiteral("Offset x:"), PosLaOffx);
    SpEdOffx = neuesZahlenfeld(GrBoGitter, RectSpEdOffx, 10);
    LaOffy = neuesLabel(GrBoGitter, QStringLiteral("Offset y:"), PosLaOffy);
    SpEdOffy = neuesZahlenfeld(GrBoGitter, RectSpEdOffy, 10);
    LaBreite = neuesLabel(GrBoGitter, QStringLiteral("Breite:"), PosLaBreite);
    SpEdBreite = neuesZahlenfeld(GrBoGitter, RectSpEdBreite, 80);
    BuAuto = neuerKnopf(GrBoGitter, QStringLiteral("&Auto"), RectBuAuto);
    setzeHinweis(BuAuto, QStringLiteral("5x3 Gitter erzeugen"));
    BuVorschau = neuerKnopf(GrBoGitter, QStringLiteral("&Vorschau"), RectBuVorschau);
    // The menu item "&Vorschau" has the same access key: one owner only, so
    // Alt+V runs the preview at the first press instead of cycling between the two.
    BuVorschau->setShortcut(QKeySequence());
    setzeHinweis(BuVorschau, QStringLiteral("Gitteraufteilung zeigen"));

    BuZwischenablage = neuerKnopf(m_klient, QStringLiteral("BuZwischenablage"), RectBuZwischenablage);
    BuLaden = neuerKnopf(m_klient, QStringLiteral("Laden"), RectBuLaden);
    setzeHinweis(BuLaden, QStringLiteral("Bitmap-Datei laden (BMP)"));
    BuLaden->setDefault(true);
    BuOptionen = neuerKnopf(m_klient, QStringLiteral("Optionen"), RectBuOptionen);
    setzeHinweis(BuOptionen, QStringLiteral("Einstellungen vornehmen"));
    BuEnde = neuerKnopf(m_klient, QStringLiteral("Ende"), RectBuEnde);
    setzeHinweis(BuEnde, QStringLiteral("Programmende"));
    BuSchneiden = neuerKnopf(m_klient, QStringLiteral("Schneiden"), RectBuSchneiden);
    setzeHinweis(BuSchneiden, QStringLiteral("in Einzelbilder zerlegen"));
    BuSpielen = neuerKnopf(m_klient, QStringLiteral("Spielen"), RectBuSpielen);
    setzeHinweis(BuSpielen, QStringLiteral("Schiebepuzzle spielen, oben gibt es noch mehr"));
    BuSpeichern = neuerKnopf(m_klient, QStringLiteral("Speichern"), RectBuSpeichern);
    setzeHinweis(BuSpeichern, QStringLiteral(
        "Einzelbilder speichern, oben im Hauptmenü gibt es noch mehr Möglichkeiten"));

    for (QPushButton* knopf : {BuAuto, BuVorschau, BuOptionen, BuSchneiden, BuSpielen, BuSpeichern})
        knopf->setEnabled(false);

    PaBild = new QScrollArea(m_klient);
    PaBild->setGeometry(RectPaBild);
    PaBild->setFrameShape(QFrame::NoFrame);
    PaBild->setWidgetResizable(false);
    ImBild = new Bildfeld;
    ImBild->setzeAutoGroesse(true);
    PaBild->setWidget(ImBild);

    connect(BuAuto, &QPushButton::clicked, this, &TForm1::BuAutoClick);
    connect(BuVorschau, &QPushButton::clicked, this, &TForm1::BuVorschauClick);
    connect(BuZwischenablage, &QPushButton::clicked, this, &TForm1::BuZwischenablageClick);
    connect(BuLaden, &QPushButton::clicked, this, &TForm1::BuLadenClick);
    connect(BuOptionen, &QPushButton::clicked, this, &TForm1::BuOptionenClick);
    connect(BuEnde, &QPushButton::clicked, this, &TForm1::BuEndeClick);
    connect(BuSchneiden, &QPushButton::clicked, this, &TForm1::BuSchneidenClick);
    connect(BuSpielen, &QPushButton::clicked, this, &TForm1::BuSpielenClick);
    connect(BuSpeichern, &QPushButton::clicked, this, &TForm1::BuSpeichernClick);
}

void TForm1::baueMenue()
{
    QMenuBar* leiste = menuBar();
    const auto eintrag = [this](auto* ziel, const QString& text, void (TForm1::*handler)()) {
        QAction* aktion = ziel->addAction(text);
        connect(aktion, &QAction::triggered, this, handler);
        return aktion;
    };

    MenuLaden = eintrag(leiste, QStringLiteral("&Laden"), &TForm1::MenuLadenClick);
    Zwischenablage1 = eintrag(leiste, QStringLiteral("&Zwischenablage"), &TForm1::Zwischenablage1Click);
    MenuVorschau = eintrag(leiste, QStringLiteral("&Vorschau"), &TForm1::MenuVorschauClick);
    MenuSchneiden = eintrag(leiste, QStringLiteral("Sch&neiden"), &TForm1::MenuSchneidenClick);
    MenuOptionen = eintrag(leiste, QStringLiteral("&Optionen"), &TForm1::MenuOptionenClick);

    MenuSpeichern = leiste->addMenu(QStringLiteral("&Speichern"));
    MenuSpeichern->setToolTipsVisible(true);
    setzeHinweis(MenuSpeichern->menuAction(),
                 QStringLiteral("Einzelbilder und HTML-Formate speichern | Speichern"));
    SchiebePuzzle = eintrag(MenuSpeichern, QStringLiteral("als HTML-&SchiebePuzzle"), &TForm1::SchiebePuzzleClick);
    alsHTMLTauschPuzzle1 = eintrag(MenuSpeichern, QStringLiteral("als HTML-&TauschPuzzle"), &TForm1::TauschPuzzleClick);
    alsHTMLBilderrtsel1 = eintrag(MenuSpeichern, QStringLiteral("als HTML-&Bilderrätsel"), &TForm1::RaetselnClick);
    alleHTMLSpiele = eintrag(MenuSpeichern, QStringLiteral("&alle HTML-Spiele"), &TForm1::alleHTMLSpieleClick);
    alsHTMLTabelle1 = eintrag(MenuSpeichern, QStringLiteral("als HTML-Tabe&lle"), &TForm1::TabelleClick);
    Einzelbilder = eintrag(MenuSpeichern, QStringLiteral("&Einzelbilder (jpg)"), &TForm1::EinzelbilderClick);
    Einzelbilderbmp = eintrag(MenuSpeichern, QStringLiteral("Einzelbilder (b&mp)"), &TForm1::EinzelbilderbmpClick);
    for (QAction* aktion : {SchiebePuzzle, alsHTMLTauschPuzzle1, alsHTMLBilderrtsel1, alsHTMLTabelle1})
        setzeHinweis(aktion, HinweisExport);

    MenuSpielen = leiste->addMenu(QStringLiteral("S&pielen"));
    Ziehen = eintrag(MenuSpielen, QStringLiteral("&TauschPuzzle"), &TForm1::ZiehenClick);
    Schieben = eintrag(MenuSpielen, QStringLiteral("&SchiebePuzzle"), &TForm1::SchiebenClick);
    Bilderraetsel = eintrag(MenuSpielen, QStringLiteral("&Bilderrätsel"), &TForm1::BilderraetselClick);

    MenuEnde = eintrag(leiste, QStringLiteral("&Ende"), &TForm1::MenuEndeClick);
    MenuInfo = eintrag(leiste, QStringLiteral("&Info"), &TForm1::MenuInfoClick);
    Hilfe = eintrag(leiste, QStringLiteral("&Hilfe"), &TForm1::HilfeClick);

    // State Kein Bild.
    for (QAction* aktion : {MenuVorschau, MenuSchneiden, MenuOptionen, MenuSpeichern->menuAction(),
                            MenuSpielen->menuAction()})
        aktion->setEnabled(false);
}

void TForm1::FormCreate()
{
    if (puz_var::KnoepfeAusblenden) {
        for (QPushButton* knopf : {BuLaden, BuSpeichern, BuOptionen, BuSpielen, BuSchneiden, BuEnde,
                                   BuZwischenablage})
            knopf->hide();
        resize(width(), height() - Ausblendhoehe);
        PaBild->resize(PaBild->width(), PaBild->height() - Ausblendhoehe);
        ImBild->resize(ImBild->width(), std::max(0, ImBild->height() - Ausblendhoehe));
    }
    // The cancel button lies outside the window but stays visible, so Escape
    // still reaches it and ends the program.
    BuEnde->move(PosBuEndeAusserhalb);
    BuEnde->show();
    move(0, 0);

    StGrInfo->item(0, 0)->setText(QStringLiteral("Datei"));
    StGrInfo->item(1, 0)->setText(QStringLiteral("Maße"));
    StGrInfo->item(2, 0)->setText(QStringLiteral("Ausgabe"));

    // The folder of the templates: beside the program in the build folder,
    // share/tesselo when installed.
    QString verzeichnis = datenorte::Datenverzeichnis(QCoreApplication::applicationDirPath());
#ifdef Q_OS_WIN
    verzeichnis = verzeichnis.toLower();
#endif
    puz_var::Programmverzeichnis = verzeichnis;
}
