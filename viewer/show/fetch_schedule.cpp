// The fetch schedule of a broadcast address.
#include "viewer/show/fetch_schedule.h"

void FetchSchedule::Answered(DWORD now) {
  failures_ = 0;
  wait_ = kIntervalMs;
  dueAt_ = now + wait_;
}

void FetchSchedule::Failed(DWORD now) {
  ++failures_;
  wait_ = wait_ >= kLongestWaitMs / 2 ? kLongestWaitMs : wait_ * 2;
  dueAt_ = now + wait_;
}
