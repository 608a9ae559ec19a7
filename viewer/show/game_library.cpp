// GameIndex: counting and indexing the games of the file, and loading one
// of them.
#include <algorithm>
#include <cstring>

#include "viewer/show/game_index.h"

GameIndex::GameIndex() {
  std::memset(pgnFileName_, 0, sizeof pgnFileName_);
  std::strcpy(pgnFileName_, "Tarnwicket.pgn");
  std::memset(headerLines_, 0, sizeof headerLines_);
  std::memset(token_, 0, sizeof token_);
}

void GameIndex::SetFileName(const char* fileName) {
  std::memset(pgnFileName_, 0, sizeof pgnFileName_);
  std::strncpy(pgnFileName_, fileName, sizeof pgnFileName_ - 1);
}

void GameIndex::SetTagOptions(uint8_t blankUnknownTags, uint8_t bareTagValues) {
  blankUnknownTags_ = blankUnknownTags;
  bareTagValues_ = bareTagValues;
}

void GameIndex::SkipAfterResult() {
  if (!gameFile_.SkipFiller()) endOfFile_ = 1;
}

bool GameIndex::OpenGameFile() {
  leftOutEnd_ = false;
  if (!gameFile_.Open(pgnFileName_)) return false;
  if (settledOnly_) leftOutEnd_ = gameFile_.LimitToSettledText() >= 0;
  return true;
}

int16_t GameIndex::CountGames() {
  if (!OpenGameFile()) throw FatalError("can't find Tarnwicket.PGN");
  // The counts are kept only once the whole file is counted: a file that
  // holds no game leaves the earlier reading's counts in place.
  std::vector<ReaderPosition> starts;
  std::vector<int16_t> counts;
  endOfFile_ = 0;
  gameFile_.SkipFiller();  // a preamble before the first game
  int games = 0;
  // A file of nothing but white space, comments and move numbers holds no
  // game at all: neither a tag nor a move nor a result.
  bool anyGame = false;
  for (;;) {
    starts.push_back(gameFile_.Tell());
    if (gameFile_.ReadTagSection(nullptr, 0) > 0) anyGame = true;
    int16_t plies = 0;
    bool last = false;
    while (!last) {
      if (gameFile_.ReadPlyToken(token_) == PgnReader::TokenEnd::kToken) {
        anyGame = true;
      } else {
        std::strcpy(token_, "*");
      }
      if (plies < INT16_MAX) ++plies;
      last = ChessState::IsResultToken(token_);
      if (last) SkipAfterResult();
    }
    counts.push_back(plies);
    ++games;
    if (endOfFile_ != 0 || games == kMaxGames) break;
  }
  endOfFile_ = 0;
  if (!anyGame) throw FatalError::Format("No game in %s", pgnFileName_);
  gameStarts_.swap(starts);
  plyCounts_.swap(counts);
  lastGameIndex_ = static_cast<int16_t>(games - 1);
  return lastGameIndex_;
}

void GameIndex::IndexPlies() {
  if (plyCounts_.empty()) CountGames();
  maxPlies_ = std::max<int16_t>(1, *std::max_element(plyCounts_.begin(), plyCounts_.end()));
  plies_.Allocate(maxPlies_);
}

void GameIndex::LoadGame(int16_t g) {
  if (g > lastGameIndex_ || g < 0) g = 0;
  if (!gameFile_.IsOpen() || static_cast<size_t>(g) >= gameStarts_.size() || !gameFile_.Seek(gameStarts_[g])) {
    throw FatalError("can't find Tarnwicket.PGN");
  }
  endOfFile_ = 0;
  ReadHeaders();
  ReadMovetext();
}

void GameIndex::ReloadGame(int16_t g) {
  const bool keep = keepRecords_;
  keepRecords_ = false;
  try {
    LoadGame(g);
  } catch (...) {
    keepRecords_ = keep;
    throw;
  }
  keepRecords_ = keep;
}

bool GameIndex::OpenForReading() {
  if (!OpenGameFile()) return false;
  gameStarts_.clear();
  plyCounts_.clear();
  endOfFile_ = 0;
  gamesRead_ = 0;
  gameFile_.SkipFiller();  // a preamble before the first game
  // Room for the longest game a library holds.
  maxPlies_ = INT16_MAX;
  plies_.Allocate(maxPlies_);
  return true;
}

bool GameIndex::LoadNextGame() {
  if (gamesRead_ > 0 && (endOfFile_ != 0 || gamesRead_ == kMaxGames)) return false;
  currentGame_ = ++gamesRead_;
  const int tags = ReadHeaders();
  const bool anyToken = ReadMovetext();
  // The first game runs to the first result; when it holds neither a tag
  // nor a move nor a result and reaches the end, so does the file.
  if (gamesRead_ == 1 && tags == 0 && !anyToken && endOfFile_ != 0) {
    throw FatalError::Format("No game in %s", pgnFileName_);
  }
  return true;
}

void GameIndex::ReleaseGameLibrary() {
  gameFile_.Close();
  gameStarts_.clear();
  gameStarts_.shrink_to_fit();
  plyCounts_.clear();
  plyCounts_.shrink_to_fit();
  plies_.Release();
}
