// The main dialog with the settings file: defaults on a first run, how odd
// bytes are shown and written back, OK, Cancel and Reset to Defaults, the
// marks and dots shown, and the click sounds.
#include "tests/configurator/config_dialog_fixture.h"

namespace {

const POINT kOk = Centre(80, 286, 50, 15);
const POINT kCancel = Centre(136, 286, 50, 15);
const POINT kReset = Centre(192, 286, 125, 15);
const POINT kAutoplay = Centre(9, 73, 173, 11);
const POINT kWindowed = Centre(9, 84, 173, 11);
const POINT kNoAnimation = Centre(92, 145, 92, 11);
const POINT kSoundOff = Centre(9, 110, 70, 11);

// The option flags of the settings file.
struct FlagField {
  const char* name;
  uint8_t SettingsRecord::*field;
};
const FlagField kFlagFields[] = {
    {"windowedMode", &SettingsRecord::windowedMode},
    {"useRandomLayouts", &SettingsRecord::useRandomLayouts},
    {"autoplay", &SettingsRecord::autoplay},
    {"highlightMoves", &SettingsRecord::highlightMoves},
    {"scrollAnnouncementsForever", &SettingsRecord::scrollAnnouncementsForever},
    {"randomGameOrder", &SettingsRecord::randomGameOrder},
    {"removeHeaderQuotes", &SettingsRecord::removeHeaderQuotes},
    {"waitForAnnouncements", &SettingsRecord::waitForAnnouncements},
    {"hideBlankHeaderEntries", &SettingsRecord::hideBlankHeaderEntries},
    {"realPace", &SettingsRecord::realPace},
    {"showComments", &SettingsRecord::showComments},
    {"followLiveGames", &SettingsRecord::followLiveGames},
};

TEST_F(ConfigDialogTest, FirstRunShowsTheDefaultsAndOkWritesThem) {
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    EXPECT_EQ(dialog.soundGroup.Selected(), 1);
    EXPECT_EQ(dialog.animationStyleGroup.Selected(), 3);
    EXPECT_EQ(dialog.headerLeftDisplayedGroup.Selected(), 1);
    // Every group shows its selected dot, and only that one.
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_SOUND_MOVEMENT, IDB_DOT_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_SOUND_OFF, IDB_DOT_OFF, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_ANIMATION_FIRST + 3, IDB_DOT_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_ANIMATION_FIRST + 4, IDB_DOT_OFF, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_HEADER_FIRST + 1, IDB_DOT_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_AUTOPLAY, IDB_MARK_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_WINDOWED_MODE, IDB_MARK_OFF, 12, 12));
    // The initialisation plays nothing.
    EXPECT_TRUE(headless::Sounds().empty());
    ClickAt(window, kOk);
  });
  EXPECT_EQ(dialog.RunModal(), IDOK);
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), SettingsBytes());
  EXPECT_FALSE(FileExists("Tarnwicket.rnd"));
}

TEST_F(ConfigDialogTest, FlagsHoldingOtherValuesThanOneAreShownOffAndWrittenZero) {
  SettingsRecord record;
  for (size_t i = 0; i < std::size(kFlagFields); ++i) record.*kFlagFields[i].field = i % 2 == 0 ? 2 : 255;
  WriteSettings(record);
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    for (int mark : {IDC_MARK_RANDOM_GAME_ORDER, IDC_MARK_AUTOPLAY, IDC_MARK_WINDOWED_MODE, IDC_MARK_HIGHLIGHT_MOVES,
                     IDC_MARK_WAIT_FOR_ANNOUNCEMENTS, IDC_MARK_SCROLL_FOREVER, IDC_MARK_REMOVE_HEADER_QUOTES,
                     IDC_MARK_HIDE_BLANK_HEADERS, IDC_MARK_USE_RANDOM_LAYOUTS, IDC_MARK_REAL_PACE,
                     IDC_MARK_SHOW_COMMENTS, IDC_MARK_FOLLOW_LIVE_GAMES}) {
      EXPECT_TRUE(ShowsPicture(window, mark, IDB_MARK_OFF, 12, 12)) << "mark " << mark;
    }
    headless::KeyPress(VK_RETURN);
  });
  EXPECT_EQ(dialog.RunModal(), IDOK);
  const SettingsRecord written = WrittenSettings();
  for (const FlagField& flag : kFlagFields) EXPECT_EQ(written.*flag.field, 0) << flag.name;
}

TEST_F(ConfigDialogTest, SliderByteBeyondTheTrackShowsTheKnobAtTheEndAndIsKeptUntouched) {
  SettingsRecord record;
  record.moveDelay = 25;
  record.pieceSpeed = -56;  // 200 stored: the knob at the start
  WriteSettings(record);
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    RECT knob;
    GetWindowRect(GetDlgItem(window, IDC_KNOB_FIRST), &knob);
    EXPECT_EQ(knob.left, 141 + 110);
    EXPECT_EQ(knob.top, 31);
    GetWindowRect(GetDlgItem(window, IDC_KNOB_FIRST + 3), &knob);
    EXPECT_EQ(knob.left, 148);
    EXPECT_EQ(knob.top, 342);
    EXPECT_TRUE(ShowsPicture(window, IDC_KNOB_FIRST, IDB_KNOB, 9, 17));
    ClickAt(window, kOk);
  });
  dialog.RunModal();
  const SettingsRecord written = WrittenSettings();
  EXPECT_EQ(written.moveDelay, 25);
  EXPECT_EQ(written.pieceSpeed, -56);
}

