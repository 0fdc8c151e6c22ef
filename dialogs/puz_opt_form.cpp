#include "dialogs/puz_opt.h"

#include "app/einstellungen.h"
#include "app/fenster/farbfeld.h"
#include "app/fenster/hinweis.h"
#include "dialogs/schieberegler.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <climits>

// The dialog's form: its controls, where they sit, and which handler each
// change reaches.

namespace {

// The form (client coordinates; inside a group relative to the group).
constexpr QSize Klientgroesse{606, 383};
constexpr QPoint PosLaUeberschrift{8, 12};
constexpr QRect RectEdUeberschrift{168, 8, 430, 21};
constexpr QRect RectBuAusgabeverzeichnis{8, 36, 152, 23};
constexpr QRect RectEdAusgabeverzeichnis{168, 37, 430, 21};
constexpr QPoint PosLaProgrammverzeichnis{8, 70};
constexpr QRect RectEdProgrammverzeichnis{168, 66, 430, 21};

constexpr QRect RectGrBoVorschaubild{8, 96, 292, 80};
constexpr QRect RectChBoVorschau{12, 20, 90, 17};
constexpr QRect RectChBoSeitentreu{110, 20, 170, 17};
constexpr QPoint PosLaVorschauBreite{12, 52};
constexpr QRect RectEdVorschauBreite{56, 48, 60, 21};
constexpr QPoint PosLaVorschauHoehe{150, 52};
constexpr QRect RectEdVorschauHoehe{194, 48, 60, 21};

constexpr QRect RectGrBoSchiebePuzzle{8, 182, 292, 80};
constexpr QPoint PosLaLeerfeld{12, 22};
constexpr QPoint PosLaLeerfeldfarbe{150, 22};
constexpr QRect RectCoBoLeerfeld{194, 18, 86, 21};
constexpr QPoint PosLaLeerfeldX{12, 52};
constexpr QRect RectSpEdLeerfeldX{56, 48, 60, 21};
constexpr QPoint PosLaLeerfeldY{150, 52};
constexpr QRect RectSpEdLeerfeldY{194, 48, 60, 21};

constexpr QRect RectGrBoGitterlinien{8, 268, 292, 52};
constexpr QPoint PosLaGitterlinien{12, 24};
constexpr QRect RectSpEdGitterbreite{56, 20, 60, 21};
constexpr QPoint PosLaGitterlinienfarbe{150, 24};
constexpr QRect RectCoBoGitterlinienfarbe{194, 20, 86, 21};

constexpr QPoint PosLaJPEGCompression{8, 340};
constexpr QRect RectLaJPEGMin{84, 340, 16, 14};
constexpr QRect RectTrBaJPEGQualitaet{104, 330, 166, 36};
constexpr QPoint PosLaJPEGMax{274, 340};

constexpr QRect RectGrBoRaetsel{308, 96, 290, 176};
constexpr QPoint PosLaMeAntworten{12, 20};
constexpr QRect RectBuLoeschen{203, 15, 75, 22};
constexpr QRect RectMeAntworten{12, 42, 266, 70};
constexpr QRect RectRaGrAntworten{12, 118, 150, 50};
constexpr QPoint PosRaGrAntwortenRechts{10, 24};
constexpr QPoint PosRaGrAntwortenUnten{80, 24};
constexpr QRect RectLaRichtigeAntwort{172, 120, 106, 28};
constexpr QRect RectSpEdRichtigeAntwort{172, 147, 60, 21};

constexpr QRect RectGrBoDragPuz{308, 278, 140, 46};
constexpr QRect RectChBoSpielfeldMinimal{10, 20, 125, 17};

constexpr QRect RectGrBoAnzeige{456, 278, 142, 97};
constexpr QRect RectChBoZugZaehler{10, 20, 125, 17};
constexpr QRect RectChBoSpielzeit{10, 44, 125, 17};
constexpr QRect RectChBoZugausgabe{10, 68, 125, 17};

constexpr QRect RectBuSchliessen{308, 348, 90, 27};

template <typename T>
T* neu(QWidget* eltern, const QRect& ort)
{
    auto* element = new T(eltern);
    element->setGeometry(ort);
    return element;
}

QCheckBox* neuesKaestchen(QWidget* eltern, const QString& text, const QRect& ort, bool an)
{
    auto* kaestchen = neu<QCheckBox>(eltern, ort);
    kaestchen->setText(text);
    kaestchen->setChecked(an);
    return kaestchen;
}

QSpinBox* neuesZahlenfeld(QWidget* eltern, const QRect& ort, int von, int bis, int wert)
{
    auto* feld = neu<QSpinBox>(eltern, ort);
    feld->setRange(von, bis);
    feld->setValue(wert);
    return feld;
}

} // namespace


