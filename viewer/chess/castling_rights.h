// Castling rights as Chess960 needs them, which covers standard chess too:
// for each side and wing the file of the rook that castles there, and the
// file of the king the rights belong to. Both stand on the side's back rank.
#pragma once

#include <cstdint>

// The wings a king castles to: king-side (O-O, toward the h file) and
// queen-side (O-O-O, toward the a file).
enum CastlingWing : int { kKingSide = 0, kQueenSide = 1 };

// A file (column) that is not there: no right, no king.
constexpr int8_t kNoFile = -1;

struct CastlingRights {
  // rookFile[side][wing]: the castling rook's column, or kNoFile when the
  // side cannot castle on that wing.
  int8_t rookFile[2][2] = {{kNoFile, kNoFile}, {kNoFile, kNoFile}};
  // The column of the side's king while it has a right, else kNoFile.
  int8_t kingFile[2] = {kNoFile, kNoFile};

  bool Has(int side, int wing) const { return rookFile[side][wing] != kNoFile; }
};

// The rights of the standard starting position: kings on e, rooks on a and h.
constexpr CastlingRights kStandardCastlingRights = {{{7, 0}, {7, 0}}, {4, 4}};
