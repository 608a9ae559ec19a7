// Ticker: the console's announcements. Tag lines 0 to 3 of the game, then
// its opening and the comment before its first move, slide one after the
// other from right to left through a 14-character window, empty lines
// skipped. Once all have run, they run again, or one chosen line stays
// pinned, left-aligned, when the announcements are not to scroll forever.
//
// While a ply with a comment or an evaluation is on show, the window shows
// that instead: standing, when it fits, else sliding through again and
// again; then the announcements go on where they were.
#pragma once

#include <cstdint>
#include <string>

class Ticker {
 public:
  static constexpr int kCells = 14;
  // The announcement lines: tag lines 0 to 3, the opening, the comment
  // before the first move.
  static constexpr int kLineCount = 6;
  static constexpr int kOpeningLine = 4;
  static constexpr int kGameCommentLine = 5;
  using TagLine = char[100];

  // pinTicker 1: run once, then pin `pinnedLine` (1 date, 2 event, 3 round,
  // 4 site, else none); bareTagValues 1: the lines are bare values already.
  void Configure(int16_t pinTicker, uint8_t pinnedLine, uint8_t bareTagValues);
  // A new game: its tag lines 0 to 3 (as shown), its opening and its
  // comment before the first move (either may be empty); the window empty,
  // the first line.
  void StartGame(const TagLine* tagLines, const std::string& opening, const std::string& gameComment);
  // The first of the lines that is not empty, from the current one on.
  void SkipEmptyFirstLines();
  // Moves the ticker on by one character.
  void Step();

  // A ply's comment (with its evaluation in front) takes the window; an
  // empty text gives it back to the announcements.
  void ShowComment(const std::string& text);

  // The window's 14 cells (and a terminator).
  const char* text() const { return text_; }
  int16_t line() const { return line_; }
  int16_t position() const { return position_; }
  // True once every announcement line has run through.
  bool done() const { return done_ == 1; }
  // True unless a comment on show has not yet run through once.
  bool commentDone() const { return comment_.empty() || commentRunThrough_; }
  const char* tagLine(int line) const { return lines_[line].c_str(); }

 private:
  // Character j of announcement line `line`, 0 past its end.
  char LineChar(int line, int j) const;
  bool LineEmpty(int line) const { return lines_[line].empty(); }
  // Back to the first non-empty line (none: the window stays blank).
  void StartOver();
  // The line kept on show once all have run.
  void PinLine();
  void StepComment();

  std::string lines_[kLineCount];
  int16_t line_ = 0;
  int16_t position_ = -15;
  int16_t done_ = 0;
  char text_[kCells + 1] = {};
  int16_t pinTicker_ = 0;
  uint8_t pinnedLine_ = 0;
  uint8_t bareTagValues_ = 0;
  // The comment on show, its place in the window and whether it ran through.
  std::string comment_;
  int16_t commentPosition_ = -15;
  bool commentRunThrough_ = false;
};
