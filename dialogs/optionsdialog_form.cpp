#include "dialogs/optionsdialog.h"

#include "modell/sitzung.h"
#include "fenster/farbfeld.h"
#include "fenster/hinweis.h"
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
// The rows of the picture's credit and description push the groups below them down.
constexpr int Nachweiszeilen = 58;
constexpr QSize Klientgroesse{606, 437 + Nachweiszeilen};
constexpr QPoint PosLaUeberschrift{8, 12};
constexpr QRect RectEdUeberschrift{168, 8, 430, 21};
constexpr QRect RectBuAusgabeverzeichnis{8, 36, 152, 23};
constexpr QRect RectEdAusgabeverzeichnis{168, 37, 430, 21};
constexpr QPoint PosLaProgrammverzeichnis{8, 70};
constexpr QRect RectEdProgrammverzeichnis{168, 66, 430, 21};
constexpr QPoint PosLaBildnachweis{8, 99};
constexpr QRect RectEdBildnachweis{168, 95, 430, 21};
constexpr QPoint PosLaBildbeschreibung{8, 128};
constexpr QRect RectEdBildbeschreibung{168, 124, 430, 21};

constexpr QRect RectGrBoVorschaubild{8, 96 + Nachweiszeilen, 292, 80};
constexpr QRect RectChBoVorschau{12, 20, 90, 17};
constexpr QRect RectChBoSeitentreu{110, 20, 170, 17};
constexpr QPoint PosLaVorschauBreite{12, 52};
constexpr QRect RectEdVorschauBreite{56, 48, 60, 21};
constexpr QPoint PosLaVorschauHoehe{150, 52};
constexpr QRect RectEdVorschauHoehe{194, 48, 60, 21};

constexpr QRect RectGrBoSchiebePuzzle{8, 182 + Nachweiszeilen, 292, 80};
constexpr QPoint PosLaLeerfeld{12, 22};
constexpr QPoint PosLaLeerfeldfarbe{150, 22};
constexpr QRect RectCoBoLeerfeld{194, 18, 86, 21};
constexpr QPoint PosLaLeerfeldX{12, 52};
constexpr QRect RectSpEdLeerfeldX{56, 48, 60, 21};
constexpr QPoint PosLaLeerfeldY{150, 52};
constexpr QRect RectSpEdLeerfeldY{194, 48, 60, 21};

constexpr QRect RectGrBoGitterlinien{8, 268 + Nachweiszeilen, 292, 52};
constexpr QPoint PosLaGitterlinien{12, 24};
constexpr QRect RectSpEdGitterbreite{56, 20, 60, 21};
constexpr QPoint PosLaGitterlinienfarbe{150, 24};
constexpr QRect RectCoBoGitterlinienfarbe{194, 20, 86, 21};

constexpr QPoint PosLaJPEGQualitaet{8, 340 + Nachweiszeilen};
constexpr QRect RectLaJPEGMin{84, 340 + Nachweiszeilen, 16, 14};
constexpr QRect RectTrBaJPEGQualitaet{104, 330 + Nachweiszeilen, 166, 36};
constexpr QPoint PosLaJPEGMax{274, 340 + Nachweiszeilen};

constexpr QRect RectGrBoRaetsel{308, 96 + Nachweiszeilen, 290, 176};
constexpr QPoint PosLaMeAntworten{12, 20};
constexpr QRect RectBuLoeschen{203, 15, 75, 22};
constexpr QRect RectMeAntworten{12, 42, 266, 70};
constexpr QRect RectRaGrAntworten{12, 118, 150, 50};
constexpr QPoint PosRaGrAntwortenRechts{10, 24};
constexpr QPoint PosRaGrAntwortenUnten{80, 24};
constexpr QRect RectLaRichtigeAntwort{172, 120, 106, 28};
constexpr QRect RectSpEdRichtigeAntwort{172, 147, 60, 21};

constexpr QRect RectGrBoTauschpuzzle{308, 278 + Nachweiszeilen, 140, 46};
constexpr QRect RectChBoSpielfeldMinimal{10, 20, 125, 17};