TFo_Optionen::TFo_Optionen(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("Optionen"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Klientgroesse);
    baueOberenTeil();
    baueLinkeSpalte();
    baueRechteSpalte();
    BuSchliessen = neu<QPushButton>(this, RectBuSchliessen);
    BuSchliessen->setText(QStringLiteral("&Schließen"));
    setzeAbbruchknopf(BuSchliessen);
    verbinde();
}

void TFo_Optionen::baueOberenTeil()
{
    LaUeberschrift = neuesLabel(this, QStringLiteral("Überschrift für HTML-Export:"), PosLaUeberschrift);
    EdUeberschrift = neu<QLineEdit>(this, RectEdUeberschrift);
    BuAusgabeverzeichnis = neu<QPushButton>(this, RectBuAusgabeverzeichnis);
    BuAusgabeverzeichnis->setText(QStringLiteral("&Ausgabeverzeichnis"));
    EdAusgabeverzeichnis = neu<QLineEdit>(this, RectEdAusgabeverzeichnis);
    EdAusgabeverzeichnis->setReadOnly(true);
    EdAusgabeverzeichnis->setEnabled(false);
    LaProgrammverzeichnis = neuesLabel(this, QStringLiteral("Programmverzeichnis:"), PosLaProgrammverzeichnis);
    EdProgrammverzeichnis = neu<QLineEdit>(this, RectEdProgrammverzeichnis);
    EdProgrammverzeichnis->setEnabled(false);
}

