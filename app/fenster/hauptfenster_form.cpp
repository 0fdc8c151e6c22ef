// The main window as drawn: its controls, menu and start state.
#include "app/fenster/hauptfenster.h"

#include "dialogs/hilfefenster.h"
#include "dialogs/infofenster.h"
#include "dialogs/optionsdialog.h"
#include "fenster/bildfeld.h"
#include "fenster/farbfeld.h"
#include "fenster/formular.h"
#include "fenster/hinweis.h"
#include "modell/sitzung.h"

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
// The form had a column of seven buttons below the grid group; the program is
// worked from its menu, so the window is drawn without them.
constexpr QSize Fenstergroesse{534, 460};
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
constexpr QRect RectPaBild{160, 8, 361, 399};

const QString HinweisWartezeit = QStringLiteral("bei der Anzeige der einzelnen Puzzleteile");
const QString HinweisExport = QStringLiteral("zusätzlich Einzelbilder (jpg)");

QPushButton* neuerKnopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort)
{
    auto* knopf = benannt(new QPushButton(text, eltern), name);
    knopf->setGeometry(ort);
    return knopf;
}

QSpinBox* neuesZahlenfeld(QWidget* eltern, const char* name, const QRect& ort, int wert)
{
    auto* feld = benannt(new QSpinBox(eltern), name);
    feld->setRange(INT_MIN, INT_MAX); // the grid fields have no bounds
    feld->setValue(wert);
    feld->setGeometry(ort);
    return feld;
}

} // namespace

Hauptfenster::Hauptfenster(Sitzung& sitzung, QWidget* parent) : QMainWindow(parent), m_sitzung(sitzung)
{
    setObjectName(QStringLiteral("Hauptfenster"));
    setWindowTitle(QStringLiteral("Tesselo V1.6"));
    m_klient = new QWidget(this);
    setCentralWidget(m_klient);
    baueSteuerelemente();
    baueMenue();
    resize(Fenstergroesse);
    move(0, 0);
    StGrInfo->item(0, 0)->setText(QStringLiteral("Datei"));
    StGrInfo->item(1, 0)->setText(QStringLiteral("Maße"));
    StGrInfo->item(2, 0)->setText(QStringLiteral("Ausgabe"));
}

void Hauptfenster::baueSteuerelemente()
{
    StGrInfo = benannt(new QTableWidget(3, 2, m_klient), "StGrInfo");
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

    LaWartezeit = benannt(neuesLabel(m_klient, QStringLiteral("Wartezeit:"), PosLaWartezeit), "LaWartezeit");
    setzeHinweis(LaWartezeit, HinweisWartezeit);
    ScBaWartezeit = benannt(new QScrollBar(Qt::Horizontal, m_klient), "ScBaWartezeit");
    ScBaWartezeit->setGeometry(RectScBaWartezeit);
    ScBaWartezeit->setRange(0, 100);
    ScBaWartezeit->setValue(1);
    setzeHinweis(ScBaWartezeit, HinweisWartezeit);

    PaBoSchnitt = benannt(new Bildfeld(m_klient), "PaBoSchnitt");
    PaBoSchnitt->setGeometry(RectPaBoSchnitt);
    PaBoSchnitt->setAttribute(Qt::WA_OpaquePaintEvent);

    LaHintergrund = benannt(neuesLabel(m_klient, QStringLiteral("Hintergrund:"), PosLaHintergrund), "LaHintergrund");
    CoBoHintergrund = benannt(new Farbfeld(m_klient), "CoBoHintergrund");
    CoBoHintergrund->setGeometry(RectCoBoHintergrund);
    connect(CoBoHintergrund, &Farbfeld::aufgeklappt, this, &Hauptfenster::WaehleHintergrundfarbe);

    GrBoGitter = benannt(new QGroupBox(QStringLiteral("Gitter"), m_klient), "GrBoGitter");
    GrBoGitter->setGeometry(RectGrBoGitter);
    LaOffx = benannt(neuesLabel(GrBoGitter, QStringLiteral("Offset x:"), PosLaOffx), "LaOffx");
    const Gitter& gitter = m_sitzung.puzzle.gitter;
    SpEdOffx = neuesZahlenfeld(GrBoGitter, "SpEdOffx", RectSpEdOffx, gitter.x0);
    LaOffy = benannt(neuesLabel(GrBoGitter, QStringLiteral("Offset y:"), PosLaOffy), "LaOffy");
    SpEdOffy = neuesZahlenfeld(GrBoGitter, "SpEdOffy", RectSpEdOffy, gitter.y0);
    LaBreite = benannt(neuesLabel(GrBoGitter, QStringLiteral("Breite:"), PosLaBreite), "LaBreite");
    SpEdBreite = neuesZahlenfeld(GrBoGitter, "SpEdBreite", RectSpEdBreite, gitter.breite);
    BuAuto = neuerKnopf(GrBoGitter, "BuAuto", QStringLiteral("&Auto"), RectBuAuto);
    setzeHinweis(BuAuto, QStringLiteral("5x3 Gitter erzeugen"));
    BuVorschau = neuerKnopf(GrBoGitter, "BuVorschau", QStringLiteral("&Vorschau"), RectBuVorschau);
    // The menu item "&Vorschau" has the same access key: one owner only, so
    // Alt+V runs the preview at the first press instead of cycling between the two.
    BuVorschau->setShortcut(QKeySequence());
    setzeHinweis(BuVorschau, QStringLiteral("Gitteraufteilung zeigen"));

    for (QPushButton* knopf : {BuAuto, BuVorschau})
        knopf->setEnabled(false);

    PaBild = benannt(new QScrollArea(m_klient), "PaBild");
    PaBild->setGeometry(RectPaBild);
    PaBild->setFrameShape(QFrame::NoFrame);
    PaBild->setWidgetResizable(false);
    ImBild = benannt(new Bildfeld, "ImBild");
    ImBild->setzeAutoGroesse(true);
    PaBild->setWidget(ImBild);

    connect(BuAuto, &QPushButton::clicked, this, &Hauptfenster::Auto);
    connect(BuVorschau, &QPushButton::clicked, this, &Hauptfenster::Vorschau);
    // The fields are the grid: the model follows every change.
    Gitter& modell = m_sitzung.puzzle.gitter;
    connect(SpEdOffx, &QSpinBox::valueChanged, this, [&modell](int wert) { modell.x0 = wert; });
    connect(SpEdOffy, &QSpinBox::valueChanged, this, [&modell](int wert) { modell.y0 = wert; });
    connect(SpEdBreite, &QSpinBox::valueChanged, this, [&modell](int wert) { modell.breite = wert; });
}

