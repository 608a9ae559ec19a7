// The board's sides and its case rule for piece letters: lowercase is White,
// uppercase is Black (the reverse of FEN's rule), a blank is an empty square.
// The set-up position, castling and attack code name sides and back ranks
// through these helpers.
#pragma once

#include <cstdint>
#include <cstring>

#include "viewer/chess/board.h"

// Side codes: 0 White, 1 Black (the values of ChessState::Side).
enum BoardSide : int16_t { kWhiteSide = 0, kBlackSide = 1 };

inline int OtherSide(int side) { return 1 - side; }

// The row of a side's back rank: rank 1 (row 7) for White, rank 8 (row 0) for Black.
inline int BackRankRow(int side) { return side == kWhiteSide ? 7 : 0; }

inline int SquareAt(int row, int column) { return row * 8 + column; }
inline int RowOf(int square) { return square / 8; }
inline int ColumnOf(int square) { return square % 8; }
inline bool OnBoard(int row, int column) { return row >= 0 && row < 8 && column >= 0 && column < 8; }

// The side's letter for a piece given as 'P' 'R' 'N' 'B' 'Q' or 'K'.
inline unsigned char SideLetter(char upper, int side) {
  return static_cast<unsigned char>(side == kWhiteSide ? upper - 'A' + 'a' : upper);
}

// The side a square's letter belongs to, or -1 for a blank or any other byte.
inline int LetterSide(unsigned char letter) {
  if (letter != 0 && std::memchr("prnbqk", letter, 6) != nullptr) return kWhiteSide;
  if (letter != 0 && std::memchr("PRNBQK", letter, 6) != nullptr) return kBlackSide;
  return -1;
}
