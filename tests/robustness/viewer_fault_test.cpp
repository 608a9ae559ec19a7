// The viewer facing faults: a folder where its records cannot be written,
// art libraries that are broken or lack a picture, game files that hold no
// game, hold noise, one enormous token or movetext without an end, and a
// game file cut short or replaced while it is shown. It plays on or ends
// with a "Fatal Error" box; it never crashes or hangs.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "art/resource_catalog.h"
#include "tests/robustness/fault_files.h"
#include "tests/support/viewer_session.h"
#include "viewer/frame/run_application.h"

namespace fs = std::filesystem;
using namespace fault_files;

namespace {

std::string LibraryPath(const char* name) { return std::string(TARNWICKET_ART_LIBRARY_DIR) + "/" + name; }

std::string ThreeGames() {
  return TestGame("1.e4 e5 2.Nf3 Nc6 3.Bb5 a6", "1-0") + TestGame("1.d4 d5 2.c4 e6", "1/2-1/2") +
         TestGame("1.c4 e5 2.Nc3 Nf6 3.g3", "0-1");
}

// The viewer as its program runs it (RunApplication's message loop), with
// the virtual clock moving 100 ms a frame, Right or Enter pressed every
// 40 frames and Escape after `escapeFrame` frames.
class ScriptedViewer : public ViewerApp {
 public:
  using ViewerApp::ViewerApp;
  void UpdateFrame() override {
    headless::AdvanceClock(100);
    ++frame;
    if (frame % 40 == 0) headless::KeyPress(frame % 80 == 0 ? kEnterKey : kRightKey);
    if (frame == escapeFrame) headless::KeyPress(kEscapeKey);
    if (games().currentGame() != lastGame) {
      lastGame = games().currentGame();
      ++gamesShown;
    }
    ViewerApp::UpdateFrame();
  }
  static int escapeFrame;
  int frame = 0;
  int16_t lastGame = 0;
  int gamesShown = 0;
};
int ScriptedViewer::escapeFrame = 600;

struct ProgramRun {
  int exitCode = -1;
  int gamesShown = 0;  // games the frames showed; 0 when start-up failed
  std::vector<headless::MessageBoxRecord> boxes;
};

// Runs the viewer program in the session's folder until it ends.
ProgramRun RunViewerProgram(int escapeFrame = 600) {
  ScriptedViewer::escapeFrame = escapeFrame;
  ProgramRun run;
  run.exitCode = RunApplication(
      [] { return new ScriptedViewer(GetModuleHandleA(nullptr), "TarnwicketGame", SW_SHOWNORMAL, 800, 600, 24, ""); });
  run.boxes = headless::MessageBoxes();
  if (auto* viewer = dynamic_cast<ScriptedViewer*>(theApp)) {
    run.gamesShown = viewer->gamesShown;
    delete viewer;
  }
  theApp = nullptr;
  return run;
}

void ExpectFatalErrorBox(const ProgramRun& run, const std::string& text) {
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].caption, "Fatal Error");
  EXPECT_EQ(run.boxes[0].text, text);
}

// --- Records that cannot be written ---

TEST(ViewerFaults, PlaysOnWhereItsRecordsCannotBeWritten) {
  for (auto makeUnwritable : {MakeFolderInstead, MakeDiskFull}) {
    SessionSetup setup;
    setup.pgn = ThreeGames();
    ViewerSession session(setup);
    makeUnwritable("Tarnwicket.rsm");
    makeUnwritable("lastgameplayed.txt");
    const ProgramRun run = RunViewerProgram();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.empty()) << run.boxes[0].text;
    EXPECT_GE(run.gamesShown, 4) << "Enter and the games' ends moved on";
    EXPECT_FALSE(fs::is_regular_file(fs::symlink_status("Tarnwicket.rsm")));
  }
}

TEST(ViewerFaults, PlaysOnWhenNoneOfItsFilesCanBeWrittenAndTheSettingsReadAsZeros) {
  SessionSetup setup;
  setup.pgn = ThreeGames();
  ViewerSession session(setup);
  for (const char* name : {"Tarnwicket.rsm", "lastgameplayed.txt", "Tarnwicket.cfg"}) MakeDiskFull(name);
  const ProgramRun run = RunViewerProgram();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.boxes.empty());
  EXPECT_GE(run.gamesShown, 2);
}

TEST(ViewerFaults, PlaysOnInAFolderItMayNotWriteTo) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
  SessionSetup setup;
  setup.pgn = ThreeGames();
  ViewerSession session(setup);
  fs::permissions(".", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const ProgramRun run = RunViewerProgram();
  fs::permissions(".", fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.boxes.empty());
  EXPECT_FALSE(fs::exists("Tarnwicket.rsm"));
}

// --- Settings and layouts of any bytes ---

