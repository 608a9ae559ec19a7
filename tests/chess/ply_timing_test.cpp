// The timing rules: time spent from clocks and [%emt], the real-pace pause,
// the clocks shown after plies and taken-back plies, the countdown.
#include "viewer/chess/ply_timing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

// Plies with these clocks in milliseconds, kNoTime for a ply without one.
std::vector<PlyNotes> Clocks(std::initializer_list<int64_t> clocks) {
  std::vector<PlyNotes> plies;
  for (int64_t ms : clocks) {
    PlyNotes notes;
    notes.clock.ms = ms;
    plies.push_back(notes);
  }
  return plies;
}

ClockStart Start(int64_t ms, int64_t incrementMs) {
  ClockStart start;
  start.white.ms = ms;
  start.black.ms = ms;
  start.incrementMs = incrementMs;
  return start;
}

int64_t Spent(const std::vector<PlyNotes>& plies, int ply, const ClockStart& start) {
  return TimeSpent(plies.data(), static_cast<int>(plies.size()), ply, start);
}

TEST(TimeSpentTest, FirstPliesFromTheStartingTimeWithTheIncrement) {
  const std::vector<PlyNotes> plies = Clocks({178000, 179000, 175000, 176500});
  const ClockStart start = Start(180000, 2000);
  EXPECT_EQ(Spent(plies, 0, start), 4000);  // 180 - 178 + 2
  EXPECT_EQ(Spent(plies, 1, start), 3000);  // 180 - 179 + 2
  EXPECT_EQ(Spent(plies, 2, start), 5000);  // 178 - 175 + 2
  EXPECT_EQ(Spent(plies, 3, start), 4500);  // 179 - 176.5 + 2
}

TEST(TimeSpentTest, AClockWithNoPreviousClock) {
  const std::vector<PlyNotes> plies = Clocks({60000, 60000, 58000, 59000});
  const ClockStart unknown;
  EXPECT_EQ(Spent(plies, 0, unknown), kNoTime);
  EXPECT_EQ(Spent(plies, 1, unknown), kNoTime);
  EXPECT_EQ(Spent(plies, 2, unknown), 2000);
  EXPECT_EQ(Spent(plies, 3, unknown), 1000);
}

TEST(TimeSpentTest, OnlyTheMoversOwnPreviousClockCounts) {
  // Ply 2 has no clock: White's ply 4 cannot use ply 0's clock in its place.
  const std::vector<PlyNotes> plies = Clocks({60000, 60000, kNoTime, 59000, 55000, 58000});
  const ClockStart start = Start(60000, 0);
  EXPECT_EQ(Spent(plies, 2, start), kNoTime);
  EXPECT_EQ(Spent(plies, 4, start), kNoTime);
  EXPECT_EQ(Spent(plies, 5, start), 1000);
}

TEST(TimeSpentTest, AddedTimeMakesNoNegativeTimeSpent) {
  // A broadcast: White's clock goes from 0:12:55 to 1:12:36 as an hour is added at move 40.
  const std::vector<PlyNotes> plies = Clocks({775000, 870000, 4356000, 4398000});
  const ClockStart unknown;
  EXPECT_EQ(Spent(plies, 2, unknown), 0);
  EXPECT_EQ(Spent(plies, 3, unknown), 0);
  // A clock that went up by exactly the increment: no time spent.
  const std::vector<PlyNotes> bonus = Clocks({300000, 300000, 305000});
  EXPECT_EQ(Spent(bonus, 2, Start(300000, 5000)), 0);
}

TEST(TimeSpentTest, TimeSpentWrittenInTheFileComesFirst) {
  std::vector<PlyNotes> plies = Clocks({178000, kNoTime, 170000});
  plies[0].spent.ms = 783;
  plies[1].spent.ms = 0;
  plies[2].spent.ms = 12000;
  const ClockStart start = Start(180000, 2000);
  EXPECT_EQ(Spent(plies, 0, start), 783);
  EXPECT_EQ(Spent(plies, 1, start), 0);
  EXPECT_EQ(Spent(plies, 2, start), 12000);
}

TEST(TimeSpentTest, PliesWithoutTimesAndOutsideTheGame) {
  const std::vector<PlyNotes> plies = Clocks({kNoTime, 59000});
  const ClockStart start = Start(60000, 0);
  EXPECT_EQ(Spent(plies, 0, start), kNoTime);
  EXPECT_EQ(Spent(plies, 1, start), 1000);
  EXPECT_EQ(Spent(plies, 2, start), kNoTime);
  EXPECT_EQ(Spent(plies, -1, start), kNoTime);
  EXPECT_EQ(TimeSpent(nullptr, 5, 0, start), kNoTime);
}

