// The console's texts for a game's notes (see notes_shown.h).
#include "viewer/show/notes_shown.h"

#include "viewer/chess/clock_text.h"
#include "viewer/show/text_encoding.h"

std::string CommentLine(const PlyNotes& notes) {
  char evaluation[kNoteTextSize] = "";
  FormatEvaluation(notes.evaluation, evaluation, sizeof evaluation);
  std::string line = evaluation;
  if (!notes.comment.empty()) line += (line.empty() ? "" : " ") + notes.comment;
  return ShownText(line);
}

std::string NameWithRating(const char* name, const std::string& rating) {
  std::string shown = name;
  // A rating of "?" or "-" is no rating.
  if (!rating.empty() && rating != "?" && rating != "-") shown += (shown.empty() ? "" : " ") + ShownText(rating);
  return shown;
}

std::string ClockCells(const TimeReading& clock, bool withTenths) {
  if (!clock.known()) return std::string();
  char text[kNoteTextSize];
  const int length = FormatClock(clock.ms, withTenths, text, sizeof text);
  std::string cells(kClockCells > length ? static_cast<size_t>(kClockCells - length) : 0, ' ');
  return cells + text;
}
