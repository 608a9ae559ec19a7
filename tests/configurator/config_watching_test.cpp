// The watching column of the main dialog: real pace and its factor, comments
// and evaluations, following live games and the screen's scaling, by mouse
// and keys; Reset to Defaults; bytes out of range; and a settings file of
// 23 bytes, written before these settings, shown with their defaults and
// written back whole.
#include "tests/configurator/config_dialog_fixture.h"

namespace {

const POINT kOk = Centre(80, 286, 50, 15);
const POINT kReset = Centre(192, 286, 125, 15);
const POINT kRealPace = Centre(396, 47, 113, 11);
const POINT kShowComments = Centre(396, 112, 113, 11);
const POINT kFollowLiveGames = Centre(396, 140, 113, 11);
// The factor buttons in the order of kRealPaceFactors: 1x 2x 5x, 10x 30x 60x.
POINT FactorButton(int choice) { return Centre(396 + 34 * (choice % 3), 69 + 11 * (choice / 3), 32, 11); }
POINT ScalingButton(int mode) { return Centre(396, 169 + 10 * mode, 113, 11); }

constexpr int kTenTimes = 3;  // the place of 10x among the factors

// The dot shown on for `selected` and off for the others of a group.
void ExpectOneDotOn(HWND window, int firstDot, int count, int selected) {
  for (int option = 0; option < count; ++option) {
    const int picture = option == selected ? IDB_DOT_ON : IDB_DOT_OFF;
    EXPECT_TRUE(ConfigDialogTest::ShowsPictureAt(window, firstDot + option, picture, 12, 12))
        << "dot " << option << " of " << firstDot;
  }
}

// The first 23 bytes of a settings file as the configurator wrote them
// before the last five fields existed.
std::vector<uint8_t> BytesBeforeTheLastFive(const SettingsRecord& record) {
  std::vector<uint8_t> bytes = ConfigDialogTest::SettingsBytes(record);
  bytes.resize(23);
  return bytes;
}

TEST_F(ConfigDialogTest, WatchingColumnShowsItsDefaults) {
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_REAL_PACE, IDB_MARK_OFF, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_SHOW_COMMENTS, IDB_MARK_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_FOLLOW_LIVE_GAMES, IDB_MARK_ON, 12, 12));
    ExpectOneDotOn(window, IDC_DOT_PACE_FACTOR_FIRST, 6, kTenTimes);
    ExpectOneDotOn(window, IDC_DOT_SCALING_FIRST, 3, kScalingSharp);
    EXPECT_TRUE(headless::Sounds().empty());
    ClickAt(window, kOk);
  });
  EXPECT_EQ(dialog.RunModal(), IDOK);
  const std::vector<uint8_t> written = ReadFile(kSettingsFileName);
  ASSERT_EQ(written.size(), 28u);
  EXPECT_EQ(std::vector<uint8_t>(written.begin() + 23, written.end()), (std::vector<uint8_t>{0, 10, 1, 0, 1}));
}

TEST_F(ConfigDialogTest, ClicksOnTheWatchingColumnAreShownAndWrittenByEnter) {
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        ClickAt(window, kRealPace);
        ClickAt(window, FactorButton(5));  // 60x
        ClickAt(window, kShowComments);
        ClickAt(window, kFollowLiveGames);
        ClickAt(window, ScalingButton(kScalingSmooth));
      })
      .Then([&](HWND window) {
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_REAL_PACE, IDB_MARK_ON, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_SHOW_COMMENTS, IDB_MARK_OFF, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_FOLLOW_LIVE_GAMES, IDB_MARK_OFF, 12, 12));
        ExpectOneDotOn(window, IDC_DOT_PACE_FACTOR_FIRST, 6, 5);
        ExpectOneDotOn(window, IDC_DOT_SCALING_FIRST, 3, kScalingSmooth);
        headless::KeyPress(VK_RETURN);
      });
  EXPECT_EQ(dialog.RunModal(), IDOK);
  EXPECT_EQ(SoundIds(), std::vector<unsigned>(5, IDW_CLICK));
  const SettingsRecord written = WrittenSettings();
  EXPECT_EQ(written.realPace, 1);
  EXPECT_EQ(written.realPaceFactor, 60);
  EXPECT_EQ(written.showComments, 0);
  EXPECT_EQ(written.followLiveGames, 0);
  EXPECT_EQ(written.scalingMode, kScalingSmooth);
  // Nothing else changed.
  SettingsRecord expected;
  expected.realPace = 1;
  expected.realPaceFactor = 60;
  expected.showComments = 0;
  expected.followLiveGames = 0;
  expected.scalingMode = kScalingSmooth;
  EXPECT_EQ(ReadFile(kSettingsFileName), SettingsBytes(expected));
}

