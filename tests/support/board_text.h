// Boards as text for the tests: squares by name ("e4"), a board as 64
// characters in index order (a8 first, '.' for a blank) and back.
#pragma once

#include <cstring>
#include <string>

#include "viewer/chess/board.h"

namespace test_support {

// The index of a square named by file letter and rank digit: "a8" is 0, "h1" 63.
inline int Square(const char* name) { return ('8' - name[1]) * 8 + (name[0] - 'a'); }

// The board as 64 characters, '.' for a blank.
inline std::string BoardText(const unsigned char* squares) {
  std::string text(64, '.');
  for (int i = 0; i < 64; ++i) {
    if (squares[i] != kBlankSquare && squares[i] != 0) text[i] = static_cast<char>(squares[i]);
  }
  return text;
}

// A board from 64 characters in index order, '.' for a blank.
inline void BoardFromText(const char* squares, Board& board) {
  for (int i = 0; i < 64; ++i) board[i] = squares[i] == '.' ? kBlankSquare : static_cast<unsigned char>(squares[i]);
}

}  // namespace test_support
