// The ply notations of real game files besides SAN that name both squares
// of a move, and the null move:
// - long algebraic: e2-e4, Ng1-f3, Nb1xc3, e7-e8=Q, e7xd8Q;
// - from-to (as chess engines write): e2e4, g1f3, e7e8q, also with '-', 'x'
//   or ':' between the squares;
// - a piece letter before two squares without a sign, Qh4e1: this is also
//   SAN with a two-character hint (the queen on h4 goes to e1), which means
//   the same move, so it is read here;
// - null moves: "--" and "Z0": the turn passes, nothing moves.
// A piece letter (P N B R Q K, uppercase) may stand first; an en passant
// mark (ep, e.p.), check and mate signs (+ #) and annotation signs (! ?)
// may follow. The two squares must differ.
//
// SAN that names one square is never read as coordinates: Nbd7, R1e2, exd5,
// ed5, e8=Q, e8Q, O-O.
#pragma once

#include <cstdint>

struct CoordinateMove {
  enum Kind { kMove, kNullMove };
  Kind kind = kMove;
  int8_t from = 0, to = 0;  // squares 0..63 (row * 8 + column, row 0 is rank 8); 0 for a null move
  char piece = 0;           // 'P' 'N' 'B' 'R' 'Q' 'K' when written, else 0
  char promotion = 0;       // 'N' 'B' 'R' 'Q' (uppercase whatever the case written), else 0
  bool capture = false;     // written with 'x' or ':' between the squares
};

// Reads a ply text (zero-terminated, its move number removed). False when it
// is not in one of these notations; `move` is then unchanged.
bool ReadCoordinateMove(const char* text, CoordinateMove& move);
