// UpdateFrame: composes one 800 x 600 frame from the prepared surfaces and
// presents it, and carries the time-driven side of play: the slide and the
// landing of the moving piece, the highlight glow, the event sounds and the
// result lamps.
#include <cstdio>

#include "viewer/show/viewer_app.h"

namespace {

// True when one more step along an axis reaches or passes its destination.
bool StepReaches(float position, float step, float destination) {
  return (step > 0 && position + step >= destination) || (step < 0 && position + step <= destination);
}

int16_t Truncated(float value) { return static_cast<int16_t>(value); }

// Where RebuildPieceLayer can draw: sprites at (101 + 50f, 50 + 50r), 48 x 100.
constexpr int16_t kPieceAreaX = 101;
constexpr int16_t kPieceAreaY = 50;
constexpr int16_t kPieceAreaWidth = 7 * 50 + 48;
constexpr int16_t kPieceAreaHeight = 7 * 50 + 100;

// The program's own waves for the events of a ply, each a choice of three.
constexpr int16_t kCaptureSounds[3] = {130, 131, 132};
constexpr int16_t kMoveSounds[3] = {137, 138, 139};
constexpr int16_t kSettleSounds[3] = {127, 126, 125};
constexpr int16_t kCheckSounds[3] = {133, 134, 135};

}  // namespace

void ViewerApp::UpdateFrame() {
  LPDIRECTDRAWSURFACE target = fullScreenCopy == 1 ? backBuffer : offscreenFrame;
  Blit(sceneBackground, 0, 0, 800, 600, target, 0, 0, 0, 0);
  StepSlide();
  StepSettling();
  StepCheckSound();
  StepResultSound();
  StepGlow();
  DrawHighlights(target);
  // Standing pieces lie within the board's sprite area; the rest of the
  // layer is transparent black and need not be copied.
  Blit(pieceLayer, kPieceAreaX, kPieceAreaY, kPieceAreaWidth, kPieceAreaHeight, target, kPieceAreaX, kPieceAreaY, 0, 1);
  DrawMovingPiece(target);
  DrawTurnLamps(target);
  DrawResultLamps(target);
  MeasureFrameRate();
  DrawConsoleText(target);
  DrawTickerOrIntro(target);
  Present();
}

// Counts the slide's frames and lands the ply when its time is up, when the
// piece arrives, or at once for a ply that does not slide.
void ViewerApp::StepSlide() {
  if (animFrame == 0) return;
  bool arrived = false;
  if (animFrame > 0) {
    ++animFrame;
    arrived = StepReaches(plyAnimation.fromX, plyAnimation.stepX, plyAnimation.toX) ||
              StepReaches(plyAnimation.fromY, plyAnimation.stepY, plyAnimation.toY);
  }
  if (animFrame > moveFrames || arrived || animFrame < 0) LandPly();
}

void ViewerApp::LandPly() {
  animFrame = 0;
  const bool captured = ApplyPendingSquares();
  if (captured) {
    PlayOneOf(kCaptureSounds);
  } else if (castlingFlag == 1) {
    PlayViewerSound(147);
  } else {
    PlayOneOf(kMoveSounds);
  }
  pendingApplied = 1;
  settleCount = 1;
  glowPhase = 0;
  RebuildPieceLayer();
}

// A while after the landing: the highlight rises, the turn lamp changes
// sides with its sound, and check and result get their turn.
void ViewerApp::StepSettling() {
  if (settleCount <= 0) return;
  ++settleCount;
  const int32_t glowDelay = fps * delayMs / 500;
  if (settleCount <= glowDelay * 0.15) return;
  glowState = 0;
  if (noTrayFeed == 0) {
    lampSide = whiteShown == 1 ? 0 : 1;
    PlayOneOf(kSettleSounds);
  }
  settleCount = 0;
  if (checkFlag == 1) checkCount = 1;
  if (whiteWon == 1 || blackWon == 1 || drawn == 1) ++resultCount;
}

void ViewerApp::StepCheckSound() {
  if (checkCount <= 0) return;
  ++checkCount;
  if (checkCount <= moveFrames * 0.1) return;
  if (checkFlag == 1) PlayOneOf(kCheckSounds);
  checkCount = 0;
}

void ViewerApp::StepResultSound() {
  if (resultSoundDone != 0 || (whiteWon != 1 && blackWon != 1 && drawn != 1)) return;
  ++resultCount;
  if (resultCount <= moveFrames * 0.05) return;
  if (whiteWon == 1) {
    PlayViewerSound(140);
  } else if (blackWon == 1) {
    PlayViewerSound(129);
  } else {
    PlayViewerSound(136);
  }
  resultSoundDone = 1;
}