constexpr QRect RectGrBoAnzeige{456, 278 + Nachweiszeilen, 142, 97};
constexpr QRect RectChBoZugZaehler{10, 20, 125, 17};
constexpr QRect RectChBoSpielzeit{10, 44, 125, 17};
constexpr QRect RectChBoZugausgabe{10, 68, 125, 17};

constexpr QRect RectBuSchliessen{308, 348 + Nachweiszeilen, 90, 27};

// The worksheet's group spans the form's foot, below both columns.
constexpr QRect RectGrBoArbeitsblatt{8, Klientgroesse.height() - 54, 590, 46};
constexpr QRect RectChBoBlassesBild{12, 20, 270, 17};
constexpr QRect RectChBoLoesungsmarken{300, 20, 280, 17};

template <typename T>
T* neu(QWidget* eltern, const char* name, const QRect& ort)
{
    auto* element = benannt(new T(eltern), name);
    element->setGeometry(ort);
    return element;
}

QCheckBox* neuesKaestchen(QWidget* eltern, const char* name, const QString& text, const QRect& ort, bool an)
{
    auto* kaestchen = neu<QCheckBox>(eltern, name, ort);
    kaestchen->setText(text);
    kaestchen->setChecked(an);
    return kaestchen;
}

QSpinBox* neuesZahlenfeld(QWidget* eltern, const char* name, const QRect& ort, int von, int bis, int wert)
{
    auto* feld = neu<QSpinBox>(eltern, name, ort);
    feld->setRange(von, bis);
    feld->setValue(wert);
    return feld;
}

QLabel* neuesLabel(QWidget* eltern, const char* name, const QString& text, QPoint ort)
{
    return benannt(::neuesLabel(eltern, text, ort), name);
}

} // namespace


