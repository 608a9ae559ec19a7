// The objects behind GDI handles, shared by every platform file that makes or
// uses them: bitmaps (DIB sections), device contexts and stock brushes.
//
// An HBITMAP, HDC or HBRUSH handed to the application is a pointer to one of
// these objects. Every object starts with a GdiObject header whose tag and
// kind let a function check that a handle really is what it claims to be.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/sdk/base.h"

enum class GdiKind : uint32_t {
  Bitmap,
  DeviceContext,
  Brush,
};

// Marks live objects; a deleted object's tag is cleared.
constexpr uint32_t kGdiObjectTag = 0x54574744u;  // "DGWT"

struct GdiObject {
  uint32_t tag = kGdiObjectTag;
  GdiKind kind;
  bool stock = false;  // stock objects are never deleted

  explicit GdiObject(GdiKind objectKind) : kind(objectKind) {}
  virtual ~GdiObject() { tag = 0; }
};

// A bitmap held as a device-independent bitmap section: rows bottom-up, each
// row padded to a multiple of 4 bytes, so that BITMAP.bmBits can point at
// `bits` as it does for a DIB section on Windows.
struct GdiBitmap : GdiObject {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // 8 (with palette), 24 or 32
  int rowPitch = 0;      // bytes from one stored row to the next
  std::vector<uint8_t> bits;
  std::vector<uint32_t> palette;  // 8-bit pictures: 0x00RRGGBB per index

  GdiBitmap() : GdiObject(GdiKind::Bitmap) {}

  // Bytes per stored row for a width and depth, DIB padding included.
  static int PitchFor(int pixelWidth, int depth) { return ((pixelWidth * depth + 31) / 32) * 4; }

  // Row y counted from the top of the picture.
  uint8_t* RowFromTop(int y) { return bits.data() + static_cast<size_t>(height - 1 - y) * rowPitch; }
  const uint8_t* RowFromTop(int y) const { return bits.data() + static_cast<size_t>(height - 1 - y) * rowPitch; }
};

class SoftwareSurface;  // the DirectDraw surface of ddraw_surface.h

// A device context: either a memory context with a selected bitmap, or a
// context over a DirectDraw surface's 32-bit XRGB pixels (from GetDC).
struct GdiDeviceContext : GdiObject {
  enum class Target { Memory, Surface };
  Target target = Target::Memory;

  // Memory context: the bitmap currently selected (null = none of ours).
  GdiBitmap* selectedBitmap = nullptr;

  // Surface context: the locked pixels, rows top-down, `pitch` bytes apart.
  SoftwareSurface* surface = nullptr;
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;

  GdiDeviceContext() : GdiObject(GdiKind::DeviceContext) {}
};

struct GdiBrush : GdiObject {
  COLORREF color = 0;
  bool hollow = false;
  GdiBrush() : GdiObject(GdiKind::Brush) {}
};

// The live object behind a handle, or null when it is none or not of that kind.
template <typename Object>
Object* GdiObjectAs(const void* handle, GdiKind kind) {
  auto* object = static_cast<GdiObject*>(const_cast<void*>(handle));
  if (object == nullptr || object->tag != kGdiObjectTag || object->kind != kind) return nullptr;
  return static_cast<Object*>(object);
}

inline GdiBitmap* GdiBitmapFrom(HBITMAP handle) { return GdiObjectAs<GdiBitmap>(handle, GdiKind::Bitmap); }
inline GdiBitmap* GdiBitmapFrom(HGDIOBJ handle) { return GdiObjectAs<GdiBitmap>(handle, GdiKind::Bitmap); }
inline GdiDeviceContext* GdiDeviceContextFrom(HDC handle) {
  return GdiObjectAs<GdiDeviceContext>(handle, GdiKind::DeviceContext);
}
inline GdiBrush* GdiBrushFrom(HGDIOBJ handle) { return GdiObjectAs<GdiBrush>(handle, GdiKind::Brush); }

inline HBITMAP HandleOf(GdiBitmap* bitmap) { return reinterpret_cast<HBITMAP>(static_cast<GdiObject*>(bitmap)); }
inline HDC HandleOf(GdiDeviceContext* context) { return reinterpret_cast<HDC>(static_cast<GdiObject*>(context)); }
inline HBRUSH HandleOf(GdiBrush* brush) { return reinterpret_cast<HBRUSH>(static_cast<GdiObject*>(brush)); }
