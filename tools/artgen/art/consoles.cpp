// The console library's panels: sixteen 800 x 600 overlays (pure black where
// the backdrop shows), the frame overlay of styles 8 and 17, and the panels'
// 160 x 120 thumbnails.
#include <algorithm>
#include <cmath>
#include <string>

#include "art/resource_tables.h"
#include "common/frame_geometry.h"
#include "tools/artgen/art/book.h"
#include "tools/artgen/art/surfaces.h"
#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/path.h"

namespace artgen {

namespace {

using frame_geometry::ScreenRect;

constexpr int W = frame_geometry::kFrameWidth, H = frame_geometry::kFrameHeight;

struct ConsoleDesign {
  Look panel;
  Look tray;
  Color label;
  Color trim;       // thin accent line along the panel edges
  float radius;     // corner rounding of the panel
  bool boardFrame;  // a frame hugging the board
  bool leftColumn;  // a column left of the board joining the bars
  bool verticalGrain;
};

// Console index 0 (the picture of index 0 and any other) to 15.
ConsoleDesign DesignOf(int index) {
  using T = Texture;
  Look felt = L(T::Leather, Rgb(24, 60, 40), Rgb(16, 44, 30), 900);
  switch (index) {
    case 0:
      return {L(T::BrushedMetal, Rgb(62, 68, 78), Rgb(84, 92, 104), 1),
              L(T::Leather, Rgb(22, 30, 50), Rgb(16, 22, 38), 2),
              Rgb(170, 200, 240),
              Rgb(90, 150, 230),
              14,
              true,
              false,
              false};
    case 1:
      return {L(T::Wood, Rgb(104, 62, 36), Rgb(72, 40, 22), 11),
              felt,
              Rgb(236, 200, 130),
              Rgb(200, 160, 80),
              10,
              true,
              true,
              false};
    case 2:
      return {L(T::Flat, Rgb(58, 70, 62), {}, 21),
              L(T::Flat, Rgb(26, 34, 30), {}, 22),
              Rgb(170, 220, 170),
              Rgb(110, 170, 110),
              18,
              false,
              false,
              false};
    case 3:
      return {L(T::Carbon, Rgb(28, 28, 32), Rgb(58, 58, 66), 31),
              L(T::Flat, Rgb(18, 18, 20), {}, 32),
              Rgb(240, 90, 80),
              Rgb(220, 40, 40),
              8,
              true,
              false,
              false};
    case 4:
      return {L(T::Leather, Rgb(38, 34, 32), Rgb(24, 22, 20), 41),
              L(T::Leather, Rgb(70, 20, 24), Rgb(50, 14, 16), 42),
              Rgb(220, 184, 110),
              Rgb(190, 150, 80),
              16,
              true,
              true,
              false};
    case 5:
      return {L(T::BrushedMetal, Rgb(176, 180, 186), Rgb(206, 210, 216), 51),
              L(T::Flat, Rgb(40, 44, 50), {}, 52),
              Rgb(40, 44, 52),
              Rgb(110, 116, 124),
              6,
              false,
              false,
              false};
    case 6:
      return {L(T::Glass, Rgb(20, 50, 130), Rgb(60, 100, 200), 61),
              L(T::Flat, Rgb(10, 20, 50), {}, 62),
              Rgb(200, 220, 255),
              Rgb(140, 190, 255),
              22,
              false,
              true,
              false};
    case 7:
      return {L(T::Marble, Rgb(232, 228, 220), Rgb(160, 150, 140), 71, 1.5f),
              L(T::Leather, Rgb(30, 60, 50), Rgb(20, 44, 36), 72),
              Rgb(150, 110, 40),
              Rgb(200, 160, 70),
              10,
              true,
              false,
              false};
    case 8:
      return {L(T::BrushedMetal, Rgb(150, 90, 56), Rgb(196, 130, 86), 81),
              L(T::Leather, Rgb(40, 26, 20), Rgb(28, 18, 14), 82),
              Rgb(255, 220, 170),
              Rgb(240, 170, 110),
              12,
              true,
              false,
              false};
    case 9:
      return {L(T::Flat, Rgb(30, 30, 32), {}, 91),
              L(T::Flat, Rgb(20, 20, 22), {}, 92),
              Rgb(180, 180, 186),
              Rgb(120, 120, 126),
              4,
              false,
              false,
              false};
    case 10:
      return {L(T::Glass, Rgb(150, 20, 24), Rgb(200, 50, 50), 101),
              L(T::Flat, Rgb(40, 8, 10), {}, 102),
              Rgb(255, 220, 200),
              Rgb(255, 200, 120),
              20,
              true,
              false,
              false};
    case 11:
      return {L(T::Stone, Rgb(82, 90, 56), Rgb(66, 74, 44), 111),
              L(T::Flat, Rgb(36, 40, 26), {}, 112),
              Rgb(230, 226, 180),
              Rgb(170, 160, 100),
              6,
              false,
              true,
              false};
    case 12:
      return {L(T::Stone, Rgb(76, 82, 90), Rgb(54, 58, 64), 121),
              L(T::Stone, Rgb(40, 44, 48), Rgb(30, 32, 36), 122),
              Rgb(210, 216, 224),
              Rgb(150, 160, 170),
              12,
              true,
              true,
              false};
    case 13:
      return {L(T::Glass, Rgb(160, 210, 230), Rgb(220, 245, 255), 131),
              L(T::Flat, Rgb(30, 60, 80), {}, 132),
              Rgb(20, 50, 70),
              Rgb(240, 252, 255),
              24,
              true,
              false,
              false};
    case 14:
      return {L(T::Leather, Rgb(70, 30, 90), Rgb(52, 20, 68), 141),
              L(T::Leather, Rgb(34, 14, 44), Rgb(24, 10, 32), 142),
              Rgb(236, 200, 255),
              Rgb(210, 170, 240),
              18,
              true,
              false,
              false};
    default:
      return {L(T::Wood, Rgb(130, 50, 36), Rgb(92, 32, 22), 151),
              felt,
              Rgb(246, 214, 160),
              Rgb(220, 180, 110),
              10,
              false,
              true,
              true};
  }
}

Path RoundedRect(float x, float y, float w, float h, float r) {
  Path p;
  p.RoundRect(x, y, w, h, r);
  return p;
}

// A recessed window around a place: dark glass inside, a sunken rim outside.
void Window(Canvas& c, const ScreenRect& p, int rim, Color trim) {
  for (int y = p.y - rim; y < p.Bottom() + rim; ++y)
    for (int x = p.x - rim; x < p.Right() + rim; ++x) {
      int d = std::min({x - (p.x - rim), p.Right() + rim - 1 - x, y - (p.y - rim), p.Bottom() + rim - 1 - y});
      bool inside = x >= p.x && x < p.Right() && y >= p.y && y < p.Bottom();
      if (inside) {
        c.At(x, y) = Rgb(10, 11, 13);
        continue;
      }
      bool upperLeft = (x - (p.x - rim)) <= d + 0 && (y - (p.y - rim)) >= d ? true : (y - (p.y - rim)) == d;
      Color& px = c.At(x, y);
      if (d == 0)
        px = Mix(px, trim, 0.55f);
      else
        px = upperLeft ? Mix(px, Gray(0), 0.55f) : Mix(px, Gray(255), 0.22f);
    }
}

void Engrave(Canvas& c, Fonts& fonts, const std::string& text, float cx, float baseline, Color color,
             float size = 9.5f) {
  Mask m(W, H);
  fonts.DrawTextCentered(m, Typeface::SansBold, size, text, cx, baseline, 1.0f);
  Mask light = Shifted(m, 0, 1);
  PaintMask(c, light, Luma(color) > 128 ? Gray(0) : Gray(255), 0.35f);
  PaintMask(c, m, color, 0.95f);
}

Canvas RenderConsole(const ConsoleDesign& d, Fonts& fonts) {
  Mask shape(W, H);
  FillInto(shape, RoundedRect(4, 4, 792, 53, d.radius));
  FillInto(shape, RoundedRect(4, 543, 792, 53, d.radius));
  FillInto(shape, RoundedRect(541, 4, 255, 592, d.radius));
  if (d.leftColumn) FillInto(shape, RoundedRect(4, 4, 50, 592, d.radius));
  if (d.boardFrame) FillInto(shape, RoundedRect(48, 48, 504, 504, 6));
  const ScreenRect& area = frame_geometry::kBoardPicture;
  Mask board = Fill(RoundedRect(float(area.x), float(area.y), float(area.width), float(area.height), 0), W, H);
  shape = Subtract(shape, board);

  Canvas c(W, H);
  FillLook(c, 0, 0, W, H, d.panel, d.verticalGrain);
  // Raised edges: light from the upper left on a softened copy of the shape.
  Mask relief = ReliefShade(Blurred(shape, 6), 3.2f);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float k = std::clamp(relief.At(x, y), -0.6f, 0.6f);
      Color& p = c.At(x, y);
      p = k > 0 ? Mix(p, Gray(255), k * 0.6f) : Mix(p, Gray(0), -k * 0.8f);
    }
  // Thin accent line just inside the panel edge.
  Mask inner = Blurred(shape, 4);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float v = inner.At(x, y);
      if (shape.At(x, y) > 0.5f && v > 0.62f && v < 0.72f) c.At(x, y) = Mix(c.At(x, y), d.trim, 0.5f);
    }
  // Trays: felt wells with a sunken rim.
  for (const ScreenRect& t : {frame_geometry::kTopTrayArea, frame_geometry::kBottomTrayArea}) {
    FillLook(c, t.x, t.y, t.width, t.height, d.tray, false);
    Bevel(c, t.x, t.y, t.width, t.height, 4, -0.7f);
  }
  // Text windows, lamp sockets.
  for (const frame_geometry::TextField& field : frame_geometry::kConsoleTextFields)
    Window(c, frame_geometry::FieldRect(field), 4, d.trim);
  for (const ScreenRect& p : {frame_geometry::kTopResultLamp, frame_geometry::kBottomResultLamp})
    Window(c, p, 3, d.trim);
  for (const ScreenRect& p : {frame_geometry::kTopTurnLamp, frame_geometry::kBottomTurnLamp}) {
    float cx = float(p.x) + 15, cy = float(p.y) + 15;
    for (int y = p.y - 5; y < p.y + 35; ++y)
      for (int x = p.x - 5; x < p.x + 35; ++x) {
        float r = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy);
        if (r > 19) continue;
        Color& px = c.At(x, y);
        if (r > 15.5f)
          px = (float(y) < cy) ? Mix(px, Gray(0), 0.5f) : Mix(px, Gray(255), 0.25f);
        else
          px = Rgb(12, 12, 14);
      }
  }
  // Engraved labels.
  Engrave(c, fonts, "MOVE", 588, 260, d.label);
  Engrave(c, fonts, "GAME", 606, 292, d.label);
  Engrave(c, fonts, "OF", 682, 318, d.label);
  Engrave(c, fonts, "GAMES", 738, 292, d.label);
  Engrave(c, fonts, "TO MOVE", 612, 225, d.label);
  Engrave(c, fonts, "TO MOVE", 612, 378, d.label);
  Engrave(c, fonts, "BLACK", 630, 34, d.label, 11.0f);
  Engrave(c, fonts, "WHITE", 630, 574, d.label, 11.0f);
  Engrave(c, fonts, "TARNWICKET", 720, 34, d.trim, 10.0f);
  Engrave(c, fonts, "TARNWICKET", 720, 574, d.trim, 10.0f);

  Canvas out(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (shape.At(x, y) >= 0.5f) out.At(x, y) = NotKeyBlack(c.At(x, y));
  return out;
}

