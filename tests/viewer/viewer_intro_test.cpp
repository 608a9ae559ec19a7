// The first eight seconds: intro lines and the king on the console, the
// intro music, the frame-rate measurement and the play timer derived from it.
#include <gtest/gtest.h>

#include <string>

#include "common/frame_geometry.h"
#include "tests/support/viewer_session.h"
#include "tests/viewer/pictures.h"

namespace {

SessionSetup OneGame() {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5 2.Nf3", "1-0");
  return setup;
}

}  // namespace

TEST(ViewerIntro, ShowsOneLinePerSecondWithTheKingOnItsHomeSquare) {
  ViewerSession session(OneGame());
  ViewerApp& app = session.Start();
  const char* const lines[8] = {"              ", "Tarnw         ", "Tarnwicke     ", "Tarnwicket    ",
                                "Tarnwicket 1.0", "by: Ordo Velux", "by: Ordo Velux", "              "};
  for (int second = 0; second < 8; ++second) {
    while (app.frameRate().secondsCounted < second) session.Frame(100);
    session.Frame(100);
    ASSERT_EQ(app.frameRate().secondsCounted, second);
    const Picture frame = LastFrame();
    const frame_geometry::TextField ticker = frame_geometry::kTickerField;
    EXPECT_TRUE(ShowsText(frame, app.surfaces(), ticker.x, ticker.y, lines[second], ticker.cells))
        << "second " << second;
    // The white king on e1.
    const frame_geometry::ScreenPoint e1 = frame_geometry::SpritePlace(7, 4);
    EXPECT_TRUE(ShowsKeyed(frame, ReadSurface(app.surfaces().whitePieces[kKing]), e1.x, e1.y));
  }
  EXPECT_EQ(app.chess().moveNumber(), 0) << "no ply is played during the intro";
}

TEST(ViewerIntro, MusicStartsOnceWhenTheFirstLineShows) {
  ViewerSession session(OneGame());
  session.Start();
  session.Frames(9, 100);
  EXPECT_TRUE(session.TakeSounds().empty()) << "silent in second 0";
  session.FinishIntro();
  const std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_EQ(sounds.size(), 1u);
  EXPECT_TRUE(sounds[0] == 145 || sounds[0] == 146) << sounds[0];
}

TEST(ViewerIntro, MeasuredRateGivesSlideFramesAndTimerPeriod) {
  SessionSetup setup = OneGame();
  setup.settings.moveDelay = 2;    // 1000 ms
  setup.settings.pieceSpeed = 10;  // K = 5
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro(10);  // 100 frames a second
  EXPECT_EQ(app.frameRate().fps, 100);
  EXPECT_EQ(app.play().moveFrames, 800);

  // The first tick comes 1800 ms after the measurement ended, and plays the
  // first ply (no opening wait).
  headless::AdvanceClock(1799);
  session.Pump();
  EXPECT_EQ(app.chess().moveNumber(), 0);
  headless::AdvanceClock(1);
  session.Pump();
  EXPECT_EQ(app.chess().moveNumber(), 1);
  headless::AdvanceClock(1800);
  session.Pump();
  EXPECT_EQ(app.chess().sideToMove(), ChessState::kWhite) << "Black's first ply on the second tick";
}

TEST(ViewerIntro, StartsWithTheMoveDelayAsSlideTimeUntilMeasured) {
  SessionSetup setup = OneGame();
  setup.settings.moveDelay = 4;
  ViewerSession session(setup);
  EXPECT_EQ(session.Start().play().moveFrames, 1000);
}

TEST(ViewerIntro, EnterIsIgnoredDuringTheIntroAndStartsTheNextGameAfterIt) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0", "First, White") + TestGame("1.d4 d5", "0-1", "Second, White");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.Frames(20, 100);
  session.Press(kEnterKey);
  EXPECT_EQ(app.games().currentGame(), 1);
  session.FinishIntro();
  session.Tick();
  ASSERT_EQ(app.chess().moveNumber(), 1);
  session.Press(kEnterKey);
  EXPECT_EQ(app.games().currentGame(), 2);
  EXPECT_EQ(app.chess().moveNumber(), 0);
  EXPECT_STREQ(app.shownHeaderLine(4), "Second, White");
}
