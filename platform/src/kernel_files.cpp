// Files opened to be asked about (CreateFileA, GetFileInformationByHandle),
// CloseHandle, WaitForSingleObject, and MoveFileExA, over POSIX.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/src/core_backend.h"
#include "platform/src/kernel_notification.h"
#include "platform/src/kernel_objects.h"

namespace {

// 100-nanosecond intervals between 1 January 1601 and 1 January 1970.
constexpr uint64_t kFileTimeUnixEpoch = 116444736000000000ULL;

class FileObject : public KernelObject {
 public:
  explicit FileObject(int descriptor) : fd(descriptor) {}
  ~FileObject() override { close(fd); }
  // A file handle is always signalled, as on Windows.
  DWORD Wait(DWORD) override { return WAIT_OBJECT_0; }
  const int fd;
};

FILETIME FileTimeOf(const struct timespec& time) {
  const uint64_t value =
      kFileTimeUnixEpoch + static_cast<uint64_t>(time.tv_sec) * 10000000ULL + static_cast<uint64_t>(time.tv_nsec) / 100;
  return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

// ENOENT is ERROR_PATH_NOT_FOUND when the folder itself is missing.
DWORD MissingFileError(const char* name) {
  std::string folder(name);
  const size_t slash = folder.find_last_of('/');
  if (slash == std::string::npos) return ERROR_FILE_NOT_FOUND;
  folder.resize(slash == 0 ? 1 : slash);
  struct stat info;
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                          LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                          DWORD dwFlagsAndAttributes, HANDLE hTemplateFile) {
  if (dwDesiredAccess != 0 && dwDesiredAccess != GENERIC_READ)
    PlatformFail("CreateFileA", "only access 0 or GENERIC_READ (files are opened to be asked about)");
  if ((dwShareMode & ~(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)) != 0)
    PlatformFail("CreateFileA", "share modes other than FILE_SHARE_READ / WRITE / DELETE");
  if (lpSecurityAttributes != nullptr || hTemplateFile != nullptr)
    PlatformFail("CreateFileA", "security attributes and template files");
  if (dwCreationDisposition != OPEN_EXISTING) PlatformFail("CreateFileA", "only OPEN_EXISTING");
  if ((dwFlagsAndAttributes & ~(FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS)) != 0)
    PlatformFail("CreateFileA", "flags other than FILE_ATTRIBUTE_NORMAL and FILE_FLAG_BACKUP_SEMANTICS");
  if (lpFileName == nullptr || lpFileName[0] == '\0') {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  // Not blocking on a pipe, and a handle of access 0 needs no read permission.
  int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
#ifdef O_PATH
  flags |= dwDesiredAccess == 0 ? O_PATH : O_RDONLY;
#else
  flags |= O_RDONLY;
#endif
  const int fd = open(lpFileName, flags);
  if (fd < 0) {
    SetLastError(errno == ENOENT ? MissingFileError(lpFileName) : KernelErrorFromErrno(errno));
    return INVALID_HANDLE_VALUE;
  }
  struct stat info;
  if (fstat(fd, &info) != 0 || (S_ISDIR(info.st_mode) && !(dwFlagsAndAttributes & FILE_FLAG_BACKUP_SEMANTICS))) {
    close(fd);
    SetLastError(ERROR_ACCESS_DENIED);  // a folder needs FILE_FLAG_BACKUP_SEMANTICS
    return INVALID_HANDLE_VALUE;
  }
  return KernelObjectAdd(std::make_shared<FileObject>(fd));
}

BOOL WINAPI GetFileInformationByHandle(HANDLE hFile, LPBY_HANDLE_FILE_INFORMATION lpFileInformation) {
  const std::shared_ptr<FileObject> file = KernelObjectFindAs<FileObject>(hFile);
  if (file == nullptr || lpFileInformation == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  struct stat info;
  if (fstat(file->fd, &info) != 0) {
    SetLastError(KernelErrorFromErrno(errno));
    return FALSE;
  }
  BY_HANDLE_FILE_INFORMATION& out = *lpFileInformation;
  if (S_ISDIR(info.st_mode)) {
    out.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
  } else {
    out.dwFileAttributes = (info.st_mode & 0222) == 0 ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
  }
  out.ftCreationTime = FileTimeOf(info.st_ctim);
  out.ftLastAccessTime = FileTimeOf(info.st_atim);
  out.ftLastWriteTime = FileTimeOf(info.st_mtim);
  const uint64_t device = static_cast<uint64_t>(info.st_dev);
  out.dwVolumeSerialNumber = static_cast<DWORD>(device ^ (device >> 32));
  const uint64_t size = S_ISREG(info.st_mode) ? static_cast<uint64_t>(info.st_size) : 0;
  out.nFileSizeHigh = static_cast<DWORD>(size >> 32);
  out.nFileSizeLow = static_cast<DWORD>(size);
  out.nNumberOfLinks = static_cast<DWORD>(info.st_nlink);
  const uint64_t index = static_cast<uint64_t>(info.st_ino);
  out.nFileIndexHigh = static_cast<DWORD>(index >> 32);
  out.nFileIndexLow = static_cast<DWORD>(index);
  return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE hObject) {
  const std::shared_ptr<KernelObject> object = KernelObjectFind(hObject);
  if (object == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (IsChangeNotification(object.get()))
    PlatformFail("CloseHandle", "a change notification is closed with FindCloseChangeNotification");
  KernelObjectRemove(hObject);
  return TRUE;
}

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
  const std::shared_ptr<KernelObject> object = KernelObjectFind(hHandle);
  if (object == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  return object->Wait(dwMilliseconds);
}

BOOL WINAPI MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
  if ((dwFlags & ~MOVEFILE_REPLACE_EXISTING) != 0)
    PlatformFail("MoveFileExA", "flags other than MOVEFILE_REPLACE_EXISTING");
  if (lpExistingFileName == nullptr || lpNewFileName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  int result;
  if (dwFlags & MOVEFILE_REPLACE_EXISTING) {
    result = rename(lpExistingFileName, lpNewFileName);
  } else {
    result = renameat2(AT_FDCWD, lpExistingFileName, AT_FDCWD, lpNewFileName, RENAME_NOREPLACE);
  }
  if (result != 0) {
    SetLastError(errno == ENOENT ? MissingFileError(lpExistingFileName) : KernelErrorFromErrno(errno));
    return FALSE;
  }
  return TRUE;
}
