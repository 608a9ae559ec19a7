// ReadFenPosition against chessops' reading of the same FENs (every Chess960
// start in X-FEN and Shredder-FEN, inner rooks, random game positions, en
// passant squares valid and not, refusals; tests/data/fen), the readings
// made unlike chessops on purpose, and the refusal texts.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "tests/chess/fen_test_support.h"
#include "viewer/chess/fen_position.h"
#include "viewer/chess/piece_letters.h"

namespace {

using fen_test::ReadingColumns;
using fen_test::ReadTable;
using fen_test::Row;

// The chessops error code a refusal corresponds to.
std::set<std::string> ChessopsCodes(FenRefusal refusal) {
  switch (refusal) {
    case FenRefusal::kNone: return {};
    case FenRefusal::kEmpty: return {"ERR_BOARD"};
    // chessops reads a seventh field as a three-check counter.
    case FenRefusal::kExtraFields: return {"ERR_FEN", "ERR_REMAINING_CHECKS"};
    case FenRefusal::kPlacement: return {"ERR_BOARD", "ERR_POCKETS"};
    case FenRefusal::kSideToMove: return {"ERR_TURN"};
    case FenRefusal::kCastling: return {"ERR_CASTLING"};
    case FenRefusal::kEnPassant: return {"ERR_EP_SQUARE"};
    case FenRefusal::kMoveCounters: return {"ERR_HALFMOVES", "ERR_FULLMOVES"};
    case FenRefusal::kNoWhiteKing:
    case FenRefusal::kWhiteKings:
    case FenRefusal::kNoBlackKing:
    case FenRefusal::kBlackKings: return {"ERR_KINGS", "ERR_EMPTY"};
    case FenRefusal::kSideNotToMoveInCheck: return {"ERR_OPPOSITE_CHECK"};
    case FenRefusal::kPawnOnBackRank: return {"ERR_PAWNS_ON_BACKRANK"};
  }
  return {};
}

// Compares the reading of row[1] with the expected columns from `first` on.
void ExpectReading(const Row& row, size_t first) {
  SetUpPosition position;
  const FenRefusal refusal = ReadFenPosition(row[1].c_str(), position);
  if (row[first] == "refused") {
    ASSERT_GT(row.size(), first + 1) << row[0];
    EXPECT_NE(refusal, FenRefusal::kNone) << row[0] << ": " << row[1];
    EXPECT_EQ(ChessopsCodes(refusal).count(row[first + 1]), 1u)
        << row[0] << ": " << row[1] << " refused as " << FenRefusalText(refusal) << ", chessops " << row[first + 1];
    return;
  }
  ASSERT_EQ(refusal, FenRefusal::kNone) << row[0] << ": " << row[1] << ": " << FenRefusalText(refusal);
  const Row columns = ReadingColumns(position);
  ASSERT_GE(row.size(), first + columns.size()) << row[0];
  const char* const kNames[] = {"board", "side", "rights", "en passant", "half-moves", "full-moves", "chess960"};
  for (size_t i = 0; i < columns.size(); ++i) {
    EXPECT_EQ(columns[i], row[first + i]) << row[0] << ": " << row[1] << " (" << kNames[i] << ")";
  }
}

TEST(FenPositionTest, ReadsEveryFenAsChessopsDoes) {
  const std::vector<Row> rows = ReadTable("chessops-fen-readings.tsv");
  ASSERT_GT(rows.size(), 3000u);
  for (const Row& row : rows) {
    ASSERT_GE(row.size(), 4u);
    ExpectReading(row, 2);
    if (HasFailure()) return;
  }
}

TEST(FenPositionTest, ReadsOnPurposeUnlikeChessops) {
  const std::vector<Row> rows = ReadTable("fen-readings-unlike-chessops.tsv");
  ASSERT_GE(rows.size(), 6u);
  for (const Row& row : rows) {
    ASSERT_GE(row.size(), 5u);
    ExpectReading(row, 3);
  }
}

// The known answers cover what they are meant to cover.
TEST(FenPositionTest, KnownAnswersCoverEveryKindOfReading) {
  int chess960 = 0, standard = 0, enPassant = 0, blackToMove = 0, innerRook = 0;
  std::set<std::string> codes;
  for (const Row& row : ReadTable("chessops-fen-readings.tsv")) {
    if (row[2] == "refused") {
      codes.insert(row[3]);
      continue;
    }
    chess960 += row[8] == "1";
    standard += row[8] == "0" && row[4] != "---- --";
    enPassant += row[5] != "-";
    blackToMove += row[3] == "b";
    if (row[1].find('B') != std::string::npos && row[0].rfind("back-rank-rooks", 0) == 0) ++innerRook;
  }
  EXPECT_GT(chess960, 1900);
  EXPECT_GT(standard, 50);
  EXPECT_GT(enPassant, 50);
  EXPECT_GT(blackToMove, 1000);
  EXPECT_GT(innerRook, 10);
  for (const char* code : {"ERR_BOARD", "ERR_TURN", "ERR_CASTLING", "ERR_EP_SQUARE", "ERR_HALFMOVES", "ERR_FULLMOVES",
                           "ERR_FEN", "ERR_KINGS", "ERR_EMPTY", "ERR_OPPOSITE_CHECK", "ERR_PAWNS_ON_BACKRANK"}) {
    EXPECT_EQ(codes.count(code), 1u) << code;
  }
}

FenRefusal Read(const char* text) {
  SetUpPosition position;
  return ReadFenPosition(text, position);
}

TEST(FenPositionTest, ReadsTheStandardStartInThisBoardsLetters) {
  SetUpPosition position;
  ASSERT_EQ(ReadFenPosition("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", position), FenRefusal::kNone);
  EXPECT_EQ(std::memcmp(position.board, kStartingPosition, 64), 0);
  EXPECT_EQ(position.sideToMove, kWhiteSide);
  EXPECT_EQ(position.castling.rookFile[kWhiteSide][kKingSide], 7);
  EXPECT_EQ(position.castling.rookFile[kBlackSide][kQueenSide], 0);
  EXPECT_EQ(position.castling.kingFile[kBlackSide], 4);
  EXPECT_FALSE(position.chess960Castling);
  EXPECT_EQ(position.fullMoveNumber, 1);
}

TEST(FenPositionTest, FieldsMaySeparateByTabsAndLineEnds) {
  SetUpPosition position;
  ASSERT_EQ(ReadFenPosition("\t4k3/8/8/8/8/8/8/4K2R\tb\r\nK -  7\t31 \n", position), FenRefusal::kNone);
  EXPECT_EQ(position.sideToMove, kBlackSide);
  EXPECT_EQ(position.castling.rookFile[kWhiteSide][kKingSide], 7);
  EXPECT_EQ(position.halfMoveClock, 7);
  EXPECT_EQ(position.fullMoveNumber, 31);
}

TEST(FenPositionTest, ShredderRightsOnTheStandardStartAreChess960Ones) {
  SetUpPosition position;
  ASSERT_EQ(ReadFenPosition("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w HAha - 0 1", position), FenRefusal::kNone);
  EXPECT_TRUE(position.chess960Castling);
  // Dropped rights do not count: the h letter names no rook.
  ASSERT_EQ(ReadFenPosition("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN1 w KQkqH - 0 1", position), FenRefusal::kNone);
  EXPECT_EQ(position.castling.rookFile[kWhiteSide][kKingSide], kNoFile);
  EXPECT_FALSE(position.chess960Castling);
}

TEST(FenPositionTest, TellsEachRefusalApart) {
  EXPECT_EQ(Read(nullptr), FenRefusal::kEmpty);
  EXPECT_EQ(Read(""), FenRefusal::kEmpty);
  EXPECT_EQ(Read(" _ "), FenRefusal::kEmpty);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/4K3 w - - 0 1 x"), FenRefusal::kExtraFields);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/4K3 w - - 0 1"), FenRefusal::kPlacement);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/4K3 B - - 0 1"), FenRefusal::kSideToMove);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/4K3 w X - 0 1"), FenRefusal::kCastling);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/4K3 w - i3 0 1"), FenRefusal::kEnPassant);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/4K3 w - - x 1"), FenRefusal::kMoveCounters);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/4K3 w - - 0 1.5"), FenRefusal::kMoveCounters);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/8 w - - 0 1"), FenRefusal::kNoWhiteKing);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/3KK3 w - - 0 1"), FenRefusal::kWhiteKings);
  EXPECT_EQ(Read("8/8/8/8/8/8/8/4K3 w - - 0 1"), FenRefusal::kNoBlackKing);
  EXPECT_EQ(Read("3kk3/8/8/8/8/8/8/4K3 w - - 0 1"), FenRefusal::kBlackKings);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/4K2r b - - 0 1"), FenRefusal::kSideNotToMoveInCheck);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/4K2r w - - 0 1"), FenRefusal::kNone);
  EXPECT_EQ(Read("4k3/8/8/8/8/8/8/p3K3 w - - 0 1"), FenRefusal::kPawnOnBackRank);
}

