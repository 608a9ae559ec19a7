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

// Records what each ply did, in the order it happened: the ply starts, a
// late landing may feed a tray, a move is resolved and starts, the ply ends.
class RecordingPlay : public QuietGamePlay {
 public:
  std::vector<std::string> calls;

  void Load(const std::string& moves) {
    WriteWholeFile("game.pgn", "[Event \"E\"]\n\n" + moves + "\n");
    IndexFile("game.pgn");
    games.SetCurrentGame(1);
    LoadAndStart(0);
  }

  PlyOutcome AdvancePly() {
    calls.push_back("advancing");
    const PlyOutcome outcome = QuietGamePlay::AdvancePly();
    if (outcome.trayChanges.white) calls.push_back("white tray");
    if (outcome.trayChanges.black) calls.push_back("black tray");
    if (outcome.resolved) {
      calls.push_back(outcome.side == ChessState::kWhite ? "resolving white" : "resolving black");
      calls.push_back("started " + std::string(outcome.move));
    }
    calls.push_back("advanced");
    return outcome;
  }
};

class GamePlayTest : public ScratchFolderTest {};

TEST_F(GamePlayTest, PliesAlternateUntilTheResult) {
  RecordingPlay play;
  play.Load("1.e4 e5 2.Nf3 1-0");

  play.AdvancePly();
  EXPECT_EQ(play.chess.moveNumber(), 1);
  EXPECT_EQ(play.chess.sideToMove(), ChessState::kBlack);
  EXPECT_EQ(play.chess.whiteShown(), 1);
  EXPECT_EQ(play.chess.board()[Square("e2")], kBlankSquare);
  EXPECT_EQ(play.chess.pendingSquares()[Square("e4")], 'p');

  play.AdvancePly();  // applies e4 first: it has not landed
  EXPECT_EQ(play.chess.board()[Square("e4")], 'p');
  EXPECT_EQ(play.chess.moveNumber(), 1);
  EXPECT_EQ(play.chess.sideToMove(), ChessState::kWhite);
  EXPECT_EQ(play.chess.whiteShown(), 0);
  EXPECT_STREQ(play.chess.plyDisplayText(), "e5");

  play.AdvancePly();
  EXPECT_EQ(play.chess.moveNumber(), 2);
  play.AdvancePly();
  EXPECT_EQ(play.chess.gameState(), ChessState::kGameOver);
  EXPECT_EQ(play.chess.whiteWon(), 1);
  EXPECT_STREQ(play.chess.plyDisplayText(), "1-0");
  EXPECT_EQ(play.chess.sideToMove(), ChessState::kWhite);
  EXPECT_EQ(BoardText(play.chess.board()), "RNBQKBNRPPPP.PPP............P.......p........n..pppp.ppprnbqkb.r");

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
  EXPECT_EQ(play.chess.gameState(), ChessState::kGameOver);
  EXPECT_EQ(play.chess.moveNumber(), 1);
}

TEST_F(GamePlayTest, ALateLandingFeedsTheTrayOnlyOnce) {
  RecordingPlay play;
  play.Load("1. e4 d5 2. exd5 Qxd5 *");
  for (int i = 0; i < 3; ++i) play.AdvancePly();
  play.chess.LandPendingSquares();  // the slide landed
  EXPECT_EQ(play.chess.capturedBlackCount(), 1);
  play.AdvancePly();  // Qxd5: nothing pending is applied again
  EXPECT_EQ(play.chess.capturedBlackCount(), 1);
  play.AdvancePly();  // the result applies Qxd5 late and feeds White's tray
  EXPECT_EQ(play.chess.capturedWhiteCount(), 1);
  EXPECT_EQ(play.chess.capturedWhite()[0], kPawn);
}

TEST_F(GamePlayTest, FetchingPastTheLoadedGameReadsAsItsEnd) {
  RecordingPlay play;
  play.Load("1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 1/2-1/2");
  play.games.LoadGame(0);
  // A shorter game loaded later never reads the longer game's slots.
  PlyLists plies = play.games.plies();
  char text[100], displayText[100];
  plies.Fetch(5, text, displayText);
  EXPECT_STREQ(text, "a6");
  plies.loadedPlies = 2;
  plies.Fetch(5, text, displayText);
  EXPECT_STREQ(text, "*");
  plies.Fetch(-1, text, displayText);
  EXPECT_STREQ(displayText, "*");
}

