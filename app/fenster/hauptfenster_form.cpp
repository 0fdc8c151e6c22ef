// The main window as drawn: its controls, menu, status line and start state,
// and how the picture area follows the window's size.
#include "app/fenster/hauptfenster.h"

#include "dialogs/hilfefenster.h"
#include "dialogs/infofenster.h"
#include "dialogs/optionsdialog.h"
#include "export/ausgabezeile.h"
#include "fenster/bildfeld.h"
#include "fenster/dialoge.h"
#include "fenster/farbfeld.h"
#include "fenster/formular.h"
#include "fenster/hinweis.h"
#include "modell/sitzung.h"
#include "prepare/bildansicht.h"

#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <climits>
#include <functional>

namespace {

// The form as drawn: sizes and places in pixels, relative to the client area.
// The form had a column of seven buttons below the grid group; the program is
// worked from its menu, so the window is drawn without them.
// The window starts as wide as its menu bar, so no entry hides behind "»",
// and as high as drawn plus the status line; it is never made smaller.
constexpr int Startbreite = 600;
constexpr int Starthoehe = 460; // without the status line
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
// The picture area fills the client area right of the left column.
constexpr QMargins Bildrand{160, 8, 10, 8};

const QString HinweisWartezeit = QStringLiteral("bei der Anzeige der einzelnen Puzzleteile");
const QString HinweisExport = QStringLiteral("zusätzlich Einzelbilder (jpg)");

QPushButton* neuerKnopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort)
{
    auto* knopf = benannt(new QPushButton(text, eltern), name);
    knopf->setGeometry(ort);
    return knopf;
}

// Calls `folge` whenever the watched control changes its size.
class Groessenwache : public QObject
{
public:
    Groessenwache(QWidget* element, std::function<void()> folge) : QObject(element), m_folge(std::move(folge))
    {
        element->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Resize)
            m_folge();
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    std::function<void()> m_folge;
};

