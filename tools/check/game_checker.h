// GameChecker: plays games of a PGN file through the viewer's own game
// library and chess code, without a window, and describes the outcome of
// each game in one line.
#pragma once

#include <string>

#include "viewer/chess/chess_state.h"
#include "viewer/show/game_index.h"

class GameChecker {
 public:
  GameChecker();

  // Opens and indexes the file; false when it cannot be read.
  bool Index(const char* fileName);
  // Opens the file to play its games in one pass (LoadNextGame,
  // PlayLoadedGame); false when it cannot be read.
  bool Open(const char* fileName);
  // The next game of the file; false when none is left. Raises "No game in"
  // when the file holds none.
  bool LoadNextGame() { return games_.LoadNextGame(); }
  int GameCount() const { return games_.lastGameIndex() + 1; }

  // Loads game `number` (1-based) and plays it to its end. Returns its line,
  // without the line end: "N<TAB>P<TAB>BOARD<TAB>RESULT", or
  // "N<TAB>ERROR<TAB>K<TAB>MESSAGE" when ply K raised a FatalError.
  std::string PlayGame(int number);
  // Plays the game loaded last to its end; its line, as PlayGame's. With
  // `plyLines`, the line of each ply played goes there first (--plies).
  std::string PlayLoadedGame(std::string* plyLines = nullptr);
  // Shows the plies as the console does (their glyphs) and reads the
  // games' notes (for --plies).
  void ShowPlies();

  const GameIndex& games() const { return games_; }
  const ChessState& chess() const { return chess_; }

  // The steps of PlayGame on their own, for checks that play a game their
  // own way (the fuzz target takes plies back as the viewer's Left key does).
  void StartGame(int number);
  PlyOutcome AdvancePly() { return chess_.AdvancePly(games_.plies()); }
  PlyOutcome TakeBackPly() { return chess_.TakeBackPly(games_.plies()); }
  // A slide lands.
  void LandPly() { chess_.LandPendingSquares(); }
  // After the last ply: what is still pending goes onto the board.
  void FinishGame();
  void Release() { games_.ReleaseGameLibrary(); }

  // Totals over the games played so far.
  long pliesPlayed = 0;
  int errors = 0;

 private:
  GameIndex games_;
  ChessState chess_;
};
