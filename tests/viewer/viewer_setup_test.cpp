// Games from set-up positions and Chess960 on the screen: the first frame
// shows the position, the first mover's lamp and move number; a Chess960
// castling slides the king, then the rook; a take-back of the first ply
// returns to the set-up position; a null move passes the turn.
#include <gtest/gtest.h>

#include <string>

#include "art/resource_catalog.h"
#include "common/frame_geometry.h"
#include "tests/support/board_text.h"
#include "tests/support/viewer_session.h"
#include "tests/viewer/pictures.h"

namespace {

using test_support::BoardText;
using test_support::Square;

// A game whose tags say how it starts, before the seven of every test game.
std::string SetUpGame(const std::string& startTags, const std::string& moves, const std::string& result) {
  return startTags + TestGame(moves, result);
}

SessionSetup WithGame(const std::string& pgn) {
  SessionSetup setup;
  setup.pgn = pgn;
  setup.settings.pieceSpeed = 10;  // 5 pixels a frame
  return setup;
}

// True when the turn lamp beside Black's half (the top one) is the lit one.
bool TopLampLit(const ViewerApp& app) { return app.scene().lampSide == 0; }

// The standing piece at (row, file) shows on the piece layer.
bool ShowsPieceAt(const Picture& layer, LPDIRECTDRAWSURFACE sprite, int row, int file) {
  const frame_geometry::ScreenPoint place = frame_geometry::SpritePlace(row, file);
  return ShowsKeyed(layer, ReadSurface(sprite), place.x, place.y);
}

constexpr char kBlackToMove[] = "[FEN \"4k3/8/8/3p4/8/8/8/4K2R b K - 0 31\"]\n";

}  // namespace

TEST(ViewerSetUp, TheFirstFrameShowsTheSetUpPositionAndTheFirstMover) {
  ViewerSession session(WithGame(SetUpGame(kBlackToMove, "31... Kf7 32. O-O Kg6", "*")));
  ViewerApp& app = session.Start();
  EXPECT_EQ(BoardText(app.chess().board()), "....K......................P................................k..r");
  EXPECT_EQ(app.chess().moveNumber(), 31);
  EXPECT_EQ(app.chess().sideToMove(), ChessState::kBlack);
  EXPECT_TRUE(TopLampLit(app)) << "Black's lamp";
  EXPECT_EQ(app.chess().capturedWhiteCount() + app.chess().capturedBlackCount(), 0);
  session.FinishIntro();
  const Picture layer = ReadSurface(app.surfaces().pieceLayer);
  EXPECT_TRUE(ShowsPieceAt(layer, app.surfaces().blackPieces[kKing], 0, 4));
  EXPECT_TRUE(ShowsPieceAt(layer, app.surfaces().blackPieces[kPawn], 3, 3));
  EXPECT_TRUE(ShowsPieceAt(layer, app.surfaces().whitePieces[kRook], 7, 7));
}

TEST(ViewerSetUp, BlackPlaysFirstAndTheMoveNumberIsTheFensOwn) {
  ViewerSession session(WithGame(SetUpGame(kBlackToMove, "31... Kf7 32. O-O Kg6", "*")));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  EXPECT_STREQ(app.chess().plyDisplayText(), "Kf7");
  EXPECT_EQ(app.chess().moveNumber(), 31);
  EXPECT_EQ(app.chess().whiteShown(), 0);
  EXPECT_TRUE(TopLampLit(app)) << "Black's lamp while Black's ply slides";
  session.FramesUntilLanded();
  session.Frames(40);
  EXPECT_FALSE(TopLampLit(app)) << "White to move once it settled";
  session.Tick();
  session.FramesUntilLanded();
  EXPECT_EQ(app.chess().moveNumber(), 32);
  EXPECT_EQ(app.chess().board()[Square("g1")], 'k');
  EXPECT_EQ(app.chess().board()[Square("f1")], 'r');
}

