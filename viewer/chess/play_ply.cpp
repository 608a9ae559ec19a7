// ChessState's play bookkeeping: advancing one ply (fetch, normalise,
// resolve) and taking the last shown ply back.
#include <cstring>

#include "viewer/chess/chess_state.h"

void PlyLists::Allocate(int slots) {
  PlySlot empty;
  std::memset(empty.text, 0, sizeof empty.text);
  plyList.assign(slots, empty);
  plyDisplayList.assign(slots, empty);
  loadedPlies = 0;
}

void PlyLists::Release() {
  plyList.clear();
  plyList.shrink_to_fit();
  plyDisplayList.clear();
  plyDisplayList.shrink_to_fit();
  loadedPlies = 0;
}

void PlyLists::FetchText(int index, char (&text)[100]) const {
  if (index < 0 || index >= loadedPlies || index >= static_cast<int>(plyList.size())) {
    std::strcpy(text, "*");
    return;
  }
  std::memcpy(text, plyList[index].text, sizeof text);
  text[sizeof text - 1] = '\0';
}

void PlyLists::Fetch(int index, char (&text)[100], char (&displayText)[100]) const {
  if (index < 0 || index >= loadedPlies || index >= static_cast<int>(plyList.size()) ||
      index >= static_cast<int>(plyDisplayList.size())) {
    std::strcpy(text, "*");
    std::strcpy(displayText, "*");
    return;
  }
  std::memcpy(text, plyList[index].text, sizeof text);
  std::memcpy(displayText, plyDisplayList[index].text, sizeof displayText);
  text[sizeof text - 1] = '\0';
  displayText[sizeof displayText - 1] = '\0';
}

PlyOutcome ChessState::AdvancePly(const PlyLists& plies) {
  PlyOutcome outcome;
  castlingFlag_ = 0;
  // A ply that has not landed yet lands now, feeding the trays; a take-back
  // still sliding lands without: its pending squares restore, not capture.
  if (pendingApplied_ == 0) outcome.trayChanges = ApplyPendingSquares();
  noTrayFeed_ = 0;
  pendingApplied_ = 0;
  ClearPending();
  if (sideToMove_ == kWhite) {
    PlayWhitePly(plies, outcome);
  } else {
    PlayBlackPly(plies, outcome);
  }
  return outcome;
}

void ChessState::PlayWhitePly(const PlyLists& plies, PlyOutcome& outcome) {
  ++moveNumber_;
  FetchNextPly(plies);
  PlayFetchedPly(kWhite, outcome);
  sideToMove_ = kBlack;
}

void ChessState::PlayBlackPly(const PlyLists& plies, PlyOutcome& outcome) {
  FetchNextPly(plies);
  PlayFetchedPly(kBlack, outcome);
  sideToMove_ = kWhite;
}

void ChessState::FetchNextPly(const PlyLists& plies) {
  // A game of other rules, or from a position that cannot be, would go
  // wrong from its first ply.
  if (plyIndex_ == 0 && start_.refusal[0] != '\0') {
    throw FatalError::Format("Can't show this game: %s", start_.refusal);
  }
  if (presenting_) {
    plies.Fetch(plyIndex_, plyText_, plyDisplayText_);
  } else {
    plies.FetchText(plyIndex_, plyText_);
  }
  if (plyIndex_ < INT16_MAX) ++plyIndex_;
}

void ChessState::PlayFetchedPly(int16_t side, PlyOutcome& outcome) {
  if (presenting_) std::memcpy(squareMarks_, kBaseSquareMarks, sizeof squareMarks_);
  NormalisePlyText(plyText_);
  outcome.side = side;
  outcome.moveNumber = moveNumber_;
  outcome.plyIndex = static_cast<int16_t>(plyIndex_ - 1);
  outcome.move = plyDisplayText_;
  outcome.result = Result();
  if (gameState_ != kPlaying) return;
  whiteShown_ = side == kWhite ? 1 : 0;
  ResolvePly(side);
  if (nullMove_) ShowNullMove();
  outcome.resolved = true;
  outcome.nullMove = nullMove_;
  outcome.secondSlide = hasSecondSlide_;
  outcome.rookAnimation = secondSlide_;
  outcome.from = lastSource_;
  outcome.to = lastDestination_;
  outcome.capture = captureFlag_ == 1;
  outcome.check = checkFlag_ == 1;
  outcome.mate = mateFlag_ == 1;
  outcome.castling = castlingFlag_ == 1;
  outcome.animation = plyAnimation_;
}

void ChessState::ShowNullMove() {
  // "Z0" and "--" show alike, with the annotation marks written after them.
  const size_t length = std::strlen(plyDisplayText_);
  size_t marks = length;
  while (marks > 0 && (plyDisplayText_[marks - 1] == '!' || plyDisplayText_[marks - 1] == '?')) --marks;
  // At most the last few marks are kept; a text of marks alone is no move.
  const size_t kept = length - marks < 4 ? length - marks : 4;
  std::memmove(plyDisplayText_ + 2, plyDisplayText_ + length - kept, kept);
  plyDisplayText_[0] = plyDisplayText_[1] = '-';
  plyDisplayText_[2 + kept] = '\0';
}

