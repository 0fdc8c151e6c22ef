#include "export/stapel.h"

#include "codecs/bildcodec.h"
#include "export/ausgabebuch.h"
#include "export/puzzleausgabe.h"
#include "modell/einstellungen.h"
#include "modell/puzzle.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/ladung.h"
#include "prepare/schnitt.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Makes the folder when it is missing; why nothing can be written into it.
std::optional<QString> OrdnerBereit(const QString& verzeichnis)
{
    if (!QFileInfo::exists(verzeichnis) && !QDir().mkpath(verzeichnis)) {
        // The reason lies with the nearest part of the path that exists.
        QString vorhanden = QDir::cleanPath(verzeichnis);
        while (!QFileInfo::exists(vorhanden) && QFileInfo(vorhanden).absolutePath() != vorhanden)
            vorhanden = QFileInfo(vorhanden).absolutePath();
        return QStringLiteral("Der Ordner %1 kann nicht angelegt werden. %2: %3")
            .arg(verzeichnis, QDir::toNativeSeparators(vorhanden),
                 ausgabe::OrdnerGrund(vorhanden).value_or(QStringLiteral("Es fehlt die Berechtigung.")));
    }
    if (const auto grund = ausgabe::OrdnerGrund(verzeichnis))
        return QStringLiteral("In den Ordner %1 kann nicht geschrieben werden. %2").arg(verzeichnis, *grund);
    return std::nullopt;
}

// The job's questions answered from the command line's options: nobody is
// asked, and what a window would ask about ends up in the picture's line.
class Optionsantworten : public Ausgabefragen
{
public:
    explicit Optionsantworten(bool ersetzen) : m_ersetzen(ersetzen) {}

    // A missing folder is made (a picture's own folder with --unterordner).
    std::optional<QString> Ordnerfehler(const QString& verzeichnis) override { return OrdnerBereit(verzeichnis); }
    bool Ersetzen(const QString& verzeichnis, const QString& kuerzel, const QStringList& fremde) override
    {
        if (!m_ersetzen)
            meldung = QStringLiteral("übersprungen. %1 Mit --ersetzen werden sie ersetzt, mit --unterordner bekommt "
                                     "jedes Bild einen eigenen Ordner.")
                          .arg(ausgabe::Vorhandene(verzeichnis, kuerzel, fremde));
        return m_ersetzen;
    }
    // The command line writes where it is told.
    bool InsProgrammverzeichnis(const QString&) override { return true; }
    bool OhneWebnamen(const QString& kuerzel) override
    {
        hinweis = QStringLiteral("%1 ist kein gültiger Dateiname im Web!").arg(kuerzel);
        return true;
    }
    // A picture is written whole or reported: every problem ends it.
    bool Weiter(const Ausgabefehler& fehler) override
    {
        meldung = fehler.datei.isEmpty() ? fehler.text : QStringLiteral("%1: %2").arg(fehler.datei, fehler.text);
        return false;
    }

    QString meldung; // why the picture was not (completely) written
    QString hinweis;

private:
    bool m_ersetzen;
};

// One picture's puzzle: its line, or the German message why it is not
// (completely) written.
struct Bildergebnis
{
    bool geschrieben = false;
    QString text;
};

Bildergebnis ExportiereBild(const Stapelauftrag& stapel, const QString& vorlagenverzeichnis,
                            const QString& verzeichnis, Ausgabebuch& buch, const QString& pfad)
{
    QString fehler;
    const std::optional<QImage> bild = bildcodec::LeseBild(pfad, &fehler);
    if (!bild)
        return {false, fehler};
    const QSize groesse = bild->size();
    const std::optional<Gitter> g = !stapel.breite ? gitter::AutoGitter(groesse)
                                    : stapel.offset ? Gitter{stapel.offset->x(), stapel.offset->y(), *stapel.breite}
                                                    : gitter::Zentriert(groesse, *stapel.breite);
    if (!g)
        return {false, gitter::KeinGanzesTeil(groesse)};
    if (auto schnittfehler = gitter::SchnittFehler(groesse, *g))
        return {false, *schnittfehler};

    Puzzleauftrag auftrag;
    auftrag.verzeichnis =
        stapel.unterordner ? verzeichnis + ladung::MitTrenner(QFileInfo(pfad).completeBaseName()) : verzeichnis;
    auftrag.vorlagenverzeichnis = vorlagenverzeichnis;
    auftrag.kuerzel = kachelnamen::Dateikuerzel(QFileInfo(pfad).fileName());
    auftrag.herkunft = pfad;
    auftrag.bilddateien = {pfad};
    auftrag.ausweg = QStringLiteral("Das Puzzle gehört in einen anderen Ordner.");
    auftrag.tabellenbild = pfad;
    auftrag.kachelbreite = g->breite;
    auftrag.teile = {Ausgabeteil::KachelnJpeg, Ausgabeteil::Schiebeseite, Ausgabeteil::Tauschseite,
                     Ausgabeteil::Raetselseite, Ausgabeteil::Tabelle};
    Einstellungen einstellungen;
    einstellungen.JPEGQualitaet = stapel.qualitaet;
    // A portrait picture turns the preview, as loading it in the program does.
    PasseVorschauAn(einstellungen, groesse);
    const Kachelsatz kacheln = schnitt::Zerschneide(*bild, *g, Farbe(einstellungen.Hintergrundfarbe));
    Ausgabestand stand;
    Optionsantworten antworten(stapel.ersetzen);
    const Ausgabeergebnis ergebnis = SchreibePuzzle(auftrag, kacheln, einstellungen, stand, buch, antworten);
    if (ergebnis.ausgang != Ausgabeergebnis::Ausgang::Fertig)
        return {false, antworten.meldung};
    return {true, QStringLiteral("%1 x %2 Teile zu %3 Pixeln, %4 Dateien%5%6")
                      .arg(kacheln.spalten)
                      .arg(kacheln.zeilen)
                      .arg(g->breite)
                      .arg(ergebnis.dateien.size())
                      .arg(stapel.unterordner ? QStringLiteral(" in ") + auftrag.verzeichnis : QString())
                      .arg(antworten.hinweis.isEmpty() ? QString()
                                                       : QStringLiteral(" (Hinweis: %1)").arg(antworten.hinweis))};
}

} // namespace

int Stapelexport(const Stapelauftrag& auftrag, const QString& vorlagenverzeichnis,
                 const std::function<void(const QString&)>& zeile, const std::function<void(const QString&)>& fehler)
{
    const QString verzeichnis = ladung::MitTrenner(QFileInfo(auftrag.ordner).absoluteFilePath());
    if (const auto ordnerfehler = OrdnerBereit(verzeichnis)) {
        fehler(*ordnerfehler);
        return 1;
    }
    Ausgabebuch buch;
    int ergebnis = 0;
    for (const QString& bild : auftrag.bilder) {
        const QString pfad = QDir::toNativeSeparators(QFileInfo(bild).absoluteFilePath());
        const Bildergebnis b = ExportiereBild(auftrag, vorlagenverzeichnis, verzeichnis, buch, pfad);
        if (b.geschrieben) {
            zeile(QStringLiteral("%1: %2").arg(bild, b.text));
        } else {
            fehler(QStringLiteral("%1: %2").arg(bild, b.text));
            ergebnis = 1;
        }
    }
    return ergebnis;
}
