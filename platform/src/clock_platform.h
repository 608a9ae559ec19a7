// The platform clock: milliseconds since start and calendar time, real with
// SDL and virtual (advanced only by tests) in the headless backend.
#pragma once

#include <cstdint>

// Milliseconds on a monotonic clock; never wraps within a run.
uint64_t ClockMilliseconds();

// Microseconds since 1 January 1970 UTC.
int64_t ClockCalendarMicroseconds();

// Waits that long: a real sleep with SDL, an advance of the virtual clock headless.
void ClockSleep(uint32_t milliseconds);

// The virtual clock of the headless backend.
void VirtualClockAdvance(uint64_t milliseconds);
void VirtualClockSetCalendar(int64_t unixSeconds);
void VirtualClockReset();
