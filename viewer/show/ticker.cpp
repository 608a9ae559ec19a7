// The console ticker (see ticker.h).
#include "viewer/show/ticker.h"

#include <cstring>

#include "viewer/chess/tag_values.h"

namespace {

constexpr int16_t kTickerStart = -15;
constexpr int16_t kNoLine = 4;  // past the four ticker lines: the window stays blank

}  // namespace

void Ticker::Configure(int16_t pinTicker, uint8_t pinnedLine, uint8_t bareTagValues) {
  pinTicker_ = pinTicker;
  pinnedLine_ = pinnedLine;
  bareTagValues_ = bareTagValues;
}

void Ticker::StartGame(const Line* tagLines) {
  line_ = 0;
  position_ = kTickerStart;
  done_ = 0;
  std::memset(text_, 0, sizeof text_);
  std::memcpy(lines_, tagLines, sizeof lines_);
}

void Ticker::Step() {
  for (int k = 0; k < kCells; ++k) {
    const int j = position_ + k;
    if (j < 0) {
      text_[k] = ' ';
    } else if (j < static_cast<int>(sizeof(Line))) {
      // The line's terminator and what follows it come through the window too.
      if (line_ >= 0 && line_ <= 3) {
        text_[k] = lines_[line_][j];
      } else if (line_ == kNoLine) {
        text_[0] = 0;
        position_ = 1;
      }
    }
  }
  ++position_;
  if (done_ == 1 && pinTicker_ == 1 && position_ > 0) position_ = 0;
  if (position_ < 0 || text_[0] != 0) return;

  ++line_;
  while (line_ >= 0 && line_ <= 3 && lines_[line_][0] == 0) ++line_;
  if (line_ <= 3) {
    position_ = kTickerStart;
    return;
  }
  position_ = kTickerStart;
  if (pinTicker_ == 0) {
    StartOver();
  } else {
    PinLine();
  }
  done_ = 1;
}

void Ticker::StartOver() {
  line_ = 0;
  while (line_ <= 3 && lines_[line_][0] == 0) ++line_;
}

void Ticker::PinLine() {
  if (pinnedLine_ > 0 && bareTagValues_ != 1) {
    for (Line& line : lines_) KeepQuotedValue(line);
  }
  switch (pinnedLine_) {
    case 1: line_ = 2; break;
    case 2: line_ = 0; break;
    case 3: line_ = 3; break;
    case 4: line_ = 1; break;
    default: line_ = kNoLine; break;
  }
}

void Ticker::SkipEmptyFirstLines() {
  for (int16_t line = 0; line <= 3; ++line) {
    if (line_ == line && lines_[line][0] == 0) line_ = static_cast<int16_t>(line + 1);
  }
}
