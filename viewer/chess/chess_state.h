// ChessState: the chess side of a game on show. It holds the board, the
// pending squares and square marks of the current ply, the captured trays,
// the result and ply flags, and the animation records the take-back works
// from; it resets the board, plays the loaded game's plies one at a time
// (fetching, normalising and resolving each) and takes the last shown ply
// back by replaying the game quietly up to it.
//
// Playing a ply returns a PlyOutcome that says what the ply did; the
// viewer's scene and play driver act on it. Nothing here knows about a
// window or a display: every failure is raised as FatalError.
#pragma once

#include <cstdint>

#include "viewer/chess/board.h"
#include "viewer/chess/castling_rights.h"
#include "viewer/chess/coordinate_move.h"
#include "viewer/chess/game_start.h"
#include "viewer/chess/piece_letters.h"
#include "viewer/chess/ply_lists.h"
#include "viewer/chess/ply_outcome.h"
#include "viewer/frame/fatal_error.h"

class ChessState {
 public:
  enum Side : int16_t { kWhite = kWhiteSide, kBlack = kBlackSide };
  enum GameState : int16_t { kPlaying = 0, kStopping = 1, kGameOver = 2 };

  ChessState();

  // --- Starting a game ---

  // Starting position, no pending squares, base marks, move number 0,
  // playing, all result and ply flags 0, White to move.
  void ResetBoard();
  // All 32 tray slots free, both counts 0.
  void EmptyTrays();
  // The chess part of starting the loaded game: ResetBoard, empty trays, no
  // ply text on show.
  void RestartBoard();
  // Takes how the loaded game starts and restarts the board.
  void StartGame(const GameStart& start);
  // The position the loaded game starts from.
  const Board& StartPosition() const;
  // The side whose ply comes first in the loaded game.
  int16_t FirstMover() const { return start_.setUp && start_.position.sideToMove == kBlackSide ? kBlack : kWhite; }
  // Puts a position on the board (the other state stays).
  void SetBoard(const Board& position);
  // Piece speed, 0 (slowest) to 20 (fastest): the slide step of a ply.
  void SetSpeed(int16_t speed) { speedSetting_ = speed; }
  // False for tools that only want the positions (TarnwicketCheck): the
  // plies then leave no square marks, slides or take-back copies.
  void SetPresenting(bool presenting) { presenting_ = presenting; }
  // Escape: no ply is played any more.
  void StopPlaying() { gameState_ = kStopping; }

  // --- Playing ---

  // One ply: applies the previous ply if it has not landed, clears the
  // pending squares, then fetches, normalises and (unless it is the
  // result) resolves White's or Black's ply.
  PlyOutcome AdvancePly(const PlyLists& plies);
  // True when the next ply is the game's first move (not its result, and
  // the game can be shown): the log notes the first ply of each game.
  bool NextPlyIsFirstMove(const PlyLists& plies) const;
  // Number of plies before the one most recently shown (-1: none shown).
  int16_t PliesBeforeShown() const { return static_cast<int16_t>(plyIndex_ - 1); }
  // Number of plies shown so far: the place of the next ply in the game.
  int16_t PliesShown() const { return plyIndex_; }
  // The loaded game from its start with its first `count` plies played and
  // landed, nothing reported on the way (a game shown again further on).
  TrayChanges PlayQuietlyTo(const PlyLists& plies, int count);
  // Takes back the ply most recently shown: replays the game up to it
  // without reporting the replayed plies, and sets up its reverse slide.
  // An outcome without takeBack when no ply had been shown (nothing
  // changes then).
  PlyOutcome TakeBackPly(const PlyLists& plies);
  // Copies every non-zero pending byte onto the board, handing the letter it
  // replaces to FeedTray unless noTrayFeed is set; returns the trays fed.
  TrayChanges ApplyPendingSquares();
  // The landing of a slide: ApplyPendingSquares, and the ply counts as
  // applied, so that the next ply does not apply it again.
  TrayChanges LandPendingSquares();
  // Appends a captured piece's kind to its tray (kings and blanks ignored).
  TrayChanges FeedTray(unsigned char letter);

  // --- The steps of a ply, on their own ---

  // No pending squares and the base square marks: how a ply starts.
  void ClearPlySquares();
  // Takes `text` as the current ply, recognises a result token (gameState
  // becomes kGameOver, with its result flag) and strips the ply marks,
  // setting the check, capture and mate flags.
  void NormalisePlyText(const char* text);
  // Turns `text` (normalised) into board changes for the given side.
  void ResolvePly(int16_t side, const char* text);
  // True for the tokens that end a game: "1-0", "0-1", "1/2-1/2", "1/2", "*".
  static bool IsResultToken(const char* text);

  // --- What the state holds ---