// The label shows its tool tip, shortened in the middle to its width: a
// folder keeps its start and its last part in view.
void Kuerze(QLabel* label)
{
    label->setText(label->fontMetrics().elidedText(label->toolTip(), Qt::ElideMiddle, label->width()));
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

Hauptfenster::Hauptfenster(Sitzung& sitzung, QWidget* parent)
    : QMainWindow(parent), m_sitzung(sitzung), m_arbeitsordner(QDir::tempPath())
{
    setObjectName(QStringLiteral("Hauptfenster"));
    setWindowTitle(QStringLiteral("Tesselo V1.6"));
    m_klient = new QWidget(this);
    setCentralWidget(m_klient);
    baueSteuerelemente();
    baueMenue();
    const QSize start(Startbreite, Starthoehe + statusBar()->sizeHint().height());
    setMinimumSize(start);
    resize(start);
    move(0, 0);
    setAcceptDrops(true);
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
    PaBild->setFrameShape(QFrame::NoFrame);
    PaBild->setWidgetResizable(false);
    PaBild->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PaBild->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ImBild = benannt(new Bildfeld, "ImBild");
    ImBild->setzeSkaliert(true);
    PaBild->setWidget(ImBild);

    // The status line: what the last writing left where, then the view's
    // switch. A long line is shortened in its middle and shows whole at the
    // pointer; a menu's hint covers it only while the pointer is on the menu.
    QStatusBar* status = statusBar();
    LaStatus = benannt(new QLabel(status), "LaStatus");
    LaStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    new Groessenwache(LaStatus, [this] { Kuerze(LaStatus); });
    status->addWidget(LaStatus, 1);
    BuOrdner = benannt(new QPushButton(QStringLiteral("Ordner öffnen"), status), "BuOrdner");
    // Tool tips only: a status tip would cover the line the buttons stand in.
    BuOrdner->setToolTip(QStringLiteral("den Ordner der gespeicherten Dateien im Dateimanager zeigen"));
    BuOrdner->hide();
    status->addWidget(BuOrdner);
    // Alt+1 for 100 %: no menu entry or button uses the key.
    BuOriginal = benannt(new QPushButton(QStringLiteral("&100 %"), status), "BuOriginal");
    BuOriginal->setCheckable(true);
    BuOriginal->setToolTip(QStringLiteral("Bild in Originalgröße zeigen, sonst ins Fenster eingepasst"));
    status->addPermanentWidget(BuOriginal);
    connect(BuOrdner, &QPushButton::clicked, this, &Hauptfenster::OeffneAusgabeordner);
    connect(BuOriginal, &QPushButton::toggled, this, [this](bool original) {
        const Qt::ScrollBarPolicy leisten = original ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
        PaBild->setHorizontalScrollBarPolicy(leisten);
        PaBild->setVerticalScrollBarPolicy(leisten);
        ImBild->setzeSkaliert(!original);
        OrdneBildAn();
    });
    new Groessenwache(m_klient, [this] { OrdneBildAn(); });

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
    setzeHinweis(eintrag(MenuSpeichern, "MenuEinzeldateien", QStringLiteral("als &Einzeldatei"),
                         schreibe(Ausgabeteil::Einzeldateien)),
                 QStringLiteral("jedes Spiel als eine HTML-Datei mit allen Bildern, etwa für eine E-Mail"));
    setzeHinweis(eintrag(MenuSpeichern, "MenuLernpaket", QStringLiteral("für &Lernplattform (SCORM)"),
                         schreibe(Ausgabeteil::Lernpaket)),
                 QStringLiteral("die drei Spiele als ein SCORM-Paket (.zip) für Moodle, ILIAS und andere"));
    setzeHinweis(eintrag(MenuSpeichern, "MenuArbeitsblatt", QStringLiteral("Arbeits&blatt (PDF)"),
                         schreibe(Ausgabeteil::Arbeitsblatt)),
                 QStringLiteral("Legeplan, Ausschneidebögen und Lösung zum Ausdrucken"));
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

// === The picture area and the window's size.
QSize Hauptfenster::Klientflaeche() const
{
    // Hidden, the window has not laid out its last size yet.
    if (isVisible())
        return m_klient->size();
    return QSize(width(), height() - menuBar()->sizeHint().height() - statusBar()->sizeHint().height());
}

void Hauptfenster::OrdneBildAn()
{
    QRect flaeche = QRect(QPoint(0, 0), Klientflaeche()).marginsRemoved(Bildrand);
    flaeche.setSize(flaeche.size().expandedTo(QSize(0, 0)));
    PaBild->setGeometry(flaeche);
    const QSize bild = ImBild->bild().size();
    ImBild->resize(BuOriginal->isChecked() ? bild : bildansicht::Eingepasst(bild, flaeche.size()));
}

void Hauptfenster::PasseFensterAn(QSize bild)
{
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    // A maximised window keeps its size; any other is fitted to each new
    // picture, also after the user changed its size.
    if (bildschirm && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QRect frei = bildschirm->availableGeometry();
        const QSize leisten = size() - Klientflaeche(); // menu bar and status line
        const QSize rahmen = frameGeometry().size() - size();
        const QSize klient =
            bildansicht::Klientgroesse(bild, Bildrand, minimumSize() - leisten, frei.size() - rahmen - leisten);
        resize(klient + leisten);
        const QRect platz = bildansicht::AufDemSchirm(QRect(pos(), size() + rahmen), frei);
        if (platz.topLeft() != pos())
            move(platz.topLeft());
    }
    OrdneBildAn();
}

void Hauptfenster::ZeigeBild(const QImage& bild)
{
    ImBild->setzeGitter(std::nullopt);
    ImBild->setzeBild(bild);
    OrdneBildAn();
}

// === The status line after writing.
void Hauptfenster::ZeigeAusgabe(const Ausgabeergebnis& ergebnis, const QString& verzeichnis)
{
    LaStatus->setToolTip(ausgabe::Ergebniszeile(ergebnis, verzeichnis));
    Kuerze(LaStatus);
    m_gespeichertIn = verzeichnis;
    BuOrdner->setVisible(!ergebnis.dateien.isEmpty());
}

void Hauptfenster::OeffneAusgabeordner()
{
    if (!Dialoge::OrdnerOeffnen(this, m_gespeichertIn))
        Dialoge::Meldung(this, QStringLiteral("Der Ordner %1 kann nicht im Dateimanager geöffnet werden.")
                                   .arg(QDir::toNativeSeparators(m_gespeichertIn)));
}
