// The play driver: the opening wait, the arrow keys, the take-back, Enter
// and Escape, the order of games and random layouts, the viewer's own
// pictures, and the failures that end the program with a "Fatal Error" box.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <string>

#include "common/frame_geometry.h"
#include "tests/support/board_text.h"
#include "tests/support/viewer_session.h"
#include "tests/viewer/pictures.h"
#include "viewer/frame/run_application.h"

namespace {

using test_support::Square;

std::string BoardText(const ViewerApp& app) {
  return std::string(reinterpret_cast<const char*>(app.chess().board()), 64);
}

const std::string kStartingBoard = "RNBQKBNRPPPPPPPP" + std::string(32, ' ') + "pppppppprnbqkbnr";

// How often "lastgameplayed.txt" holds the lines of a game's first ply.
int CountFirstPlyLogEntries() {
  std::ifstream log("lastgameplayed.txt", std::ios::binary);
  std::string line;
  int count = 0;
  while (std::getline(log, line)) count += line.rfind("fps:", 0) == 0;
  return count;
}

// Plays `plies` plies, each landed before the next.
void PlayLanded(ViewerSession& session, int plies) {
  for (int i = 0; i < plies; ++i) {
    session.Tick();
    session.FramesUntilLanded();
  }
}

}  // namespace

TEST(ViewerPlay, FirstPlyComesOnTheEleventhTickAfterAnOpeningWaitOfTen) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5 2.Nf3", "1-0");
  setup.settings.firstMoveDelay = 10;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Ticks(10);
  EXPECT_EQ(app.chess().moveNumber(), 0);
  session.Tick();
  EXPECT_EQ(app.chess().moveNumber(), 1);
  EXPECT_EQ(app.chess().sideToMove(), ChessState::kBlack);
  session.Tick();
  EXPECT_EQ(app.chess().sideToMove(), ChessState::kWhite) << "the second ply on the twelfth tick";
}

TEST(ViewerPlay, RightDuringTheOpeningWaitPlaysAtOnceAndEndsTheWait) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5 2.Nf3", "1-0");
  setup.settings.firstMoveDelay = 10;
  setup.settings.waitForAnnouncements = 1;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Ticks(2);
  session.Press(kRightKey);
  EXPECT_EQ(app.chess().moveNumber(), 1);
  EXPECT_EQ(app.play().holdForTicker, 0);
  session.Tick();
  EXPECT_EQ(app.chess().sideToMove(), ChessState::kWhite) << "the next tick plays the second ply";
}

TEST(ViewerPlay, UpAndDownPauseAndResumeWhileRightStillPlays) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5 2.Nf3 Nc6", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Press(kUpKey);
  EXPECT_EQ(app.play().paused, 1);
  session.Ticks(3);
  EXPECT_EQ(app.chess().moveNumber(), 0);
  session.Press(kRightKey);
  EXPECT_EQ(app.chess().moveNumber(), 1);
  session.Press(kDownKey);
  EXPECT_EQ(app.play().paused, 0);
  session.Press(kUpKey);
  session.Press(kDownKey);
  EXPECT_EQ(app.play().paused, 0) << "Up then Down leaves it as it was";
  session.Tick();
  EXPECT_EQ(app.chess().sideToMove(), ChessState::kWhite);
}

TEST(ViewerPlay, AutoplayOffStartsPaused) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  setup.settings.autoplay = 0;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Ticks(3);
  EXPECT_EQ(app.play().paused, 1);
  EXPECT_EQ(app.chess().moveNumber(), 0);
}

TEST(ViewerPlay, LeftBeforeAnyPlyDoesNothing) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Press(kLeftKey);
  EXPECT_EQ(BoardText(app), kStartingBoard);
  EXPECT_EQ(app.scene().animFrame, 0);
}

