#pragma once
// Whether ending the program loses work: nothing persists between runs, so
// what no file holds yet is gone with the program.
#include <QString>
#include <optional>

// The German question before the program ends while a cut was not written
// (`schnittUngesichert`) or the options were changed since the last writing
// (`optionenGeaendert`); none when nothing would be lost.
std::optional<QString> Endefrage(bool schnittUngesichert, bool optionenGeaendert);
