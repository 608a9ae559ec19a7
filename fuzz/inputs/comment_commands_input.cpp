// Bytes of any kind through the comment reader and the clock tag readers:
// as one comment, as the comments of one ply (cut at every '}'), and as
// TimeControl, WhiteClock and BlackClock values; then the console's texts
// and the timing rules over what they read, each piece of the bytes one ply.
//
// Promises: a comment's text has words of the comment's own bytes, in their
// order, with one space between two words and none at the ends, no other
// white space and no command left in it, and reads back as itself; times
// read are unknown or at least 0; a clock or an evaluation shown on the
// console reads back as the value shown; a ply's comments together give the
// texts of each joined by one space and the last value of each command; the
// time spent on a ply is unknown or at least 0, its real-pace pause never
// shorter than the slide, a counting-down clock never above the clock shown.
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_inputs.h"
#include "viewer/chess/clock_text.h"
#include "viewer/chess/comment_commands.h"
#include "viewer/chess/ply_timing.h"
#include "viewer/chess/time_control.h"

namespace {

bool IsCommandStart(std::string_view text, size_t at) {
  return at + 2 < text.size() && text[at] == '[' && text[at + 1] == '%' &&
         ((text[at + 2] >= 'a' && text[at + 2] <= 'z') || (text[at + 2] >= 'A' && text[at + 2] <= 'Z'));
}

// The text's non-space bytes appear in the comment in the same order.
bool WordsComeFromTheComment(std::string_view text, std::string_view comment) {
  size_t from = 0;
  for (char c : text) {
    if (c == ' ') continue;
    const size_t at = comment.find(c, from);
    if (at == std::string_view::npos) return false;
    from = at + 1;
  }
  return true;
}

void RequireTidyText(const std::string& text, std::string_view comment) {
  FUZZ_REQUIRE(text.size() <= comment.size());
  FUZZ_REQUIRE(text.empty() || (text.front() != ' ' && text.back() != ' '));
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    FUZZ_REQUIRE(c == ' ' || !IsBlankByte(c));
    FUZZ_REQUIRE(!(c == ' ' && i + 1 < text.size() && text[i + 1] == ' '));
    FUZZ_REQUIRE(!IsCommandStart(text, i));
  }
  FUZZ_REQUIRE(WordsComeFromTheComment(text, comment));
  const CommentReading again = ReadComment(text);
  FUZZ_REQUIRE(again.text == text);
  FUZZ_REQUIRE(!again.clock.known() && !again.spent.known() && again.evaluation.kind == Evaluation::kNone);
}

void RequireTime(const TimeReading& time) { FUZZ_REQUIRE(time.ms == kNoTime || time.ms >= 0); }

// The console's clock text reads back as the clock, cut to what it shows.
void RequireClockReadsBack(const TimeReading& clock) {
  if (!clock.known()) return;
  for (bool withTenths : {false, true}) {
    char text[kNoteTextSize];
    const int length = FormatClock(clock.ms, withTenths, text, sizeof text);
    FUZZ_REQUIRE(length > 0 && length < static_cast<int>(sizeof text));
    const int64_t shownTo = withTenths && clock.ms < kTenthsBelowMs ? 100 : 1000;
    FUZZ_REQUIRE(ReadClockTime(std::string_view(text, length)).ms == clock.ms / shownTo * shownTo);
  }
}

// The console's evaluation text, written as a command, reads back as the evaluation.
void RequireEvaluationReadsBack(const Evaluation& evaluation) {
  char text[kNoteTextSize];
  const int length = FormatEvaluation(evaluation, text, sizeof text);
  FUZZ_REQUIRE(length >= 0 && length < static_cast<int>(sizeof text));
  if (evaluation.kind == Evaluation::kNone) {
    FUZZ_REQUIRE(length == 0);
    return;
  }
  const Evaluation again = ReadComment("[%eval " + std::string(text, length) + "]").evaluation;
  FUZZ_REQUIRE(again.kind == evaluation.kind && again.value == evaluation.value);
}