  const Board& board() const { return board_; }
  const Board& pendingSquares() const { return pendingSquares_; }
  const Board& squareMarks() const { return squareMarks_; }
  const char* plyText() const { return plyText_; }
  const char* plyDisplayText() const { return plyDisplayText_; }
  int16_t moveNumber() const { return moveNumber_; }
  int16_t gameState() const { return gameState_; }
  int16_t whiteWon() const { return whiteWon_; }
  int16_t blackWon() const { return blackWon_; }
  int16_t drawn() const { return drawn_; }
  // Any of the three results has been reached.
  bool HasResult() const { return whiteWon_ == 1 || blackWon_ == 1 || drawn_ == 1; }
  int16_t checkFlag() const { return checkFlag_; }
  int16_t captureFlag() const { return captureFlag_; }
  int16_t mateFlag() const { return mateFlag_; }
  int16_t whiteShown() const { return whiteShown_; }
  int16_t sideToMove() const { return sideToMove_; }
  int16_t pendingApplied() const { return pendingApplied_; }
  int16_t castlingFlag() const { return castlingFlag_; }
  int16_t noTrayFeed() const { return noTrayFeed_; }
  const int16_t (&capturedWhite() const)[kTraySize] { return capturedWhite_; }
  const int16_t (&capturedBlack() const)[kTraySize] { return capturedBlack_; }
  int16_t capturedWhiteCount() const { return capturedWhiteCount_; }
  int16_t capturedBlackCount() const { return capturedBlackCount_; }
  const PlyAnimation& plyAnimation() const { return plyAnimation_; }
  const PlyAnimation& lastPly() const { return lastPly_; }
  const SquareRef& lastSource() const { return lastSource_; }
  const Board& lastMarks() const { return lastMarks_; }
  const TrayCopy& lastTrays() const { return lastTrays_; }
  int16_t speedSetting() const { return speedSetting_; }

 private:
  void PlayWhitePly(const PlyLists& plies, PlyOutcome& outcome);
  void PlayBlackPly(const PlyLists& plies, PlyOutcome& outcome);
  // Fetches the next ply of the game into plyText and plyDisplayText.
  void FetchNextPly(const PlyLists& plies);
  // Normalises and resolves the fetched ply, and describes it.
  void PlayFetchedPly(int16_t side, PlyOutcome& outcome);
  void ResolvePly(int16_t side);
  void ResolveCastling(int16_t side, int wing);
  void ResolveCoordinateMove(int16_t side, const CoordinateMove& move);
  // The marks, the animation record, the castling rights and the copies for
  // the take-back of a ply that moves a piece from origin to destination.
  void FinishPly(int originRow, int originColumn, int destinationRow, int destinationColumn, bool castling);
  GameResult Result() const;
  // The console's text of a null move: "--" and its annotation marks.
  void ShowNullMove();

  // Sets a square's pending byte.
  void SetPending(int square, unsigned char letter) {
    pendingSquares_[square] = letter;
    pendingMask_ |= uint64_t{1} << square;
  }
  void ClearPending();
  // The mask of pendingSquares_ read back from its bytes.
  void RecountPending();

  // Board state.
  Board board_;
  Board pendingSquares_;      // 0 = unchanged by the current ply
  uint64_t pendingMask_ = 0;  // bit s: pendingSquares_[s] is set
  Board squareMarks_;

  // The current ply: normalised (the resolver's working buffer), and as written.
  char plyText_[100];
  char plyDisplayText_[100];

  // Game state.
  int16_t moveNumber_ = 0;
  int16_t gameState_ = kPlaying;
  int16_t blackWon_ = 0, whiteWon_ = 0, drawn_ = 0;
  int16_t checkFlag_ = 0, captureFlag_ = 0, mateFlag_ = 0;
  int16_t whiteShown_ = 1;
  int16_t sideToMove_ = kWhite;
  int16_t pendingApplied_ = 0;

  // Captured trays: kind codes in capture order, kEmptyTraySlot when free.
  int16_t capturedWhite_[kTraySize];
  int16_t capturedBlack_[kTraySize];
  int16_t capturedWhiteCount_ = 0, capturedBlackCount_ = 0;

  int16_t castlingFlag_ = 0;
  int16_t noTrayFeed_ = 0;

  // The current ply's animation and the copies the take-back works from.
  PlyAnimation plyAnimation_;
  PlyAnimation lastPly_;
  PlyAnimation takeBackPly_;
  Board lastMarks_;
  Board takeBackMarks_;
  SquareRef lastSource_;
  SquareRef takeBackSource_;
  SquareRef lastDestination_;
  SquareRef takeBackDestination_;
  TrayCopy lastTrays_;
  TrayCopy takeBackTrays_;

  int16_t speedSetting_ = 10;
  bool presenting_ = true;
  GameStart start_;
  // Plies fetched since the game's start (its result included).
  int16_t plyIndex_ = 0;
  CastlingRights castlingRights_ = kStandardCastlingRights;
  // The current ply passes the turn without a move ("--", "Z0").
  bool nullMove_ = false;
  // A Chess960 castling whose king and rook both move: the rook's slide,
  // after the king's.
  bool hasSecondSlide_ = false;
  PlyAnimation secondSlide_;
};
