// The schedule that paces presented frames where the display does not:
// frames that come too fast wait for their turn, a steady rate keeps no drift,
// slow or stalled frames never wait, and unknown refresh rates count as 60 Hz.
#include <gtest/gtest.h>

#include <cstdint>

#include "viewer/frame/present_schedule.h"

namespace {

TEST(PresentScheduleTest, PeriodIsFifteenSixteenthsOfTheRefresh) {
  EXPECT_EQ(PresentSchedule(60).PeriodMicroseconds(), 15625u);
  EXPECT_EQ(PresentSchedule(120).PeriodMicroseconds(), 7812u);
  for (uint32_t unknown : {0u, 1u, 23u, 481u, 100000u}) {
    EXPECT_EQ(PresentSchedule(unknown).PeriodMicroseconds(), 15625u) << unknown << " Hz";
  }
}

TEST(PresentScheduleTest, FirstFrameNeverWaits) {
  PresentSchedule schedule(60);
  EXPECT_EQ(schedule.WaitAfterPresent(5000000), 0u);
}

TEST(PresentScheduleTest, FramesThatTakeNoTimeGoOutOncePerPeriodWithoutDrift) {
  PresentSchedule schedule(60);
  uint64_t now = 1000;
  schedule.WaitAfterPresent(now);
  for (int frame = 0; frame < 64; ++frame) {
    now += schedule.WaitAfterPresent(now);
  }
  // 64 periods of 15625 us: exactly one second later.
  EXPECT_EQ(now, 1000u + 1000000u);
}

TEST(PresentScheduleTest, WorkOfAFrameCountsTowardsItsPeriod) {
  PresentSchedule schedule(60);
  schedule.WaitAfterPresent(0 + 1);
  // Presented 4 ms after the last frame: waits the rest of the period.
  EXPECT_EQ(schedule.WaitAfterPresent(1 + 4000), 15625u - 4000u);
}

TEST(PresentScheduleTest, SlightlyLateFramesKeepTheScheduleAndCatchUp) {
  PresentSchedule schedule(60);
  schedule.WaitAfterPresent(1);
  // Due at 15626; presented 1 ms late: no wait, the next is due at 31251.
  EXPECT_EQ(schedule.WaitAfterPresent(16626), 0u);
  EXPECT_EQ(schedule.WaitAfterPresent(17626), 31251u - 17626u);
}

TEST(PresentScheduleTest, FramesSlowerThanTheRefreshNeverWait) {
  PresentSchedule schedule(60);
  uint64_t now = 1;
  for (int frame = 0; frame < 100; ++frame) {
    EXPECT_EQ(schedule.WaitAfterPresent(now), 0u) << "frame " << frame;
    now += 40000;
  }
}

TEST(PresentScheduleTest, AfterAStallTheScheduleStartsAgainFromNow) {
  PresentSchedule schedule(60);
  schedule.WaitAfterPresent(1);
  // Two seconds without a frame (a message box, a moved window): no burst
  // of unwaited frames to make up for them.
  EXPECT_EQ(schedule.WaitAfterPresent(2000001), 0u);
  EXPECT_EQ(schedule.WaitAfterPresent(2000002), 15625u - 1u);
}

}  // namespace
