// The lines TarnwicketCheck --plies prints for each main-line ply of a game:
//   N <TAB> K <TAB> MOVE <TAB> CLOCK <TAB> SPENT <TAB> EVAL <TAB> COMMENT
// N the game's number, K the ply's (from 1), MOVE the ply as the console
// shows it, CLOCK the mover's time left after it in whole seconds (cut),
// SPENT the time spent on it in milliseconds, EVAL as the console shows it,
// COMMENT the ply's words; "-" for what the ply does not have.
#pragma once

#include <string>

#include "viewer/show/game_notes.h"

// The line of ply `ply` (from 0) of game `game`, without its line end.
std::string PlyLine(int game, int ply, const char* move, const GameNotes& notes);
