// Presentation: the SDL window behind each top-level window, and the showing
// of finished frames in step with the display's refresh. In the headless
// backend there are no SDL windows and frames are kept for tests instead.
#pragma once

#include <cstdint>

#include "platform/win32.h"

struct SDL_Window;

// Creates the (hidden) SDL window of a top-level window; false when SDL
// cannot make one (no display). Always true headless.
bool PresentCreateWindow(HWND window, const char* title, int width, int height);
void PresentDestroyWindow(HWND window);
void PresentShowWindow(HWND window, bool visible);

// Full-screen: the window covers the desktop and frames are scaled to fit
// with their aspect kept (black bars). Windowed: the window is the frame's size.
void PresentSetFullScreen(HWND window, bool fullScreen);

// Shows a frame of 32-bit XRGB pixels (rows `pitch` bytes apart) in the
// window, waiting for the display's next refresh (60 Hz where it is unknown).
void PresentFrame(HWND window, const uint32_t* pixels, int width, int height, int pitch);

void PresentShowPointer(bool visible);
void PresentDesktopSize(int* width, int* height);

SDL_Window* PresentSdlWindowOf(HWND window);
HWND PresentWindowForSdlId(uint32_t sdlWindowId);
bool PresentVideoReady();
