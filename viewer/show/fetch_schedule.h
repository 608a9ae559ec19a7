// When a broadcast address is fetched again: about every five seconds, and
// after failures ever more slowly (the wait doubles), at most a minute apart.
// Times are GetTickCount milliseconds; they may wrap.
#pragma once

#include "platform/win32.h"

class FetchSchedule {
 public:
  static constexpr DWORD kIntervalMs = 5000;
  static constexpr DWORD kLongestWaitMs = 60000;

  // The next fetch is due at once.
  void DueNow(DWORD now) { dueAt_ = now; }
  bool Due(DWORD now) const { return static_cast<LONG>(now - dueAt_) >= 0; }

  // A fetch ended at `now` with an answer (new content or none): the next in
  // kIntervalMs.
  void Answered(DWORD now);
  // A fetch ended at `now` without one: the next after twice the last wait,
  // at most kLongestWaitMs.
  void Failed(DWORD now);

  DWORD Wait() const { return wait_; }
  DWORD DueAt() const { return dueAt_; }
  int FailuresInARow() const { return failures_; }

 private:
  DWORD dueAt_ = 0;
  DWORD wait_ = kIntervalMs;
  int failures_ = 0;
};
