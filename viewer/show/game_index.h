// GameIndex: the game library over the PGN file. It counts the games,
// measures how many ply slots each needs, loads one game on demand (its
// first seven tag lines and its plies as text), and keeps the two small
// files beside the programs: the resume file "Tarnwicket.rsm" and the log
// "lastgameplayed.txt".
//
// The viewer holds one; TarnwicketCheck holds one without a window. No
// window, no display: every failure is raised as FatalError.
#pragma once

#include <cstdint>
#include <vector>

#include "viewer/chess/chess_state.h"
#include "viewer/chess/pgn_reader.h"
#include "viewer/chess/ply_lists.h"
#include "viewer/show/game_notes.h"

class GameIndex {
 public:
  // The library holds at most this many games; the rest of a file is not shown.
  static constexpr int kMaxGames = 32767;
  static constexpr int kHeaderLineCount = 7;
  using HeaderLine = char[100];

  GameIndex();
  GameIndex(const GameIndex&) = delete;
  GameIndex& operator=(const GameIndex&) = delete;

  // --- Set-up ---

  void SetFileName(const char* fileName);
  // How the tag lines are reduced: empty values "", "?", "??" shown empty
  // (blankUnknownTags 1), lines 0 to 3 as their quoted value only
  // (bareTagValues 1).
  void SetTagOptions(uint8_t blankUnknownTags, uint8_t bareTagValues);
  // False keeps "lastgameplayed.txt" and "Tarnwicket.rsm" untouched (for tools).
  void KeepRecords(bool keep) { keepRecords_ = keep; }
  // False passes over the games' comments, glyphs and clock tags (for tools
  // that want the moves alone).
  void ReadNotes(bool read) { readNotes_ = read; }
  // True for a file a writer may still be at: each reading (CountGames,
  // OpenForReading) leaves out a token or a tag line its end cuts off,
  // until a reading with false takes the whole file.
  void ReadSettledTextOnly(bool settledOnly) { settledOnly_ = settledOnly; }

  // --- The library ---

  // Opens the game file and counts its games, remembering where each starts;
  // returns the number of games minus one (also lastGameIndex()). Raises
  // "can't find Tarnwicket.PGN" when the file does not open, and "No game in "
  // and the file's name when it holds no tag, move or result.
  int16_t CountGames();
  // Fills plyCounts and maxPlies, then sizes the ply lists to maxPlies zeroed
  // slots each.
  void IndexPlies();
  // Loads game g (0-based; out of range means 0): its headers and its plies.
  // The log line and the resume file name currentGame().
  void LoadGame(int16_t g);
  // LoadGame without the log line and the resume file: the same game read
  // again after its file changed, or another game shown for a while.
  void ReloadGame(int16_t g);
  // The games one after another in a single pass, without counting them
  // first (TarnwicketCheck): the games CountGames finds, each loaded as
  // LoadGame loads it, numbered from 1. OpenForReading is false when the
  // file does not open; LoadNextGame is false when no game is left, and
  // raises "No game in " and the file's name when the file holds none.
  bool OpenForReading();
  bool LoadNextGame();
  // Takes the resume point of "Tarnwicket.rsm" into currentGame when it was
  // written for a file with as many games.
  void ReadResumeFile();
  // Appends the three lines of a game's first ply to "lastgameplayed.txt".
  void AppendFirstPlyLog(int fps, int moveFrames, int delayMs);
  // Closes the game file and frees the counts and ply lists (idempotent).
  void ReleaseGameLibrary();

  // --- What it holds ---

  const char* pgnFileName() const { return pgnFileName_; }
  bool IsFileOpen() const { return gameFile_.IsOpen(); }
  // 1-based number of the game shown.
  int16_t currentGame() const { return currentGame_; }
  void SetCurrentGame(int16_t game) { currentGame_ = game; }
  // Number of games minus one.
  int16_t lastGameIndex() const { return lastGameIndex_; }
  // Ply slots of each game, its result included.
  const std::vector<int16_t>& plyCounts() const { return plyCounts_; }
  int16_t maxPlies() const { return maxPlies_; }
  // The loaded game's plies.
  const PlyLists& plies() const { return plies_; }
  // The loaded game's first seven tag lines, reduced: 4 is White's name,
  // 5 Black's, 0 to 3 feed the ticker.
  const HeaderLine& headerLine(int line) const { return headerLines_[line]; }
  // How the loaded game starts.
  const GameStart& gameStart() const { return gameStart_; }
  // What the loaded game says besides its moves.
  const GameNotes& notes() const { return notes_; }
  // The last reading left out the file's unsettled end.
  bool LeftOutUnsettledEnd() const { return leftOutEnd_; }

 private:
  // Reads the loaded game's tag section into the header lines, appends the
  // log line and rewrites the resume file.
  int ReadHeaders();  // returns the number of tags
  // The loaded game's clock tags, ratings and opening into its notes.
  void ReadNoteTags();
  // Reads the movetext of the game at the file's position into the lists.
  bool ReadMovetext();  // true when it read a ply or a result
  // Opens the game file for a reading from its start.
  bool OpenGameFile();
  // After a result token: passes over what follows it, noting the end of the file.
  void SkipAfterResult();

  char pgnFileName_[1000];
  PgnReader gameFile_;
  int16_t endOfFile_ = 0;
  int16_t currentGame_ = 0;
  int16_t lastGameIndex_ = 0;
  std::vector<int16_t> plyCounts_;
  int16_t maxPlies_ = 0;
  PlyLists plies_;
  HeaderLine headerLines_[kHeaderLineCount];
  GameStart gameStart_;
  GameNotes notes_;
  bool readNotes_ = true;
  bool settledOnly_ = false;
  bool leftOutEnd_ = false;
  uint8_t blankUnknownTags_ = 1;
  uint8_t bareTagValues_ = 0;
  bool keepRecords_ = true;
  // The token being read.
  char token_[PgnReader::kTextSize];
  int16_t gamesRead_ = 0;  // by LoadNextGame
  // Where each game's tag section starts, for LoadGame to seek to.
  std::vector<ReaderPosition> gameStarts_;
};