void TFo_Optionen::baueLinkeSpalte()
{
    GrBoVorschaubild = neu<QGroupBox>(this, RectGrBoVorschaubild);
    GrBoVorschaubild->setTitle(QStringLiteral("Vorschaubild"));
    ChBoVorschau = neuesKaestchen(GrBoVorschaubild, QStringLiteral("&erzeugen"), RectChBoVorschau, true);
    ChBoSeitentreu = neuesKaestchen(GrBoVorschaubild, QStringLiteral("Seiten&verhältnis erhalten"),
                                    RectChBoSeitentreu, true);
    LaVorschauBreite = neuesLabel(GrBoVorschaubild, QStringLiteral("Breite:"), PosLaVorschauBreite);
    EdVorschauBreite = neu<QLineEdit>(GrBoVorschaubild, RectEdVorschauBreite);
    LaVorschauHoehe = neuesLabel(GrBoVorschaubild, QStringLiteral("Höhe:"), PosLaVorschauHoehe);
    EdVorschauHoehe = neu<QLineEdit>(GrBoVorschaubild, RectEdVorschauHoehe);

    GrBoSchiebePuzzle = neu<QGroupBox>(this, RectGrBoSchiebePuzzle);
    GrBoSchiebePuzzle->setTitle(QStringLiteral("SchiebePuzzle"));
    LaLeerfeld = neuesLabel(GrBoSchiebePuzzle, QStringLiteral("Leerfeld"), PosLaLeerfeld);
    LaLeerfeldfarbe = neuesLabel(GrBoSchiebePuzzle, QStringLiteral("Farbe:"), PosLaLeerfeldfarbe);
    CoBoLeerfeld = neu<Farbfeld>(GrBoSchiebePuzzle, RectCoBoLeerfeld);
    LaLeerfeldX = neuesLabel(GrBoSchiebePuzzle, QStringLiteral("Spalte:"), PosLaLeerfeldX);
    SpEdLeerfeldX = neuesZahlenfeld(GrBoSchiebePuzzle, RectSpEdLeerfeldX, 0, 0, 0);
    LaLeerfeldY = neuesLabel(GrBoSchiebePuzzle, QStringLiteral("Zeile:"), PosLaLeerfeldY);
    SpEdLeerfeldY = neuesZahlenfeld(GrBoSchiebePuzzle, RectSpEdLeerfeldY, 0, 0, 0);

    GrBoGitterlinien = neu<QGroupBox>(this, RectGrBoGitterlinien);
    GrBoGitterlinien->setTitle(QStringLiteral("Gitterlinien"));
    LaGitterlinien = neuesLabel(GrBoGitterlinien, QStringLiteral("Breite:"), PosLaGitterlinien);
    SpEdGitterbreite = neuesZahlenfeld(GrBoGitterlinien, RectSpEdGitterbreite, INT_MIN, INT_MAX, 1);
    LaGitterlinienfarbe = neuesLabel(GrBoGitterlinien, QStringLiteral("Farbe:"), PosLaGitterlinienfarbe);
    CoBoGitterlinienfarbe = neu<Farbfeld>(GrBoGitterlinien, RectCoBoGitterlinienfarbe);

    LaJPEGCompression = neuesLabel(this, QStringLiteral("JPEG-Qualität:"), PosLaJPEGCompression);
    LaJPEGMin = neu<QLabel>(this, RectLaJPEGMin);
    LaJPEGMin->setText(QStringLiteral("0"));
    LaJPEGMin->setAlignment(Qt::AlignRight | Qt::AlignTop);
    TrBaJPEGQualitaet = neu<Schieberegler>(this, RectTrBaJPEGQualitaet);
    TrBaJPEGQualitaet->setRange(0, 100);
    TrBaJPEGQualitaet->setPageStep(JpegMarkenabstand);
    LaJPEGMax = neuesLabel(this, QStringLiteral("100"), PosLaJPEGMax);
}

void TFo_Optionen::baueRechteSpalte()
{
    GrBoRaetsel = neu<QGroupBox>(this, RectGrBoRaetsel);
    GrBoRaetsel->setTitle(QStringLiteral("Bilderrätsel"));
    LaMeAntworten = neuesLabel(GrBoRaetsel, QStringLiteral("Auswahl an Antworten:"), PosLaMeAntworten);
    BuLoeschen = neu<QPushButton>(GrBoRaetsel, RectBuLoeschen);
    BuLoeschen->setText(QStringLiteral("&Löschen"));
    MeAntworten = neu<QPlainTextEdit>(GrBoRaetsel, RectMeAntworten);
    MeAntworten->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MeAntworten->setLineWrapMode(QPlainTextEdit::NoWrap);
    MeAntworten->setPlainText(::Beispielantworten().join(QLatin1Char('\n')));
    RaGrAntworten = neu<QGroupBox>(GrBoRaetsel, RectRaGrAntworten);
    RaGrAntworten->setTitle(QStringLiteral("Position der Antworten"));
    RaGrAntwortenRechts = new QRadioButton(QStringLiteral("&rechts"), RaGrAntworten);
    RaGrAntwortenRechts->move(PosRaGrAntwortenRechts);
    RaGrAntwortenRechts->adjustSize();
    RaGrAntwortenUnten = new QRadioButton(QStringLiteral("&unten"), RaGrAntworten);
    RaGrAntwortenUnten->move(PosRaGrAntwortenUnten);
    RaGrAntwortenUnten->adjustSize();
    RaGrAntwortenRechts->setChecked(true);
    LaRichtigeAntwort = neu<QLabel>(GrBoRaetsel, RectLaRichtigeAntwort);
    LaRichtigeAntwort->setText(QStringLiteral("Nr der richtigen Antwort:"));
    LaRichtigeAntwort->setWordWrap(true);
    LaRichtigeAntwort->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SpEdRichtigeAntwort = neuesZahlenfeld(GrBoRaetsel, RectSpEdRichtigeAntwort, INT_MIN, INT_MAX, 1);

    GrBoDragPuz = neu<QGroupBox>(this, RectGrBoDragPuz);
    GrBoDragPuz->setTitle(QStringLiteral("TauschPuzzle"));
    ChBoSpielfeldMinimal = neuesKaestchen(GrBoDragPuz, QStringLiteral("Spielfeld &minimal"),
                                          RectChBoSpielfeldMinimal, false);

    GrBoAnzeige = neu<QGroupBox>(this, RectGrBoAnzeige);
    GrBoAnzeige->setTitle(QStringLiteral("Anzeige"));
    ChBoZugZaehler = neuesKaestchen(GrBoAnzeige, QStringLiteral("&Zugzähler"), RectChBoZugZaehler, true);
    ChBoSpielzeit = neuesKaestchen(GrBoAnzeige, QStringLiteral("Spielzei&t"), RectChBoSpielzeit, true);
    ChBoZugausgabe = neuesKaestchen(GrBoAnzeige, QStringLiteral("Zuga&usgabe"), RectChBoZugausgabe, false);
    setzeHinweis(ChBoZugausgabe, QStringLiteral("Beim HTML-Spiel erfolgt die Zugausgabe in einem separaten Fenster"));
}

