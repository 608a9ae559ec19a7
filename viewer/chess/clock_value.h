// Times as game files write them: a clock reading "1:59:58", "2:58" or
// "0:09:58.2", or a count of seconds "0.783", read into milliseconds.
//
// The readers take exactly the characters they are given (no terminating
// zero is needed and none is looked for) and accept nothing else: a text
// that is not wholly one of the forms below reads as no time.
#pragma once

#include <cstdint>
#include <string_view>

// A time of a game file that is absent or could not be read.
constexpr int64_t kNoTime = -1;

// One time read from a game file.
struct TimeReading {
  int64_t ms = kNoTime;   // milliseconds, kNoTime when absent
  bool fraction = false;  // written with a fraction of a second ("0:09:58.2")

  bool known() const { return ms != kNoTime; }
};

// A clock reading: H:MM:SS or M:SS, either with a fraction of a second.
// H and M are 1 to 5 digits, MM and SS exactly two digits of 00 to 59; the
// fraction is a '.' and at least one digit, of which the first three count
// (0:09:58.2 is 598200 ms, 0:00:01.23456 is 1234 ms).
TimeReading ReadClockTime(std::string_view text);

// A count of seconds: 1 to 9 digits, with a fraction as above ("0.783",
// "12").
TimeReading ReadSecondsTime(std::string_view text);

// Reads the digits of a decimal fraction at text[pos] (what follows its
// '.'), keeping the first `kept` of them: "25" with 3 kept gives 250, with
// 1 kept 2. Returns how many digits there were; pos moves past them all.
int ReadFractionDigits(std::string_view text, size_t& pos, int kept, int64_t& value);

// The text without the white space (spaces, tabs, line ends and other
// control characters) at its two ends.
std::string_view TrimBlanks(std::string_view text);

// Spaces, tabs, line ends and every other control character count as
// white space in comments and tag values.
inline bool IsBlankByte(unsigned char c) { return c <= 0x20 || c == 0x7F; }
