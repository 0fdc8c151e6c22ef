#pragma once
// Before anything is written into the output folder: whether the folder can
// take files at all, and whether the files about to be written would replace
// another picture's puzzle.
//
// Output names hold only the first six characters of the picture's name, so
// two phone photos IMG_20240512_101500.jpg and IMG_20240513_083000.jpg share
// every one of them. The book remembers which picture wrote which file; a
// file counts as the picture's own only while it is unchanged since (same
// size and modification time). It keeps that in a small file of its own in
// each output folder (Buchdatei), so a later run, of the windows or of the
// command line, replaces a picture's own earlier puzzle without a question.
// The pictures are kept there as a hash, not by their path: the folder may
// be handed on, and the teacher's folders are nobody's business.
// A book may be used from several threads at once.
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

class Ausgabebuch
{
public:
    // The name of the book's file in an output folder.
    static QString Buchdatei();

    // Notes that the file `pfad` was just written for the picture `herkunft`.
    void Geschrieben(const QString& pfad, const QString& herkunft);

    // Those of `namen` (file names in `verzeichnis`, which ends in a
    // separator) that exist but were not written for `herkunft`: writing them
    // would replace something without the user's word. In the given order.
    QStringList Fremde(const QString& verzeichnis, const QStringList& namen, const QString& herkunft);

    // The user agreed that `herkunft` replaces the puzzle with the prefix
    // `kuerzel` in `verzeichnis`: every file of that puzzle found there now
    // (tiles, empty tile, preview, the four pages) and every existing one of
    // `namen` counts as the picture's own, until it changes.
    void Freigeben(const QString& verzeichnis, const QString& kuerzel, const QStringList& namen,
                   const QString& herkunft);

    // The JPEG tiles with the prefix `kuerzel` in `verzeichnis` that
    // `herkunft` wrote earlier and that are unchanged, but are none of
    // `behalten`: what is left of its earlier puzzle after a new one of
    // another grid. They are deleted and forgotten; their names.
    QStringList RaeumeAuf(const QString& verzeichnis, const QString& kuerzel, const QString& herkunft,
                          const QStringList& behalten);

    // Writes what changed into the book's file of each folder concerned.
    // A folder that takes no file keeps no book; that is no error.
    void Sichere();

private:
    struct Eintrag
    {
        QString herkunft; // a hash of the picture's origin
        qint64 groesse = -1;
        qint64 geaendertMs = 0;
    };
    static std::optional<Eintrag> Stand(const QString& pfad);
    // Reads the book's file of `verzeichnis` once; what this book noted
    // meanwhile stays.
    void Lade(const QString& verzeichnis);
    void NotiereGeschrieben(const QString& pfad, const QString& kennung);

    QMutex m_sperre;
    QHash<QString, Eintrag> m_dateien; // by the file's clean path
    QSet<QString> m_geladen;           // folders whose book was read
    QSet<QString> m_geaendert;         // folders whose book must be written
};

namespace ausgabe {

// The German sentences that name the files `fremde` (at least one) found in
// `verzeichnis`: the folder, the first files and their number.
QString Vorhandene(const QString& verzeichnis, const QString& kuerzel, const QStringList& fremde);

// The German question before replacing `fremde` (at least one name) in
// `verzeichnis`; it names the folder, the first files and their number.
QString ErsetzenFrage(const QString& verzeichnis, const QString& kuerzel, const QStringList& fremde);

// A German message when one of `namen` in `verzeichnis` is one of the
// files `bilder` (the loaded picture, the bitmap the program reads it from):
// a picture named like a tile (abcdef0_0.jpg) would be replaced by its own
// tile. None otherwise.
// `ausweg` says where another folder is chosen (the options, the command line).
std::optional<QString> BildFehler(const QString& verzeichnis, const QStringList& namen, const QStringList& bilder,
                                  const QString& ausweg);

// Where the program chooses another output folder.
inline const QString AuswegOptionen =
    QStringLiteral("Unter „Optionen“ kann mit „Ausgabeverzeichnis“ ein anderer Ordner gewählt werden.");

// Why nothing can be written into the folder (missing, not a folder,
// read-only medium, no permission), in German; none when it can.
std::optional<QString> OrdnerGrund(const QString& verzeichnis);

// Makes the output folder ready: `startordner` (the output folder's start
// value) is created when it is missing. A German message naming the folder and pointing to the
// options when nothing can be written into it (missing, not a folder,
// read-only medium, no permission); none when writing may go on.
std::optional<QString> OrdnerFehler(const QString& verzeichnis, const QString& startordner);

} // namespace ausgabe
