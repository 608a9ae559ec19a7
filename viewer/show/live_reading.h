// Reading a game file again after it changed, as a writer still at work
// changes it: appending plies and games, replacing it by a newer copy, or
// by another file altogether. What the viewer has shown of its game decides
// whether the new reading continues it: the same tag lines and the same
// plies up to the one on show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "viewer/show/game_index.h"

// The game on show, as far as it has been shown.
struct ShownGame {
  int16_t game = 0;  // 0-based
  std::vector<std::string> headerLines;
  std::vector<std::string> plies;  // the texts of the plies shown, in order
};

// What the game on show is, with its first `pliesShown` plies.
ShownGame RememberShownGame(const GameIndex& games, int pliesShown);

enum class Reread {
  kContinues,   // the game on show is there as it was shown (perhaps with more plies)
  kReplaced,    // it is not: another file, or the game changed under the viewer
  kUnreadable,  // the file holds no game now (a writer emptied it): nothing changed
};

// Counts and indexes the file again, reading only its settled text when
// `settledOnly` (see GameIndex::ReadSettledTextOnly), and reloads the game
// on show when it continues. After kUnreadable the index is the one before;
// after kReplaced the games are indexed, none is loaded.
Reread RereadGameFile(GameIndex& games, const ShownGame& shown, bool settledOnly);

// The first game other than `current` (0-based, searched from the one after
// it) whose ply count has grown past what was known of it; -1 for none.
// `known` may be shorter than `counts`: games past its end are new and
// count as grown when they hold a ply.
int FindGrownGame(const std::vector<int16_t>& known, const std::vector<int16_t>& counts, int current);
