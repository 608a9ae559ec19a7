// The settings file as the viewer applies it at start-up, and settings at
// the edges of their ranges: nothing may make the viewer repeat sounds
// every frame or stop playing.
#include <gtest/gtest.h>

#include "tests/support/viewer_session.h"

namespace {

SessionSetup WithSettings(const SettingsRecord& settings) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5 2.Nf3 Nc6 3.Bb5 a6", "1/2-1/2");
  setup.settings = settings;
  return setup;
}

// A settings file of these bytes, whatever its length.
SessionSetup WithSettingsBytes(std::vector<uint8_t> bytes) {
  SessionSetup setup = WithSettings(TestSettings());
  setup.settingsBytes = std::move(bytes);
  return setup;
}

// The test settings with one field's byte changed.
template <typename Field>
SessionSetup WithSetting(Field SettingsRecord::*field, int byte) {
  SettingsRecord settings = TestSettings();
  settings.*field = static_cast<Field>(byte);
  return WithSettings(settings);
}

}  // namespace

TEST(ViewerSettings, MoveDelayGivesDelayAndFirstSlideTime) {
  {
    ViewerSession session(WithSetting(&SettingsRecord::moveDelay, 0));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.options().delayMs, 0);
    EXPECT_EQ(app.play().moveFrames, 60);
  }
  {
    ViewerSession session(WithSetting(&SettingsRecord::moveDelay, 4));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.options().delayMs, 2000);
    EXPECT_EQ(app.play().moveFrames, 1000);
  }
  {
    ViewerSession session(WithSetting(&SettingsRecord::moveDelay, 0xFE));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.options().delayMs, -1000);
    EXPECT_EQ(app.play().moveFrames, 60);
  }
}

TEST(ViewerSettings, AnimationStylesGiveLiftHeights) {
  const struct {
    uint8_t style;
    int16_t animate, liftMax, liftStep;
  } styles[] = {{0, 0, 0, 0}, {1, 1, 0, 0}, {2, 1, 14, 2}, {3, 1, 30, 5}, {4, 1, 100, 10}, {5, 0, 0, 0}};
  for (const auto& style : styles) {
    ViewerSession session(WithSetting(&SettingsRecord::animationStyle, style.style));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.options().animate, style.animate) << int{style.style};
    EXPECT_EQ(app.options().liftMax, style.liftMax) << int{style.style};
    EXPECT_EQ(app.options().liftStep, style.liftStep) << int{style.style};
  }
}

TEST(ViewerSettings, FlagsAreOnOnlyForTheValueOne) {
  SettingsRecord settings = TestSettings();
  settings.autoplay = 2;
  settings.scrollAnnouncementsForever = 255;
  settings.randomGameOrder = 2;
  settings.waitForAnnouncements = 7;
  ViewerSession session(WithSettings(settings));
  ViewerApp& app = session.Start();
  EXPECT_EQ(app.play().paused, 1);
  EXPECT_EQ(app.options().pinTicker, 1);
  EXPECT_EQ(app.options().randomOrder, 0);
  EXPECT_EQ(app.play().holdForTicker, 0);
}

TEST(ViewerSettings, ShortFileKeepsTheViewersOwnDefaultsPastItsEnd) {
  ViewerSession session(WithSettingsBytes({1, 2, 3}));
  ViewerApp& app = session.Start();
  EXPECT_EQ(app.options().fullScreenCopy, 0);
  EXPECT_EQ(app.options().delayMs, 1000);
  EXPECT_EQ(app.options().gameEndWait, 3);
  EXPECT_EQ(app.options().openingWait, 10);
  EXPECT_EQ(app.art().whitePieceSet, 7);
  EXPECT_EQ(app.art().blackPieceSet, 1);
  EXPECT_EQ(app.options().animate, 1);
  EXPECT_EQ(app.options().liftMax, 20);
}

TEST(ViewerSettings, LayoutsFileOfThirteenBytesHoldsTwoLayouts) {
  SessionSetup setup = WithSettings(TestSettings());
  setup.layouts = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  ViewerSession session(setup);
  EXPECT_EQ(session.Start().layouts().layoutCount, 2);
}

// A piece speed past 20 would make the slide time negative: it counts as
// the fastest speed, and the plies slide and land once each.
TEST(ViewerSettings, PieceSpeedPastTheRangeCountsAsTheFastest) {
  ViewerSession session(WithSetting(&SettingsRecord::pieceSpeed, 25));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  EXPECT_EQ(app.play().moveFrames, 1600) << "as for speed 20 at 10 frames a second";
  session.TakeSounds();
  session.Tick();
  session.FramesUntilLanded();
  session.Frames(5);
  EXPECT_EQ(app.chess().board()[36], 'p');
  EXPECT_EQ(session.TakeSounds().size(), 2u) << "landing and settling";
}

// A very negative move delay gives a negative timer period: the timer
// takes its shortest period and play goes on.
TEST(ViewerSettings, NegativeTimerPeriodTakesTheShortestOne) {
  ViewerSession session(WithSetting(&SettingsRecord::moveDelay, 0x80));  // -64 s
  ViewerApp& app = session.Start();
  session.FinishIntro();
  headless::AdvanceClock(10);
  session.Pump();
  EXPECT_EQ(app.chess().moveNumber(), 1);
}

