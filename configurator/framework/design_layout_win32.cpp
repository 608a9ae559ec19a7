// Placing a dialog of the real dialog manager at its design layout: the
// manager converts dialog units with the base units of the font it found,
// which differ from the design's with the font's stand-in and with the dpi.
#include "configurator/framework/design_layout.h"

namespace {

// The size a static takes: its picture's, or the template's when it has none.
SIZE StaticSize(HWND control, const RECT& designed) {
  BITMAP picture{};
  HANDLE image = reinterpret_cast<HANDLE>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
  if (image != nullptr && GetObjectA(image, sizeof picture, &picture) == sizeof picture)
    return SIZE{picture.bmWidth, picture.bmHeight < 0 ? -picture.bmHeight : picture.bmHeight};
  return SIZE{designed.right - designed.left, designed.bottom - designed.top};
}

// The controls, created in template order, follow one another in that order.
void PlaceControls(HWND dialog, const DesignLayout& layout) {
  HWND control = GetWindow(dialog, GW_CHILD);
  for (const DesignedControl& designed : layout.controls) {
    if (control == nullptr || LOWORD(GetDlgCtrlID(control)) != designed.id) return;
    const RECT& r = designed.pixels;
    SIZE size{r.right - r.left, r.bottom - r.top};
    if (designed.isStatic) size = StaticSize(control, r);
    SetWindowPos(control, nullptr, r.left, r.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    control = GetWindow(control, GW_HWNDNEXT);
  }
}

// Gives the dialog the designed client size, its frame kept, centred in its
// monitor's work area.
void PlaceDialog(HWND dialog, const DesignLayout& layout) {
  RECT outer{};
  RECT client{};
  GetWindowRect(dialog, &outer);
  GetClientRect(dialog, &client);
  const int width = layout.clientWidth + (outer.right - outer.left) - (client.right - client.left);
  const int height = layout.clientHeight + (outer.bottom - outer.top) - (client.bottom - client.top);
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor)) work = monitor.rcWork;
  const int x = work.left + (work.right - work.left - width) / 2;
  const int y = work.top + (work.bottom - work.top - height) / 2;
  SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void PlaceDialogAtDesignLayout(HWND dialog, HINSTANCE instance, WORD templateId) {
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));  // RT_DIALOG
  HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  DesignLayout layout;
  if (data == nullptr ||
      !ReadDesignLayout(static_cast<const uint8_t*>(data), SizeofResource(instance, resource), layout))
    return;
  PlaceDialog(dialog, layout);
  PlaceControls(dialog, layout);
}
