// Test control of the platform's headless backend (systems other than
// Windows): switch it on, drive the virtual clock, inject keys and mouse,
// read the presented frame and the logs of message boxes and sounds.
//
// With TARNWICKET_HEADLESS=1 in the environment the backend is headless from
// the start; a test can also switch it on with headless::Enable() before it
// creates any window. Nothing in the headless backend moves by itself: time
// advances only through AdvanceClock (or the program's own Sleep calls).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace headless {

// Switches the headless backend on for the rest of the process.
void Enable();

// Forgets all windows, classes, timers, queued messages, surfaces' lost marks,
// frames, logs and key state, and sets the virtual clock back to its start
// (0 ms, 1 January 2024 00:00:00 UTC). For use between tests.
void Reset();

// The virtual clock: GetTickCount, GetSystemTimeAsFileTime and timers follow it.
void AdvanceClock(uint32_t milliseconds);
uint64_t ClockMilliseconds();
void SetCalendarTime(int64_t unixSeconds);

// Keys, as a keyboard would send them to the window with the focus (or the
// active window): WM_KEYDOWN / WM_KEYUP (WM_SYSKEYDOWN / WM_SYSKEYUP while Alt
// is down) with the virtual-key code and the key data (repeat count 1, the
// keyboard's scan code, extended-key bit, previous-state and transition bits).
void KeyDown(int virtualKey);
void KeyUp(int virtualKey);
void KeyRepeat(int virtualKey);  // a held key's auto-repeat: WM_KEYDOWN, previous state 1
void KeyPress(int virtualKey);   // KeyDown then KeyUp

// The mouse over a top-level window, in that window's client coordinates.
// Each event first sends WM_SETCURSOR to the window under the pointer.
void MouseMove(HWND window, int x, int y);
void MouseButton(HWND window, int x, int y, bool down, int button = 0);  // 0 left, 1 right, 2 middle

// The application gaining or losing the focus: WM_ACTIVATEAPP to every top-level window.
void Activate(bool active);

// The user closing a window with its frame's close button: WM_CLOSE is posted.
void CloseWindow(HWND window);

// The frames presented (flips, and blits onto a windowed primary surface).
struct Frame {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down, width per row
  uint32_t Pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
int PresentedFrameCount();
const Frame& LastFrame();                        // empty before the first presentation
bool SaveLastFrame(const std::string& bmpPath);  // as a 24-bit BMP file

// Makes a DirectDraw surface lost (as a display mode change would), or every
// surface: Blt, BltFast, Flip, Lock and GetDC report DDERR_SURFACELOST until Restore.
void LoseSurface(IDirectDrawSurface* surface);
void LoseAllSurfaces();

// Message boxes shown, in order; each is answered at once.
struct MessageBoxRecord {
  HWND owner = nullptr;
  std::string text;
  std::string caption;
  UINT type = 0;
  int answer = 0;
};
const std::vector<MessageBoxRecord>& MessageBoxes();
// The answer of the next message box; without one, a box answers with its
// default button (IDOK for MB_OK).
void QueueMessageBoxAnswer(int answer);

// Sounds started with PlaySoundA, in order.
struct SoundRecord {
  HMODULE module = nullptr;
  unsigned resourceId = 0;  // for a sound named by number
  std::string name;         // for a sound named by text
  DWORD flags = 0;
  uint64_t timeMs = 0;  // on the virtual clock
};
const std::vector<SoundRecord>& Sounds();

// Whether the mouse pointer is shown (SetCursor with null hides it).
bool CursorVisible();

}  // namespace headless
