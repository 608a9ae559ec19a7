// GameChecker: plays games of a PGN file through the viewer's own game
// library and play bookkeeping, without a window, and describes the outcome
// of each game in one line.
#pragma once

#include <string>

#include "viewer/show/game_play.h"

class GameChecker : public GamePlay {
 public:
  GameChecker();

  // Opens and indexes the file; false when it cannot be read.
  bool Index(const char* fileName);
  int GameCount() const { return lastGameIndex + 1; }

  // Loads game `number` (1-based) and plays it to its end. Returns its line,
  // without the line end: "N<TAB>P<TAB>BOARD<TAB>RESULT", or
  // "N<TAB>ERROR<TAB>K<TAB>MESSAGE" when ply K raised a FatalError.
  std::string PlayGame(int number);

  // Totals over the games played so far.
  long pliesPlayed = 0;
  int errors = 0;

 protected:
  void PlyStarted() override { ++pliesResolved_; }

 private:
  int pliesResolved_ = 0;
};
