// The board model: starting position, trays, applying pending squares.
#include <gtest/gtest.h>

#include "tests/chess/test_support.h"
#include "viewer/chess/chess_state.h"

namespace {

using test_support::BoardText;
using test_support::SetBoard;
using test_support::Square;

class TrayWatcher : public ChessState {
 public:
  int whiteChanges = 0, blackChanges = 0;

 protected:
  void TrayChanged(int16_t side) override { (side == kWhite ? whiteChanges : blackChanges)++; }
};

TEST(BoardTest, ResetBoardSetsTheStartingPositionAndClearsTheGame) {
  ChessState state;
  state.board[0] = ' ';
  state.pendingSquares[5] = 'q';
  state.squareMarks[7] = kTouchedMark;
  state.moveNumber = 12;
  state.gameState = ChessState::kGameOver;
  state.whiteWon = state.checkFlag = state.captureFlag = state.mateFlag = 1;
  state.whiteShown = 0;
  state.sideToMove = ChessState::kBlack;
  state.ResetBoard();

  EXPECT_EQ(state.board[0], 'R');   // a8
  EXPECT_EQ(state.board[4], 'K');   // e8
  EXPECT_EQ(state.board[60], 'k');  // e1
  EXPECT_EQ(state.board[63], 'r');  // h1
  EXPECT_EQ(state.board[Square("d8")], 'Q');
  EXPECT_EQ(state.board[Square("d1")], 'q');
  for (int i = 16; i < 48; ++i) EXPECT_EQ(state.board[i], kBlankSquare) << i;
  for (int i = 0; i < 64; ++i) EXPECT_EQ(state.pendingSquares[i], 0);
  EXPECT_EQ(state.squareMarks[0], 0xB2);   // a8
  EXPECT_EQ(state.squareMarks[63], 0xB2);  // h1
  EXPECT_EQ(state.squareMarks[56], 0xB0);  // a1
  EXPECT_EQ(state.squareMarks[7], 0xB0);   // h8
  EXPECT_EQ(state.moveNumber, 0);
  EXPECT_EQ(state.gameState, ChessState::kPlaying);
  EXPECT_EQ(state.whiteWon + state.blackWon + state.drawn, 0);
  EXPECT_EQ(state.checkFlag + state.captureFlag + state.mateFlag, 0);
  EXPECT_EQ(state.whiteShown, 1);
  EXPECT_EQ(state.sideToMove, ChessState::kWhite);
}

TEST(BoardTest, FeedTrayAppendsKindsToTheCapturedSidesTray) {
  TrayWatcher state;
  state.FeedTray('P');
  state.FeedTray('q');
  state.FeedTray('N');
  ASSERT_EQ(state.capturedBlackCount, 2);
  EXPECT_EQ(state.capturedBlack[0], kPawn);
  EXPECT_EQ(state.capturedBlack[1], kKnight);
  EXPECT_EQ(state.capturedBlack[2], kEmptyTraySlot);
  ASSERT_EQ(state.capturedWhiteCount, 1);
  EXPECT_EQ(state.capturedWhite[0], kQueen);
  EXPECT_EQ(state.blackChanges, 2);
  EXPECT_EQ(state.whiteChanges, 1);
}

TEST(BoardTest, FeedTrayIgnoresKingsOtherBytesAndASeventeenthCapture) {
  TrayWatcher state;
  state.FeedTray('K');
  state.FeedTray('k');
  state.FeedTray(' ');
  state.FeedTray('x');
  state.FeedTray(0xDB);
  EXPECT_EQ(state.capturedWhiteCount + state.capturedBlackCount, 0);
  for (int i = 0; i < 16; ++i) state.FeedTray('r');
  EXPECT_EQ(state.capturedWhiteCount, 16);
  state.FeedTray('b');
  EXPECT_EQ(state.capturedWhiteCount, 16);
  EXPECT_EQ(state.capturedWhite[15], kRook);
  EXPECT_EQ(state.whiteChanges, 16);
}

TEST(BoardTest, ApplyingPendingSquaresFeedsOnlyTheLetterThatStoodThere) {
  TrayWatcher state;
  state.ResetBoard();
  state.EmptyTrays();
  state.board[Square("e4")] = kBlankSquare;
  state.pendingSquares[Square("e4")] = 'p';  // onto an empty square
  EXPECT_FALSE(state.ApplyPendingSquares());
  EXPECT_EQ(state.capturedWhiteCount + state.capturedBlackCount, 0);
  EXPECT_EQ(state.board[Square("e4")], 'p');

  std::memset(state.pendingSquares, 0, sizeof state.pendingSquares);
  state.pendingSquares[Square("d7")] = 'q';  // onto a black pawn
  EXPECT_TRUE(state.ApplyPendingSquares());
  ASSERT_EQ(state.capturedBlackCount, 1);
  EXPECT_EQ(state.capturedBlack[0], kPawn);
  EXPECT_EQ(state.board[Square("d7")], 'q');
  // The pending squares stay as they were.
  EXPECT_EQ(state.pendingSquares[Square("d7")], 'q');
}

TEST(BoardTest, NoTrayFeedAppliesWithoutCapturing) {
  TrayWatcher state;
  state.ResetBoard();
  state.EmptyTrays();
  state.noTrayFeed = 1;
  state.pendingSquares[Square("a7")] = 'r';
  EXPECT_FALSE(state.ApplyPendingSquares());
  EXPECT_EQ(state.capturedBlackCount, 0);
  EXPECT_EQ(state.board[Square("a7")], 'r');
}

TEST(BoardTest, SquaresMatchTheScreenFormula) {
  EXPECT_FLOAT_EQ(SquareX(0), 101.0f);
  EXPECT_FLOAT_EQ(SquareX(7), 451.0f);
  EXPECT_FLOAT_EQ(SquareY(0), 50.0f);
  EXPECT_FLOAT_EQ(SquareY(7), 400.0f);
  EXPECT_EQ(BoardText(kStartingPosition), "RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr");
}

}  // namespace
