#pragma once
// Hints: the text before "|" is the short hint shown at the pointer, the text
// after it the long hint (status tip). A hint without "|" is both.
#include <QString>

class QAction;
class QWidget;

void setzeHinweis(QWidget* element, const QString& hinweis);
void setzeHinweis(QAction* element, const QString& hinweis);

// From this call on, tooltips of the whole program appear after 1000 ms at
// rest instead of the platform's 500 ms and stay 5000 ms instead of 2500 ms
// (the about window calls it at its creation).
void setzeHinweiszeiten();

inline constexpr int HinweisVerzoegerungMs = 1000;
inline constexpr int HinweisAnzeigedauerMs = 5000;

// The delay and display time in force now.
int Hinweisverzoegerung();
int Hinweisanzeigedauer();