// The highlight fades out (state 20) when a ply starts and rises (state 0)
// once it has settled, half a frame of the animation per frame.
void ViewerApp::StepGlow() {
  if (glowPhase >= 9) return;
  if (glowState == 20) {
    glowPhase -= 0.5f;
    if (glowPhase == 0) glowState = 19;
  } else if (glowState == 0) {
    glowPhase += 0.5f;
    if (glowPhase > 8) glowPhase = 8;
  }
  if (glowPhase < 0) glowPhase = 0;
}

void ViewerApp::DrawHighlights(LPDIRECTDRAWSURFACE target) {
  if (highlightMoves != 1) return;
  const int frame = static_cast<int>(glowPhase);
  for (int square = 0; square < 64; ++square) {
    if (squareMarks[square] != kTouchedMark) continue;
    const int row = square / 8;
    const int file = square % 8;
    const int lightOffset = (row + file) % 2 == 0 ? 9 : 0;
    Blit(highlightFrames[frame + lightOffset], 0, 0, 50, 50, target, static_cast<int16_t>(100 + 50 * file),
         static_cast<int16_t>(100 + 50 * row), 0, 1);
  }
}

// The sliding piece over its shadow, lifted in the first half of its path
// and set down in the second.
void ViewerApp::DrawMovingPiece(LPDIRECTDRAWSURFACE target) {
  if (animFrame <= 0 || animFrame > moveFrames) return;
  PlyAnimation& a = plyAnimation;
  a.fromX += a.stepX;
  a.fromY += a.stepY;
  const bool pastMiddle = (a.stepX > 0 && a.fromX > a.midX) || (a.stepX < 0 && a.fromX < a.midX) ||
                          (a.stepY > 0 && a.fromY > a.midY) || (a.stepY < 0 && a.fromY < a.midY);
  const bool shortOfMiddle = (a.stepX > 0 && a.fromX < a.midX) || (a.stepX < 0 && a.fromX > a.midX) ||
                             (a.stepY > 0 && a.fromY < a.midY) || (a.stepY < 0 && a.fromY > a.midY);
  if (pastMiddle) {
    lift = static_cast<int16_t>(lift + liftStep);
  } else if (shortOfMiddle) {
    lift = static_cast<int16_t>(lift - liftStep);
  }
  liftShown = lift;
  if (liftShown < -liftMax) liftShown = static_cast<int16_t>(-liftMax);
  if (liftShown > 0) liftShown = 0;

  const int kind = a.pieceKind;
  const bool white = whiteShown == 1;
  const int16_t x = Truncated(a.fromX);
  const int16_t y = Truncated(a.fromY);
  Blit(white ? whiteShadows[kind] : blackShadows[kind], 0, 0, 48, 100, target, x, y, 0, 1);
  Blit(white ? whitePieces[kind] : blackPieces[kind], 0, 0, 48, 100, target, x, static_cast<int16_t>(y + liftShown), 0,
       1);
}

void ViewerApp::DrawTurnLamps(LPDIRECTDRAWSURFACE target) {
  const int top = lampSide == 1 ? 1 : 0;
  Blit(turnLamps[top], 0, 0, 30, 30, target, 656, 206, 0, 1);
  Blit(turnLamps[1 - top], 0, 0, 30, 30, target, 656, 359, 0, 1);
}

// The winner's lamp blinks in periods of 20 frames on the side of that
// player's name; a draw blinks both.
void ViewerApp::DrawResultLamps(LPDIRECTDRAWSURFACE target) {
  if (whiteWon == 1 || blackWon == 1 || drawn == 1) ++blinkCount;
  const bool lit = (blinkCount / 20) % 2 == 0;
  int top = 0;
  int bottom = 0;
  if (lit && blackWon == 1) {
    top = 1;
  } else if (lit && whiteWon == 1) {
    bottom = 1;
  } else if (lit && drawn == 1) {
    top = bottom = 2;
  }
  Blit(resultLamps[top], 0, 0, 36, 25, target, 549, 17, 0, 1);
  Blit(resultLamps[bottom], 0, 0, 36, 25, target, 549, 557, 0, 1);
}

void ViewerApp::DrawConsoleText(LPDIRECTDRAWSURFACE target) {
  char number[16];
  std::snprintf(number, sizeof number, "%3d", moveNumber);
  DrawText(number, 3, 614, 244, target);
  DrawText(plyDisplayText, 7, 674, 244, target);
}

void ViewerApp::Present() {
  if (fullScreenCopy == 1) {
    FlipSurfaces();
  } else {
    PresentWindowed(offscreenFrame);
  }
  ++framesThisSecond;
}
