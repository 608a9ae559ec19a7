// The picker pictures: piece sets (42 sets), boards, consoles, backdrops
// (8-bit) and console styles. Every choice is drawn under its dialog's
// invisible button, and a Cancel label lies under Cancel.
#include <algorithm>
#include <string>

#include "art/resource_tables.h"
#include "tools/artgen/art/book.h"
#include "tools/artgen/art/dialog_units.h"
#include "tools/artgen/art/surfaces.h"
#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/path.h"

namespace artgen {

namespace {

const Color kBack = Rgb(34, 38, 48), kTile = Rgb(52, 58, 72), kText = Rgb(226, 230, 240), kGold = Rgb(240, 200, 110);

Canvas Panel(int w, int h) {
  Canvas c(w, h, kBack);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) c.At(x, y) = Mix(Rgb(46, 52, 66), Rgb(26, 28, 36), float(y) / float(h));
  Bevel(c, 0, 0, w, h, 2, 0.5f);
  return c;
}

void Text(Canvas& c, Fonts& fonts, const std::string& s, float cx, float baseline, float size, Color col,
          Typeface face = Typeface::SansBold) {
  Mask m(c.width, c.height);
  fonts.DrawTextCentered(m, face, size, s, cx, baseline);
  PaintMask(c, Shifted(m, 1, 1), Gray(0), 0.5f);
  PaintMask(c, m, col);
}

void Tile(Canvas& c, const PixelRect& r) {
  Mask m(c.width, c.height);
  Path p;
  p.RoundRect(float(r.x) + 1, float(r.y) + 1, float(r.w) - 2, float(r.h) - 2, 4);
  FillInto(m, p);
  PaintMask(c, m, kTile);
  Bevel(c, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 1, 0.3f);
}

void CancelButton(Canvas& c, Fonts& fonts, const PixelRect& r) {
  Mask m(c.width, c.height);
  Path p;
  p.RoundRect(float(r.x) + 0.5f, float(r.y) + 0.5f, float(r.w) - 1, float(r.h) - 1, 5);
  FillInto(m, p);
  PaintMask(c, m, Rgb(90, 40, 40));
  Bevel(c, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 2, 0.45f);
  Text(c, fonts, "Cancel", float(r.x) + float(r.w) / 2, float(r.y) + float(r.h) / 2 + 4, 11, kText);
}

// Places a picture centred in the rectangle, above a line for the caption.
void Swatch(Canvas& c, const Canvas& pic, const PixelRect& r, int captionSpace) {
  int x = r.x + (r.w - pic.width) / 2, y = r.y + (r.h - captionSpace - pic.height) / 2 + 1;
  c.Paste(pic, x, y);
}

void PiecePicker(ArtBook& book) {
  const int dw = 420, dh = 268;
  Canvas c = Panel(DuX(dw), DuY(dh));
  Fonts& fonts = *book.fonts;
  const int cols[6] = {213, 247, 279, 313, 347, 380};
  const int rows[7] = {6, 37, 68, 99, 129, 160, 191};
  const int index[7][6] = {{1, 2, 3, 4, 5, 28},      {6, 7, 8, 9, 10, 11},     {12, 13, 14, 15, 16, 17},
                           {18, 19, 20, 21, 22, 23}, {24, 25, 26, 27, 29, 42}, {30, 31, 32, 33, 34, 35},
                           {36, 37, 38, 39, 40, 41}};
  // Left: the title and the default sets standing as a showcase.
  Text(c, fonts, "Piece Sets", 160, 44, 26, kGold, Typeface::SerifBold);
  Text(c, fonts, "Click a set to choose it", 160, 70, 12, kText);
  Canvas stage(288, 100, Rgb(0, 0, 0));
  Canvas show = Panel(296, 250);
  FillLook(show, 4, 150, 288, 96, {Texture::Wood, Rgb(130, 84, 50), Rgb(96, 60, 34), 1.0f, 7});
  const Canvas& ivory = book.pieceSets.at(2);
  const Canvas& red = book.pieceSets.at(5);
  show.PasteKeyed(red, 4, 40);
  show.PasteKeyed(ivory, 4, 130);
  c.Paste(show, 12, 100);
  Text(c, fonts, "Each colour takes its own set.", 160, 376, 11, kText);
  for (int r = 0; r < 7; ++r)
    for (int k = 0; k < 6; ++k) {
      PixelRect rect = DuRect(cols[k], rows[r], 33, 31);
      int set = index[r][k];
      Tile(c, rect);
      const Canvas& strip = book.pieceSets.at(set);
      Canvas pair(48, 100);
      pair.PasteKeyed(strip.Crop(96, 0, 48, 100), -12, 0);
      pair.PasteKeyed(strip.Crop(240, 0, 48, 100), 10, 0);
      Canvas small = ResizedKeyed(pair.Crop(0, 16, 48, 80), 22, 37);
      Canvas cell(rect.w - 4, 38, kTile);
      cell.PasteKeyed(small, (cell.width - 22) / 2, 0);
      c.Paste(cell, rect.x + 2, rect.y + 2);
      Text(c, fonts, std::to_string(set), float(rect.x) + float(rect.w) / 2, float(rect.y + rect.h) - 2, 9, kText);
    }
  CancelButton(c, fonts, DuRect(190, 251, 40, 13));
  book.out->Bitmap("piece_picker.bmp", c);
}

// A 4 x 4 picker of 150 x 158 dialog units; swatch(i) draws choice i.
template <typename DrawChoice>
Canvas GridPicker(Fonts& fonts, const std::string& title, const int cols[4], const int rows[4], const PixelRect& cancel,
                  DrawChoice drawChoice, const PixelRect* overrides = nullptr) {
  Canvas c = Panel(DuX(150), DuY(158));
  Text(c, fonts, title, float(c.width) / 2, 18, 13, kGold, Typeface::SerifBold);
  for (int i = 0; i < 16; ++i) {
    PixelRect r = DuRect(cols[i % 4], rows[i / 4], 33, 31);
    if (overrides && overrides[i].w > 0) r = overrides[i];
    Tile(c, r);
    drawChoice(c, i, r);
    Text(c, fonts, std::to_string(i), float(r.x) + float(r.w) / 2, float(r.y + r.h) - 3, 9, kText);
  }
  CancelButton(c, fonts, cancel);
  return c;
}

}  // namespace