TEST(ViewerFaults, SettingsAndLayoutsOfAnyBytesPlayOn) {
  std::vector<uint8_t> randomLayoutsOn = NoiseBytes(23, 11);
  randomLayoutsOn[6] = 1;
  for (const std::vector<uint8_t>& settings : {std::vector<uint8_t>(23, 255), std::vector<uint8_t>(23, 0x80),
                                               std::vector<uint8_t>(23, 0), randomLayoutsOn, NoiseBytes(5, 12)}) {
    SessionSetup setup;
    setup.pgn = ThreeGames();
    setup.settingsBytes = settings;
    setup.layouts = NoiseBytes(6 * 40 + 3, 13);
    ViewerSession session(setup);
    const ProgramRun run = RunViewerProgram(300);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.empty()) << run.boxes[0].text;
    EXPECT_GE(run.gamesShown, 2);
  }
}

// --- Art libraries ---

// The frame after the intro and a few plies, with the given library files.
headless::Frame FrameWithLibraries(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& libraries,
                                   bool expectLibrariesMissing) {
  SessionSetup setup;
  setup.pgn = ThreeGames();
  setup.artLibraries = false;
  ViewerSession session(setup);
  for (const auto& [name, bytes] : libraries) WriteBytes(name, bytes);
  ViewerApp& app = session.Start();
  if (expectLibrariesMissing) {
    EXPECT_EQ(app.libraries().boardsLibrary, nullptr);
    EXPECT_EQ(app.libraries().piecesLibrary, nullptr);
    EXPECT_EQ(app.libraries().consolesLibrary, nullptr);
  }
  EXPECT_NE(app.libraries().backdropsLibrary, nullptr);
  session.FinishIntro();
  for (int ply = 0; ply < 3; ++ply) {
    session.Tick();
    session.FramesUntilLanded();
  }
  session.Frames(3);
  return headless::LastFrame();
}

TEST(ViewerFaults, BrokenArtLibrariesAreTreatedAsMissing) {
  const std::vector<uint8_t> backdrops = ReadBytes(LibraryPath(resource_catalog::kBackdropsLibraryFile));
  std::vector<uint8_t> boards = ReadBytes(LibraryPath(resource_catalog::kBoardsLibraryFile));
  ASSERT_GT(boards.size(), 1000u);
  boards.resize(boards.size() / 2);  // truncated
  const std::string notPe = "This is not a library, only a text file with a library's name.\n";
  const std::vector<uint8_t> consoles =
      WithResourcesOutsideTheFile(ReadBytes(LibraryPath(resource_catalog::kConsolesLibraryFile)));

  const headless::Frame broken =
      FrameWithLibraries({{resource_catalog::kBackdropsLibraryFile, backdrops},
                          {resource_catalog::kBoardsLibraryFile, boards},
                          {resource_catalog::kPiecesLibraryFile, {notPe.begin(), notPe.end()}},
                          {resource_catalog::kConsolesLibraryFile, consoles}},
                         true);
  const headless::Frame missing = FrameWithLibraries({{resource_catalog::kBackdropsLibraryFile, backdrops}}, true);
  ASSERT_EQ(broken.pixels.size(), 800u * 600u);
  EXPECT_TRUE(broken.pixels == missing.pixels) << "the own pictures show, as without those libraries";
}

TEST(ViewerFaults, LibraryLackingAPictureEndsWithItsFatalErrorBox) {
  SessionSetup setup;
  setup.pgn = ThreeGames();
  setup.artLibraries = false;
  ViewerSession session(setup);
  for (const char* name : resource_catalog::kArtLibraryFiles) fs::copy_file(LibraryPath(name), name);
  // A library that loads but holds none of the boards.
  fs::remove(resource_catalog::kBoardsLibraryFile);
  fs::copy_file(LibraryPath(resource_catalog::kBackdropsLibraryFile), resource_catalog::kBoardsLibraryFile);
  const ProgramRun run = RunViewerProgram();
  ExpectFatalErrorBox(run, "LoadImage failed in Vizerid constructor.");
}

// --- Hostile game files ---

TEST(ViewerFaults, GameFileWithoutAGameEndsWithAFatalErrorBox) {
  for (const std::string& text :
       {std::string(), std::string("\n \t\r\n"), std::string("% an escape line\n{a comment}\n; a line comment\n"),
        std::string("1. 2. 3... $1 !? \n")}) {
    SessionSetup setup;
    setup.pgn = "placeholder";
    ViewerSession session(setup);
    WriteText("Tarnwicket.pgn", text);
    ExpectFatalErrorBox(RunViewerProgram(), "No game in Tarnwicket.pgn");
  }
}

TEST(ViewerFaults, BinaryGameFileEndsWithAFatalErrorBoxOrPlaysOn) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    SessionSetup setup;
    setup.pgn = "placeholder";
    ViewerSession session(setup);
    WriteBytes("Tarnwicket.pgn", NoiseBytes(64 * 1024, seed));
    const ProgramRun run = RunViewerProgram(300);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_LE(run.boxes.size(), 1u);
    if (!run.boxes.empty()) {
      EXPECT_EQ(run.boxes[0].caption, "Fatal Error");
      EXPECT_FALSE(run.boxes[0].text.empty());
    }
  }
}

