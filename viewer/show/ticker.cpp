// The console ticker: tag lines 0 to 3 of the game slide one after the
// other from right to left through a 14-character window, empty lines
// skipped. Once all have run, they run again, or one chosen line stays
// pinned, left-aligned, when the announcements are not to scroll forever.
#include <cstring>

#include "viewer/show/viewer_app.h"

namespace {

constexpr int16_t kTickerStart = -15;
constexpr int16_t kNoLine = 4;  // past the four ticker lines: the window stays blank

// Keeps only the text between the first two double quotes of a tag line
// (its value), as the header reading does for the players' names.
void ReduceToQuotedValue(char* line) {
  char value[100] = {};
  const char* open = static_cast<const char*>(std::memchr(line, '"', strnlen(line, 98)));
  if (open == nullptr) return;
  int length = 0;
  for (const char* p = open + 1; *p != 0 && *p != '"' && p < line + 98; ++p) value[length++] = *p;
  std::memcpy(line, value, sizeof value);
}

}  // namespace

void ViewerApp::TickerStep() {
  for (int k = 0; k < kTickerCells; ++k) {
    const int j = tickerPos + k;
    if (j < 0) {
      tickerText[k] = ' ';
    } else if (j < 100) {
      if (tickerLine >= 0 && tickerLine <= 3) {
        tickerText[k] = headerLines[tickerLine][j];
      } else if (tickerLine == kNoLine) {
        tickerText[0] = 0;
        tickerPos = 1;
      }
    }
  }
  ++tickerPos;
  if (tickerDone == 1 && pinTicker == 1 && tickerPos > 0) tickerPos = 0;
  if (tickerPos < 0 || tickerText[0] != 0) return;

  ++tickerLine;
  while (tickerLine >= 0 && tickerLine <= 3 && headerLines[tickerLine][0] == 0) ++tickerLine;
  if (tickerLine <= 3) {
    tickerPos = kTickerStart;
    return;
  }
  tickerPos = kTickerStart;
  if (pinTicker == 0) {
    StartTickerOver();
  } else {
    PinTickerLine();
  }
  tickerDone = 1;
}

// Back to the first non-empty line of 0 to 3 (none: the window stays blank).
void ViewerApp::StartTickerOver() {
  tickerLine = 0;
  while (tickerLine <= 3 && headerLines[tickerLine][0] == 0) ++tickerLine;
}

// The line kept on show: 1 date, 2 event, 3 round, 4 site, else none.
void ViewerApp::PinTickerLine() {
  if (pinnedLine > 0 && bareTagValues != 1) {
    for (int line = 0; line <= 3; ++line) ReduceToQuotedValue(headerLines[line]);
  }
  switch (pinnedLine) {
    case 1: tickerLine = 2; break;
    case 2: tickerLine = 0; break;
    case 3: tickerLine = 3; break;
    case 4: tickerLine = 1; break;
    default: tickerLine = kNoLine; break;
  }
}

// A new game's ticker starts at the first of lines 0 to 3 that is not empty.
void ViewerApp::SkipEmptyFirstTickerLines() {
  for (int16_t line = 0; line <= 3; ++line) {
    if (tickerLine == line && headerLines[line][0] == 0) tickerLine = static_cast<int16_t>(line + 1);
  }
}
