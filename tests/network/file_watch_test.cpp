// FileWatch on a real file: appended, rewritten in place, replaced by a file
// renamed over it, cut short, deleted and written again, standing still; at
// most one look every two seconds without a notification, and sooner with
// the folder's change notification. Time is the tests' own clock.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "viewer/show/file_watch.h"

namespace fs = std::filesystem;

namespace {

class FileWatchTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tarnwicket-watch-" + std::to_string(::getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = (folder_ / "live.pgn").string();
    Write(path_, "[Event \"Live\"]\n\n1. e4");
  }
  void TearDown() override { fs::remove_all(folder_); }

  static void Write(const std::string& path, const std::string& bytes, std::ios::openmode mode = std::ios::trunc) {
    std::ofstream out(path, std::ios::binary | mode);
    out << bytes;
  }
  // Moves the file's time on, as a later write would on a coarse clock.
  void Touch() { fs::last_write_time(path_, fs::last_write_time(path_) + std::chrono::seconds(1)); }

  fs::path folder_;
  std::string path_;
};

constexpr DWORD kLook = FileWatch::kLookIntervalMs;

TEST_F(FileWatchTest, AppendedIsGrown) {
  FileWatch watch(path_, 0, FileWatch::Notification::kIgnore);
  EXPECT_TRUE(watch.LastLook().exists);
  Write(path_, " e5", std::ios::app);
  EXPECT_EQ(watch.Poll(kLook), FileChange::kGrown);
  EXPECT_EQ(watch.LastLook().size, 24u);
  EXPECT_EQ(watch.Poll(2 * kLook), FileChange::kNone);
}

