// Reading a FEN tag's value into the position a game starts from: the board
// in this board's letters (lowercase White), the side to move, the castling
// rights, the en passant square and the move counters.
//
// What it accepts, as the big chess libraries read a FEN:
// - six fields separated by blanks or underscores (any number of them, also
//   around the value); the last fields may be left out (side to move White,
//   no castling, no en passant square, half-move clock 0, full-move number
//   1); a full-move number 0 reads as 1;
// - castling rights in X-FEN (K/Q: the outermost rook on that side of the
//   king; a file letter A-H / a-h names an inner rook) and Shredder-FEN
//   (HAha), in any order; at most two per side;
// - a right whose king or rook does not stand on its square is dropped (the
//   king alone on its back rank, an own rook on the back rank on that wing
//   of it), and so is an en passant square that no double step can have
//   made (on the right rank for the side to move, empty, the pushed pawn in
//   front of it, the square the pawn came from empty);
// - a '~' after a piece (a promoted piece's mark) is passed over.
// It refuses what is not a legal position to start from: a placement other
// than 8 ranks of 8 squares, a side without a king or with two, a pawn on
// the first or last rank, the side not to move in check, a malformed field.
#pragma once

#include <cstdint>

#include "viewer/chess/board.h"
#include "viewer/chess/castling_rights.h"

// A square index that is not there: no en passant square.
constexpr int8_t kNoSquare = -1;

struct SetUpPosition {
  Board board;
  int16_t sideToMove = 0;  // kWhiteSide or kBlackSide
  CastlingRights castling;
  int8_t enPassantSquare = kNoSquare;  // the square a pawn passed over, 0..63
  int16_t halfMoveClock = 0;
  int16_t fullMoveNumber = 1;
  // The castling rights can only be Chess960 ones: a right written as a
  // file letter, or a right whose king is not on the e file or whose rook
  // is not on the a or h file.
  bool chess960Castling = false;
};

// Why a FEN is refused, in the order the reader checks.
enum class FenRefusal {
  kNone,
  kEmpty,
  kExtraFields,
  kPlacement,
  kSideToMove,
  kCastling,
  kEnPassant,
  kMoveCounters,
  kNoWhiteKing,
  kWhiteKings,  // more than one White king
  kNoBlackKing,
  kBlackKings,
  kSideNotToMoveInCheck,
  kPawnOnBackRank,
};

// The text a FEN tag that is not a legal position shows when no more is known.
extern const char kFenRefusedText[];

// Reads a zero-terminated FEN. On kNone `position` holds the set-up
// position; on a refusal it is left in an unspecified but sound state.
FenRefusal ReadFenPosition(const char* text, SetUpPosition& position);

// The user's text for a refusal, "Can't show this game: its FEN tag ..."
// (empty for kNone).
const char* FenRefusalText(FenRefusal refusal);
