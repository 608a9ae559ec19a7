// FindFirstChangeNotificationA, FindNextChangeNotification and
// FindCloseChangeNotification over inotify. The handle is signalled from the
// first change after it was made (or after the last FindNextChangeNotification)
// until the next FindNextChangeNotification, as on Windows.
#include "platform/src/kernel_notification.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

#include "platform/src/core_backend.h"

namespace {

constexpr DWORD kFilters = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES |
                           FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;

uint32_t InotifyMask(DWORD filter) {
  uint32_t mask = 0;
  if (filter & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME))
    mask |= IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
  if (filter & FILE_NOTIFY_CHANGE_ATTRIBUTES) mask |= IN_ATTRIB;
  if (filter & FILE_NOTIFY_CHANGE_SIZE) mask |= IN_MODIFY;
  if (filter & FILE_NOTIFY_CHANGE_LAST_WRITE) mask |= IN_MODIFY | IN_CLOSE_WRITE;
  // The folder itself going away ends the watch, which signals too.
  return mask | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
}

class ChangeNotification : public KernelObject {
 public:
  explicit ChangeNotification(int descriptor) : fd(descriptor) {}
  ~ChangeNotification() override { close(fd); }

  DWORD Wait(DWORD milliseconds) override {
    std::lock_guard<std::mutex> hold(lock);
    if (!signalled) signalled = Drain();
    if (!signalled && milliseconds != 0) {
      pollfd wanted = {fd, POLLIN, 0};
      const int timeout = milliseconds == INFINITE ? -1 : static_cast<int>(milliseconds);
      if (poll(&wanted, 1, timeout) > 0) signalled = Drain();
    }
    return signalled ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
  }

  void Rearm() {
    std::lock_guard<std::mutex> hold(lock);
    Drain();
    signalled = false;
  }

 private:
  // Reads every event waiting; true when there was one.
  bool Drain() {
    alignas(inotify_event) char buffer[4096];
    bool any = false;
    for (;;) {
      const ssize_t got = read(fd, buffer, sizeof buffer);
      if (got <= 0) return any;  // EAGAIN: nothing more
      any = true;
    }
  }

  const int fd;
  std::mutex lock;
  bool signalled = false;
};

}  // namespace

bool IsChangeNotification(const KernelObject* object) {
  return dynamic_cast<const ChangeNotification*>(object) != nullptr;
}

HANDLE WINAPI FindFirstChangeNotificationA(LPCSTR lpPathName, BOOL bWatchSubtree, DWORD dwNotifyFilter) {
  if (bWatchSubtree) PlatformFail("FindFirstChangeNotificationA", "watching subfolders");
  if (dwNotifyFilter == 0 || (dwNotifyFilter & ~kFilters) != 0)
    PlatformFail("FindFirstChangeNotificationA",
                 "filters other than FILE_NAME, DIR_NAME, ATTRIBUTES, SIZE, LAST_WRITE");
  if (lpPathName == nullptr || lpPathName[0] == '\0') {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) {
    SetLastError(KernelErrorFromErrno(errno));
    return INVALID_HANDLE_VALUE;
  }
  if (inotify_add_watch(fd, lpPathName, InotifyMask(dwNotifyFilter)) < 0) {
    const int error = errno;
    close(fd);
    SetLastError(error == ENOTDIR  ? ERROR_DIRECTORY
                 : error == ENOENT ? ERROR_PATH_NOT_FOUND
                                   : KernelErrorFromErrno(error));
    return INVALID_HANDLE_VALUE;
  }
  return KernelObjectAdd(std::make_shared<ChangeNotification>(fd));
}

BOOL WINAPI FindNextChangeNotification(HANDLE hChangeHandle) {
  const std::shared_ptr<ChangeNotification> notification = KernelObjectFindAs<ChangeNotification>(hChangeHandle);
  if (notification == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  notification->Rearm();
  return TRUE;
}

BOOL WINAPI FindCloseChangeNotification(HANDLE hChangeHandle) {
  if (KernelObjectFindAs<ChangeNotification>(hChangeHandle) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  KernelObjectRemove(hChangeHandle);
  return TRUE;
}
