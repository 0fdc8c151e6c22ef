#include "dialogs/puz_opt.h"

#include "app/fenster/bildfeld.h"
#include "app/fenster/dialoge.h"
#include "app/farbe.h"
#include "app/fenster/farbfeld.h"
#include "app/fenster/fenster.h"
#include "app/fenster/fensterwechsel.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/schieberegler.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <climits>

namespace {

const QString FrageVerzeichnisAnlegen =
    QStringLiteral("Das angegebene Verzeichnis existiert nicht. Soll es angelegt werden?");

// Paths keep their case where the file system tells case apart; on Windows
// they are held in lower case.
QString Pfadschreibweise(const QString& pfad)
{
#ifdef Q_OS_WIN
    return pfad.toLower();
#else
    return pfad;
#endif
}

// A positive whole number, or none; a size of 0 or below would give a
// preview picture without pixels and a division by zero where it is drawn.
std::optional<int> Groesse(const QString& text)
{
    bool ok = false;
    const int wert = text.toInt(&ok);
    if (!ok || wert < 1)
        return std::nullopt;
    return wert;
}

} // namespace

int TFo_Optionen::AntwortPosition() const
{
    return RaGrAntwortenUnten->isChecked() ? 1 : 0;
}

std::optional<int> TFo_Optionen::ProportionaleHoehe(int breite, QSize bild)
{
    if (bild.width() <= 0 || bild.height() <= 0)
        return std::nullopt;
    const qint64 produkt = qint64(breite) * bild.height();
    const qint64 nenner = bild.width();
    qint64 quotient = produkt / nenner;
    qint64 rest = produkt % nenner;
    if (rest < 0) { // floor division, so the halves below are measured upwards
        quotient -= 1;
        rest += nenner;
    }
    if (2 * rest > nenner || (2 * rest == nenner && quotient % 2 != 0))
        quotient += 1;
    if (quotient > INT_MAX || quotient < INT_MIN)
        return std::nullopt;
    return int(quotient);
}

void TFo_Optionen::rechneHoeheNach()
{
    if (!Form1)
        return;
    if (const std::optional<int> hoehe = ProportionaleHoehe(puz_var::VorschauBreite, Form1->ImBild->size()))
        puz_var::VorschauHoehe = *hoehe;
}

void TFo_Optionen::FormActivate()
{
    TrBaJPEGQualitaet->setValue(puz_var::JPEGQualitaet);
    QList<int> marken;
    for (int wert = 0; wert <= 100; wert += JpegMarkenabstand)
        marken.append(wert);
    TrBaJPEGQualitaet->setzeMarken(marken);
    TrBaJPEGQualitaet->setzeAuswahl(0, TrBaJPEGQualitaet->value());

    CoDiLeerfeld = Farbe(puz_var::Leerfeldfarbe);
    CoBoLeerfeld->setzeFarbe(CoDiLeerfeld);
    EdAusgabeverzeichnis->setText(puz_var::Ausgabeverzeichnis);
    CoDiGitterlinienfarbe = Farbe(puz_var::Gitterlinienfarbe);
    CoBoGitterlinienfarbe->setzeFarbe(CoDiGitterlinienfarbe);

    ChBoVorschau->setChecked(puz_var::VorschauErzeugen);
    if (puz_var::VorschauErzeugen) {
        ChBoSeitentreu->setEnabled(true);
        EdVorschauBreite->setEnabled(true);
        EdVorschauHoehe->setEnabled(!puz_var::Seitentreu);
        if (puz_var::Seitentreu)
            rechneHoeheNach();
    } else {
        ChBoSeitentreu->setEnabled(false);
        EdVorschauBreite->setEnabled(false);
        EdVorschauHoehe->setEnabled(false);
    }
    EdVorschauBreite->setText(QString::number(puz_var::VorschauBreite));
    EdVorschauHoehe->setText(QString::number(puz_var::VorschauHoehe));
    EdUeberschrift->setText(puz_var::Ueberschrift);
    ChBoSeitentreu->setChecked(puz_var::Seitentreu);
    setzeLeerfeldgrenzen();
    EdProgrammverzeichnis->setText(puz_var::Programmverzeichnis);

    ChBoSpielfeldMinimal->setChecked(puz_var::SpielfeldMinimal);
    ChBoZugausgabe->setChecked(puz_var::Zugausgabe);
    ChBoSpielzeit->setChecked(puz_var::Spielzeit);
    ChBoZugZaehler->setChecked(puz_var::ZugZaehler);
}

void TFo_Optionen::setzeLeerfeldgrenzen()
{
    // The value first, within room enough for it, then the grid's bound: a
    // position outside the grid is pulled onto its last column or row, and
    // the change handler stores that. Without a grid (before the first cut)
    // the only choice is 0 and the fields rest disabled.
    const struct {
        QSpinBox* feld;
        int wert;
        int anzahl;
    } felder[] = {{SpEdLeerfeldX, puz_var::LeerfeldX, puz_var::Spalten},
                  {SpEdLeerfeldY, puz_var::LeerfeldY, puz_var::Zeilen}};
    for (const auto& f : felder) {
        f.feld->setMaximum(INT_MAX);
        f.feld->setValue(f.wert);
        f.feld->setMaximum(std::max(f.anzahl - 1, 0));
        f.feld->setEnabled(f.anzahl > 0);
    }
}

void TFo_Optionen::BuSchliessenClick()
{
    hide();
}

