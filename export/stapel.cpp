#include "export/stapel.h"

#include "app/einstellungen.h"
#include "app/farbe.h"
#include "app/puz_var.h"
#include "codecs/bildcodec.h"
#include "export/ausgabebuch.h"
#include "export/seitenausgabe.h"
#include "export/webname.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/kachelsicherung.h"
#include "prepare/ladung.h"
#include "prepare/schnitt.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> SchreibePuzzle(const QImage& bild, const Puzzleauftrag& a)
{
    const gitter::Gitter& g = a.gitter;
    const auto geschrieben = [&a](const QString& datei) {
        if (a.geschrieben)
            a.geschrieben(datei);
    };
    const schnitt::Kachelsatz satz = schnitt::Zerschneide(bild, g, Farbe(puz_var::Hintergrundfarbe));
    {
        QImage leerbild(g.breite, g.breite, QImage::Format_RGB32);
        leerbild.fill(Farbe(puz_var::Leerfeldfarbe));
        KachelAuftrag kacheln = Kachelauftrag(a.verzeichnis, a.kuerzel, satz.spalten, satz.zeilen, satz.teile,
                                              satz.gesamtbild, leerbild);
        kacheln.qualitaet = a.qualitaet;
        kacheln.geschrieben = geschrieben;
        const Kachelsicherung sicherung = SichereKacheln(kacheln);
        if (sicherung.fehler)
            return sicherung.fehler;
        if (sicherung.vorschauFehler)
            return sicherung.vorschauFehler;
    }

    const SeitenEingabe eingabe = Seiteneingabe(a.einstellungen, a.kuerzel, satz.spalten, satz.zeilen);
    for (const Spielseite seite : {Spielseite::Schieben, Spielseite::Tauschen, Spielseite::Raetsel}) {
        const QString ziel = a.verzeichnis + Seitendatei(seite, a.kuerzel);
        if (auto seitenfehler = SchreibeSpielseite(seite, eingabe, a.vorlagenverzeichnis, ziel))
            return QStringLiteral("%1: %2").arg(ziel, seitenfehler->text);
        geschrieben(ziel);
    }
    if (auto antwortfehler = ErgaenzeAntwortbilder(a.vorlagenverzeichnis, a.verzeichnis))
        return antwortfehler;

    const QString ziel = a.verzeichnis + a.kuerzel + QStringLiteral("ta.htm");
    if (auto seitenfehler = SchreibeTabelle(Tabelleneingabe(a.bildpfad, a.kuerzel, satz.spalten, satz.zeilen), ziel))
        return QStringLiteral("%1: %2").arg(ziel, seitenfehler->text);
    geschrieben(ziel);
    return std::nullopt;
}

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

// One picture's puzzle; the German message when it is not (completely) written.
struct Bildauftrag
{
    const Aufruf& stapel;
    const QString& vorlagenverzeichnis;
    const QString& verzeichnis;
    Ausgabebuch& buch;
    QSize vorschau; // the preview's start size
};

