// The board model: 64 one-byte squares of piece letters, the starting
// position, the square-marks pattern and the per-ply animation record.
//
// Square index = row * 8 + column; column 0 is file a, row 0 is rank 8.
// Lowercase p r n b q k are White, uppercase P R N B Q K are Black, a blank
// (0x20) is an empty square.
#pragma once

#include <cstdint>

#include "common/frame_geometry.h"

using Board = unsigned char[64];

enum PieceKind : int16_t {
  kPawn = 0,
  kRook = 1,
  kKnight = 2,
  kBishop = 3,
  kQueen = 4,
  kKing = 5,
};

// A captured-tray slot that holds no piece.
constexpr int16_t kEmptyTraySlot = 43;
constexpr int kTraySize = 16;

constexpr unsigned char kBlankSquare = ' ';
// Square-marks value of a square touched by the last ply.
constexpr unsigned char kTouchedMark = 0xDB;

// The starting position, 64 letters without a terminator.
extern const Board kStartingPosition;
// 0xB2 where row + column is even, 0xB0 where it is odd.
extern const Board kBaseSquareMarks;

// Screen position of a board column or row for the animation record: the
// top-left corner of a piece sprite standing there.
inline float SquareX(int column) { return static_cast<float>(frame_geometry::SpritePlace(0, column).x); }
inline float SquareY(int row) { return static_cast<float>(frame_geometry::SpritePlace(row, 0).y); }

// Everything the scene needs to slide one ply's piece.
struct PlyAnimation {
  int16_t pieceKind = 0;
  float fromX = 0, fromY = 0;
  float toX = 0, toY = 0;
  float stepX = 0, stepY = 0;
  int16_t midX = 0, midY = 0;
};

// A board square by column and row.
struct SquareRef {
  int16_t column = 0;
  int16_t row = 0;
};

// The two captured trays in one block: White's list, then Black's.
struct TrayCopy {
  int16_t white[kTraySize];
  int16_t black[kTraySize];
};
