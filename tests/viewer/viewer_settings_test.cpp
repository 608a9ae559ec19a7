// The settings file as the viewer applies it at start-up, and settings at
// the edges of their ranges: nothing may make the viewer repeat sounds
// every frame or stop playing.
#include <gtest/gtest.h>

#include "tests/viewer/viewer_session.h"

namespace {

SessionSetup WithSettings(std::vector<uint8_t> settings) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5 2.Nf3 Nc6 3.Bb5 a6", "1/2-1/2");
  setup.settings = std::move(settings);
  return setup;
}

SessionSetup WithSetting(int offset, uint8_t value) {
  std::vector<uint8_t> settings = TestSettings();
  settings[offset] = value;
  return WithSettings(settings);
}

}  // namespace

TEST(ViewerSettings, MoveDelayGivesDelayAndFirstSlideTime) {
  {
    ViewerSession session(WithSetting(kMoveDelayByte, 0));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.delayMs, 0);
    EXPECT_EQ(app.moveFrames, 60);
  }
  {
    ViewerSession session(WithSetting(kMoveDelayByte, 4));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.delayMs, 2000);
    EXPECT_EQ(app.moveFrames, 1000);
  }
  {
    ViewerSession session(WithSetting(kMoveDelayByte, 0xFE));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.delayMs, -1000);
    EXPECT_EQ(app.moveFrames, 60);
  }
}

TEST(ViewerSettings, AnimationStylesGiveLiftHeights) {
  const struct {
    uint8_t style;
    int16_t animate, liftMax, liftStep;
  } styles[] = {{0, 0, 0, 0}, {1, 1, 0, 0}, {2, 1, 14, 2}, {3, 1, 30, 5}, {4, 1, 100, 10}, {5, 0, 0, 0}};
  for (const auto& style : styles) {
    ViewerSession session(WithSetting(kAnimationStyleByte, style.style));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.animate, style.animate) << int{style.style};
    EXPECT_EQ(app.liftMax, style.liftMax) << int{style.style};
    EXPECT_EQ(app.liftStep, style.liftStep) << int{style.style};
  }
}

TEST(ViewerSettings, FlagsAreOnOnlyForTheValueOne) {
  std::vector<uint8_t> settings = TestSettings();
  settings[kAutoplayByte] = 2;
  settings[kScrollForeverByte] = 255;
  settings[kRandomOrderByte] = 2;
  settings[kWaitForAnnouncementsByte] = 7;
  ViewerSession session(WithSettings(settings));
  ViewerApp& app = session.Start();
  EXPECT_EQ(app.paused, 1);
  EXPECT_EQ(app.pinTicker, 1);
  EXPECT_EQ(app.randomOrder, 0);
  EXPECT_EQ(app.holdForTicker, 0);
}

TEST(ViewerSettings, ShortFileKeepsTheViewersOwnDefaultsPastItsEnd) {
  ViewerSession session(WithSettings({1, 2, 3}));
  ViewerApp& app = session.Start();
  EXPECT_EQ(app.fullScreenCopy, 0);
  EXPECT_EQ(app.delayMs, 1000);
  EXPECT_EQ(app.gameEndWait, 3);
  EXPECT_EQ(app.openingWait, 10);
  EXPECT_EQ(app.whitePieceSet, 7);
  EXPECT_EQ(app.blackPieceSet, 1);
  EXPECT_EQ(app.animate, 1);
  EXPECT_EQ(app.liftMax, 20);
}

TEST(ViewerSettings, LayoutsFileOfThirteenBytesHoldsTwoLayouts) {
  SessionSetup setup = WithSettings(TestSettings());
  setup.layouts = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  ViewerSession session(setup);
  EXPECT_EQ(session.Start().layouts.layoutCount, 2);
}

// A piece speed past 20 would make the slide time negative: it counts as
// the fastest speed, and the plies slide and land once each.
TEST(ViewerSettings, PieceSpeedPastTheRangeCountsAsTheFastest) {
  ViewerSession session(WithSetting(kPieceSpeedByte, 25));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  EXPECT_EQ(app.moveFrames, 1600) << "as for speed 20 at 10 frames a second";
  session.TakeSounds();
  session.Tick();
  session.FramesUntilLanded();
  session.Frames(5);
  EXPECT_EQ(app.board[36], 'p');
  EXPECT_EQ(session.TakeSounds().size(), 2u) << "landing and settling";
}

// A very negative move delay gives a negative timer period: the timer
// takes its shortest period and play goes on.
TEST(ViewerSettings, NegativeTimerPeriodTakesTheShortestOne) {
  ViewerSession session(WithSetting(kMoveDelayByte, 0x80));  // -64 s
  ViewerApp& app = session.Start();
  session.FinishIntro();
  headless::AdvanceClock(10);
  session.Pump();
  EXPECT_EQ(app.moveNumber, 1);
}

// A negative move delay makes the settling time negative: the settling
// sound must come once per ply, not on every frame.
TEST(ViewerSettings, NegativeMoveDelaySettlesOncePerPly) {
  ViewerSession session(WithSetting(kMoveDelayByte, 0xFE));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.TakeSounds();
  session.Frames(20);
  EXPECT_TRUE(session.TakeSounds().empty());
  session.Tick();
  EXPECT_EQ(app.moveNumber, 1);
  session.FramesUntilLanded();
  session.Frames(5);  // the next tick is 600 ms away
  const std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_TRUE(sounds[1] >= 125 && sounds[1] <= 127) << sounds[1];
}

TEST(ViewerSettings, SoundOffPlaysNothing) {
  ViewerSession session(WithSetting(kSoundByte, 0));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  session.FramesUntilLanded();
  session.Frames(10);
  EXPECT_EQ(app.moveNumber, 1);
  EXPECT_TRUE(headless::Sounds().empty());
}