TEST(ViewerPlay, TakingBackTheFirstPlySlidesThePawnHomeToTheStartingPosition) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayLanded(session, 1);
  session.Press(kLeftKey);
  EXPECT_EQ(app.scene().animFrame, 1);
  EXPECT_EQ(app.chess().whiteShown(), 1);
  EXPECT_EQ(app.scene().lampSide, 1);
  EXPECT_EQ(app.scene().plyAnimation.fromY, 250.0f) << "from e4";
  EXPECT_EQ(app.scene().plyAnimation.toY, 350.0f) << "back to e2";
  session.TakeSounds();
  session.FramesUntilLanded();
  EXPECT_EQ(BoardText(app), kStartingBoard);
  EXPECT_EQ(app.chess().capturedWhiteCount() + app.chess().capturedBlackCount(), 0);
  session.Frames(5);
  for (unsigned sound : session.TakeSounds()) {
    EXPECT_TRUE(sound >= 137 && sound <= 139) << "only the landing sounds: " << sound;
  }
  session.Tick();
  EXPECT_EQ(app.chess().moveNumber(), 1) << "play goes on with the same ply";
  EXPECT_EQ(app.chess().pendingSquares()[Square("e4")], 'p');
}

TEST(ViewerPlay, TakingBackACaptureLeavesTheVictimStandingAndTheTraysAsBefore) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 d5 2.exd5 Qxd5 3.Nc3 Qxa2", "0-1");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayLanded(session, 3);  // 2.exd5 took a black pawn
  ASSERT_EQ(app.chess().capturedBlackCount(), 1);
  session.Press(kLeftKey);
  EXPECT_EQ(app.chess().board()[Square("d5")], 'P') << "the captured pawn stands during the slide";
  EXPECT_EQ(app.chess().capturedBlackCount(), 0);
  EXPECT_EQ(app.chess().capturedBlack()[0], kEmptyTraySlot);
  session.FramesUntilLanded();
  EXPECT_EQ(app.chess().board()[Square("e4")], 'p');
  EXPECT_EQ(app.chess().board()[Square("d5")], 'P');
  EXPECT_EQ(app.chess().capturedBlackCount(), 0);
}

TEST(ViewerPlay, TakeBackAfterACaptureKeepsThatCaptureInItsTraySlot) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 d5 2.exd5 Qxd5 3.Nc3 Qxa2", "0-1");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayLanded(session, 5);  // 2...Qxd5 took a white pawn, then 3.Nc3
  ASSERT_EQ(app.chess().capturedWhiteCount(), 1);
  session.Press(kLeftKey);  // take back 3.Nc3
  session.FramesUntilLanded();
  EXPECT_EQ(CountFirstPlyLogEntries(), 1) << "the replay does not log the first ply again";
  EXPECT_EQ(app.chess().capturedWhiteCount(), 1);
  EXPECT_EQ(app.chess().capturedWhite()[0], kPawn);
  PlayLanded(session, 2);  // 3.Nc3 again, then 3...Qxa2
  EXPECT_EQ(app.chess().capturedWhiteCount(), 2);
  EXPECT_EQ(app.chess().capturedWhite()[0], kPawn);
  EXPECT_EQ(app.chess().capturedWhite()[1], kPawn);
}

TEST(ViewerPlay, TickDuringASlideAppliesItWithoutALandingSound) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 d5 2.exd5 Qxd5", "1-0");
  setup.settings.pieceSpeed = 0;  // a pixel a frame
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Ticks(3);  // e4, d5 and exd5 started, none landed
  EXPECT_EQ(app.chess().capturedBlackCount(), 0);
  session.TakeSounds();
  session.Tick();
  EXPECT_EQ(app.chess().capturedBlackCount(), 1) << "exd5 applied when the next ply came";
  EXPECT_TRUE(session.TakeSounds().empty());
}

