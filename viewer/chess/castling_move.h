// Castling in standard chess and in Chess960: where the king and the rook
// stand before and after O-O or O-O-O, how a move changes the castling
// rights, and when a king move written from square to square is a castling.
//
// After a castling the king stands on the g file (king-side) or the c file
// (queen-side) of its back rank and the rook beside it on the f or d file,
// wherever the two stood before: the king or the rook may already stand on
// its square, and the two may swap squares.
#pragma once

#include <cstdint>

#include "viewer/chess/board.h"
#include "viewer/chess/castling_rights.h"

// The four squares (0..63) of one castling, all on the side's back rank.
struct CastlingSquares {
  int8_t kingFrom = 0, kingTo = 0;
  int8_t rookFrom = 0, rookTo = 0;
};

// The squares of a castling of `side` (kWhiteSide or kBlackSide) on `wing`.
// The king is the own king on the back rank (the one on the rights' king
// file when it stands there). The rook is the right's rook when an own rook
// stands on that file on that wing of the king; without one (no right was
// recorded, or it does not fit the board), the outermost own rook on that
// wing of the king. False when there is no own king on the back rank or no
// own rook on that wing of it; `squares` is then unchanged. What stands on
// the squares between them or on the squares they go to is not looked at.
bool FindCastlingSquares(const Board& board, int side, int wing, const CastlingRights& rights,
                         CastlingSquares& squares);

// Plays a castling found by FindCastlingSquares on `board`: both pieces are
// lifted first, then set down, so any overlap of the squares comes out right.
void PlayCastling(Board& board, int side, const CastlingSquares& squares);

// The rights after a move from `from` to `to` (a castling passes the king's
// squares): a move from the king's square ends both of that side's rights;
// a move from, or onto, a right's rook square ends that right. Squares
// outside 0..63 change nothing.
void UpdateCastlingRights(CastlingRights& rights, int from, int to);

// True when a move of the own king from `from` to `to`, written as two
// squares, is a castling, and which `wing`: the king goes onto an own rook
// of its back rank (as Chess960 writes castling), or it goes two or more
// files along its back rank to the g or c file (as standard chess does).
bool IsCastlingKingMove(const Board& board, int side, int from, int to, int& wing);
