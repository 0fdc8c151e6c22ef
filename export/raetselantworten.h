#pragma once
// The riddle's answers for a batch of pictures that came without answers of
// their own: what each picture shows is best named by its file.
#include <QString>
#include <QStringList>

// "Roter_Hund-2.jpg" -> "Roter Hund 2": the file's name without its folder
// and extension, with "_" and "-" as spaces.
QString Antwortname(const QString& datei);

struct Raetselantworten
{
    QStringList antworten;
    int richtig = 1; // counted from 1
};

// The answers for picture `index` of `dateien`: its own name is the right
// one, up to four names of the other pictures (each name once, none like the
// right one) the wrong ones, taken from the pictures after it, and the right
// answer's place moves from picture to picture.
Raetselantworten NamenAlsAntworten(const QStringList& dateien, qsizetype index);