Optionsdialog::Optionsdialog(Sitzung& sitzung, QWidget* parent) : Formular(parent), m_sitzung(sitzung)
{
    setObjectName(QStringLiteral("Optionsdialog"));
    setWindowTitle(QStringLiteral("Optionen"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Klientgroesse);
    baueOberenTeil();
    baueLinkeSpalte();
    baueRechteSpalte();
    baueArbeitsblatt();
    BuSchliessen = neu<QPushButton>(this, "BuSchliessen", RectBuSchliessen);
    BuSchliessen->setText(QStringLiteral("&Schließen"));
    setzeAbbruchknopf(BuSchliessen);
    verbinde();
}

void Optionsdialog::baueOberenTeil()
{
    LaUeberschrift = neuesLabel(this, "LaUeberschrift", QStringLiteral("Überschrift für HTML-Export:"), PosLaUeberschrift);
    EdUeberschrift = neu<QLineEdit>(this, "EdUeberschrift", RectEdUeberschrift);
    BuAusgabeverzeichnis = neu<QPushButton>(this, "BuAusgabeverzeichnis", RectBuAusgabeverzeichnis);
    BuAusgabeverzeichnis->setText(QStringLiteral("&Ausgabeverzeichnis"));
    EdAusgabeverzeichnis = neu<QLineEdit>(this, "EdAusgabeverzeichnis", RectEdAusgabeverzeichnis);
    EdAusgabeverzeichnis->setReadOnly(true);
    EdAusgabeverzeichnis->setEnabled(false);
    LaProgrammverzeichnis = neuesLabel(this, "LaProgrammverzeichnis", QStringLiteral("Programmverzeichnis:"), PosLaProgrammverzeichnis);
    EdProgrammverzeichnis = neu<QLineEdit>(this, "EdProgrammverzeichnis", RectEdProgrammverzeichnis);
    EdProgrammverzeichnis->setEnabled(false);
    LaBildnachweis = neuesLabel(this, "LaBildnachweis", QStringLiteral("Bild&nachweis:"), PosLaBildnachweis);
    EdBildnachweis = neu<QLineEdit>(this, "EdBildnachweis", RectEdBildnachweis);
    EdBildnachweis->setPlaceholderText(QStringLiteral("z. B. Foto: A. Muster, Wikimedia Commons, CC BY 4.0"));
    LaBildnachweis->setBuddy(EdBildnachweis);
    setzeHinweis(EdBildnachweis, QStringLiteral("Urheber, Quelle und Lizenz des Bildes: steht unter jedem Spielfeld, "
                                                "im Lernpaket und auf dem Arbeitsblatt"));
    LaBildbeschreibung = neuesLabel(this, "LaBildbeschreibung", QStringLiteral("Bild&beschreibung:"), PosLaBildbeschreibung);
    EdBildbeschreibung = neu<QLineEdit>(this, "EdBildbeschreibung", RectEdBildbeschreibung);
    EdBildbeschreibung->setPlaceholderText(QStringLiteral("z. B. Möwe auf einem Pfahl am Strand"));
    LaBildbeschreibung->setBuddy(EdBildbeschreibung);
    setzeHinweis(EdBildbeschreibung, QStringLiteral("kurzer Text für Screenreader: beschreibt das Vorschaubild und die "
                                                    "Bildtabelle (das Bilderrätsel verrät es nicht)"));
}

void Optionsdialog::baueLinkeSpalte()
{
    GrBoVorschaubild = neu<QGroupBox>(this, "GrBoVorschaubild", RectGrBoVorschaubild);
    GrBoVorschaubild->setTitle(QStringLiteral("Vorschaubild"));
    ChBoVorschau = neuesKaestchen(GrBoVorschaubild, "ChBoVorschau", QStringLiteral("&erzeugen"), RectChBoVorschau, true);
    ChBoSeitentreu = neuesKaestchen(GrBoVorschaubild, "ChBoSeitentreu", QStringLiteral("Seiten&verhältnis erhalten"),
                                    RectChBoSeitentreu, true);
    LaVorschauBreite = neuesLabel(GrBoVorschaubild, "LaVorschauBreite", QStringLiteral("Breite:"), PosLaVorschauBreite);
    EdVorschauBreite = neu<QLineEdit>(GrBoVorschaubild, "EdVorschauBreite", RectEdVorschauBreite);
    LaVorschauHoehe = neuesLabel(GrBoVorschaubild, "LaVorschauHoehe", QStringLiteral("Höhe:"), PosLaVorschauHoehe);
    EdVorschauHoehe = neu<QLineEdit>(GrBoVorschaubild, "EdVorschauHoehe", RectEdVorschauHoehe);

    GrBoSchiebePuzzle = neu<QGroupBox>(this, "GrBoSchiebePuzzle", RectGrBoSchiebePuzzle);
    GrBoSchiebePuzzle->setTitle(QStringLiteral("SchiebePuzzle"));
    LaLeerfeld = neuesLabel(GrBoSchiebePuzzle, "LaLeerfeld", QStringLiteral("Leerfeld"), PosLaLeerfeld);
    LaLeerfeldfarbe = neuesLabel(GrBoSchiebePuzzle, "LaLeerfeldfarbe", QStringLiteral("Farbe:"), PosLaLeerfeldfarbe);
    CoBoLeerfeld = neu<Farbfeld>(GrBoSchiebePuzzle, "CoBoLeerfeld", RectCoBoLeerfeld);
    LaLeerfeldX = neuesLabel(GrBoSchiebePuzzle, "LaLeerfeldX", QStringLiteral("Spalte:"), PosLaLeerfeldX);
    SpEdLeerfeldX = neuesZahlenfeld(GrBoSchiebePuzzle, "SpEdLeerfeldX", RectSpEdLeerfeldX, 0, 0, 0);
    LaLeerfeldY = neuesLabel(GrBoSchiebePuzzle, "LaLeerfeldY", QStringLiteral("Zeile:"), PosLaLeerfeldY);
    SpEdLeerfeldY = neuesZahlenfeld(GrBoSchiebePuzzle, "SpEdLeerfeldY", RectSpEdLeerfeldY, 0, 0, 0);

    GrBoGitterlinien = neu<QGroupBox>(this, "GrBoGitterlinien", RectGrBoGitterlinien);
    GrBoGitterlinien->setTitle(QStringLiteral("Gitterlinien"));
    LaGitterlinien = neuesLabel(GrBoGitterlinien, "LaGitterlinien", QStringLiteral("Breite:"), PosLaGitterlinien);
    SpEdGitterbreite = neuesZahlenfeld(GrBoGitterlinien, "SpEdGitterbreite", RectSpEdGitterbreite, INT_MIN, INT_MAX,
                                       m_sitzung.einstellungen.Gitterbreite);
    LaGitterlinienfarbe = neuesLabel(GrBoGitterlinien, "LaGitterlinienfarbe", QStringLiteral("Farbe:"), PosLaGitterlinienfarbe);
    CoBoGitterlinienfarbe = neu<Farbfeld>(GrBoGitterlinien, "CoBoGitterlinienfarbe", RectCoBoGitterlinienfarbe);

    LaJPEGQualitaet = neuesLabel(this, "LaJPEGQualitaet", QStringLiteral("JPEG-Qualität:"), PosLaJPEGQualitaet);
    LaJPEGMin = neu<QLabel>(this, "LaJPEGMin", RectLaJPEGMin);
    LaJPEGMin->setText(QStringLiteral("0"));
    LaJPEGMin->setAlignment(Qt::AlignRight | Qt::AlignTop);
    TrBaJPEGQualitaet = neu<Schieberegler>(this, "TrBaJPEGQualitaet", RectTrBaJPEGQualitaet);
    TrBaJPEGQualitaet->setRange(0, 100);
    TrBaJPEGQualitaet->setPageStep(JpegMarkenabstand);
    LaJPEGMax = neuesLabel(this, "LaJPEGMax", QStringLiteral("100"), PosLaJPEGMax);
}

void Optionsdialog::baueRechteSpalte()
{
    GrBoRaetsel = neu<QGroupBox>(this, "GrBoRaetsel", RectGrBoRaetsel);
    GrBoRaetsel->setTitle(QStringLiteral("Bilderrätsel"));
    LaMeAntworten = neuesLabel(GrBoRaetsel, "LaMeAntworten", QStringLiteral("Auswahl an Antworten:"), PosLaMeAntworten);
    BuLoeschen = neu<QPushButton>(GrBoRaetsel, "BuLoeschen", RectBuLoeschen);
    BuLoeschen->setText(QStringLiteral("&Löschen"));
    MeAntworten = neu<QPlainTextEdit>(GrBoRaetsel, "MeAntworten", RectMeAntworten);
    MeAntworten->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MeAntworten->setLineWrapMode(QPlainTextEdit::NoWrap);
    const Einstellungen& e = m_sitzung.einstellungen;
    MeAntworten->setPlainText(e.Antworten.join(QLatin1Char('\n')));
    RaGrAntworten = neu<QGroupBox>(GrBoRaetsel, "RaGrAntworten", RectRaGrAntworten);
    RaGrAntworten->setTitle(QStringLiteral("Position der Antworten"));
    RaGrAntwortenRechts = benannt(new QRadioButton(QStringLiteral("&rechts"), RaGrAntworten), "RaGrAntwortenRechts");
    RaGrAntwortenRechts->move(PosRaGrAntwortenRechts);
    RaGrAntwortenRechts->adjustSize();
    RaGrAntwortenUnten = benannt(new QRadioButton(QStringLiteral("&unten"), RaGrAntworten), "RaGrAntwortenUnten");
    RaGrAntwortenUnten->move(PosRaGrAntwortenUnten);
    RaGrAntwortenUnten->adjustSize();
    (e.AntwortenUnten ? RaGrAntwortenUnten : RaGrAntwortenRechts)->setChecked(true);
    LaRichtigeAntwort = neu<QLabel>(GrBoRaetsel, "LaRichtigeAntwort", RectLaRichtigeAntwort);
    LaRichtigeAntwort->setText(QStringLiteral("Nr der richtigen Antwort:"));
    LaRichtigeAntwort->setWordWrap(true);
    LaRichtigeAntwort->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SpEdRichtigeAntwort = neuesZahlenfeld(GrBoRaetsel, "SpEdRichtigeAntwort", RectSpEdRichtigeAntwort, INT_MIN, INT_MAX,
                                          e.RichtigeAntwort);

    GrBoTauschpuzzle = neu<QGroupBox>(this, "GrBoTauschpuzzle", RectGrBoTauschpuzzle);
    GrBoTauschpuzzle->setTitle(QStringLiteral("TauschPuzzle"));
    ChBoSpielfeldMinimal = neuesKaestchen(GrBoTauschpuzzle, "ChBoSpielfeldMinimal", QStringLiteral("Spielfeld &minimal"),
                                          RectChBoSpielfeldMinimal, false);

    GrBoAnzeige = neu<QGroupBox>(this, "GrBoAnzeige", RectGrBoAnzeige);
    GrBoAnzeige->setTitle(QStringLiteral("Anzeige"));
    ChBoZugZaehler = neuesKaestchen(GrBoAnzeige, "ChBoZugZaehler", QStringLiteral("&Zugzähler"), RectChBoZugZaehler,
                                    e.ZugZaehler);
    ChBoSpielzeit = neuesKaestchen(GrBoAnzeige, "ChBoSpielzeit", QStringLiteral("Spielzei&t"), RectChBoSpielzeit,
                                   e.Spielzeit);
    ChBoZugausgabe = neuesKaestchen(GrBoAnzeige, "ChBoZugausgabe", QStringLiteral("Zuga&usgabe"), RectChBoZugausgabe,
                                    e.ZugausgabeImSpiel);
    setzeHinweis(ChBoZugausgabe, QStringLiteral("Beim HTML-Spiel erfolgt die Zugausgabe in einem separaten Fenster"));
}

void Optionsdialog::baueArbeitsblatt()
{
    GrBoArbeitsblatt = neu<QGroupBox>(this, "GrBoArbeitsblatt", RectGrBoArbeitsblatt);
    GrBoArbeitsblatt->setTitle(QStringLiteral("Arbeitsblatt (PDF)"));
    ChBoBlassesBild = neuesKaestchen(GrBoArbeitsblatt, "ChBoBlassesBild", QStringLiteral("Bild blass im Le&geplan"),
                                     RectChBoBlassesBild, false);
    setzeHinweis(ChBoBlassesBild, QStringLiteral("zeigt das Bild sehr hell im leeren Legeplan: eine starke Hilfe"));
    ChBoLoesungsmarken = neuesKaestchen(GrBoArbeitsblatt, "ChBoLoesungsmarken",
                                        QStringLiteral("Lösungsmar&ken auf den Teilen"), RectChBoLoesungsmarken, false);
    setzeHinweis(ChBoLoesungsmarken,
                 QStringLiteral("jedes Teil trägt seinen Platz, etwa B3, klein in einer Ecke: zum Selbstkontrollieren"));
}

void Optionsdialog::verbinde()
{
    Einstellungen& e = m_sitzung.einstellungen;
    connect(BuSchliessen, &QPushButton::clicked, this, &QWidget::hide);
    connect(BuAusgabeverzeichnis, &QPushButton::clicked, this, &Optionsdialog::BuAusgabeverzeichnisClick);
    connect(EdAusgabeverzeichnis, &QLineEdit::textChanged, this, &Optionsdialog::EdAusgabeverzeichnisChange);
    connect(EdUeberschrift, &QLineEdit::textChanged, this, [&e](const QString& text) { e.Ueberschrift = text; });
    connect(EdBildnachweis, &QLineEdit::textChanged, this, [&e](const QString& text) { e.Bildnachweis = text.trimmed(); });
    connect(EdBildbeschreibung, &QLineEdit::textChanged, this,
            [&e](const QString& text) { e.Bildbeschreibung = text.trimmed(); });
    connect(TrBaJPEGQualitaet, &QSlider::valueChanged, this, &Optionsdialog::TrBaJPEGQualitaetChange);
    connect(ChBoVorschau, &QCheckBox::toggled, this, &Optionsdialog::ChBoVorschauClick);
    connect(ChBoSeitentreu, &QCheckBox::toggled, this, &Optionsdialog::ChBoSeitentreuClick);
    connect(EdVorschauBreite, &QLineEdit::textChanged, this, &Optionsdialog::EdVorschauBreiteChange);
    connect(EdVorschauHoehe, &QLineEdit::textChanged, this, &Optionsdialog::EdVorschauHoeheChange);
    connect(SpEdLeerfeldX, &QSpinBox::valueChanged, this, [&e](int wert) { e.LeerfeldX = wert; });
    connect(SpEdLeerfeldY, &QSpinBox::valueChanged, this, [&e](int wert) { e.LeerfeldY = wert; });
    connect(CoBoLeerfeld, &Farbfeld::aufgeklappt, this, &Optionsdialog::CoBoLeerfeldDropDown);
    connect(SpEdGitterbreite, &QSpinBox::valueChanged, this, [&e](int wert) { e.Gitterbreite = wert; });
    connect(CoBoGitterlinienfarbe, &Farbfeld::aufgeklappt, this, &Optionsdialog::CoBoGitterlinienfarbeDropDown);
    connect(ChBoSpielfeldMinimal, &QCheckBox::toggled, this, [&e](bool an) { e.SpielfeldMinimal = an; });
    connect(BuLoeschen, &QPushButton::clicked, MeAntworten, &QPlainTextEdit::clear);
    connect(MeAntworten, &QPlainTextEdit::textChanged, this,
            [this, &e] { e.Antworten = MeAntworten->toPlainText().split(QLatin1Char('\n')); });
    connect(SpEdRichtigeAntwort, &QSpinBox::valueChanged, this, [&e](int wert) { e.RichtigeAntwort = wert; });
    connect(RaGrAntwortenUnten, &QRadioButton::toggled, this, [&e](bool an) { e.AntwortenUnten = an; });
    connect(ChBoZugZaehler, &QCheckBox::toggled, this, [&e](bool an) { e.ZugZaehler = an; });
    connect(ChBoSpielzeit, &QCheckBox::toggled, this, [&e](bool an) { e.Spielzeit = an; });
    connect(ChBoZugausgabe, &QCheckBox::toggled, this, &Optionsdialog::ChBoZugausgabeClick);
    connect(ChBoBlassesBild, &QCheckBox::toggled, this, [&e](bool an) { e.ArbeitsblattBlassesBild = an; });
    connect(ChBoLoesungsmarken, &QCheckBox::toggled, this, [&e](bool an) { e.ArbeitsblattLoesungsmarken = an; });

    // Every control's change that the user made, not the showing of the settings.
    const auto geaendert = [this] {
        if (!m_zeigtEinstellungen)
            emit this->geaendert();
    };
    for (QLineEdit* feld : {EdUeberschrift, EdAusgabeverzeichnis, EdVorschauBreite, EdVorschauHoehe, EdBildnachweis,
                            EdBildbeschreibung})
        connect(feld, &QLineEdit::textChanged, this, geaendert);
    for (QCheckBox* kaestchen : {ChBoVorschau, ChBoSeitentreu, ChBoSpielfeldMinimal, ChBoZugZaehler, ChBoSpielzeit,
                                 ChBoZugausgabe, ChBoBlassesBild, ChBoLoesungsmarken})
        connect(kaestchen, &QCheckBox::toggled, this, geaendert);
    for (QSpinBox* feld : {SpEdLeerfeldX, SpEdLeerfeldY, SpEdGitterbreite, SpEdRichtigeAntwort})
        connect(feld, &QSpinBox::valueChanged, this, geaendert);
    connect(TrBaJPEGQualitaet, &QSlider::valueChanged, this, geaendert);
    connect(MeAntworten, &QPlainTextEdit::textChanged, this, geaendert);
    connect(RaGrAntwortenUnten, &QRadioButton::toggled, this, geaendert);
    for (Farbfeld* feld : {CoBoLeerfeld, CoBoGitterlinienfarbe})
        connect(feld, &Farbfeld::farbeGeaendert, this, geaendert);
}
