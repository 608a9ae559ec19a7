// The take-back of the ply most recently shown (Left arrow): the game is
// replayed up to the ply before it, and the shown ply slides back.
#include "viewer/show/viewer_app.h"

namespace {

int16_t FilledSlots(const int16_t (&tray)[kTraySize]) {
  int16_t count = 0;
  for (int16_t kind : tray) count = static_cast<int16_t>(count + (kind != kEmptyTraySlot));
  return count;
}

}  // namespace

void ViewerApp::TakeBackPly() {
  const int16_t replayed = GamePlay::TakeBackPly();
  replayingGame = 0;
  if (replayed < 0) return;
  if (replayed == 0) animFrame = 1;
  // The trays are those from before the shown ply; their counts follow
  // them, so that the next capture goes into the next free slot.
  capturedWhiteCount = FilledSlots(capturedWhite);
  capturedBlackCount = FilledSlots(capturedBlack);
  DrawTray(kWhite);
  DrawTray(kBlack);
  RebuildPieceLayer();
  lampSide = static_cast<int16_t>(lampSide == 1 ? 0 : 1);
  if (replayed == 0) lampSide = 1;
}

// The loaded game from its first position, on the scene as it was when the
// game started; the plies up to the shown one are replayed unseen.
void ViewerApp::RestartLoadedGame() {
  replayingGame = 1;
  NewGame(1);
  Blit(backgroundCopy, 0, 0, 800, 600, sceneBackground, 0, 0, 0, 0);
}
