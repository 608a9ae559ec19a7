// The platform clock, real or virtual.
#include "platform/src/clock_platform.h"

#include <chrono>
#include <thread>

#include "platform/src/core_backend.h"

namespace {

// The virtual clock starts at a fixed calendar time, 1 January 2024 00:00 UTC.
constexpr int64_t kVirtualCalendarStartSeconds = 1704067200;

struct VirtualClock {
  uint64_t milliseconds = 0;
  int64_t calendarMicroseconds = kVirtualCalendarStartSeconds * 1000000;
};

VirtualClock& Virtual() {
  static VirtualClock clock;
  return clock;
}

uint64_t RealMilliseconds() {
  static const auto start = std::chrono::steady_clock::now();
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

}  // namespace

uint64_t ClockMilliseconds() { return PlatformHeadless() ? Virtual().milliseconds : RealMilliseconds(); }

int64_t ClockCalendarMicroseconds() {
  if (PlatformHeadless()) return Virtual().calendarMicroseconds;
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void ClockSleep(uint32_t milliseconds) {
  if (PlatformHeadless()) {
    VirtualClockAdvance(milliseconds);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void VirtualClockAdvance(uint64_t milliseconds) {
  Virtual().milliseconds += milliseconds;
  Virtual().calendarMicroseconds += static_cast<int64_t>(milliseconds) * 1000;
}

void VirtualClockSetCalendar(int64_t unixSeconds) { Virtual().calendarMicroseconds = unixSeconds * 1000000; }

void VirtualClockReset() { Virtual() = VirtualClock{}; }
