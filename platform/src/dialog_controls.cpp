// The two control classes of dialog templates: owner-drawn buttons, which
// draw nothing and report clicks, and bitmap statics, which show a picture
// and let the mouse through to whatever lies beneath them.
#include <algorithm>
#include <cstdlib>

#include "platform/src/dialog_paint.h"
#include "platform/src/dialog_state.h"
#include "platform/src/window_table.h"

namespace {

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// A static lets the mouse through, as HTTRANSPARENT does on Windows: the
// message goes to the first sibling beneath it under the pointer that is no
// static, else to the dialog, with the point in the receiver's coordinates.
LRESULT PassMouseThrough(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = FindWindowRecord(control);
  WindowRecord* parent = record != nullptr ? FindWindowRecord(record->parent) : nullptr;
  if (parent == nullptr) return 0;
  const int x = static_cast<short>(LOWORD(lParam)) + record->x;
  const int y = static_cast<short>(HIWORD(lParam)) + record->y;
  const HWND parentWindow = record->parent;
  const std::vector<HWND> siblings = parent->children;
  auto below = std::find(siblings.begin(), siblings.end(), control);
  if (below != siblings.end()) ++below;
  for (auto it = below; it != siblings.end(); ++it) {
    WindowRecord* sibling = FindWindowRecord(*it);
    if (sibling == nullptr || !sibling->visible || !sibling->enabled) continue;
    if (x < sibling->x || x >= sibling->x + sibling->width || y < sibling->y || y >= sibling->y + sibling->height)
      continue;
    const DialogControl* siblingControl = FindDialogControl(*it);
    if (siblingControl != nullptr && siblingControl->kind == DialogControl::Kind::BitmapStatic) continue;
    return SendMessageA(*it, message, wParam, PointParam(x - sibling->x, y - sibling->y));
  }
  return SendMessageA(parentWindow, message, wParam, PointParam(x, y));
}

// STM_SETIMAGE: shows a new picture, the control taking the picture's size.
// Returns the previous picture, unless the control loaded that one itself
// from the template: then the control frees it and returns null.
LRESULT SetStaticImage(HWND control, DialogControl& state, WPARAM type, LPARAM image) {
  if (type != IMAGE_BITMAP) return 0;
  HBITMAP previous = state.image;
  const bool ownedPrevious = state.ownsImage;
  state.image = reinterpret_cast<HBITMAP>(image);
  state.ownsImage = false;

  QueueControlRepaint(control);  // the area the old picture covered
  BITMAP size{};
  WindowRecord* record = FindWindowRecord(control);
  if (record != nullptr && state.image != nullptr && GetObjectA(state.image, sizeof size, &size) == sizeof size &&
      (size.bmWidth != record->width || std::abs(size.bmHeight) != record->height))
    MoveWindow(control, record->x, record->y, size.bmWidth, std::abs(size.bmHeight), FALSE);
  QueueControlRepaint(control);

  if (ownedPrevious && previous != nullptr && previous != state.image) {
    DeleteObject(previous);
    return 0;
  }
  return reinterpret_cast<LRESULT>(previous);
}

void ForgetControl(HWND control) {
  DialogControl* state = FindDialogControl(control);
  if (state == nullptr) return;
  if (state->ownsImage && state->image != nullptr) DeleteObject(state->image);
  RemoveDialogControl(control);
}

}  // namespace

LRESULT ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogControl* state = FindDialogControl(window);
  if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      // Owner-drawn and drawing nothing: what lies beneath shows.
      ValidateRect(window, nullptr);
      QueueControlRepaint(window);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      state->pressed = true;
      SetCapture(window);
      return 0;
    case WM_LBUTTONUP: {
      if (!state->pressed) return 0;
      state->pressed = false;
      ReleaseCapture();
      RECT client;
      GetClientRect(window, &client);
      const int x = static_cast<short>(LOWORD(lParam));
      const int y = static_cast<short>(HIWORD(lParam));
      if (x < client.left || x >= client.right || y < client.top || y >= client.bottom) return 0;
      const int id = GetDlgCtrlID(window);
      SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(window));
      return 0;
    }
    case WM_CAPTURECHANGED: state->pressed = false; return 0;
    case WM_NCDESTROY: ForgetControl(window); return DefWindowProcA(window, message, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT StaticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogControl* state = FindDialogControl(window);
  if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (IsMouseMessage(message)) return PassMouseThrough(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      ValidateRect(window, nullptr);
      QueueControlRepaint(window);
      return 0;
    case STM_SETIMAGE: return SetStaticImage(window, *state, wParam, lParam);
    case STM_GETIMAGE: return wParam == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(state->image) : 0;
    case WM_NCDESTROY: ForgetControl(window); return DefWindowProcA(window, message, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}
