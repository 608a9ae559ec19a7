// CreateThread over std::thread. A thread's handle is signalled once its
// function has returned; closing the handle leaves the thread running, as on
// Windows.
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/src/core_backend.h"
#include "platform/src/kernel_objects.h"

namespace {

class ThreadObject : public KernelObject {
 public:
  DWORD Wait(DWORD milliseconds) override {
    std::unique_lock<std::mutex> hold(lock);
    if (milliseconds == INFINITE) {
      ended.wait(hold, [this] { return done; });
    } else {
      ended.wait_for(hold, std::chrono::milliseconds(milliseconds), [this] { return done; });
    }
    return done ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
  }

  void Finish() {
    std::lock_guard<std::mutex> hold(lock);
    done = true;
    ended.notify_all();
  }

 private:
  std::mutex lock;
  std::condition_variable ended;
  bool done = false;
};

std::mutex idLock;
DWORD nextThreadId = 1000;

}  // namespace

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES lpThreadAttributes, SIZE_T /*dwStackSize*/,
                           LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter, DWORD dwCreationFlags,
                           LPDWORD lpThreadId) {
  if (lpThreadAttributes != nullptr) PlatformFail("CreateThread", "security attributes");
  if (dwCreationFlags != 0) PlatformFail("CreateThread", "creation flags (suspended threads)");
  if (lpStartAddress == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto object = std::make_shared<ThreadObject>();
  try {
    std::thread([object, lpStartAddress, lpParameter] {
      lpStartAddress(lpParameter);
      object->Finish();
    }).detach();
  } catch (const std::system_error&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (lpThreadId != nullptr) {
    std::lock_guard<std::mutex> hold(idLock);
    *lpThreadId = nextThreadId++;
  }
  return KernelObjectAdd(std::move(object));
}
