#pragma once
// Which output prefixes do not belong in a file name on the web.
#include <QString>

// False when the name holds a character with a code of 128 or more, or one of
// blank # $ % * / = ? @ \ ; every other character is accepted, and an empty
// name is fit for the web.
bool IstWebname(const QString& name);
