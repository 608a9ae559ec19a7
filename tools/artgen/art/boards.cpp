// The 16 boards of the board library (480 x 480: a 40-pixel frame with file
// and rank letters around 8 x 8 squares of 50 pixels, a8 and h1 light), their
// 160 x 120 thumbnails, and the board-sized picture of the backdrop library.
#include <cmath>
#include <string>

#include "art/resource_tables.h"
#include "tools/artgen/art/book.h"
#include "tools/artgen/art/surfaces.h"
#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/noise.h"

namespace artgen {

namespace {

struct BoardDesign {
  Look light, dark, frame;
  Color label;
  bool inlay;      // a thin dark line between the squares
  bool alternate;  // wood grain turns from square to square
};

// Board index 0 (the picture of any other index) to 15.
BoardDesign DesignOf(int index) {
  using T = Texture;
  switch (index) {
    case 0:
      return {L(T::Flat, Rgb(238, 220, 184), {}, 1),
              L(T::Flat, Rgb(178, 132, 96), {}, 2),
              L(T::Wood, Rgb(92, 58, 36), Rgb(62, 38, 24), 3),
              Rgb(236, 214, 170),
              false,
              false};
    case 1:
      return {L(T::Wood, Rgb(232, 204, 150), Rgb(214, 178, 120), 11),
              L(T::Wood, Rgb(128, 80, 48), Rgb(92, 56, 32), 12),
              L(T::Wood, Rgb(70, 44, 28), Rgb(48, 28, 18), 13),
              Rgb(236, 206, 150),
              true,
              true};
    case 2:
      return {L(T::Wood, Rgb(240, 214, 166), Rgb(222, 188, 132), 21),
              L(T::Wood, Rgb(150, 70, 46), Rgb(110, 46, 30), 22),
              L(T::Wood, Rgb(84, 36, 24), Rgb(56, 22, 14), 23),
              Rgb(242, 210, 150),
              true,
              true};
    case 3:
      return {L(T::Flat, Rgb(238, 238, 210), {}, 31),
              L(T::Flat, Rgb(118, 150, 86), {}, 32),
              L(T::Flat, Rgb(60, 84, 48), {}, 33),
              Rgb(226, 236, 200),
              false,
              false};
    case 4:
      return {L(T::Wood, Rgb(226, 192, 136), Rgb(206, 166, 108), 41),
              L(T::Wood, Rgb(140, 92, 56), Rgb(106, 66, 38), 42),
              L(T::Wood, Rgb(96, 62, 38), Rgb(66, 40, 24), 43),
              Rgb(246, 222, 170),
              true,
              true};
    case 5:
      return {L(T::Marble, Rgb(236, 234, 228), Rgb(150, 150, 158), 51),
              L(T::Marble, Rgb(58, 58, 64), Rgb(176, 176, 182), 52),
              L(T::Marble, Rgb(120, 118, 116), Rgb(200, 198, 196), 53),
              Rgb(240, 238, 232),
              true,
              false};
    case 6:
      return {L(T::Marble, Rgb(234, 236, 228), Rgb(160, 170, 160), 61),
              L(T::Marble, Rgb(30, 110, 76), Rgb(120, 200, 160), 62),
              L(T::Marble, Rgb(20, 70, 50), Rgb(90, 160, 120), 63),
              Rgb(214, 240, 220),
              true,
              false};
    case 7:
      return {L(T::Stone, Rgb(176, 174, 166), Rgb(130, 128, 122), 71),
              L(T::Stone, Rgb(84, 90, 98), Rgb(56, 60, 66), 72),
              L(T::Stone, Rgb(60, 62, 66), Rgb(40, 42, 46), 73),
              Rgb(210, 210, 204),
              true,
              false};
    case 8:
      return {L(T::Flat, Rgb(236, 242, 250), {}, 81),
              L(T::Flat, Rgb(70, 112, 180), {}, 82),
              L(T::Flat, Rgb(36, 60, 110), {}, 83),
              Rgb(210, 226, 250),
              false,
              false};
    case 9:
      return {L(T::Wood, Rgb(244, 234, 212), Rgb(232, 220, 194), 91),
              L(T::Wood, Rgb(54, 44, 40), Rgb(36, 28, 26), 92),
              L(T::Wood, Rgb(40, 32, 30), Rgb(26, 20, 18), 93),
              Rgb(226, 206, 160),
              true,
              true};
    case 10:
      return {L(T::Marble, Rgb(240, 228, 206), Rgb(190, 160, 130), 101),
              L(T::Marble, Rgb(150, 44, 40), Rgb(226, 186, 170), 102),
              L(T::Marble, Rgb(90, 30, 28), Rgb(190, 140, 120), 103),
              Rgb(246, 226, 200),
              true,
              false};
    case 11:
      return {L(T::Stone, Rgb(232, 206, 160), Rgb(210, 180, 130), 111),
              L(T::Stone, Rgb(184, 100, 62), Rgb(150, 76, 46), 112),
              L(T::Stone, Rgb(120, 70, 44), Rgb(94, 52, 32), 113),
              Rgb(246, 222, 180),
              false,
              false};
    case 12:
      return {L(T::Wood, Rgb(232, 226, 212), Rgb(214, 206, 190), 121),
              L(T::Wood, Rgb(130, 130, 128), Rgb(106, 106, 104), 122),
              L(T::Wood, Rgb(200, 194, 182), Rgb(180, 172, 160), 123),
              Rgb(90, 88, 84),
              true,
              true};
    case 13:
      return {L(T::Flat, Rgb(232, 220, 244), {}, 131),
              L(T::Flat, Rgb(128, 90, 168), {}, 132),
              L(T::Flat, Rgb(70, 46, 100), {}, 133),
              Rgb(230, 214, 250),
              false,
              false};
    case 14:
      return {L(T::Glass, Rgb(214, 236, 244), Rgb(244, 252, 255), 141),
              L(T::Glass, Rgb(60, 130, 160), Rgb(110, 180, 206), 142),
              L(T::BrushedMetal, Rgb(170, 180, 190), Rgb(210, 218, 226), 143),
              Rgb(30, 60, 80),
              true,
              false};
    default:
      return {L(T::Leather, Rgb(214, 170, 110), Rgb(190, 146, 90), 151),
              L(T::Leather, Rgb(120, 40, 36), Rgb(94, 28, 26), 152),
              L(T::Leather, Rgb(60, 36, 26), Rgb(44, 26, 18), 153),
              Rgb(226, 190, 120),
              true,
              false};
  }
}

Canvas RenderBoard(const BoardDesign& d, Fonts& fonts) {
  Canvas c(480, 480);
  FillLook(c, 0, 0, 480, 480, d.frame, false);
  // Frame: raised outer moulding, then a sunken step down to the squares.
  Bevel(c, 0, 0, 480, 480, 6, 0.55f);
  Bevel(c, 10, 10, 460, 460, 2, -0.45f);
  Bevel(c, 34, 34, 412, 412, 6, -0.6f);
  for (int r = 0; r < 8; ++r)
    for (int f = 0; f < 8; ++f) {
      bool light = (r + f) % 2 == 0;
      Look look = light ? d.light : d.dark;
      // Every square its own piece of material.
      look.seed += uint32_t(r * 8 + f) * 7919u;
      int x = 40 + 50 * f, y = 40 + 50 * r;
      for (int py = y; py < y + 50; ++py)
        for (int px = x; px < x + 50; ++px)
          c.At(px, py) = Sample(look, float(px + 311 * f), float(py + 173 * r), d.alternate && (r + f) % 2 == 1);
      Bevel(c, x, y, 50, 50, 1, d.inlay ? 0.25f : 0.12f);
    }
  if (d.inlay)
    for (int k = 0; k <= 8; ++k)
      for (int t = 40; t < 440; ++t) {
        int at = 40 + 50 * k - (k == 8 ? 1 : 0);
        c.At(at, t) = Mix(c.At(at, t), Gray(20), 0.55f);
        c.At(t, at) = Mix(c.At(t, at), Gray(20), 0.55f);
      }
  // Letters and digits on the frame: files below and above, ranks left and right.
  Mask labels(480, 480);
  const float size = 15.0f;
  for (int i = 0; i < 8; ++i) {
    std::string file(1, char('a' + i)), rank(1, char('8' - i));
    float cx = 65.0f + 50.0f * float(i);
    fonts.DrawTextCentered(labels, Typeface::SerifBold, size, file, cx, 463.0f);
    fonts.DrawTextCentered(labels, Typeface::SerifBold, size, rank, 21.0f, 70.0f + 50.0f * float(i));
  }
  Mask shadow = Shifted(labels, 1, 1);
  PaintMask(c, shadow, Luma(d.label) > 128 ? Gray(0) : Gray(255), 0.45f);
  PaintMask(c, labels, d.label, 0.95f);
  for (Color& p : c.pixels) p = NotKeyBlack(p);
  return c;
}

// The miniature of a board as the configurator's preview lays it: black all
// round, the board where it stands on the screen, at a fifth of its size.
Canvas BoardThumbnail(const Canvas& board) {
  Canvas t(160, 120);
  t.Paste(Resized(board, 96, 96), 12, 12);
  for (int y = 12; y < 108; ++y)
    for (int x = 12; x < 108; ++x) t.At(x, y) = NotKeyBlack(t.At(x, y));
  return t;
}

}  // namespace

void GenerateBoards(ArtBook& book) {
  // Design 0 is the board of any other index; the thumbnail of the last board
  // is also the one of any other index.
  const int last = resource_catalog::kBoardCount;
  for (int index = 0; index <= last; ++index) {
    Canvas board = RenderBoard(DesignOf(index), *book.fonts);
    book.out->Bitmap(index == 0 ? "board_other.bmp" : Numbered("board", index), board);
    book.out->Bitmap(index == last ? "board_thumb_other.bmp" : Numbered("board_thumb", index), BoardThumbnail(board));
    book.boards[index] = board;
  }
  // The backdrop library's own board-sized picture: walnut and maple with a dark frame.
  BoardDesign house = DesignOf(1);
  house.frame = L(Texture::Wood, Rgb(52, 34, 24), Rgb(34, 22, 14), 991);
  house.light.seed = 992;
  house.dark.seed = 993;
  house.label = Rgb(222, 186, 110);
  book.out->Bitmap("backdrop_library_board.bmp", RenderBoard(house, *book.fonts));
}

}  // namespace artgen
