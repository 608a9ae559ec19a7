// FileWatch: looks at a file now and then, and when its folder says so.
#include "viewer/show/file_watch.h"

namespace {

std::string FolderOf(const std::string& path) {
#ifdef _WIN32
  const size_t slash = path.find_last_of("/\\");
#else
  const size_t slash = path.find_last_of('/');
#endif
  if (slash == std::string::npos) return ".";
  if (slash == 0) return path.substr(0, 1);
  return path.substr(0, slash);
}

}  // namespace

const char* FileChangeName(FileChange change) {
  switch (change) {
    case FileChange::kNone: return "none";
    case FileChange::kGrown: return "grown";
    case FileChange::kShrunk: return "shrunk";
    case FileChange::kRewritten: return "rewritten";
    case FileChange::kReplaced: return "replaced";
    case FileChange::kGone: return "gone";
    case FileChange::kAppeared: return "appeared";
  }
  return "?";
}

bool LookAtFile(const std::string& path, FileLook* look) {
  // Access 0 and every sharing mode: asking about the file never stands in
  // the way of a writer replacing or deleting it.
  const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return false;
    *look = FileLook();
    return true;
  }
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileInformationByHandle(file, &info) != FALSE;
  CloseHandle(file);
  if (!known) return false;
  look->exists = true;
  look->size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  look->writeTime =
      (static_cast<uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime;
  look->volume = info.dwVolumeSerialNumber;
  look->index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

FileChange CompareLooks(const FileLook& before, const FileLook& after) {
  if (!before.exists) return after.exists ? FileChange::kAppeared : FileChange::kNone;
  if (!after.exists) return FileChange::kGone;
  if (before.volume != after.volume || before.index != after.index) return FileChange::kReplaced;
  if (after.size > before.size) return FileChange::kGrown;
  if (after.size < before.size) return FileChange::kShrunk;
  if (after.writeTime != before.writeTime) return FileChange::kRewritten;
  return FileChange::kNone;
}

FileWatch::FileWatch(const std::string& path, DWORD now, Notification notification)
    : path_(path), lastLookAt_(now), lastChangeAt_(now) {
  if (notification == Notification::kUse) {
    notification_ = FindFirstChangeNotificationA(
        FolderOf(path).c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  }
  LookAtFile(path_, &last_);
  looks_ = 1;
}

FileWatch::~FileWatch() {
  if (notification_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(notification_);
}

FileChange FileWatch::Poll(DWORD now) {
  const DWORD since = now - lastLookAt_;
  bool due = since >= kLookIntervalMs;
  bool notified = false;
  if (!due && since >= kNotifiedLookGapMs && notification_ != INVALID_HANDLE_VALUE) {
    notified = WaitForSingleObject(notification_, 0) == WAIT_OBJECT_0;
    due = notified;
  }
  if (!due) return FileChange::kNone;
  // Re-armed before the look, so that a change after it signals again.
  if (notification_ != INVALID_HANDLE_VALUE && (notified || WaitForSingleObject(notification_, 0) == WAIT_OBJECT_0))
    FindNextChangeNotification(notification_);
  lastLookAt_ = now;
  ++looks_;
  FileLook look = last_;
  if (!LookAtFile(path_, &look)) return FileChange::kNone;
  const FileChange change = CompareLooks(last_, look);
  last_ = look;
  if (change != FileChange::kNone) lastChangeAt_ = now;
  return change;
}