TEST_F(ConfigDialogTest, EveryFactorAndScalingModeIsWrittenAsPicked) {
  for (int choice = 0; choice < kRealPaceFactorCount; ++choice) {
    SCOPED_TRACE(choice);
    headless::Reset();
    ConfigDialog dialog;
    const int mode = choice % kScalingModeCount;
    DialogScript steps;
    steps
        .Then([&](HWND window) {
          ClickAt(window, FactorButton(choice));
          ClickAt(window, ScalingButton(mode));
        })
        .Then([&](HWND window) {
          ExpectOneDotOn(window, IDC_DOT_PACE_FACTOR_FIRST, 6, choice);
          ExpectOneDotOn(window, IDC_DOT_SCALING_FIRST, 3, mode);
          ClickAt(window, kOk);
        });
    EXPECT_EQ(dialog.RunModal(), IDOK);
    const SettingsRecord written = WrittenSettings();
    EXPECT_EQ(written.realPaceFactor, kRealPaceFactors[choice]);
    EXPECT_EQ(written.scalingMode, mode);
  }
}

// Tab moves the focus from tab stop to tab stop (Shift+Tab back), Space
// presses the control that has it, Enter is OK.
TEST_F(ConfigDialogTest, TheWatchingColumnWorksByKeys) {
  ConfigDialog dialog;
  // One Tab a step until `control` has the focus.
  auto tabTo = [&](int control, int steps) {
    for (int step = 0; step < steps; ++step) {
      script.Then([control](HWND window) {
        if (GetFocus() != GetDlgItem(window, control)) headless::KeyPress(VK_TAB);
      });
    }
  };
  tabTo(IDC_REAL_PACE, 80);
  script.Then([&](HWND window) {
    ASSERT_EQ(GetFocus(), GetDlgItem(window, IDC_REAL_PACE)) << "the real pace mark is a tab stop";
    headless::KeyPress(VK_SPACE);
  });
  tabTo(IDC_SHOW_COMMENTS, 20);
  script
      .Then([&](HWND window) {
        ASSERT_EQ(GetFocus(), GetDlgItem(window, IDC_SHOW_COMMENTS));
        headless::KeyPress(VK_SPACE);
        headless::KeyDown(VK_SHIFT);
        headless::KeyPress(VK_TAB);
        headless::KeyUp(VK_SHIFT);
      })
      .Then([&](HWND window) {
        EXPECT_NE(GetFocus(), GetDlgItem(window, IDC_SHOW_COMMENTS)) << "Shift+Tab goes back";
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_REAL_PACE, IDB_MARK_ON, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_SHOW_COMMENTS, IDB_MARK_OFF, 12, 12));
        headless::KeyPress(VK_RETURN);
      });
  EXPECT_EQ(dialog.RunModal(), IDOK);
  const SettingsRecord written = WrittenSettings();
  EXPECT_EQ(written.realPace, 1);
  EXPECT_EQ(written.showComments, 0);
  EXPECT_EQ(written.followLiveGames, 1);
}

TEST_F(ConfigDialogTest, EscapeAfterChangesInTheWatchingColumnWritesNothing) {
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    ClickAt(window, kRealPace);
    ClickAt(window, FactorButton(0));
    ClickAt(window, ScalingButton(kScalingPixelPerfect));
  });
  script.Then([&](HWND) {
    EXPECT_EQ(dialog.realPace, 1);
    EXPECT_EQ(dialog.realPaceFactor, 1);
    headless::KeyPress(VK_ESCAPE);
  });
  EXPECT_EQ(dialog.RunModal(), IDCANCEL);
  EXPECT_FALSE(FileExists(kSettingsFileName));
}

TEST_F(ConfigDialogTest, PressingTheRealPaceLabelTwiceRestoresItAndClicksTwice) {
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kRealPace); })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.realPace, 1);
        ClickAt(window, kRealPace);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.realPace, 0);
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_REAL_PACE, IDB_MARK_OFF, 12, 12));
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK, IDW_CLICK}));
  EXPECT_EQ(ReadFile(kSettingsFileName), SettingsBytes());
}

