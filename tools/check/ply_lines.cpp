// TarnwicketCheck's ply lines (see ply_lines.h).
#include "tools/check/ply_lines.h"

#include <cinttypes>
#include <cstdio>

#include "viewer/chess/clock_text.h"
#include "viewer/chess/ply_timing.h"

namespace {

// No field may hold a tab.
std::string Field(std::string text) {
  for (char& c : text) {
    if (c == '\t') c = ' ';
  }
  return text.empty() ? "-" : text;
}

}  // namespace

std::string PlyLine(int game, int ply, const char* move, const GameNotes& notes) {
  const int count = static_cast<int>(notes.plies.size());
  const PlyNotes empty;
  const PlyNotes& these = ply < count ? notes.plies[static_cast<size_t>(ply)] : empty;
  char clock[24] = "-", spent[24] = "-", evaluation[kNoteTextSize] = "-";
  if (these.clock.known()) std::snprintf(clock, sizeof clock, "%" PRId64, these.clock.ms / 1000);
  const int64_t spentMs = TimeSpent(notes.plies.data(), count, ply, notes.clocks);
  if (spentMs != kNoTime) std::snprintf(spent, sizeof spent, "%" PRId64, spentMs);
  if (these.evaluation.kind != Evaluation::kNone) FormatEvaluation(these.evaluation, evaluation, sizeof evaluation);
  return std::to_string(game) + "\t" + std::to_string(ply + 1) + "\t" + Field(move) + "\t" + clock + "\t" + spent +
         "\t" + evaluation + "\t" + Field(these.comment);
}
