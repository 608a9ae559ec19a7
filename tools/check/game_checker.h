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
  int GameCount() const { return games_.lastGameIndex() + 1; }

  // Loads game `number` (1-based) and plays it to its end. Returns its line,
  // without the line end: "N<TAB>P<TAB>BOARD<TAB>RESULT", or
  // "N<TAB>ERROR<TAB>K<TAB>MESSAGE" when ply K raised a FatalError.
  std::string PlayGame(int number);

  const GameIndex& games() const { return games_; }
  const ChessState& chess() const { return chess_; }
  // Takes the last shown ply back (for the fuzz target's take-back checks).
  PlyOutcome TakeBackPly() { return chess_.TakeBackPly(games_.plies()); }
  PlyOutcome AdvancePly() { return chess_.AdvancePly(games_.plies()); }

  // Totals over the games played so far.
  long pliesPlayed = 0;
  int errors = 0;

 private:
  GameIndex games_;
  ChessState chess_;
};
