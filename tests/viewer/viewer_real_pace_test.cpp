// Real pace on the virtual clock: each ply comes after the time its player
// spent on it divided by the factor (never sooner than a slide), a ply
// without a time after the usual delay; the clock of the side to move runs
// down meanwhile; the evidence log notes each ply with its time, the clocks
// and the comment; and comments switched off leave the ticker to the
// announcements.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "tests/support/viewer_session.h"
#include "viewer/frame/evidence_log.h"

namespace {

// Ten minutes each; White spends 30 s, Black 60 s, White 40 s, Black 5 s;
// the fifth ply has no clock.
constexpr char kPacedMoves[] =
    "1. e4 { [%clk 0:09:30] } 1... e5 { [%clk 0:09:00] Quick. } 2. Nf3 { [%clk 0:08:50] } "
    "2... Nc6 { [%clk 0:08:55] } 3. Bb5";

SessionSetup PacedGame(uint8_t factor) {
  SessionSetup setup;
  setup.pgn = TestGame(kPacedMoves, "*");
  setup.pgn.insert(setup.pgn.find("\n\n") + 1, "[TimeControl \"600\"]\n");
  setup.settings.realPace = 1;
  setup.settings.realPaceFactor = factor;
  setup.settings.followLiveGames = 0;
  return setup;
}

// The virtual times at which each of the first `count` plies started.
std::vector<uint64_t> PlyStartTimes(ViewerSession& session, size_t count) {
  std::vector<uint64_t> starts;
  int shown = session.app().chess().PliesShown();
  for (int frame = 0; frame < 4000 && starts.size() < count; ++frame) {
    session.Frame();
    if (session.app().chess().PliesShown() != shown) {
      shown = session.app().chess().PliesShown();
      starts.push_back(headless::ClockMilliseconds());
    }
  }
  return starts;
}

// The lines of the evidence log that start with "ply ".
std::vector<std::string> PlyEvidence(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("ply ", 0) == 0) lines.push_back(line);
  }
  return lines;
}

class EvidenceLogged : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = ::testing::TempDir() + "real_pace_evidence_" + std::to_string(getpid()) + ".log";
    std::remove(path_.c_str());
    setenv(kEvidenceLogVariable, path_.c_str(), 1);
  }
  void TearDown() override {
    unsetenv(kEvidenceLogVariable);
    std::remove(path_.c_str());
  }
  std::string path_;
};

// A frame's 25 ms is how exactly the test sees a ply start.
constexpr uint64_t kFrameSlack = ViewerSession::kFrameMs;

}  // namespace

TEST(ViewerRealPace, EachPlyComesAfterItsTimeDividedByTheFactor) {
  ViewerSession session(PacedGame(10));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  const uint64_t introOver = headless::ClockMilliseconds();
  const std::vector<uint64_t> starts = PlyStartTimes(session, 5);
  ASSERT_EQ(starts.size(), 5u);
  const uint64_t slideMs = static_cast<uint64_t>(app.play().moveFrames);
  ASSERT_GT(slideMs, 500u) << "the last paced ply is shorter than a slide";
  // The first ply waits its 30 seconds / 10 from the first tick after the intro.
  EXPECT_GE(starts[0] - introOver, 3000u);
  EXPECT_LE(starts[0] - introOver, 3000u + app.PlayTimerPeriodMs() + kFrameSlack);
  EXPECT_NEAR(static_cast<double>(starts[1] - starts[0]), 6000.0, kFrameSlack);
  EXPECT_NEAR(static_cast<double>(starts[2] - starts[1]), 4000.0, kFrameSlack);
  EXPECT_NEAR(static_cast<double>(starts[3] - starts[2]), static_cast<double>(slideMs), kFrameSlack)
      << "5 s / 10 is shorter than the slide";
  EXPECT_NEAR(static_cast<double>(starts[4] - starts[3]), static_cast<double>(app.PlayTimerPeriodMs()), kFrameSlack)
      << "a ply without a clock waits the usual delay";
}

TEST(ViewerRealPace, AFasterFactorShortensThePauses) {
  ViewerSession session(PacedGame(2));
  session.Start();
  session.FinishIntro();
  const std::vector<uint64_t> starts = PlyStartTimes(session, 3);
  ASSERT_EQ(starts.size(), 3u);
  EXPECT_NEAR(static_cast<double>(starts[1] - starts[0]), 30000.0, kFrameSlack);
  EXPECT_NEAR(static_cast<double>(starts[2] - starts[1]), 20000.0, kFrameSlack);
}

TEST(ViewerRealPace, TheClockOfTheSideToMoveRunsDownWhileItsPlyIsAwaited) {
  ViewerSession session(PacedGame(10));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  ASSERT_EQ(PlyStartTimes(session, 1).size(), 1u);
  session.FramesUntilLanded();
  ASSERT_EQ(app.ClockText(ClockSide::kWhite), "    9:30");
  const std::string landed = app.ClockText(ClockSide::kBlack);
  // Two seconds later at 10x: twenty seconds off Black's ten minutes.
  session.Frames(80);
  EXPECT_EQ(landed, "   10:00");
  EXPECT_EQ(app.ClockText(ClockSide::kBlack), "    9:40");
  EXPECT_EQ(app.ClockText(ClockSide::kWhite), "    9:30") << "White's clock stands";
  ASSERT_EQ(PlyStartTimes(session, 1).size(), 1u);
  session.FramesUntilLanded();
  EXPECT_EQ(app.ClockText(ClockSide::kBlack), "    9:00") << "the file's clock once the ply lands";
}

TEST(ViewerRealPace, RightPlaysTheAwaitedPlyAtOnce) {
  ViewerSession session(PacedGame(1));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  ASSERT_EQ(PlyStartTimes(session, 1).size(), 1u);
  session.Frames(4);
  session.Press(kRightKey);
  EXPECT_EQ(app.chess().PliesShown(), 2) << "Black's 60 seconds are not waited for";
}

TEST_F(EvidenceLogged, TheEvidenceLogNotesEachPlyWithItsTimeClocksAndComment) {
  ViewerSession session(PacedGame(10));
  session.Start();
  session.FinishIntro();
  const std::vector<uint64_t> starts = PlyStartTimes(session, 3);
  ASSERT_EQ(starts.size(), 3u);
  const std::vector<std::string> lines = PlyEvidence(path_);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("ply 1 1 e4 ", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(" 9:30 10:00 -"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find(" 9:30 9:00 Quick."), std::string::npos) << lines[1];
  // The times logged are the platform's (virtual) clock.
  const uint64_t first = std::stoull(lines[0].substr(std::string("ply 1 1 e4 ").size()));
  const uint64_t second = std::stoull(lines[1].substr(std::string("ply 1 2 e5 ").size()));
  EXPECT_EQ(second - first, 6000u);
}

TEST(ViewerComments, SwitchedOffTheTickerKeepsToTheAnnouncements) {
  SessionSetup setup;
  setup.pgn = TestGame("1. e4 { [%eval 0.17] Best by test. } e5", "*");
  setup.settings.showComments = 0;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Tick();
  session.FramesUntilLanded();
  for (int frame = 0; frame < 60; ++frame) {
    session.Frame();
    const std::string window = app.ticker().text();
    ASSERT_EQ(window.find("0.17"), std::string::npos) << window;
    ASSERT_EQ(window.find("Best"), std::string::npos) << window;
  }
}
