// FileWatch: tells whether one file has changed since the last look (grown,
// shrunk, rewritten in place, replaced by another file, gone, back), and
// whether it has stood still for a while. Cheap enough to ask every frame:
// it looks at the file (one open and one GetFileInformationByHandle) at most
// every kLookIntervalMs, or sooner when the folder's change notification
// fires, but never more often than every kNotifiedLookGapMs.
//
// Times are GetTickCount milliseconds (they may wrap), given by the caller,
// so tests run it on any clock.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"

// What a look found, against the look before it. "Replaced" means another
// file now has the name (a new file renamed over it: another volume serial
// or file index); "rewritten" is the same file, the same size, another
// modification time.
enum class FileChange { kNone, kGrown, kShrunk, kRewritten, kReplaced, kGone, kAppeared };

const char* FileChangeName(FileChange change);

// One look at the file.
struct FileLook {
  bool exists = false;
  uint64_t size = 0;
  uint64_t writeTime = 0;  // FILETIME, 100 ns steps
  DWORD volume = 0;
  uint64_t index = 0;
};

class FileWatch {
 public:
  static constexpr DWORD kLookIntervalMs = 2000;
  static constexpr DWORD kNotifiedLookGapMs = 250;

  enum class Notification { kUse, kIgnore };

  // Takes the first look at `now`. With kIgnore (or where the folder offers
  // no notification) it looks every kLookIntervalMs only.
  FileWatch(const std::string& path, DWORD now, Notification notification = Notification::kUse);
  ~FileWatch();
  FileWatch(const FileWatch&) = delete;
  FileWatch& operator=(const FileWatch&) = delete;

  // Looks at the file when a look is due and says what changed since the
  // last look; kNone when nothing did or no look was due.
  FileChange Poll(DWORD now);

  // True when no look has found a change for at least `milliseconds` (from
  // the look that found the last change, or from the first look).
  bool StillFor(DWORD now, DWORD milliseconds) const { return now - lastChangeAt_ >= milliseconds; }

  const std::string& Path() const { return path_; }
  const FileLook& LastLook() const { return last_; }
  DWORD LastChangeAt() const { return lastChangeAt_; }
  // How many looks were taken, the first one included.
  int Looks() const { return looks_; }
  // Whether the folder's change notification is in use.
  bool Notified() const { return notification_ != INVALID_HANDLE_VALUE; }

 private:
  std::string path_;
  HANDLE notification_ = INVALID_HANDLE_VALUE;
  FileLook last_;
  DWORD lastLookAt_ = 0;
  DWORD lastChangeAt_ = 0;
  int looks_ = 0;
};

// Takes one look; false when the file could not be looked at (but is there,
// as far as can be told), and `look` is then unchanged.
bool LookAtFile(const std::string& path, FileLook* look);

// What changed from one look to the next.
FileChange CompareLooks(const FileLook& before, const FileLook& after);
