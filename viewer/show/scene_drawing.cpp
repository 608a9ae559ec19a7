// The prepared layers of the scene: the standing pieces, console text in
// glyph cells and the trays of captured pieces.
#include <cstring>

#include "viewer/show/viewer_app.h"

namespace {

// Sprite index of a board letter, or -1 for anything that is not a piece.
int PieceIndex(unsigned char letter, bool& white) {
  static const char kLetters[] = "prnbqk";
  const unsigned char lower = (letter >= 'A' && letter <= 'Z') ? letter + ('a' - 'A') : letter;
  const char* found = lower != 0 ? std::strchr(kLetters, lower) : nullptr;
  if (found == nullptr) return -1;
  white = lower == letter;
  return static_cast<int>(found - kLetters);
}

}  // namespace

void ViewerApp::RebuildPieceLayer() {
  Blit(blankLayer, 0, 0, 800, 600, pieceLayer, 0, 0, 0, 0);
  for (int square = 0; square < 64; ++square) {
    bool white = false;
    const int kind = PieceIndex(board[square], white);
    if (kind < 0) continue;
    const int row = square / 8;
    const int file = square % 8;
    Blit(white ? whitePieces[kind] : blackPieces[kind], 0, 0, 48, 100, pieceLayer,
         static_cast<int16_t>(101 + 50 * file), static_cast<int16_t>(50 + 50 * row), 0, 1);
  }
}

void ViewerApp::DrawText(const char* text, int16_t count, int16_t x, int16_t y, LPDIRECTDRAWSURFACE target) {
  const size_t length = text != nullptr ? strnlen(text, count > 0 ? count : 0) : 0;
  for (int i = 0; i < count; ++i) {
    const unsigned char cell = i < static_cast<int>(length) ? static_cast<unsigned char>(text[i]) : 0;
    Blit(glyphs[cell], 0, 0, 16, 24, target, static_cast<int16_t>(x + 16 * i), y, 0, 0);
  }
}

// Entry i of a tray stands in row i / 4 and column i % 4; rows 0 and 2 are
// shifted right by 28, and later entries overlap earlier ones.
void ViewerApp::DrawTray(int16_t side) {
  static const int16_t kColumns[4] = {549, 604, 659, 714};
  static const int16_t kWhiteRows[4] = {26, 51, 76, 101};
  static const int16_t kBlackRows[4] = {362, 387, 412, 437};
  const bool white = side == kWhite;
  const int16_t* tray = white ? capturedWhite : capturedBlack;
  for (int i = 0; i < kTraySize; ++i) {
    const int16_t kind = tray[i];
    if (kind < 0 || kind >= kPieceKinds) continue;  // empty slot
    const int row = i / 4;
    const int column = i % 4;
    const int16_t x = static_cast<int16_t>(kColumns[column] + (row % 2 == 0 ? 28 : 0));
    const int16_t y = white ? kWhiteRows[row] : kBlackRows[row];
    Blit(white ? whitePieces[kind] : blackPieces[kind], 0, 0, 48, 100, sceneBackground, x, y, 0, 1);
  }
}

void ViewerApp::TrayChanged(int16_t side) { DrawTray(side); }
