// The table of kernel objects, and errno values as Windows error codes.
#include "platform/src/kernel_objects.h"

#include <cerrno>
#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace {

std::mutex tableLock;
std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>>& Table() {
  static auto* table = new std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>>();
  return *table;
}
// Handle values: multiples of four, as Windows' are, far from 0 and from
// INVALID_HANDLE_VALUE, and never given twice.
uintptr_t nextHandle = 0x10000;

}  // namespace

HANDLE KernelObjectAdd(std::shared_ptr<KernelObject> object) {
  std::lock_guard<std::mutex> hold(tableLock);
  const uintptr_t value = nextHandle;
  nextHandle += 4;
  Table()[value] = std::move(object);
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> KernelObjectFind(HANDLE handle) {
  std::lock_guard<std::mutex> hold(tableLock);
  auto found = Table().find(reinterpret_cast<uintptr_t>(handle));
  return found == Table().end() ? nullptr : found->second;
}

void KernelObjectRemove(HANDLE handle) {
  std::shared_ptr<KernelObject> object;  // released outside the lock
  std::lock_guard<std::mutex> hold(tableLock);
  auto found = Table().find(reinterpret_cast<uintptr_t>(handle));
  if (found == Table().end()) return;
  object = std::move(found->second);
  Table().erase(found);
}

DWORD KernelErrorFromErrno(int error) {
  switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case EXDEV: return ERROR_NOT_SAME_DEVICE;
    case EEXIST:
    case ENOTEMPTY: return ERROR_ALREADY_EXISTS;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EBUSY:
    case ETXTBSY: return ERROR_SHARING_VIOLATION;
    default: return ERROR_ACCESS_DENIED;
  }
}
