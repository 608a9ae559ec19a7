// SetCursor and ShowCursor: the mouse pointer is shown while a cursor is set
// and the display count is not negative; SetCursor(NULL) hides it.
#include "platform/src/core_backend.h"
#include "platform/src/headless_state.h"
#include "platform/src/present_window.h"
#include "platform/src/window_table.h"

namespace {

struct CursorState {
  // Windows starts with the arrow over a new window; any non-null value stands for it.
  HCURSOR current = reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(32512));
  int displayCount = 0;
};

CursorState& State() {
  static CursorState state;
  return state;
}

bool Visible() { return State().current != nullptr && State().displayCount >= 0; }

}  // namespace

HCURSOR SetCursor(HCURSOR hCursor) {
  HCURSOR previous = State().current;
  State().current = hCursor;
  PresentShowPointer(Visible());
  return previous;
}

int ShowCursor(BOOL bShow) {
  State().displayCount += bShow ? 1 : -1;
  PresentShowPointer(Visible());
  return State().displayCount;
}

void CursorReset() { State() = CursorState{}; }

bool headless::CursorVisible() { return Visible(); }
