// The viewer's own pictures that no library holds: the black layer, the
// square-highlight frames, the turn lamps and the program icon. (Its
// stand-in pieces, board, backdrop, console, font and lamps are library
// pictures themselves: see art/viewer_art.rc.)
#include <algorithm>
#include <cmath>

#include "tools/artgen/art/book.h"
#include "tools/artgen/art/piece_shapes.h"
#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/path.h"

namespace artgen {

namespace {

// Ordered-dither threshold of a pixel, 0..1.
float Bayer(int x, int y) {
  static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (float(m[y & 3][x & 3]) + 0.5f) / 16.0f;
}

// One 50 x 50 highlight frame: a glowing rim that rises with phase 0..8,
// dithered towards the square's middle so the square shows through.
Canvas HighlightFrame(int phase, bool lightSquare) {
  Canvas c(50, 50);
  float t = float(phase) / 8.0f;
  Color hot = lightSquare ? Rgb(214, 120, 20) : Rgb(255, 214, 90);
  Color core = lightSquare ? Rgb(240, 170, 50) : Rgb(255, 240, 160);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      float d = float(std::min({x, y, 49 - x, 49 - y}));
      float solid = 1.0f + 3.0f * t;
      if (d < solid) {
        c.At(x, y) = Mix(hot, core, d / solid) * (0.55f + 0.45f * t);
        continue;
      }
      float a = t * std::exp(-(d - solid) / (2.0f + 5.0f * t)) * 0.9f;
      if (a > Bayer(x, y)) c.At(x, y) = hot * (0.6f + 0.4f * t);
    }
  for (Color& p : c.pixels) {
    Color q = Quantized(p);
    if (q.r + q.g + q.b > 0) p = NotKeyBlack(p);
  }
  return c;
}

// A round lamp behind glass: lit (bright green with a glow) or dark.
Canvas TurnLamp(bool lit) {
  Canvas c(30, 30);
  const float cx = 15, cy = 15;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy, r = std::hypot(dx, dy);
      if (r > 13.5f) continue;
      Color col;
      if (r > 11.0f) {
        col = dy < 0 ? Rgb(150, 154, 160) : Rgb(70, 72, 78);
      } else {
        float z = std::sqrt(std::max(0.0f, 1 - (r / 11) * (r / 11)));
        col = lit ? Mix(Rgb(20, 150, 40), Rgb(150, 255, 150), z) : Mix(Rgb(16, 34, 20), Rgb(40, 70, 46), z);
        float specular = std::exp(-((dx + 4) * (dx + 4) + (dy + 4) * (dy + 4)) / 8.0f);
        col = Mix(col, Rgb(255, 255, 255), specular * (lit ? 0.8f : 0.35f));
      }
      c.At(x, y) = NotKeyBlack(col);
    }
  return c;
}

}  // namespace

// The program icon: a gilded knight on a rounded tile of the given colour.
std::vector<std::pair<Canvas, Mask>> ProgramIcon(Fonts& fonts, Color tile) {
  std::vector<std::pair<Canvas, Mask>> images;
  for (int n : {16, 32, 48}) {
    float s = float(n);
    Mask shape(n, n);
    Path p;
    p.RoundRect(0.5f, 0.5f, s - 1, s - 1, s * 0.2f);
    FillInto(shape, p);
    Canvas c(n, n);
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x) c.At(x, y) = Mix(tile * 1.3f, tile * 0.7f, float(y) / s);
    Path knight = fonts.GlyphOutline(Typeface::Sans, s * 0.95f, 0x265E);
    Mask ink = Fill(knight.Transformed(1, 1, s * 0.06f, s * 0.86f), n, n);
    Mask solid = FilledHoles(ink);
    PaintMask(c, Shifted(solid, 1, 1), Rgb(0, 0, 0), 0.5f);
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x)
        if (solid.At(x, y) > 0) c.Blend(x, y, Mix(Rgb(255, 226, 140), Rgb(200, 140, 40), float(y) / s), solid.At(x, y));
    PaintMask(c, Subtract(solid, ink), Rgb(110, 70, 20), 0.8f);
    images.push_back({c, shape});
  }
  return images;
}

void GenerateViewerOwn(ArtBook& book) {
  book.out->Bitmap("viewer_blank.bmp", Canvas(800, 600));
  Canvas frames(450, 100);
  for (int k = 0; k < 9; ++k) {
    frames.Paste(HighlightFrame(k, false), 50 * k, 0);
    frames.Paste(HighlightFrame(k, true), 50 * k, 50);
  }
  book.out->Bitmap("viewer_highlights.bmp", frames);
  Canvas lamps(60, 30);
  lamps.Paste(TurnLamp(true), 0, 0);
  lamps.Paste(TurnLamp(false), 30, 0);
  book.out->Bitmap("viewer_turn_lamps.bmp", lamps);
  book.out->Raw("viewer.ico", EncodeIco(ProgramIcon(*book.fonts, Rgb(40, 60, 110))));
}

}  // namespace artgen
