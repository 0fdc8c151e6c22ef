#pragma once
// The one job that writes a puzzle into the output folder: the tiles with the
// empty tile and the preview, the game pages with the riddle's answer
// pictures, the picture table and the printable worksheet, in the order the
// caller asks for. The main window's "&Speichern" commands and
// `tesselo --export` both run it; they
// differ only in what they pass and in how they answer its questions.
//
// Before a part is written its files are cleared: the folder must take them,
// none may be the picture itself, files of another picture are replaced only with the caller's word,
// and the first write of a cut asks about the program's own folder and a
// prefix unfit for the web. A page needs the JPEG tiles: they follow the
// first page written, unless this cut's JPEG tiles were written already.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class Ausgabebuch;
struct Ausgabestand;
struct Einstellungen;
struct KodierteKacheln;
struct Kachelsatz;

// Einzeldateien: the three games each as one HTML file with its pictures
// inside; Lernpaket: the three games as one SCORM 1.2 package. Neither needs
// the tile files beside it.
enum class Ausgabeteil {
    KachelnJpeg,
    KachelnBmp,
    Schiebeseite,
    Tauschseite,
    Raetselseite,
    Tabelle,
    Arbeitsblatt,
    Einzeldateien,
    Lernpaket
};

// A problem the job met, with its German message.
struct Ausgabefehler
{
    enum class Art {
        Ordner,        // nothing can be written into the output folder
        Bild,          // a file to write is the picture itself
        Breite,        // the tile width cannot be used
        Kacheln,       // a tile, the empty tile or the preview could not be written
        Vorschau,      // the preview has an impossible size; the tiles are written
        Vorlage,       // a page's template is missing; the page is not written
        Seite,         // a page could not be written
        Antwortbilder, // the riddle page stands, its answer pictures could not be copied
        Arbeitsblatt,  // the worksheet is refused (too many tiles) or could not be written
        KleineTeile,   // a note only: the worksheet stands, its pieces are under 2 cm; the job goes on
    };
    Art art = Art::Seite;
    QString text;
    QString datei; // the page concerned, for Vorlage and Seite
};

// What the job asks its caller: the windows answer with their dialogs and
// messages, the command line with its options.
class Ausgabefragen
{
public:
    virtual ~Ausgabefragen() = default;

    // Makes the output folder ready where the caller does so; why nothing
    // can be written into it, in German, or none.
    virtual std::optional<QString> Ordnerfehler(const QString& verzeichnis) = 0;
    // Files `fremde` (in the order met) exist in `verzeichnis` that this
    // picture did not write. True replaces them: the puzzle of this prefix
    // there becomes the picture's own.
    virtual bool Ersetzen(const QString& verzeichnis, const QString& kuerzel, const QStringList& fremde) = 0;
    // The output goes into the folder of the templates. True goes on.
    virtual bool InsProgrammverzeichnis(const QString& verzeichnis) = 0;
    // The prefix is no name fit for the web. True goes on.
    virtual bool OhneWebnamen(const QString& kuerzel) = 0;
    // A problem. Where the job can go on (a missing template skips its page
    // and that page's tiles, the answer pictures and the preview leave the
    // rest), true goes on and false ends the job there; after any other
    // problem the job ends whatever the answer.
    virtual bool Weiter(const Ausgabefehler& fehler) = 0;
    // The tiles were just written, before anything after them.
    virtual void KachelnGeschrieben() {}
};

struct Puzzleauftrag
{
    QString verzeichnis;         // the output folder, ending in a separator
    QString vorlagenverzeichnis; // templates and answer pictures, ending in a separator
    QString kuerzel;             // every output name begins with it
    QString herkunft;            // which picture this is, for the book
    QStringList bilddateien;     // the picture's own files, never written over
    QString ausweg;              // told with that refusal: where another folder is chosen
    QString tabellenbild;        // the picture named in the table page's heading
    int kachelbreite = 80;       // the pages' tile width, which may differ from the cut's
    std::vector<Ausgabeteil> teile; // what is written, in this order
    // The order of the worksheet's pieces; none shuffles them anew.
    std::optional<std::uint32_t> mischung;
    // The JPEG files of the tiles, encoded before with these settings (a
    // cut streamed from its file, whose tile set holds no pictures): every
    // part takes them instead of encoding the tiles.
    std::shared_ptr<const KodierteKacheln> kodierteKacheln;
};

struct Ausgabeergebnis
{
    enum class Ausgang { Fertig, Abgelehnt, Fehler };
    // Fehler when a problem ended the job; else Abgelehnt when a question
    // was answered no (that part and its tiles were not written).
    Ausgang ausgang = Ausgang::Fertig;
    QStringList dateien; // the puzzle's files written, in order (not the answer pictures)
};

// Writes the parts of `auftrag` from the tile set with the settings, recording
// each file in `buch` and the cut's progress in `stand`. Each page is put in
// place only when complete; the first failure of a write ends the job with the
// files before it in place.
Ausgabeergebnis SchreibePuzzle(const Puzzleauftrag& auftrag, const Kachelsatz& kacheln,
                               const Einstellungen& einstellungen, Ausgabestand& stand, Ausgabebuch& buch,
                               Ausgabefragen& fragen);
