// The configurator facing faults: a settings or layouts file it cannot
// write (OK leaves no partial file and the old settings as they were),
// broken art libraries (treated as missing), a library lacking its
// pictures, and settings and layouts files of odd sizes and contents.
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "art/resource_catalog.h"
#include "tests/configurator/config_dialog_fixture.h"
#include "tests/robustness/fault_files.h"

namespace fs = std::filesystem;
using namespace fault_files;

namespace {

const POINT kOk = Centre(80, 286, 50, 15);
const POINT kSave = Centre(197, 142, 90, 14);

std::string LibraryPath(const char* name) { return std::string(TARNWICKET_RUN_DIR) + "/" + name; }

// The names in the current folder.
std::set<std::string> FolderNames() {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(".")) names.insert(entry.path().filename().string());
  return names;
}

// The settings as a user left them last time: not the defaults.
std::vector<uint8_t> EarlierSettings() {
  SettingsRecord record;
  record.windowedMode = 1;
  record.moveDelay = 7;
  record.nextGameDelay = 3;
  record.firstMoveDelay = 2;
  record.pieceSpeed = 15;
  record.reservedFlag = 1;
  record.useRandomLayouts = 0;
  record.autoplay = 1;
  record.highlightMoves = 0;
  record.scrollAnnouncementsForever = 1;
  record.randomGameOrder = 0;
  record.removeHeaderQuotes = 1;
  record.waitForAnnouncements = 0;
  record.blackPieceSet = 12;
  record.whitePieceSet = 30;
  record.sound = 0;
  record.headerLeftDisplayed = 2;
  record.hideBlankHeaderEntries = 0;
  record.animationStyle = 1;
  record.backdropIndex = 5;
  record.consoleIndex = 6;
  record.boardIndex = 7;
  record.consoleStyle = 9;
  return ConfigDialogTest::SettingsBytes(record);
}

class ConfiguratorFaultTest : public ConfigDialogTest {
 protected:
  // Opens the dialog, changes an option so that there is something to
  // write, and presses OK.
  int ChangeAndConfirm(ConfigDialog& dialog) {
    script
        .Then([&](HWND window) { ClickAt(window, Centre(9, 84, 173, 11)); })  // windowed mode
        .Then([&](HWND window) { ClickAt(window, kOk); });
    return dialog.RunModal();
  }
};

TEST_F(ConfiguratorFaultTest, OkWhereTheSettingsFileIsAFolderLeavesNoPartialFile) {
  MakeFolderInstead("Tarnwicket.cfg");
  const std::set<std::string> before = FolderNames();
  ConfigDialog dialog;
  EXPECT_EQ(ChangeAndConfirm(dialog), IDOK);
  EXPECT_TRUE(fs::is_directory("Tarnwicket.cfg"));
  EXPECT_EQ(FolderNames(), before) << "no temporary or partial file is left";
}

TEST_F(ConfiguratorFaultTest, OkOnAFullDiskKeepsTheEarlierSettingsWhole) {
  WriteFile("Tarnwicket.cfg", EarlierSettings());
  // The new settings are written beside the old ones first; that write fails.
  MakeDiskFull("Tarnwicket.cfg.new");
  ConfigDialog dialog;
  EXPECT_EQ(ChangeAndConfirm(dialog), IDOK);
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), EarlierSettings());
  EXPECT_FALSE(fs::exists(fs::symlink_status("Tarnwicket.cfg.new"))) << "no partial file is left";
}

TEST_F(ConfiguratorFaultTest, OkWhereNoNewFileCanBeMadeKeepsTheEarlierSettings) {
  WriteFile("Tarnwicket.cfg", EarlierSettings());
  MakeFolderInstead("Tarnwicket.cfg.new");
  ConfigDialog dialog;
  EXPECT_EQ(ChangeAndConfirm(dialog), IDOK);
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), EarlierSettings());
}

TEST_F(ConfiguratorFaultTest, OkInAFolderItMayNotWriteToKeepsTheEarlierSettings) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
  WriteFile("Tarnwicket.cfg", EarlierSettings());
  fs::permissions(".", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::set<std::string> before = FolderNames();
  ConfigDialog dialog;
  const int result = ChangeAndConfirm(dialog);
  const std::set<std::string> after = FolderNames();
  fs::permissions(".", fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), EarlierSettings());
  EXPECT_EQ(after, before);
}

