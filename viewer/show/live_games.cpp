// Live games: the viewer watches its game file (or fetches its broadcast
// address into a copy it watches) and reads it again when it changes. The
// game on show goes on with the plies that came; new games join the count;
// a file replaced by another shows its games from the next game on. With
// "Follow live games" on, a game without a result waits at its last known
// ply while the file keeps changing, and a game of the round that gained
// plies meanwhile is shown in its place.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "common/frame_geometry.h"
#include "viewer/frame/evidence_log.h"
#include "viewer/frame/fatal_error.h"
#include "viewer/show/broadcast_address.h"
#include "viewer/show/live_reading.h"
#include "viewer/show/viewer_app.h"

namespace {

// The program's name in its broadcast copies' names.
constexpr char kCacheProgram[] = "Tarnwicket";

// How long a file may stand still before its unsettled end counts as written.
constexpr DWORD kSettleMs = 3000;

// Milliseconds since the file was last written, by the system's clock; a
// file written in the future or not there counts as written long ago.
int64_t MillisecondsSinceWritten(const char* path) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return LiveState::kChangingMs;
  const auto age = std::filesystem::file_time_type::clock::now() - written;
  const int64_t ms = std::chrono::duration_cast<std::chrono::milliseconds>(age).count();
  return ms < 0 ? LiveState::kChangingMs : ms;
}

}  // namespace

void ViewerApp::OpenLiveSource(const char* fileName) {
  if (!IsBroadcastAddress(fileName)) {
    games_.SetFileName(fileName);
    return;
  }
  BroadcastAddress address;
  std::string failure;
  if (!ParseBroadcastAddress(fileName, &address, &failure)) throw FatalError(failure.c_str());
  broadcast_ = std::make_unique<BroadcastSource>(address, BroadcastCacheName(kCacheProgram, address.text));
  if (!broadcast_->FetchFirstCopy(GetTickCount())) throw FatalError(broadcast_->FailureText().c_str());
  games_.SetFileName(broadcast_->CacheFileName().c_str());
}

void ViewerApp::StartWatching() {
  const DWORD now = GetTickCount();
  watch_ = std::make_unique<FileWatch>(games_.pgnFileName(), now);
  live_.knownPlies = games_.plyCounts();
  // A broadcast, or a file written lately, is changing from the start.
  const int64_t age = broadcast_ != nullptr ? 0 : MillisecondsSinceWritten(games_.pgnFileName());
  if (age < LiveState::kChangingMs) {
    live_.changed = true;
    live_.lastChangeMs = now - static_cast<DWORD>(age);
  }
}

void ViewerApp::StepLiveFile() {
  if (watch_ == nullptr) return;
  const DWORD now = GetTickCount();
  bool changed = false;
  if (broadcast_ != nullptr) changed = broadcast_->Poll(now) == BroadcastPoll::kNewCopy;
  const FileChange change = watch_->Poll(now);
  changed = changed || (change != FileChange::kNone && change != FileChange::kGone);
  if (changed) {
    live_.changed = true;
    live_.lastChangeMs = now;
    ReadChangedFile(true);
  } else if (games_.LeftOutUnsettledEnd() && watch_->StillFor(now, kSettleMs)) {
    // The writer has stopped: what it left at the end is all there is.
    ReadChangedFile(false);
  }
}

bool ViewerApp::LiveFileChanging() const {
  return live_.changed && GetTickCount() - live_.lastChangeMs < LiveState::kChangingMs;
}