void GeneratePickers(ArtBook& book) {
  Fonts& fonts = *book.fonts;
  PiecePicker(book);
  {
    const int cols[4] = {6, 40, 75, 109}, rows[4] = {14, 46, 77, 109};
    Canvas c = GridPicker(
        fonts, "Boards", cols, rows, DuRect(55, 140, 40, 14),
        [&](Canvas& pic, int i, const PixelRect& r) { Swatch(pic, Resized(book.boards.at(i), 38, 38), r, 10); });
    book.out->Bitmap("board_picker.bmp", c);
  }
  {
    const int cols[4] = {6, 40, 75, 110}, rows[4] = {14, 45, 77, 108};
    Canvas c = GridPicker(fonts, "Backdrops", cols, rows, DuRect(55, 141, 40, 13),
                          [&](Canvas& pic, int i, const PixelRect& r) {
                            Canvas sw(44, 33, Rgb(0, 0, 0));
                            if (i > 0)
                              sw = Resized(book.backdrops.at(i), 44, 33);
                            else
                              Text(sw, fonts, "none", 22, 20, 9, Rgb(150, 150, 150));
                            Swatch(pic, sw, r, 10);
                          });
    book.out->Bitmap8("backdrop_picker.bmp", c, false);
  }
  {
    const int cols[4] = {6, 40, 75, 110}, rows[4] = {15, 45, 77, 109};
    PixelRect overrides[16] = {};
    overrides[3] = DuRect(110, 14, 33, 31);
    overrides[15] = DuRect(109, 109, 33, 31);
    Canvas c = GridPicker(
        fonts, "Consoles", cols, rows, DuRect(55, 141, 40, 13),
        [&](Canvas& pic, int i, const PixelRect& r) {
          Canvas sw = Resized(book.backdrops.at(2), 44, 33);
          sw.PasteKeyed(ResizedKeyed(book.consoles.at(i), 44, 33), 0, 0);
          Swatch(pic, sw, r, 10);
        },
        overrides);
    book.out->Bitmap("console_picker.bmp", c);
  }
  {
    Canvas c = Panel(DuX(150), DuY(68));
    Text(c, fonts, "Console Styles", float(c.width) / 2, 18, 12, kGold, Typeface::SerifBold);
    for (int style = 0; style < resource_catalog::kConsoleStyleCount; ++style) {
      PixelRect r = DuRect(13 + 14 * (style % 9), style < 9 ? 15 : 33, 11, 15);
      // The letter A of the style's own glyph sheet (row 1, column 1).
      c.Paste(book.glyphSheets.at(size_t(style)).Crop(16, 24, 16, 24), r.x + (r.w - 16) / 2, r.y + (r.h - 24) / 2);
    }
    CancelButton(c, fonts, DuRect(55, 50, 40, 14));
    book.out->Bitmap("console_style_picker.bmp", c);
  }
}

}  // namespace artgen
