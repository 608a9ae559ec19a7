// GetStockObject: the stock brushes. Other stock objects are outside the subset.
#include "platform/src/core_backend.h"
#include "platform/src/gdi_object.h"
#include "platform/win32.h"

namespace {

GdiBrush* MakeStockBrush(COLORREF color, bool hollow) {
  auto* brush = new GdiBrush();  // lives as long as the process, as stock objects do
  brush->stock = true;
  brush->color = color;
  brush->hollow = hollow;
  return brush;
}

}  // namespace

HGDIOBJ GetStockObject(int i) {
  static GdiBrush* const brushes[] = {
      MakeStockBrush(RGB(255, 255, 255), false), MakeStockBrush(RGB(192, 192, 192), false),
      MakeStockBrush(RGB(128, 128, 128), false), MakeStockBrush(RGB(64, 64, 64), false),
      MakeStockBrush(RGB(0, 0, 0), false),       MakeStockBrush(RGB(0, 0, 0), true),
  };
  if (i < WHITE_BRUSH || i > NULL_BRUSH) PlatformFail("GetStockObject", "only the stock brushes are supported");
  return static_cast<GdiObject*>(brushes[i]);
}
