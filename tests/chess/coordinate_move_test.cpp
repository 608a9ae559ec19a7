// ReadCoordinateMove: long algebraic, from-to and null moves read with
// their squares, piece and promotion; every SAN text that names one square
// left alone.
#include <gtest/gtest.h>

#include <string>

#include "tests/chess/fen_test_support.h"
#include "viewer/chess/coordinate_move.h"

namespace {

using fen_test::SquareName;

// "e2 e4 P Q x" style summary: from, to, piece, promotion, capture.
std::string Summary(const char* text) {
  CoordinateMove move;
  if (!ReadCoordinateMove(text, move)) return "not coordinates";
  if (move.kind == CoordinateMove::kNullMove) return "null move";
  std::string summary = SquareName(move.from) + " " + SquareName(move.to);
  summary += move.piece != 0 ? std::string(" ") + move.piece : " -";
  summary += move.promotion != 0 ? std::string(" =") + move.promotion : "";
  if (move.capture) summary += " x";
  return summary;
}

TEST(CoordinateMoveTest, LongAlgebraic) {
  EXPECT_EQ(Summary("e2-e4"), "e2 e4 -");
  EXPECT_EQ(Summary("Ng1-f3"), "g1 f3 N");
  EXPECT_EQ(Summary("Nb1xc3"), "b1 c3 N x");
  EXPECT_EQ(Summary("Nb1:c3"), "b1 c3 N x");
  EXPECT_EQ(Summary("e7-e8=Q"), "e7 e8 - =Q");
  EXPECT_EQ(Summary("e7xd8=N+"), "e7 d8 - =N x");
  EXPECT_EQ(Summary("Qd1-h5#"), "d1 h5 Q");
  EXPECT_EQ(Summary("Ke1-g1"), "e1 g1 K");
  EXPECT_EQ(Summary("Pe2-e4"), "e2 e4 P");
  EXPECT_EQ(Summary("e5xd6ep"), "e5 d6 - x");
  EXPECT_EQ(Summary("e5xd6e.p.+"), "e5 d6 - x");
  EXPECT_EQ(Summary("Rd1-d8+!?"), "d1 d8 R");
  EXPECT_EQ(Summary("Bf1-b5++"), "f1 b5 B");
}

TEST(CoordinateMoveTest, FromToAsEnginesWriteIt) {
  EXPECT_EQ(Summary("e2e4"), "e2 e4 -");
  EXPECT_EQ(Summary("g8f6"), "g8 f6 -");
  EXPECT_EQ(Summary("e7e8q"), "e7 e8 - =Q");
  EXPECT_EQ(Summary("a2a1n"), "a2 a1 - =N");
  EXPECT_EQ(Summary("e7e8Q"), "e7 e8 - =Q");
  EXPECT_EQ(Summary("b7c8=r"), "b7 c8 - =R");
  EXPECT_EQ(Summary("e1h1"), "e1 h1 -");
  EXPECT_EQ(Summary("h8a1"), "h8 a1 -");
}

// SAN with a two-character hint names the same move as coordinates.
TEST(CoordinateMoveTest, SanWithASquareAsHintReadsAsTheSameMove) {
  EXPECT_EQ(Summary("Qh4e1"), "h4 e1 Q");
  EXPECT_EQ(Summary("Qh4xe1+"), "h4 e1 Q x");
  EXPECT_EQ(Summary("Nb1d2"), "b1 d2 N");
}

TEST(CoordinateMoveTest, NullMoves) {
  EXPECT_EQ(Summary("--"), "null move");
  EXPECT_EQ(Summary("Z0"), "null move");
  EXPECT_EQ(Summary("--+"), "null move");
  EXPECT_EQ(Summary("---"), "not coordinates");
  EXPECT_EQ(Summary("Z00"), "not coordinates");
  EXPECT_EQ(Summary("z0"), "not coordinates");
}

TEST(CoordinateMoveTest, SanAndTextsThatAreNotMovesAreLeftAlone) {
  for (const char* text :
       {"Nbd7",    "R1e2",   "exd5",  "ed5",   "e8=Q",    "e8Q",   "exd8=Q", "O-O",   "O-O-O",   "0-0",     "0-0-0",
        "e4",      "Nf3",    "Kxf2",  "e2e2",  "e2-e2",   "e2-e9", "i2i4",   "e0e4",  "e2e4e5",  "Ng1f3=Q", "Ng1f3q",
        "e7e8=",   "e7e8=K", "e7e8k", "e7e8p", "--x",     "Z1",    "",       "e2-",   "e2--e4",  "e2xxe4",  "e2e4+++",
        "e2e4!!!", "e2 e4",  "E2E4",  "1-0",   "1/2-1/2", "*",     "nb1c3",  "e2e4 ", "e2e4ep.", "e2e4e.p"}) {
    EXPECT_EQ(Summary(text), "not coordinates") << '"' << text << '"';
  }
  CoordinateMove move;
  EXPECT_FALSE(ReadCoordinateMove(nullptr, move));
}

TEST(CoordinateMoveTest, EveryPairOfSquaresInEveryForm) {
  const char* const kForms[] = {"", "-", "x", ":"};
  const char* const kPieces[] = {"", "N", "K", "P"};
  for (int from = 0; from < 64; ++from) {
    for (int to = 0; to < 64; ++to) {
      for (const char* form : kForms) {
        for (const char* piece : kPieces) {
          const std::string text = piece + SquareName(from) + form + SquareName(to);
          CoordinateMove move;
          const bool read = ReadCoordinateMove(text.c_str(), move);
          ASSERT_EQ(read, from != to) << text;
          if (!read) continue;
          ASSERT_EQ(move.from, from) << text;
          ASSERT_EQ(move.to, to) << text;
          ASSERT_EQ(move.piece, piece[0]) << text;
          ASSERT_EQ(move.capture, form[0] == 'x' || form[0] == ':') << text;
          ASSERT_EQ(move.promotion, 0) << text;
        }
      }
    }
  }
}

TEST(CoordinateMoveTest, NoSanTextOfOneSquareReadsAsCoordinates) {
  const std::string files = "abcdefgh", ranks = "12345678";
  int texts = 0;
  for (char file : files) {
    for (char rank : ranks) {
      const std::string square{file, rank};
      std::vector<std::string> sans = {square, square + "=Q", square + "Q", square + "+", square + "#"};
      for (const char* piece : {"N", "B", "R", "Q", "K"}) {
        sans.push_back(piece + square);
        sans.push_back(std::string(piece) + "x" + square);
        for (char hint : files + ranks) {
          sans.push_back(std::string(piece) + hint + square);
          sans.push_back(std::string(piece) + hint + "x" + square);
        }
      }
      for (char from : files) {
        sans.push_back(std::string{from, 'x'} + square);
        sans.push_back(std::string{from} + square);
        sans.push_back(std::string{from, 'x'} + square + "=N");
      }
      for (const std::string& san : sans) {
        EXPECT_EQ(Summary(san.c_str()), "not coordinates") << san;
        ++texts;
      }
    }
  }
  EXPECT_GT(texts, 10000);
}

}  // namespace
