// The application window's procedure: it keeps the application object in the
// window's extra bytes, hides the pointer, and passes keys, timer ticks and
// activation on to the object. A full-screen show keeps the system's
// screensaver from starting; as a screensaver the program ends on input, and
// as a screensaver's preview it leaves the pointer alone.
#include "viewer/frame/window_procedure.h"

#include <optional>

#include "viewer/frame/direct_draw_application.h"
#include "viewer/frame/evidence_log.h"
#include "viewer/frame/screensaver_input.h"

namespace {

std::optional<FatalError> heldFatalError;
ScreensaverPointer screensaverPointer;
bool screensaverEnding = false;

// The screensaver ends as a closed window does, once.
void EndScreensaver(HWND window) {
  if (screensaverEnding) return;
  screensaverEnding = true;
  PostMessageA(window, WM_CLOSE, 0, 0);
}

// The pointer stays hidden over the show, except in a preview: that window
// belongs to the settings dialog the user works in.
bool HidesPointer() { return frameDisplay.previewParent == nullptr; }

DirectDrawApplication* ApplicationOf(HWND window) {
  return reinterpret_cast<DirectDrawApplication*>(GetWindowLongPtrA(window, 0));
}

// Runs one of the application's handlers; the first FatalError it throws is
// kept for the message loop.
template <typename Handler>
void Deliver(Handler handler) {
  try {
    handler();
  } catch (FatalError error) {
    if (!heldFatalError) heldFatalError = error;
  }
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DirectDrawApplication* app = ApplicationOf(window);
  switch (message) {
    case WM_CREATE:
      SetWindowLongPtrA(window, 0,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
      screensaverPointer = ScreensaverPointer();
      screensaverEnding = false;
      break;
    case WM_DESTROY: PostQuitMessage(0); break;
    case WM_ACTIVATEAPP:
      if (app != nullptr) app->active = static_cast<int32_t>(wParam);
      if (frameDisplay.endOnInput && wParam == FALSE) EndScreensaver(window);
      break;
    case WM_SETCURSOR:
    case WM_MOUSEACTIVATE:
      if (!HidesPointer()) break;
      SetCursor(nullptr);
      return 1;
    case WM_MOUSEMOVE:
      if (frameDisplay.endOnInput && screensaverPointer.MovedFar(static_cast<int16_t>(lParam & 0xFFFF),
                                                                 static_cast<int16_t>((lParam >> 16) & 0xFFFF)))
        EndScreensaver(window);
      if (!HidesPointer()) break;
      SetCursor(nullptr);
      return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_SYSKEYDOWN:
      if (frameDisplay.endOnInput) EndScreensaver(window);
      break;
    case WM_SYSCOMMAND:
      // Windows asks the foreground window before it starts the screensaver
      // or powers the display down; a show on the whole screen says no.
      if (((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_MONITORPOWER) &&
          ((app != nullptr && app->fullScreen == 1) || frameDisplay.endOnInput))
        return 0;
      break;
    case WM_KEYDOWN:
      if (frameDisplay.endOnInput) {
        EndScreensaver(window);
        break;
      }
      if (app != nullptr) Deliver([&] { app->OnKeyDown(wParam, lParam); });
      break;
    case WM_KEYUP:
      if (app != nullptr) Deliver([&] { app->OnKeyUp(wParam, lParam); });
      break;
    case WM_TIMER:
      if (app != nullptr) {
        NoteEvidence("timer");
        Deliver([&] { app->OnTimer(); });
      }
      break;
    default: break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void DetachApplication(HWND window) { SetWindowLongPtrA(window, 0, 0); }

void RethrowHeldFatalError() {
  if (!heldFatalError) return;
  const FatalError error = *heldFatalError;
  heldFatalError.reset();
  throw error;
}
