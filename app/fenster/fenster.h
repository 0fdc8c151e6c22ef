#pragma once
// The thirteen windows of the program. They are created once, in this order,
// live until the program ends and reach each other only through these
// instances and the shared state of puz_var.
class TForm1;
class TFoPlay;
class TFo_Optionen;
class TFoBilderRaetselAnleitung;
class TFoSchiebePuzzleAnleitung;
class TFoFehler;
class TFoDragPuzzle;
class TFoDragPuzzleAnleitung;
class TFoBilderRaetsel;
class TFoInfo;
class TFoHilfe;
class TFoWarn;
class TFoCheck4HtmlName;

extern TForm1* Form1;
extern TFoPlay* FoPlay;
extern TFo_Optionen* Fo_Optionen;
extern TFoBilderRaetselAnleitung* FoBilderRaetselAnleitung;
extern TFoSchiebePuzzleAnleitung* FoSchiebePuzzleAnleitung;
extern TFoFehler* FoFehler;
extern TFoDragPuzzle* FoDragPuzzle;
extern TFoDragPuzzleAnleitung* FoDragPuzzleAnleitung;
extern TFoBilderRaetsel* FoBilderRaetsel;
extern TFoInfo* FoInfo;
extern TFoHilfe* FoHilfe;
extern TFoWarn* FoWarn;
extern TFoCheck4HtmlName* FoCheck4HtmlName;

struct Spieleinstellungen;

// The settings as the options dialog and the tile-width field show them at
// this moment; the start values while those windows do not exist.
Spieleinstellungen AktuelleEinstellungen();

// Sets the program's font, style and German standard texts, then creates the
// windows, Form1 first (its creation touches no other window). All stay
// hidden; the caller shows Form1.
void ErzeugeFenster();

// Destroys the windows in reverse order (program end, end of a test run).
void ZerstoereFenster();
