// What playing one ply did, as the play bookkeeping reports it to whoever
// shows the game: the scene and the play driver act on this value, and
// TarnwicketCheck counts it. Nothing in the chess code calls back up.
#pragma once

#include <cstdint>

#include "viewer/chess/board.h"

// Which captured trays gained a piece.
struct TrayChanges {
  bool white = false;  // capturedWhite
  bool black = false;  // capturedBlack
  bool Any() const { return white || black; }
  void Add(const TrayChanges& more) {
    white = white || more.white;
    black = black || more.black;
  }
};

enum class GameResult : int16_t {
  kNone,        // the game goes on
  kWhiteWon,    // "1-0"
  kBlackWon,    // "0-1"
  kDrawn,       // "1/2-1/2", "1/2"
  kUnfinished,  // "*", or the game's text ended without a result
};

struct PlyOutcome {
  // A move was placed on the board (its slide can start). False for the
  // ply that holds the game's result, and for a take-back of nothing.
  bool resolved = false;
  // The ply was taken back: the board stands before it, its reverse slide
  // is ready, and `pliesReplayed` plies were replayed unseen to get there.
  bool takeBack = false;
  int16_t pliesReplayed = 0;

  int16_t side = 0;        // the mover: ChessState::kWhite or kBlack
  int16_t moveNumber = 0;  // full-move number of the ply
  int16_t plyIndex = 0;    // the ply's place in the game, from 0 (its slot in the ply lists)
  // The ply as written, as the console shows it (the chess state's text,
  // good until its next ply).
  const char* move = "";
  SquareRef from;        // the moving piece's origin (the king's, for castling)
  SquareRef to;          // its destination
  bool capture = false;  // the ply was written with 'x'
  bool check = false;    // '+'
  bool mate = false;     // '#'
  bool castling = false;
  // The ply passes the turn without a move ("--", "Z0"): nothing slides.
  bool nullMove = false;
  // A Chess960 castling whose king and rook both move: after the king's
  // slide (`animation`), the rook's.
  bool secondSlide = false;
  PlyAnimation rookAnimation;
  // Trays fed on the way: the previous ply landing late, when it had not
  // landed before this one started.
  TrayChanges trayChanges;
  GameResult result = GameResult::kNone;
  // The ply's animation record as the resolver (or the take-back) left it.
  PlyAnimation animation;
};