// Overlay of styles 8 and 17: gilded rims around every text window; the names,
// set one pixel in, get a rim of their own one pixel larger.
Canvas FrameOverlay() {
  Canvas c(W, H);
  auto rim = [&](int x0, int y0, int x1, int y1, Color col) {
    for (int x = x0; x <= x1; ++x) c.At(x, y0) = col, c.At(x, y1) = col;
    for (int y = y0; y <= y1; ++y) c.At(x0, y) = col, c.At(x1, y) = col;
  };
  const Color gold = Rgb(232, 190, 96), deep = Rgb(130, 92, 34);
  for (const frame_geometry::TextField& field : frame_geometry::kConsoleTextFields) {
    const ScreenRect p = frame_geometry::FieldRect(field);
    bool name = p.y == frame_geometry::kBlackNameField.y || p.y == frame_geometry::kWhiteNameField.y;
    int g = name ? 1 : 0;
    rim(p.x - 1, p.y - 1, p.Right() + g, p.Bottom() + g, deep);
    rim(p.x - 2, p.y - 2, p.Right() + g + 1, p.Bottom() + g + 1, gold);
    rim(p.x - 4, p.y - 4, p.Right() + g + 3, p.Bottom() + g + 3, deep);
    if (name) rim(p.x, p.y, p.Right(), p.Bottom(), Rgb(40, 30, 14));
  }
  return c;
}

}  // namespace

void GenerateConsoles(ArtBook& book) {
  // Design 0 is the console of any other index; the thumbnail of the last
  // console is also the one of any other index.
  const int last = resource_catalog::kConsoleCount;
  for (int index = 0; index <= last; ++index) {
    Canvas c = RenderConsole(DesignOf(index), *book.fonts);
    book.out->Bitmap(index == 0 ? "console_other.bmp" : Numbered("console", index), c);
    Canvas thumb = ResizedKeyed(c, 160, 120);
    book.out->Bitmap(index == last ? "console_thumb_other.bmp" : Numbered("console_thumb", index), thumb);
    // The spare thumbnail is never asked for; it repeats the first of the late
    // ones so that the identifiers have no hole.
    if (index == resource_catalog::kFirstLateConsoleThumb) book.out->Bitmap("console_thumb_spare.bmp", thumb);
    book.consoles[index] = c;
  }
  book.out->Bitmap("console_overlay.bmp", FrameOverlay());
}

}  // namespace artgen