TEST(ViewerFaults, OneEnormousTokenEndsWithTheLengthMessage) {
  SessionSetup setup;
  setup.pgn = std::string(4 * 1024 * 1024, 'e');
  ViewerSession session(setup);
  ExpectFatalErrorBox(RunViewerProgram(), "Flllllllluuuuuuubbbbbeeee! 99");
}

TEST(ViewerFaults, MovetextCutOffByAnEndlessCommentEndsAtTheEndOfTheFile) {
  for (const char* tail : {" {a comment that never closes\n2. d4 d5\n", " (a variation that never closes 2. d4\n"}) {
    SessionSetup setup;
    setup.pgn = "[Event \"Open end\"]\n\n1. e4 e5 2. Nf3" + std::string(tail);
    ViewerSession session(setup);
    ViewerApp& app = session.Start();
    EXPECT_EQ(app.games().plyCounts()[0], 4) << "three plies and the end of the file";
    session.FinishIntro();
    for (int tick = 0; tick < 6 && app.chess().gameState() == ChessState::kPlaying; ++tick) {
      session.Tick();
      session.FramesUntilLanded();
    }
    EXPECT_EQ(app.chess().gameState(), ChessState::kGameOver);
    EXPECT_EQ(app.chess().moveNumber(), 2);
  }
}

TEST(ViewerFaults, MovetextLongerThanThePlyListsHoldIsPlayedAsFarAsTheyGo) {
  // 40000 plies of knights going out and back, and no result.
  std::string moves = "[Event \"Endless\"]\n\n";
  for (int move = 0; move < 10000; ++move)
    moves += std::to_string(2 * move + 1) + ". Nf3 Nf6 " + std::to_string(2 * move + 2) + ". Ng1 Ng8\n";
  SessionSetup setup;
  setup.pgn = moves;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  EXPECT_EQ(app.games().plyCounts()[0], INT16_MAX);
  EXPECT_EQ(app.games().plies().loadedPlies, INT16_MAX);
  session.FinishIntro();
  for (int ply = 0; ply < 50; ++ply) session.Press(kRightKey);
  session.Press(kLeftKey);
  session.FramesUntilLanded();
  EXPECT_EQ(app.chess().gameState(), ChessState::kPlaying);
  session.Press(kEnterKey);  // the one game again
  EXPECT_EQ(app.chess().moveNumber(), 0);
}

// --- The game file changing under the viewer ---

enum class Change { kTruncatedToNothing, kCutInHalf, kOverwrittenWithNoise, kOverwrittenWithLongerGames, kReplaced };

void ChangeGameFile(Change change) {
  const uintmax_t size = fs::file_size("Tarnwicket.pgn");
  switch (change) {
    case Change::kTruncatedToNothing: fs::resize_file("Tarnwicket.pgn", 0); break;
    case Change::kCutInHalf: fs::resize_file("Tarnwicket.pgn", size / 2); break;
    case Change::kOverwrittenWithNoise: {
      // In place: the viewer's open file sees the new bytes.
      std::FILE* file = std::fopen("Tarnwicket.pgn", "r+b");
      const std::vector<uint8_t> noise = NoiseBytes(size, 9);
      std::fwrite(noise.data(), 1, noise.size(), file);
      std::fclose(file);
      break;
    }
    case Change::kOverwrittenWithLongerGames: {
      std::string longer;
      for (int game = 0; game < 3; ++game) {
        std::string moves;
        for (int move = 1; move <= 60; ++move) moves += std::to_string(move) + ". Nf3 Nf6 " + "Ng1 Ng8 ";
        longer += TestGame(moves, "*");
      }
      std::FILE* file = std::fopen("Tarnwicket.pgn", "r+b");
      std::fwrite(longer.data(), 1, longer.size(), file);
      std::fclose(file);
      break;
    }
    case Change::kReplaced:
      WriteText("Tarnwicket.pgn.new", TestGame("1.b3 b6", "1-0"));
      fs::rename("Tarnwicket.pgn.new", "Tarnwicket.pgn");
      break;
  }
}

TEST(ViewerFaults, GameFileCutShortOrReplacedWhileShownEndsCleanlyOrPlaysOn) {
  for (Change change : {Change::kTruncatedToNothing, Change::kCutInHalf, Change::kOverwrittenWithNoise,
                        Change::kOverwrittenWithLongerGames, Change::kReplaced}) {
    SessionSetup setup;
    setup.pgn = ThreeGames() + ThreeGames();
    ViewerSession session(setup);
    ViewerApp& app = session.Start();
    session.FinishIntro();
    session.Ticks(3);
    ChangeGameFile(change);
    try {
      for (int round = 0; round < 8; ++round) {
        session.Press(kEnterKey);
        for (int tick = 0; tick < 12; ++tick) {
          session.Tick();
          session.Frames(2);
        }
        session.Press(kLeftKey);
      }
      EXPECT_EQ(app.chess().gameState() == ChessState::kStopping, false);
    } catch (const FatalError& error) {
      EXPECT_NE(error.text[0], '\0') << "a clear message for change " << static_cast<int>(change);
    }
  }
}

}  // namespace
