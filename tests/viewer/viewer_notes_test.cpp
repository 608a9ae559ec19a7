// A game's notes on the console: the players' ratings and clocks in the
// name fields (set when each ply lands, set back by a take-back), each
// ply's comment and evaluation in the ticker (a long one holding the next
// ply when the announcements are waited for), the opening and the comment
// before the first move as announcements, the glyphs beside the move.
#include <gtest/gtest.h>

#include <string>

#include "common/frame_geometry.h"
#include "tests/support/viewer_session.h"
#include "tests/viewer/pictures.h"
#include "viewer/show/notes_shown.h"

namespace {

using frame_geometry::kBlackNameField;
using frame_geometry::kGlyphWidth;
using frame_geometry::kWhiteNameField;

constexpr char kNoteTags[] =
    "[TimeControl \"180+2\"]\n[WhiteElo \"2830\"]\n[BlackElo \"2791\"]\n[ECO \"C44\"]\n"
    "[Opening \"King's Pawn Game\"]\n";

// Four plies with clocks (one with tenths, one under 20 seconds), an
// evaluation, comments and a glyph.
constexpr char kClockedMoves[] =
    "{A quiet start.} 1. e4 { [%eval 0.17] [%clk 0:02:58] } 1... e5 { [%clk 0:02:55.5] A solid reply. } "
    "2. Nf3 $1 { [%clk 0:02:50] } 2... Nc6 { [%clk 0:00:19.4] }";

// The seven tags, then the notes' tags, as real exports have them.
SessionSetup ClockedGame(const std::string& moves = kClockedMoves) {
  SessionSetup setup;
  setup.pgn = TestGame(moves, "*");
  setup.pgn.insert(setup.pgn.find("\n\n") + 1, kNoteTags);
  return setup;
}

// The name field's cells left of the clock.
constexpr int kNameCells = kWhiteNameField.cells - kClockCells;

int ClockX(const frame_geometry::TextField& field) { return field.x + kNameCells * kGlyphWidth; }

// Plays the next ply to its landing and shows one frame more.
void PlayOnePly(ViewerSession& session) {
  session.Tick();
  session.FramesUntilLanded();
  session.Frame();
}

// True when the frame shows both clocks as given (8 cells each, right-aligned).
::testing::AssertionResult ShowsClocks(ViewerApp& app, const std::string& white, const std::string& black) {
  const Picture frame = LastFrame();
  const SurfaceSet& surfaces = app.surfaces();
  if (!ShowsText(frame, surfaces, ClockX(kWhiteNameField), kWhiteNameField.y, white, kClockCells)) {
    return ::testing::AssertionFailure() << "White's clock is not \"" << white << "\" but \""
                                         << app.ClockText(ClockSide::kWhite) << "\"";
  }
  if (!ShowsText(frame, surfaces, ClockX(kBlackNameField), kBlackNameField.y, black, kClockCells)) {
    return ::testing::AssertionFailure() << "Black's clock is not \"" << black << "\" but \""
                                         << app.ClockText(ClockSide::kBlack) << "\"";
  }
  return ::testing::AssertionSuccess();
}

std::string TickerWindow(const ViewerApp& app) { return std::string(app.ticker().text()); }

}  // namespace

TEST(ViewerNotes, ClocksShowBesideTheRatedNamesAndChangeWhenEachPlyLands) {
  ViewerSession session(ClockedGame());
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Frame();
  const Picture first = LastFrame();
  EXPECT_TRUE(ShowsText(first, app.surfaces(), kWhiteNameField.x, kWhiteNameField.y, "White, Player 2830", kNameCells));
  EXPECT_TRUE(ShowsText(first, app.surfaces(), kBlackNameField.x, kBlackNameField.y, "Black, Player 2791", kNameCells));
  EXPECT_TRUE(ShowsClocks(app, "    3:00", "    3:00")) << "the TimeControl's start";

  session.Tick();
  session.Frame();
  EXPECT_TRUE(ShowsClocks(app, "    3:00", "    3:00")) << "while the ply slides";
  session.FramesUntilLanded();
  session.Frame();
  EXPECT_TRUE(ShowsClocks(app, "    2:58", "    3:00"));
  PlayOnePly(session);
  EXPECT_TRUE(ShowsClocks(app, "    2:58", "    2:55")) << "tenths only under 20 seconds";
  PlayOnePly(session);
  PlayOnePly(session);
  EXPECT_TRUE(ShowsClocks(app, "    2:50", "  0:19.4"));
}

