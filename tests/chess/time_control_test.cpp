// The time readers and the clock tags: TimeControl in the forms real files
// hold, WhiteClock and BlackClock, and how they make a game's start.
#include "viewer/chess/time_control.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadClockTimeTest, FormsAndTheirLimits) {
  EXPECT_EQ(ReadClockTime("1:59:58").ms, 7198000);
  EXPECT_EQ(ReadClockTime("2:58").ms, 178000);
  EXPECT_EQ(ReadClockTime("99999:59:59").ms, 99999 * 3600000LL + 3599000);
  EXPECT_EQ(ReadClockTime("90:00").ms, 5400000);  // M:SS with more than an hour of minutes
  EXPECT_EQ(ReadClockTime("0:00:00.1").ms, 100);
  EXPECT_TRUE(ReadClockTime("0:00:00.1").fraction);
  EXPECT_FALSE(ReadClockTime("0:00:00").fraction);
  for (const char* text : {"", ":", "1", "1:", "1:5", "1:5:00", "1:00:5", "1:000", "100000:00:00", "1:60", "1:00:60",
                           " 1:00", "1:00 ", "1:00.", "1:00.x", "+1:00", "1:00:00:00", "1.5:00", "\xD9\xA1:00"}) {
    EXPECT_FALSE(ReadClockTime(text).known()) << '"' << text << '"';
  }
}

TEST(ReadSecondsTimeTest, FormsAndTheirLimits) {
  EXPECT_EQ(ReadSecondsTime("0.783").ms, 783);
  EXPECT_EQ(ReadSecondsTime("180").ms, 180000);
  EXPECT_EQ(ReadSecondsTime("0.05").ms, 50);
  EXPECT_EQ(ReadSecondsTime("999999999").ms, 999999999000LL);
  for (const char* text : {"", ".5", "5.", "1000000000", "-1", "1e3", "1,5", "0:05", " 5"}) {
    EXPECT_FALSE(ReadSecondsTime(text).known()) << '"' << text << '"';
  }
}

TEST(ReadTimeControlTest, StartAndIncrementForms) {
  struct Case {
    const char* value;
    int64_t startMs;
    int64_t incrementMs;
  };
  for (const Case& c :
       {Case{"180+2", 180000, 2000}, Case{"60+0", 60000, 0}, Case{"600", 600000, 0}, Case{"10+0.05", 10000, 50},
        Case{"0+1", 0, 1000}, Case{" 300+3 ", 300000, 3000}, Case{"2700+45000", 2700000, 45000000}}) {
    const TimeControl control = ReadTimeControl(c.value);
    EXPECT_EQ(control.start.ms, c.startMs) << c.value;
    EXPECT_EQ(control.incrementMs, c.incrementMs) << c.value;
  }
}

TEST(ReadTimeControlTest, OtherFormsGiveNoStartAndNoIncrement) {
  for (const char* value : {"1/259200", "40/7200:3600", "40/7200:20/3600:900+30", "*180", "-", "?", "", "180+", "+2",
                            "180+2+1", "180 + 2", "90 min + 30 sec", "3|2", "180+-2"}) {
    const TimeControl control = ReadTimeControl(value);
    EXPECT_FALSE(control.start.known()) << value;
    EXPECT_EQ(control.incrementMs, 0) << value;
  }
}

TEST(ReadClockTagTest, FormsOfRealFiles) {
  EXPECT_EQ(ReadClockTag("1:59:58").ms, 7198000);
  EXPECT_EQ(ReadClockTag("0:05:00.000").ms, 300000);
  EXPECT_TRUE(ReadClockTag("0:05:00.000").fraction);
  EXPECT_EQ(ReadClockTag("00:03:00.0").ms, 180000);
  EXPECT_EQ(ReadClockTag("01:03:52").ms, 3832000);
  EXPECT_EQ(ReadClockTag("23:49:50.496").ms, 85790496);
  EXPECT_EQ(ReadClockTag(" 2:00:00 ").ms, 7200000);
  EXPECT_FALSE(ReadClockTag(":11:9").known());
  EXPECT_FALSE(ReadClockTag("").known());
  EXPECT_FALSE(ReadClockTag("W/1:59:59").known());
}

TEST(ReadClockStartTest, ClockTagsComeBeforeTheTimeControl) {
  const ClockStart both = ReadClockStart("300+30", "0:04:55.127", "");
  EXPECT_EQ(both.white.ms, 295127);
  EXPECT_EQ(both.black.ms, 300000);
  EXPECT_EQ(both.incrementMs, 30000);

  const ClockStart tagsOnly = ReadClockStart("40/7200:3600", "2:00:00", "2:00:00");
  EXPECT_EQ(tagsOnly.white.ms, 7200000);
  EXPECT_EQ(tagsOnly.black.ms, 7200000);
  EXPECT_EQ(tagsOnly.incrementMs, 0);

  const ClockStart brokenTag = ReadClockStart("180+2", ":11:9", "x");
  EXPECT_EQ(brokenTag.white.ms, 180000);
  EXPECT_EQ(brokenTag.black.ms, 180000);

  const ClockStart none = ReadClockStart("", "", "");
  EXPECT_FALSE(none.white.known());
  EXPECT_FALSE(none.black.known());
  EXPECT_EQ(none.incrementMs, 0);
}

}  // namespace
