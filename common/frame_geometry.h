// The places of the viewer's 800 x 600 frame: the board and its squares,
// the piece sprites, the capture trays, the lamps, the console's text
// fields, the ticker and the intro. The scene, the intro, the art
// generator's consoles, the configurator's miniature (the frame at a fifth
// of its size) and the tests all take their coordinates from here.
#pragma once

#include <cstdint>

namespace frame_geometry {

struct ScreenPoint {
  int16_t x;
  int16_t y;
};

struct ScreenRect {
  int16_t x;
  int16_t y;
  int16_t width;
  int16_t height;
  constexpr int16_t Right() const { return static_cast<int16_t>(x + width); }
  constexpr int16_t Bottom() const { return static_cast<int16_t>(y + height); }
};

// A run of console glyph cells, left to right from (x, y).
struct TextField {
  int16_t x;
  int16_t y;
  int16_t cells;
};

constexpr int16_t kFrameWidth = 800;
constexpr int16_t kFrameHeight = 600;
constexpr ScreenRect kFrame{0, 0, kFrameWidth, kFrameHeight};

// --- Board ---

// The board picture, laid into the scene with its frame around the squares.
constexpr ScreenRect kBoardPicture{60, 60, 480, 480};
constexpr int16_t kSquareSize = 50;
// Square (row 0, file 0), a8, starts here; row 0 is rank 8, at the top.
constexpr ScreenPoint kFirstSquare{100, 100};

// The square of (row, file): where its highlight is drawn.
constexpr ScreenRect SquareRect(int row, int file) {
  return {static_cast<int16_t>(kFirstSquare.x + kSquareSize * file),
          static_cast<int16_t>(kFirstSquare.y + kSquareSize * row), kSquareSize, kSquareSize};
}

// A piece sprite is 48 x 100: its lower half stands on its square, its
// upper half reaches into the square above.
constexpr int16_t kSpriteWidth = 48;
constexpr int16_t kSpriteHeight = 100;
constexpr ScreenPoint kSpriteOffset{1, -50};

// Top-left corner of the sprite of a piece standing on (row, file).
constexpr ScreenPoint SpritePlace(int row, int file) {
  return {static_cast<int16_t>(kFirstSquare.x + kSpriteOffset.x + kSquareSize * file),
          static_cast<int16_t>(kFirstSquare.y + kSpriteOffset.y + kSquareSize * row)};
}

// Where standing pieces can be drawn: the sprites of all 64 squares.
constexpr ScreenRect kPieceArea{SpritePlace(0, 0).x, SpritePlace(0, 0).y, 7 * kSquareSize + kSpriteWidth,
                                7 * kSquareSize + kSpriteHeight};

// --- Capture trays ---

// Entry i of a tray stands in row i / 4 and column i % 4; rows 0 and 2 are
// shifted right, and rows overlap, later entries over earlier ones.
constexpr int16_t kTrayColumns[4] = {549, 604, 659, 714};
constexpr int16_t kTrayRowShift = 28;
// The captured White pieces stand at the top, beside Black's name; the
// captured Black pieces in the lower half, on White's side.
constexpr int16_t kWhiteTrayRows[4] = {26, 51, 76, 101};
constexpr int16_t kBlackTrayRows[4] = {362, 387, 412, 437};

// Top-left corner of the sprite of tray entry `entry`.
constexpr ScreenPoint TraySlotPlace(bool whiteTray, int entry) {
  const int row = (entry / 4) % 4;
  const int16_t y = whiteTray ? kWhiteTrayRows[row] : kBlackTrayRows[row];
  return {static_cast<int16_t>(kTrayColumns[entry % 4] + ((entry / 4) % 2 == 0 ? kTrayRowShift : 0)), y};
}

// The parts of the trays where captured pieces show (their sprites reach
// higher, with empty tops): a console leaves them open.
constexpr ScreenRect kTopTrayArea{546, 48, 248, 154};
constexpr ScreenRect kBottomTrayArea{546, 392, 248, 148};

// --- Lamps ---

// The side-to-move lamps: the top one beside Black's half of the console.
constexpr ScreenRect kTopTurnLamp{656, 206, 30, 30};
constexpr ScreenRect kBottomTurnLamp{656, 359, 30, 30};
// The result lamps, beside Black's name (top) and White's (bottom).
constexpr ScreenRect kTopResultLamp{549, 17, 36, 25};
constexpr ScreenRect kBottomResultLamp{549, 557, 36, 25};

// --- Console text ---

constexpr int16_t kGlyphWidth = 16;
constexpr int16_t kGlyphHeight = 24;

constexpr TextField kBlackNameField{67, 17, 29};
constexpr TextField kWhiteNameField{67, 557, 29};
// The names of the console styles whose frame overlay narrows the fields.
constexpr TextField kFramedBlackNameField{68, 18, 29};
constexpr TextField kFramedWhiteNameField{68, 558, 29};
constexpr TextField kMoveNumberField{614, 244, 3};
constexpr TextField kPlyField{674, 244, 7};
constexpr TextField kGameNumberField{566, 302, 5};
constexpr TextField kGameCountField{698, 302, 5};
// The ticker window: the tag lines scroll through it, the intro shows there.
constexpr TextField kTickerField{559, 336, 14};

// The rectangle a text field covers.
constexpr ScreenRect FieldRect(const TextField& field) {
  return {field.x, field.y, static_cast<int16_t>(field.cells * kGlyphWidth), kGlyphHeight};
}

// Every text field a console must leave readable, framed styles aside.
constexpr TextField kConsoleTextFields[7] = {kBlackNameField,  kWhiteNameField, kMoveNumberField, kPlyField,
                                             kGameNumberField, kGameCountField, kTickerField};

// --- Intro ---

// The white king on its home square while the intro runs.
constexpr ScreenPoint kIntroKing = SpritePlace(7, 4);

// --- The configurator's miniature ---

// The miniature shows the frame at a fifth of its size: 160 x 120.
constexpr int16_t kMiniatureScale = 5;
constexpr int16_t kMiniatureWidth = kFrameWidth / kMiniatureScale;
constexpr int16_t kMiniatureHeight = kFrameHeight / kMiniatureScale;

// A frame place in the miniature: a fifth of it, rounded down.
constexpr ScreenPoint MiniaturePoint(ScreenPoint place) {
  return {static_cast<int16_t>(place.x / kMiniatureScale), static_cast<int16_t>(place.y / kMiniatureScale)};
}
constexpr ScreenRect MiniatureRect(const ScreenRect& place) {
  return {static_cast<int16_t>(place.x / kMiniatureScale), static_cast<int16_t>(place.y / kMiniatureScale),
          static_cast<int16_t>(place.width / kMiniatureScale), static_cast<int16_t>(place.height / kMiniatureScale)};
}

// The backdrop, console and board thumbnails each cover the whole miniature.
constexpr ScreenRect kMiniatureFrame = MiniatureRect(kFrame);

// A piece of the miniature is a square wide and a sprite high, at a fifth;
// it stands where its sprite stands in the frame (MiniaturePoint(SpritePlace)).
constexpr int16_t kMiniatureSpriteWidth = kSquareSize / kMiniatureScale;
constexpr int16_t kMiniatureSpriteHeight = kSpriteHeight / kMiniatureScale;

// Where the console shows text, the miniature shows runs of a 4 x 5 tile in
// the console style's colours: on the text field's row (rounded), one tile
// for every 5 / 4 glyphs. The tiles are wider than a fifth of a glyph, so each
// run was laid by eye inside its field: its left end is its own.
constexpr int16_t kMiniatureTileWidth = 4;
constexpr int16_t kMiniatureTileHeight = 5;

struct MiniatureTextRun {
  TextField field;
  int16_t x;
};

constexpr int16_t MiniatureRunY(const MiniatureTextRun& run) {
  return static_cast<int16_t>((run.field.y * 2 + kMiniatureScale) / (2 * kMiniatureScale));
}
constexpr int16_t MiniatureRunTiles(const MiniatureTextRun& run) {
  return static_cast<int16_t>(run.field.cells * kGlyphWidth / kMiniatureScale / kMiniatureTileWidth);
}

constexpr MiniatureTextRun kMiniatureTextRuns[7] = {
    {kBlackNameField, 14},  {kWhiteNameField, 14}, {kMoveNumberField, 124}, {kGameNumberField, 114},
    {kGameCountField, 140}, {kPlyField, 137},      {kTickerField, 113},
};

// Every run lies inside its field at a fifth (its right end rounded up).
constexpr bool InsideItsField(const MiniatureTextRun& run) {
  const ScreenRect field = FieldRect(run.field);
  return run.x >= field.x / kMiniatureScale &&
         (run.x + MiniatureRunTiles(run) * kMiniatureTileWidth) * kMiniatureScale < field.Right() + kMiniatureScale;
}
static_assert(InsideItsField(kMiniatureTextRuns[0]) && InsideItsField(kMiniatureTextRuns[1]) &&
                  InsideItsField(kMiniatureTextRuns[2]) && InsideItsField(kMiniatureTextRuns[3]) &&
                  InsideItsField(kMiniatureTextRuns[4]) && InsideItsField(kMiniatureTextRuns[5]) &&
                  InsideItsField(kMiniatureTextRuns[6]),
              "a text run of the miniature has left its field");

// Where the pointer finds each part of the miniature: closed ranges of
// miniature pixels. Like the text runs they were laid by eye over the frame
// at a fifth and stray from its places by a pixel here and there, so they
// keep pixels of their own.
struct MiniatureArea {
  int16_t left;
  int16_t top;
  int16_t right;
  int16_t bottom;
  constexpr bool Holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The two sides' pieces in their starting places.
constexpr MiniatureArea kMiniatureBlackPiecesArea{21, 15, 100, 39};
constexpr MiniatureArea kMiniatureWhitePiecesArea{21, 80, 100, 99};
// The console's text: the two names, move number and ply, game number, game
// count, ticker.
constexpr MiniatureArea kMiniatureTextAreas[6] = {
    {14, 4, 106, 8},    {14, 112, 106, 116}, {124, 49, 157, 53},
    {114, 61, 129, 65}, {140, 61, 156, 65},  {113, 67, 157, 72},
};
// The console's panels: the two name plates and the three panels of the
// right column (Black's tray, the middle, White's tray).
constexpr MiniatureArea kMiniatureConsoleAreas[5] = {
    {4, 2, 120, 10}, {4, 110, 120, 118}, {110, 16, 159, 39}, {110, 42, 159, 78}, {110, 83, 159, 106},
};
// The board picture.
constexpr MiniatureArea kMiniatureBoardArea{13, 13, 108, 107};

}  // namespace frame_geometry
