#include "dialogs/optionsdialog.h"

#include "dialogs/schieberegler.h"
#include "fenster/dialoge.h"
#include "fenster/farbfeld.h"
#include "fenster/fensterwechsel.h"
#include "modell/sitzung.h"

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

void Optionsdialog::rechneHoeheNach()
{
    Einstellungen& e = m_sitzung.einstellungen;
    if (const std::optional<int> hoehe = ProportionaleHoehe(e.VorschauBreite, m_sitzung.puzzle.bildgroesse))
        e.VorschauHoehe = *hoehe;
}

void Optionsdialog::FormActivate()
{
    const Einstellungen& e = m_sitzung.einstellungen;
    m_zeigtEinstellungen = true;
    TrBaJPEGQualitaet->setValue(e.JPEGQualitaet);
    QList<int> marken;
    for (int wert = 0; wert <= 100; wert += JpegMarkenabstand)
        marken.append(wert);
    TrBaJPEGQualitaet->setzeMarken(marken);
    TrBaJPEGQualitaet->setzeAuswahl(0, TrBaJPEGQualitaet->value());

    CoDiLeerfeld = Farbe(e.Leerfeldfarbe);
    CoBoLeerfeld->setzeFarbe(CoDiLeerfeld);
    EdAusgabeverzeichnis->setText(e.Ausgabeverzeichnis);
    CoDiGitterlinienfarbe = Farbe(e.Gitterlinienfarbe);
    CoBoGitterlinienfarbe->setzeFarbe(CoDiGitterlinienfarbe);

    ChBoVorschau->setChecked(e.VorschauErzeugen);
    if (e.VorschauErzeugen) {
        ChBoSeitentreu->setEnabled(true);
        EdVorschauBreite->setEnabled(true);
        EdVorschauHoehe->setEnabled(!e.Seitentreu);
        if (e.Seitentreu)
            rechneHoeheNach();
    } else {
        ChBoSeitentreu->setEnabled(false);
        EdVorschauBreite->setEnabled(false);
        EdVorschauHoehe->setEnabled(false);
    }
    EdVorschauBreite->setText(QString::number(e.VorschauBreite));
    EdVorschauHoehe->setText(QString::number(e.VorschauHoehe));
    EdUeberschrift->setText(e.Ueberschrift);
    EdBildnachweis->setText(e.Bildnachweis);
    EdBildbeschreibung->setText(e.Bildbeschreibung);
    ChBoSeitentreu->setChecked(e.Seitentreu);
    setzeLeerfeldgrenzen();
    EdProgrammverzeichnis->setText(m_sitzung.programmverzeichnis);

    ChBoSpielfeldMinimal->setChecked(e.SpielfeldMinimal);
    ChBoZugausgabe->setChecked(e.Zugausgabe);
    ChBoSpielzeit->setChecked(e.Spielzeit);
    ChBoZugZaehler->setChecked(e.ZugZaehler);
    ChBoBlassesBild->setChecked(e.ArbeitsblattBlassesBild);
    ChBoLoesungsmarken->setChecked(e.ArbeitsblattLoesungsmarken);
    m_zeigtEinstellungen = false;
}

void Optionsdialog::setzeLeerfeldgrenzen()
{
    const Einstellungen& e = m_sitzung.einstellungen;
    // The value first, within room enough for it, then the grid's bound: a
    // position outside the grid is pulled onto its last column or row, and
    // the change handler stores that. Without a grid (before the first cut)
    // the only choice is 0 and the fields rest disabled.
    const struct {
        QSpinBox* feld;
        int wert;
        int anzahl;
    } felder[] = {{SpEdLeerfeldX, e.LeerfeldX, m_sitzung.puzzle.kacheln.spalten},
                  {SpEdLeerfeldY, e.LeerfeldY, m_sitzung.puzzle.kacheln.zeilen}};
    for (const auto& f : felder) {
        f.feld->setMaximum(INT_MAX);
        f.feld->setValue(f.wert);
        f.feld->setMaximum(std::max(f.anzahl - 1, 0));
        f.feld->setEnabled(f.anzahl > 0);
    }
}

