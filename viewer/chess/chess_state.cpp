// ChessState: the board, the trays and the start of a game.
#include "viewer/chess/chess_state.h"

#include <cstring>

ChessState::ChessState() {
  std::memcpy(board_, kStartingPosition, sizeof board_);
  std::memset(pendingSquares_, 0, sizeof pendingSquares_);
  std::memcpy(squareMarks_, kBaseSquareMarks, sizeof squareMarks_);
  std::memset(plyText_, 0, sizeof plyText_);
  std::memset(plyDisplayText_, 0, sizeof plyDisplayText_);
  EmptyTrays();
  std::memcpy(lastMarks_, kBaseSquareMarks, sizeof lastMarks_);
  std::memcpy(takeBackMarks_, kBaseSquareMarks, sizeof takeBackMarks_);
  for (int i = 0; i < kTraySize; ++i) {
    lastTrays_.white[i] = lastTrays_.black[i] = kEmptyTraySlot;
    takeBackTrays_.white[i] = takeBackTrays_.black[i] = kEmptyTraySlot;
  }
}

void ChessState::ResetBoard() {
  std::memcpy(board_, kStartingPosition, sizeof board_);
  ClearPending();
  std::memcpy(squareMarks_, kBaseSquareMarks, sizeof squareMarks_);
  moveNumber_ = 0;
  gameState_ = kPlaying;
  blackWon_ = whiteWon_ = drawn_ = 0;
  checkFlag_ = captureFlag_ = mateFlag_ = 0;
  whiteShown_ = 1;
  sideToMove_ = kWhite;
  plyIndex_ = 0;
}

void ChessState::EmptyTrays() {
  for (int i = 0; i < kTraySize; ++i) capturedWhite_[i] = capturedBlack_[i] = kEmptyTraySlot;
  capturedWhiteCount_ = capturedBlackCount_ = 0;
}

void ChessState::RestartBoard() {
  std::memset(plyDisplayText_, 0, sizeof plyDisplayText_);
  ResetBoard();
  EmptyTrays();
  castlingRights_ = kStandardCastlingRights;
  if (!start_.setUp) return;
  // A set-up position: its pieces, its side to move, its move number (the
  // last White move counted, as for a game from the start) and its rights.
  const SetUpPosition& position = start_.position;
  std::memcpy(board_, position.board, sizeof board_);
  sideToMove_ = position.sideToMove == kBlackSide ? kBlack : kWhite;
  moveNumber_ = static_cast<int16_t>(sideToMove_ == kWhite ? position.fullMoveNumber - 1 : position.fullMoveNumber);
  castlingRights_ = position.castling;
}

const Board& ChessState::StartPosition() const { return start_.setUp ? start_.position.board : kStartingPosition; }

void ChessState::StartGame(const GameStart& start) {
  start_ = start;
  RestartBoard();
}

void ChessState::SetBoard(const Board& position) { std::memcpy(board_, position, sizeof board_); }

void ChessState::ClearPending() {
  std::memset(pendingSquares_, 0, sizeof pendingSquares_);
  pendingMask_ = 0;
}

void ChessState::RecountPending() {
  pendingMask_ = 0;
  for (int square = 0; square < 64; ++square) {
    if (pendingSquares_[square] != 0) pendingMask_ |= uint64_t{1} << square;
  }
}

void ChessState::ClearPlySquares() {
  ClearPending();
  std::memcpy(squareMarks_, kBaseSquareMarks, sizeof squareMarks_);
}

TrayChanges ChessState::ApplyPendingSquares() {
  TrayChanges changes;
  // The changed squares in square order.
  for (uint64_t left = pendingMask_; left != 0; left &= left - 1) {
    const int square = __builtin_ctzll(left);
    if (noTrayFeed_ == 0 && board_[square] != kBlankSquare) changes.Add(FeedTray(board_[square]));
    board_[square] = pendingSquares_[square];
  }
  return changes;
}

TrayChanges ChessState::LandPendingSquares() {
  const TrayChanges changes = ApplyPendingSquares();
  pendingApplied_ = 1;
  return changes;
}

TrayChanges ChessState::FeedTray(unsigned char letter) {
  // Kind code = position in these lists; kings and anything else are ignored.
  static const char kWhiteKinds[] = "prnbq";
  static const char kBlackKinds[] = "PRNBQ";
  TrayChanges changes;
  if (letter == 0) return changes;
  const char* white = std::strchr(kWhiteKinds, letter);
  const char* black = std::strchr(kBlackKinds, letter);
  if (white == nullptr && black == nullptr) return changes;
  int16_t* tray = black != nullptr ? capturedBlack_ : capturedWhite_;
  int16_t& count = black != nullptr ? capturedBlackCount_ : capturedWhiteCount_;
  if (count >= kTraySize) return changes;
  tray[count++] = static_cast<int16_t>(black != nullptr ? black - kBlackKinds : white - kWhiteKinds);
  (black != nullptr ? changes.black : changes.white) = true;
  return changes;
}
