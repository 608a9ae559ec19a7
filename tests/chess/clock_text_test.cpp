// The console's clock, evaluation and glyph texts.
#include "viewer/chess/clock_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {

std::string Clock(int64_t ms, bool withTenths) {
  char text[kNoteTextSize];
  const int length = FormatClock(ms, withTenths, text, sizeof text);
  EXPECT_EQ(length, static_cast<int>(std::strlen(text)));
  return text;
}

std::string Eval(Evaluation::Kind kind, int32_t value) {
  char text[kNoteTextSize];
  const int length = FormatEvaluation({kind, value}, text, sizeof text);
  EXPECT_EQ(length, static_cast<int>(std::strlen(text)));
  return text;
}

TEST(FormatClockTest, HoursMinutesAndSeconds) {
  EXPECT_EQ(Clock(7198000, false), "1:59:58");
  EXPECT_EQ(Clock(3600000, false), "1:00:00");
  EXPECT_EQ(Clock(3599999, false), "59:59");
  EXPECT_EQ(Clock(178000, false), "2:58");
  EXPECT_EQ(Clock(178999, false), "2:58");  // cut, not rounded
  EXPECT_EQ(Clock(60000, false), "1:00");
  EXPECT_EQ(Clock(9000, false), "0:09");
  EXPECT_EQ(Clock(0, false), "0:00");
  EXPECT_EQ(Clock(-1500, false), "0:00");
  EXPECT_EQ(Clock(360000000, false), "100:00:00");
  EXPECT_EQ(Clock(36000000, true), "10:00:00");
}

TEST(FormatClockTest, TenthsUnderTwentySecondsWhereTheGameHasThem) {
  EXPECT_EQ(Clock(19500, true), "0:19.5");
  EXPECT_EQ(Clock(19500, false), "0:19");
  EXPECT_EQ(Clock(19999, true), "0:19.9");
  EXPECT_EQ(Clock(20000, true), "0:20");
  EXPECT_EQ(Clock(5300, true), "0:05.3");
  EXPECT_EQ(Clock(0, true), "0:00.0");
  EXPECT_EQ(Clock(-1, true), "0:00.0");
  EXPECT_EQ(Clock(598200, true), "9:58");
}

TEST(FormatClockTest, AnyTimeFitsAndASmallBufferIsCut) {
  const std::string longest = Clock(std::numeric_limits<int64_t>::max(), true);
  EXPECT_LT(longest.size(), kNoteTextSize);
  char small[4];
  EXPECT_EQ(FormatClock(7198000, false, small, sizeof small), 3);
  EXPECT_STREQ(small, "1:5");
}

TEST(FormatEvaluationTest, PawnsAndMates) {
  EXPECT_EQ(Eval(Evaluation::kPawns, 17), "+0.17");
  EXPECT_EQ(Eval(Evaluation::kPawns, -120), "-1.20");
  EXPECT_EQ(Eval(Evaluation::kPawns, -5), "-0.05");
  EXPECT_EQ(Eval(Evaluation::kPawns, 0), "0.00");
  EXPECT_EQ(Eval(Evaluation::kPawns, 1506), "+15.06");
  EXPECT_EQ(Eval(Evaluation::kMate, 3), "#3");
  EXPECT_EQ(Eval(Evaluation::kMate, -2), "#-2");
  EXPECT_EQ(Eval(Evaluation::kMate, 0), "#0");
  EXPECT_EQ(Eval(Evaluation::kNone, 42), "");
  EXPECT_EQ(Eval(Evaluation::kPawns, std::numeric_limits<int32_t>::min()), "-21474836.48");
  EXPECT_EQ(Eval(Evaluation::kMate, std::numeric_limits<int32_t>::min()), "#-2147483648");
}

TEST(NagTextTest, TheSixGlyphsBothWays) {
  const char* const expected[] = {"!", "?", "!!", "??", "!?", "?!"};
  for (int code = 1; code <= 6; ++code) {
    EXPECT_STREQ(NagText(code), expected[code - 1]);
    EXPECT_EQ(NagFromText(expected[code - 1]), code);
  }
  for (int code : {0, 7, 14, 146, -1}) EXPECT_STREQ(NagText(code), "") << code;
  for (const char* text : {"", "!!!", "?!?", "+", "$1", "! "}) EXPECT_EQ(NagFromText(text), 0) << text;
}

}  // namespace