TEST_F(FileWatchTest, RenamedOverIsReplaced) {
  FileWatch watch(path_, 0, FileWatch::Notification::kIgnore);
  const std::string part = path_ + ".part";
  Write(part, "[Event \"Live\"]\n\n1. e4 e5");
  ASSERT_TRUE(MoveFileExA(part.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(watch.Poll(kLook), FileChange::kReplaced);
}

TEST_F(FileWatchTest, ReplacedByAFileOfTheSameSizeAndTimeIsReplaced) {
  FileWatch watch(path_, 0, FileWatch::Notification::kIgnore);
  const auto time = fs::last_write_time(path_);
  const std::string part = path_ + ".part";
  Write(part, "[Event \"Live\"]\n\n1. d4");
  fs::last_write_time(part, time);
  fs::rename(part, path_);
  EXPECT_EQ(watch.Poll(kLook), FileChange::kReplaced);
}

TEST_F(FileWatchTest, CutShortIsShrunk) {
  FileWatch watch(path_, 0, FileWatch::Notification::kIgnore);
  fs::resize_file(path_, 10);
  EXPECT_EQ(watch.Poll(kLook), FileChange::kShrunk);
}

TEST_F(FileWatchTest, SameSizeNewTimeIsRewritten) {
  FileWatch watch(path_, 0, FileWatch::Notification::kIgnore);
  {
    std::fstream out(path_, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(-2, std::ios::end);
    out << "d4";
  }
  Touch();
  EXPECT_EQ(watch.Poll(kLook), FileChange::kRewritten);
}

TEST_F(FileWatchTest, DeletedIsGoneAndWrittenAgainAppeared) {
  FileWatch watch(path_, 0, FileWatch::Notification::kIgnore);
  fs::remove(path_);
  EXPECT_EQ(watch.Poll(kLook), FileChange::kGone);
  EXPECT_FALSE(watch.LastLook().exists);
  EXPECT_EQ(watch.Poll(2 * kLook), FileChange::kNone);
  Write(path_, "1. e4 *");
  EXPECT_EQ(watch.Poll(3 * kLook), FileChange::kAppeared);
}

TEST_F(FileWatchTest, MissingFromTheStartAppearsLater) {
  const std::string later = (folder_ / "later.pgn").string();
  FileWatch watch(later, 0, FileWatch::Notification::kIgnore);
  EXPECT_FALSE(watch.LastLook().exists);
  EXPECT_EQ(watch.Poll(kLook), FileChange::kNone);
  Write(later, "1. e4 *");
  EXPECT_EQ(watch.Poll(2 * kLook), FileChange::kAppeared);
}

TEST_F(FileWatchTest, StandingStillIsCountedFromTheLastChangeSeen) {
  FileWatch watch(path_, 1000, FileWatch::Notification::kIgnore);
  EXPECT_FALSE(watch.StillFor(1000 + 4999, 5000));
  EXPECT_TRUE(watch.StillFor(1000 + 5000, 5000));
  Write(path_, " e5", std::ios::app);
  EXPECT_EQ(watch.Poll(4000), FileChange::kGrown);
  EXPECT_EQ(watch.LastChangeAt(), 4000u);
  EXPECT_FALSE(watch.StillFor(8999, 5000));
  for (DWORD now = 4000; now <= 9000; now += 16) EXPECT_EQ(watch.Poll(now), FileChange::kNone);
  EXPECT_TRUE(watch.StillFor(9000, 5000));
}

TEST_F(FileWatchTest, WithoutANotificationItLooksOnceEveryTwoSeconds) {
  FileWatch watch(path_, 0, FileWatch::Notification::kIgnore);
  EXPECT_FALSE(watch.Notified());
  Write(path_, " e5", std::ios::app);
  // A frame every 16 ms for ten seconds: five looks after the first.
  int changes = 0;
  for (DWORD now = 16; now <= 10000; now += 16) changes += watch.Poll(now) != FileChange::kNone;
  EXPECT_EQ(watch.Looks(), 1 + 5);
  EXPECT_EQ(changes, 1);
}

TEST_F(FileWatchTest, TheFoldersNotificationBringsTheLookForward) {
  FileWatch watch(path_, 0);
  ASSERT_TRUE(watch.Notified());
  // Nothing changed: no look before two seconds.
  for (DWORD now = 0; now < kLook; now += 16) EXPECT_EQ(watch.Poll(now), FileChange::kNone);
  EXPECT_EQ(watch.Looks(), 1);
  EXPECT_EQ(watch.Poll(kLook), FileChange::kNone);
  EXPECT_EQ(watch.Looks(), 2);
  Write(path_, " e5", std::ios::app);
  EXPECT_EQ(watch.Poll(kLook + 100), FileChange::kNone);  // too soon after the last look
  EXPECT_EQ(watch.Poll(kLook + FileWatch::kNotifiedLookGapMs), FileChange::kGrown);
  EXPECT_EQ(watch.Looks(), 3);
  // Re-armed: the next change is seen as soon again.
  const std::string part = path_ + ".part";
  Write(part, "1. d4 *");
  fs::rename(part, path_);
  EXPECT_EQ(watch.Poll(kLook + 2 * FileWatch::kNotifiedLookGapMs), FileChange::kReplaced);
  EXPECT_EQ(watch.Looks(), 4);
}

TEST_F(FileWatchTest, AnotherFileInTheFolderCostsALookButIsNoChange) {
  FileWatch watch(path_, 0);
  Write((folder_ / "other.txt").string(), "x");
  EXPECT_EQ(watch.Poll(FileWatch::kNotifiedLookGapMs), FileChange::kNone);
  EXPECT_EQ(watch.Looks(), 2);
  EXPECT_EQ(watch.Poll(2 * FileWatch::kNotifiedLookGapMs), FileChange::kNone);
  EXPECT_EQ(watch.Looks(), 2);
}

TEST_F(FileWatchTest, ClockThatWrapsStillLooksOnTime) {
  const DWORD start = 0xFFFFFFFFu - 500;
  FileWatch watch(path_, start, FileWatch::Notification::kIgnore);
  Write(path_, " e5", std::ios::app);
  EXPECT_EQ(watch.Poll(start + kLook - 1), FileChange::kNone);
  EXPECT_EQ(watch.Poll(start + kLook), FileChange::kGrown);  // past the wrap
  EXPECT_TRUE(watch.StillFor(start + kLook + 5000, 5000));
}

TEST(FileChangeNames, EveryChangeHasOne) {
  EXPECT_STREQ(FileChangeName(FileChange::kReplaced), "replaced");
  EXPECT_STREQ(FileChangeName(FileChange::kGone), "gone");
}

}  // namespace
