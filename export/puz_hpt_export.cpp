// Page exports of the main window's menu "&Speichern".
#include "app/puz_hpt.h"

void TForm1::SchiebePuzzleClick() {}
void TForm1::TauschPuzzleClick() {}
void TForm1::RaetselnClick() {}
void TForm1::TabelleClick() {}
void TForm1::alleHTMLSpieleClick() {}
