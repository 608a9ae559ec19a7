// GameNotes: what the loaded game says besides its moves: the notes of each
// main-line ply (clock, time spent, evaluation, glyph, comment), the comment
// before its first move, the players' clocks at the start, their ratings and
// the opening.
#pragma once

#include <string>
#include <vector>

#include "viewer/chess/ply_notes.h"
#include "viewer/chess/time_control.h"

struct GameNotes {
  std::vector<PlyNotes> plies;  // ply k (from 0) in element k, as many as the loaded game's slots
  PlyNotes beforeFirstMove;
  ClockStart clocks;
  std::string whiteElo;  // the WhiteElo and BlackElo tags, where the game has them
  std::string blackElo;
  std::string opening;  // "ECO Opening, Variation", as much of it as the game has

  void Clear() {
    plies.clear();
    beforeFirstMove = PlyNotes();
    clocks = ClockStart();
    whiteElo.clear();
    blackElo.clear();
    opening.clear();
  }
};
