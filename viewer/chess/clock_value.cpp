// Reading of clock readings and second counts into milliseconds.
#include "viewer/chess/clock_value.h"

namespace {

constexpr int kMaxLeadingDigits = 5;  // hours of H:MM:SS, minutes of M:SS
constexpr int kMaxSecondsDigits = 9;  // a plain count of seconds
constexpr int kFractionDigitsKept = 3;

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of 1 to maxDigits digits at text[pos]; false when there is
// none or it is longer.
bool ReadNumber(std::string_view text, size_t& pos, int maxDigits, int64_t& value) {
  const size_t start = pos;
  value = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    if (static_cast<int>(pos - start) == maxDigits) return false;
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return pos > start;
}

// Reads exactly two digits of 00 to 59 at text[pos].
bool ReadSixtieth(std::string_view text, size_t& pos, int64_t& value) {
  if (pos + 2 > text.size() || !IsDigit(text[pos]) || !IsDigit(text[pos + 1])) return false;
  value = (text[pos] - '0') * 10 + (text[pos + 1] - '0');
  pos += 2;
  return value < 60;
}

// Reads an optional fraction of a second at text[pos] (a '.' and at least
// one digit) into milliseconds. False when a '.' has no digit after it.
bool ReadFraction(std::string_view text, size_t& pos, int64_t& ms, bool& present) {
  ms = 0;
  present = false;
  if (pos == text.size() || text[pos] != '.') return true;
  ++pos;
  present = ReadFractionDigits(text, pos, kFractionDigitsKept, ms) > 0;
  return present;
}

}  // namespace

TimeReading ReadClockTime(std::string_view text) {
  size_t pos = 0;
  int64_t first = 0;
  if (!ReadNumber(text, pos, kMaxLeadingDigits, first)) return {};
  if (pos == text.size() || text[pos] != ':') return {};
  ++pos;
  int64_t second = 0;
  if (!ReadSixtieth(text, pos, second)) return {};
  int64_t seconds = 0;
  if (pos < text.size() && text[pos] == ':') {
    // H:MM:SS
    ++pos;
    int64_t third = 0;
    if (!ReadSixtieth(text, pos, third)) return {};
    seconds = first * 3600 + second * 60 + third;
  } else {
    // M:SS
    seconds = first * 60 + second;
  }
  int64_t fractionMs = 0;
  bool fraction = false;
  if (!ReadFraction(text, pos, fractionMs, fraction) || pos != text.size()) return {};
  return {seconds * 1000 + fractionMs, fraction};
}

TimeReading ReadSecondsTime(std::string_view text) {
  size_t pos = 0;
  int64_t seconds = 0;
  if (!ReadNumber(text, pos, kMaxSecondsDigits, seconds)) return {};
  int64_t fractionMs = 0;
  bool fraction = false;
  if (!ReadFraction(text, pos, fractionMs, fraction) || pos != text.size()) return {};
  return {seconds * 1000 + fractionMs, fraction};
}

std::string_view TrimBlanks(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlankByte(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && IsBlankByte(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

int ReadFractionDigits(std::string_view text, size_t& pos, int kept, int64_t& value) {
  value = 0;
  int digits = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits) {
    if (digits < kept) value = value * 10 + (text[pos] - '0');
  }
  for (int missing = digits; missing < kept; ++missing) value *= 10;
  return digits;
}
