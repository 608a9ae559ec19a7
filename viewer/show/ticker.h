// Ticker: the console's announcements. Tag lines 0 to 3 of the game slide
// one after the other from right to left through a 14-character window,
// empty lines skipped. Once all have run, they run again, or one chosen line
// stays pinned, left-aligned, when the announcements are not to scroll
// forever.
#pragma once

#include <cstdint>

class Ticker {
 public:
  static constexpr int kCells = 14;
  static constexpr int kLineCount = 4;
  using Line = char[100];

  // pinTicker 1: run once, then pin `pinnedLine` (1 date, 2 event, 3 round,
  // 4 site, else none); bareTagValues 1: the lines are bare values already.
  void Configure(int16_t pinTicker, uint8_t pinnedLine, uint8_t bareTagValues);
  // A new game: its tag lines 0 to 3 (as shown), the window empty, the first line.
  void StartGame(const Line* tagLines);
  // The first of the lines that is not empty, from the current one on.
  void SkipEmptyFirstLines();
  // Moves the ticker on by one character.
  void Step();

  // The window's 14 cells (and a terminator).
  const char* text() const { return text_; }
  int16_t line() const { return line_; }
  int16_t position() const { return position_; }
  // True once every line has run through.
  bool done() const { return done_ == 1; }
  const Line& tagLine(int line) const { return lines_[line]; }

 private:
  // Back to the first non-empty line of 0 to 3 (none: the window stays blank).
  void StartOver();
  // The line kept on show once all have run.
  void PinLine();

  Line lines_[kLineCount] = {};
  int16_t line_ = 0;
  int16_t position_ = -15;
  int16_t done_ = 0;
  char text_[kCells + 1] = {};
  int16_t pinTicker_ = 0;
  uint8_t pinnedLine_ = 0;
  uint8_t bareTagValues_ = 0;
};
