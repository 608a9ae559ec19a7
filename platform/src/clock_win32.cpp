// GetTickCount, GetSystemTimeAsFileTime and Sleep over the platform clock.
#include "platform/src/clock_platform.h"
#include "platform/win32.h"

namespace {
// 100-nanosecond intervals between 1 January 1601 and 1 January 1970.
constexpr uint64_t kFileTimeUnixEpoch = 116444736000000000ULL;
}  // namespace

DWORD GetTickCount() { return static_cast<DWORD>(ClockMilliseconds()); }

void GetSystemTimeAsFileTime(LPFILETIME lpSystemTimeAsFileTime) {
  if (lpSystemTimeAsFileTime == nullptr) return;
  const uint64_t fileTime = kFileTimeUnixEpoch + static_cast<uint64_t>(ClockCalendarMicroseconds()) * 10;
  lpSystemTimeAsFileTime->dwLowDateTime = static_cast<DWORD>(fileTime);
  lpSystemTimeAsFileTime->dwHighDateTime = static_cast<DWORD>(fileTime >> 32);
}

void Sleep(DWORD dwMilliseconds) { ClockSleep(dwMilliseconds); }