TEST(ViewerSetUp, TakingBackTheFirstPlyReturnsToTheSetUpPosition) {
  ViewerSession session(WithGame(SetUpGame(kBlackToMove, "31... Kf7 32. O-O", "*")));
  ViewerApp& app = session.Start();
  const std::string start = BoardText(app.chess().board());
  session.FinishIntro();
  session.Tick();
  session.FramesUntilLanded();
  session.Press(kLeftKey);
  EXPECT_EQ(app.chess().whiteShown(), 0) << "Black's king slides back";
  EXPECT_TRUE(TopLampLit(app));
  session.FramesUntilLanded();
  EXPECT_EQ(BoardText(app.chess().board()), start);
  EXPECT_EQ(app.chess().moveNumber(), 31);
  EXPECT_EQ(app.chess().sideToMove(), ChessState::kBlack);
  EXPECT_EQ(app.chess().capturedWhiteCount() + app.chess().capturedBlackCount(), 0);
  session.Press(kLeftKey);  // nothing more to take back
  EXPECT_EQ(BoardText(app.chess().board()), start);
}

TEST(ViewerSetUp, AGameOfNoPlyShowsItsPositionAndResult) {
  ViewerSession session(WithGame(SetUpGame("[FEN \"4k3/8/8/8/8/8/8/4K2Q b - - 0 1\"]\n", "", "1/2-1/2")));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  EXPECT_EQ(app.chess().gameState(), ChessState::kGameOver);
  EXPECT_EQ(app.chess().drawn(), 1);
  EXPECT_EQ(app.chess().board()[Square("h1")], 'q');
}

// Chess960, king on b1 and rook on a1: O-O-O takes the king to c1 and the
// rook to d1. The king slides first; the rook stands on a1 meanwhile, then
// slides while the king stands on c1.
TEST(ViewerSetUp, AChess960CastlingSlidesTheKingThenTheRook) {
  ViewerSession session(WithGame(
      SetUpGame("[Variant \"Chess960\"]\n[FEN \"rk5r/8/8/8/8/8/8/RK5R w KQkq - 0 1\"]\n", "1. O-O-O Kc8", "*")));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  ASSERT_EQ(app.scene().plyAnimation.pieceKind, kKing);
  EXPECT_TRUE(app.scene().rookSlideWaits);
  const Picture rook = ReadSurface(app.surfaces().whitePieces[kRook]);
  const Picture king = ReadSurface(app.surfaces().whitePieces[kKing]);
  const frame_geometry::ScreenPoint a1 = frame_geometry::SpritePlace(7, 0);
  const frame_geometry::ScreenPoint c1 = frame_geometry::SpritePlace(7, 2);
  session.Frame();
  EXPECT_TRUE(ShowsKeyed(LastFrame(), rook, a1.x, a1.y)) << "the rook waits on a1";
  EXPECT_EQ(app.chess().board()[Square("a1")], kBlankSquare) << "both have left the board";
  int frames = 0;
  while (app.scene().plyAnimation.pieceKind == kKing && frames < 200) {
    session.Frame();
    ++frames;
  }
  ASSERT_EQ(app.scene().plyAnimation.pieceKind, kRook) << "the rook's turn";
  EXPECT_GT(app.scene().animFrame, 0);
  session.Frame();
  EXPECT_TRUE(ShowsKeyed(LastFrame(), king, c1.x, c1.y)) << "the king stands on c1";
  session.TakeSounds();
  session.FramesUntilLanded();
  EXPECT_EQ(app.chess().board()[Square("c1")], 'k');
  EXPECT_EQ(app.chess().board()[Square("d1")], 'r');
  EXPECT_EQ(app.chess().capturedBlackCount() + app.chess().capturedWhiteCount(), 0);
  const std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds[0], static_cast<unsigned>(IDW_CASTLING)) << "one landing, the castling's sound";
}

TEST(ViewerSetUp, ANullMovePassesTheTurnWithoutASlide) {
  ViewerSession session(WithGame(TestGame("1. e4 -- 2. d4", "*")));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  session.FramesUntilLanded();
  const std::string before = BoardText(app.chess().board());
  session.Tick();
  EXPECT_STREQ(app.chess().plyDisplayText(), "--");
  EXPECT_EQ(app.scene().animFrame, -1) << "lands at the next frame";
  session.Frame();
  EXPECT_EQ(BoardText(app.chess().board()), before);
  EXPECT_EQ(app.chess().sideToMove(), ChessState::kWhite);
  session.Tick();
  session.FramesUntilLanded();
  EXPECT_EQ(app.chess().board()[Square("d4")], 'p');
}
