// The board model: starting position, trays, applying pending squares.
#include <gtest/gtest.h>

#include "tests/chess/test_support.h"
#include "viewer/chess/chess_state.h"

namespace {

using test_support::BoardText;
using test_support::PliesOf;
using test_support::SetBoard;
using test_support::Square;

// Counts the tray changes FeedTray reports.
struct TrayChangeCount {
  int white = 0, black = 0;
  void Add(const TrayChanges& changes) {
    white += changes.white;
    black += changes.black;
  }
};

void ExpectResetBoard(const ChessState& state) {
  EXPECT_EQ(state.board()[0], 'R');   // a8
  EXPECT_EQ(state.board()[4], 'K');   // e8
  EXPECT_EQ(state.board()[60], 'k');  // e1
  EXPECT_EQ(state.board()[63], 'r');  // h1
  EXPECT_EQ(state.board()[Square("d8")], 'Q');
  EXPECT_EQ(state.board()[Square("d1")], 'q');
  for (int i = 16; i < 48; ++i) EXPECT_EQ(state.board()[i], kBlankSquare) << i;
  for (int i = 0; i < 64; ++i) EXPECT_EQ(state.pendingSquares()[i], 0);
  EXPECT_EQ(state.squareMarks()[0], 0xB2);   // a8
  EXPECT_EQ(state.squareMarks()[63], 0xB2);  // h1
  EXPECT_EQ(state.squareMarks()[56], 0xB0);  // a1
  EXPECT_EQ(state.squareMarks()[7], 0xB0);   // h8
  for (int i = 0; i < 64; ++i) EXPECT_EQ(state.squareMarks()[i], kBaseSquareMarks[i]) << i;
  EXPECT_EQ(state.moveNumber(), 0);
  EXPECT_EQ(state.gameState(), ChessState::kPlaying);
  EXPECT_EQ(state.whiteWon() + state.blackWon() + state.drawn(), 0);
  EXPECT_EQ(state.checkFlag() + state.captureFlag() + state.mateFlag(), 0);
  EXPECT_EQ(state.whiteShown(), 1);
  EXPECT_EQ(state.sideToMove(), ChessState::kWhite);
}

TEST(BoardTest, ResetBoardSetsTheStartingPositionAndClearsTheGame) {
  ChessState state;
  // A game under way: pieces moved, a capture with check pending, its
  // squares marked, Black to move.
  const PlyLists plies = PliesOf({"e4", "d5", "exd5+"});
  for (int i = 0; i < 3; ++i) state.AdvancePly(plies);
  ASSERT_EQ(state.checkFlag(), 1);
  ASSERT_EQ(state.captureFlag(), 1);
  ASSERT_EQ(state.sideToMove(), ChessState::kBlack);
  state.ResetBoard();
  ExpectResetBoard(state);

  // A game that reached its result.
  const PlyLists won = PliesOf({"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#", "1-0"});
  for (int i = 0; i < 8; ++i) state.AdvancePly(won);
  ASSERT_EQ(state.gameState(), ChessState::kGameOver);
  ASSERT_EQ(state.whiteWon(), 1);
  state.ResetBoard();
  ExpectResetBoard(state);
}

TEST(BoardTest, FeedTrayAppendsKindsToTheCapturedSidesTray) {
  ChessState state;
  TrayChangeCount changes;
  changes.Add(state.FeedTray('P'));
  changes.Add(state.FeedTray('q'));
  changes.Add(state.FeedTray('N'));
  ASSERT_EQ(state.capturedBlackCount(), 2);
  EXPECT_EQ(state.capturedBlack()[0], kPawn);
  EXPECT_EQ(state.capturedBlack()[1], kKnight);
  EXPECT_EQ(state.capturedBlack()[2], kEmptyTraySlot);
  ASSERT_EQ(state.capturedWhiteCount(), 1);
  EXPECT_EQ(state.capturedWhite()[0], kQueen);
  EXPECT_EQ(changes.black, 2);
  EXPECT_EQ(changes.white, 1);
}

TEST(BoardTest, FeedTrayIgnoresKingsOtherBytesAndASeventeenthCapture) {
  ChessState state;
  TrayChangeCount changes;
  for (int letter : {int{'K'}, int{'k'}, int{' '}, int{'x'}, 0xDB})
    changes.Add(state.FeedTray(static_cast<unsigned char>(letter)));
  EXPECT_EQ(state.capturedWhiteCount() + state.capturedBlackCount(), 0);
  for (int i = 0; i < 16; ++i) changes.Add(state.FeedTray('r'));
  EXPECT_EQ(state.capturedWhiteCount(), 16);
  changes.Add(state.FeedTray('b'));
  EXPECT_EQ(state.capturedWhiteCount(), 16);
  EXPECT_EQ(state.capturedWhite()[15], kRook);
  EXPECT_EQ(changes.white, 16);
  EXPECT_EQ(changes.black, 0);
}

TEST(BoardTest, ApplyingPendingSquaresFeedsOnlyTheLetterThatStoodThere) {
  ChessState state;
  state.ResetBoard();
  state.EmptyTrays();
  state.ClearPlySquares();
  state.ResolvePly(ChessState::kWhite, "e4");  // onto an empty square
  EXPECT_FALSE(state.ApplyPendingSquares().Any());
  EXPECT_EQ(state.capturedWhiteCount() + state.capturedBlackCount(), 0);
  EXPECT_EQ(state.board()[Square("e4")], 'p');

  // A White queen on d6 takes the pawn on d7.
  SetBoard(state, "RNBQKBNRPPPPPPPP...q............................pppppppprnb.kbnr");
  state.ClearPlySquares();
  state.ResolvePly(ChessState::kWhite, "Qd7");
  ASSERT_EQ(state.pendingSquares()[Square("d7")], 'q');  // onto a black pawn
  EXPECT_TRUE(state.ApplyPendingSquares().black);
  ASSERT_EQ(state.capturedBlackCount(), 1);
  EXPECT_EQ(state.capturedBlack()[0], kPawn);
  EXPECT_EQ(state.board()[Square("d7")], 'q');
  // The pending squares stay as they were.
  EXPECT_EQ(state.pendingSquares()[Square("d7")], 'q');
}

// The landing of a take-back's reverse slide restores, it does not capture:
// the pending squares of the ply before it stand on their own pieces.
TEST(BoardTest, NoTrayFeedAppliesWithoutCapturing) {
  ChessState state;
  const PlyLists plies = PliesOf({"a4", "b5", "Ra3", "*"});
  for (int i = 0; i < 3; ++i) state.AdvancePly(plies);
  state.TakeBackPly(plies);
  ASSERT_EQ(state.noTrayFeed(), 1);
  ASSERT_EQ(state.pendingSquares()[Square("b5")], 'P');
  ASSERT_EQ(state.board()[Square("b5")], 'P');
  EXPECT_FALSE(state.ApplyPendingSquares().Any());
  EXPECT_EQ(state.capturedBlackCount(), 0);
  EXPECT_EQ(state.board()[Square("b5")], 'P');
  EXPECT_EQ(state.board()[Square("a1")], 'r');
}

TEST(BoardTest, SquaresMatchTheScreenFormula) {
  EXPECT_FLOAT_EQ(SquareX(0), 101.0f);
  EXPECT_FLOAT_EQ(SquareX(7), 451.0f);
  EXPECT_FLOAT_EQ(SquareY(0), 50.0f);
  EXPECT_FLOAT_EQ(SquareY(7), 400.0f);
  EXPECT_EQ(BoardText(kStartingPosition), "RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr");
}

}  // namespace
