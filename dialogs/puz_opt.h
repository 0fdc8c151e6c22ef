#pragma once
// The options dialog. Every control writes its setting in puz_var on every
// change; there is no confirm or cancel step. Six of its controls are
// themselves the stored value of their option and are read directly by the
// games and page writers (ChBoZugZaehler, ChBoSpielzeit, ChBoZugausgabe,
// MeAntworten, SpEdRichtigeAntwort, RaGrAntworten); activation leaves them alone.
#include "app/fenster/formular.h"

#include <QColor>
#include <QSize>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class Farbfeld;
class Schieberegler;

class TFo_Optionen : public Formular
{
    Q_OBJECT
public:
    explicit TFo_Optionen(QWidget* parent = nullptr);

    QLabel* LaUeberschrift = nullptr;
    QLineEdit* EdUeberschrift = nullptr;
    QPushButton* BuAusgabeverzeichnis = nullptr;
    QLineEdit* EdAusgabeverzeichnis = nullptr;
    QLabel* LaProgrammverzeichnis = nullptr;
    QLineEdit* EdProgrammverzeichnis = nullptr;
    QLabel* LaJPEGCompression = nullptr;
    QLabel* LaJPEGMin = nullptr;
    Schieberegler* TrBaJPEGQualitaet = nullptr;
    QLabel* LaJPEGMax = nullptr;

    QGroupBox* GrBoVorschaubild = nullptr;
    QCheckBox* ChBoVorschau = nullptr;
    QCheckBox* ChBoSeitentreu = nullptr;
    QLabel* LaVorschauBreite = nullptr;
    QLineEdit* EdVorschauBreite = nullptr;
    QLabel* LaVorschauHoehe = nullptr;
    QLineEdit* EdVorschauHoehe = nullptr;

    QGroupBox* GrBoSchiebePuzzle = nullptr;
    QLabel* LaLeerfeld = nullptr;
    QLabel* LaLeerfeldX = nullptr;
    QSpinBox* SpEdLeerfeldX = nullptr;
    QLabel* LaLeerfeldY = nullptr;
    QSpinBox* SpEdLeerfeldY = nullptr;
    QLabel* LaLeerfeldfarbe = nullptr;
    Farbfeld* CoBoLeerfeld = nullptr;
    QColor CoDiLeerfeld; // preset of the empty-field colour chooser

    QGroupBox* GrBoGitterlinien = nullptr;
    QLabel* LaGitterlinien = nullptr;
    QSpinBox* SpEdGitterbreite = nullptr;
    QLabel* LaGitterlinienfarbe = nullptr;
    Farbfeld* CoBoGitterlinienfarbe = nullptr;
    QColor CoDiGitterlinienfarbe; // preset of the grid-line colour chooser

    QGroupBox* GrBoDragPuz = nullptr;
    QCheckBox* ChBoSpielfeldMinimal = nullptr;

    QGroupBox* GrBoRaetsel = nullptr;
    QLabel* LaMeAntworten = nullptr;
    QPlainTextEdit* MeAntworten = nullptr;
    QPushButton* BuLoeschen = nullptr;
    QLabel* LaRichtigeAntwort = nullptr;
    QSpinBox* SpEdRichtigeAntwort = nullptr;
    QGroupBox* RaGrAntworten = nullptr;
    QRadioButton* RaGrAntwortenRechts = nullptr; // item 0 "&rechts"
    QRadioButton* RaGrAntwortenUnten = nullptr;  // item 1 "&unten"

    QGroupBox* GrBoAnzeige = nullptr;
    QCheckBox* ChBoZugZaehler = nullptr;
    QCheckBox* ChBoSpielzeit = nullptr;
    QCheckBox* ChBoZugausgabe = nullptr;

    QPushButton* BuSchliessen = nullptr;

    // The chosen item of RaGrAntworten: 0 = right of the board, 1 = below.
    int AntwortPosition() const;

    // The preview height that keeps a picture's proportions: breite x height
    // / width as a whole-number product, the quotient rounded to the nearest
    // integer with halves to the even neighbour. None for an empty picture.
    static std::optional<int> ProportionaleHoehe(int breite, QSize bild);

    // Copies the settings into the controls; runs on every activation.
    void FormActivate();
    void BuSchliessenClick();
    void BuAusgabeverzeichnisClick();
    void EdAusgabeverzeichnisChange();
    void EdUeberschriftChange();
    void TrBaJPEGQualitaetChange();
    void ChBoVorschauClick();
    void ChBoSeitentreuClick();
    void EdVorschauBreiteChange();
    void EdVorschauHoeheChange();
    void SpEdLeerfeldXChange();
    void SpEdLeerfeldYChange();
    void CoBoLeerfeldDropDown();
    void SpEdGitterbreiteChange();
    void CoBoGitterlinienfarbeDropDown();
    void ChBoSpielfeldMinimalClick();
    void BuLoeschenClick();
    void MeAntwortenChange() {} // the riddle reads the lines when it needs them
    void ChBoZugZaehlerClick();
    void ChBoSpielzeitClick();
    void ChBoZugausgabeClick();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    static constexpr int JpegMarkenabstand = 10; // tick marks at 0, 10, ... 100

    void baueOberenTeil();
    void baueLinkeSpalte();
    void baueRechteSpalte();
    void verbinde();
    void setzeLeerfeldgrenzen();
    // Sets VorschauHoehe from VorschauBreite and the main window's picture.
    void rechneHoeheNach();
};
