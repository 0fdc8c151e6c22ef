#pragma once
// The options dialog: edits the settings, each control writing its setting on
// every change; there is no confirm or cancel step. Each activation shows the
// settings again, except the grid-line width and the riddle's answers, their
// number and their place, which keep what the user left in them.
#include "fenster/formular.h"

#include <QColor>

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
struct Sitzung;

class Optionsdialog : public Formular
{
    Q_OBJECT
public:
    // Edits the settings of `sitzung`; reads its picture's size and grid.
    explicit Optionsdialog(Sitzung& sitzung, QWidget* parent = nullptr);

signals:
    void ausgabeverzeichnisGeaendert();
    // The user changed a setting (not the dialog showing the settings).
    void geaendert();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    static constexpr int JpegMarkenabstand = 10; // tick marks at 0, 10, ... 100

    void baueOberenTeil();
    void baueLinkeSpalte();
    void baueRechteSpalte();
    void baueArbeitsblatt();
    void verbinde();

    // Copies the settings into the controls; runs on every activation.
    void FormActivate();
    void setzeLeerfeldgrenzen();
    // Sets VorschauHoehe from VorschauBreite in the picture's proportions.
    void rechneHoeheNach();

    void BuAusgabeverzeichnisClick();
    void EdAusgabeverzeichnisChange();
    void TrBaJPEGQualitaetChange();
    void ChBoVorschauClick();
    void ChBoSeitentreuClick();
    void EdVorschauBreiteChange();
    void EdVorschauHoeheChange();
    void CoBoLeerfeldDropDown();
    void CoBoGitterlinienfarbeDropDown();
    void ChBoZugausgabeClick();

    Sitzung& m_sitzung;
    bool m_zeigtEinstellungen = false; // FormActivate fills the controls

    QLabel* LaUeberschrift = nullptr;
    QLineEdit* EdUeberschrift = nullptr;
    QPushButton* BuAusgabeverzeichnis = nullptr;
    QLineEdit* EdAusgabeverzeichnis = nullptr;
    QLabel* LaProgrammverzeichnis = nullptr;
    QLineEdit* EdProgrammverzeichnis = nullptr;
    QLabel* LaBildnachweis = nullptr;
    QLineEdit* EdBildnachweis = nullptr;
    QLabel* LaBildbeschreibung = nullptr;
    QLineEdit* EdBildbeschreibung = nullptr;
    QLabel* LaJPEGQualitaet = nullptr;
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

    QGroupBox* GrBoTauschpuzzle = nullptr;
    QCheckBox* ChBoSpielfeldMinimal = nullptr;

    QGroupBox* GrBoRaetsel = nullptr;
    QLabel* LaMeAntworten = nullptr;
    QPlainTextEdit* MeAntworten = nullptr;
    QPushButton* BuLoeschen = nullptr;
    QLabel* LaRichtigeAntwort = nullptr;
    QSpinBox* SpEdRichtigeAntwort = nullptr;
    QGroupBox* RaGrAntworten = nullptr;
    QRadioButton* RaGrAntwortenRechts = nullptr;
    QRadioButton* RaGrAntwortenUnten = nullptr;

    QGroupBox* GrBoAnzeige = nullptr;
    QCheckBox* ChBoZugZaehler = nullptr;
    QCheckBox* ChBoSpielzeit = nullptr;
    QCheckBox* ChBoZugausgabe = nullptr;

    QGroupBox* GrBoArbeitsblatt = nullptr;
    QCheckBox* ChBoBlassesBild = nullptr;
    QCheckBox* ChBoLoesungsmarken = nullptr;

    QPushButton* BuSchliessen = nullptr;
};
