// The application window's procedure: it keeps the application object in the
// window's extra bytes, hides the pointer, and passes keys, timer ticks and
// activation on to the object.
#include "viewer/frame/window_procedure.h"

#include <optional>

#include "viewer/frame/direct_draw_application.h"
#include "viewer/frame/evidence_log.h"

namespace {

std::optional<FatalError> heldFatalError;

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
      break;
    case WM_DESTROY: PostQuitMessage(0); break;
    case WM_ACTIVATEAPP:
      if (app != nullptr) app->active = static_cast<int32_t>(wParam);
      break;
    case WM_SETCURSOR:
    case WM_MOUSEACTIVATE:
    case WM_MOUSEMOVE: SetCursor(nullptr); return 1;
    case WM_KEYDOWN:
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
