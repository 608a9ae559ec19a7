// The console styles: eighteen 512 x 168 glyph sheets (codes 32 to 255 in
// Windows-1252, opaque 16 x 24 cells), nine result-lamp strips and nine 4 x 5
// colour tiles. Styles k and k + 9 share their colours and differ in lettering.
#include <algorithm>
#include <cmath>
#include <string>

#include "art/resource_tables.h"
#include "tools/artgen/art/book.h"
#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/path.h"

namespace artgen {

namespace {

enum class Lettering { Pixel, SlantedPixel, Dots, SmoothMono, SmoothSans, SmoothSerif };

Lettering LetteringOf(int style) {
  static const Lettering table[18] = {Lettering::Pixel,        Lettering::Dots,         Lettering::SlantedPixel,
                                      Lettering::SlantedPixel, Lettering::Dots,         Lettering::SmoothMono,
                                      Lettering::Dots,         Lettering::SlantedPixel, Lettering::SmoothSerif,
                                      Lettering::SmoothSans,   Lettering::SmoothMono,   Lettering::Dots,
                                      Lettering::Dots,         Lettering::SmoothSans,   Lettering::Dots,
                                      Lettering::SmoothMono,   Lettering::SmoothSans,   Lettering::SmoothSerif};
  return table[std::clamp(style, 0, 17)];
}

bool Blank(uint32_t cp) {
  return cp == 0x20 || cp == 0x7F || cp == 0xA0 || cp == 0x81 || cp == 0x8D || cp == 0x8F || cp == 0x90 || cp == 0x9D;
}

// The character's pixels on the 8 x 12 grid of a pixel or dot display.
Mask PixelGlyph(Fonts& fonts, uint32_t cp) {
  Mask grid(8, 12);
  if (Blank(cp)) return grid;
  if (cp == 0xAD) cp = '-';
  Mask big(16, 16);
  int advance = fonts.DrawGlyphMono(big, Typeface::MonoBold, 10, cp, 0, 12);
  int x0 = 16, x1 = -1;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (big.At(x, y) > 0) x0 = std::min(x0, x), x1 = std::max(x1, x);
  if (x1 < 0) return grid;
  int shift = (8 - advance) / 2;
  if (x1 + shift > 7) shift = 7 - x1;
  if (x0 + shift < 0) shift = -x0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 8; ++x) grid.At(x, y) = big.Get(x - shift, y + 3);
  return grid;
}

Canvas RenderCell(Fonts& fonts, int style, uint32_t cp) {
  StyleAccent a = AccentOf(style);
  Lettering lettering = LetteringOf(style);
  Canvas cell(16, 24, a.panel);
  Mask ink(16, 24);
  Mask ghost(16, 24);
  switch (lettering) {
    case Lettering::Pixel:
    case Lettering::SlantedPixel:
    case Lettering::Dots: {
      Mask grid = PixelGlyph(fonts, cp);
      bool dots = lettering == Lettering::Dots;
      bool slant = lettering == Lettering::SlantedPixel;
      for (int gy = 0; gy < 12; ++gy)
        for (int gx = 0; gx < 8; ++gx) {
          float on = grid.At(gx, gy);
          // Slanted lettering leans by one pixel every four rows.
          int sx = slant ? (11 - gy) / 4 - 1 : 0;
          for (int py = 0; py < 2; ++py)
            for (int px = 0; px < 2; ++px) {
              int x = 2 * gx + px + sx, y = 2 * gy + py;
              if (x < 0 || x >= 16) continue;
              float w = dots ? (px == 1 || py == 1 ? (px == 1 && py == 1 ? 0.0f : 0.55f) : 1.0f) : 1.0f;
              if (on > 0)
                ink.At(x, y) = std::max(ink.At(x, y), w);
              else if (dots || lettering == Lettering::Pixel)
                ghost.At(x, y) = std::max(ghost.At(x, y), w * (px == 0 && py == 0 ? 1.0f : 0.0f));
            }
        }
      if (lettering == Lettering::SlantedPixel) {
        // The unlit segments of a display cell: a faint slanted "8" frame behind every character.
        Path p;
        const float l = 3.5f, r = 12.5f, t = 4.0f, m = 12.0f, b = 20.0f;
        auto seg = [&](float x0, float y0, float x1, float y1) {
          float k0 = (20 - y0) / 4 * 1.0f, k1 = (20 - y1) / 4 * 1.0f;
          StrokeInto(ghost, {{x0 + k0 * 0.5f, y0}, {x1 + k1 * 0.5f, y1}}, 1.6f, false);
        };
        seg(l + 1, t, r - 1, t);
        seg(l + 1, m, r - 1, m);
        seg(l + 1, b, r - 1, b);
        seg(l, t + 1, l, m - 1);
        seg(r, t + 1, r, m - 1);
        seg(l, m + 1, l, b - 1);
        seg(r, m + 1, r, b - 1);
      }
      break;
    }
    default: {
      if (Blank(cp)) break;
      uint32_t c = cp == 0xAD ? uint32_t('-') : cp;
      Typeface face = lettering == Lettering::SmoothMono   ? Typeface::MonoBold
                      : lettering == Lettering::SmoothSans ? Typeface::SansBold
                                                           : Typeface::SerifBold;
      float size = lettering == Lettering::SmoothMono ? 15.0f : 14.0f;
      float scaleX = lettering == Lettering::SmoothMono ? 1.0f : 0.82f;
      Mask probe(48, 24);
      float adv = fonts.DrawGlyph(probe, face, size, c, 16, 18, scaleX);
      int x0 = 48, x1 = -1;
      for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 48; ++x)
          if (probe.At(x, y) > 0.05f) x0 = std::min(x0, x), x1 = std::max(x1, x);
      float left = 8.0f - adv / 2;
      if (x1 >= 0) {
        float w = float(x1 - x0 + 1);
        if (w > 15)
          scaleX *= 15.0f / w, left = 0.5f;
        else
          left = 8.0f - w / 2 - float(x0 - 16);
      }
      fonts.DrawGlyph(ink, face, size, c, left, 18, scaleX);
      break;
    }
  }
  if (!a.darkOnLight) {
    Mask halo = Blurred(ink, 3);
    PaintMask(cell, halo, a.glow, 0.55f);
  }
  PaintMask(cell, ghost, a.ghost, 1.0f);
  PaintMask(cell, ink, a.lit, 1.0f);
  if (a.darkOnLight) {
    // A reflective display: characters cast a faint shadow on the backlight.
    Mask shade = Shifted(ink, 1, 1);
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 16; ++x)
        if (ink.At(x, y) < 0.5f && shade.At(x, y) > 0)
          cell.At(x, y) = Mix(cell.At(x, y), a.lit, 0.15f * shade.At(x, y));
  }
  for (Color& p : cell.pixels) p = NotKeyBlack(p);
  return cell;
}

