// The dialog manager's state: the dialogs that exist (each with its own
// pixels, which the controls and the dialog's painting compose), and the
// controls it made from templates.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

// Name of the dialog window class, as on Windows.
extern const char kDialogClassName[];

struct DialogWindow {
  HWND window = nullptr;
  HWND owner = nullptr;  // disabled while the dialog runs
  DLGPROC procedure = nullptr;
  int width = 0;  // client pixels
  int height = 0;
  std::vector<uint32_t> pixels;    // 0x00RRGGBB, rows top-down
  bool erased = false;             // the background has been painted once
  bool framePending = false;       // pixels changed since they were last shown
  std::vector<RECT> pendingRects;  // control areas to compose again
  bool ended = false;
  INT_PTR result = 0;
  HICON icons[2] = {nullptr, nullptr};  // ICON_SMALL, ICON_BIG
};

struct DialogControl {
  enum class Kind { OwnerDrawnButton, BitmapStatic };
  Kind kind = Kind::BitmapStatic;
  HBITMAP image = nullptr;
  bool ownsImage = false;  // loaded from the template; freed by the control
  bool pressed = false;    // a button holding the mouse
};

DialogWindow* FindDialogWindow(HWND window);
DialogWindow& AddDialogWindow(HWND window);
void RemoveDialogWindow(HWND window);
// Dialogs in the order they were made (owners before the dialogs they own).
std::vector<DialogWindow*> DialogWindowsInOrder();

DialogControl* FindDialogControl(HWND control);
DialogControl& AddDialogControl(HWND control, DialogControl::Kind kind);
void RemoveDialogControl(HWND control);

// Registers the dialog and control window classes when they are missing
// (a headless reset forgets every class).
void EnsureDialogClasses();

// Window procedures of the dialog class and the two control classes.
LRESULT DialogWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT StaticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
