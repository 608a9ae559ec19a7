// The console ticker: tag lines sliding through the 14-character window,
// running again forever or ending on a pinned line.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/viewer/viewer_session.h"

namespace {

// What the ticker window shows: the text up to its first terminator, the
// rest of the 14 cells blank (glyph 0 shows a blank).
std::string Window(const ViewerApp& app) {
  std::string shown(app.tickerText, strnlen(app.tickerText, ViewerApp::kTickerCells));
  shown.resize(ViewerApp::kTickerCells, ' ');
  return shown;
}

// A game whose only non-empty ticker line is its event: site, date and round
// are placeholders, shown empty.
std::string GameWithOnlyAnEvent() {
  return "[Event \"Blitz\"]\n[Site \"?\"]\n[Date \"??\"]\n[Round \"?\"]\n"
         "[White \"A, B\"]\n[Black \"C, D\"]\n[Result \"1-0\"]\n\n1.e4 e5 1-0\n";
}

}  // namespace

TEST(ViewerTicker, ShortLineScrollsThroughAndLeavesTheWindowBlank) {
  SessionSetup setup;
  setup.pgn = GameWithOnlyAnEvent();
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  ASSERT_STREQ(app.headerLines[0], "Event \"Blitz\"");
  ASSERT_EQ(app.headerLines[1][0], 0);
  ASSERT_EQ(app.tickerLine, 0);

  std::vector<std::string> windows;
  for (int step = 0; step < 40 && app.tickerDone == 0; ++step) {
    app.TickerStep();
    windows.push_back(Window(app));
  }
  ASSERT_GE(windows.size(), 3u);
  EXPECT_EQ(windows[0], "              ");
  EXPECT_EQ(windows[1], "              ");
  EXPECT_EQ(windows[2], "             E") << "enters at the right edge on the third step";
  EXPECT_EQ(windows[15], "Event \"Blitz\" ");
  EXPECT_EQ(windows[16], "vent \"Blitz\"  ");
  EXPECT_EQ(windows.back(), "              ") << "blank once the line has passed";
  EXPECT_EQ(windows.size(), 15u + 13u + 1u);
  EXPECT_EQ(app.tickerDone, 1);
  EXPECT_EQ(app.tickerLine, 0) << "runs again from the first line";
  EXPECT_EQ(app.tickerPos, -15);
}

TEST(ViewerTicker, PinnedLineStandsStillLeftAlignedWithItsValueOnly) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0", "A, B", "C, D", "Open");
  setup.settings[kScrollForeverByte] = 0;
  setup.settings[kHeaderLeftByte] = 2;  // the event
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  for (int step = 0; step < 400 && app.tickerDone == 0; ++step) app.TickerStep();
  ASSERT_EQ(app.tickerDone, 1);
  EXPECT_STREQ(app.headerLines[0], "Open");
  EXPECT_STREQ(app.headerLines[2], "2024.01.01");
  for (int step = 0; step < 100; ++step) app.TickerStep();
  EXPECT_EQ(Window(app), "Open          ");
  app.TickerStep();
  EXPECT_EQ(Window(app), "Open          ");
  EXPECT_EQ(app.tickerPos, 0);
}

TEST(ViewerTicker, NoPinnedLineLeavesTheWindowBlankForGood) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  setup.settings[kScrollForeverByte] = 0;
  setup.settings[kHeaderLeftByte] = 0;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  for (int step = 0; step < 400 && app.tickerDone == 0; ++step) app.TickerStep();
  ASSERT_EQ(app.tickerDone, 1);
  for (int step = 0; step < 100; ++step) {
    app.TickerStep();
    ASSERT_EQ(Window(app), "              ");
  }
}

TEST(ViewerTicker, HoldsTheFirstPlyUntilTheAnnouncementsHaveRun) {
  SessionSetup setup;
  setup.pgn = GameWithOnlyAnEvent();
  setup.settings[kWaitForAnnouncementsByte] = 1;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  EXPECT_EQ(app.moveNumber, 0) << "held while the ticker runs";
  // At 10 frames a second the ticker steps every frame.
  while (app.tickerDone == 0) session.Frame();
  session.Tick();
  EXPECT_EQ(app.moveNumber, 1);
}