void ViewerApp::ReadChangedFile(bool settledOnly) {
  const int16_t gamesBefore = static_cast<int16_t>(games_.lastGameIndex() + 1);
  const ShownGame shown = RememberShownGame(games_, chess_.PliesShown());
  const Reread reread = RereadGameFile(games_, shown, settledOnly);
  if (reread == Reread::kUnreadable) return;
  const int16_t games = static_cast<int16_t>(games_.lastGameIndex() + 1);
  if (games != gamesBefore) NoteEvidence("games", games);
  if (reread == Reread::kReplaced) {
    NoteEvidence("replaced");
    live_.knownPlies = games_.plyCounts();
    NewGame(0);
    return;
  }
  // New games are not known yet; the game on show is known as it plays.
  live_.knownPlies.resize(games_.plyCounts().size(), 1);
  live_.knownPlies[static_cast<size_t>(shown.game)] = games_.plyCounts()[static_cast<size_t>(shown.game)];
  const bool hadClocks = clocks_.shown;
  RefreshGameNotes();
  if (games != gamesBefore || hadClocks != clocks_.shown) RedrawNamesAndNumbers();
  // The move a live game waited for is played as soon as it is there (in
  // real pace, when its time has come).
  if (live_.waiting && play_.paused == 0 && options_.realPace != 1 && !LiveGameWaits()) AdvancePly();
}

bool ViewerApp::LiveGameWaits() {
  live_.waiting = false;
  if (options_.followLiveGames != 1 || !LiveFileChanging()) return false;
  const PlyLists& plies = games_.plies();
  const int next = chess_.PliesShown();
  if (next < plies.loadedPlies - 1) return false;
  char text[100];
  plies.FetchText(next, text);
  if (std::strcmp(text, "*") != 0) return false;
  // At the last known ply of a game without a result: another game of the
  // round may have moved meanwhile.
  const int grown = FindGrownGame(live_.knownPlies, games_.plyCounts(), games_.currentGame() - 1);
  if (grown >= 0) {
    ShowLiveGame(static_cast<int16_t>(grown));
    return false;
  }
  live_.waiting = true;
  return true;
}

void ViewerApp::ShowLiveGame(int16_t game) {
  NoteEvidence("follow", game + 1);
  const int16_t knownSlots = game < static_cast<int16_t>(live_.knownPlies.size())
                                 ? live_.knownPlies[static_cast<size_t>(game)]
                                 : static_cast<int16_t>(1);
  RestartScene();
  games_.SetCurrentGame(static_cast<int16_t>(game + 1));
  games_.ReloadGame(game);
  TakeShownHeaders();
  StartGameNotes();
  chess_.StartGame(games_.gameStart());
  live_.knownPlies[static_cast<size_t>(game)] = games_.plyCounts()[static_cast<size_t>(game)];
  // The scene as the last game started, without its trays, with this
  // game's names.
  Blit(surfaces_.backgroundCopy, 0, 0, frame_geometry::kFrameWidth, frame_geometry::kFrameHeight,
       surfaces_.sceneBackground, 0, 0, 0, 0);
  DrawNamesAndNumbers(surfaces_.sceneBackground);
  DrawNamesAndNumbers(surfaces_.backgroundCopy);
  // What was shown before, and what came while the game was away but its
  // newest ply, stands at once; the newest ply slides.
  const int moves = games_.plies().loadedPlies - 1;
  const int standing = moves - 1 > knownSlots - 1 ? moves - 1 : knownSlots - 1;
  const int quiet = standing < 0 ? 0 : (standing > moves ? moves : standing);
  DrawTrays(chess_.PlayQuietlyTo(games_.plies(), quiet));
  scene_.lampSide = chess_.sideToMove() == ChessState::kWhite ? 1 : 0;
  RebuildPieceLayer();
  ShowClocksAfter(quiet);
  ShowPlyComment(quiet - 1);
  // The ply comes at the next tick, without the game's announcements first.
  play_.holdForTicker = 0;
  play_.endWaitCount = 0;
  play_.plyWaitCount = options_.openingWait;
  pace_ = PaceState();
}

void ViewerApp::RedrawNamesAndNumbers() {
  DrawNamesAndNumbers(surfaces_.sceneBackground);
  DrawNamesAndNumbers(surfaces_.backgroundCopy);
}
