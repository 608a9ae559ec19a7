// BroadcastSource against the tests' own server: the first copy, the
// validators sent back, a 304 that keeps the copy, new content picked up, a
// 500, dropped connections and a server gone keeping the last good copy, the
// back-off after failures, a first fetch that fails with its text, and the
// copy replaced by renaming. Time is the tests' own clock.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "tests/network/test_http_server.h"
#include "viewer/show/broadcast_fetch.h"
#include "viewer/show/file_watch.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class BroadcastSourceTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tarnwicket-broadcast-" + std::to_string(::getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    cache_ = (folder_ / "copy.pgn").string();
  }
  void TearDown() override {
    source_.reset();
    fs::remove_all(folder_);
  }

  BroadcastSource& Source(const std::string& path = "/round.pgn") {
    BroadcastAddress address;
    std::string failure;
    EXPECT_TRUE(ParseBroadcastAddress(server_.Address(path), &address, &failure)) << failure;
    FetchTimeouts timeouts;
    timeouts.resolveMs = timeouts.connectMs = timeouts.sendMs = timeouts.receiveMs = 3000;
    source_ = std::make_unique<BroadcastSource>(address, cache_, timeouts);
    return *source_;
  }

  // Polls at `now` until the fetch it starts has ended and been taken in.
  BroadcastPoll FetchAt(DWORD now) {
    BroadcastPoll started = source_->Poll(now);
    if (started != BroadcastPoll::kStarted) return started;
    source_->WaitForFetch();
    return source_->Poll(now);
  }

  fs::path folder_;
  std::string cache_;
  TestHttpServer server_;
  std::unique_ptr<BroadcastSource> source_;
};

TEST_F(BroadcastSourceTest, FirstCopyThenValidatorsThenNotModified) {
  server_.Serve("[Event \"R1\"]\n\n1. e4 *\n", "\"a1\"", "Mon, 01 Jan 2024 10:00:00 GMT");
  BroadcastSource& source = Source();
  ASSERT_TRUE(source.FetchFirstCopy(1000)) << source.FailureText();
  EXPECT_EQ(ReadFile(cache_), "[Event \"R1\"]\n\n1. e4 *\n");
  EXPECT_EQ(source.Validators().etag, "\"a1\"");
  EXPECT_EQ(server_.LastRequest().find("if-none-match"), std::string::npos);

  // Not due before five seconds have passed.
  EXPECT_EQ(source.Poll(5999), BroadcastPoll::kNothing);
  EXPECT_EQ(FetchAt(6000), BroadcastPoll::kUnchanged);
  EXPECT_NE(server_.LastRequest().find("if-none-match: \"a1\"\r\n"), std::string::npos);
  EXPECT_NE(server_.LastRequest().find("if-modified-since: mon, 01 jan 2024 10:00:00 gmt\r\n"), std::string::npos);
  EXPECT_EQ(source.CopiesWritten(), 1);
  EXPECT_EQ(server_.RequestCount(), 2);
}

TEST_F(BroadcastSourceTest, NewContentReplacesTheCopyByRenaming) {
  server_.Serve("1. e4 *\n", "\"a1\"");
  BroadcastSource& source = Source();
  ASSERT_TRUE(source.FetchFirstCopy(0));
  FileWatch watch(cache_, 0, FileWatch::Notification::kIgnore);
  server_.Serve("1. e4 e5 *\n", "\"a2\"");
  EXPECT_EQ(FetchAt(5000), BroadcastPoll::kNewCopy);
  EXPECT_EQ(ReadFile(cache_), "1. e4 e5 *\n");
  EXPECT_EQ(source.Validators().etag, "\"a2\"");
  EXPECT_EQ(watch.Poll(5000 + FileWatch::kLookIntervalMs), FileChange::kReplaced);
  EXPECT_FALSE(fs::exists(cache_ + ".part"));
}

TEST_F(BroadcastSourceTest, SameContentWithoutValidatorsLeavesTheCopyAlone) {
  server_.Serve("1. d4 *\n", "");
  BroadcastSource& source = Source();
  ASSERT_TRUE(source.FetchFirstCopy(0));
  const auto written = fs::last_write_time(cache_);
  FileWatch watch(cache_, 0, FileWatch::Notification::kIgnore);
  EXPECT_EQ(FetchAt(5000), BroadcastPoll::kUnchanged);
  EXPECT_EQ(fs::last_write_time(cache_), written);
  EXPECT_EQ(watch.Poll(5000 + FileWatch::kLookIntervalMs), FileChange::kNone);
  EXPECT_EQ(source.CopiesWritten(), 1);
}

