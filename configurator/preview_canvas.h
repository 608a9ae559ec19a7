// PreviewCanvas: the 160 x 120 miniature of the viewer's screen, held as three
// colour planes, and the copying of picture rectangles into it (plain, with
// black as the transparent colour, or lit up in yellow).
#pragma once

#include "common/frame_geometry.h"
#include "platform/win32.h"

struct PreviewCanvas {
  static constexpr int kWidth = frame_geometry::kMiniatureWidth;
  static constexpr int kHeight = frame_geometry::kMiniatureHeight;

  BYTE red[kHeight][kWidth];
  BYTE green[kHeight][kWidth];
  BYTE blue[kHeight][kWidth];

  void Clear();

  // Copies columns srcX.. and rows srcY.. (rows counted from the picture's
  // bottom row, as a DIB stores them) of a 24-bit picture upright into the
  // canvas, the rectangle's top row on canvas row destY. Black source pixels
  // leave the canvas as it is when `transparent`, otherwise they become
  // (150, 150, 15); others are lit up when `highlight`. Pictures of another
  // depth are not drawn.
  void DrawPreviewSprite(int destX, int destY, int srcX, int srcY, int width, int height, HBITMAP picture,
                         bool highlight, bool transparent);
};

// The colour of a lit-up source pixel: every channel takes the brightest
// channel, yellow bits are set, and pure yellow-white is toned down.
COLORREF HighlightColour(BYTE r, BYTE g, BYTE b);
