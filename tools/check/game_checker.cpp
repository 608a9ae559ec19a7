// GameChecker: one game at a time, played exactly as the viewer plays it.
#include "tools/check/game_checker.h"

#include <cstdio>
#include <cstring>

GameChecker::GameChecker() { keepRecords = false; }

bool GameChecker::Index(const char* fileName) {
  std::snprintf(pgnFileName, sizeof pgnFileName, "%s", fileName);
  // A folder or an unreadable file opens on some systems; read one byte to know.
  std::FILE* probe = std::fopen(fileName, "rb");
  if (probe == nullptr) return false;
  std::fgetc(probe);
  const bool readable = std::ferror(probe) == 0;
  std::fclose(probe);
  if (!readable) return false;
  try {
    CountGames();
    IndexPlies();
  } catch (const FatalError&) {
    return false;
  }
  return true;
}

std::string GameChecker::PlayGame(int number) {
  currentGame = static_cast<int16_t>(number);
  LoadGame(static_cast<int16_t>(number - 1));
  RestartBoard();
  pendingApplied = 0;
  pliesResolved_ = 0;
  char line[600];
  try {
    // Every ply lands before the next: AdvancePly applies it first.
    while (gameState == kPlaying) AdvancePly();
  } catch (const FatalError& error) {
    pliesPlayed += pliesResolved_;
    ++errors;
    std::snprintf(line, sizeof line, "%d\tERROR\t%d\t%s", number, pliesResolved_ + 1, error.text);
    return line;
  }
  pliesPlayed += pliesResolved_;
  if (pendingApplied == 0) ApplyPendingSquares();

  char squares[65];
  for (int i = 0; i < 64; ++i) squares[i] = board[i] == kBlankSquare ? '.' : static_cast<char>(board[i]);
  squares[64] = '\0';
  const char* result = whiteWon ? "1-0" : blackWon ? "0-1" : drawn ? "1/2-1/2" : "*";
  std::snprintf(line, sizeof line, "%d\t%d\t%s\t%s", number, pliesResolved_, squares, result);
  return line;
}
