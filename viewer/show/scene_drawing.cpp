// The prepared layers of the scene: the standing pieces, console text in
// glyph cells and the trays of captured pieces.
#include <cstring>

#include "common/frame_geometry.h"
#include "viewer/show/viewer_app.h"

using namespace frame_geometry;

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
  Blit(surfaces_.blankLayer, 0, 0, kFrameWidth, kFrameHeight, surfaces_.pieceLayer, 0, 0, 0, 0);
  const Board& board = chess_.board();
  for (int square = 0; square < 64; ++square) {
    bool white = false;
    const int kind = PieceIndex(board[square], white);
    if (kind < 0) continue;
    const ScreenPoint place = SpritePlace(square / 8, square % 8);
    Blit(white ? surfaces_.whitePieces[kind] : surfaces_.blackPieces[kind], 0, 0, kSpriteWidth, kSpriteHeight,
         surfaces_.pieceLayer, place.x, place.y, 0, 1);
  }
}

void ViewerApp::DrawText(const char* text, int16_t count, int16_t x, int16_t y, LPDIRECTDRAWSURFACE target) {
  const size_t length = text != nullptr ? strnlen(text, count > 0 ? count : 0) : 0;
  for (int i = 0; i < count; ++i) {
    const unsigned char cell = i < static_cast<int>(length) ? static_cast<unsigned char>(text[i]) : 0;
    Blit(surfaces_.glyphs[cell], 0, 0, kGlyphWidth, kGlyphHeight, target, static_cast<int16_t>(x + kGlyphWidth * i), y,
         0, 0);
  }
}

// Every entry of one tray onto the scene, later entries over earlier ones.
void ViewerApp::DrawTray(int16_t side) {
  const bool white = side == ChessState::kWhite;
  const int16_t* tray = white ? chess_.capturedWhite() : chess_.capturedBlack();
  for (int i = 0; i < kTraySize; ++i) {
    const int16_t kind = tray[i];
    if (kind < 0 || kind >= SurfaceSet::kPieceKinds) continue;  // empty slot
    const ScreenPoint place = TraySlotPlace(white, i);
    Blit(white ? surfaces_.whitePieces[kind] : surfaces_.blackPieces[kind], 0, 0, kSpriteWidth, kSpriteHeight,
         surfaces_.sceneBackground, place.x, place.y, 0, 1);
  }
}

void ViewerApp::DrawTrays(const TrayChanges& changes) {
  if (changes.white) DrawTray(ChessState::kWhite);
  if (changes.black) DrawTray(ChessState::kBlack);
}
