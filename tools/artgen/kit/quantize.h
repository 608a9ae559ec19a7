// Reduction of a picture to a 256-colour palette (median cut), for the
// 8-bit pictures.
#pragma once

#include <vector>

#include "tools/artgen/kit/canvas.h"
#include "tools/artgen/kit/files.h"

namespace artgen {

struct IndexedImage {
  int width = 0, height = 0;
  Palette palette;
  std::vector<uint8_t> indices;
};

// Median-cut palette of the picture and each pixel's nearest palette entry.
// Palette entry 0 is pure black.
IndexedImage Quantize(const Canvas& c);

}  // namespace artgen