TEST_F(ConfigDialogTest, RadioByteOutOfRangeKeepsTheDefaultOption) {
  SettingsRecord record;
  record.animationStyle = 7;
  record.headerLeftDisplayed = 4;  // in range: Site
  record.sound = 0;
  WriteSettings(record);
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_ANIMATION_FIRST + 3, IDB_DOT_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_HEADER_FIRST + 4, IDB_DOT_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_HEADER_FIRST + 1, IDB_DOT_OFF, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_SOUND_OFF, IDB_DOT_ON, 12, 12));
    ClickAt(window, kOk);
  });
  dialog.RunModal();
  const SettingsRecord written = WrittenSettings();
  EXPECT_EQ(written.animationStyle, 3);
  EXPECT_EQ(written.headerLeftDisplayed, 4);
  EXPECT_EQ(written.sound, 0);
}

TEST_F(ConfigDialogTest, LongSettingsFileIsReadAsItsFirstBytesAndRewrittenWhole) {
  SettingsRecord record;
  record.backdropIndex = 7;  // kept as loaded
  record.blackPieceSet = 200;
  std::vector<uint8_t> bytes = SettingsBytes(record);
  bytes.resize(40, 0xAA);
  WriteFile("Tarnwicket.cfg", bytes);
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kOk); });
  dialog.RunModal();
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), SettingsBytes(record));
}

TEST_F(ConfigDialogTest, CancelLeavesTheSettingsFileAsItWas) {
  SettingsRecord record;
  record.autoplay = 0;
  std::vector<uint8_t> bytes = SettingsBytes(record);
  bytes.push_back(99);  // a longer file stays longer
  WriteFile("Tarnwicket.cfg", bytes);
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        ClickAt(window, kAutoplay);
        ClickAt(window, kWindowed);
        ClickAt(window, kNoAnimation);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.autoplay, 1);
        ClickAt(window, kCancel);
      });
  EXPECT_EQ(dialog.RunModal(), IDCANCEL);
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), bytes);
}

TEST_F(ConfigDialogTest, EscapeCancelsAndWritesNothing) {
  ConfigDialog dialog;
  script.Then([&](HWND) { headless::KeyPress(VK_ESCAPE); });
  EXPECT_EQ(dialog.RunModal(), IDCANCEL);
  EXPECT_FALSE(FileExists("Tarnwicket.cfg"));
}

TEST_F(ConfigDialogTest, PressingALabelTwiceRestoresTheOptionAndClicksTwice) {
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kAutoplay); })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.autoplay, 0);
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_AUTOPLAY, IDB_MARK_OFF, 12, 12));
        ClickAt(window, kAutoplay);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.autoplay, 1);
        EXPECT_TRUE(ShowsPicture(window, IDC_MARK_AUTOPLAY, IDB_MARK_ON, 12, 12));
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK, IDW_CLICK}));
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), SettingsBytes());
}

TEST_F(ConfigDialogTest, RadioOptionsSelectOneDotAndAreWritten) {
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        ClickAt(window, kNoAnimation);
        ClickAt(window, kSoundOff);
      })
      .Then([&](HWND window) {
        EXPECT_TRUE(ShowsPicture(window, IDC_DOT_ANIMATION_FIRST, IDB_DOT_ON, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_DOT_ANIMATION_FIRST + 3, IDB_DOT_OFF, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_DOT_SOUND_OFF, IDB_DOT_ON, 12, 12));
        EXPECT_TRUE(ShowsPicture(window, IDC_DOT_SOUND_MOVEMENT, IDB_DOT_OFF, 12, 12));
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  const SettingsRecord written = WrittenSettings();
  EXPECT_EQ(written.animationStyle, 0);
  EXPECT_EQ(written.sound, 0);
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK, IDW_CLICK}));
}

TEST_F(ConfigDialogTest, ResetToDefaultsIsSilentApartFromItsClickAndKeepsTheLayouts) {
  SettingsRecord record;
  record.moveDelay = 17;
  record.autoplay = 0;
  record.blackPieceSet = 30;
  record.animationStyle = 0;
  WriteSettings(record);
  WriteFile("Tarnwicket.rnd", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kReset); }).Then([&](HWND window) {
    EXPECT_EQ(dialog.moveDelay, 4);
    EXPECT_EQ(dialog.blackPieceSet, 5);
    EXPECT_EQ(dialog.uiReady, 1);
    EXPECT_EQ(dialog.resetBusy, 0);
    EXPECT_EQ(dialog.layouts.layoutCount, 2);
    EXPECT_TRUE(ShowsPicture(window, IDC_MARK_AUTOPLAY, IDB_MARK_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_ANIMATION_FIRST + 3, IDB_DOT_ON, 12, 12));
    EXPECT_TRUE(ShowsPicture(window, IDC_DOT_ANIMATION_FIRST, IDB_DOT_OFF, 12, 12));
    RECT knob;
    GetWindowRect(GetDlgItem(window, IDC_KNOB_FIRST), &knob);
    EXPECT_EQ(knob.left, 141 + 22);
    ClickAt(window, kOk);
  });
  dialog.RunModal();
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK}));
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), SettingsBytes());
  EXPECT_EQ(ReadFile("Tarnwicket.rnd").size(), 12u);
}

TEST_F(ConfigDialogTest, TheDialogCarriesTheProgramIcon) {
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    EXPECT_NE(dialog.icon, nullptr);
    EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(dialog.icon));
    EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(dialog.icon));
    headless::KeyPress(VK_ESCAPE);
  });
  dialog.RunModal();
}

}  // namespace