TEST_F(ConfiguratorFaultTest, ALayoutThatCannotBeSavedIsNotCounted) {
  MakeFolderInstead("Tarnwicket.rnd");
  ConfigDialog dialog;
  script.Then([&](HWND window) { ClickAt(window, kSave); }).Then([&](HWND window) {
    EXPECT_EQ(dialog.layouts.layoutCount, 0);
    ClickAt(window, kOk);
  });
  EXPECT_EQ(dialog.RunModal(), IDOK);
  EXPECT_TRUE(fs::is_directory("Tarnwicket.rnd"));
}

// The main dialog's frame with the library files in the folder; a click on
// the board's part of the miniature, which opens the board picker only when
// the boards library loaded (then Escape closes it), and OK.
headless::Frame DialogFrame(bool* pickerOpened = nullptr) {
  headless::Frame frame;
  bool opened = false;
  ConfigDialog dialog;
  DialogScript steps;
  steps
      .Then([&](HWND window) {
        frame = headless::LastFrame();
        const POINT point = PreviewPoint(60, 60);
        DialogScript::Click(window, point.x, point.y);
      })
      .Then([&](HWND window) {
        opened = !IsWindowEnabled(window);
        if (opened) {
          headless::KeyPress(VK_ESCAPE);
        } else {
          DialogScript::Click(window, kOk.x, kOk.y);
        }
      })
      .Then([&](HWND window) { DialogScript::Click(window, kOk.x, kOk.y); });
  EXPECT_EQ(dialog.RunModal(), IDOK);
  if (pickerOpened != nullptr) *pickerOpened = opened;
  return frame;
}

TEST_F(ConfiguratorFaultTest, BrokenArtLibrariesAreTreatedAsMissing) {
  UseLibraries(ArtLibraryChoice{false, false, true, false});
  bool pickerOpened = true;
  const headless::Frame missing = DialogFrame(&pickerOpened);
  EXPECT_FALSE(pickerOpened);

  std::vector<uint8_t> boards = ReadBytes(LibraryPath(resource_catalog::kBoardsLibraryFile));
  ASSERT_GT(boards.size(), 1000u);
  boards.resize(boards.size() / 2);
  WriteBytes(resource_catalog::kBoardsLibraryFile, boards);
  WriteText(resource_catalog::kPiecesLibraryFile, "not a library\n");
  WriteBytes(resource_catalog::kConsolesLibraryFile,
             WithResourcesOutsideTheFile(ReadBytes(LibraryPath(resource_catalog::kConsolesLibraryFile))));
  const headless::Frame broken = DialogFrame(&pickerOpened);
  EXPECT_FALSE(pickerOpened) << "the board picker needs the boards library";
  ASSERT_FALSE(missing.pixels.empty());
  EXPECT_TRUE(broken.pixels == missing.pixels) << "the dialog looks as without those libraries";
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), SettingsBytes());
}

TEST_F(ConfiguratorFaultTest, ALibraryLackingItsPicturesStillLetsTheDialogWork) {
  UseLibraries(ArtLibraryChoice{true, false, true, true});
  // Loads, but holds none of the board pictures.
  fs::copy_file(LibraryPath(resource_catalog::kBackdropsLibraryFile), resource_catalog::kBoardsLibraryFile);
  DialogFrame();
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), SettingsBytes());
}

TEST_F(ConfiguratorFaultTest, SettingsAndLayoutsOfOddContentsAreShownAndWrittenBackWhole) {
  for (const std::vector<uint8_t>& settings :
       {std::vector<uint8_t>(23, 255), std::vector<uint8_t>(7, 0x80), NoiseBytes(4096, 5)}) {
    WriteFile("Tarnwicket.cfg", settings);
    WriteFile("Tarnwicket.rnd", NoiseBytes(6 * 1200 + 5, 6));  // past the list's capacity
    ConfigDialog dialog;
    DialogScript steps;
    steps
        .Then([&](HWND window) {
          EXPECT_EQ(dialog.layouts.layoutCount, 1000);
          const POINT point = PreviewPoint(60, 60);
          headless::MouseMove(window, point.x, point.y);
        })
        .Then([&](HWND window) { ClickAt(window, kSave); })
        .Then([&](HWND window) { ClickAt(window, kOk); });
    EXPECT_EQ(dialog.RunModal(), IDOK);
    EXPECT_EQ(ReadFile("Tarnwicket.cfg").size(), static_cast<size_t>(SettingsRecord::kSize));
    EXPECT_EQ(ReadFile("Tarnwicket.rnd").size(), 6u * 1200 + 5) << "a full list takes no more layouts";
  }
}

}  // namespace
