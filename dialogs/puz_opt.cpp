#include "dialogs/puz_opt.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>

TFo_Optionen::TFo_Optionen(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("Optionen"));
    ChBoZugZaehler = new QCheckBox(QStringLiteral("&Zugzähler"), this);
    ChBoZugZaehler->setChecked(true);
    ChBoSpielzeit = new QCheckBox(QStringLiteral("Spielzei&t"), this);
    ChBoSpielzeit->setChecked(true);
    ChBoZugausgabe = new QCheckBox(QStringLiteral("Zuga&usgabe"), this);
    MeAntworten = new QPlainTextEdit(this);
    SpEdRichtigeAntwort = new QSpinBox(this);
    SpEdRichtigeAntwort->setValue(1);
    RaGrAntworten = new QGroupBox(QStringLiteral("Position der Antworten"), this);
    RaGrAntwortenRechts = new QRadioButton(QStringLiteral("&rechts"), RaGrAntworten);
    RaGrAntwortenUnten = new QRadioButton(QStringLiteral("&unten"), RaGrAntworten);
    RaGrAntwortenRechts->setChecked(true);
}

int TFo_Optionen::AntwortPosition() const
{
    return RaGrAntwortenUnten->isChecked() ? 1 : 0;
}
