#pragma once
// Tells a window's activation by another window of the program apart from the
// user coming back from another application. The windows' FormActivate
// handlers mean the first: switching to another program and back (alt-tab, a
// click on the desktop) must leave a game or the options as they were.
class QWidget;

namespace fensterwechsel {

// Starts watching the activation of the program's windows (once per run).
void Beobachten();

// True while `fenster` has become active again with no other window of the
// program active since it lost the activation to another application. Asked
// from the window's own activation handler.
bool RueckkehrVonAussen(const QWidget* fenster);

} // namespace fensterwechsel
