// Reading a changed game file again (see live_reading.h).
#include "viewer/show/live_reading.h"

#include <cstring>

#include "viewer/frame/fatal_error.h"

ShownGame RememberShownGame(const GameIndex& games, int pliesShown) {
  ShownGame shown;
  shown.game = static_cast<int16_t>(games.currentGame() - 1);
  for (int line = 0; line < GameIndex::kHeaderLineCount; ++line) {
    shown.headerLines.emplace_back(games.headerLine(line), strnlen(games.headerLine(line), 100));
  }
  const std::vector<PlySlot>& slots = games.plies().plyList;
  for (int ply = 0; ply < pliesShown && ply < static_cast<int>(slots.size()); ++ply) {
    shown.plies.emplace_back(slots[static_cast<size_t>(ply)].text, strnlen(slots[static_cast<size_t>(ply)].text, 100));
  }
  return shown;
}

namespace {

// The Result tag changes when a live game ends: its line says nothing of
// which game it is.
bool IsResultLine(const std::string& line) {
  return line.rfind("Result", 0) == 0 || ChessState::IsResultToken(line.c_str());
}

bool StillShown(const GameIndex& games, const ShownGame& shown) {
  for (int line = 0; line < GameIndex::kHeaderLineCount; ++line) {
    const std::string& before = shown.headerLines[static_cast<size_t>(line)];
    const char* now = games.headerLine(line);
    if (before != now && !(IsResultLine(before) && IsResultLine(now))) return false;
  }
  const PlyLists& plies = games.plies();
  if (static_cast<int>(shown.plies.size()) > plies.loadedPlies) return false;
  for (size_t ply = 0; ply < shown.plies.size(); ++ply) {
    if (shown.plies[ply] != plies.plyList[ply].text) return false;
  }
  return true;
}

}  // namespace

Reread RereadGameFile(GameIndex& games, const ShownGame& shown, bool settledOnly) {
  games.ReadSettledTextOnly(settledOnly);
  try {
    games.CountGames();
  } catch (const FatalError&) {
    return Reread::kUnreadable;
  }
  games.IndexPlies();
  if (shown.game < 0 || shown.game > games.lastGameIndex()) return Reread::kReplaced;
  games.SetCurrentGame(static_cast<int16_t>(shown.game + 1));
  games.ReloadGame(shown.game);
  return StillShown(games, shown) ? Reread::kContinues : Reread::kReplaced;
}

int FindGrownGame(const std::vector<int16_t>& known, const std::vector<int16_t>& counts, int current) {
  const int games = static_cast<int>(counts.size());
  for (int step = 1; step < games; ++step) {
    const int game = (current + step) % games;
    // A new game holds its result slot at least: one more is a ply.
    const int16_t before = game < static_cast<int>(known.size()) ? known[static_cast<size_t>(game)] : 1;
    if (counts[static_cast<size_t>(game)] > before) return game;
  }
  return -1;
}