void Hauptfenster::baueMenue()
{
    QMenuBar* leiste = menuBar();
    const auto eintrag = [this](auto* ziel, const char* name, const QString& text, auto handler) {
        QAction* aktion = benannt(ziel->addAction(text), name);
        connect(aktion, &QAction::triggered, this, handler);
        return aktion;
    };
    const auto schreibe = [this](Ausgabeteil teil) { return [this, teil] { Schreibe({teil}); }; };

    MenuLaden = eintrag(leiste, "MenuLaden", QStringLiteral("&Laden"), &Hauptfenster::Laden);
    MenuZwischenablage =
        eintrag(leiste, "MenuZwischenablage", QStringLiteral("&Zwischenablage"), &Hauptfenster::Zwischenablage);
    MenuVorschau = eintrag(leiste, "MenuVorschau", QStringLiteral("&Vorschau"), &Hauptfenster::Vorschau);
    MenuSchneiden = eintrag(leiste, "MenuSchneiden", QStringLiteral("Sch&neiden"), &Hauptfenster::Schneiden);
    MenuOptionen = eintrag(leiste, "MenuOptionen", QStringLiteral("&Optionen"),
                           [this] { m_fenster.optionen->zeigeVorn(); });

    MenuSpeichern = benannt(leiste->addMenu(QStringLiteral("&Speichern")), "MenuSpeichern");
    MenuSpeichern->setToolTipsVisible(true);
    setzeHinweis(MenuSpeichern->menuAction(),
                 QStringLiteral("Einzelbilder und HTML-Formate speichern | Speichern"));
    MenuSchiebeseite = eintrag(MenuSpeichern, "MenuSchiebeseite", QStringLiteral("als HTML-&SchiebePuzzle"),
                               schreibe(Ausgabeteil::Schiebeseite));
    MenuTauschseite = eintrag(MenuSpeichern, "MenuTauschseite", QStringLiteral("als HTML-&TauschPuzzle"),
                              schreibe(Ausgabeteil::Tauschseite));
    MenuRaetselseite = eintrag(MenuSpeichern, "MenuRaetselseite", QStringLiteral("als HTML-&Bilderrätsel"),
                               schreibe(Ausgabeteil::Raetselseite));
    MenuAlleSeiten = eintrag(MenuSpeichern, "MenuAlleSeiten", QStringLiteral("&alle HTML-Spiele"), [this] {
        Schreibe({Ausgabeteil::Schiebeseite, Ausgabeteil::Tauschseite, Ausgabeteil::Raetselseite});
    });
    MenuTabelle = eintrag(MenuSpeichern, "MenuTabelle", QStringLiteral("als HTML-Tabe&lle"),
                          schreibe(Ausgabeteil::Tabelle));
    MenuKachelnJpg = eintrag(MenuSpeichern, "MenuKachelnJpg", QStringLiteral("&Einzelbilder (jpg)"),
                             schreibe(Ausgabeteil::KachelnJpeg));
    MenuKachelnBmp = eintrag(MenuSpeichern, "MenuKachelnBmp", QStringLiteral("Einzelbilder (b&mp)"),
                             schreibe(Ausgabeteil::KachelnBmp));
    for (QAction* aktion : {MenuSchiebeseite, MenuTauschseite, MenuRaetselseite, MenuTabelle})
        setzeHinweis(aktion, HinweisExport);

    MenuSpielen = benannt(leiste->addMenu(QStringLiteral("S&pielen")), "MenuSpielen");
    MenuTauschpuzzle = eintrag(MenuSpielen, "MenuTauschpuzzle", QStringLiteral("&TauschPuzzle"),
                               &Hauptfenster::StarteTauschpuzzle);
    MenuSchiebepuzzle = eintrag(MenuSpielen, "MenuSchiebepuzzle", QStringLiteral("&SchiebePuzzle"),
                                &Hauptfenster::StarteSchiebepuzzle);
    MenuBilderraetsel = eintrag(MenuSpielen, "MenuBilderraetsel", QStringLiteral("&Bilderrätsel"),
                                &Hauptfenster::StarteBilderraetsel);

    MenuEnde = eintrag(leiste, "MenuEnde", QStringLiteral("&Ende"), &Hauptfenster::Beenden);
    MenuInfo = eintrag(leiste, "MenuInfo", QStringLiteral("&Info"), [this] { m_fenster.info->zeigeVorn(); });
    MenuHilfe = eintrag(leiste, "MenuHilfe", QStringLiteral("&Hilfe"), [this] { m_fenster.hilfe->zeigeVorn(); });

    // State Kein Bild.
    for (QAction* aktion : {MenuVorschau, MenuSchneiden, MenuOptionen, MenuSpeichern->menuAction(),
                            MenuSpielen->menuAction()})
        aktion->setEnabled(false);
}