TEST_F(ConfigDialogTest, LoadedWatchingSettingsAreShownAndResetToDefaultsRestoresThem) {
  SettingsRecord record;
  record.realPace = 1;
  record.realPaceFactor = 2;
  record.showComments = 0;
  record.scalingMode = kScalingPixelPerfect;
  record.followLiveGames = 0;
  WriteSettings(record);
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_REAL_PACE, IDB_MARK_ON, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_SHOW_COMMENTS, IDB_MARK_OFF, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_FOLLOW_LIVE_GAMES, IDB_MARK_OFF, 12, 12));
        ExpectOneDotOn(window, IDC_DOT_PACE_FACTOR_FIRST, 6, 1);
        ExpectOneDotOn(window, IDC_DOT_SCALING_FIRST, 3, kScalingPixelPerfect);
        ClickAt(window, kReset);
      })
      .Then([&](HWND window) {
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_REAL_PACE, IDB_MARK_OFF, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_SHOW_COMMENTS, IDB_MARK_ON, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_FOLLOW_LIVE_GAMES, IDB_MARK_ON, 12, 12));
        ExpectOneDotOn(window, IDC_DOT_PACE_FACTOR_FIRST, 6, kTenTimes);
        ExpectOneDotOn(window, IDC_DOT_SCALING_FIRST, 3, kScalingSharp);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  // Reset to Defaults is silent apart from its own click.
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK}));
  EXPECT_EQ(ReadFile(kSettingsFileName), SettingsBytes());
}

// Flags other than 1 are shown off and written 0; a scaling byte out of
// range keeps the default dot and is written as it; a factor that is none
// of the six shows 10x and is written back as loaded until a factor is
// picked.
TEST_F(ConfigDialogTest, WatchingBytesOutOfRangeAreShownAsTheirRulesSay) {
  SettingsRecord record;
  record.realPace = 2;
  record.realPaceFactor = 7;
  record.showComments = 255;
  record.scalingMode = 3;
  record.followLiveGames = 2;
  WriteSettings(record);
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_REAL_PACE, IDB_MARK_OFF, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_SHOW_COMMENTS, IDB_MARK_OFF, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_FOLLOW_LIVE_GAMES, IDB_MARK_OFF, 12, 12));
    ExpectOneDotOn(window, IDC_DOT_PACE_FACTOR_FIRST, 6, kTenTimes);
    ExpectOneDotOn(window, IDC_DOT_SCALING_FIRST, 3, kScalingSharp);
    ClickAt(window, kOk);
  });
  dialog.RunModal();
  const SettingsRecord written = WrittenSettings();
  EXPECT_EQ(written.realPace, 0);
  EXPECT_EQ(written.realPaceFactor, 7);
  EXPECT_EQ(written.showComments, 0);
  EXPECT_EQ(written.scalingMode, kScalingSharp);
  EXPECT_EQ(written.followLiveGames, 0);
}

TEST_F(ConfigDialogTest, AFactorOutsideTheListIsReplacedOnceAFactorIsPicked) {
  SettingsRecord record;
  record.realPaceFactor = 200;
  WriteSettings(record);
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, FactorButton(kTenTimes)); }).Then([&](HWND window) {
    ExpectOneDotOn(window, IDC_DOT_PACE_FACTOR_FIRST, 6, kTenTimes);
    ClickAt(window, kOk);
  });
  dialog.RunModal();
  EXPECT_EQ(WrittenSettings().realPaceFactor, 10);
}

TEST_F(ConfigDialogTest, AFileOf23BytesShowsTheWatchingDefaultsAndIsWrittenBackWhole) {
  SettingsRecord record;
  record.windowedMode = 1;
  record.moveDelay = 12;
  record.sound = 0;
  record.consoleStyle = 4;
  // Bytes that the file does not hold, and that must not be taken from it.
  record.realPace = 1;
  record.realPaceFactor = 60;
  record.showComments = 0;
  record.scalingMode = kScalingSmooth;
  record.followLiveGames = 0;
  const std::vector<uint8_t> old = BytesBeforeTheLastFive(record);
  WriteFile(kSettingsFileName, old);
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_WINDOWED_MODE, IDB_MARK_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_SOUND_OFF, IDB_DOT_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_REAL_PACE, IDB_MARK_OFF, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_SHOW_COMMENTS, IDB_MARK_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_FOLLOW_LIVE_GAMES, IDB_MARK_ON, 12, 12));
    ExpectOneDotOn(window, IDC_DOT_PACE_FACTOR_FIRST, 6, kTenTimes);
    ExpectOneDotOn(window, IDC_DOT_SCALING_FIRST, 3, kScalingSharp);
    headless::KeyPress(VK_RETURN);
  });
  EXPECT_EQ(dialog.RunModal(), IDOK);
  const std::vector<uint8_t> written = ReadFile(kSettingsFileName);
  ASSERT_EQ(written.size(), 28u);
  EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.begin() + 23), old);
  EXPECT_EQ(std::vector<uint8_t>(written.begin() + 23, written.end()), (std::vector<uint8_t>{0, 10, 1, 0, 1}));
}

}  // namespace
