// What the viewer needs of Windows when it runs as a screensaver: whether it
// was started as Tarnwicket.scr, its own folder (Windows starts screensavers
// in the system folder, away from their art, settings and games), and the
// settings program beside it. Elsewhere the screensaver is an X11 program and
// these do nothing.
#pragma once

// True when the program's file is a .scr (Windows only).
bool RunningAsScreensaverFile();

// Makes the program's own folder the current directory (Windows only).
void MoveToProgramFolder();

// Starts TarnwicketCFG from the program's folder, in that folder; false when
// it cannot be started (or elsewhere than on Windows).
bool StartSettingsProgram();
