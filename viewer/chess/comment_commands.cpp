// Reading of one PGN comment: embedded commands out, their values kept,
// white space tidied.
#include "viewer/chess/comment_commands.h"

#include <utility>

#include "viewer/chess/clock_value.h"

namespace {

constexpr int kMaxPawnDigits = 5;   // before the point of [%eval 12.34]
constexpr int kMaxMateDigits = 5;   // of [%eval #12]
constexpr int kMaxDepthDigits = 5;  // of [%eval 0.17,20]
constexpr int kCentipawnDigits = 2;

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsNameChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }
inline bool IsBlank(char c) { return IsBlankByte(static_cast<unsigned char>(c)); }

// Reads 1 to maxDigits digits from text[pos] on; false when there are none
// or more.
bool ReadDigits(std::string_view text, size_t& pos, int maxDigits, int32_t& value) {
  const size_t start = pos;
  value = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    if (static_cast<int>(pos - start) == maxDigits) return false;
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  return pos > start;
}

// An optional '+' or '-' at text[pos]: -1 for '-', else 1.
int ReadSign(std::string_view text, size_t& pos) {
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) return text[pos++] == '-' ? -1 : 1;
  return 1;
}

// "#3", "#-2", "#+1".
bool ReadMate(std::string_view text, Evaluation& out) {
  size_t pos = 1;  // after '#'
  const int sign = ReadSign(text, pos);
  int32_t moves = 0;
  if (!ReadDigits(text, pos, kMaxMateDigits, moves) || pos != text.size()) return false;
  out = {Evaluation::kMate, sign * moves};
  return true;
}

// "0.17", "-1.2", "+3", ".5".
bool ReadPawns(std::string_view text, Evaluation& out) {
  size_t pos = 0;
  const int sign = ReadSign(text, pos);
  int32_t whole = 0;
  const bool hasWhole = ReadDigits(text, pos, kMaxPawnDigits, whole);
  if (!hasWhole && pos < text.size() && IsDigit(text[pos])) return false;  // too many digits
  int32_t hundredths = 0;
  bool hasFraction = false;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    int64_t fraction = 0;
    if (ReadFractionDigits(text, pos, kCentipawnDigits, fraction) == 0) return false;
    hundredths = static_cast<int32_t>(fraction);
    hasFraction = true;
  }
  if ((!hasWhole && !hasFraction) || pos != text.size()) return false;
  out = {Evaluation::kPawns, sign * (whole * 100 + hundredths)};
  return true;
}

// The value of [%eval]: a mate or pawns, then an optional ",depth".
bool ReadEvaluation(std::string_view value, Evaluation& out) {
  const size_t comma = value.find(',');
  if (comma != std::string_view::npos) {
    std::string_view depth = value.substr(comma + 1);
    size_t pos = 0;
    int32_t ignored = 0;
    if (!ReadDigits(depth, pos, kMaxDepthDigits, ignored) || pos != depth.size()) return false;
    value = value.substr(0, comma);
  }
  if (value.empty()) return false;
  return value[0] == '#' ? ReadMate(value, out) : ReadPawns(value, out);
}

// Takes the value of a command named `name` into the reading.
void TakeCommand(std::string_view name, std::string_view value, CommentReading& reading) {
  value = TrimBlanks(value);
  if (name == "clk") {
    const TimeReading clock = ReadClockTime(value);
    if (clock.known()) reading.clock = clock;
  } else if (name == "emt") {
    TimeReading spent = ReadClockTime(value);
    if (!spent.known()) spent = ReadSecondsTime(value);
    if (spent.known()) reading.spent = spent;
  } else if (name == "eval") {
    Evaluation evaluation;
    if (ReadEvaluation(value, evaluation)) reading.evaluation = evaluation;
  }
}

// At comment[pos] == '[': the length of a command starting there (up to
// and including its ']', or to the end of the comment), 0 when no command
// starts there. Takes the command's value when it has one.
size_t ReadCommand(std::string_view comment, size_t pos, CommentReading& reading) {
  if (pos + 2 >= comment.size() || comment[pos + 1] != '%' || !IsLetter(comment[pos + 2])) return 0;
  const size_t nameStart = pos + 2;
  size_t nameEnd = nameStart;
  while (nameEnd < comment.size() && IsNameChar(comment[nameEnd])) ++nameEnd;
  const size_t close = comment.find(']', nameEnd);
  if (close == std::string_view::npos) return comment.size() - pos;  // never closes: no value
  if (nameEnd == close || IsBlank(comment[nameEnd])) {
    TakeCommand(comment.substr(nameStart, nameEnd - nameStart), comment.substr(nameEnd, close - nameEnd), reading);
  }
  return close + 1 - pos;
}

}  // namespace

CommentReading ReadComment(std::string_view comment) {
  CommentReading reading;
  reading.text.reserve(comment.size());
  bool spaceDue = false;  // white space or a command since the last word character
  size_t pos = 0;
  while (pos < comment.size()) {
    const char c = comment[pos];
    if (c == '[') {
      const size_t length = ReadCommand(comment, pos, reading);
      if (length > 0) {
        spaceDue = true;
        pos += length;
        continue;
      }
    }
    if (IsBlank(c)) {
      spaceDue = true;
    } else {
      if (spaceDue && !reading.text.empty()) reading.text += ' ';
      spaceDue = false;
      reading.text += c;
    }
    ++pos;
  }
  return reading;
}

void AddComment(PlyNotes& notes, std::string_view comment) {
  CommentReading reading = ReadComment(comment);
  if (reading.clock.known()) notes.clock = reading.clock;
  if (reading.spent.known()) notes.spent = reading.spent;
  if (reading.evaluation.kind != Evaluation::kNone) notes.evaluation = reading.evaluation;
  if (reading.text.empty()) return;
  if (notes.comment.empty()) {
    notes.comment = std::move(reading.text);
  } else {
    notes.comment += ' ';
    notes.comment += reading.text;
  }
}
