// The scene while games play: the slide and its landing, captures going to
// the trays, the sounds of moves, captures, castling, check and result, the
// blinking result lamp, and golden frames of the intro, a slide and a tray.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/frame_geometry.h"
#include "tests/support/board_text.h"
#include "tests/support/viewer_session.h"
#include "tests/viewer/pictures.h"
#include "viewer/show/slide_arrival.h"

namespace {

bool IsOneOf(unsigned sound, unsigned first, unsigned last) { return sound >= first && sound <= last; }

// Plays plies one tick each, letting each slide land, until `plies` plies
// have been shown; returns the sounds of the last landing frame onwards.
std::vector<unsigned> PlayAndLand(ViewerSession& session, int plies) {
  for (int i = 0; i < plies; ++i) {
    session.Tick();
    session.TakeSounds();
    session.FramesUntilLanded();
  }
  return session.TakeSounds();
}

using test_support::Square;

}  // namespace

TEST(ViewerScene, SlideLandsOnTheFrameBeforeItWouldPassItsDestination) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  setup.settings.pieceSpeed = 10;  // 5 pixels a frame
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.TakeSounds();
  session.Tick();
  ASSERT_EQ(app.scene().animFrame, 1);
  EXPECT_EQ(app.chess().board()[Square("e2")], ' ') << "the pawn left its square";
  EXPECT_EQ(app.chess().pendingSquares()[Square("e4")], 'p');
  int frames = 0;
  while (app.scene().animFrame != 0 && frames < 100) {
    session.Frame();
    ++frames;
  }
  // 100 pixels at 5 a frame: drawn after 1 to 19 steps, landed on frame 20.
  EXPECT_EQ(frames, 20);
  EXPECT_EQ(app.chess().board()[Square("e4")], 'p');
  EXPECT_EQ(app.chess().pendingApplied(), 1);
  // At 10 frames a second and a 500 ms delay the ply settles on the same
  // frame, with its own sound.
  const std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_TRUE(IsOneOf(sounds[0], 137, 139)) << sounds[0];
  EXPECT_TRUE(IsOneOf(sounds[1], 125, 127)) << sounds[1];
}

TEST(ViewerScene, SlideLandsAsSoonAsEitherAxisArrives) {
  SessionSetup setup;
  setup.pgn = TestGame("1.Nf3 Nf6", "1-0");
  setup.settings.pieceSpeed = 12;  // 6 pixels a frame, 3 along the short leg
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  ASSERT_EQ(app.scene().plyAnimation.stepX, -3.0f);
  ASSERT_EQ(app.scene().plyAnimation.stepY, -6.0f);
  // Quicken the vertical axis: it arrives long before the horizontal one.
  // Each frame tests the arrival first, then moves the piece on.
  PlyAnimation slide = app.scene().plyAnimation;
  slide.stepY = -25.0f;
  int frames = 1;
  for (; !SlideArrives(slide) && frames < 100; ++frames) {
    slide.fromX += slide.stepX;
    slide.fromY += slide.stepY;
  }
  EXPECT_EQ(frames, 4) << "100 pixels at 25 a frame";
  EXPECT_GT(slide.fromX, slide.toX) << "x had not arrived";
  session.FramesUntilLanded();
  EXPECT_EQ(app.chess().board()[Square("f3")], 'n');
}

TEST(ViewerScene, PlyWithoutAnimationLandsOnTheNextFrame) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  setup.settings.animationStyle = 0;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.TakeSounds();
  session.Tick();
  EXPECT_EQ(app.scene().animFrame, -1);
  session.Frame();
  EXPECT_EQ(app.scene().animFrame, 0);
  EXPECT_EQ(app.chess().board()[Square("e4")], 'p');
  const std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_TRUE(IsOneOf(sounds[0], 137, 139)) << "landing at once: " << sounds[0];
}

TEST(ViewerScene, CaptureGoesToItsTrayWithACaptureSound) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 d5 2.exd5 Qxd5", "1/2-1/2");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  std::vector<unsigned> sounds = PlayAndLand(session, 3);
  ASSERT_FALSE(sounds.empty());
  EXPECT_TRUE(IsOneOf(sounds[0], 130, 132)) << sounds[0];
  EXPECT_EQ(app.chess().capturedBlackCount(), 1);
  EXPECT_EQ(app.chess().capturedBlack()[0], kPawn);
  // The captured black pawn stands first in the lower tray, shifted right.
  session.Frame();
  const frame_geometry::ScreenPoint blackSlot = frame_geometry::TraySlotPlace(false, 0);
  EXPECT_EQ(blackSlot.x, frame_geometry::kTrayColumns[0] + frame_geometry::kTrayRowShift);
  EXPECT_TRUE(ShowsKeyed(ReadSurface(app.surfaces().sceneBackground), ReadSurface(app.surfaces().blackPieces[kPawn]),
                         blackSlot.x, blackSlot.y));
  EXPECT_TRUE(ShowsKeyed(LastFrame(), ReadSurface(app.surfaces().blackPieces[kPawn]), blackSlot.x, blackSlot.y));

  sounds = PlayAndLand(session, 1);
  ASSERT_FALSE(sounds.empty());
  EXPECT_TRUE(IsOneOf(sounds[0], 130, 132)) << sounds[0];
  EXPECT_EQ(app.chess().capturedWhiteCount(), 1);
  const frame_geometry::ScreenPoint whiteSlot = frame_geometry::TraySlotPlace(true, 0);
  EXPECT_TRUE(ShowsKeyed(ReadSurface(app.surfaces().sceneBackground), ReadSurface(app.surfaces().whitePieces[kPawn]),
                         whiteSlot.x, whiteSlot.y));
}

