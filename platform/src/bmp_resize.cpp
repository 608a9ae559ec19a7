// Nearest-neighbour scaling of a picture in DIB-section layout.
#include "platform/src/bmp_resize.h"

#include <cstring>
#include <vector>

void ResizeBitmap(const GdiBitmap& source, int width, int height, GdiBitmap& resized) {
  resized.width = width;
  resized.height = height;
  resized.bitsPerPixel = source.bitsPerPixel;
  resized.rowPitch = GdiBitmap::PitchFor(width, source.bitsPerPixel);
  resized.palette = source.palette;
  resized.bits.assign(static_cast<size_t>(resized.rowPitch) * height, 0);

  const int bytesPerPixel = source.bitsPerPixel / 8;
  std::vector<int> sourceOffsets(width);
  for (int x = 0; x < width; ++x) sourceOffsets[x] = NearestSourceIndex(x, width, source.width) * bytesPerPixel;

  for (int y = 0; y < height; ++y) {
    const uint8_t* from = source.RowFromTop(NearestSourceIndex(y, height, source.height));
    uint8_t* to = resized.RowFromTop(y);
    for (int x = 0; x < width; ++x) std::memcpy(to + x * bytesPerPixel, from + sourceOffsets[x], bytesPerPixel);
  }
}
