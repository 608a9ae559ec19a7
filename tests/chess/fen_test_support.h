// Helpers of the set-up position and castling tests: the known-answer
// files of tests/data/fen (tab separated, '#' lines are notes) and the
// columns a reading is compared in.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "viewer/chess/fen_position.h"

namespace fen_test {

using Row = std::vector<std::string>;

inline std::vector<Row> ReadTable(const std::string& name) {
  std::vector<Row> rows;
  std::ifstream in(std::string(TARNWICKET_TEST_DATA) + "/fen/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    Row row;
    std::stringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, '\t')) row.push_back(cell);
    if (!line.empty() && line.back() == '\t') row.push_back("");
    rows.push_back(row);
  }
  return rows;
}

// A square's name ("e4"), or "-" for kNoSquare.
inline std::string SquareName(int square) {
  if (square < 0 || square >= 64) return "-";
  return std::string{static_cast<char>('a' + square % 8), static_cast<char>('8' - square / 8)};
}

inline int SquareOf(const std::string& name) { return ('8' - name[1]) * 8 + (name[0] - 'a'); }

inline std::string BoardColumn(const Board& board) {
  std::string text(64, '.');
  for (int i = 0; i < 64; ++i) {
    if (board[i] != kBlankSquare) text[i] = static_cast<char>(board[i]);
  }
  return text;
}

inline char FileColumn(int file) { return file == kNoFile ? '-' : static_cast<char>('a' + file); }

// Rook files of White O-O, White O-O-O, Black O-O, Black O-O-O, a blank,
// then the king files of White and Black.
inline std::string RightsColumn(const CastlingRights& rights) {
  std::string text;
  for (int side = 0; side < 2; ++side) {
    text += FileColumn(rights.rookFile[side][kKingSide]);
    text += FileColumn(rights.rookFile[side][kQueenSide]);
  }
  text += ' ';
  text += FileColumn(rights.kingFile[0]);
  text += FileColumn(rights.kingFile[1]);
  return text;
}

// The reading's columns as the known-answer files write them.
inline Row ReadingColumns(const SetUpPosition& position) {
  return {BoardColumn(position.board),
          position.sideToMove == 0 ? "w" : "b",
          RightsColumn(position.castling),
          SquareName(position.enPassantSquare),
          std::to_string(position.halfMoveClock),
          std::to_string(position.fullMoveNumber),
          position.chess960Castling ? "1" : "0"};
}

}  // namespace fen_test
