// Playing a loaded game ply by ply, and taking a ply back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/chess/test_support.h"

namespace {

using test_support::BoardText;
using test_support::QuietGamePlay;
using test_support::ScratchFolderTest;
using test_support::Square;
using test_support::WriteWholeFile;

// Records the hooks in the order they come.
class RecordingPlay : public QuietGamePlay {
 public:
  std::vector<std::string> calls;

  void Load(const std::string& moves) {
    WriteWholeFile("game.pgn", "[Event \"E\"]\n\n" + moves + "\n");
    IndexFile("game.pgn");
    currentGame = 1;
    LoadGame(0);
    RestartBoard();
  }

 protected:
  void PlyAdvancing() override { calls.push_back("advancing"); }
  void PlyResolving() override { calls.push_back(whiteShown ? "resolving white" : "resolving black"); }
  void PlyStarted() override { calls.push_back("started " + std::string(plyDisplayText)); }
  void PlyAdvanced() override { calls.push_back("advanced"); }
  void TrayChanged(int16_t side) override { calls.push_back(side == kWhite ? "white tray" : "black tray"); }
};

class GamePlayTest : public ScratchFolderTest {};

TEST_F(GamePlayTest, PliesAlternateUntilTheResult) {
  RecordingPlay play;
  play.Load("1.e4 e5 2.Nf3 1-0");

  play.AdvancePly();
  EXPECT_EQ(play.moveNumber, 1);
  EXPECT_EQ(play.sideToMove, ChessState::kBlack);
  EXPECT_EQ(play.whiteShown, 1);
  EXPECT_EQ(play.board[Square("e2")], kBlankSquare);
  EXPECT_EQ(play.pendingSquares[Square("e4")], 'p');

  play.AdvancePly();  // applies e4 first: it has not landed
  EXPECT_EQ(play.board[Square("e4")], 'p');
  EXPECT_EQ(play.moveNumber, 1);
  EXPECT_EQ(play.sideToMove, ChessState::kWhite);
  EXPECT_EQ(play.whiteShown, 0);
  EXPECT_STREQ(play.plyDisplayText, "e5");

  play.AdvancePly();
  EXPECT_EQ(play.moveNumber, 2);
  play.AdvancePly();
  EXPECT_EQ(play.gameState, ChessState::kGameOver);
  EXPECT_EQ(play.whiteWon, 1);
  EXPECT_STREQ(play.plyDisplayText, "1-0");
  EXPECT_EQ(play.sideToMove, ChessState::kWhite);
  EXPECT_EQ(BoardText(play.board), "RNBQKBNRPPPP.PPP............P.......p........n..pppp.ppprnbqkb.r");

  EXPECT_EQ(play.calls, (std::vector<std::string>{"advancing", "resolving white", "started e4", "advanced",   //
                                                  "advancing", "resolving black", "started e5", "advanced",   //
                                                  "advancing", "resolving white", "started Nf3", "advanced",  //
                                                  "advancing", "advanced"}));
}

TEST_F(GamePlayTest, AGameEndingOnWhitesMoveMeetsTheResultOnBlacksFetch) {
  RecordingPlay play;
  play.Load("1.e4 1-0");
  play.AdvancePly();
  play.AdvancePly();
  EXPECT_EQ(play.gameState, ChessState::kGameOver);
  EXPECT_EQ(play.moveNumber, 1);
}

TEST_F(GamePlayTest, ALateLandingFeedsTheTrayOnlyOnce) {
  RecordingPlay play;
  play.Load("1. e4 d5 2. exd5 Qxd5 *");
  for (int i = 0; i < 3; ++i) play.AdvancePly();
  play.ApplyPendingSquares();  // the slide landed
  play.pendingApplied = 1;
  EXPECT_EQ(play.capturedBlackCount, 1);
  play.AdvancePly();  // Qxd5: nothing pending is applied again
  EXPECT_EQ(play.capturedBlackCount, 1);
  play.AdvancePly();  // the result applies Qxd5 late and feeds White's tray
  EXPECT_EQ(play.capturedWhiteCount, 1);
  EXPECT_EQ(play.capturedWhite[0], kPawn);
}

TEST_F(GamePlayTest, FetchingPastTheLoadedGameReadsAsItsEnd) {
  RecordingPlay play;
  play.Load("1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 1/2-1/2");
  play.LoadGame(0);
  // A shorter game loaded later never reads the longer game's slots.
  play.FetchPly(5);
  EXPECT_STREQ(play.plyText, "a6");
  play.loadedPlies = 2;
  play.FetchPly(5);
  EXPECT_STREQ(play.plyText, "*");
  play.FetchPly(-1);
  EXPECT_STREQ(play.plyDisplayText, "*");
}

TEST_F(GamePlayTest, TakeBackBeforeAnyPlyDoesNothing) {
  RecordingPlay play;
  play.Load("1. e4 e5 *");
  EXPECT_EQ(play.TakeBackPly(), -1);
  EXPECT_EQ(BoardText(play.board), BoardText(kStartingPosition));
  EXPECT_TRUE(play.calls.empty());
}

TEST_F(GamePlayTest, TakingBackTheFirstPlyRestoresTheStartingPosition) {
  RecordingPlay play;
  play.Load("1. e4 e5 *");
  play.AdvancePly();
  const PlyAnimation shown = play.plyAnimation;
  EXPECT_EQ(play.TakeBackPly(), 0);
  EXPECT_EQ(play.noTrayFeed, 1);
  EXPECT_EQ(play.whiteShown, 1);
  EXPECT_EQ(BoardText(play.pendingSquares), BoardText(kStartingPosition));
  EXPECT_FLOAT_EQ(play.plyAnimation.fromY, shown.toY);
  EXPECT_FLOAT_EQ(play.plyAnimation.toY, shown.fromY);
  EXPECT_FLOAT_EQ(play.plyAnimation.stepY, -shown.stepY);
  EXPECT_EQ(play.squareMarks[Square("e2")], kTouchedMark);
  play.ApplyPendingSquares();
  EXPECT_EQ(BoardText(play.board), BoardText(kStartingPosition));
  EXPECT_EQ(play.capturedWhiteCount + play.capturedBlackCount, 0);
}

TEST_F(GamePlayTest, TakingBackACaptureLeavesTheCapturedPieceStanding) {
  RecordingPlay play;
  play.Load("1. e4 d5 2. exd5 Qxd5 *");
  for (int i = 0; i < 3; ++i) play.AdvancePly();  // exd5 is shown
  EXPECT_EQ(play.TakeBackPly(), 2);
  EXPECT_EQ(play.board[Square("d5")], 'P');           // still there while the pawn slides back
  EXPECT_EQ(play.board[Square("e4")], kBlankSquare);  // lifted off its origin
  EXPECT_EQ(play.pendingSquares[Square("e4")], 'p');
  EXPECT_EQ(play.capturedBlackCount, 0);
  EXPECT_EQ(play.whiteShown, 1);
  play.ApplyPendingSquares();  // the reverse slide lands
  EXPECT_EQ(play.capturedBlackCount, 0);
  EXPECT_EQ(BoardText(play.board), "RNBQKBNRPPP.PPPP...........P........p...........pppp.ppprnbqkbnr");
  // Playing on shows the same ply again.
  play.pendingApplied = 1;
  play.AdvancePly();
  EXPECT_STREQ(play.plyDisplayText, "exd5");
  play.AdvancePly();
  EXPECT_EQ(play.capturedBlackCount, 1);
}

TEST_F(GamePlayTest, PlayingOnDuringATakeBacksSlideCapturesNothing) {
  RecordingPlay play;
  play.Load("1. e4 d5 2. exd5 Qxd5 *");
  play.AdvancePly();
  play.TakeBackPly();  // the whole starting position is pending
  play.AdvancePly();   // before the reverse slide lands
  EXPECT_EQ(play.capturedWhiteCount + play.capturedBlackCount, 0);
  EXPECT_STREQ(play.plyDisplayText, "e4");

  for (int i = 0; i < 2; ++i) play.AdvancePly();  // d5, exd5
  play.TakeBackPly();
  play.AdvancePly();  // exd5 again, the take-back not landed
  EXPECT_EQ(play.capturedBlackCount, 0);
  play.AdvancePly();  // Qxd5: exd5 lands and takes the pawn
  EXPECT_EQ(play.capturedBlackCount, 1);
}

}  // namespace
