// Calendar seconds from the system time (see calendar_time.h).
#include "viewer/show/calendar_time.h"

#include "platform/win32.h"

int64_t CalendarSeconds() {
  constexpr uint64_t kTicksPerSecond = 10000000;        // FILETIME counts 100 ns
  constexpr uint64_t kSeconds1601To1970 = 11644473600;  // from the FILETIME epoch
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<int64_t>(ticks / kTicksPerSecond - kSeconds1601To1970);
}