std::optional<QString> Exportiere(const Bildauftrag& a, const QString& pfad, QString* meldung)
{
    QString fehler;
    const std::optional<QImage> bild = bildcodec::LeseBild(pfad, &fehler);
    if (!bild)
        return fehler;
    const QSize groesse = bild->size();
    const std::optional<gitter::Gitter> g =
        !a.stapel.breite ? gitter::AutoGitter(groesse)
        : a.stapel.offset ? gitter::Gitter{a.stapel.offset->x(), a.stapel.offset->y(), *a.stapel.breite}
                          : gitter::Zentriert(groesse, *a.stapel.breite);
    if (!g)
        return gitter::KeinGanzesTeil(groesse);
    if (auto schnittfehler = gitter::SchnittFehler(groesse, *g))
        return schnittfehler;

    const QString kuerzel = kachelnamen::Dateikuerzel(QFileInfo(pfad).fileName());
    const QString verzeichnis =
        a.stapel.unterordner ? a.verzeichnis + ladung::MitTrenner(QFileInfo(pfad).completeBaseName()) : a.verzeichnis;
    const int spalten = int(gitter::Spalten(groesse, *g));
    const int zeilen = int(gitter::Zeilen(groesse, *g));
    const QStringList namen = kachelnamen::Kachelsatz(kuerzel, spalten, zeilen, false, puz_var::VorschauErzeugen) +
                              QStringList{Seitendatei(Spielseite::Schieben, kuerzel),
                                          Seitendatei(Spielseite::Tauschen, kuerzel),
                                          Seitendatei(Spielseite::Raetsel, kuerzel), kuerzel + QStringLiteral("ta.htm")};
    if (auto bildfehler = ausgabe::BildFehler(verzeichnis, namen, {pfad},
                                                QStringLiteral("Das Puzzle gehört in einen anderen Ordner.")))
        return bildfehler;
    const QStringList fremde = a.buch.Fremde(verzeichnis, namen, pfad);
    if (!fremde.isEmpty() && !a.stapel.ersetzen)
        return QStringLiteral("übersprungen. %1 Mit --ersetzen werden sie ersetzt, mit --unterordner bekommt "
                              "jedes Bild einen eigenen Ordner.")
            .arg(ausgabe::Vorhandene(verzeichnis, kuerzel, fremde));
    if (a.stapel.unterordner)
        if (auto ordnerfehler = OrdnerBereit(verzeichnis))
            return ordnerfehler;
    if (!IstWebname(kuerzel))
        *meldung = QStringLiteral("%1 ist kein gültiger Dateiname im Web!").arg(kuerzel);

    // A portrait picture turns the preview, as loading it in the program does.
    puz_var::VorschauBreite = a.vorschau.width();
    puz_var::VorschauHoehe = a.vorschau.height();
    if (groesse.width() < groesse.height())
        std::swap(puz_var::VorschauBreite, puz_var::VorschauHoehe);
    int dateien = 0;
    Puzzleauftrag puzzle;
    puzzle.bildpfad = pfad;
    puzzle.kuerzel = kuerzel;
    puzzle.verzeichnis = verzeichnis;
    puzzle.vorlagenverzeichnis = a.vorlagenverzeichnis;
    puzzle.gitter = *g;
    puzzle.qualitaet = a.stapel.qualitaet;
    puzzle.einstellungen.Kachelbreite = g->breite;
    puzzle.geschrieben = [&](const QString& datei) {
        a.buch.Geschrieben(datei, pfad);
        ++dateien;
    };
    if (auto puzzlefehler = SchreibePuzzle(*bild, puzzle))
        return puzzlefehler;
    *meldung = QStringLiteral("%1 x %2 Teile zu %3 Pixeln, %4 Dateien%5%6")
                   .arg(spalten)
                   .arg(zeilen)
                   .arg(g->breite)
                   .arg(dateien)
                   .arg(a.stapel.unterordner ? QStringLiteral(" in ") + verzeichnis : QString())
                   .arg(meldung->isEmpty() ? QString() : QStringLiteral(" (Hinweis: %1)").arg(*meldung));
    return std::nullopt;
}

} // namespace

int Stapelexport(const Aufruf& aufruf, const QString& vorlagenverzeichnis,
                 const std::function<void(const QString&)>& zeile, const std::function<void(const QString&)>& fehler)
{
    const QString verzeichnis = ladung::MitTrenner(QFileInfo(aufruf.ordner).absoluteFilePath());
    if (const auto ordnerfehler = OrdnerBereit(verzeichnis)) {
        fehler(*ordnerfehler);
        return 1;
    }
    Ausgabebuch buch;
    const Bildauftrag a{aufruf, vorlagenverzeichnis, verzeichnis, buch, QSize(puz_var::VorschauBreite, puz_var::VorschauHoehe)};
    int ergebnis = 0;
    for (const QString& bild : aufruf.bilder) {
        const QString pfad = QDir::toNativeSeparators(QFileInfo(bild).absoluteFilePath());
        QString meldung;
        if (const auto bildfehler = Exportiere(a, pfad, &meldung)) {
            fehler(QStringLiteral("%1: %2").arg(bild, *bildfehler));
            ergebnis = 1;
        } else {
            zeile(QStringLiteral("%1: %2").arg(bild, meldung));
        }
    }
    return ergebnis;
}
