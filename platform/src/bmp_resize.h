// Resizing a decoded picture to the size a caller asked for.
#pragma once

#include "platform/src/gdi_object.h"

// The source column (or row) that destination column `index` of `destSize`
// takes from `sourceSize`, nearest neighbour at pixel centres; the identity
// when the sizes are equal.
inline int NearestSourceIndex(int index, int destSize, int sourceSize) {
  return static_cast<int>((2 * static_cast<int64_t>(index) + 1) * sourceSize / (2 * static_cast<int64_t>(destSize)));
}

// `resized` becomes `source` scaled to width x height (both > 0), nearest
// neighbour, with the same depth and palette.
void ResizeBitmap(const GdiBitmap& source, int width, int height, GdiBitmap& resized);
