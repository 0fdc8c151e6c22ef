#pragma once
// The worksheet for a lesson without devices: one A4 PDF with the Legeplan
// (the empty board with its row letters and column numbers), the cut sheets
// (the pieces in a shuffled order, edge to edge between cut lines) and the
// Lösung (the whole picture under the grid). Drawn with Qt's PDF writer: it
// needs a QGuiApplication for the fonts, on any platform (offscreen too), but
// no window. Text is set in DejaVu Sans, which the package depends on, and
// embedded.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

struct Arbeitsblattauftrag
{
    int spalten = 0;
    int zeilen = 0;
    std::span<const QImage> teile; // tile (c, r) at c * zeilen + r
    // The tile files' bytes where the tiles are encoded already (a cut
    // streamed from its file has no tile pictures): decoded instead of
    // coding the tiles anew, and then `teile` is not needed.
    std::span<const QByteArray> dateien;
    QString ueberschrift;          // the Legeplan's title and each page's foot; may be empty
    QString bildnachweis;          // each page's foot, when not empty
    bool blassesBild = false;      // the picture very faint inside the Legeplan's board
    bool loesungsmarken = false;   // each piece carries its place ("B3") on a corner
    std::uint32_t saat = 0;        // the same seed gives the same cut sheets
    int qualitaet = 85;            // of the tile files: the tiles go in as those files show them
};

// The worksheet's file name: prefix + "-Arbeitsblatt.pdf".
QString Arbeitsblattdatei(const QString& kuerzel);

// Writes the worksheet to `pfad`; the file is put in place only when
// complete. The German message why it was not written, or none.
std::optional<QString> SchreibeArbeitsblatt(const Arbeitsblattauftrag& auftrag, const QString& pfad);
