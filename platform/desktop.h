// Desktop extensions beyond the Win32 subset: how the 800 x 600 frame is
// scaled to the screen, drawing into a window that another program made (a
// screensaver's), and the folders of an installed program.
//
// Elsewhere than on Windows platform/src implements them (platform/README.md,
// "Desktop extensions"). On Windows the real SDK shows the frame, so they are
// stand-ins here: scaling is the display driver's, there is no existing window
// to draw into by these calls (the preview window of a screensaver is a Win32
// parent window), and a program is never installed apart from its files.
#pragma once

#include "platform/win32.h"

// How a frame shown larger or smaller than itself is scaled; the picture keeps
// its shape, with black bars beside or above and below it.
enum PlatformScalingMode : int {
  // Enlarged without filtering to the smallest whole multiple at least as
  // large as the target, then reduced to the target with linear filtering.
  kPlatformScalingSharp = 0,
  // The largest whole multiple that fits, centred, nothing filtered.
  kPlatformScalingPixelPerfect = 1,
  // Linear filtering straight to the target.
  kPlatformScalingSmooth = 2,
};

#ifdef _WIN32

inline void PlatformSetScalingMode(int /*mode*/) {}
inline bool PlatformUseExistingWindow(unsigned long long /*windowId*/) { return false; }
inline const char* PlatformStartFolder() { return ""; }
inline const char* PlatformInstalledDataFolder() { return ""; }

#else

// The scaling of every window's frames from now on; a value outside
// PlatformScalingMode counts as sharp, the default.
void PlatformSetScalingMode(int mode);

// The next top-level window that is created draws into the existing X window
// `windowId` (0: the screen's root window) instead of a window of its own:
// scaled as above, never moved, resized or made full-screen by the program,
// with no pointer shown. False when there is no such window or no X display.
bool PlatformUseExistingWindow(unsigned long long windowId);

// An installed program (one whose files lie in the installed data folder,
// not beside it) works in the user's own folder: the folder it was started
// in, for the names the user gave relative to it. Empty when the program
// runs where it was started (a run folder beside its files).
const char* PlatformStartFolder();
// The folder of the installed art libraries and demo games, with a trailing
// '/'; empty for a program that has its files beside it.
const char* PlatformInstalledDataFolder();

#endif
