// Which squares a side's pieces attack on a board of piece letters: the one
// rule a set-up position needs to tell that the side not to move is in check.
#pragma once

#include "viewer/chess/board.h"

// True when a piece of `attacker` (kWhiteSide or kBlackSide) attacks `square`
// (0..63): a pawn diagonally forward, a knight, a king next to it, or a rook,
// bishop or queen along a free line. Whatever stands on the square itself
// does not matter.
bool IsSquareAttacked(const Board& board, int square, int attacker);

// True when some king of `side` stands on a square the other side attacks.
bool IsKingAttacked(const Board& board, int side);
