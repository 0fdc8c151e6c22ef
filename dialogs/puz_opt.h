#pragma once
#include "app/formular.h"

class QCheckBox;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QGroupBox;

// The options dialog. Six of its controls are themselves the stored value of
// their option and are read directly by the games and page writers.
class TFo_Optionen : public Formular
{
    Q_OBJECT
public:
    explicit TFo_Optionen(QWidget* parent = nullptr);

    QCheckBox* ChBoZugZaehler = nullptr;
    QCheckBox* ChBoSpielzeit = nullptr;
    QCheckBox* ChBoZugausgabe = nullptr;
    QPlainTextEdit* MeAntworten = nullptr;
    QSpinBox* SpEdRichtigeAntwort = nullptr;
    QGroupBox* RaGrAntworten = nullptr;
    QRadioButton* RaGrAntwortenRechts = nullptr; // item 0 "&rechts"
    QRadioButton* RaGrAntwortenUnten = nullptr;  // item 1 "&unten"

    // The chosen item of RaGrAntworten: 0 = right of the board, 1 = below.
    int AntwortPosition() const;
};