CommentReading CheckComment(std::string_view comment) {
  const CommentReading reading = ReadComment(comment);
  RequireTidyText(reading.text, comment);
  RequireTime(reading.clock);
  RequireTime(reading.spent);
  FUZZ_REQUIRE(reading.evaluation.kind <= Evaluation::kMate);
  RequireClockReadsBack(reading.clock);
  RequireEvaluationReadsBack(reading.evaluation);
  return reading;
}

// The bytes cut at every '}', as the comments of one ply would come.
std::vector<std::string_view> Pieces(std::string_view bytes) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (size_t i = 0; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '}') {
      pieces.push_back(bytes.substr(start, i - start));
      start = i + 1;
    }
  }
  return pieces;
}

void CheckOnePly(const std::vector<std::string_view>& pieces) {
  PlyNotes notes;
  std::string joined;
  TimeReading lastClock;
  for (std::string_view piece : pieces) {
    const CommentReading reading = ReadComment(piece);
    AddComment(notes, piece);
    if (!reading.text.empty()) joined += (joined.empty() ? "" : " ") + reading.text;
    if (reading.clock.known()) lastClock = reading.clock;
  }
  FUZZ_REQUIRE(notes.comment == joined);
  FUZZ_REQUIRE(notes.clock.ms == lastClock.ms && notes.clock.fraction == lastClock.fraction);
}

// Plies of a long game; more would only make each input slower (the clocks
// shown are looked for back from each ply).
constexpr size_t kMaxPlies = 300;

void CheckTimings(const std::vector<std::string_view>& pieces, const ClockStart& start) {
  std::vector<PlyNotes> plies(pieces.size() < kMaxPlies ? pieces.size() : kMaxPlies);
  for (size_t k = 0; k < plies.size(); ++k) AddComment(plies[k], pieces[k]);
  const int count = static_cast<int>(plies.size());
  constexpr int64_t kSlideMs = 800;
  constexpr int64_t kUsualPauseMs = 1800;
  for (int k = 0; k < count; ++k) {
    const int64_t spent = TimeSpent(plies.data(), count, k, start);
    FUZZ_REQUIRE(spent == kNoTime || spent >= 0);
    for (int factor : {0, 1, 10, 60}) {
      const int64_t pause = RealPacePause(spent, factor, kSlideMs, kUsualPauseMs);
      FUZZ_REQUIRE(spent == kNoTime ? pause == kUsualPauseMs : pause >= kSlideMs);
    }
    for (ClockSide side : {ClockSide::kWhite, ClockSide::kBlack}) {
      const TimeReading shown = ClockShown(plies.data(), count, k, side, start);
      RequireTime(shown);
      const TimeReading left = CountdownClock(shown, spent == kNoTime ? 0 : spent, 10);
      FUZZ_REQUIRE(left.known() == shown.known());
      FUZZ_REQUIRE(!left.known() || (left.ms >= 0 && left.ms <= shown.ms));
    }
  }
}

}  // namespace

void RunCommentCommandsInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckComment(bytes);
  const std::vector<std::string_view> pieces = Pieces(bytes);
  for (std::string_view piece : pieces) CheckComment(piece);
  CheckOnePly(pieces);

  const TimeControl control = ReadTimeControl(bytes);
  RequireTime(control.start);
  FUZZ_REQUIRE(control.incrementMs >= 0);
  FUZZ_REQUIRE(control.start.known() || control.incrementMs == 0);
  RequireTime(ReadClockTag(bytes));
  const std::string_view first = pieces.front();
  const std::string_view second = pieces.size() > 1 ? pieces[1] : std::string_view();
  const ClockStart start = ReadClockStart(first, second, bytes);
  RequireTime(start.white);
  RequireTime(start.black);
  FUZZ_REQUIRE(start.incrementMs >= 0);
  CheckTimings(pieces, start);
}
