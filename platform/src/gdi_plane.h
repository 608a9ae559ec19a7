// A uniform view of the pixels behind a device context, for the pixel
// operations (SetPixel, GetPixel, StretchBlt): a memory context's selected
// DIB section (8, 24 or 32 bits, rows bottom-up) or a DirectDraw surface's
// 32-bit XRGB pixels (rows top-down).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/src/gdi_object.h"

struct PixelPlane {
  uint8_t* topRow = nullptr;
  ptrdiff_t rowStep = 0;  // bytes from one row to the next one down
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  const std::vector<uint32_t>* palette = nullptr;  // 8-bit planes

  uint8_t* Row(int y) const { return topRow + rowStep * y; }
};

// The plane of a device context; false when the context holds no pixels.
bool PlaneOfContext(GdiDeviceContext& context, PixelPlane& plane);

// The index of the palette colour nearest to an XRGB value.
uint8_t NearestPaletteIndex(const std::vector<uint32_t>& palette, uint32_t xrgb);

inline uint32_t ReadXrgb(const PixelPlane& plane, const uint8_t* row, int x) {
  switch (plane.bitsPerPixel) {
    case 8: return row[x] < plane.palette->size() ? (*plane.palette)[row[x]] : 0;
    case 24: return (uint32_t{row[3 * x + 2]} << 16) | (uint32_t{row[3 * x + 1]} << 8) | row[3 * x];
    default: return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFFu;
  }
}

inline void WriteXrgb(const PixelPlane& plane, uint8_t* row, int x, uint32_t xrgb) {
  switch (plane.bitsPerPixel) {
    case 8: row[x] = NearestPaletteIndex(*plane.palette, xrgb); break;
    case 24:
      row[3 * x] = static_cast<uint8_t>(xrgb);
      row[3 * x + 1] = static_cast<uint8_t>(xrgb >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(xrgb >> 16);
      break;
    default: reinterpret_cast<uint32_t*>(row)[x] = xrgb; break;
  }
}
