// The GDI pixel operations: StretchBlt and BitBlt with SRCCOPY (nearest
// neighbour when the sizes differ), SetPixel and GetPixel, between memory
// contexts and DirectDraw surface contexts in any mix.
#include <vector>

#include "platform/sdk/gdi.h"
#include "platform/src/bmp_resize.h"
#include "platform/src/core_backend.h"
#include "platform/src/gdi_object.h"
#include "platform/src/gdi_plane.h"

namespace {

uint32_t XrgbFromColorref(COLORREF color) {
  return (uint32_t{GetRValue(color)} << 16) | (uint32_t{GetGValue(color)} << 8) | GetBValue(color);
}

COLORREF ColorrefFromXrgb(uint32_t xrgb) { return RGB((xrgb >> 16) & 255, (xrgb >> 8) & 255, xrgb & 255); }

bool PlaneOfHandle(HDC hdc, PixelPlane& plane) {
  GdiDeviceContext* context = GdiDeviceContextFrom(hdc);
  return context != nullptr && PlaneOfContext(*context, plane);
}

// Destination pixels that map to source pixels, along one axis: pairs of
// (destination index, source index), both inside their planes.
struct AxisMap {
  std::vector<int> dest;
  std::vector<int> source;
};

AxisMap MapAxis(int destStart, int destLength, int destLimit, int sourceStart, int sourceLength, int sourceLimit) {
  AxisMap map;
  for (int i = 0; i < destLength; ++i) {
    const int64_t d = static_cast<int64_t>(destStart) + i;
    if (d < 0) continue;
    if (d >= destLimit) break;
    const int64_t s = static_cast<int64_t>(sourceStart) + NearestSourceIndex(i, destLength, sourceLength);
    if (s < 0 || s >= sourceLimit) continue;
    map.dest.push_back(static_cast<int>(d));
    map.source.push_back(static_cast<int>(s));
  }
  return map;
}

template <int SourceBits, int DestBits>
void CopyRows(const PixelPlane& dest, const PixelPlane& source, const AxisMap& columns, const AxisMap& rows) {
  PixelPlane fixedSource = source;
  fixedSource.bitsPerPixel = SourceBits;
  PixelPlane fixedDest = dest;
  fixedDest.bitsPerPixel = DestBits;
  const size_t count = columns.dest.size();
  for (size_t r = 0; r < rows.dest.size(); ++r) {
    const uint8_t* from = source.Row(rows.source[r]);
    uint8_t* to = dest.Row(rows.dest[r]);
    for (size_t c = 0; c < count; ++c)
      WriteXrgb(fixedDest, to, columns.dest[c], ReadXrgb(fixedSource, from, columns.source[c]));
  }
}

template <int SourceBits>
void CopyRowsFrom(const PixelPlane& dest, const PixelPlane& source, const AxisMap& columns, const AxisMap& rows) {
  switch (dest.bitsPerPixel) {
    case 8: CopyRows<SourceBits, 8>(dest, source, columns, rows); break;
    case 24: CopyRows<SourceBits, 24>(dest, source, columns, rows); break;
    default: CopyRows<SourceBits, 32>(dest, source, columns, rows); break;
  }
}

}  // namespace

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop) {
  if (rop != SRCCOPY) PlatformFail("StretchBlt", "only SRCCOPY is supported");
  if (wDest < 0 || hDest < 0 || wSrc < 0 || hSrc < 0) PlatformFail("StretchBlt", "mirrored copies are not supported");
  PixelPlane dest;
  PixelPlane source;
  if (!PlaneOfHandle(hdcDest, dest) || !PlaneOfHandle(hdcSrc, source)) return FALSE;
  if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0) return TRUE;

  const AxisMap columns = MapAxis(xDest, wDest, dest.width, xSrc, wSrc, source.width);
  const AxisMap rows = MapAxis(yDest, hDest, dest.height, ySrc, hSrc, source.height);
  switch (source.bitsPerPixel) {
    case 8: CopyRowsFrom<8>(dest, source, columns, rows); break;
    case 24: CopyRowsFrom<24>(dest, source, columns, rows); break;
    default: CopyRowsFrom<32>(dest, source, columns, rows); break;
  }
  return TRUE;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  return StretchBlt(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  PixelPlane plane;
  if (!PlaneOfHandle(hdc, plane) || x < 0 || y < 0 || x >= plane.width || y >= plane.height) return CLR_INVALID;
  uint8_t* row = plane.Row(y);
  WriteXrgb(plane, row, x, XrgbFromColorref(color));
  return ColorrefFromXrgb(ReadXrgb(plane, row, x));
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  PixelPlane plane;
  if (!PlaneOfHandle(hdc, plane) || x < 0 || y < 0 || x >= plane.width || y >= plane.height) return CLR_INVALID;
  return ColorrefFromXrgb(ReadXrgb(plane, plane.Row(y), x));
}
