// The kernel subset over POSIX: a file's information by handle (identity,
// size, times), folders and missing files, MoveFileExA with and without
// replacing, change notifications, threads and their waits, and UTF-8 to
// UTF-16.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/win32.h"

namespace fs = std::filesystem;

namespace {

class KernelCallsTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tarnwicket-kernel-" + std::to_string(::getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static HANDLE Open(const std::string& path, DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    return CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       flags, nullptr);
  }
  fs::path folder_;
};

TEST_F(KernelCallsTest, FileInformationHasSizeTimeAndIdentity) {
  Write(Path("a.pgn"), "12345");
  const HANDLE file = Open(Path("a.pgn"));
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  BY_HANDLE_FILE_INFORMATION info;
  ASSERT_TRUE(GetFileInformationByHandle(file, &info));
  EXPECT_EQ(info.nFileSizeLow, 5u);
  EXPECT_EQ(info.nFileSizeHigh, 0u);
  EXPECT_EQ(info.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(info.nNumberOfLinks, 1u);
  // Modified now: within a minute of the calendar time, in 100 ns steps since 1601.
  const uint64_t written =
      (static_cast<uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime;
  const uint64_t now =
      116444736000000000ULL + static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(
                                                        std::chrono::system_clock::now().time_since_epoch())
                                                        .count()) *
                                  10;
  EXPECT_LT(now > written ? now - written : written - now, 600000000ULL);
  EXPECT_TRUE(CloseHandle(file));
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

  // Another file: another index on the same volume.
  Write(Path("b.pgn"), "x");
  const HANDLE other = Open(Path("b.pgn"));
  BY_HANDLE_FILE_INFORMATION otherInfo;
  ASSERT_TRUE(GetFileInformationByHandle(other, &otherInfo));
  CloseHandle(other);
  EXPECT_EQ(otherInfo.dwVolumeSerialNumber, info.dwVolumeSerialNumber);
  EXPECT_TRUE(otherInfo.nFileIndexLow != info.nFileIndexLow || otherInfo.nFileIndexHigh != info.nFileIndexHigh);
}

TEST_F(KernelCallsTest, MissingFilesAndFoldersAreTold) {
  EXPECT_EQ(Open(Path("missing.pgn")), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(Open(Path("no-folder/missing.pgn")), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  // A folder opens only with FILE_FLAG_BACKUP_SEMANTICS.
  EXPECT_EQ(Open(folder_.string()), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  const HANDLE folder = Open(folder_.string(), FILE_FLAG_BACKUP_SEMANTICS);
  ASSERT_NE(folder, INVALID_HANDLE_VALUE);
  BY_HANDLE_FILE_INFORMATION info;
  ASSERT_TRUE(GetFileInformationByHandle(folder, &info));
  EXPECT_EQ(info.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  CloseHandle(folder);
}

TEST_F(KernelCallsTest, MoveFileReplacesOnlyWhenAsked) {
  Write(Path("new"), "new");
  Write(Path("old"), "old");
  EXPECT_FALSE(MoveFileExA(Path("new").c_str(), Path("old").c_str(), 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(MoveFileExA(Path("new").c_str(), Path("old").c_str(), MOVEFILE_REPLACE_EXISTING));
  std::ifstream in(Path("old"));
  std::string text;
  in >> text;
  EXPECT_EQ(text, "new");
  EXPECT_FALSE(fs::exists(Path("new")));
  EXPECT_FALSE(MoveFileExA(Path("new").c_str(), Path("old").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(KernelCallsTest, ChangeNotificationSignalsUntilRearmed) {
  const HANDLE change = FindFirstChangeNotificationA(
      folder_.string().c_str(), FALSE,
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  ASSERT_NE(change, INVALID_HANDLE_VALUE);
  EXPECT_EQ(WaitForSingleObject(change, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  Write(Path("a.pgn"), "1. e4");
  EXPECT_EQ(WaitForSingleObject(change, 1000), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(change, 0), static_cast<DWORD>(WAIT_OBJECT_0));  // stays signalled
  EXPECT_TRUE(FindNextChangeNotification(change));
  EXPECT_EQ(WaitForSingleObject(change, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  fs::rename(Path("a.pgn"), Path("b.pgn"));
  EXPECT_EQ(WaitForSingleObject(change, 1000), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_TRUE(FindCloseChangeNotification(change));
  EXPECT_EQ(WaitForSingleObject(change, 0), WAIT_FAILED);

  EXPECT_EQ(FindFirstChangeNotificationA(Path("no-folder").c_str(), FALSE, FILE_NOTIFY_CHANGE_SIZE),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  Write(Path("file"), "x");
  EXPECT_EQ(FindFirstChangeNotificationA(Path("file").c_str(), FALSE, FILE_NOTIFY_CHANGE_SIZE), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIRECTORY));
}

std::atomic<int> threadRuns{0};
DWORD WINAPI CountAndWait(LPVOID parameter) {
  std::this_thread::sleep_for(std::chrono::milliseconds(*static_cast<int*>(parameter)));
  SetLastError(77);  // each thread its own
  ++threadRuns;
  return 0;
}

TEST(KernelThreads, ThreadHandleSignalledWhenItsFunctionReturns) {
  SetLastError(5);
  int wait = 200;
  DWORD id = 0;
  const HANDLE thread = CreateThread(nullptr, 0, CountAndWait, &wait, 0, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_NE(id, 0u);
  EXPECT_EQ(WaitForSingleObject(thread, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_EQ(threadRuns.load(), 1);
  EXPECT_EQ(GetLastError(), 5u);
  EXPECT_TRUE(CloseHandle(thread));
}

TEST(KernelThreads, ClosedHandleLeavesTheThreadRunning) {
  int wait = 100;
  const int before = threadRuns.load();
  const HANDLE thread = CreateThread(nullptr, 0, CountAndWait, &wait, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  EXPECT_TRUE(CloseHandle(thread));
  for (int i = 0; i < 200 && threadRuns.load() == before; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(threadRuns.load(), before + 1);
}

TEST(KernelText, Utf8ToUtf16) {
  WCHAR out[16];
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "ab", -1, out, 16), 3);
  EXPECT_EQ(out[0], L'a');
  EXPECT_EQ(out[2], 0);
  // e acute, the euro sign, and a character past U+FFFF as a surrogate pair.
  const char text[] = "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80";
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, 9, nullptr, 0), 4);
  ASSERT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, 9, out, 16), 4);
  EXPECT_EQ(out[0], 0xE9);
  EXPECT_EQ(out[1], 0x20AC);
  EXPECT_EQ(out[2], 0xD83D);
  EXPECT_EQ(out[3], 0xDE00);
  // Malformed: replaced, or refused with MB_ERR_INVALID_CHARS.
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a\xff", 2, out, 16), 2);
  EXPECT_EQ(out[1], 0xFFFD);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xc3", 2, out, 16), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xe0\x80\x80", 3, out, 16), 3);  // overlong: one each
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 3, out, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

}  // namespace