Canvas GlyphSheet(Fonts& fonts, int style) {
  Canvas sheet(512, 168);
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 32; ++c) {
      uint8_t code = uint8_t(32 + 32 * r + c);
      sheet.Paste(RenderCell(fonts, style, Cp1252ToUnicode(code)), 16 * c, 24 * r);
    }
  return sheet;
}

// Result lamps: off, won (lit, on the winner's side) and drawn.
Canvas LampStrip(Fonts& fonts, int k) {
  StyleAccent a = AccentOf(k);
  Color lit = a.darkOnLight ? Rgb(70, 200, 80) : a.lit;
  Canvas strip(108, 25);
  const char* labels[3] = {"", "WIN", "DRAW"};
  for (int cell = 0; cell < 3; ++cell) {
    int ox = 36 * cell;
    Mask body(36, 25), rim(36, 25);
    Path outer, inner;
    outer.RoundRect(1.5f, 2.5f, 33, 20, 9.5f);
    inner.RoundRect(3.0f, 4.0f, 30, 17, 8.0f);
    FillInto(rim, outer);
    FillInto(body, inner);
    Canvas c(36, 25);
    PaintMask(c, rim, Rgb(90, 92, 98));
    Color face = cell == 0 ? lit * 0.16f + Gray(14) : cell == 1 ? lit : Mix(lit, Rgb(255, 255, 255), 0.35f) * 0.8f;
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 36; ++x) {
        float b = body.At(x, y);
        if (b <= 0) continue;
        float glowY = 1.0f - std::fabs(float(y) - 12.0f) / 10.0f;
        Color col = face * (0.7f + 0.45f * glowY);
        if (y < 9 && cell != 0) col = Mix(col, Gray(255), 0.25f * float(9 - y) / 5);
        c.Blend(x, y, col, b);
      }
    Mask text(36, 25);
    if (cell != 0) fonts.DrawTextCentered(text, Typeface::SansBold, 9.0f, labels[cell], 18.0f, 16.0f);
    PaintMask(c, text, cell == 1 ? face * 0.25f : face * 0.3f, 0.9f);
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 36; ++x)
        if (rim.At(x, y) >= 0.45f) strip.At(ox + x, y) = NotKeyBlack(c.At(x, y));
  }
  return strip;
}

