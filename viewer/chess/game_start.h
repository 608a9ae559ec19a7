// How a game starts, from its FEN and Variant tags: the standard position,
// or a set-up position; standard castling, or Chess960's; or why the game
// cannot be shown (another variant, a FEN that is no legal position).
#pragma once

#include "viewer/chess/castling_rights.h"
#include "viewer/chess/fen_position.h"

struct GameStart {
  // Empty when the game can be shown; otherwise why not, as the text after
  // "Can't show this game: " ("it follows the rules of Crazyhouse", "its
  // FEN tag is not a legal position").
  char refusal[100] = "";
  // The game starts from `position` rather than the standard start.
  bool setUp = false;
  SetUpPosition position;
  // O-O and O-O-O castle as in Chess960: the king to g or c and the rook to
  // f or d, from wherever they stand.
  bool chess960 = false;
};

// The start a game's tags describe; either tag may be nullptr (not there).
GameStart ReadGameStart(const char* fenTag, const char* variantTag);
