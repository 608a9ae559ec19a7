// Composing dialog pixels, the dialog device contexts, and showing frames.
#include "platform/src/dialog_paint.h"

#include <algorithm>

#include "platform/src/core_backend.h"
#include "platform/src/gdi_object.h"
#include "platform/src/gdi_plane.h"
#include "platform/src/present_window.h"
#include "platform/src/window_table.h"

namespace {

RECT Intersection(const RECT& a, const RECT& b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& rect) { return rect.left >= rect.right || rect.top >= rect.bottom; }

// Copies a bitmap with its top-left corner at (x, y), inside `clip` only.
void DrawBitmap(DialogWindow& dialog, GdiBitmap& bitmap, int x, int y, const RECT& clip) {
  PixelPlane plane;
  plane.topRow = bitmap.RowFromTop(0);
  plane.rowStep = -static_cast<ptrdiff_t>(bitmap.rowPitch);
  plane.width = bitmap.width;
  plane.height = bitmap.height;
  plane.bitsPerPixel = bitmap.bitsPerPixel;
  plane.palette = &bitmap.palette;
  if (bitmap.bits.empty() || (plane.bitsPerPixel == 8 && bitmap.palette.size() < 256)) return;
  const RECT area = Intersection(clip, RECT{x, y, x + bitmap.width, y + bitmap.height});
  for (int row = area.top; row < area.bottom; ++row) {
    const uint8_t* source = plane.Row(row - y);
    uint32_t* target = dialog.pixels.data() + static_cast<size_t>(row) * dialog.width;
    for (int column = area.left; column < area.right; ++column) target[column] = ReadXrgb(plane, source, column - x);
  }
}

// Composes the controls over `area` (client pixels) in template order; the
// background is painted first when `fill` is set.
void Compose(DialogWindow& dialog, const RECT& area, bool fill) {
  const RECT clip = Intersection(area, RECT{0, 0, dialog.width, dialog.height});
  if (IsEmpty(clip)) return;
  if (fill) {
    for (int row = clip.top; row < clip.bottom; ++row)
      std::fill_n(dialog.pixels.begin() + static_cast<ptrdiff_t>(row) * dialog.width + clip.left,
                  clip.right - clip.left, kDialogBackground);
  }
  WindowRecord* record = FindWindowRecord(dialog.window);
  if (record != nullptr) {
    // Controls paint in template order, each over the ones before it, as
    // sibling controls without WS_CLIPSIBLINGS do on Windows.
    for (HWND window : record->children) {
      WindowRecord* child = FindWindowRecord(window);
      DialogControl* control = FindDialogControl(window);
      if (child == nullptr || control == nullptr || !child->visible || control->image == nullptr) continue;
      GdiBitmap* bitmap = GdiBitmapFrom(control->image);
      if (bitmap == nullptr) continue;
      const RECT controlArea{child->x, child->y, child->x + child->width, child->y + child->height};
      DrawBitmap(dialog, *bitmap, child->x, child->y, Intersection(clip, controlArea));
    }
  }
  dialog.framePending = true;
}

// The device contexts handed out by GetDC and BeginPaint.
std::vector<GdiDeviceContext*>& WindowContexts() {
  static std::vector<GdiDeviceContext*> contexts;
  return contexts;
}

}  // namespace

void PaintDialog(DialogWindow& dialog) {
  if (!dialog.erased) {
    std::fill(dialog.pixels.begin(), dialog.pixels.end(), kDialogBackground);
    dialog.erased = true;
  }
  Compose(dialog, RECT{0, 0, dialog.width, dialog.height}, false);
  dialog.pendingRects.clear();
  const HWND window = dialog.window;
  const bool painted = dialog.procedure != nullptr && dialog.procedure(window, WM_PAINT, 0, 0) != 0;
  if (!painted) ValidateRect(window, nullptr);
}

void QueueControlRepaint(HWND control) {
  WindowRecord* record = FindWindowRecord(control);
  DialogWindow* dialog = record != nullptr ? FindDialogWindow(record->parent) : nullptr;
  if (dialog == nullptr) return;
  dialog->pendingRects.push_back(RECT{record->x, record->y, record->x + record->width, record->y + record->height});
}

void FlushDialogFrames() {
  for (DialogWindow* dialog : DialogWindowsInOrder()) {
    for (const RECT& area : dialog->pendingRects) Compose(*dialog, area, true);
    dialog->pendingRects.clear();
    if (!dialog->framePending || !dialog->erased || !IsWindowVisible(dialog->window)) continue;
    dialog->framePending = false;
    PresentFrame(dialog->window, dialog->pixels.data(), dialog->width, dialog->height, dialog->width * 4);
  }
}

HDC WINAPI GetDC(HWND hWnd) {
  DialogWindow* dialog = FindDialogWindow(hWnd);
  if (dialog == nullptr) PlatformFail("GetDC", "only dialog windows have device contexts here");
  auto* context = new GdiDeviceContext();
  context->target = GdiDeviceContext::Target::Surface;
  context->pixels = dialog->pixels.data();
  context->width = dialog->width;
  context->height = dialog->height;
  context->pitch = dialog->width * 4;
  WindowContexts().push_back(context);
  // Whatever is drawn through the context is shown with the next frame.
  dialog->framePending = true;
  return HandleOf(context);
}

int WINAPI ReleaseDC(HWND, HDC hDC) {
  GdiDeviceContext* context = GdiDeviceContextFrom(hDC);
  auto& contexts = WindowContexts();
  const auto found = std::find(contexts.begin(), contexts.end(), context);
  if (context == nullptr || found == contexts.end()) return 0;
  contexts.erase(found);
  delete context;
  return 1;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  if (lpPaint == nullptr) return nullptr;
  *lpPaint = PAINTSTRUCT{};
  lpPaint->hdc = GetDC(hWnd);
  GetClientRect(hWnd, &lpPaint->rcPaint);
  ValidateRect(hWnd, nullptr);
  return lpPaint->hdc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  if (lpPaint == nullptr) return FALSE;
  ReleaseDC(hWnd, lpPaint->hdc);
  return TRUE;
}
