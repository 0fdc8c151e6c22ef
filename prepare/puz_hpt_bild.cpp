// Picture commands of the main window: load, clipboard, grid, cut, save.
#include "app/puz_hpt.h"

void TForm1::BuLadenClick() {}
void TForm1::BuZwischenablageClick() {}
void TForm1::HoleBildEigenschaften(bool) {}
void TForm1::LoescheBilddatei() {}
void TForm1::BuVorschauClick() {}
void TForm1::BuAutoClick() {}
void TForm1::BuSchneidenClick() {}
void TForm1::BuSpeichernClick() {}
void TForm1::EinzelbilderClick() {}
void TForm1::EinzelbilderbmpClick() {}
