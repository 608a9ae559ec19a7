// GameChecker: one game at a time, played exactly as the viewer plays it.
#include "tools/check/game_checker.h"

#include "tools/check/ply_lines.h"

#include <cstdio>
#include <cstring>

GameChecker::GameChecker() { games_.KeepRecords(false); }

namespace {

// A folder or an unreadable file opens on some systems; read one byte to know.
bool IsReadable(const char* fileName) {
  std::FILE* probe = std::fopen(fileName, "rb");
  if (probe == nullptr) return false;
  std::fgetc(probe);
  const bool readable = std::ferror(probe) == 0;
  std::fclose(probe);
  return readable;
}

}  // namespace

bool GameChecker::Open(const char* fileName) {
  // One pass, no take-backs: only the positions count.
  chess_.SetPresenting(false);
  games_.ReadNotes(false);
  games_.SetFileName(fileName);
  return IsReadable(fileName) && games_.OpenForReading();
}

bool GameChecker::Index(const char* fileName) {
  games_.SetFileName(fileName);
  if (!IsReadable(fileName)) return false;
  try {
    games_.CountGames();
    games_.IndexPlies();
  } catch (const FatalError&) {
    return false;
  }
  return true;
}

void GameChecker::StartGame(int number) {
  games_.SetCurrentGame(static_cast<int16_t>(number));
  games_.LoadGame(static_cast<int16_t>(number - 1));
  chess_.StartGame(games_.gameStart());
}

void GameChecker::FinishGame() {
  if (chess_.pendingApplied() == 0) chess_.ApplyPendingSquares();
}

std::string GameChecker::PlayGame(int number) {
  StartGame(number);
  return PlayLoadedGame();
}

void GameChecker::ShowPlies() {
  chess_.SetPresenting(true);
  games_.ReadNotes(true);
}

std::string GameChecker::PlayLoadedGame(std::string* plyLines) {
  chess_.StartGame(games_.gameStart());
  const int number = games_.currentGame();
  int pliesResolved = 0;
  char line[600];
  try {
    // Every ply lands before the next: AdvancePly applies it first.
    while (chess_.gameState() == ChessState::kPlaying) {
      const PlyOutcome outcome = chess_.AdvancePly(games_.plies());
      if (!outcome.resolved) continue;
      ++pliesResolved;
      if (plyLines != nullptr) *plyLines += PlyLine(number, outcome.plyIndex, outcome.move, games_.notes()) + "\n";
    }
  } catch (const FatalError& error) {
    pliesPlayed += pliesResolved;
    ++errors;
    std::snprintf(line, sizeof line, "%d\tERROR\t%d\t%s", number, pliesResolved + 1, error.text);
    return line;
  }
  pliesPlayed += pliesResolved;
  FinishGame();

  const Board& board = chess_.board();
  char squares[65];
  for (int i = 0; i < 64; ++i) squares[i] = board[i] == kBlankSquare ? '.' : static_cast<char>(board[i]);
  squares[64] = '\0';
  const char* result = chess_.whiteWon() ? "1-0" : chess_.blackWon() ? "0-1" : chess_.drawn() ? "1/2-1/2" : "*";
  std::snprintf(line, sizeof line, "%d\t%d\t%s\t%s", number, pliesResolved, squares, result);
  return line;
}
