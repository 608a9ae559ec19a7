// Random layouts: the counter, saving the current look, the duplicate and
// maximum messages, and saved layouts surviving Cancel.
#include "tests/configurator/config_dialog_fixture.h"

namespace {

const POINT kSave = Centre(197, 142, 90, 14);
const POINT kCancel = Centre(136, 286, 50, 15);
const POINT kOk = Centre(80, 286, 50, 15);
const std::vector<uint8_t> kDefaultLook = {5, 2, 2, 0, 2, 0};

// A layouts file of `count` different records.
std::vector<uint8_t> LayoutsFile(int count) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < count; ++i) {
    const uint8_t record[6] = {static_cast<uint8_t>(1 + i % 41), static_cast<uint8_t>(1 + i / 41), 7, 7, 7, 7};
    bytes.insert(bytes.end(), record, record + 6);
  }
  return bytes;
}

// Checks the three counter digits against their pictures.
void ExpectCounter(HWND window, int hundreds, int tens, int units) {
  const int ids[3] = {IDC_COUNTER_HUNDREDS, IDC_COUNTER_TENS, IDC_COUNTER_UNITS};
  const int pictures[3] = {hundreds, tens, units};
  for (int digit = 0; digit < 3; ++digit)
    EXPECT_TRUE(ConfigDialogTest::ShowsPictureAt(window, ids[digit], pictures[digit], 16, 24))
        << "digit " << digit << " should show picture " << pictures[digit];
}

class LayoutCounterTest : public ConfigDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(LayoutCounterTest, ShowsTheCountWithoutLeadingZeros) {
  const int count = GetParam();
  WriteFile("Tarnwicket.rnd", LayoutsFile(count));
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    EXPECT_EQ(dialog.layouts.layoutCount, count);
    switch (count) {
      case 0: ExpectCounter(window, IDB_DIGIT_BLANK, IDB_DIGIT_BLANK, IDB_DIGIT_ZERO); break;
      case 7: ExpectCounter(window, IDB_DIGIT_BLANK, IDB_DIGIT_BLANK, IDB_DIGIT_ZERO + 7); break;
      case 42: ExpectCounter(window, IDB_DIGIT_BLANK, IDB_DIGIT_ZERO + 4, IDB_DIGIT_ZERO + 2); break;
      case 999: ExpectCounter(window, IDB_DIGIT_NINE, IDB_DIGIT_NINE, IDB_DIGIT_NINE); break;
      default: ADD_FAILURE();
    }
    headless::KeyPress(VK_ESCAPE);
  });
  dialog.RunModal();
}

INSTANTIATE_TEST_SUITE_P(Counts, LayoutCounterTest, ::testing::Values(0, 7, 42, 999));

TEST_F(ConfigDialogTest, SavingTheSameLookTwiceIsRefusedAsDuplicate) {
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kSave); })
      .Then([&](HWND window) {
        EXPECT_EQ(ReadFile("Tarnwicket.rnd"), kDefaultLook);
        EXPECT_EQ(dialog.layouts.layoutCount, 1);
        ExpectCounter(window, IDB_DIGIT_BLANK, IDB_DIGIT_BLANK, IDB_DIGIT_ZERO + 1);
        EXPECT_TRUE(headless::MessageBoxes().empty());
        ClickAt(window, kSave);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(ReadFile("Tarnwicket.rnd"), kDefaultLook);
        EXPECT_EQ(dialog.layouts.layoutCount, 1);
        ASSERT_EQ(headless::MessageBoxes().size(), 1u);
        const headless::MessageBoxRecord& box = headless::MessageBoxes()[0];
        EXPECT_EQ(box.text, "Duplicate of a layout already saved");
        EXPECT_EQ(box.caption, "TarnwicketCFG");
        EXPECT_EQ(box.owner, window);
        EXPECT_EQ(box.type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK, IDW_CLOSE}));
}

TEST_F(ConfigDialogTest, LooksDifferingOnlyInConsoleStyleZeroAndNineAreBothSaved) {
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kSave); })
      .Then([&](HWND window) {
        dialog.consoleStyle = 9;
        ClickAt(window, kSave);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.layouts.layoutCount, 2);
        EXPECT_TRUE(headless::MessageBoxes().empty());
        ClickAt(window, kCancel);
      });
  dialog.RunModal();
  std::vector<uint8_t> expected = kDefaultLook;
  expected.insert(expected.end(), {5, 2, 2, 0, 2, 9});
  EXPECT_EQ(ReadFile("Tarnwicket.rnd"), expected);
}

TEST_F(ConfigDialogTest, TheNineHundredNinetyNinthLayoutIsTheLast) {
  WriteFile("Tarnwicket.rnd", LayoutsFile(998));
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kSave); })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.layouts.layoutCount, 999);
        ExpectCounter(window, IDB_DIGIT_NINE, IDB_DIGIT_NINE, IDB_DIGIT_NINE);
        dialog.consoleStyle = 3;  // a new look, still refused
        ClickAt(window, kSave);
      })
      .Then([&](HWND) {
        ASSERT_EQ(headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(headless::MessageBoxes()[0].text, "You've reached the maximum random layouts");
        EXPECT_EQ(headless::MessageBoxes()[0].caption, "TarnwicketCFG");
        EXPECT_EQ(dialog.layouts.layoutCount, 999);
        headless::KeyPress(VK_ESCAPE);
      });
  dialog.RunModal();
  EXPECT_EQ(ReadFile("Tarnwicket.rnd").size(), 999u * 6);
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK, IDW_CLOSE}));
}

TEST_F(ConfigDialogTest, ASavedLayoutSurvivesCancel) {
  WriteFile("Tarnwicket.rnd", {1, 2, 3, 4, 5, 6});
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.layouts.layoutCount, 1);
        ClickAt(window, kSave);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.layouts.layoutCount, 2);
        ClickAt(window, kCancel);
      });
  EXPECT_EQ(dialog.RunModal(), IDCANCEL);
  std::vector<uint8_t> expected = {1, 2, 3, 4, 5, 6};
  expected.insert(expected.end(), kDefaultLook.begin(), kDefaultLook.end());
  EXPECT_EQ(ReadFile("Tarnwicket.rnd"), expected);
  EXPECT_FALSE(FileExists("Tarnwicket.cfg"));
}

TEST_F(ConfigDialogTest, ANewLayoutReplacesATrailingPartialRecord) {
  WriteFile("Tarnwicket.rnd", {1, 2, 3, 4, 5, 6, 7, 8, 9});  // one record and three stray bytes
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kSave); }).Then([&](HWND window) { ClickAt(window, kOk); });
  dialog.RunModal();
  std::vector<uint8_t> expected = {1, 2, 3, 4, 5, 6};
  expected.insert(expected.end(), kDefaultLook.begin(), kDefaultLook.end());
  EXPECT_EQ(ReadFile("Tarnwicket.rnd"), expected);
  // Read again, the file holds exactly the two looks.
  LayoutList reread;
  EXPECT_EQ(ReadLayoutsFile(reread), 2);
  EXPECT_EQ(reread.At(1).blackPieceSet, 5);
}

}  // namespace
