// Present pacing: the schedule, and on Windows its clock and sleep.
#include "viewer/frame/present_schedule.h"

#include "platform/win32.h"

namespace {

const uint32_t kDefaultRefreshHz = 60;
const uint32_t kLowestRefreshHz = 24;
const uint32_t kHighestRefreshHz = 480;
// The period is 15/16 of the refresh's: 63.75 frames a second at 60 Hz.
const uint64_t kSlackNumerator = 15;
const uint64_t kSlackDenominator = 16;

}  // namespace

PresentSchedule::PresentSchedule(uint32_t refreshHz) {
  if (refreshHz < kLowestRefreshHz || refreshHz > kHighestRefreshHz) refreshHz = kDefaultRefreshHz;
  period = 1000000 * kSlackNumerator / (kSlackDenominator * refreshHz);
}

uint64_t PresentSchedule::WaitAfterPresent(uint64_t nowMicroseconds) {
  if (nextDue == 0 || nowMicroseconds > nextDue + period) {
    nextDue = nowMicroseconds + period;
    return 0;
  }
  const uint64_t wait = nextDue > nowMicroseconds ? nextDue - nowMicroseconds : 0;
  nextDue += period;
  return wait;
}

#if defined(_WIN32)

namespace {

uint64_t NowMicroseconds() {
  static LARGE_INTEGER frequency = {};
  if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<uint64_t>(counter.QuadPart / frequency.QuadPart * 1000000 +
                               counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart);
}

}  // namespace

// Sleep's resolution is the system timer's, 15.6 ms unless asked for finer.
void PresentPacer::Start(uint32_t refreshHz) {
  schedule = PresentSchedule(refreshHz);
  timeBeginPeriod(1);
}

void PresentPacer::AfterPresent() {
  const uint64_t wait = schedule.WaitAfterPresent(NowMicroseconds());
  if (wait >= 1000) Sleep(static_cast<DWORD>(wait / 1000));
}

#else

void PresentPacer::Start(uint32_t refreshHz) { schedule = PresentSchedule(refreshHz); }

void PresentPacer::AfterPresent() {}

#endif
