// Presentation: the SDL window behind each top-level window, and the showing
// of finished frames, scaled to the window's output, in step with the
// display's refresh. In the headless backend there are no SDL windows and
// frames are kept for tests instead.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

struct SDL_Window;

// Creates the (hidden) SDL window of a top-level window, width x height
// points (more on a high-density display); false when SDL cannot make one
// (no display). Draws into another program's window instead after
// PlatformUseExistingWindow. Always true headless.
bool PresentCreateWindow(HWND window, const char* title, int width, int height);
void PresentDestroyWindow(HWND window);
void PresentShowWindow(HWND window, bool visible);

// The window DirectDraw draws into (its cooperative window): it can be
// resized, and Alt+Enter and F11 switch it between the window and the full
// screen.
void PresentMarkFrameWindow(HWND window);
bool PresentIsFrameWindow(HWND window);
// Whether the user can resize the window now (a frame window that is not full-screen).
bool PresentIsResizable(HWND window);

// Full-screen: the window covers the desktop. Windowed: the window is the
// frame's size (times the display's scale) and may be resized. Either way
// frames are scaled to the window's output, with their shape kept (black
// bars). Set by the program's exclusive mode; the user may switch since.
void PresentSetFullScreen(HWND window, bool fullScreen);
void PresentToggleFullScreen(HWND window);
bool PresentIsFullScreen(HWND window);

// Shows a frame of 32-bit XRGB pixels (rows `pitch` bytes apart) in the
// window, waiting for the display's next refresh (60 Hz where it is unknown).
void PresentFrame(HWND window, const uint32_t* pixels, int width, int height, int pitch);
// Shows the last frame again, scaled to the window's output as it is now.
void PresentRedraw(HWND window);

// A point of the window, in SDL's window coordinates, as a point of the frame
// shown in it; false for a window that is not presented.
bool PresentMapPointToFrame(HWND window, int* x, int* y);

// Bytes of the window's intermediate picture for sharp scaling (0: none).
size_t PresentIntermediateBytes(HWND window);
// Whether the system's screensaver is kept from starting now.
bool PresentScreenSaverInhibited();

void PresentShowPointer(bool visible);
void PresentDesktopSize(int* width, int* height);

SDL_Window* PresentSdlWindowOf(HWND window);
HWND PresentWindowForSdlId(uint32_t sdlWindowId);
bool PresentVideoReady();