TEST_F(BroadcastSourceTest, FailuresKeepTheLastGoodCopyAndBackOff) {
  server_.Serve("1. e4 *\n", "\"a1\"");
  BroadcastSource& source = Source();
  ASSERT_TRUE(source.FetchFirstCopy(0));
  server_.Serve("1. e4 e5 *\n", "\"a2\"");
  server_.QueueFault(TestHttpServer::Fault::kStatus500);
  server_.QueueFault(TestHttpServer::Fault::kDropBeforeAnswer);
  server_.QueueFault(TestHttpServer::Fault::kDropInBody);
  server_.QueueFault(TestHttpServer::Fault::kNotFound);

  DWORD now = 5000;
  EXPECT_EQ(FetchAt(now), BroadcastPoll::kFailed);
  EXPECT_EQ(source.FailureText(),
            "Can't fetch " + server_.Address("/round.pgn") + ": the server answered with status 500");
  EXPECT_EQ(source.Schedule().Wait(), 10000u);
  EXPECT_EQ(source.Poll(now + 9999), BroadcastPoll::kNothing);
  now += 10000;
  EXPECT_EQ(FetchAt(now), BroadcastPoll::kFailed);
  EXPECT_NE(source.FailureText().find("the server's answer was not understood"), std::string::npos);
  EXPECT_EQ(source.Schedule().Wait(), 20000u);
  now += 20000;
  EXPECT_EQ(FetchAt(now), BroadcastPoll::kFailed);
  EXPECT_NE(source.FailureText().find("the connection broke off"), std::string::npos);
  EXPECT_EQ(source.Schedule().Wait(), 40000u);
  now += 40000;
  EXPECT_EQ(FetchAt(now), BroadcastPoll::kFailed);
  EXPECT_EQ(source.Schedule().Wait(), 60000u);
  // Through all of it the copy is the last good one, whole.
  EXPECT_EQ(ReadFile(cache_), "1. e4 *\n");
  EXPECT_EQ(source.Validators().etag, "\"a1\"");

  now += 60000;
  EXPECT_EQ(FetchAt(now), BroadcastPoll::kNewCopy);
  EXPECT_EQ(ReadFile(cache_), "1. e4 e5 *\n");
  EXPECT_EQ(source.Schedule().Wait(), 5000u);
  EXPECT_EQ(source.FailureText(), "");
}

TEST_F(BroadcastSourceTest, BackOffStaysAtAMinute) {
  server_.Serve("1. e4 *\n", "\"a1\"");
  BroadcastSource& source = Source();
  ASSERT_TRUE(source.FetchFirstCopy(0));
  DWORD now = 0;
  const DWORD waits[] = {10000, 20000, 40000, 60000, 60000, 60000};
  for (DWORD wait : waits) {
    now += source.Schedule().Wait();
    server_.QueueFault(TestHttpServer::Fault::kStatus500);
    EXPECT_EQ(FetchAt(now), BroadcastPoll::kFailed);
    EXPECT_EQ(source.Schedule().Wait(), wait);
  }
}

TEST_F(BroadcastSourceTest, FirstFetchOfAServerThatIsGoneFailsWithItsText) {
  std::string address;
  {
    TestHttpServer gone;
    address = gone.Address("/live/round-3.pgn");
  }
  BroadcastAddress parsed;
  std::string failure;
  ASSERT_TRUE(ParseBroadcastAddress(address, &parsed, &failure));
  BroadcastSource source(parsed, cache_);
  EXPECT_FALSE(source.FetchFirstCopy(0));
  EXPECT_FALSE(source.HasCopy());
  EXPECT_EQ(source.FailureText(), "Can't fetch " + address + ": the server did not answer");
  EXPECT_FALSE(fs::exists(cache_));
  EXPECT_EQ(source.Schedule().Wait(), 10000u);
}

TEST_F(BroadcastSourceTest, FirstFetchOfAMissingFileFailsWithTheStatus) {
  server_.QueueFault(TestHttpServer::Fault::kNotFound);
  BroadcastSource& source = Source("/nothing.pgn");
  EXPECT_FALSE(source.FetchFirstCopy(0));
  EXPECT_EQ(source.FailureText(),
            "Can't fetch " + server_.Address("/nothing.pgn") + ": the server answered with status 404");
}

TEST_F(BroadcastSourceTest, FirstCopyMayComeFromPollsToo) {
  server_.Serve("1. c4 *\n", "\"c\"");
  BroadcastSource& source = Source();
  // At once, even on a clock past half its range (25 days after the start).
  EXPECT_EQ(FetchAt(0x90000000u), BroadcastPoll::kNewCopy);
  EXPECT_TRUE(source.HasCopy());
  EXPECT_EQ(ReadFile(cache_), "1. c4 *\n");
}

TEST_F(BroadcastSourceTest, PollNeverWaitsForAFetch) {
  server_.Serve("1. e4 *\n", "\"a1\"");
  server_.QueueFault(TestHttpServer::Fault::kKeepWaiting);
  BroadcastSource& source = Source();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(source.Poll(0), BroadcastPoll::kStarted);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(source.Poll(static_cast<DWORD>(i) * 16), BroadcastPoll::kNothing);
  EXPECT_TRUE(source.FetchRunning());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 0.5);
}

TEST_F(BroadcastSourceTest, EndingWhileAFetchWaitsCancelsItAtOnce) {
  server_.QueueFault(TestHttpServer::Fault::kKeepWaiting);
  BroadcastSource& source = Source();
  EXPECT_EQ(source.Poll(0), BroadcastPoll::kStarted);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the request is on its way
  const auto start = std::chrono::steady_clock::now();
  source_.reset();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 2.0);
}

TEST_F(BroadcastSourceTest, CopyThatCannotBeWrittenIsAFailure) {
  server_.Serve("1. e4 *\n", "\"a1\"");
  BroadcastAddress address;
  std::string failure;
  ASSERT_TRUE(ParseBroadcastAddress(server_.Address("/r.pgn"), &address, &failure));
  const std::string unwritable = (folder_ / "no-such-folder" / "copy.pgn").string();
  BroadcastSource source(address, unwritable);
  EXPECT_FALSE(source.FetchFirstCopy(0));
  EXPECT_EQ(source.FailureText(), "Can't fetch " + server_.Address("/r.pgn") + ": can't write its copy " + unwritable);
}

}  // namespace
