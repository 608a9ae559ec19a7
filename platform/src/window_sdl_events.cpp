// SDL events into the message queue: keys, mouse, window close, focus, exposure,
// and the quit request that SIGINT and SIGTERM raise.
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

// Handles one event; returns true when a window lost the keyboard focus.
bool HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      KeyCode key;
      if (KeyCodeForSdlScancode(event.key.keysym.scancode, &key))
        InputKeyEvent(key, event.type == SDL_KEYDOWN, event.key.repeat != 0);
      return false;
    }
    case SDL_MOUSEMOTION:
      InputMouseMove(PresentWindowForSdlId(event.motion.windowID), event.motion.x, event.motion.y);
      return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int button = ButtonIndex(event.button.button);
      if (button >= 0)
        InputMouseButton(PresentWindowForSdlId(event.button.windowID), event.button.x, event.button.y, button,
                         event.type == SDL_MOUSEBUTTONDOWN);
      return false;
    }
    case SDL_WINDOWEVENT: {
      HWND window = PresentWindowForSdlId(event.window.windowID);
      if (window == nullptr) return false;
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: PostMessageA(window, WM_CLOSE, 0, 0); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: ActivateWindow(window); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: return true;
        case SDL_WINDOWEVENT_EXPOSED: InvalidateRect(window, nullptr, FALSE); break;
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
