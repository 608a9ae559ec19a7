// SDL events into the message queue: keys, mouse, window close, focus, exposure,
// and the quit request that SIGINT and SIGTERM raise. Alt+Enter and F11 over
// the DirectDraw window switch it between the window and the full screen
// instead of reaching the program.
#include <SDL.h>

#include <csignal>

#include "platform/src/core_backend.h"
#include "platform/src/present_window.h"
#include "platform/src/window_input.h"
#include "platform/src/window_queue.h"
#include "platform/src/window_table.h"

namespace {

volatile std::sig_atomic_t quitSignalled = 0;

void NoteQuitSignal(int) { quitSignalled = 1; }

// Every top-level window is asked to close, as Windows does when the user
// logs off.
void CloseTopLevelWindows() {
  for (HWND window : TopLevelWindows()) PostMessageA(window, WM_CLOSE, 0, 0);
}

int ButtonIndex(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    default: return -1;
  }
}

// The scan code of a display-switching key whose release is still to come,
// so that the release is kept from the program as the press was.
int heldSwitchKey = SDL_SCANCODE_UNKNOWN;

// Returns true when the key event switched the display (or is the release of
// such a key) and must not reach the program.
bool SwitchesDisplay(const SDL_KeyboardEvent& event) {
  const int scancode = event.keysym.scancode;
  if (event.type == SDL_KEYUP) {
    if (scancode != heldSwitchKey) return false;
    heldSwitchKey = SDL_SCANCODE_UNKNOWN;
    return true;
  }
  const bool alt = (event.keysym.mod & KMOD_ALT) != 0;
  KeyCode key;
  if (!KeyCodeForSdlScancode(scancode, &key) || !IsDisplaySwitchKey(key.virtualKey, alt)) return false;
  HWND window = PresentWindowForSdlId(event.windowID);
  if (!PresentIsFrameWindow(window)) return false;
  if (event.repeat == 0) PresentToggleFullScreen(window);
  heldSwitchKey = scancode;
  return true;
}

void MouseMove(uint32_t sdlWindowId, int x, int y) {
  HWND window = PresentWindowForSdlId(sdlWindowId);
  PresentMapPointToFrame(window, &x, &y);
  InputMouseMove(window, x, y);
}

void MouseButton(uint32_t sdlWindowId, int x, int y, int button, bool down) {
  HWND window = PresentWindowForSdlId(sdlWindowId);
  PresentMapPointToFrame(window, &x, &y);
  InputMouseButton(window, x, y, button, down);
}

// Handles one event; returns true when a window lost the keyboard focus.
bool HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      if (SwitchesDisplay(event.key)) return false;
      KeyCode key;
      if (KeyCodeForSdlScancode(event.key.keysym.scancode, &key))
        InputKeyEvent(key, event.type == SDL_KEYDOWN, event.key.repeat != 0);
      return false;
    }
    case SDL_MOUSEMOTION: MouseMove(event.motion.windowID, event.motion.x, event.motion.y); return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int button = ButtonIndex(event.button.button);
      if (button >= 0)
        MouseButton(event.button.windowID, event.button.x, event.button.y, button, event.type == SDL_MOUSEBUTTONDOWN);
      return false;
    }
    case SDL_WINDOWEVENT: {
      HWND window = PresentWindowForSdlId(event.window.windowID);
      if (window == nullptr) return false;
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: PostMessageA(window, WM_CLOSE, 0, 0); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: ActivateWindow(window); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: return true;
        case SDL_WINDOWEVENT_EXPOSED:
          InvalidateRect(window, nullptr, FALSE);
          PresentRedraw(window);
          break;
        case SDL_WINDOWEVENT_SIZE_CHANGED: PresentRedraw(window); break;
        default: break;
      }
      return false;
    }
    case SDL_QUIT:
      // SIGINT, SIGTERM or the session ending.
      CloseTopLevelWindows();
      return false;
    default: return false;
  }
}

}  // namespace

bool IsDisplaySwitchKey(int virtualKey, bool altDown) {
  return (virtualKey == VK_F11 && !altDown) || (virtualKey == VK_RETURN && altDown);
}

void CatchQuitSignals() {
  std::signal(SIGINT, NoteQuitSignal);
  std::signal(SIGTERM, NoteQuitSignal);
}

void PumpSdlEvents() {
  if (quitSignalled != 0) {
    quitSignalled = 0;
    CloseTopLevelWindows();
  }
  if (PlatformHeadless() || !PresentVideoReady()) return;
  bool focusLost = false;
  SDL_Event event;
  while (SDL_PollEvent(&event)) focusLost = HandleEvent(event) || focusLost;
  // Focus moving between our own windows is no deactivation of the application.
  if (focusLost && SDL_GetKeyboardFocus() == nullptr) SetApplicationActive(false);
}

void WaitForSdlEvent(uint32_t timeoutMilliseconds) {
  if (!PresentVideoReady()) {
    SDL_Delay(timeoutMilliseconds);
    return;
  }
  SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMilliseconds));
}