TEST(ViewerPlay, EnterDuringASlideLeavesNothingOfTheOldPly) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0") + TestGame("1.d4 d5", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  session.Frames(2);
  ASSERT_GT(app.scene().animFrame, 0);
  session.TakeSounds();
  session.Press(kEnterKey);
  EXPECT_EQ(app.games().currentGame(), 2);
  EXPECT_EQ(app.scene().animFrame, 0) << "no piece of the old game slides on";
  session.Frames(30);
  EXPECT_TRUE(session.TakeSounds().empty()) << "no landing or settling sound";
  EXPECT_EQ(BoardText(app), kStartingBoard);
  EXPECT_EQ(app.scene().lampSide, 1);
}

TEST(ViewerPlay, OneGameFileStartsItsGameAgainAfterTheEndWait) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  EXPECT_EQ(app.games().lastGameIndex(), 0);
  session.Ticks(2);
  ASSERT_EQ(app.chess().gameState(), ChessState::kGameOver);
  session.Tick();
  EXPECT_EQ(app.chess().gameState(), ChessState::kGameOver);
  session.Tick();  // second tick of the end wait
  EXPECT_EQ(app.chess().gameState(), ChessState::kPlaying);
  EXPECT_EQ(app.games().currentGame(), 1);
  EXPECT_EQ(BoardText(app), kStartingBoard);
}

TEST(ViewerPlay, RandomOrderCanShowTheSameGameTwiceInARow) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4", "1-0") + TestGame("1.d4", "1-0") + TestGame("1.c4", "1-0");
  setup.settings.randomGameOrder = 1;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  std::set<int> seen;
  bool repeated = false;
  int previous = app.games().currentGame();
  for (int i = 0; i < 30; ++i) {
    session.Press(kEnterKey);
    ASSERT_GE(app.games().currentGame(), 1);
    ASSERT_LE(app.games().currentGame(), 3);
    seen.insert(app.games().currentGame());
    repeated = repeated || app.games().currentGame() == previous;
    previous = app.games().currentGame();
  }
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_TRUE(repeated);
}

TEST(ViewerPlay, RandomLayoutsChangeTheArtWithoutNewSurfaces) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4", "1-0");
  setup.settings.useRandomLayouts = 1;
  setup.layouts = {5, 2, 2, 0, 2, 0,   // board 2
                   1, 7, 5, 3, 9, 4};  // board 9, another console, style 4
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  EXPECT_EQ(app.layouts().layoutCount, 2);
  const LPDIRECTDRAWSURFACE board = app.surfaces().boardSurface;
  const LPDIRECTDRAWSURFACE glyph = app.surfaces().glyphs[65];
  std::set<int> boards;
  std::set<std::vector<uint32_t>> boardPictures;
  for (int i = 0; i < 12; ++i) {
    session.Press(kEnterKey);
    ASSERT_TRUE(app.art().boardIndex == 2 || app.art().boardIndex == 9);
    ASSERT_EQ(app.art().consoleStyle, app.art().boardIndex == 2 ? 0 : 4);
    boards.insert(app.art().boardIndex);
    boardPictures.insert(ReadSurface(app.surfaces().boardSurface).pixels);
  }
  EXPECT_EQ(boards.size(), 2u);
  EXPECT_EQ(boardPictures.size(), 2u);
  EXPECT_EQ(app.surfaces().boardSurface, board);
  EXPECT_EQ(app.surfaces().glyphs[65], glyph);
}

TEST(ViewerPlay, EscapeReleasesEverythingAndClosesTheWindow) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  ASSERT_NE(app.libraries().piecesLibrary, nullptr);
  headless::KeyPress(kEscapeKey);
  session.Pump();
  EXPECT_EQ(app.chess().gameState(), ChessState::kStopping);
  EXPECT_EQ(app.libraries().boardsLibrary, nullptr);
  EXPECT_EQ(app.libraries().piecesLibrary, nullptr);
  EXPECT_EQ(app.libraries().consolesLibrary, nullptr);
  EXPECT_EQ(app.libraries().backdropsLibrary, nullptr);
  EXPECT_FALSE(app.games().IsFileOpen());
  EXPECT_TRUE(app.games().plies().plyList.empty());
  EXPECT_TRUE(app.games().plyCounts().empty());
  EXPECT_TRUE(session.quit()) << "the window closed and the loop ends";
}

