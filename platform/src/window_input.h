// Keyboard and mouse input turned into window messages, for SDL events and
// for the keys and mouse that tests inject into the headless backend.
#pragma once

#include "platform/win32.h"

// A key as Windows knows it: virtual-key code, keyboard scan code, extended flag.
struct KeyCode {
  int virtualKey = 0;
  int scanCode = 0;
  bool extended = false;
};

// The keyboard key for an SDL scan code; false for keys outside the table.
bool KeyCodeForSdlScancode(int sdlScancode, KeyCode* key);
// The scan code and extended flag of a virtual key (0 for unknown keys).
KeyCode KeyCodeForVirtualKey(int virtualKey);

// A key going down (or repeating) or up: WM_KEYDOWN / WM_KEYUP, or the
// WM_SYS* pair while Alt is held, to the focus window (else the active one).
void InputKeyEvent(const KeyCode& key, bool down, bool repeat);
void InputKey(int virtualKey, bool down, bool repeat);

// The pointer over a top-level window, in its client coordinates.
void InputMouseMove(HWND topLevel, int x, int y);
void InputMouseButton(HWND topLevel, int x, int y, int button, bool down);

// The application gained or lost the focus.
void InputActivateApp(bool active);

POINT InputCursorScreenPosition();

// The character TranslateMessage makes of a key, with the current Shift state (0 for none).
int InputCharacterForKey(int virtualKey);

// Forgets key and button state.
void InputReset();
