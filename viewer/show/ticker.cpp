// The console ticker (see ticker.h).
#include "viewer/show/ticker.h"

#include <cstring>

#include "viewer/chess/tag_values.h"

namespace {

constexpr int16_t kTickerStart = -15;
// Past the announcement lines: the window stays blank.
constexpr int16_t kNoLine = Ticker::kLineCount;
// Tag lines 0 to 3 are the ones with a tag's name and quoted value.
constexpr int kTagLines = 4;

}  // namespace

void Ticker::Configure(int16_t pinTicker, uint8_t pinnedLine, uint8_t bareTagValues) {
  pinTicker_ = pinTicker;
  pinnedLine_ = pinnedLine;
  bareTagValues_ = bareTagValues;
}

void Ticker::StartGame(const TagLine* tagLines, const std::string& opening, const std::string& gameComment) {
  line_ = 0;
  position_ = kTickerStart;
  done_ = 0;
  std::memset(text_, 0, sizeof text_);
  for (int line = 0; line < kTagLines; ++line) lines_[line].assign(tagLines[line], strnlen(tagLines[line], 99));
  lines_[kOpeningLine] = opening;
  lines_[kGameCommentLine] = gameComment;
  ShowComment("");
}

char Ticker::LineChar(int line, int j) const {
  const std::string& text = lines_[line];
  return j < static_cast<int>(text.size()) ? text[static_cast<size_t>(j)] : '\0';
}

void Ticker::Step() {
  if (!comment_.empty()) {
    StepComment();
    return;
  }
  for (int k = 0; k < kCells; ++k) {
    const int j = position_ + k;
    if (j < 0) {
      text_[k] = ' ';
    } else if (line_ >= 0 && line_ < kLineCount) {
      // The line's end comes through the window as blank cells.
      text_[k] = LineChar(line_, j);
    } else if (line_ == kNoLine) {
      text_[0] = 0;
      position_ = 1;
    }
  }
  ++position_;
  if (done_ == 1 && pinTicker_ == 1 && position_ > 0) position_ = 0;
  if (position_ < 0 || text_[0] != 0) return;

  ++line_;
  while (line_ >= 0 && line_ < kLineCount && LineEmpty(line_)) ++line_;
  if (line_ < kLineCount) {
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
  while (line_ < kLineCount && LineEmpty(line_)) ++line_;
}

void Ticker::PinLine() {
  if (pinnedLine_ > 0 && bareTagValues_ != 1) {
    for (int line = 0; line < kTagLines; ++line) {
      TagLine value = {};
      std::memcpy(value, lines_[line].data(), lines_[line].size());
      KeepQuotedValue(value);
      lines_[line] = value;
    }
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
  for (int16_t line = 0; line < kLineCount; ++line) {
    if (line_ == line && LineEmpty(line)) line_ = static_cast<int16_t>(line + 1);
  }
}

void Ticker::ShowComment(const std::string& text) {
  comment_ = text;
  commentPosition_ = kTickerStart;
  commentRunThrough_ = false;
}

// A comment that fits stands at the left; a longer one slides through from
// the right edge, again and again, as an announcement line does.
void Ticker::StepComment() {
  const int length = static_cast<int>(comment_.size());
  if (length <= kCells) {
    std::memset(text_, 0, sizeof text_);
    std::memcpy(text_, comment_.data(), static_cast<size_t>(length));
    commentRunThrough_ = true;
    return;
  }
  for (int k = 0; k < kCells; ++k) {
    const int j = commentPosition_ + k;
    text_[k] = j < 0 ? ' ' : j < length ? comment_[static_cast<size_t>(j)] : '\0';
  }
  ++commentPosition_;
  if (commentPosition_ > 0 && text_[0] == 0) {
    commentRunThrough_ = true;
    commentPosition_ = kTickerStart;
  }
}