TEST_F(GamePlayTest, TakeBackBeforeAnyPlyDoesNothing) {
  RecordingPlay play;
  play.Load("1. e4 e5 *");
  EXPECT_EQ(play.TakeBackPly(), -1);
  EXPECT_EQ(BoardText(play.chess.board()), BoardText(kStartingPosition));
  EXPECT_TRUE(play.calls.empty());
}

TEST_F(GamePlayTest, TakingBackTheFirstPlyRestoresTheStartingPosition) {
  RecordingPlay play;
  play.Load("1. e4 e5 *");
  play.AdvancePly();
  const PlyAnimation shown = play.chess.plyAnimation();
  EXPECT_EQ(play.TakeBackPly(), 0);
  EXPECT_EQ(play.chess.noTrayFeed(), 1);
  EXPECT_EQ(play.chess.whiteShown(), 1);
  EXPECT_EQ(BoardText(play.chess.pendingSquares()), BoardText(kStartingPosition));
  EXPECT_FLOAT_EQ(play.chess.plyAnimation().fromY, shown.toY);
  EXPECT_FLOAT_EQ(play.chess.plyAnimation().toY, shown.fromY);
  EXPECT_FLOAT_EQ(play.chess.plyAnimation().stepY, -shown.stepY);
  EXPECT_EQ(play.chess.squareMarks()[Square("e2")], kTouchedMark);
  play.chess.ApplyPendingSquares();
  EXPECT_EQ(BoardText(play.chess.board()), BoardText(kStartingPosition));
  EXPECT_EQ(play.chess.capturedWhiteCount() + play.chess.capturedBlackCount(), 0);
}

TEST_F(GamePlayTest, TakingBackACaptureLeavesTheCapturedPieceStanding) {
  RecordingPlay play;
  play.Load("1. e4 d5 2. exd5 Qxd5 *");
  for (int i = 0; i < 3; ++i) play.AdvancePly();  // exd5 is shown
  EXPECT_EQ(play.TakeBackPly(), 2);
  EXPECT_EQ(play.chess.board()[Square("d5")], 'P');           // still there while the pawn slides back
  EXPECT_EQ(play.chess.board()[Square("e4")], kBlankSquare);  // lifted off its origin
  EXPECT_EQ(play.chess.pendingSquares()[Square("e4")], 'p');
  EXPECT_EQ(play.chess.capturedBlackCount(), 0);
  EXPECT_EQ(play.chess.whiteShown(), 1);
  play.chess.LandPendingSquares();  // the reverse slide lands
  EXPECT_EQ(play.chess.capturedBlackCount(), 0);
  EXPECT_EQ(BoardText(play.chess.board()), "RNBQKBNRPPP.PPPP...........P........p...........pppp.ppprnbqkbnr");
  // Playing on shows the same ply again.
  play.AdvancePly();
  EXPECT_STREQ(play.chess.plyDisplayText(), "exd5");
  play.AdvancePly();
  EXPECT_EQ(play.chess.capturedBlackCount(), 1);
}

TEST_F(GamePlayTest, PlayingOnDuringATakeBacksSlideCapturesNothing) {
  RecordingPlay play;
  play.Load("1. e4 d5 2. exd5 Qxd5 *");
  play.AdvancePly();
  play.TakeBackPly();  // the whole starting position is pending
  play.AdvancePly();   // before the reverse slide lands
  EXPECT_EQ(play.chess.capturedWhiteCount() + play.chess.capturedBlackCount(), 0);
  EXPECT_STREQ(play.chess.plyDisplayText(), "e4");

  for (int i = 0; i < 2; ++i) play.AdvancePly();  // d5, exd5
  play.TakeBackPly();
  play.AdvancePly();  // exd5 again, the take-back not landed
  EXPECT_EQ(play.chess.capturedBlackCount(), 0);
  play.AdvancePly();  // Qxd5: exd5 lands and takes the pawn
  EXPECT_EQ(play.chess.capturedBlackCount(), 1);
}

}  // namespace
