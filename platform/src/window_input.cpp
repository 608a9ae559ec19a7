// Keyboard and mouse input turned into messages, key state, activation.
#include "platform/src/window_input.h"

#include <array>
#include <cstring>

#include "platform/src/window_queue.h"
#include "platform/src/window_table.h"

namespace {

struct InputState {
  std::array<uint8_t, 256> keys{};  // 0x80 down, 0x01 toggled
  WPARAM buttons = 0;               // MK_LBUTTON, MK_RBUTTON, MK_MBUTTON
  POINT cursor{0, 0};               // screen coordinates
};

InputState& State() {
  static InputState state;
  return state;
}

bool KeyHeld(int virtualKey) { return (State().keys[virtualKey & 0xFF] & 0x80) != 0; }

WPARAM MouseKeyFlags() {
  WPARAM flags = State().buttons;
  if (KeyHeld(VK_SHIFT)) flags |= MK_SHIFT;
  if (KeyHeld(VK_CONTROL)) flags |= MK_CONTROL;
  return flags;
}

// The deepest visible, enabled child of `window` under a point in its client coordinates.
HWND WindowAt(HWND window, int x, int y) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return window;
  for (HWND child : record->children) {
    WindowRecord* childRecord = FindWindowRecord(child);
    if (childRecord == nullptr || !childRecord->visible || !childRecord->enabled) continue;
    if (x >= childRecord->x && x < childRecord->x + childRecord->width && y >= childRecord->y &&
        y < childRecord->y + childRecord->height)
      return WindowAt(child, x - childRecord->x, y - childRecord->y);
  }
  return window;
}

// Where a mouse message for a point over a top-level window goes, with the
// point in that window's client coordinates.
HWND MouseTarget(HWND topLevel, int x, int y, POINT* client) {
  State().cursor = POINT{x, y};
  ClientToScreen(topLevel, &State().cursor);
  HWND target = Windows().captureWindow;
  if (target == nullptr || FindWindowRecord(target) == nullptr) target = WindowAt(topLevel, x, y);
  *client = State().cursor;
  ScreenToClient(target, client);
  return target;
}

void PostMouseMessage(HWND target, UINT message, POINT client) {
  const LPARAM position = MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y));
  auto& queue = Windows().queue;
  if (message == WM_MOUSEMOVE && !queue.empty() && queue.back().message == WM_MOUSEMOVE &&
      queue.back().hwnd == target) {
    queue.pop_back();  // moves not yet taken merge into the newest
  }
  QueueMessage(target, message, MouseKeyFlags(), position);
}

}  // namespace

void InputKeyEvent(const KeyCode& key, bool down, bool repeat) {
  InputState& state = State();
  const int virtualKey = key.virtualKey & 0xFF;
  const bool wasDown = (state.keys[virtualKey] & 0x80) != 0;
  if (!down && !wasDown) return;  // a release without a press (focus came while held)
  const bool altBefore = KeyHeld(VK_MENU);
  if (down) {
    if (!wasDown) state.keys[virtualKey] ^= 0x01;
    state.keys[virtualKey] |= 0x80;
  } else {
    state.keys[virtualKey] &= static_cast<uint8_t>(~0x80);
  }
  const bool altHeld = down ? KeyHeld(VK_MENU) : altBefore;
  const bool system = altHeld || virtualKey == VK_F10;
  const UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);

  uint32_t data = 1;  // repeat count
  data |= static_cast<uint32_t>(key.scanCode & 0xFF) << 16;
  if (key.extended) data |= 1u << 24;
  if (altHeld) data |= 1u << 29;
  if (!down || wasDown || repeat) data |= 1u << 30;
  if (!down) data |= 1u << 31;

  WindowSystem& windows = Windows();
  HWND target = FindWindowRecord(windows.focusWindow) != nullptr ? windows.focusWindow : windows.activeWindow;
  if (FindWindowRecord(target) == nullptr) return;
  QueueMessage(target, message, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(static_cast<LONG>(data)));
}

void InputKey(int virtualKey, bool down, bool repeat) { InputKeyEvent(KeyCodeForVirtualKey(virtualKey), down, repeat); }

