// Memory device contexts and the GDI object calls: CreateCompatibleDC,
// DeleteDC, SelectObject, DeleteObject and GetObjectA.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/sdk/gdi.h"
#include "platform/src/core_backend.h"
#include "platform/src/gdi_object.h"
#include "platform/src/gdi_plane.h"

namespace {

// The memory contexts alive now, to find where a bitmap is selected.
std::vector<GdiDeviceContext*>& MemoryContexts() {
  static auto* contexts = new std::vector<GdiDeviceContext*>();
  return *contexts;
}

// The 1 x 1 bitmap a new memory context starts with, as on Windows.
GdiBitmap& DefaultBitmap() {
  static GdiBitmap* bitmap = [] {
    auto* made = new GdiBitmap();
    made->stock = true;
    made->width = 1;
    made->height = 1;
    made->bitsPerPixel = 8;
    made->rowPitch = GdiBitmap::PitchFor(1, 8);
    made->bits.assign(made->rowPitch, 0);
    made->palette = {0x000000, 0xFFFFFF};
    return made;
  }();
  return *bitmap;
}

bool SelectedAnywhere(const GdiBitmap* bitmap) {
  const auto& contexts = MemoryContexts();
  return std::any_of(contexts.begin(), contexts.end(),
                     [bitmap](const GdiDeviceContext* context) { return context->selectedBitmap == bitmap; });
}

}  // namespace

bool PlaneOfContext(GdiDeviceContext& context, PixelPlane& plane) {
  if (context.target == GdiDeviceContext::Target::Surface) {
    if (context.pixels == nullptr) return false;
    plane.topRow = reinterpret_cast<uint8_t*>(context.pixels);
    plane.rowStep = context.pitch;
    plane.width = context.width;
    plane.height = context.height;
    plane.bitsPerPixel = 32;
    plane.palette = nullptr;
    return true;
  }
  GdiBitmap* bitmap = context.selectedBitmap;
  if (bitmap == nullptr || bitmap->bits.empty()) return false;
  plane.topRow = bitmap->RowFromTop(0);
  plane.rowStep = -static_cast<ptrdiff_t>(bitmap->rowPitch);
  plane.width = bitmap->width;
  plane.height = bitmap->height;
  plane.bitsPerPixel = bitmap->bitsPerPixel;
  plane.palette = &bitmap->palette;
  return true;
}

uint8_t NearestPaletteIndex(const std::vector<uint32_t>& palette, uint32_t xrgb) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < palette.size() && i < 256; ++i) {
    const int dr = static_cast<int>((palette[i] >> 16) & 255) - static_cast<int>((xrgb >> 16) & 255);
    const int dg = static_cast<int>((palette[i] >> 8) & 255) - static_cast<int>((xrgb >> 8) & 255);
    const int db = static_cast<int>(palette[i] & 255) - static_cast<int>(xrgb & 255);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return static_cast<uint8_t>(best);
}

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc != nullptr && GdiDeviceContextFrom(hdc) == nullptr) return nullptr;
  auto* context = new GdiDeviceContext();
  context->selectedBitmap = &DefaultBitmap();
  MemoryContexts().push_back(context);
  return HandleOf(context);
}

// Only memory contexts are deleted here (surface contexts go back with
// ReleaseDC); the handle is looked up before it is touched, so a context
// deleted twice is refused rather than read after its end.
BOOL WINAPI DeleteDC(HDC hdc) {
  auto& contexts = MemoryContexts();
  const auto found = std::find_if(contexts.begin(), contexts.end(),
                                  [hdc](GdiDeviceContext* context) { return HandleOf(context) == hdc; });
  if (found == contexts.end()) return FALSE;
  GdiDeviceContext* context = *found;
  contexts.erase(found);
  delete context;
  return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  GdiDeviceContext* context = GdiDeviceContextFrom(hdc);
  if (context == nullptr || h == nullptr) return nullptr;
  GdiBitmap* bitmap = GdiBitmapFrom(h);
  if (bitmap == nullptr) PlatformFail("SelectObject", "only bitmaps can be selected");
  if (context->target != GdiDeviceContext::Target::Memory)
    PlatformFail("SelectObject", "bitmaps go into memory contexts only");
  GdiBitmap* previous = context->selectedBitmap;
  if (previous == bitmap) return HandleOf(previous);
  // A bitmap can be selected into one context at a time.
  if (!bitmap->stock && SelectedAnywhere(bitmap)) return nullptr;
  context->selectedBitmap = bitmap;
  return HandleOf(previous);
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  auto* object = static_cast<GdiObject*>(ho);
  if (object == nullptr || object->tag != kGdiObjectTag || object->kind == GdiKind::DeviceContext) return FALSE;
  if (object->stock) return TRUE;
  if (object->kind == GdiKind::Bitmap && SelectedAnywhere(static_cast<GdiBitmap*>(object))) return FALSE;
  delete object;
  return TRUE;
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
  GdiBitmap* bitmap = GdiBitmapFrom(h);
  if (bitmap == nullptr) {
    if (GdiBrushFrom(h) != nullptr) PlatformFail("GetObjectA", "only bitmaps can be described");
    return 0;
  }
  if (pv == nullptr) return sizeof(BITMAP);
  if (c < static_cast<int>(sizeof(BITMAP))) return 0;
  BITMAP description{};
  description.bmType = 0;
  description.bmWidth = bitmap->width;
  description.bmHeight = bitmap->height;
  description.bmWidthBytes = bitmap->rowPitch;
  description.bmPlanes = 1;
  description.bmBitsPixel = static_cast<WORD>(bitmap->bitsPerPixel);
  description.bmBits = bitmap->bits.data();
  std::memcpy(pv, &description, sizeof description);
  return sizeof(BITMAP);
}
