#pragma once
// Writing the pages into the output folder. Each page is written into a save
// file beside its final name and put in place only when it is complete: a
// missing template or a failed write (a full disk) leaves an earlier page of
// that name untouched and no partial page behind. A page name that leads to
// a device or pipe is written into it directly: putting a file in its place
// would replace the device.
#include "export/seitentext.h"

#include <QString>
#include <QStringList>
#include <optional>

struct Einstellungen;

enum class Spielseite { Schieben, Tauschen, Raetsel };

// The page's file name: prefix + "sp.htm", "tp.htm" or "rp.htm".
QString Seitendatei(Spielseite seite, const QString& kuerzel);

// The picture table page's file name: prefix + "ta.htm".
QString Tabellendatei(const QString& kuerzel);

// The riddle page's answer pictures, lying beside the templates.
QStringList Antwortbilder();

// Why a page was not written. A missing template is told as
// "Abbruch: Vorlagedatei <NAME> nicht gefunden!", a file that cannot be
// created or written as "E/A-Fehler <system's error number>".
struct Seitenfehler
{
    bool vorlage = false; // the template is missing, else the page's file failed
    QString text;
};

// A game page's bytes, or why there are none (a missing template).
struct Seiteninhalt
{
    QByteArray bytes;
    std::optional<Seitenfehler> fehler;
};
Seiteninhalt Spielseitenbytes(Spielseite seite, const SeitenEingabe& eingabe, const QString& vorlagenverzeichnis);

// Writes a page's bytes as every page is written (complete or not at all).
std::optional<Seitenfehler> SchreibeSeitenbytes(const QByteArray& bytes, const QString& pfad);

// A game page: the first template, the generated variable block, the second
// template and the generated body, the templates read from
// `vorlagenverzeichnis` (ending in a separator).
std::optional<Seitenfehler> SchreibeSpielseite(Spielseite seite, const SeitenEingabe& eingabe,
                                               const QString& vorlagenverzeichnis, const QString& pfad);

// The picture table page (no template).
std::optional<Seitenfehler> SchreibeTabelle(const TabellenEingabe& eingabe, const QString& pfad);

// The riddle page's answer pictures that cannot be opened in
// `ausgabeverzeichnis`, copied there from `vorlagenverzeichnis`. The German
// message when a copy failed (the page then shows no pictures for answers).
std::optional<QString> ErgaenzeAntwortbilder(const QString& vorlagenverzeichnis, const QString& ausgabeverzeichnis);

// The table page's inputs: the settings, the picture's path named in the
// heading, the prefix and size of its tile set.
TabellenEingabe Tabelleneingabe(const Einstellungen& einstellungen, const QString& bilddatei, const QString& kuerzel,
                                int spalten, int zeilen);

// A game page's inputs: the settings, the prefix and size of the tile set and
// the tile width the page shows its tiles at.
SeitenEingabe Seiteneingabe(const Einstellungen& einstellungen, const QString& kuerzel, int spalten, int zeilen,
                            int kachelbreite);