void InputMouseMove(HWND topLevel, int x, int y) {
  if (FindWindowRecord(topLevel) == nullptr) return;
  POINT client;
  HWND target = MouseTarget(topLevel, x, y, &client);
  if (Windows().captureWindow == nullptr)
    SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  if (FindWindowRecord(target) != nullptr) PostMouseMessage(target, WM_MOUSEMOVE, client);
}

void InputMouseButton(HWND topLevel, int x, int y, int button, bool down) {
  static const UINT kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  static const UINT kUp[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
  static const WPARAM kFlag[] = {MK_LBUTTON, MK_RBUTTON, MK_MBUTTON};
  if (button < 0 || button > 2 || FindWindowRecord(topLevel) == nullptr) return;
  InputState& state = State();
  if (down)
    state.buttons |= kFlag[button];
  else
    state.buttons &= ~kFlag[button];
  const UINT message = down ? kDown[button] : kUp[button];
  POINT client;
  HWND target = MouseTarget(topLevel, x, y, &client);
  bool eaten = false;
  if (Windows().captureWindow == nullptr) {
    if (down && Windows().activeWindow != topLevel) {
      const LRESULT answer =
          SendMessageA(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topLevel), MAKELPARAM(HTCLIENT, message));
      if (answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT) ActivateWindow(topLevel);
      eaten = answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
    }
    if (FindWindowRecord(target) != nullptr)
      SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, message));
  }
  if (!eaten && FindWindowRecord(target) != nullptr) PostMouseMessage(target, message, client);
}

void InputActivateApp(bool active) {
  if (!active) {
    SetApplicationActive(false);
    return;
  }
  HWND window = Windows().activeWindow;
  if (FindWindowRecord(window) == nullptr) {
    const auto topLevels = TopLevelWindows();
    window = topLevels.empty() ? nullptr : topLevels.front();
  }
  if (window != nullptr)
    ActivateWindow(window);
  else
    SetApplicationActive(true);
}

POINT InputCursorScreenPosition() { return State().cursor; }

int InputCharacterForKey(int virtualKey) {
  const bool shift = KeyHeld(VK_SHIFT);
  const bool capsLock = (State().keys[VK_CAPITAL] & 0x01) != 0;
  if (virtualKey >= 'A' && virtualKey <= 'Z') return (shift != capsLock) ? virtualKey : virtualKey + ('a' - 'A');
  if (virtualKey >= '0' && virtualKey <= '9') {
    static const char kShifted[] = ")!@#$%^&*(";
    return shift ? kShifted[virtualKey - '0'] : virtualKey;
  }
  if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) return '0' + (virtualKey - VK_NUMPAD0);
  switch (virtualKey) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_OEM_MINUS: return shift ? '_' : '-';
    case VK_OEM_PLUS: return shift ? '+' : '=';
    case VK_OEM_COMMA: return shift ? '<' : ',';
    case VK_OEM_PERIOD: return shift ? '>' : '.';
    case VK_OEM_1: return shift ? ':' : ';';
    case VK_OEM_2: return shift ? '?' : '/';
    case VK_OEM_3: return shift ? '~' : '`';
    case VK_OEM_4: return shift ? '{' : '[';
    case VK_OEM_5: return shift ? '|' : '\\';
    case VK_OEM_6: return shift ? '}' : ']';
    case VK_OEM_7: return shift ? '"' : '\'';
    default: return 0;
  }
}

void InputReset() { State() = InputState{}; }

SHORT GetKeyState(int nVirtKey) {
  const uint8_t state = State().keys[nVirtKey & 0xFF];
  return static_cast<SHORT>(((state & 0x80) != 0 ? 0x8000 : 0) | (state & 0x01));
}

SHORT GetAsyncKeyState(int vKey) { return static_cast<SHORT>((GetKeyState(vKey) & 0x8000) != 0 ? 0x8000 : 0); }

BOOL GetCursorPos(LPPOINT lpPoint) {
  if (lpPoint == nullptr) return FALSE;
  *lpPoint = State().cursor;
  return TRUE;
}