void Optionsdialog::BuAusgabeverzeichnisClick()
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
    m_sitzung.einstellungen.Ausgabeverzeichnis = Pfadschreibweise(pfad);
    EdAusgabeverzeichnis->setText(m_sitzung.einstellungen.Ausgabeverzeichnis);
}

void Optionsdialog::EdAusgabeverzeichnisChange()
{
    m_sitzung.einstellungen.Ausgabeverzeichnis = Pfadschreibweise(EdAusgabeverzeichnis->text());
    emit ausgabeverzeichnisGeaendert();
}

void Optionsdialog::TrBaJPEGQualitaetChange()
{
    Einstellungen& e = m_sitzung.einstellungen;
    e.JPEGQualitaet = TrBaJPEGQualitaet->value();
    TrBaJPEGQualitaet->setzeAuswahlende(TrBaJPEGQualitaet->value());
}

void Optionsdialog::ChBoVorschauClick()
{
    Einstellungen& e = m_sitzung.einstellungen;
    e.VorschauErzeugen = ChBoVorschau->isChecked();
    EdVorschauBreite->setEnabled(e.VorschauErzeugen);
    EdVorschauHoehe->setEnabled(e.VorschauErzeugen);
}

void Optionsdialog::ChBoSeitentreuClick()
{
    Einstellungen& e = m_sitzung.einstellungen;
    e.Seitentreu = ChBoSeitentreu->isChecked();
    EdVorschauHoehe->setEnabled(!e.Seitentreu);
}

void Optionsdialog::EdVorschauBreiteChange()
{
    Einstellungen& e = m_sitzung.einstellungen;
    const std::optional<int> breite = Groesse(EdVorschauBreite->text());
    if (!breite)
        return;
    e.VorschauBreite = *breite;
    if (e.Seitentreu)
        rechneHoeheNach();
}

void Optionsdialog::EdVorschauHoeheChange()
{
    Einstellungen& e = m_sitzung.einstellungen;
    if (const std::optional<int> hoehe = Groesse(EdVorschauHoehe->text()))
        e.VorschauHoehe = *hoehe;
}

void Optionsdialog::CoBoLeerfeldDropDown()
{
    Einstellungen& e = m_sitzung.einstellungen;
    const std::optional<QColor> farbe = Dialoge::FarbeWaehlen(this, CoDiLeerfeld);
    if (!farbe)
        return;
    CoDiLeerfeld = *farbe;
    e.Leerfeldfarbe = AlsFarbwert(*farbe);
    CoBoLeerfeld->setzeFarbe(*farbe);
    QCoreApplication::processEvents();
}

void Optionsdialog::CoBoGitterlinienfarbeDropDown()
{
    Einstellungen& e = m_sitzung.einstellungen;
    const std::optional<QColor> farbe = Dialoge::FarbeWaehlen(this, CoDiGitterlinienfarbe);
    if (!farbe)
        return;
    CoDiGitterlinienfarbe = *farbe;
    e.Gitterlinienfarbe = AlsFarbwert(*farbe);
    CoBoGitterlinienfarbe->setzeFarbe(*farbe);
    QCoreApplication::processEvents();
}

void Optionsdialog::ChBoZugausgabeClick()
{
    Einstellungen& e = m_sitzung.einstellungen;
    e.Zugausgabe = e.ZugausgabeImSpiel = ChBoZugausgabe->isChecked();
}

void Optionsdialog::showEvent(QShowEvent* ereignis)
{
    Formular::showEvent(ereignis);
    // A window shown while it still counts as the active one (some platforms
    // keep a hidden window active) gets no activation event.
    if (!ereignis->spontaneous() && isActiveWindow())
        FormActivate();
}

void Optionsdialog::changeEvent(QEvent* ereignis)
{
    // Coming back from another application is no activation.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow() &&
        !fensterwechsel::RueckkehrVonAussen(this))
        FormActivate();
    Formular::changeEvent(ereignis);
}
