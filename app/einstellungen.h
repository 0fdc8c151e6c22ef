#pragma once
// The settings a game window or a page export reads at the moment it needs
// them, as one value. The program gathers it from the options dialog and the
// tile-width field (AktuelleEinstellungen() in app/fenster/fenster.h); the command
// line uses the start values below.
#include <QString>
#include <QStringList>

// The five sample answers the riddle starts with.
QStringList Beispielantworten();

struct Spieleinstellungen
{
    bool Zugausgabe = true; // the move log: LaPos in the games, the swap page's window
    bool Spielzeit = true;
    bool ZugZaehler = true;
    QStringList Antworten = Beispielantworten(); // the memo's lines
    int RichtigAntwort = 1;                      // counted from 1, unchecked
    bool AntwortenUnten = false;                 // false: right of the board
    int Kachelbreite = 80;                       // the tile-width field
};
