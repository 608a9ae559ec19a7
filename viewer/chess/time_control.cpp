// Reading of the TimeControl, WhiteClock and BlackClock tags.
#include "viewer/chess/time_control.h"

TimeControl ReadTimeControl(std::string_view value) {
  value = TrimBlanks(value);
  const size_t plus = value.find('+');
  const TimeReading start = ReadSecondsTime(value.substr(0, plus));
  if (!start.known()) return {};
  TimeControl control;
  if (plus != std::string_view::npos) {
    const TimeReading increment = ReadSecondsTime(value.substr(plus + 1));
    if (!increment.known()) return {};
    control.incrementMs = increment.ms;
  }
  control.start = start;
  return control;
}

TimeReading ReadClockTag(std::string_view value) { return ReadClockTime(TrimBlanks(value)); }

ClockStart ReadClockStart(std::string_view timeControl, std::string_view whiteClock, std::string_view blackClock) {
  const TimeControl control = ReadTimeControl(timeControl);
  ClockStart start;
  start.incrementMs = control.incrementMs;
  start.white = ReadClockTag(whiteClock);
  if (!start.white.known()) start.white = control.start;
  start.black = ReadClockTag(blackClock);
  if (!start.black.known()) start.black = control.start;
  return start;
}
