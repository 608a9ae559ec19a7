// The configurator's own pictures: the dialog skin (left part, display
// title, display column, right strip, watching column) with the label of
// every control at its place, the slider tracks, the layout counter frame and
// the key legend;
// option marks, radio dots, the slider knob, the counter digits, the stand-in
// preview pictures and the icon.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/artgen/art/book.h"
#include "tools/artgen/art/dialog_units.h"
#include "tools/artgen/art/surfaces.h"
#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/path.h"

namespace artgen {

std::vector<std::pair<Canvas, Mask>> ProgramIcon(Fonts& fonts, Color tile);

namespace {

const Color kText = Rgb(228, 232, 240), kHeading = Rgb(240, 200, 110), kDim = Rgb(160, 170, 186);

// The dialog's size in dialog units, and where the watching column's picture
// begins: one pixel left of the right strip's end (no dialog unit falls on
// that pixel), which it covers with the same pixels.
constexpr int kDialogWidth = 517, kDialogHeight = 310;
constexpr int kWatchingColumnLeft = 388;

class Skin {
 public:
  explicit Skin(Fonts& fonts) : fonts_(fonts), c_(DuX(kDialogWidth), DuY(kDialogHeight)) {
    Look l;
    l.texture = Texture::BrushedMetal;
    l.base = Rgb(44, 50, 62);
    l.accent = Rgb(54, 60, 74);
    l.seed = 77;
    FillLook(c_, 0, 0, c_.width, c_.height, l);
    Bevel(c_, 0, 0, c_.width, c_.height, 3, 0.5f);
  }
  Canvas& Picture() { return c_; }

  void Text(const std::string& s, float x, float baseline, float size, Color col, Typeface face = Typeface::Sans) {
    Mask m(c_.width, c_.height);
    fonts_.DrawText(m, face, size, s, x, baseline);
    PaintMask(c_, Shifted(m, 1, 1), Gray(0), 0.45f);
    PaintMask(c_, m, col);
  }
  void Centered(const std::string& s, float cx, float baseline, float size, Color col,
                Typeface face = Typeface::SansBold) {
    Text(s, cx - fonts_.TextWidth(face, size, s) / 2, baseline, size, col, face);
  }
  // A group frame: a sunken rounded panel with its heading above.
  void Group(const std::string& heading, int x, int y, int w, int h) {
    Mask m(c_.width, c_.height);
    Path p;
    p.RoundRect(float(x), float(y), float(w), float(h), 6);
    FillInto(m, p);
    PaintMask(c_, m, Rgb(24, 28, 36), 0.55f);
    Bevel(c_, x, y, w, h, 2, -0.4f);
    if (!heading.empty()) Text(heading, float(x) + 8, float(y) + 13, 10.5f, kHeading, Typeface::SansBold);
  }
  // The label of a button whose mark or dot lies at its left.
  void Label(const PixelRect& button, const std::string& s, int indent = 17) {
    Text(s, float(button.x + indent), float(button.y + button.h) - 4, 11, kText);
  }
  void Button(const PixelRect& r, const std::string& s, Color face) {
    Mask m(c_.width, c_.height);
    Path p;
    p.RoundRect(float(r.x) + 0.5f, float(r.y) + 0.5f, float(r.w) - 1, float(r.h) - 1, 5);
    FillInto(m, p);
    PaintMask(c_, m, face);
    Bevel(c_, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 2, 0.5f);
    Centered(s, float(r.x) + float(r.w) / 2, float(r.y) + float(r.h) / 2 + 4, 11, kText);
  }
  // A slider groove under the knob's travel (knob left x0 .. x0 + 110, top y).
  void Slider(int x0, int y, const std::string& label, const std::string& low, const std::string& high) {
    int cy = y + 8;
    for (int x = x0 + 2; x <= x0 + 117; ++x) {
      c_.At(x, cy - 1) = Rgb(14, 16, 20);
      c_.At(x, cy) = Rgb(24, 28, 34);
      c_.At(x, cy + 1) = Rgb(96, 104, 118);
    }
    for (int k = 0; k <= 20; k += 2) {
      int x = x0 + 4 + int(float(k) * 5.5f);
      for (int t = 0; t < (k % 10 == 0 ? 4 : 2); ++t) c_.At(x, y + 14 + t) = kDim;
    }
    if (x0 < 145)
      Text(label, 14, float(cy + 4), 11, kText);
    else
      Text(label, float(x0), float(y - 4), 11, kText);
    Text(low, float(x0 + 124), float(cy - 1), 8, kDim);
    Text(high, float(x0 + 124), float(cy + 8), 8, kDim);
  }

