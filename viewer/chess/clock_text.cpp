// The console's texts for clocks, evaluations and annotation glyphs.
#include "viewer/chess/clock_text.h"

#include <cinttypes>
#include <cstdio>

namespace {

constexpr int64_t kMsPerHour = 3600000;

// The texts of the glyphs $1 to $6, in order.
const char* const kNagTexts[] = {"!", "?", "!!", "??", "!?", "?!"};
static_assert(sizeof kNagTexts / sizeof kNagTexts[0] == kLastShownNag - kFirstShownNag + 1,
              "one text for every glyph shown");

// snprintf's result as the length written into a buffer of `size`.
int WrittenLength(int wanted, size_t size) {
  if (wanted < 0 || size == 0) return 0;
  return static_cast<size_t>(wanted) < size ? wanted : static_cast<int>(size - 1);
}

}  // namespace

int FormatClock(int64_t ms, bool withTenths, char* out, size_t size) {
  if (ms < 0) ms = 0;
  const int64_t seconds = ms / 1000;
  int wanted = 0;
  if (ms >= kMsPerHour) {
    wanted = std::snprintf(out, size, "%" PRId64 ":%02d:%02d", seconds / 3600, static_cast<int>(seconds / 60 % 60),
                           static_cast<int>(seconds % 60));
  } else if (withTenths && ms < kTenthsBelowMs) {
    wanted = std::snprintf(out, size, "0:%02d.%d", static_cast<int>(seconds), static_cast<int>(ms / 100 % 10));
  } else {
    wanted = std::snprintf(out, size, "%d:%02d", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60));
  }
  return WrittenLength(wanted, size);
}

int FormatEvaluation(const Evaluation& evaluation, char* out, size_t size) {
  int wanted = 0;
  const int64_t value = evaluation.value;  // wide enough to negate any value
  switch (evaluation.kind) {
    case Evaluation::kMate: wanted = std::snprintf(out, size, "#%" PRId64, value); break;
    case Evaluation::kPawns: {
      const int64_t magnitude = value < 0 ? -value : value;
      const char* sign = value > 0 ? "+" : value < 0 ? "-" : "";
      wanted = std::snprintf(out, size, "%s%" PRId64 ".%02d", sign, magnitude / 100, static_cast<int>(magnitude % 100));
      break;
    }
    case Evaluation::kNone: wanted = std::snprintf(out, size, "%s", ""); break;
  }
  return WrittenLength(wanted, size);
}

const char* NagText(int code) {
  if (code < kFirstShownNag || code > kLastShownNag) return "";
  return kNagTexts[code - kFirstShownNag];
}

int NagFromText(std::string_view text) {
  for (int code = kFirstShownNag; code <= kLastShownNag; ++code) {
    if (text == kNagTexts[code - kFirstShownNag]) return code;
  }
  return 0;
}