TEST(ViewerPlay, EscapeDuringTheIntroClosesTheViewer) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  ViewerSession session(setup);
  session.Start();
  session.Frames(15, 100);
  headless::KeyPress(kEscapeKey);
  session.Pump();
  EXPECT_TRUE(session.quit());
}

TEST(ViewerPlay, NamesInUtf8ReadThroughTheFontsCells) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0", "Ljubojevi\xC4\x87, Ljubomir", "Nepomniachtchi, Ian");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  EXPECT_STREQ(app.shownHeaderLine(4), "Ljubojevic, Ljubomir");
  EXPECT_STREQ(app.shownHeaderLine(5), "Nepomniachtchi, Ian");
  const Picture scene = ReadSurface(app.surfaces().sceneBackground);
  // The tenth cell of White's name.
  const frame_geometry::TextField name = frame_geometry::kWhiteNameField;
  EXPECT_TRUE(
      ShowsOpaque(scene, ReadSurface(app.surfaces().glyphs['c']), name.x + frame_geometry::kGlyphWidth * 9, name.y));
}

TEST(ViewerPlay, MissingGameFileEndsInItsFatalErrorBox) {
  SessionSetup setup;  // no game file
  ViewerSession session(setup);
  const int exitCode = RunApplication(
      [] { return new ViewerApp(GetModuleHandleA(nullptr), "TarnwicketGame", SW_SHOWNORMAL, 800, 600, 24, ""); });
  EXPECT_EQ(exitCode, 0);
  ASSERT_EQ(headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(headless::MessageBoxes()[0].text, "can't find Tarnwicket.PGN");
  EXPECT_EQ(headless::MessageBoxes()[0].caption, "Fatal Error");
  EXPECT_EQ(headless::MessageBoxes()[0].type, static_cast<UINT>(MB_TASKMODAL));
}

TEST(ViewerPlay, QuotedGameFileNameDoesNotOpen) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  setup.commandLine = "\"Tarnwicket.pgn\"";
  ViewerSession session(setup);
  try {
    session.Start();
    FAIL() << "the quoted name must not open";
  } catch (const FatalError& error) {
    EXPECT_STREQ(error.text, "can't find Tarnwicket.PGN");
  }
}

TEST(ViewerPlay, CommandLineNamesTheGameFile) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  setup.commandLine = "Tarnwicket.pgn";
  ViewerSession session(setup);
  EXPECT_STREQ(session.Start().games().pgnFileName(), "Tarnwicket.pgn");
}

namespace {

// The viewer as the program runs it, with the virtual clock moving 100 ms
// at each frame.
class ClockedViewer : public ViewerApp {
 public:
  using ViewerApp::ViewerApp;
  void UpdateFrame() override {
    headless::AdvanceClock(100);
    ViewerApp::UpdateFrame();
  }
};

}  // namespace

TEST(ViewerPlay, PlyThatCannotBeResolvedEndsInItsFatalErrorBox) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5 2.Zf3", "1-0");
  ViewerSession session(setup);
  const int exitCode = RunApplication(
      [] { return new ClockedViewer(GetModuleHandleA(nullptr), "TarnwicketGame", SW_SHOWNORMAL, 800, 600, 24, ""); });
  EXPECT_EQ(exitCode, 0);
  ASSERT_EQ(headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(headless::MessageBoxes()[0].text, "Raaaaaaawwrr!");
  EXPECT_EQ(headless::MessageBoxes()[0].caption, "Fatal Error");
  delete theApp;
  theApp = nullptr;
}