// Four by five pixels: a character of the style's lettering at a fifth of its size.
Canvas StyleTile(int k) {
  StyleAccent a = AccentOf(k);
  Canvas t(4, 5, a.panel);
  for (int y = 1; y <= 3; ++y)
    for (int x = 0; x <= 2; ++x) t.At(x, y) = (y == 2 && x == 1) ? Mix(a.lit, a.panel, 0.4f) : a.lit;
  for (Color& p : t.pixels) p = NotKeyBlack(p);
  return t;
}

}  // namespace

StyleAccent AccentOf(int style) {
  switch (((style % 9) + 9) % 9) {
    case 0: return {Rgb(36, 48, 26), Rgb(36, 48, 26), Rgb(156, 176, 112), Rgb(144, 164, 102), true};
    case 1: return {Rgb(255, 178, 46), Rgb(255, 120, 10), Rgb(30, 16, 4), Rgb(52, 30, 8), false};
    case 2: return {Rgb(255, 70, 48), Rgb(255, 20, 10), Rgb(28, 6, 6), Rgb(54, 14, 12), false};
    case 3: return {Rgb(96, 255, 120), Rgb(20, 220, 60), Rgb(6, 24, 10), Rgb(16, 46, 22), false};
    case 4: return {Rgb(110, 180, 255), Rgb(30, 110, 255), Rgb(6, 12, 34), Rgb(16, 28, 60), false};
    case 5: return {Rgb(242, 242, 242), Rgb(160, 170, 190), Rgb(24, 24, 28), Rgb(42, 42, 48), false};
    case 6: return {Rgb(70, 245, 232), Rgb(0, 190, 190), Rgb(4, 26, 30), Rgb(10, 48, 52), false};
    case 7: return {Rgb(214, 130, 255), Rgb(150, 50, 255), Rgb(20, 8, 32), Rgb(38, 18, 56), false};
    default: return {Rgb(255, 212, 120), Rgb(230, 150, 40), Rgb(34, 24, 12), Rgb(56, 42, 22), false};
  }
}

void GenerateConsoleStyles(ArtBook& book) {
  // The glyph sheet of the last style is also the one of any other style.
  const int lastStyle = resource_catalog::kConsoleStyleCount - 1;
  for (int style = 0; style <= lastStyle; ++style) {
    Canvas sheet = GlyphSheet(*book.fonts, style);
    book.out->Bitmap(style == lastStyle ? "font_other.bmp" : Numbered("font", style), sheet);
    book.glyphSheets.push_back(sheet);
  }
  // Lamps and tiles by style colour; the last colour is also that of any other style.
  for (int k = 0; k < resource_catalog::kStyleColourCount; ++k) {
    const bool other = k == resource_catalog::kOtherStyleColour;
    Canvas lamps = LampStrip(*book.fonts, k);
    book.out->Bitmap(other ? "result_lamps_other.bmp" : Numbered("result_lamps", k), lamps);
    book.resultLamps.push_back(lamps);
    Canvas tile = StyleTile(k);
    book.out->Bitmap(other ? "style_tile_other.bmp" : Numbered("style_tile", k), tile);
    book.styleTiles.push_back(tile);
  }
}

}  // namespace artgen