TEST(RealPacePauseTest, SpentTimeOverTheFactorNeverShorterThanTheSlide) {
  EXPECT_EQ(RealPacePause(60000, 10, 800, 1800), 6000);
  EXPECT_EQ(RealPacePause(5000, 10, 800, 1800), 800);
  EXPECT_EQ(RealPacePause(0, 10, 800, 1800), 800);
  EXPECT_EQ(RealPacePause(60000, 1, 800, 1800), 60000);
  EXPECT_EQ(RealPacePause(60000, 60, 800, 1800), 1000);
  EXPECT_EQ(RealPacePause(12345, 10, 0, 1800), 1234);
  EXPECT_EQ(RealPacePause(60000, 0, 800, 1800), 60000);  // a factor below 1 counts as 1
  EXPECT_EQ(RealPacePause(60000, -5, 800, 1800), 60000);
  EXPECT_EQ(RealPacePause(kNoTime, 10, 800, 1800), 1800);
}

TEST(ClockShownTest, CountsPliesOnTheBoardAndGoesBackOnTakeBack) {
  const std::vector<PlyNotes> plies = Clocks({178000, 179000, kNoTime, 176000, 170000});
  const ClockStart start = Start(180000, 2000);
  const int count = static_cast<int>(plies.size());
  struct Case {
    int played;
    int64_t white;
    int64_t black;
  };
  for (const Case& c : {Case{0, 180000, 180000}, Case{1, 178000, 180000}, Case{2, 178000, 179000},
                        Case{3, 178000, 179000},  // White's ply 2 has no clock: the last known one stays
                        Case{4, 178000, 176000}, Case{5, 170000, 176000}, Case{9, 170000, 176000}}) {
    EXPECT_EQ(ClockShown(plies.data(), count, c.played, ClockSide::kWhite, start).ms, c.white) << c.played;
    EXPECT_EQ(ClockShown(plies.data(), count, c.played, ClockSide::kBlack, start).ms, c.black) << c.played;
  }
  // Taking back ply 5 shows again what was shown after four plies.
  EXPECT_EQ(ClockShown(plies.data(), count, 4, ClockSide::kWhite, start).ms, 178000);
  EXPECT_FALSE(ClockShown(plies.data(), count, 0, ClockSide::kWhite, ClockStart{}).known());
  EXPECT_FALSE(ClockShown(nullptr, 0, 0, ClockSide::kBlack, ClockStart{}).known());
}

TEST(CountdownClockTest, TheShownClockRunsDownAtTheFactor) {
  TimeReading shown;
  shown.ms = 60000;
  shown.fraction = true;
  EXPECT_EQ(CountdownClock(shown, 1000, 10).ms, 50000);
  EXPECT_TRUE(CountdownClock(shown, 1000, 10).fraction);
  EXPECT_EQ(CountdownClock(shown, 6000, 10).ms, 0);
  EXPECT_EQ(CountdownClock(shown, 6001, 10).ms, 0);
  EXPECT_EQ(CountdownClock(shown, INT64_MAX, 60).ms, 0);
  EXPECT_EQ(CountdownClock(shown, 1000, 0).ms, 59000);
  EXPECT_EQ(CountdownClock(shown, -5, 10).ms, 60000);
  EXPECT_FALSE(CountdownClock(TimeReading{}, 1000, 10).known());
}

TEST(GameClocksTest, ClocksAndTenths) {
  std::vector<PlyNotes> plies = Clocks({kNoTime, kNoTime});
  EXPECT_FALSE(GameHasClocks(plies.data(), 2));
  EXPECT_FALSE(GameHasClocks(nullptr, 0));
  plies[1].clock.ms = 5000;
  EXPECT_TRUE(GameHasClocks(plies.data(), 2));
  EXPECT_FALSE(GameHasClocks(plies.data(), 1));
  EXPECT_FALSE(GameHasTenths(plies.data(), 2));
  plies[1].clock.fraction = true;
  EXPECT_TRUE(GameHasTenths(plies.data(), 2));
  plies[0].spent.fraction = true;  // a fraction of [%emt] is no clock's
  plies[1].clock.fraction = false;
  EXPECT_FALSE(GameHasTenths(plies.data(), 2));
}

}  // namespace