TEST(ViewerScene, EnPassantPlaysTheOrdinarySoundAndFillsNoTray) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 a6 2.e5 d5 3.exd6", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayAndLand(session, 4);
  session.Tick();
  EXPECT_EQ(app.chess().board()[Square("d5")], ' ') << "the captured pawn goes at once";
  session.TakeSounds();
  session.FramesUntilLanded();
  const std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_FALSE(sounds.empty());
  EXPECT_TRUE(IsOneOf(sounds[0], 137, 139)) << sounds[0];
  EXPECT_EQ(app.chess().capturedBlackCount(), 0);
  EXPECT_EQ(app.chess().board()[Square("d6")], 'p');
}

TEST(ViewerScene, CastlingHasItsOwnSoundAndTheRookArrivesWithTheKing) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5 2.Nf3 Nc6 3.Bc4 Bc5 4.O-O", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayAndLand(session, 6);
  session.Tick();
  EXPECT_EQ(app.chess().board()[Square("h1")], ' ');
  EXPECT_EQ(app.chess().board()[Square("f1")], ' ') << "the rook shows when the king lands";
  session.TakeSounds();
  session.FramesUntilLanded();
  const std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds[0], 147u);
  EXPECT_EQ(app.chess().board()[Square("g1")], 'k');
  EXPECT_EQ(app.chess().board()[Square("f1")], 'r');
}

TEST(ViewerScene, CheckAndResultHaveTheirSoundsAfterTheLanding) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 f6 2.Qh5+", "1-0");
  setup.settings.moveDelay = 20;  // ticks far apart: sounds come between them
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayAndLand(session, 2);
  session.Tick();
  session.TakeSounds();
  session.Frames(300);
  std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_EQ(sounds.size(), 3u);
  EXPECT_TRUE(IsOneOf(sounds[0], 137, 139)) << "landing " << sounds[0];
  EXPECT_TRUE(IsOneOf(sounds[1], 125, 127)) << "settling " << sounds[1];
  EXPECT_TRUE(IsOneOf(sounds[2], 133, 135)) << "check " << sounds[2];

  session.Tick();  // Black's ply: the result
  EXPECT_EQ(app.chess().gameState(), ChessState::kGameOver);
  EXPECT_EQ(app.chess().whiteWon(), 1);
  session.Frames(app.play().moveFrames / 20 + 10);
  sounds = session.TakeSounds();
  ASSERT_EQ(std::count(sounds.begin(), sounds.end(), 140u), 1);
  session.Frames(50);
  EXPECT_TRUE(session.TakeSounds().empty()) << "the result sound plays once";
}

TEST(ViewerScene, WinnersResultLampBlinksOnItsSideEveryTwentyFrames) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "0-1");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Ticks(3);
  ASSERT_EQ(app.chess().blackWon(), 1);
  const Picture off = ReadSurface(app.surfaces().resultLamps[0]);
  const Picture lit = ReadSurface(app.surfaces().resultLamps[1]);
  ASSERT_NE(off.pixels, lit.pixels) << "the lamps must differ for this test";
  // blinkCount runs 1..19 in the first lit period, 20..39 in the dark one.
  for (int frame = 1; frame <= 60; ++frame) {
    session.Frame();
    const bool litPeriod = (app.scene().blinkCount / 20) % 2 == 0;
    const Picture shown = LastFrame();
    EXPECT_TRUE(
        ShowsKeyed(shown, litPeriod ? lit : off, frame_geometry::kTopResultLamp.x, frame_geometry::kTopResultLamp.y))
        << "frame " << frame;
    EXPECT_TRUE(ShowsKeyed(shown, off, frame_geometry::kBottomResultLamp.x, frame_geometry::kBottomResultLamp.y))
        << "frame " << frame;
  }
  EXPECT_EQ(app.scene().blinkCount, 60);
}

TEST(ViewerScene, GoldenIntroFrame) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0", "Golden, White", "Golden, Black");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  while (app.frameRate().secondsCounted < 4) session.Frame(100);
  EXPECT_EQ(CompareWithGolden(LastFrame(), "intro-version-line.png"), 0);
}

TEST(ViewerScene, GoldenMidSlideFrameLiftsThePieceOverItsShadow) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0", "Golden, White", "Golden, Black");
  setup.settings.pieceSpeed = 10;     // 5 pixels a frame
  setup.settings.animationStyle = 4;  // high jumping
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  session.Frames(10);  // halfway from e2 to e4
  ASSERT_EQ(app.scene().liftShown, -90);
  const Picture frame = LastFrame();
  const int x = static_cast<int>(app.scene().plyAnimation.fromX);
  const int y = static_cast<int>(app.scene().plyAnimation.fromY);
  EXPECT_TRUE(ShowsKeyed(frame, ReadSurface(app.surfaces().whitePieces[kPawn]), x, y - 90));
  EXPECT_EQ(CompareWithGolden(frame, "mid-slide-lifted-pawn.png"), 0);
}

TEST(ViewerScene, GoldenFrameAfterACaptureShowsTheTray) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 d5 2.exd5 Qxd5", "1/2-1/2", "Golden, White", "Golden, Black");
  ViewerSession session(setup);
  session.FinishIntro();
  PlayAndLand(session, 3);
  session.Frames(5);
  EXPECT_EQ(CompareWithGolden(LastFrame(), "capture-in-tray.png"), 0);
}