TEST(FenPositionTest, EveryRefusalHasATextOfItsOwnForTheUser) {
  std::set<std::string> texts;
  EXPECT_STREQ(FenRefusalText(FenRefusal::kNone), "");
  for (int i = static_cast<int>(FenRefusal::kEmpty); i <= static_cast<int>(FenRefusal::kPawnOnBackRank); ++i) {
    const std::string text = FenRefusalText(static_cast<FenRefusal>(i));
    EXPECT_EQ(text.rfind("Can't show this game: its FEN tag ", 0), 0u) << text;
    EXPECT_LT(text.size(), 100u) << text;
    EXPECT_TRUE(texts.insert(text).second) << text;
  }
  EXPECT_STREQ(kFenRefusedText, "Can't show this game: its FEN tag is not a legal position");
  EXPECT_STREQ(FenRefusalText(FenRefusal::kSideNotToMoveInCheck),
               "Can't show this game: its FEN tag is not a legal position (the side not to move is in check)");
}

TEST(FenPositionTest, LongAndStrangeTextsAreRefusedWithoutHarm) {
  std::string text(5000, '8');
  EXPECT_EQ(Read(text.c_str()), FenRefusal::kPlacement);
  text = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w " + std::string(3000, 'K') + " - 0 1";
  EXPECT_EQ(Read(text.c_str()), FenRefusal::kNone);
  text = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 " + std::string(3000, '1');
  EXPECT_EQ(Read(text.c_str()), FenRefusal::kMoveCounters);
  EXPECT_EQ(Read("\xff\xfe/8/8/8/8/8/8/8"), FenRefusal::kPlacement);
  EXPECT_EQ(Read("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN~"), FenRefusal::kPlacement);
  EXPECT_EQ(Read("k7/8/8/8/8/8/8/7K~"), FenRefusal::kNone);
}

}  // namespace
