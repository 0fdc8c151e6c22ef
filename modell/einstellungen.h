#pragma once
// Every option of the program as one value. The options dialog edits it, the
// main window sets the output folder and the background colour, the games and
// the job read it. Nothing of it is stored between runs: every start begins
// with the values below.
#include "modell/farbe.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// The five sample answers the riddle starts with.
QStringList Beispielantworten();

// Start value of the output folder: the user's pictures folder (the home
// folder without one) + "Tesselo", ending in a separator. It need not exist
// yet: it is created when output is first written into it.
QString StartAusgabeverzeichnis();

struct Einstellungen
{
    int JPEGQualitaet = 85; // of every JPEG file written, 0..100
    bool VorschauErzeugen = true;
    bool Seitentreu = true; // the options keep the preview in the picture's proportions
    int VorschauBreite = 240;
    int VorschauHoehe = 160;
    Farbwert Gitterlinienfarbe = SystemfarbeButtonFace;
    int Gitterbreite = 1; // pixels between the tiles of the pages, written as it stands
    bool SpielfeldMinimal = true; // the swap puzzle without its frame of blank fields
    QString Ueberschrift;         // the pages' heading, written as typed
    // Who made the picture and under which licence ("Foto: A. Muster, CC BY 4.0"), shown
    // below every board; and a short text for screen readers, the alternative text of the
    // pictures that show the whole picture. Empty: the pages stay as without them.
    QString Bildnachweis;
    QString Bildbeschreibung;
    int LeerfeldX = 0;            // the sliding puzzle's empty field, counted from 0
    int LeerfeldY = 0;
    Farbwert Hintergrundfarbe = 0xFF0000; // blue
    Farbwert Leerfeldfarbe = 0x0000FF;    // red
    bool ZugZaehler = true;
    bool Spielzeit = true;

    // The move output has two readers with two start values: the swap page
    // opens its move window from the start, while the program's games show
    // the pointer's field only once the options' check box says so (it
    // starts unticked, and the options' first activation ticks it). The
    // check box sets both.
    bool Zugausgabe = true;
    bool ZugausgabeImSpiel = false;

    // The riddle: its answers (the memo's lines; they end before the first
    // empty line), the number of the right one counted from 1 (unchecked),
    // and whether they stand below the board instead of right of it.
    QStringList Antworten = Beispielantworten();
    int RichtigeAntwort = 1;
    bool AntwortenUnten = false;

    // Where every output goes, ending in a separator.
    QString Ausgabeverzeichnis = StartAusgabeverzeichnis();

    // The printed worksheet: the picture very faint inside the empty board
    // (off: it gives much away), and each piece's place in tiny print on a
    // corner for pupils who check their own work.
    bool ArbeitsblattBlassesBild = false;
    bool ArbeitsblattLoesungsmarken = false;
};

// A picture taller than wide turns the preview: width and height exchanged.
void PasseVorschauAn(Einstellungen& einstellungen, QSize bild);

// The preview height that keeps a picture's proportions: breite x height
// / width as a whole-number product, the quotient rounded to the nearest
// integer with halves to the even neighbour. None for an empty picture.
std::optional<int> ProportionaleHoehe(int breite, QSize bild);
