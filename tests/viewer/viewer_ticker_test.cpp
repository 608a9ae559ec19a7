// The console ticker: tag lines sliding through the 14-character window,
// running again forever or ending on a pinned line.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/viewer_session.h"

namespace {

// What the ticker window shows: the text up to its first terminator, the
// rest of the 14 cells blank (glyph 0 shows a blank).
std::string Window(const Ticker& ticker) {
  std::string shown(ticker.text(), strnlen(ticker.text(), Ticker::kCells));
  shown.resize(Ticker::kCells, ' ');
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
  ASSERT_STREQ(app.shownHeaderLine(0), "Event \"Blitz\"");
  ASSERT_EQ(app.shownHeaderLine(1)[0], 0);
  ASSERT_EQ(app.ticker().line(), 0);

  // The viewer's ticker as the game starts, stepped here.
  Ticker ticker = app.ticker();
  std::vector<std::string> windows;
  for (int step = 0; step < 40 && !ticker.done(); ++step) {
    ticker.Step();
    windows.push_back(Window(ticker));
  }
  ASSERT_GE(windows.size(), 3u);
  EXPECT_EQ(windows[0], "              ");
  EXPECT_EQ(windows[1], "              ");
  EXPECT_EQ(windows[2], "             E") << "enters at the right edge on the third step";
  EXPECT_EQ(windows[15], "Event \"Blitz\" ");
  EXPECT_EQ(windows[16], "vent \"Blitz\"  ");
  EXPECT_EQ(windows.back(), "              ") << "blank once the line has passed";
  EXPECT_EQ(windows.size(), 15u + 13u + 1u);
  EXPECT_TRUE(ticker.done());
  EXPECT_EQ(ticker.line(), 0) << "runs again from the first line";
  EXPECT_EQ(ticker.position(), -15);
}

TEST(ViewerTicker, PinnedLineStandsStillLeftAlignedWithItsValueOnly) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0", "A, B", "C, D", "Open");
  setup.settings.scrollAnnouncementsForever = 0;
  setup.settings.headerLeftDisplayed = 2;  // the event
  ViewerSession session(setup);
  Ticker ticker = session.Start().ticker();
  for (int step = 0; step < 400 && !ticker.done(); ++step) ticker.Step();
  ASSERT_TRUE(ticker.done());
  EXPECT_STREQ(ticker.tagLine(0), "Open");
  EXPECT_STREQ(ticker.tagLine(2), "2024.01.01");
  for (int step = 0; step < 100; ++step) ticker.Step();
  EXPECT_EQ(Window(ticker), "Open          ");
  ticker.Step();
  EXPECT_EQ(Window(ticker), "Open          ");
  EXPECT_EQ(ticker.position(), 0);
}

TEST(ViewerTicker, NoPinnedLineLeavesTheWindowBlankForGood) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  setup.settings.scrollAnnouncementsForever = 0;
  setup.settings.headerLeftDisplayed = 0;
  ViewerSession session(setup);
  Ticker ticker = session.Start().ticker();
  for (int step = 0; step < 400 && !ticker.done(); ++step) ticker.Step();
  ASSERT_TRUE(ticker.done());
  for (int step = 0; step < 100; ++step) {
    ticker.Step();
    ASSERT_EQ(Window(ticker), "              ");
  }
}

TEST(ViewerTicker, HoldsTheFirstPlyUntilTheAnnouncementsHaveRun) {
  SessionSetup setup;
  setup.pgn = GameWithOnlyAnEvent();
  setup.settings.waitForAnnouncements = 1;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  EXPECT_EQ(app.chess().moveNumber(), 0) << "held while the ticker runs";
  // At 10 frames a second the ticker steps every frame.
  while (!app.ticker().done()) session.Frame();
  session.Tick();
  EXPECT_EQ(app.chess().moveNumber(), 1);
}
