// Live games, headless: a test writer grows the game file, replaces it with
// a newer copy, cuts it mid-token and completes it, appends a game; the
// viewer shows every ply once, in order, waits at a live game's last known
// ply, goes to the game of the round that moved, ends a game when the file
// has stood still for ten minutes; and follows a broadcast address served
// on 127.0.0.1 through its faults.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "common/frame_geometry.h"
#include "tests/network/test_http_server.h"
#include "tests/support/viewer_session.h"
#include "tests/viewer/pictures.h"
#include "viewer/frame/evidence_log.h"
#include "viewer/frame/fatal_error.h"

namespace {

SessionSetup LiveGames(const std::string& pgn) {
  SessionSetup setup;
  setup.pgn = pgn;
  setup.settings.followLiveGames = 1;
  return setup;
}

// The game file rewritten in place.
void RewriteGameFile(ViewerSession& session, const std::string& text) {
  WriteWholeFile(session.folder() + "/Tarnwicket.pgn", text.data(), text.size());
}

// A newer copy written beside the game file and renamed over it, as
// broadcasts replace theirs.
void ReplaceGameFile(ViewerSession& session, const std::string& text) {
  const std::string fresh = session.folder() + "/Tarnwicket.pgn.new";
  WriteWholeFile(fresh, text.data(), text.size());
  ASSERT_EQ(std::rename(fresh.c_str(), (session.folder() + "/Tarnwicket.pgn").c_str()), 0);
}

// Long enough for the watch's look (every two seconds at most) to see a change.
void FramesForTheWatch(ViewerSession& session) { session.Frames(100); }

// Plays the next ply, if one comes, to its landing.
void PlayNext(ViewerSession& session) {
  session.Tick();
  session.FramesUntilLanded();
  session.Frames(30);
}

// "G K MOVE" of each "ply" line of the evidence log, and the other events.
std::vector<std::string> Evidence(const std::string& path) {
  std::vector<std::string> events;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string event, game, ply, move;
    words >> event;
    if (event == "ply") {
      words >> game >> ply >> move;
      events.push_back(game + " " + ply + " " + move);
    } else if (event == "games" || event == "follow" || event == "replaced") {
      std::string value;
      words >> value;
      events.push_back(value.empty() ? event : event + " " + value);
    }
  }
  return events;
}

class ViewerLive : public ::testing::Test {
 protected:
  void SetUp() override {
    evidence_ = ::testing::TempDir() + "live_evidence_" + std::to_string(getpid()) + ".log";
    std::remove(evidence_.c_str());
    setenv(kEvidenceLogVariable, evidence_.c_str(), 1);
  }
  void TearDown() override {
    unsetenv(kEvidenceLogVariable);
    std::remove(evidence_.c_str());
  }
  std::vector<std::string> Events() const { return Evidence(evidence_); }
  std::string evidence_;
};

}  // namespace

TEST_F(ViewerLive, AGrowingGameShowsEachNewPlyOnceInOrder) {
  ViewerSession session(LiveGames(TestGame("1. e4", "*")));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayNext(session);
  PlayNext(session);
  ASSERT_EQ(app.chess().PliesShown(), 1);
  EXPECT_TRUE(app.live().waiting) << "the game waits at its last known ply";
  EXPECT_EQ(app.chess().gameState(), ChessState::kPlaying);
  // Black's lamp blinks while Black's ply is awaited.
  const frame_geometry::ScreenRect lamp = frame_geometry::kTopTurnLamp;
  bool lit = false, unlit = false;
  for (int frame = 0; frame < 60; ++frame) {
    session.Frame();
    const Picture shown = Region(LastFrame(), lamp.x, lamp.y, lamp.width, lamp.height);
    const Picture litLamp = ReadSurface(app.surfaces().turnLamps[SurfaceSet::kLitTurnLamp]);
    (ShowsKeyed(shown, litLamp, 0, 0) ? lit : unlit) = true;
  }
  EXPECT_TRUE(lit && unlit) << "the lamp of the side to move blinks";

  RewriteGameFile(session, TestGame("1. e4 e5", "*"));  // grown in place
  FramesForTheWatch(session);
  PlayNext(session);
  EXPECT_EQ(app.chess().PliesShown(), 2);

  ReplaceGameFile(session, TestGame("1. e4 e5 2. Nf3", "*"));  // a newer copy
  FramesForTheWatch(session);
  PlayNext(session);
  EXPECT_EQ(app.chess().PliesShown(), 3);

  // A writer still at work: "Nc" is not a move yet.
  std::string cut = TestGame("1. e4 e5 2. Nf3 Nc6", "*");
  cut.resize(cut.find("Nc6") + 2);
  RewriteGameFile(session, cut);
  session.Frames(40);  // one second: the writer goes on within three
  EXPECT_EQ(app.chess().PliesShown(), 3) << "a token cut off by the file's end is not played";
  EXPECT_TRUE(app.live().waiting);
  RewriteGameFile(session, TestGame("1. e4 e5 2. Nf3 Nc6", "*"));
  FramesForTheWatch(session);
  PlayNext(session);
  EXPECT_EQ(app.chess().PliesShown(), 4);

  // A game joins the file; the game on show goes on to its result.
  RewriteGameFile(session, TestGame("1. e4 e5 2. Nf3 Nc6 3. Bb5", "1-0") + TestGame("1. d4", "*", "Third", "Fourth"));
  FramesForTheWatch(session);
  EXPECT_EQ(app.games().lastGameIndex(), 1);
  const frame_geometry::TextField count = frame_geometry::kGameCountField;
  EXPECT_TRUE(ShowsText(LastFrame(), app.surfaces(), count.x, count.y, "    2", count.cells))
      << "GAMES shows the new total";
  EXPECT_TRUE(app.chess().HasResult()) << "the last move was played as soon as it was read, then the result";

  EXPECT_EQ(Events(), (std::vector<std::string>{"1 1 e4", "1 2 e5", "1 3 Nf3", "1 4 Nc6", "games 2", "1 5 Bb5"}));
}

