// What the console shows of a game's notes: the players' ratings beside
// their names, their clocks at the right of the name fields, each ply's
// comment and evaluation in the ticker; and the evidence line of each ply
// shown, with the time and those texts.
#include <cstdio>
#include <string>

#include "common/frame_geometry.h"
#include "viewer/chess/ply_timing.h"
#include "viewer/frame/evidence_log.h"
#include "viewer/show/art_choice.h"
#include "viewer/show/notes_shown.h"
#include "viewer/show/text_encoding.h"
#include "viewer/show/viewer_app.h"

using namespace frame_geometry;

namespace {

// A clock text without its leading blanks, "-" for none.
std::string EvidenceClock(const std::string& cells) {
  const size_t first = cells.find_first_not_of(' ');
  return first == std::string::npos ? "-" : cells.substr(first);
}

}  // namespace

const PlyNotes* ViewerApp::NotesOfPly(int ply) const {
  const std::vector<PlyNotes>& plies = games_.notes().plies;
  return ply >= 0 && ply < static_cast<int>(plies.size()) ? &plies[static_cast<size_t>(ply)] : nullptr;
}

void ViewerApp::RefreshGameNotes() {
  const GameNotes& notes = games_.notes();
  const int count = static_cast<int>(notes.plies.size());
  clocks_.shown = GameHasClocks(notes.plies.data(), count);
  clocks_.tenths = GameHasTenths(notes.plies.data(), count);
}

void ViewerApp::StartGameNotes() {
  const GameNotes& notes = games_.notes();
  RefreshGameNotes();
  clocks_.plies = 0;
  pace_ = PaceState();
  ticker_.StartGame(shownHeaders_, ShownText(notes.opening),
                    options_.showComments == 1 ? CommentLine(notes.beforeFirstMove) : std::string());
}

void ViewerApp::ShowPlyComment(int ply) {
  const PlyNotes* notes = NotesOfPly(ply);
  ticker_.ShowComment(options_.showComments == 1 && notes != nullptr ? CommentLine(*notes) : std::string());
}

void ViewerApp::ShowClocksAfter(int plies) {
  clocks_.plies = static_cast<int16_t>(plies);
  StartClockRunning();
}

NameFields ViewerApp::CurrentNameFields() const {
  const bool framed = ConsoleStyleHasOverlay(art_.consoleStyle);
  return {framed ? kFramedWhiteNameField : kWhiteNameField, framed ? kFramedBlackNameField : kBlackNameField};
}

std::string ViewerApp::ClockText(ClockSide side) const {
  if (!clocks_.shown) return std::string();
  const GameNotes& notes = games_.notes();
  TimeReading clock =
      ClockShown(notes.plies.data(), static_cast<int>(notes.plies.size()), clocks_.plies, side, notes.clocks);
  if (MoverOf(clocks_.plies, notes.clocks.firstMover) == side && chess_.gameState() == ChessState::kPlaying) {
    clock = RunningClock(clock);
  }
  return ClockCells(clock, clocks_.tenths);
}

void ViewerApp::DrawPlayerNames(LPDIRECTDRAWSURFACE target) {
  const NameFields fields = CurrentNameFields();
  const GameNotes& notes = games_.notes();
  const int16_t cells = static_cast<int16_t>(fields.white.cells - (clocks_.shown ? kClockCells : 0));
  DrawText(NameWithRating(shownHeaders_[5], notes.blackElo).c_str(), cells, fields.black.x, fields.black.y, target);
  DrawText(NameWithRating(shownHeaders_[4], notes.whiteElo).c_str(), cells, fields.white.x, fields.white.y, target);
}

void ViewerApp::DrawClocks(LPDIRECTDRAWSURFACE target) {
  if (!clocks_.shown) return;
  const NameFields fields = CurrentNameFields();
  const int16_t offset = static_cast<int16_t>((fields.white.cells - kClockCells) * kGlyphWidth);
  DrawText(ClockText(ClockSide::kWhite).c_str(), kClockCells, static_cast<int16_t>(fields.white.x + offset),
           fields.white.y, target);
  DrawText(ClockText(ClockSide::kBlack).c_str(), kClockCells, static_cast<int16_t>(fields.black.x + offset),
           fields.black.y, target);
}

void ViewerApp::NoteShownPly(const PlyOutcome& outcome) {
  if (!EvidenceLogEnabled()) return;
  const GameNotes& notes = games_.notes();
  const int count = static_cast<int>(notes.plies.size());
  const int after = outcome.plyIndex + 1;
  const std::string white =
      ClockCells(ClockShown(notes.plies.data(), count, after, ClockSide::kWhite, notes.clocks), clocks_.tenths);
  const std::string black =
      ClockCells(ClockShown(notes.plies.data(), count, after, ClockSide::kBlack, notes.clocks), clocks_.tenths);
  const PlyNotes* ply = NotesOfPly(outcome.plyIndex);
  std::string comment = options_.showComments == 1 && ply != nullptr ? CommentLine(*ply) : std::string();
  if (comment.empty()) comment = "-";
  char line[128];
  std::snprintf(line, sizeof line, "%d %d %s %lu %s %s ", games_.currentGame(), after, outcome.move,
                static_cast<unsigned long>(GetTickCount()), clocks_.shown ? EvidenceClock(white).c_str() : "-",
                clocks_.shown ? EvidenceClock(black).c_str() : "-");
  NoteEvidence("ply", (line + comment).c_str());
}
