#pragma once
// Shared settings, paths, flags and the tile set that every window reads.
// Plain module state: windows read and write these variables directly, and
// nothing persists between runs. Startwerte() sets every start value.
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace puz_var {

// Colours: red in the lowest byte, then green, then blue. A value with the top
// bit set names a system colour and is resolved when drawn (see farbe.h).
using Farbwert = std::uint32_t;
inline constexpr Farbwert SystemfarbeButtonFace = 0x8000000F;

inline constexpr int MaxTeile = 100; // slots in the tile store, indices 0..99

// Settings.
inline int JPEGQualitaet = 85;
inline bool VorschauErzeugen = true;
inline bool Seitentreu = true;
inline int VorschauBreite = 240;
inline int VorschauHoehe = 160;
inline Farbwert Gitterlinienfarbe = SystemfarbeButtonFace;
inline int Gitterbreite = 1;
inline int Bildformat = 1; // 0 = BMP, 1 = JPEG
inline bool SpielfeldMinimal = true;
inline QString Ueberschrift;
inline int LeerfeldX = 0;
inline int LeerfeldY = 0;
inline Farbwert Hintergrundfarbe = 0xFF0000; // blue
inline Farbwert Leerfeldfarbe = 0x0000FF;    // red
inline bool Zugausgabe = true;
inline bool ZugZaehler = true;
inline bool Spielzeit = true;
inline bool KnoepfeAusblenden = true;

// Paths and names. Ausgabeverzeichnis and Programmverzeichnis end in the
// platform's separator.
inline QString Bilddatei;
inline QString Bildverzeichnis;
inline QString Ausgabeverzeichnis;
inline QString Programmverzeichnis;
inline QString Dateikuerzel;
inline QString Tabellendatei;
inline const QStringList Antwortbilder{QStringLiteral("falsch.gif"), QStringLiteral("richtig.gif"),
                                       QStringLiteral("falsrich.gif")};
inline QString Fehlertext;

// Flags of the output pipeline.
inline bool AusgabeGeprueft = false;
inline bool JpegGespeichert = false;
inline bool SpeichernBestaetigt = false;

// Tile set: Spalten x Zeilen tiles; tile (c, r) at Teile[c * Zeilen + r].
inline int Spalten = 0;
inline int Zeilen = 0;
inline std::array<QImage, MaxTeile> Teile;
inline QImage Gesamtbild; // all tiles packed, Spalten*B x Zeilen*B
inline QImage Leerbild;   // the empty tile / blank field scratch bitmap

// Index of the tile in column c, row r of the current set.
inline int TeilIndex(int spalte, int zeile) { return spalte * Zeilen + zeile; }

// Start value of Ausgabeverzeichnis: the user's pictures folder (Qt's
// standard pictures location, else the home folder) + "Tesselo". It need not
// exist yet: it is created when output is first written into it.
QString StartAusgabeverzeichnis();

// The program's own folder for scratch files (the clipboard's bitmap, a
// JPEG's bitmap that cannot lie beside it), with a trailing separator. It is
// made in the temporary directory on first use and removed with its content
// when the program ends; the temporary directory itself if it cannot be made.
QString Arbeitsverzeichnis();

// Puts every variable back to its start value, empties the tile set and both
// shared bitmaps. Programmverzeichnis is cleared too: the main window sets it.
void Startwerte();

} // namespace puz_var
