// ChessState: the viewer's chess state and the operations that change it:
// resetting the board, resolving one recorded ply into board changes and an
// animation record, applying the pending squares, feeding the captured
// trays, normalising ply texts and reading a game's movetext into ply lists.
//
// The viewer object derives from it (after its display base), so every
// member below is a member of the viewer by the same name. It needs no
// window or display: every failure is raised as FatalError.
#pragma once

#include <cstdint>
#include <vector>

#include "viewer/chess/board.h"
#include "viewer/chess/pgn_reader.h"
#include "viewer/frame/fatal_error.h"

// One ply text: at most 99 characters and a terminating zero.
struct PlySlot {
  char text[100];
};

struct ChessState {
  enum Side : int16_t { kWhite = 0, kBlack = 1 };
  enum NormaliseMode { kReadingMode, kPlayingMode };
  enum GameState : int16_t { kPlaying = 0, kStopping = 1, kGameOver = 2 };

  ChessState();
  virtual ~ChessState() = default;

  // Board state.
  Board board;
  Board pendingSquares;  // 0 = unchanged by the current ply
  Board squareMarks;

  // Ply texts.
  char plyText[100];                    // the current ply, normalised; the reading buffer
  char plyDisplayText[100];             // the current ply as written in the game
  std::vector<PlySlot> plyList;         // the loaded game's plies
  std::vector<PlySlot> plyDisplayList;  // the same, as written
  int16_t loadedPlies = 0;              // slots of the lists the loaded game filled

  // Game state.
  int16_t moveNumber = 0;
  int16_t gameState = kPlaying;
  int16_t blackWon = 0, whiteWon = 0, drawn = 0;
  int16_t checkFlag = 0, captureFlag = 0, mateFlag = 0;
  int16_t whiteShown = 1;
  int16_t sideToMove = kWhite;
  int16_t pendingApplied = 0;

  // Captured trays: kind codes in capture order, kEmptyTraySlot when free.
  int16_t capturedWhite[kTraySize];
  int16_t capturedBlack[kTraySize];
  int16_t capturedWhiteCount = 0, capturedBlackCount = 0;

  int16_t castlingFlag = 0;
  int16_t noTrayFeed = 0;

  // The current ply's animation and the copies the take-back works from.
  PlyAnimation plyAnimation;
  PlyAnimation lastPly;
  PlyAnimation takeBackPly;
  Board lastMarks;
  Board takeBackMarks;
  SquareRef lastSource;
  SquareRef takeBackSource;
  TrayCopy lastTrays;
  TrayCopy takeBackTrays;

  // Piece speed, 0 (slowest) to 20 (fastest): the slide step of a ply.
  int16_t speedSetting = 10;

  // Empty for a game that starts from the standard position under the
  // standard rules; otherwise why the loaded game cannot be shown.
  char nonStandardStart[100] = "";

  // The open game file and its end-of-file flag.
  PgnReader gameFile;
  int16_t endOfFile = 0;

  // Starting position, no pending squares, base marks, move number 0,
  // playing, all result and ply flags 0, White to move.
  void ResetBoard();
  // All 32 tray slots free, both counts 0.
  void EmptyTrays();
  // Copies every non-zero pending byte onto the board, handing the letter it
  // replaces to FeedTray unless noTrayFeed is set. Returns true when a piece
  // was captured that way.
  bool ApplyPendingSquares();
  // Appends a captured piece's kind to its tray (kings and blanks ignored).
  void FeedTray(unsigned char letter);
  // Turns plyText (normalised) into board changes for the given side.
  void ResolvePly(int16_t side);
  // True for the tokens that end a game: "1-0", "0-1", "1/2-1/2", "1/2", "*".
  static bool IsResultToken(const char* text);
  // Recognises a result token and strips the ply marks from plyText.
  void NormalisePlyText(NormaliseMode mode);
  // Reads the movetext of the game at the file's position into the lists.
  void ReadMovetext();
  // Copies slot `index` of the lists into plyText and plyDisplayText; a slot
  // past the loaded game reads as "*".
  void FetchPly(int index);

 protected:
  // Called after a captured piece went into a tray (kWhite: capturedWhite).
  virtual void TrayChanged(int16_t side) { (void)side; }
};