 private:
  Fonts& fonts_;
  Canvas c_;
};

// The watching column: real pace and its speed, comments, live games and
// the screen's scaling; the same labels, marks and dots as the other
// columns (rectangles as in configurator/TarnwicketCFG.rc).
void DrawWatchingColumn(Skin& s) {
  const float middle = float(DuX(kWatchingColumnLeft) + DuX(kDialogWidth)) / 2;
  s.Centered("Watching", middle, 22, 14, kHeading, Typeface::SerifBold);
  s.Centered("Games as they were played", middle, 42, 9, kDim, Typeface::Sans);
  const int x = DuX(392), w = DuX(513) - DuX(392);
  s.Group("Real pace", x, DuY(44) - 12, w, DuY(96) - DuY(44) + 12);
  s.Label(DuRect(396, 47, 113, 11), "Play at the real pace");
  s.Text("Faster by", float(DuX(398)), float(DuY(60)) + 8, 9, kDim);
  const char* factors[6] = {"1x", "2x", "5x", "10x", "30x", "60x"};
  const int factorX[3] = {396, 430, 464}, factorY[2] = {69, 80};
  for (int i = 0; i < 6; ++i) s.Label(DuRect(factorX[i % 3], factorY[i / 3], 32, 11), factors[i], 20);
  s.Group("Console", x, DuY(110) - 12, w, DuY(124) - DuY(110) + 12);
  s.Label(DuRect(396, 112, 113, 11), "Comments and evaluations");
  s.Group("Live games", x, DuY(138) - 12, w, DuY(152) - DuY(138) + 12);
  s.Label(DuRect(396, 140, 113, 11), "Follow live games");
  s.Group("Screen scaling", x, DuY(166) - 12, w, DuY(202) - DuY(166) + 12);
  const char* scaling[3] = {"Sharp", "Pixel-perfect", "Smooth"};
  const int scalingY[3] = {169, 179, 189};
  for (int i = 0; i < 3; ++i) s.Label(DuRect(396, scalingY[i], 113, 11), scaling[i], 20);
}

Canvas DrawSkin(Fonts& fonts) {
  Skin s(fonts);
  s.Text("Tarnwicket Setup", 14, 20, 15, kHeading, Typeface::SerifBold);
  s.Slider(141, 31, "Move delay", "short", "long");
  s.Slider(141, 54, "Next game after", "soon", "later");
  s.Slider(141, 77, "First move after", "soon", "later");
  s.Group("", DuX(4), DuY(62) - 4, DuX(184), DuY(95) - DuY(62) + 6);
  s.Label(DuRect(9, 62, 173, 11), "Randomly load games from the file");
  s.Label(DuRect(9, 73, 173, 11), "Autoplay games");
  s.Label(DuRect(9, 84, 173, 11), "Run in a window");
  s.Group("Sound", DuX(4), DuY(104) - 12, DuX(80), DuY(30) + 12);
  s.Label(DuRect(9, 110, 70, 11), "Off", 20);
  s.Label(DuRect(9, 120, 70, 11), "Movement", 20);
  s.Group("Board", DuX(88), DuY(104) - 12, DuX(100), DuY(30) + 12);
  s.Label(DuRect(92, 115, 92, 11), "Highlight moves");
  s.Group("Piece animation", DuX(88), DuY(140) - 16, DuX(100), DuY(58) + 16);
  const char* anim[5] = {"No animation", "Sliding pieces", "Low jumping", "Medium jumping", "High jumping"};
  const int animY[5] = {145, 155, 164, 174, 184};
  for (int i = 0; i < 5; ++i) s.Label(DuRect(92, animY[i], 92, 11), anim[i], 17);
  s.Group("Header kept", DuX(12), DuY(177) - 16, DuX(64), DuY(56) + 16);
  const char* header[5] = {"None", "Date", "Event", "Round", "Site"};
  const int headerY[5] = {182, 192, 201, 211, 219};
  for (int i = 0; i < 5; ++i) s.Label(DuRect(18, headerY[i], 51, 11), header[i], 21);
  s.Group("", DuX(10), DuY(235) - 4, DuX(178), DuY(275) - DuY(235) + 6);
  s.Label(DuRect(15, 235, 169, 11), "Wait for game announcements");
  s.Label(DuRect(15, 245, 169, 11), "Scroll announcements forever");
  s.Label(DuRect(15, 255, 169, 11), "Remove quotes and titles");
  s.Label(DuRect(15, 264, 169, 11), "Do not show blank entries");
  s.Slider(148, 342, "Piece speed", "slow", "fast");
  s.Button(DuRect(80, 286, 50, 15), "OK", Rgb(40, 90, 60));
  s.Button(DuRect(136, 286, 50, 15), "Cancel", Rgb(100, 44, 44));
  s.Button(DuRect(192, 286, 125, 15), "Reset to Defaults", Rgb(60, 66, 86));
  // Display column: title, then the preview gap, then layouts and keys.
  s.Centered("Display", float(DuX(233)) + 81, 22, 14, kHeading, Typeface::SerifBold);
  s.Centered("Point at a part, click to change it", float(DuX(233)) + 81, 42, 9, kDim, Typeface::Sans);
  s.Group("Random layouts", DuX(195), DuY(122) - 12, DuX(190), DuY(40) + 12);
  s.Text("Saved:", float(DuX(300)), float(DuY(129)) + 17, 11, kText);
  s.Button(DuRect(197, 142, 90, 14), "Save Random Layout", Rgb(60, 66, 86));
  s.Label(DuRect(288, 144, 93, 11), "Use random layouts");
  // The counter frame around the three digits.
  {
    PixelRect r{DuX(347) - 4, DuY(129) - 4, DuX(369) + 16 - DuX(347) + 8, 32};
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x) s.Picture().At(x, y) = Rgb(10, 12, 12);
    Bevel(s.Picture(), r.x, r.y, r.w, r.h, 3, -0.6f);
  }
  s.Group("Keys in the viewer", DuX(236), DuY(168) - 12, DuX(148), DuY(108) + 12);
  const char* keys[6][2] = {{"Enter", "next game"},          {"Esc", "quit"},
                            {"Left", "take back a move"},    {"Right", "next move now"},
                            {"Up / Down", "pause or go on"}, {"", ""}};
  for (int i = 0; i < 5; ++i) {
    float y = float(DuY(168)) + 16 + 24 * float(i);
    s.Text(keys[i][0], float(DuX(240)), y, 11, kHeading, Typeface::SansBold);
    s.Text(keys[i][1], float(DuX(240)) + 70, y, 11, kText);
  }
  DrawWatchingColumn(s);
  return s.Picture();
}

// Option mark: a small sunken box, ticked when on.
Canvas Mark(bool on) {
  Canvas c(14, 14, Rgb(18, 20, 26));
  Bevel(c, 0, 0, 14, 14, 2, -0.6f);
  if (on) {
    Mask m(14, 14);
    StrokeInto(m, {{3.2f, 7.2f}, {6.0f, 10.2f}, {11.0f, 3.6f}}, 2.6f, false);
    PaintMask(c, m, Rgb(120, 240, 140));
  }
  for (Color& p : c.pixels) p = NotKeyBlack(p);
  return c;
}

Canvas Dot(bool on, Color back) {
  Canvas c(12, 12, back);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      float r = std::hypot(float(x) + 0.5f - 6, float(y) + 0.5f - 6);
      if (r < 5.6f) c.At(x, y) = Mix(Rgb(20, 22, 28), back, std::clamp(r - 5.1f, 0.0f, 1.0f));
      if (r < 4.4f) c.At(x, y) = float(y) < 6 ? Rgb(12, 14, 18) : Rgb(30, 34, 42);
      if (on && r < 3.2f) c.At(x, y) = Mix(Rgb(250, 210, 110), Rgb(200, 140, 40), std::clamp(r / 3.2f, 0.0f, 1.0f));
    }
  for (Color& p : c.pixels) p = NotKeyBlack(p);
  return c;
}