void TFo_Optionen::verbinde()
{
    connect(BuSchliessen, &QPushButton::clicked, this, &TFo_Optionen::BuSchliessenClick);
    connect(BuAusgabeverzeichnis, &QPushButton::clicked, this, &TFo_Optionen::BuAusgabeverzeichnisClick);
    connect(EdAusgabeverzeichnis, &QLineEdit::textChanged, this, &TFo_Optionen::EdAusgabeverzeichnisChange);
    connect(EdUeberschrift, &QLineEdit::textChanged, this, &TFo_Optionen::EdUeberschriftChange);
    connect(TrBaJPEGQualitaet, &QSlider::valueChanged, this, &TFo_Optionen::TrBaJPEGQualitaetChange);
    connect(ChBoVorschau, &QCheckBox::toggled, this, &TFo_Optionen::ChBoVorschauClick);
    connect(ChBoSeitentreu, &QCheckBox::toggled, this, &TFo_Optionen::ChBoSeitentreuClick);
    connect(EdVorschauBreite, &QLineEdit::textChanged, this, &TFo_Optionen::EdVorschauBreiteChange);
    connect(EdVorschauHoehe, &QLineEdit::textChanged, this, &TFo_Optionen::EdVorschauHoeheChange);
    connect(SpEdLeerfeldX, &QSpinBox::valueChanged, this, &TFo_Optionen::SpEdLeerfeldXChange);
    connect(SpEdLeerfeldY, &QSpinBox::valueChanged, this, &TFo_Optionen::SpEdLeerfeldYChange);
    connect(CoBoLeerfeld, &Farbfeld::aufgeklappt, this, &TFo_Optionen::CoBoLeerfeldDropDown);
    connect(SpEdGitterbreite, &QSpinBox::valueChanged, this, &TFo_Optionen::SpEdGitterbreiteChange);
    connect(CoBoGitterlinienfarbe, &Farbfeld::aufgeklappt, this, &TFo_Optionen::CoBoGitterlinienfarbeDropDown);
    connect(ChBoSpielfeldMinimal, &QCheckBox::toggled, this, &TFo_Optionen::ChBoSpielfeldMinimalClick);
    connect(BuLoeschen, &QPushButton::clicked, this, &TFo_Optionen::BuLoeschenClick);
    connect(MeAntworten, &QPlainTextEdit::textChanged, this, &TFo_Optionen::MeAntwortenChange);
    connect(ChBoZugZaehler, &QCheckBox::toggled, this, &TFo_Optionen::ChBoZugZaehlerClick);
    connect(ChBoSpielzeit, &QCheckBox::toggled, this, &TFo_Optionen::ChBoSpielzeitClick);
    connect(ChBoZugausgabe, &QCheckBox::toggled, this, &TFo_Optionen::ChBoZugausgabeClick);
}
