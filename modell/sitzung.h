#pragma once
// What the running program works with: the options and the puzzle. The
// program owns one and hands it to its windows; nothing else holds state.
#include "modell/einstellungen.h"
#include "modell/puzzle.h"

struct Sitzung
{
    Einstellungen einstellungen;
    Puzzle puzzle;
    // Where the page templates, the answer pictures and the samples lie,
    // ending in a separator; found once at start.
    QString programmverzeichnis;
};
