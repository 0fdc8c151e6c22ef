#pragma once
// The bytes of a page: Latin-1 text with CR LF after every line, matching the
// iso-8859-1 charset the pages declare, and the template lines copied into it.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Where a line stands decides how a character outside Latin-1 is kept: in
// HTML as a numeric character reference (&#8364;), in the generated
// JavaScript block as a \u escape (a reference would change a file name in a
// string literal). Every other character becomes its one Latin-1 byte.
enum class Textart { Html, Skript };

// The lines as page bytes, each followed by CR LF.
QByteArray Seitenbytes(const QStringList& zeilen, Textart art);

// Splits a template into lines without their line ends. A line ends at CR, an
// LF right after that CR belongs to the line end, a lone LF is ordinary text;
// byte 26 ends the file; an unterminated last line counts, an empty rest
// after the last line end does not. Lines have no length limit.
QList<QByteArray> VorlageZeilen(const QByteArray& inhalt);
