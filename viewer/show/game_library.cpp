// GamePlay's game library: counting and indexing the games of the file,
// and loading one of them.
#include <algorithm>
#include <cstring>

#include "viewer/show/game_play.h"

GamePlay::GamePlay() {
  std::strcpy(pgnFileName, "Tarnwicket.pgn");
  std::memset(headerLines, 0, sizeof headerLines);
}

GamePlay::~GamePlay() = default;

int16_t GamePlay::CountGames() {
  if (!gameFile.Open(pgnFileName)) throw FatalError("can't find Tarnwicket.PGN");
  gameStarts_.clear();
  plyCounts.clear();
  endOfFile = 0;
  gameFile.SkipFiller();  // a preamble before the first game
  int games = 0;
  // A file of nothing but white space, comments and move numbers holds no
  // game at all: neither a tag nor a move nor a result.
  bool anyGame = false;
  for (;;) {
    gameStarts_.push_back(gameFile.Tell());
    if (gameFile.ReadTagSection(nullptr, 0) > 0) anyGame = true;
    gameState = kPlaying;
    int16_t plies = 0;
    bool last = false;
    while (!last) {
      if (gameFile.ReadPlyToken(plyText) == PgnReader::TokenEnd::kToken) {
        anyGame = true;
      } else {
        std::strcpy(plyText, "*");
      }
      if (plies < INT16_MAX) ++plies;
      // Only a result changes what counting needs (the game's end, the end
      // of the file); the marks of other plies matter at play time.
      last = IsResultToken(plyText);
      if (last) NormalisePlyText(kReadingMode);
    }
    plyCounts.push_back(plies);
    ++games;
    if (endOfFile != 0 || games == kMaxGames) break;
  }
  endOfFile = 0;
  if (!anyGame) throw FatalError::Format("No game in %s", pgnFileName);
  lastGameIndex = static_cast<int16_t>(games - 1);
  return lastGameIndex;
}

void GamePlay::IndexPlies() {
  if (plyCounts.empty()) CountGames();
  maxPlies = std::max<int16_t>(1, *std::max_element(plyCounts.begin(), plyCounts.end()));
  PlySlot empty;
  std::memset(empty.text, 0, sizeof empty.text);
  plyList.assign(maxPlies, empty);
  plyDisplayList.assign(maxPlies, empty);
  loadedPlies = 0;
}

void GamePlay::LoadGame(int16_t g) {
  if (g > lastGameIndex || g < 0) g = 0;
  if (!gameFile.IsOpen() || static_cast<size_t>(g) >= gameStarts_.size() || !gameFile.Seek(gameStarts_[g])) {
    throw FatalError("can't find Tarnwicket.PGN");
  }
  endOfFile = 0;
  ReadHeaders();
  ReadMovetext();
}

void GamePlay::ReleaseGameLibrary() {
  gameFile.Close();
  gameStarts_.clear();
  gameStarts_.shrink_to_fit();
  plyCounts.clear();
  plyCounts.shrink_to_fit();
  plyList.clear();
  plyList.shrink_to_fit();
  plyDisplayList.clear();
  plyDisplayList.shrink_to_fit();
  loadedPlies = 0;
}
