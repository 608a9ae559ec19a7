// The pixel loops behind Blt and BltFast on 32-bit XRGB surfaces: opaque
// copy, copy with a source colour key, colour fill and stretched copy.
// Rows are `pitch` bytes apart; the top byte of a pixel is carried along
// but never compared.
#pragma once

#include <cstdint>

struct PixelRect {
  uint8_t* pixels;  // first pixel of the rectangle
  int pitch;        // bytes from one row to the next
};

struct ConstPixelRect {
  const uint8_t* pixels;
  int pitch;
};

// Source colour key: pixels whose 24-bit colour lies in low..high are skipped.
struct ColorKeyRange {
  uint32_t low;
  uint32_t high;
};

void CopyPixels(PixelRect destination, ConstPixelRect source, int width, int height);
void CopyPixelsKeyed(PixelRect destination, ConstPixelRect source, int width, int height, ColorKeyRange key);
void FillPixels(PixelRect destination, int width, int height, uint32_t color);

// Nearest-pixel stretch from a source of one size to a destination of another.
void StretchPixels(PixelRect destination, int destinationWidth, int destinationHeight, ConstPixelRect source,
                   int sourceWidth, int sourceHeight, const ColorKeyRange* key);