// Where the system notifies a change, the watch looks at once (a quarter of
// a second after its last look at most) and the awaited ply starts then.
TEST_F(ViewerLive, TheAwaitedPlyStartsWithinAQuarterSecondOfBeingWritten) {
  ViewerSession session(LiveGames(TestGame("1. e4", "*")));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayNext(session);
  PlayNext(session);
  ASSERT_TRUE(app.live().waiting);
  session.Frames(120);  // the watch's last look is long past
  RewriteGameFile(session, TestGame("1. e4 e5", "*"));
  const uint64_t written = headless::ClockMilliseconds();
  for (int frame = 0; frame < 200 && app.chess().PliesShown() < 2; ++frame) session.Frame();
  ASSERT_EQ(app.chess().PliesShown(), 2);
  EXPECT_LE(headless::ClockMilliseconds() - written, 2u * ViewerSession::kFrameMs)
      << "a change notified is seen at the next frame";
}

TEST_F(ViewerLive, ATokenLeftCutOffIsPlayedOnceTheFileHasStoodStill) {
  std::string cut = TestGame("1. e4 e5", "*");
  ViewerSession session(LiveGames(cut));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayNext(session);
  PlayNext(session);
  PlayNext(session);
  ASSERT_EQ(app.chess().PliesShown(), 2);
  // The writer stops after "2. Nf3" without a blank after it.
  cut = TestGame("1. e4 e5 2. Nf3", "*");
  cut.resize(cut.find("Nf3") + 3);
  RewriteGameFile(session, cut);
  session.Frames(40);
  EXPECT_EQ(app.chess().PliesShown(), 2);
  session.Frames(120);  // four seconds without a change in all
  PlayNext(session);
  EXPECT_EQ(app.chess().PliesShown(), 3);
  EXPECT_STREQ(app.chess().plyDisplayText(), "Nf3");
}

TEST_F(ViewerLive, ARoundOfThreeGamesShowsEachNewPlyWhereItHappened) {
  const std::string round[3] = {TestGame("1. e4", "*", "A", "B"), TestGame("1. d4", "*", "C", "D"),
                                TestGame("1. c4", "*", "E", "F")};
  ViewerSession session(LiveGames(round[0] + round[1] + round[2]));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayNext(session);
  PlayNext(session);
  ASSERT_TRUE(app.live().waiting);

  ReplaceGameFile(session, round[0] + TestGame("1. d4 d5", "*", "C", "D") + round[2]);
  FramesForTheWatch(session);
  PlayNext(session);
  EXPECT_EQ(app.games().currentGame(), 2);
  EXPECT_STREQ(app.chess().plyDisplayText(), "d5");
  EXPECT_EQ(app.chess().PliesShown(), 2);

  // Two plies came in the third game while it was away: the first stands,
  // the newest slides.
  ReplaceGameFile(session, round[0] + TestGame("1. d4 d5", "*", "C", "D") + TestGame("1. c4 e5 2. Nc3", "*", "E", "F"));
  FramesForTheWatch(session);
  PlayNext(session);
  EXPECT_EQ(app.games().currentGame(), 3);
  EXPECT_EQ(app.chess().PliesShown(), 3);
  EXPECT_STREQ(app.chess().plyDisplayText(), "Nc3");

  ReplaceGameFile(session, TestGame("1. e4 c5", "*", "A", "B") + TestGame("1. d4 d5", "*", "C", "D") +
                               TestGame("1. c4 e5 2. Nc3", "*", "E", "F"));
  FramesForTheWatch(session);
  PlayNext(session);
  EXPECT_EQ(app.games().currentGame(), 1);
  EXPECT_STREQ(app.chess().plyDisplayText(), "c5");
  EXPECT_EQ(app.chess().board()[8 * 3 + 2], 'P') << "Black's pawn on c5";
  EXPECT_EQ(app.chess().board()[8 * 4 + 4], 'p') << "White's pawn on e4, played quietly";

  EXPECT_EQ(Events(),
            (std::vector<std::string>{"1 1 e4", "follow 2", "2 2 d5", "follow 3", "3 3 Nc3", "follow 1", "1 2 c5"}));
}

