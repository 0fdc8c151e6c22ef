#pragma once
// The end of a session (SIGHUP, SIGTERM) or Ctrl+C in a terminal (SIGINT)
// ends the program as "&Ende" does: the message loop returns, so the windows
// are destroyed, a JPEG's converted bitmap beside the picture is removed and
// the scratch folder goes. Killed outright, a bitmap of a hundred megabytes
// would stay beside the user's photo.

// Installs the handlers; the program's message loop must run afterwards.
void BeendeBeiSignal();
