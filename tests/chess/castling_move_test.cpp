// Castling squares and rights against chessops: every Chess960 start, both
// sides, both wings (the rights read from X-FEN, from Shredder-FEN and not
// recorded at all), castlings with inner rooks and pieces already in place,
// and the rights after every move of random Chess960 games (tests/data/fen).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/chess/fen_test_support.h"
#include "viewer/chess/castling_move.h"
#include "viewer/chess/fen_position.h"
#include "viewer/chess/piece_letters.h"

namespace {

using fen_test::BoardColumn;
using fen_test::ReadTable;
using fen_test::RightsColumn;
using fen_test::Row;
using fen_test::SquareName;
using fen_test::SquareOf;

std::string SquaresColumn(const CastlingSquares& squares) {
  return SquareName(squares.kingFrom) + " " + SquareName(squares.kingTo) + " " + SquareName(squares.rookFrom) + " " +
         SquareName(squares.rookTo);
}

SetUpPosition ReadOrFail(const std::string& fen) {
  SetUpPosition position;
  EXPECT_EQ(ReadFenPosition(fen.c_str(), position), FenRefusal::kNone) << fen;
  return position;
}

int WingOf(const std::string& castling) { return castling == "O-O" ? kKingSide : kQueenSide; }

// Finds the castling of the side to move, plays it and updates the rights:
// the squares, the board and the rights as chessops has them.
void ExpectCastling(const std::string& label, const std::string& fen, const std::string& castling,
                    const std::string& squaresText, const std::string& boardText, const std::string& rightsText) {
  SetUpPosition position = ReadOrFail(fen);
  CastlingSquares squares;
  ASSERT_TRUE(FindCastlingSquares(position.board, position.sideToMove, WingOf(castling), position.castling, squares))
      << label << ": " << fen << " " << castling;
  EXPECT_EQ(SquaresColumn(squares), squaresText) << label << ": " << fen << " " << castling;
  PlayCastling(position.board, position.sideToMove, squares);
  EXPECT_EQ(BoardColumn(position.board), boardText) << label << ": " << fen << " " << castling;
  UpdateCastlingRights(position.castling, squares.kingFrom, squares.kingTo);
  EXPECT_EQ(RightsColumn(position.castling), rightsText) << label << ": " << fen << " " << castling;
}

TEST(CastlingMoveTest, EveryChess960StartCastlesAsChessopsDoes) {
  const std::vector<Row> rows = ReadTable("chess960-castling.tsv");
  ASSERT_EQ(rows.size(), 960u * 4u);
  for (const Row& row : rows) {
    ASSERT_EQ(row.size(), 9u);
    const std::string label = "start " + row[0] + " " + row[1];
    // Kings and rooks alone on the back ranks, where chessops could castle.
    ExpectCastling(label, row[3], row[2], row[6], row[7], row[8]);

    // The full start: the same squares from X-FEN rights, Shredder-FEN
    // rights and no recorded rights.
    const SetUpPosition xfen = ReadOrFail(row[4]);
    std::string shredderFen = row[4];
    shredderFen.replace(shredderFen.find(" KQkq "), 6, " " + row[5] + " ");
    const SetUpPosition shredder = ReadOrFail(shredderFen);
    EXPECT_TRUE(shredder.chess960Castling) << label;
    const CastlingRights none;
    for (const CastlingRights* rights : {&xfen.castling, &shredder.castling, &none}) {
      CastlingSquares squares;
      ASSERT_TRUE(FindCastlingSquares(xfen.board, xfen.sideToMove, WingOf(row[2]), *rights, squares)) << label;
      EXPECT_EQ(SquaresColumn(squares), row[6]) << label << " " << row[2] << " rights " << RightsColumn(*rights);
    }
    if (HasFailure()) return;
  }
}

TEST(CastlingMoveTest, InnerRooksAndPiecesInPlaceCastleAsChessopsDoes) {
  const std::vector<Row> rows = ReadTable("inner-rook-castling.tsv");
  ASSERT_GT(rows.size(), 500u);
  for (const Row& row : rows) {
    ASSERT_EQ(row.size(), 6u);
    ExpectCastling(row[0], row[1], row[2], row[3], row[4], row[5]);
    if (HasFailure()) return;
  }
}

// The known answers hold every kind of castling the two notations allow.
TEST(CastlingMoveTest, KnownAnswersHoldEveryKindOfCastling) {
  int kingStays = 0, rookStays = 0, swap = 0, rookBeyond = 0, rookInside = 0, innerRook = 0, kingOnRookSquare = 0;
  auto count = [&](const std::string& squares, const std::string& fen) {
    const int kingFrom = SquareOf(squares.substr(0, 2)), kingTo = SquareOf(squares.substr(3, 2));
    const int rookFrom = SquareOf(squares.substr(6, 2)), rookTo = SquareOf(squares.substr(9, 2));
    kingStays += kingFrom == kingTo;
    rookStays += rookFrom == rookTo;
    swap += kingTo == rookFrom && rookTo == kingFrom;
    kingOnRookSquare += kingTo == rookFrom && rookTo != kingFrom;
    // The rook stands beyond the king's new square, or between the king's two squares.
    rookBeyond += (kingFrom <= kingTo && kingTo < rookFrom) || (rookFrom < kingTo && kingTo <= kingFrom);
    rookInside += (kingFrom < rookFrom && rookFrom < kingTo) || (kingTo < rookFrom && rookFrom < kingFrom);
    SetUpPosition position = ReadOrFail(fen);
    const int row = RowOf(rookFrom);
    const int step = rookFrom > kingFrom ? 1 : -1;
    for (int column = ColumnOf(rookFrom) + step; column >= 0 && column < 8; column += step) {
      if (LetterSide(position.board[SquareAt(row, column)]) == position.sideToMove &&
          (position.board[SquareAt(row, column)] | 0x20) == 'r') {
        ++innerRook;
        break;
      }
    }
  };
  for (const Row& row : ReadTable("chess960-castling.tsv")) count(row[6], row[4]);
  for (const Row& row : ReadTable("inner-rook-castling.tsv")) count(row[3], row[1]);
  EXPECT_GT(kingStays, 100);
  EXPECT_GT(rookStays, 100);
  EXPECT_GT(swap, 10);
  EXPECT_GT(kingOnRookSquare, 100);
  EXPECT_GT(rookBeyond, 100);
  EXPECT_GT(rookInside, 100);
  EXPECT_GT(innerRook, 20);
}

TEST(CastlingMoveTest, RightsAfterEveryMoveOfRandomGamesAreChessops) {
  const std::vector<Row> rows = ReadTable("rights-after-moves.tsv");
  ASSERT_GT(rows.size(), 100u);
  int moves = 0;
  for (const Row& row : rows) {
    ASSERT_EQ(row.size(), 3u);
    CastlingRights rights = ReadOrFail(row[1]).castling;
    std::stringstream steps(row[2]);
    std::string step;
    while (steps >> step) {
      // FROMTO:ROOKS/KINGS
      UpdateCastlingRights(rights, SquareOf(step.substr(0, 2)), SquareOf(step.substr(2, 2)));
      std::string expected = step.substr(5);
      expected[expected.find('/')] = ' ';
      ASSERT_EQ(RightsColumn(rights), expected) << row[0] << " after " << step.substr(0, 4);
      ++moves;
    }
  }
  EXPECT_GT(moves, 5000);
}

// Boards from text in index order, '.' for a blank.
void SetBoard(Board& board, const char* text) {
  ASSERT_EQ(std::strlen(text), 64u);
  for (int i = 0; i < 64; ++i) board[i] = text[i] == '.' ? kBlankSquare : static_cast<unsigned char>(text[i]);
}

TEST(CastlingMoveTest, WithoutARightTheOutermostRookOfThatWingCastles) {
  Board board;
  SetBoard(board,
           "....K..."
           "................................................"
           "rr..k.rr");
  CastlingSquares squares;
  ASSERT_TRUE(FindCastlingSquares(board, kWhiteSide, kKingSide, CastlingRights(), squares));
  EXPECT_EQ(SquareName(squares.rookFrom), "h1");
  ASSERT_TRUE(FindCastlingSquares(board, kWhiteSide, kQueenSide, CastlingRights(), squares));
  EXPECT_EQ(SquareName(squares.rookFrom), "a1");
  EXPECT_EQ(SquareName(squares.kingTo), "c1");
  // A right for the inner rook takes it.
  CastlingRights rights;
  rights.rookFile[kWhiteSide][kQueenSide] = 1;
  rights.kingFile[kWhiteSide] = 4;
  ASSERT_TRUE(FindCastlingSquares(board, kWhiteSide, kQueenSide, rights, squares));
  EXPECT_EQ(SquareName(squares.rookFrom), "b1");
  // A right whose rook has gone falls back to the outermost rook.
  rights.rookFile[kWhiteSide][kKingSide] = 5;
  ASSERT_TRUE(FindCastlingSquares(board, kWhiteSide, kKingSide, rights, squares));
  EXPECT_EQ(SquareName(squares.rookFrom), "h1");
  // Black has no rook.
  EXPECT_FALSE(FindCastlingSquares(board, kBlackSide, kKingSide, CastlingRights(), squares));
}

TEST(CastlingMoveTest, NoKingOnTheBackRankOrNoRookOnTheWingIsNoCastling) {
  Board board;
  SetBoard(board,
           "R......."
           "...K...."
           "................................"
           "....k..."
           "r......r");
  CastlingSquares squares;
  squares.kingFrom = 99;
  EXPECT_FALSE(FindCastlingSquares(board, kWhiteSide, kKingSide, kStandardCastlingRights, squares));
  EXPECT_FALSE(FindCastlingSquares(board, kBlackSide, kQueenSide, kStandardCastlingRights, squares));
  EXPECT_EQ(squares.kingFrom, 99);
  SetBoard(board,
           "K......R"
           "................................................"
           "rk.....r");
  EXPECT_FALSE(FindCastlingSquares(board, kBlackSide, kQueenSide, CastlingRights(), squares));
  EXPECT_TRUE(FindCastlingSquares(board, kBlackSide, kKingSide, CastlingRights(), squares));
  EXPECT_EQ(SquaresColumn(squares), "a8 g8 h8 f8");
  // The rook on a1 is on the queen-side of the king on b1; there is no
  // rook on the other wing when the h rook is gone.
  board[63] = kBlankSquare;
  EXPECT_FALSE(FindCastlingSquares(board, kWhiteSide, kKingSide, CastlingRights(), squares));
  EXPECT_TRUE(FindCastlingSquares(board, kWhiteSide, kQueenSide, CastlingRights(), squares));
  EXPECT_EQ(SquaresColumn(squares), "b1 c1 a1 d1");
}

TEST(CastlingMoveTest, RightsOutsideTheBoardAreNeverFollowed) {
  Board board;
  std::memcpy(board, kStartingPosition, sizeof board);
  CastlingRights rights;
  rights.kingFile[kWhiteSide] = 100;
  rights.rookFile[kWhiteSide][kKingSide] = -7;
  rights.rookFile[kWhiteSide][kQueenSide] = 8;
  CastlingSquares squares;
  ASSERT_TRUE(FindCastlingSquares(board, kWhiteSide, kKingSide, rights, squares));
  EXPECT_EQ(SquaresColumn(squares), "e1 g1 h1 f1");
  ASSERT_TRUE(FindCastlingSquares(board, kWhiteSide, kQueenSide, rights, squares));
  EXPECT_EQ(SquaresColumn(squares), "e1 c1 a1 d1");
  EXPECT_FALSE(FindCastlingSquares(board, 2, kKingSide, rights, squares));
  EXPECT_FALSE(FindCastlingSquares(board, kWhiteSide, 2, rights, squares));
  UpdateCastlingRights(rights, -1, 64);
  UpdateCastlingRights(rights, 1000, -1000);
  squares.kingFrom = 64;
  PlayCastling(board, kWhiteSide, squares);
  EXPECT_EQ(std::memcmp(board, kStartingPosition, sizeof board), 0);
}

TEST(CastlingMoveTest, RightsGoWithTheKingAndWithTheirRooks) {
  CastlingRights rights = kStandardCastlingRights;
  // White's h rook moves: only that right goes.
  UpdateCastlingRights(rights, SquareOf("h1"), SquareOf("h4"));
  EXPECT_EQ(RightsColumn(rights), "-aha ee");
  // A capture on a8 ends Black's queen-side right.
  UpdateCastlingRights(rights, SquareOf("g2"), SquareOf("a8"));
  EXPECT_EQ(RightsColumn(rights), "-ah- ee");
  // Black's king moves: both of its rights go, and its king file.
  UpdateCastlingRights(rights, SquareOf("e8"), SquareOf("e7"));
  EXPECT_EQ(RightsColumn(rights), "-a-- e-");
  // A king that castles without moving ends its rights too.
  CastlingRights chess960 = {{{6, kNoFile}, {kNoFile, kNoFile}}, {5, kNoFile}};
  UpdateCastlingRights(chess960, SquareOf("f1"), SquareOf("f1"));
  EXPECT_EQ(RightsColumn(chess960), "---- --");
}

TEST(CastlingMoveTest, KingMovesWrittenAsSquaresThatAreCastlings) {
  Board board;
  std::memcpy(board, kStartingPosition, sizeof board);
  int wing = -1;
  EXPECT_TRUE(IsCastlingKingMove(board, kWhiteSide, SquareOf("e1"), SquareOf("g1"), wing));
  EXPECT_EQ(wing, kKingSide);
  EXPECT_TRUE(IsCastlingKingMove(board, kWhiteSide, SquareOf("e1"), SquareOf("c1"), wing));
  EXPECT_EQ(wing, kQueenSide);
  EXPECT_TRUE(IsCastlingKingMove(board, kBlackSide, SquareOf("e8"), SquareOf("h8"), wing));
  EXPECT_EQ(wing, kKingSide);
  EXPECT_TRUE(IsCastlingKingMove(board, kBlackSide, SquareOf("e8"), SquareOf("a8"), wing));
  EXPECT_EQ(wing, kQueenSide);
  // Not castlings: a king step, the other side's king, a king off its back
  // rank, a piece that is not the king, a two-file step not to g or c.
  EXPECT_FALSE(IsCastlingKingMove(board, kWhiteSide, SquareOf("e1"), SquareOf("f1"), wing));
  EXPECT_FALSE(IsCastlingKingMove(board, kBlackSide, SquareOf("e1"), SquareOf("g1"), wing));
  EXPECT_FALSE(IsCastlingKingMove(board, kWhiteSide, SquareOf("g1"), SquareOf("e1"), wing));
  EXPECT_FALSE(IsCastlingKingMove(board, kWhiteSide, SquareOf("e1"), SquareOf("e1"), wing));
  EXPECT_FALSE(IsCastlingKingMove(board, kWhiteSide, -1, 70, wing));
  SetBoard(board,
           "....K..."
           "................................................"
           "...k...r");
  EXPECT_FALSE(IsCastlingKingMove(board, kWhiteSide, SquareOf("d1"), SquareOf("f1"), wing));
  EXPECT_TRUE(IsCastlingKingMove(board, kWhiteSide, SquareOf("d1"), SquareOf("g1"), wing));
  EXPECT_TRUE(IsCastlingKingMove(board, kWhiteSide, SquareOf("d1"), SquareOf("h1"), wing));
  EXPECT_EQ(wing, kKingSide);
}

}  // namespace