TEST_F(ViewerLive, AGameWithoutChangesForTenMinutesEndsAsToday) {
  ViewerSession session(LiveGames(TestGame("1. e4", "*") + TestGame("1. d4", "*")));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayNext(session);
  PlayNext(session);
  ASSERT_TRUE(app.live().waiting);
  headless::AdvanceClock(LiveState::kChangingMs);
  PlayNext(session);
  EXPECT_FALSE(app.live().waiting);
  EXPECT_GE(app.chess().gameState(), ChessState::kGameOver);
}

TEST_F(ViewerLive, WithFollowingOffALiveGameEndsAtItsLastPly) {
  SessionSetup setup = LiveGames(TestGame("1. e4", "*"));
  setup.settings.followLiveGames = 0;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayNext(session);
  PlayNext(session);
  EXPECT_FALSE(app.live().waiting);
  EXPECT_GE(app.chess().gameState(), ChessState::kGameOver);
}

TEST_F(ViewerLive, AFileReplacedByAnotherShowsItsGamesFromTheNextGameOn) {
  ViewerSession session(LiveGames(TestGame("1. e4 e5", "1-0") + TestGame("1. d4 d5", "0-1")));
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayNext(session);
  ReplaceGameFile(session, TestGame("1. c4", "*", "New", "Players") + TestGame("1. Nf3", "*", "Next", "Ones") +
                               TestGame("1. g3", "*", "Last", "Two"));
  FramesForTheWatch(session);
  EXPECT_EQ(app.games().currentGame(), 2);
  EXPECT_EQ(app.games().lastGameIndex(), 2);
  EXPECT_STREQ(app.shownHeaderLine(4), "Next");
  const std::vector<std::string> events = Events();
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[1], "games 3");
  EXPECT_EQ(events[2], "replaced");
}

// A broadcast served on 127.0.0.1: the first copy before anything shows,
// then new moves as the server has them, its faults passed over.
TEST_F(ViewerLive, ABroadcastAddressIsFollowedThroughTheServersFaults) {
  TestHttpServer server;
  server.Serve(TestGame("1. e4", "*"), "\"v1\"");
  SessionSetup setup = LiveGames("");
  setup.commandLine = server.Address("/round-1.pgn");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  PlayNext(session);
  PlayNext(session);
  ASSERT_EQ(app.chess().PliesShown(), 1);
  ASSERT_TRUE(app.live().waiting);

  // Fetched about every five seconds: on the virtual clock, frames; the
  // fetch itself runs on its own thread in real time.
  auto framesUntil = [&](auto done) {
    for (int frame = 0; frame < 2000 && !done(); ++frame) {
      session.Frame(50);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  };
  server.QueueFault(TestHttpServer::Fault::kStatus500);
  server.QueueFault(TestHttpServer::Fault::kDropInBody);
  const int requestsBefore = server.RequestCount();
  framesUntil([&] { return server.RequestCount() >= requestsBefore + 2; });
  PlayNext(session);
  EXPECT_EQ(app.chess().PliesShown(), 1) << "the last good copy plays on";

  server.Serve(TestGame("1. e4 e5", "*"), "\"v2\"");
  framesUntil([&] { return app.games().plies().loadedPlies == 3; });
  PlayNext(session);
  EXPECT_EQ(app.chess().PliesShown(), 2);
  EXPECT_NE(server.LastRequest().find("if-none-match: \"v1\""), std::string::npos) << server.LastRequest();
  EXPECT_EQ(Events(), (std::vector<std::string>{"1 1 e4", "1 2 e5"}));
}

TEST(ViewerLiveStart, AnAddressThatCannotBeFetchedEndsWithAFatalError) {
  SessionSetup setup;
  setup.commandLine = "http://127.0.0.1:9/round.pgn";
  ViewerSession session(setup);
  try {
    session.Start();
    FAIL() << "the viewer started without its first copy";
  } catch (const FatalError& error) {
    EXPECT_EQ(std::string(error.text).rfind("Can't fetch http://127.0.0.1:9/round.pgn: ", 0), 0u) << error.text;
  }
}
