#pragma once
// What the program's command line asks for. Window-free, so the rules are
// tested without starting the program.
//   tesselo            the program, no picture
//   tesselo BILD       the program with BILD loaded, as "&Laden" would
//   tesselo --export ORDNER [OPTIONEN] BILD...
//                      every picture's puzzle into ORDNER, without a window;
//                      the options as Gebrauchstext() lists them
//   tesselo --hilfe    (or --help) the usage; --version the version
#include "export/stapel.h"

#include <QString>
#include <optional>

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

// Why the windows cannot open: no display to show them on, with what to do
// instead; none when there is one, or when the window system is told to
// draw elsewhere (Qt's -platform in `argumente`, or `plattform`, the
// environment's QT_QPA_PLATFORM, naming one that needs no display).
// `display` and `wayland` are the environment's DISPLAY and WAYLAND_DISPLAY.
std::optional<QString> OhneAnzeige(const QStringList& argumente, const QString& plattform, const QString& display,
                                   const QString& wayland);

// The German usage, several lines, ending in a line break.
QString Gebrauchstext();

// "Tesselo <version>" and a line break.
QString Versionstext();
