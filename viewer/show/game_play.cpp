// GamePlay's play bookkeeping: advancing one ply (fetch, normalise,
// resolve) and taking the last shown ply back.
#include <cstring>

#include "viewer/show/game_play.h"

void GamePlay::RestartBoard() {
  ResetBoard();
  EmptyTrays();
}

void GamePlay::AdvancePly() {
  PlyAdvancing();
  castlingFlag = 0;
  // A ply that has not landed yet lands now, feeding the trays; a take-back
  // still sliding lands without: its pending squares restore, not capture.
  if (pendingApplied == 0) ApplyPendingSquares();
  noTrayFeed = 0;
  pendingApplied = 0;
  std::memset(pendingSquares, 0, sizeof pendingSquares);
  if (sideToMove == kWhite) {
    PlayWhitePly();
  } else {
    PlayBlackPly();
  }
  PlyAdvanced();
}

void GamePlay::PlayWhitePly() {
  ++moveNumber;
  // Shown from the standard position, such a game would go wrong from its first move.
  if (moveNumber == 1 && nonStandardStart[0] != '\0') {
    throw FatalError::Format("Can't show this game: %s", nonStandardStart);
  }
  FetchPly(2 * (moveNumber - 1));
  std::memcpy(squareMarks, kBaseSquareMarks, sizeof squareMarks);
  NormalisePlyText(kPlayingMode);
  if (gameState == kPlaying) {
    whiteShown = 1;
    PlyResolving();
    ResolvePly(kWhite);
    PlyStarted();
  }
  sideToMove = kBlack;
}

void GamePlay::PlayBlackPly() {
  FetchPly(2 * moveNumber - 1);
  std::memcpy(squareMarks, kBaseSquareMarks, sizeof squareMarks);
  NormalisePlyText(kPlayingMode);
  if (gameState == kPlaying) {
    whiteShown = 0;
    PlyResolving();
    ResolvePly(kBlack);
    PlyStarted();
  }
  sideToMove = kWhite;
}

int16_t GamePlay::PliesBeforeShown() const { return static_cast<int16_t>(2 * moveNumber - sideToMove - 1); }

int16_t GamePlay::TakeBackPly() {
  const int16_t before = PliesBeforeShown();
  if (before < 0) return -1;

  // What describes the shown ply, before the replay overwrites it.
  takeBackPly = lastPly;
  takeBackTrays = lastTrays;
  takeBackSource = lastSource;
  std::memcpy(takeBackMarks, lastMarks, sizeof takeBackMarks);

  RestartLoadedGame();
  for (int16_t i = 0; i < before; ++i) AdvancePly();

  // The ply before the shown one stands on the board; its pending squares
  // stay, so the landing of the reverse slide changes nothing there.
  for (int square = 0; square < 64; ++square) {
    if (pendingSquares[square] != 0) board[square] = pendingSquares[square];
  }
  // The shown ply's piece is lifted off its origin; it lands there again.
  const int origin = takeBackSource.row * 8 + takeBackSource.column;
  if (origin >= 0 && origin < 64) {
    pendingSquares[origin] = board[origin];
    board[origin] = kBlankSquare;
  }
  if (before == 0) {
    std::memcpy(pendingSquares, kStartingPosition, sizeof pendingSquares);
    whiteShown = 0;
  }
  // The reverse slide has not landed: its squares are still to be applied,
  // even when no ply was replayed to say so (the first ply taken back).
  pendingApplied = 0;
  std::memcpy(capturedWhite, takeBackTrays.white, sizeof capturedWhite);
  std::memcpy(capturedBlack, takeBackTrays.black, sizeof capturedBlack);
  noTrayFeed = 1;
  whiteShown = whiteShown == 1 ? 0 : 1;
  std::memcpy(squareMarks, takeBackMarks, sizeof squareMarks);

  plyAnimation.fromX = takeBackPly.toX;
  plyAnimation.fromY = takeBackPly.toY;
  plyAnimation.toX = takeBackPly.fromX;
  plyAnimation.toY = takeBackPly.fromY;
  plyAnimation.stepX = -takeBackPly.stepX;
  plyAnimation.stepY = -takeBackPly.stepY;
  plyAnimation.midX = takeBackPly.midX;
  plyAnimation.midY = takeBackPly.midY;
  plyAnimation.pieceKind = takeBackPly.pieceKind;
  return before;
}