TEST(ViewerNotes, ATakeBackSetsTheClocksBack) {
  ViewerSession session(ClockedGame());
  ViewerApp& app = session.Start();
  session.FinishIntro();
  for (int ply = 0; ply < 3; ++ply) PlayOnePly(session);
  ASSERT_TRUE(ShowsClocks(app, "    2:50", "    2:55"));
  session.Press(kLeftKey);
  session.Frame();
  EXPECT_TRUE(ShowsClocks(app, "    2:58", "    2:55"));
  session.Press(kLeftKey);
  session.Frame();
  EXPECT_TRUE(ShowsClocks(app, "    2:58", "    3:00"));
  session.Press(kLeftKey);
  session.Frame();
  EXPECT_TRUE(ShowsClocks(app, "    3:00", "    3:00")) << "back at the start";
}

TEST(ViewerNotes, EachPlysCommentAndEvaluationShowInTheTickerWhileItIsOnShow) {
  ViewerSession session(ClockedGame());
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayOnePly(session);
  EXPECT_EQ(TickerWindow(app), "+0.17");
  PlayOnePly(session);
  EXPECT_EQ(TickerWindow(app), "A solid reply.") << "a comment that fits stands";
  PlayOnePly(session);
  EXPECT_STREQ(app.chess().plyDisplayText(), "Nf3!") << "glyph $1 beside the move";
  bool announcements = false;
  for (int frame = 0; frame < 40; ++frame) {
    session.Frame();
    announcements = announcements || TickerWindow(app).find("Test Event") != std::string::npos;
  }
  EXPECT_TRUE(announcements) << "a ply without a comment gives the window back to the announcements";
  session.Press(kLeftKey);
  session.Frame();
  EXPECT_EQ(TickerWindow(app), "A solid reply.") << "the take-back shows the comment of the ply now on show";
}

TEST(ViewerNotes, TheOpeningAndTheFirstCommentAreAnnouncementsAfterTheTags) {
  ViewerSession session(ClockedGame());
  ViewerApp& app = session.Start();
  EXPECT_STREQ(app.ticker().tagLine(Ticker::kOpeningLine), "C44 King's Pawn Game");
  EXPECT_STREQ(app.ticker().tagLine(Ticker::kGameCommentLine), "A quiet start.");
}

TEST(ViewerNotes, ALongCommentHoldsTheNextPlyUntilItHasRunThroughOnce) {
  const std::string comment = "This long comment takes a while to slide through the ticker window.";
  SessionSetup setup = ClockedGame("1. e4 {" + comment + "} e5 2. Nf3");
  setup.settings.waitForAnnouncements = 1;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  while (!app.ticker().done()) session.Frame();
  PlayOnePly(session);
  ASSERT_EQ(app.chess().PliesShown(), 1);
  int frames = 0;
  for (; frames < 400 && !app.ticker().commentDone(); ++frames) {
    session.Tick();
    ASSERT_EQ(app.chess().PliesShown(), 1) << "held at frame " << frames;
    session.Frame();
  }
  // At 10 frames a second the ticker steps once a frame: the comment and
  // the window's width go by.
  EXPECT_GE(frames, static_cast<int>(comment.size()));
  session.Tick();
  EXPECT_EQ(app.chess().PliesShown(), 2);
}

TEST(ViewerNotes, AGameWithoutClocksKeepsItsWholeNameFields) {
  SessionSetup setup;
  setup.pgn = TestGame("1. e4 e5", "*", "A player with a long name, 29c");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Frame();
  EXPECT_FALSE(app.clocks().shown);
  EXPECT_EQ(app.ClockText(ClockSide::kWhite), "");
  EXPECT_TRUE(ShowsText(LastFrame(), app.surfaces(), kWhiteNameField.x, kWhiteNameField.y,
                        "A player with a long name, 29c", kWhiteNameField.cells));
}

// The console with the clocks and a comment, kept as a golden frame.
TEST(ViewerNotes, TheConsoleWithClocksAndACommentLooksAsBefore) {
  ViewerSession session(ClockedGame());
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayOnePly(session);
  PlayOnePly(session);
  session.Frames(30);
  ASSERT_EQ(TickerWindow(app), "A solid reply.");
  EXPECT_EQ(CompareWithGolden(LastFrame(), "console-clocks-and-comment.png"), 0);
}
