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
  return {static_cast<int16_t>(kTrayColumns[entry % 4] + ((entry / 4) % 2 == 0 ? kTrayRowShift : 0)),
          (whiteTray ? kWhiteTrayRows : kBlackTrayRows)[(entry / 4) % 4]};
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

}  // namespace frame_geometry
