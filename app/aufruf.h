#pragma once
// What the program's command line asks for. Window-free, so the rules are
// tested without starting the program.
//   tesselo            the program, no picture
//   tesselo BILD       the program with BILD loaded, as "&Laden" would
//   tesselo --export ORDNER [--breite N [--offset X,Y]] [--qualitaet Q]
//           [--ersetzen] [--unterordner] BILD...
//                      every picture's puzzle into ORDNER, without a window
//   tesselo --hilfe    (or --help) the usage; --version the version
#include "export/stapel.h"

#include <QString>

struct Aufruf
{
    enum class Art { Programm, Export, Hilfe, Version, Fehler };
    Art art = Art::Programm;
    QString bild;   // Programm: the picture to load, empty for none
    QString fehler; // Fehler: the German message for standard error

    Stapelauftrag stapel; // Export
};

// Reads the arguments after the program's name (Qt's own options removed).
Aufruf LiesAufruf(const QStringList& argumente);

// The German usage, several lines, ending in a line break.
QString Gebrauchstext();

// "Tesselo <version>" and a line break.
QString Versionstext();