GameResult ChessState::Result() const {
  if (whiteWon_ == 1) return GameResult::kWhiteWon;
  if (blackWon_ == 1) return GameResult::kBlackWon;
  if (drawn_ == 1) return GameResult::kDrawn;
  if (gameState_ == kGameOver) return GameResult::kUnfinished;
  return GameResult::kNone;
}

bool ChessState::NextPlyIsFirstMove(const PlyLists& plies) const {
  if (plyIndex_ != 0 || start_.refusal[0] != '\0') return false;
  char text[100], displayText[100];
  plies.Fetch(0, text, displayText);
  return !IsResultToken(text);
}

TrayChanges ChessState::PlayQuietlyTo(const PlyLists& plies, int count) {
  RestartBoard();
  for (int i = 0; i < count && gameState_ == kPlaying; ++i) AdvancePly(plies);
  LandPendingSquares();
  return TrayChanges{true, true};
}

PlyOutcome ChessState::TakeBackPly(const PlyLists& plies) {
  PlyOutcome outcome;
  const int16_t before = PliesBeforeShown();
  if (before < 0) return outcome;

  // What describes the shown ply, before the replay overwrites it.
  takeBackPly_ = lastPly_;
  takeBackTrays_ = lastTrays_;
  takeBackSource_ = lastSource_;
  takeBackDestination_ = lastDestination_;
  std::memcpy(takeBackMarks_, lastMarks_, sizeof takeBackMarks_);

  // The loaded game from its first position; the plies up to the shown one
  // are replayed, and what they did is nobody's business.
  RestartBoard();
  for (int16_t i = 0; i < before; ++i) AdvancePly(plies);

  // The ply before the shown one stands on the board; its pending squares
  // stay, so the landing of the reverse slide changes nothing there.
  for (int square = 0; square < 64; ++square) {
    if (pendingSquares_[square] != 0) board_[square] = pendingSquares_[square];
  }
  // The shown ply's piece is lifted off its origin; it lands there again.
  const int origin = takeBackSource_.row * 8 + takeBackSource_.column;
  if (origin >= 0 && origin < 64) {
    SetPending(origin, board_[origin]);
    board_[origin] = kBlankSquare;
  }
  if (before == 0) {
    std::memcpy(pendingSquares_, StartPosition(), sizeof pendingSquares_);
    RecountPending();
    // Flipped below: the first mover's piece slides back.
    whiteShown_ = FirstMover() == kWhite ? 0 : 1;
  }
  // The reverse slide has not landed: its squares are still to be applied,
  // even when no ply was replayed to say so (the first ply taken back).
  pendingApplied_ = 0;
  std::memcpy(capturedWhite_, takeBackTrays_.white, sizeof capturedWhite_);
  std::memcpy(capturedBlack_, takeBackTrays_.black, sizeof capturedBlack_);
  // The counts follow the trays, so that the next capture goes into the
  // next free slot.
  capturedWhiteCount_ = capturedBlackCount_ = 0;
  for (int i = 0; i < kTraySize; ++i) {
    capturedWhiteCount_ = static_cast<int16_t>(capturedWhiteCount_ + (capturedWhite_[i] != kEmptyTraySlot));
    capturedBlackCount_ = static_cast<int16_t>(capturedBlackCount_ + (capturedBlack_[i] != kEmptyTraySlot));
  }
  noTrayFeed_ = 1;
  whiteShown_ = whiteShown_ == 1 ? 0 : 1;
  std::memcpy(squareMarks_, takeBackMarks_, sizeof squareMarks_);

  plyAnimation_.fromX = takeBackPly_.toX;
  plyAnimation_.fromY = takeBackPly_.toY;
  plyAnimation_.toX = takeBackPly_.fromX;
  plyAnimation_.toY = takeBackPly_.fromY;
  plyAnimation_.stepX = -takeBackPly_.stepX;
  plyAnimation_.stepY = -takeBackPly_.stepY;
  plyAnimation_.midX = takeBackPly_.midX;
  plyAnimation_.midY = takeBackPly_.midY;
  plyAnimation_.pieceKind = takeBackPly_.pieceKind;

  outcome.resolved = true;
  outcome.takeBack = true;
  // A null move taken back: nothing slides back.
  outcome.nullMove = takeBackSource_.row < 0;
  outcome.pliesReplayed = before;
  outcome.side = whiteShown_ == 1 ? kWhite : kBlack;
  outcome.moveNumber = moveNumber_;
  outcome.move = plyDisplayText_;
  outcome.from = takeBackDestination_;
  outcome.to = takeBackSource_;
  outcome.animation = plyAnimation_;
  return outcome;
}
