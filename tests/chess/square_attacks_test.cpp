// IsSquareAttacked against chessops' attacks on the positions of random
// Chess960 games and on boards of pieces at random (tests/data/fen), and
// the rules one by one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/chess/fen_test_support.h"
#include "viewer/chess/piece_letters.h"
#include "viewer/chess/square_attacks.h"

namespace {

using fen_test::ReadTable;
using fen_test::Row;
using fen_test::SquareOf;

void SetBoard(Board& board, const std::string& text) {
  ASSERT_EQ(text.size(), 64u);
  for (int i = 0; i < 64; ++i) board[i] = text[i] == '.' ? kBlankSquare : static_cast<unsigned char>(text[i]);
}

TEST(SquareAttacksTest, EverySquareOfEveryBoardIsAttackedAsChessopsSays) {
  const std::vector<Row> rows = ReadTable("square-attacks.tsv");
  ASSERT_GT(rows.size(), 1000u);
  for (const Row& row : rows) {
    ASSERT_EQ(row.size(), 3u);
    Board board;
    SetBoard(board, row[0]);
    for (int side = 0; side < 2; ++side) {
      std::string map(64, '0');
      for (int square = 0; square < 64; ++square) {
        if (IsSquareAttacked(board, square, side)) map[square] = '1';
      }
      ASSERT_EQ(map, row[1 + side]) << row[0] << (side == kWhiteSide ? " by White" : " by Black");
    }
  }
}

TEST(SquareAttacksTest, PawnsAttackForwardDiagonallyOnly) {
  Board board;
  SetBoard(board, std::string(27, '.') + "p" + std::string(8, '.') + "P" + std::string(27, '.'));
  // White's pawn on d5 attacks c6 and e6; Black's on e4 attacks d3 and f3.
  EXPECT_TRUE(IsSquareAttacked(board, SquareOf("c6"), kWhiteSide));
  EXPECT_TRUE(IsSquareAttacked(board, SquareOf("e6"), kWhiteSide));
  EXPECT_FALSE(IsSquareAttacked(board, SquareOf("d6"), kWhiteSide));
  EXPECT_FALSE(IsSquareAttacked(board, SquareOf("c4"), kWhiteSide));
  EXPECT_TRUE(IsSquareAttacked(board, SquareOf("d3"), kBlackSide));
  EXPECT_TRUE(IsSquareAttacked(board, SquareOf("f3"), kBlackSide));
  EXPECT_FALSE(IsSquareAttacked(board, SquareOf("e3"), kBlackSide));
  EXPECT_FALSE(IsSquareAttacked(board, SquareOf("d5"), kBlackSide));
}

TEST(SquareAttacksTest, LinesStopAtTheFirstPiece) {
  Board board;
  SetBoard(board,
           "Q......."
           "........"
           "..N....."
           "........"
           "....k..."
           "........"
           "........"
           "R......r");
  EXPECT_FALSE(IsSquareAttacked(board, SquareOf("e4"), kBlackSide));  // a8's queen stands behind c6's knight
  EXPECT_TRUE(IsSquareAttacked(board, SquareOf("d4"), kBlackSide));   // the knight
  EXPECT_TRUE(IsSquareAttacked(board, SquareOf("h1"), kBlackSide));   // the rook, onto the White rook
  EXPECT_FALSE(IsSquareAttacked(board, SquareOf("a2"), kWhiteSide));  // the h1 rook stops at a1
  EXPECT_TRUE(IsSquareAttacked(board, SquareOf("d5"), kWhiteSide));   // the king
  EXPECT_FALSE(IsKingAttacked(board, kWhiteSide));
  EXPECT_FALSE(IsSquareAttacked(board, -1, kWhiteSide));
  EXPECT_FALSE(IsSquareAttacked(board, 64, kBlackSide));
}

}  // namespace
