// How the entry function asks the frame to show itself when the program runs
// as a screensaver. Set before the application object is made; the usual
// run leaves it as it is, and the settings file decides.
#pragma once

#include <cstdint>

#include "platform/win32.h"

struct FrameDisplay {
  // 1: full-screen, 0: windowed, whatever the settings file says; -1: the
  // settings file decides.
  int16_t forcedFullScreen = -1;
  // A screensaver preview: the window is a child filling this window's
  // client area, and goes when it goes. Null: a window of its own.
  HWND previewParent = nullptr;
  // The screensaver proper: a key, a click, a mouse movement of more than a
  // few pixels or the loss of the focus ends the program.
  bool endOnInput = false;
  // The show makes no sound: a screensaver's preview, or a window another
  // program lent.
  bool silent = false;
};

// The program's one request (the frame reads it while it is constructed).
extern FrameDisplay frameDisplay;
