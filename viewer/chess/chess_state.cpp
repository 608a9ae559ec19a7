// ChessState: the board, the trays and the ply lists as data.
#include "viewer/chess/chess_state.h"

#include <cstring>

ChessState::ChessState() {
  std::memcpy(board, kStartingPosition, sizeof board);
  std::memset(pendingSquares, 0, sizeof pendingSquares);
  std::memcpy(squareMarks, kBaseSquareMarks, sizeof squareMarks);
  std::memset(plyText, 0, sizeof plyText);
  std::memset(plyDisplayText, 0, sizeof plyDisplayText);
  EmptyTrays();
  std::memcpy(lastMarks, kBaseSquareMarks, sizeof lastMarks);
  std::memcpy(takeBackMarks, kBaseSquareMarks, sizeof takeBackMarks);
  for (int i = 0; i < kTraySize; ++i) {
    lastTrays.white[i] = lastTrays.black[i] = kEmptyTraySlot;
    takeBackTrays.white[i] = takeBackTrays.black[i] = kEmptyTraySlot;
  }
}

void ChessState::ResetBoard() {
  std::memcpy(board, kStartingPosition, sizeof board);
  std::memset(pendingSquares, 0, sizeof pendingSquares);
  std::memcpy(squareMarks, kBaseSquareMarks, sizeof squareMarks);
  moveNumber = 0;
  gameState = kPlaying;
  blackWon = whiteWon = drawn = 0;
  checkFlag = captureFlag = mateFlag = 0;
  whiteShown = 1;
  sideToMove = kWhite;
}

void ChessState::EmptyTrays() {
  for (int i = 0; i < kTraySize; ++i) capturedWhite[i] = capturedBlack[i] = kEmptyTraySlot;
  capturedWhiteCount = capturedBlackCount = 0;
}

bool ChessState::ApplyPendingSquares() {
  bool captured = false;
  for (int square = 0; square < 64; ++square) {
    if (pendingSquares[square] == 0) continue;
    if (noTrayFeed == 0 && board[square] != kBlankSquare) {
      FeedTray(board[square]);
      captured = true;
    }
    board[square] = pendingSquares[square];
  }
  return captured;
}

void ChessState::FeedTray(unsigned char letter) {
  // Kind code = position in these lists; kings and anything else are ignored.
  static const char kWhiteKinds[] = "prnbq";
  static const char kBlackKinds[] = "PRNBQ";
  if (letter == 0) return;
  const char* white = std::strchr(kWhiteKinds, letter);
  const char* black = std::strchr(kBlackKinds, letter);
  if (white == nullptr && black == nullptr) return;
  int16_t* tray = black != nullptr ? capturedBlack : capturedWhite;
  int16_t& count = black != nullptr ? capturedBlackCount : capturedWhiteCount;
  if (count >= kTraySize) return;
  tray[count++] = static_cast<int16_t>(black != nullptr ? black - kBlackKinds : white - kWhiteKinds);
  TrayChanged(black != nullptr ? kBlack : kWhite);
}

void ChessState::FetchPly(int index) {
  if (index < 0 || index >= loadedPlies || index >= static_cast<int>(plyList.size())) {
    std::strcpy(plyText, "*");
    std::strcpy(plyDisplayText, "*");
    return;
  }
  std::memcpy(plyText, plyList[index].text, sizeof plyText);
  std::memcpy(plyDisplayText, plyDisplayList[index].text, sizeof plyDisplayText);
  plyText[sizeof plyText - 1] = '\0';
  plyDisplayText[sizeof plyDisplayText - 1] = '\0';
}
