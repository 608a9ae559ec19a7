// The preview canvas and its sprite copy.
#include "configurator/preview_canvas.h"

#include <algorithm>
#include <cstring>

void PreviewCanvas::Clear() {
  std::memset(red, 0, sizeof red);
  std::memset(green, 0, sizeof green);
  std::memset(blue, 0, sizeof blue);
}

COLORREF HighlightColour(BYTE r, BYTE g, BYTE b) {
  const BYTE brightest = std::max({r, g, b});
  const BYTE lit = static_cast<BYTE>(brightest | 0xE1);
  if (lit == 255) return RGB(250, 250, 25);
  return RGB(lit, lit, brightest | 0x16);
}

void PreviewCanvas::DrawPreviewSprite(int destX, int destY, int srcX, int srcY, int width, int height, HBITMAP picture,
                                      bool highlight, bool transparent) {
  BITMAP info;
  if (picture == nullptr || GetObjectA(picture, sizeof info, &info) != sizeof info) return;
  if (info.bmBits == nullptr || info.bmBitsPixel != 24) return;
  const BYTE* bits = static_cast<const BYTE*>(info.bmBits);
  const int stride = info.bmWidthBytes;

  for (int row = 0; row < height; ++row) {
    const int sourceRow = srcY + row;  // from the picture's bottom
    const int canvasY = destY + height - 1 - row;
    if (sourceRow < 0 || sourceRow >= info.bmHeight || canvasY < 0 || canvasY >= kHeight) continue;
    const BYTE* line = bits + static_cast<size_t>(sourceRow) * stride;
    for (int column = 0; column < width; ++column) {
      const int sourceX = srcX + column;
      const int canvasX = destX + column;
      if (sourceX < 0 || sourceX >= info.bmWidth || canvasX < 0 || canvasX >= kWidth) continue;
      const BYTE b = line[sourceX * 3];
      const BYTE g = line[sourceX * 3 + 1];
      const BYTE r = line[sourceX * 3 + 2];
      COLORREF colour;
      if (r == 0 && g == 0 && b == 0) {
        if (transparent) continue;
        colour = RGB(150, 150, 15);
      } else if (highlight) {
        colour = HighlightColour(r, g, b);
      } else {
        colour = RGB(r, g, b);
      }
      red[canvasY][canvasX] = GetRValue(colour);
      green[canvasY][canvasX] = GetGValue(colour);
      blue[canvasY][canvasX] = GetBValue(colour);
    }
  }
}