// A negative move delay makes the settling time negative: the settling
// sound must come once per ply, not on every frame.
TEST(ViewerSettings, NegativeMoveDelaySettlesOncePerPly) {
  ViewerSession session(WithSetting(&SettingsRecord::moveDelay, 0xFE));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.TakeSounds();
  session.Frames(20);
  EXPECT_TRUE(session.TakeSounds().empty());
  session.Tick();
  EXPECT_EQ(app.chess().moveNumber(), 1);
  session.FramesUntilLanded();
  session.Frames(5);  // the next tick is 600 ms away
  const std::vector<unsigned> sounds = session.TakeSounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_TRUE(sounds[1] >= 125 && sounds[1] <= 127) << sounds[1];
}

TEST(ViewerSettings, SoundOffPlaysNothing) {
  ViewerSession session(WithSetting(&SettingsRecord::sound, 0));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  session.FramesUntilLanded();
  session.Frames(10);
  EXPECT_EQ(app.chess().moveNumber(), 1);
  EXPECT_TRUE(headless::Sounds().empty());
}

namespace {

// The test settings with the last five fields away from their defaults.
SettingsRecord WatchingSettings() {
  SettingsRecord settings = TestSettings();
  settings.realPace = 1;
  settings.realPaceFactor = 30;
  settings.showComments = 0;
  settings.scalingMode = kScalingPixelPerfect;
  settings.followLiveGames = 0;
  return settings;
}

// The first `count` bytes of a settings file holding `settings`.
std::vector<uint8_t> FirstBytes(const SettingsRecord& settings, size_t count) {
  uint8_t bytes[SettingsRecord::kSize];
  settings.ToBytes(bytes);
  std::vector<uint8_t> file(bytes, bytes + SettingsRecord::kSize);
  file.resize(count, 0xEE);
  return file;
}

}  // namespace

// Every file written before the last five settings: the viewer's options for
// them keep their defaults, which are the record's.
TEST(ViewerSettings, AFileOf23BytesGivesTheWatchingOptionsTheirDefaults) {
  ViewerSession session(WithSettingsBytes(FirstBytes(WatchingSettings(), 23)));
  ViewerApp& app = session.Start();
  EXPECT_EQ(app.options().delayMs, 500) << "the first 23 bytes are read";
  EXPECT_EQ(app.options().realPace, 0);
  EXPECT_EQ(app.options().realPaceFactor, 10);
  EXPECT_EQ(app.options().showComments, 1);
  EXPECT_EQ(app.options().scalingMode, 0);
  EXPECT_EQ(app.options().followLiveGames, 1);
  const ViewerOptions defaults;
  const SettingsRecord record;
  EXPECT_EQ(defaults.realPace, record.realPace);
  EXPECT_EQ(defaults.realPaceFactor, record.realPaceFactor);
  EXPECT_EQ(defaults.showComments, record.showComments);
  EXPECT_EQ(defaults.scalingMode, record.scalingMode);
  EXPECT_EQ(defaults.followLiveGames, record.followLiveGames);
}

TEST(ViewerSettings, TheLastFiveBytesSetTheWatchingOptions) {
  ViewerSession session(WithSettings(WatchingSettings()));
  ViewerApp& app = session.Start();
  EXPECT_EQ(app.options().realPace, 1);
  EXPECT_EQ(app.options().realPaceFactor, 30);
  EXPECT_EQ(app.options().showComments, 0);
  EXPECT_EQ(app.options().scalingMode, 1);
  EXPECT_EQ(app.options().followLiveGames, 0);
}

// A file cut after the factor's byte: the fields it holds are read, the
// ones after it keep their defaults; a longer file is read as its first 28.
TEST(ViewerSettings, WatchingOptionsAreReadAsFarAsTheFileGoes) {
  {
    ViewerSession session(WithSettingsBytes(FirstBytes(WatchingSettings(), 25)));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.options().realPace, 1);
    EXPECT_EQ(app.options().realPaceFactor, 30);
    EXPECT_EQ(app.options().showComments, 1);
    EXPECT_EQ(app.options().scalingMode, 0);
    EXPECT_EQ(app.options().followLiveGames, 1);
  }
  {
    ViewerSession session(WithSettingsBytes(FirstBytes(WatchingSettings(), 40)));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.options().realPaceFactor, 30);
    EXPECT_EQ(app.options().followLiveGames, 0);
  }
}

// Flags are on only for 1; a factor that is none of 1, 2, 5, 10, 30 and 60
// counts as 10; a scaling mode out of range is sharp.
TEST(ViewerSettings, WatchingBytesOutOfRangeFollowTheirRules) {
  SettingsRecord settings = TestSettings();
  settings.realPace = 2;
  settings.realPaceFactor = 7;
  settings.showComments = 255;
  settings.scalingMode = 3;
  settings.followLiveGames = 2;
  {
    ViewerSession session(WithSettings(settings));
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.options().realPace, 0);
    EXPECT_EQ(app.options().realPaceFactor, 10);
    EXPECT_EQ(app.options().showComments, 0);
    EXPECT_EQ(app.options().scalingMode, 0);
    EXPECT_EQ(app.options().followLiveGames, 0);
  }
  for (int factor : {1, 2, 5, 60, 0, 61}) {
    ViewerSession each(WithSetting(&SettingsRecord::realPaceFactor, factor));
    const int expected = factor == 0 || factor == 61 ? 10 : factor;
    EXPECT_EQ(each.Start().options().realPaceFactor, expected) << factor;
  }
}
