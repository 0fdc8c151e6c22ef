#pragma once
// The two forms in which a puzzle travels as few files. Each game as one HTML
// file with its pictures inside as data URIs, for a mail, a USB stick, a
// platform's file resource or a cloud share. And the three games as one SCORM
// 1.2 package that Moodle, ILIAS and other learning platforms import as one
// activity: the manifest, the folder's pages and their pictures in a ZIP.
// The ADL schema files are not packed: the platforms do not read them, and
// the program ships nothing it has not made itself.
#include "export/seitenausgabe.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct Einstellungen;
struct Kachelsatz;
struct KodierteKacheln;

// The name the files are named after: the picture's file name without its
// extension (Burg.jpg -> Burg), or the prefix when there is none.
QString Bildname(const QString& bild, const QString& kuerzel);

// "Burg – Schiebepuzzle.html", "Burg – Tauschpuzzle.html", "Burg – Bilderrätsel.html".
QString Einzeldatei(Spielseite seite, const QString& bildname);

// "Burg – SCORM-Paket.zip".
QString Lernpaketdatei(const QString& bildname);

// The picture files of a puzzle by name: tiles, empty tile and preview as
// JPEG, and the riddle's answer pictures.
using Bilddateien = QMap<QString, QByteArray>;

struct Puzzlebilder
{
    Bilddateien dateien;
    std::optional<QString> fehler;         // a tile could not be encoded: nothing to write
    std::optional<QString> vorschauFehler; // the preview could not be made, the rest stands
    std::optional<QString> antwortFehler;  // the answer pictures could not be read
};

// The tile set's files as the tile save writes them (JPEG of the settings'
// quality; the empty tile in the empty field's colour and the cut's width),
// taken from `kodiert` where the cut was encoded already (a cut streamed from
// its file holds no pictures), else encoded; and the answer pictures read
// from `vorlagenverzeichnis`.
Puzzlebilder KodierePuzzlebilder(const Kachelsatz& kacheln, const Einstellungen& einstellungen,
                                 const QString& kuerzel, int leerbreite, const QString& vorlagenverzeichnis,
                                 const KodierteKacheln* kodiert = nullptr);

// A game page as one file: `eingabe` with every picture of `bilder` as a data URI.
Seiteninhalt Einzelseite(Spielseite seite, SeitenEingabe eingabe, const Bilddateien& bilder,
                         const QString& vorlagenverzeichnis);

// What the manifest names.
struct Lernpaketangaben
{
    QString kennung;      // the manifest's identifier, an XML name
    QString titel;        // of the activity
    QString bildnachweis; // empty: none
    QString bildbeschreibung;
    struct Spiel
    {
        QString titel;
        QString seite;        // the page the platform launches
        QStringList dateien;  // every file the page uses, the page first
    };
    std::vector<Spiel> spiele;
};

// imsmanifest.xml of a SCORM 1.2 package: one organisation of one item per
// game, each a SCO; the title, credit and description in its LOM metadata.
QByteArray Lernpaketmanifest(const Lernpaketangaben& angaben);

// The activity's title: the heading as plain text, or the picture's name.
QString Lernpakettitel(const QString& ueberschrift, const QString& bildname);

// The whole package: manifest, the three game pages as the folder has them,
// and their pictures. The template's problem when a page cannot be made.
struct Lernpaket
{
    QByteArray bytes;
    std::optional<Seitenfehler> fehler;
};
Lernpaket BaueLernpaket(const SeitenEingabe& eingabe, const Bilddateien& bilder, const QString& vorlagenverzeichnis,
                        const QString& titel, const QString& kennung);