Canvas Knob() {
  Canvas c(9, 17);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 9; ++x) {
      float shade = 1.0f - float(x) / 12.0f - float(y) / 40.0f;
      c.At(x, y) = Gray(220 * shade);
    }
  Bevel(c, 0, 0, 9, 17, 1, 0.6f);
  for (int y = 5; y < 12; y += 3)
    for (int x = 2; x < 7; ++x) c.At(x, y) = Rgb(110, 114, 120);
  return c;
}

}  // namespace

void GenerateConfigurator(ArtBook& book) {
  Canvas skin = DrawSkin(*book.fonts);
  const int left = DuX(233), right = DuX(341), lowerTop = DuY(106);
  book.out->Bitmap("config_skin_left.bmp", skin.Crop(0, 0, 350, 503));
  book.out->Bitmap("config_skin_display_title.bmp", skin.Crop(left, 0, 162, 52));
  book.out->Bitmap("config_skin_display_column.bmp", skin.Crop(left, lowerTop, 162, 331));
  book.out->Bitmap("config_skin_right_strip.bmp", skin.Crop(right, 0, 71, 503));
  const int watching = DuX(kWatchingColumnLeft);
  book.out->Bitmap("config_skin_watching_column.bmp", skin.Crop(watching, 0, skin.width - watching, 503));
  book.out->Bitmap("config_mark_off.bmp", Mark(false));
  book.out->Bitmap("config_mark_on.bmp", Mark(true));
  Color dotBack = skin.At(DuX(12), DuY(113));
  book.out->Bitmap("config_dot_off.bmp", Dot(false, dotBack));
  book.out->Bitmap("config_dot_on.bmp", Dot(true, dotBack));
  book.out->Bitmap("config_knob.bmp", Knob());
  // Counter digits from the green display lettering (style 3); the blank is the space cell.
  const Canvas& green = book.glyphSheets.at(3);
  for (int d = 0; d <= 9; ++d) book.out->Bitmap(Numbered("config_digit", d), green.Crop(16 * (16 + d), 0, 16, 24));
  book.out->Bitmap("config_digit_blank.bmp", green.Crop(0, 0, 16, 24));
  // Stand-ins for the preview, the same pictures the viewer falls back on.
  book.out->Bitmap("config_own_white_pieces.bmp", ResizedKeyed(book.pieceSets.at(2), 60, 20));
  book.out->Bitmap("config_own_black_pieces.bmp", ResizedKeyed(book.pieceSets.at(5), 60, 20));
  Canvas board(160, 120);
  board.Paste(Resized(book.boards.at(4), 96, 96), 12, 12);
  for (int y = 12; y < 108; ++y)
    for (int x = 12; x < 108; ++x) board.At(x, y) = NotKeyBlack(board.At(x, y));
  book.out->Bitmap("config_own_board.bmp", board);
  book.out->Bitmap("config_own_console.bmp", ResizedKeyed(book.consoles.at(2), 160, 120));
  book.out->Bitmap("config_own_backdrop.bmp", Resized(book.backdrops.at(5), 160, 120));
  book.out->Bitmap("config_own_console_style.bmp", book.styleTiles.at(3));
  book.out->Raw("configurator.ico", EncodeIco(ProgramIcon(*book.fonts, Rgb(30, 90, 70))));
}

}  // namespace artgen
