// What the console shows of a game's notes: a ply's comment line for the
// ticker (its evaluation, then its words), the players' names with their
// ratings, and the clocks' texts, all in the font's character set.
#pragma once

#include <string>

#include "viewer/chess/ply_notes.h"
#include "viewer/show/game_notes.h"

// Cells at the right of a name field that a clock takes ("1:59:58" and a blank).
constexpr int kClockCells = 8;

// "+0.17 A fine move." (either part may be missing); empty for notes
// without a comment or an evaluation.
std::string CommentLine(const PlyNotes& notes);

// "Carlsen, Magnus 2830": the name and, where the game has one, the rating.
std::string NameWithRating(const char* name, const std::string& rating);

// The clock text of `side` right-aligned in kClockCells cells, or empty when
// the game shows no clock for it.
std::string ClockCells(const TimeReading& clock, bool withTenths);