void TFo_Optionen::BuAusgabeverzeichnisClick()
{
    const QString start = QDir::currentPath();
    const QString gewaehlt = Dialoge::VerzeichnisWaehlen(this, start);
    if (gewaehlt.isEmpty())
        return;
    QString pfad = QDir::cleanPath(QDir(start).absoluteFilePath(gewaehlt));
    if (!QDir(pfad).exists()) {
        if (!Dialoge::Frage(this, FrageVerzeichnisAnlegen))
            return;
        if (!QDir().mkpath(pfad)) {
            Dialoge::Meldung(this, QStringLiteral("Das Verzeichnis %1 konnte nicht angelegt werden.")
                                       .arg(QDir::toNativeSeparators(pfad)));
            return;
        }
    }
    pfad = QDir::toNativeSeparators(pfad);
    if (!pfad.endsWith(QDir::separator()))
        pfad += QDir::separator();
    puz_var::Ausgabeverzeichnis = Pfadschreibweise(pfad);
    EdAusgabeverzeichnis->setText(puz_var::Ausgabeverzeichnis);
}

void TFo_Optionen::EdAusgabeverzeichnisChange()
{
    puz_var::Ausgabeverzeichnis = Pfadschreibweise(EdAusgabeverzeichnis->text());
    if (Form1)
        Form1->ZeigeAusgabeverzeichnis();
}

void TFo_Optionen::EdUeberschriftChange()
{
    puz_var::Ueberschrift = EdUeberschrift->text();
}

void TFo_Optionen::TrBaJPEGQualitaetChange()
{
    puz_var::JPEGQualitaet = TrBaJPEGQualitaet->value();
    TrBaJPEGQualitaet->setzeAuswahlende(TrBaJPEGQualitaet->value());
}

void TFo_Optionen::ChBoVorschauClick()
{
    puz_var::VorschauErzeugen = ChBoVorschau->isChecked();
    EdVorschauBreite->setEnabled(puz_var::VorschauErzeugen);
    EdVorschauHoehe->setEnabled(puz_var::VorschauErzeugen);
}

void TFo_Optionen::ChBoSeitentreuClick()
{
    puz_var::Seitentreu = ChBoSeitentreu->isChecked();
    EdVorschauHoehe->setEnabled(!puz_var::Seitentreu);
}

void TFo_Optionen::EdVorschauBreiteChange()
{
    const std::optional<int> breite = Groesse(EdVorschauBreite->text());
    if (!breite)
        return;
    puz_var::VorschauBreite = *breite;
    if (puz_var::Seitentreu)
        rechneHoeheNach();
}

void TFo_Optionen::EdVorschauHoeheChange()
{
    if (const std::optional<int> hoehe = Groesse(EdVorschauHoehe->text()))
        puz_var::VorschauHoehe = *hoehe;
}

void TFo_Optionen::SpEdLeerfeldXChange()
{
    puz_var::LeerfeldX = SpEdLeerfeldX->value();
}

void TFo_Optionen::SpEdLeerfeldYChange()
{
    puz_var::LeerfeldY = SpEdLeerfeldY->value();
}

void TFo_Optionen::CoBoLeerfeldDropDown()
{
    const std::optional<QColor> farbe = Dialoge::FarbeWaehlen(this, CoDiLeerfeld);
    if (!farbe)
        return;
    CoDiLeerfeld = *farbe;
    puz_var::Leerfeldfarbe = Farbwert(*farbe);
    CoBoLeerfeld->setzeFarbe(*farbe);
    QCoreApplication::processEvents();
}

void TFo_Optionen::SpEdGitterbreiteChange()
{
    puz_var::Gitterbreite = SpEdGitterbreite->value();
}

void TFo_Optionen::CoBoGitterlinienfarbeDropDown()
{
    const std::optional<QColor> farbe = Dialoge::FarbeWaehlen(this, CoDiGitterlinienfarbe);
    if (!farbe)
        return;
    CoDiGitterlinienfarbe = *farbe;
    puz_var::Gitterlinienfarbe = Farbwert(*farbe);
    CoBoGitterlinienfarbe->setzeFarbe(*farbe);
    QCoreApplication::processEvents();
}

void TFo_Optionen::ChBoSpielfeldMinimalClick()
{
    puz_var::SpielfeldMinimal = ChBoSpielfeldMinimal->isChecked();
}

void TFo_Optionen::BuLoeschenClick()
{
    MeAntworten->clear();
}

void TFo_Optionen::ChBoZugZaehlerClick()
{
    puz_var::ZugZaehler = ChBoZugZaehler->isChecked();
}

void TFo_Optionen::ChBoSpielzeitClick()
{
    puz_var::Spielzeit = ChBoSpielzeit->isChecked();
}

void TFo_Optionen::ChBoZugausgabeClick()
{
    puz_var::Zugausgabe = ChBoZugausgabe->isChecked();
}

void TFo_Optionen::showEvent(QShowEvent* ereignis)
{
    Formular::showEvent(ereignis);
    // A window shown while it still counts as the active one (some platforms
    // keep a hidden window active) gets no activation event.
    if (!ereignis->spontaneous() && isActiveWindow())
        FormActivate();
}

void TFo_Optionen::changeEvent(QEvent* ereignis)
{
    // Coming back from another application is no activation.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow() &&
        !fensterwechsel::RueckkehrVonAussen(this))
        FormActivate();
    Formular::changeEvent(ereignis);
}
