#pragma once
// The text that the program generates for the exported pages: the JavaScript
// variable block between the two templates and the page body after them, and
// the whole picture table page. Plain functions of plain inputs, so the exact
// lines can be checked without a window; export/seitenausgabe writes them
// into the page files.
#include "modell/farbe.h"
#include <QMap>
#include <QString>
#include <QStringList>

// Six hexadecimal digits red, green, blue for "#" in a page. System colours
// are not resolved: 0x8000000F gives "000080" (digits 5-6, 3-4, 1-2 of the
// upper-case hexadecimal text of at least six digits).
QString HtmlFarbe(Farbwert farbe);

// Everything a game page reads, taken at the moment of the export.
struct SeitenEingabe
{
    QString Dateikuerzel;
    int Zeilen = 0;
    int Spalten = 0;
    Farbwert Hintergrundfarbe = 0xFF0000;
    Farbwert Gitterlinienfarbe = SystemfarbeButtonFace;
    int Gitterbreite = 1;
    QString Ueberschrift;
    bool VorschauErzeugen = true;
    int VorschauBreite = 240;
    int VorschauHoehe = 160;
    int Kachelbreite = 80; // the tile-width field's current value
    bool ZugZeigen = true;
    bool ZeitZeigen = true;

    // Sliding page: the empty field, counted from 0. A position outside the
    // grid is written as it stands (no cell then names the empty tile).
    int LeerfeldX = 0;
    int LeerfeldY = 0;

    // Swap page: whether the page opens its move-log window.
    bool Zugausgabe = true;

    // Riddle page. Antworten are the memo's lines; the answers end before the
    // first empty line. RichtigAntwort is written unchecked.
    QStringList Antworten;
    int RichtigAntwort = 1;
    bool AntwortenUnten = false; // false: right of the tiles

    // Both empty leave every line as without them. The credit is text, never
    // markup: a licence line is typed, not written as HTML.
    QString Bildnachweis;
    QString Bildbeschreibung; // the preview's alternative text (the riddle has none: it would tell)

    // A page that is one file: every picture file it names (tiles, empty
    // tile, preview, answer pictures) with the data URI that stands for it.
    // Empty: the page names the files beside it.
    QMap<QString, QString> Bildadressen;
};

// The generated part of a game page: Skript goes between the two templates
// (bare JavaScript statements), Koerper after the second one. One entry per
// line, without line ends; characters outside Latin-1 are still in them.
struct Seitentext
{
    QStringList Skript;
    QStringList Koerper;
};

Seitentext SchiebeSeite(const SeitenEingabe& e);
Seitentext TauschSeite(const SeitenEingabe& e);
Seitentext RaetselSeite(const SeitenEingabe& e);

// Everything the picture table page reads.
struct TabellenEingabe
{
    // The picture; the heading names only its file name, since a page may be
    // published and the teacher's folders are nobody's business.
    QString Bilddatei;
    QString Dateikuerzel;
    int Zeilen = 0;
    int Spalten = 0;
    Farbwert Hintergrundfarbe = 0xFF0000;
    int Gitterbreite = 1;
    QString Bildnachweis;
    QString Bildbeschreibung; // names the table as one picture
};

// The file name of a path of either kind of separator.
QString Dateiname(const QString& pfad);

// Text for HTML: the characters that would start markup or end an attribute
// become references.
QString HtmlText(const QString& text);

// All lines of the picture table page (it uses no template).
QStringList TabellenSeite(const TabellenEingabe& e);
