// UpdateFrame: composes one 800 x 600 frame from the prepared surfaces and
// presents it, and carries the time-driven side of play: the slide and the
// landing of the moving piece, the highlight glow, the event sounds and the
// result lamps.
#include <cstdio>

#include "art/resource_catalog.h"
#include "common/frame_geometry.h"
#include "viewer/show/slide_arrival.h"
#include "viewer/show/viewer_app.h"

using namespace frame_geometry;

namespace {

int16_t Truncated(float value) { return static_cast<int16_t>(value); }

// The program's own waves for the events of a ply, each a choice of three.
constexpr int16_t kCaptureSounds[3] = {IDW_CAPTURE_1, IDW_CAPTURE_2, IDW_CAPTURE_3};
constexpr int16_t kMoveSounds[3] = {IDW_LANDING_1, IDW_LANDING_2, IDW_LANDING_3};
constexpr int16_t kSettleSounds[3] = {IDW_SETTLE_3, IDW_SETTLE_2, IDW_SETTLE_1};
constexpr int16_t kCheckSounds[3] = {IDW_CHECK_1, IDW_CHECK_2, IDW_CHECK_3};

}  // namespace

void ViewerApp::UpdateFrame() {
  StepLiveFile();
  LPDIRECTDRAWSURFACE target = options_.fullScreenCopy == 1 ? backBuffer : surfaces_.offscreenFrame;
  Blit(surfaces_.sceneBackground, 0, 0, kFrameWidth, kFrameHeight, target, 0, 0, 0, 0);
  StepSlide();
  StepSettling();
  StepCheckSound();
  StepResultSound();
  StepGlow();
  DrawHighlights(target);
  // Standing pieces lie within the board's sprite area; the rest of the
  // layer is transparent black and need not be copied.
  Blit(surfaces_.pieceLayer, kPieceArea.x, kPieceArea.y, kPieceArea.width, kPieceArea.height, target, kPieceArea.x,
       kPieceArea.y, 0, 1);
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
  if (scene_.animFrame == 0) return;
  bool arrived = false;
  if (scene_.animFrame > 0) {
    ++scene_.animFrame;
    arrived = SlideArrives(scene_.plyAnimation);
  }
  if (scene_.animFrame > play_.moveFrames || arrived || scene_.animFrame < 0) {
    if (scene_.rookSlideWaits && scene_.animFrame > 0) {
      StartRookSlide();
    } else {
      LandPly();
    }
  }
}

// The king of a Chess960 castling has arrived: it stays there, and the rook slides.
void ViewerApp::StartRookSlide() {
  scene_.standing = scene_.plyAnimation;
  scene_.standing.fromX = scene_.plyAnimation.toX;
  scene_.standing.fromY = scene_.plyAnimation.toY;
  scene_.plyAnimation = scene_.rookSlide;
  scene_.rookSlideWaits = false;
  scene_.animFrame = 1;
  scene_.lift = 0;
}

void ViewerApp::LandPly() {
  scene_.animFrame = 0;
  scene_.rookSlideWaits = false;
  scene_.standingShown = false;
  const TrayChanges fed = chess_.LandPendingSquares();
  DrawTrays(fed);
  if (fed.Any()) {
    PlayOneOf(kCaptureSounds);
  } else if (chess_.castlingFlag() == 1) {
    PlayViewerSound(IDW_CASTLING);
  } else {
    PlayOneOf(kMoveSounds);
  }
  scene_.settleCount = 1;
  scene_.glowPhase = 0;
  RebuildPieceLayer();
  ShowClocksAfter(chess_.PliesShown());
}

// A while after the landing: the highlight rises, the turn lamp changes
// sides with its sound, and check and result get their turn.
void ViewerApp::StepSettling() {
  if (scene_.settleCount <= 0) return;
  ++scene_.settleCount;
  const int32_t glowDelay = frameRate_.fps * options_.delayMs / 500;
  if (scene_.settleCount <= glowDelay * 0.15) return;
  scene_.glowState = 0;
  if (chess_.noTrayFeed() == 0) {
    scene_.lampSide = chess_.whiteShown() == 1 ? 0 : 1;
    PlayOneOf(kSettleSounds);
  }
  scene_.settleCount = 0;
  if (chess_.checkFlag() == 1) scene_.checkCount = 1;
  if (chess_.HasResult()) ++scene_.resultCount;
}

void ViewerApp::StepCheckSound() {
  if (scene_.checkCount <= 0) return;
  ++scene_.checkCount;
  if (scene_.checkCount <= play_.moveFrames * 0.1) return;
  if (chess_.checkFlag() == 1) PlayOneOf(kCheckSounds);
  scene_.checkCount = 0;
}

void ViewerApp::StepResultSound() {
  if (scene_.resultSoundDone != 0 || !chess_.HasResult()) return;
  ++scene_.resultCount;
  if (scene_.resultCount <= play_.moveFrames * 0.05) return;
  if (chess_.whiteWon() == 1) {
    PlayViewerSound(IDW_WHITE_WINS);
  } else if (chess_.blackWon() == 1) {
    PlayViewerSound(IDW_BLACK_WINS);
  } else {
    PlayViewerSound(IDW_DRAWN);
  }
  scene_.resultSoundDone = 1;
}

// The highlight fades out (state 20) when a ply starts and rises (state 0)
// once it has settled, half a frame of the animation per frame.
void ViewerApp::StepGlow() {
  if (scene_.glowPhase >= 9) return;
  if (scene_.glowState == 20) {
    scene_.glowPhase -= 0.5f;
    if (scene_.glowPhase == 0) scene_.glowState = 19;
  } else if (scene_.glowState == 0) {
    scene_.glowPhase += 0.5f;
    if (scene_.glowPhase > 8) scene_.glowPhase = 8;
  }
  if (scene_.glowPhase < 0) scene_.glowPhase = 0;
}

void ViewerApp::DrawHighlights(LPDIRECTDRAWSURFACE target) {
  if (options_.highlightMoves != 1) return;
  const int frame = static_cast<int>(scene_.glowPhase);
  for (int square = 0; square < 64; ++square) {
    if (chess_.squareMarks()[square] != kTouchedMark) continue;
    const int row = square / 8;
    const int file = square % 8;
    // Frames 0 to 8 are for dark squares, 9 to 17 for light ones.
    const int lightOffset = (row + file) % 2 == 0 ? SurfaceSet::kHighlightFrameCount / 2 : 0;
    const ScreenRect place = SquareRect(row, file);
    Blit(surfaces_.highlightFrames[frame + lightOffset], 0, 0, place.width, place.height, target, place.x, place.y, 0,
         1);
  }
}

// The sliding piece over its shadow, lifted in the first half of its path
// and set down in the second.
void ViewerApp::DrawMovingPiece(LPDIRECTDRAWSURFACE target) {
  if (scene_.animFrame <= 0 || scene_.animFrame > play_.moveFrames) return;
  PlyAnimation& a = scene_.plyAnimation;
  a.fromX += a.stepX;
  a.fromY += a.stepY;
  const bool pastMiddle = (a.stepX > 0 && a.fromX > a.midX) || (a.stepX < 0 && a.fromX < a.midX) ||
                          (a.stepY > 0 && a.fromY > a.midY) || (a.stepY < 0 && a.fromY < a.midY);
  const bool shortOfMiddle = (a.stepX > 0 && a.fromX < a.midX) || (a.stepX < 0 && a.fromX > a.midX) ||
                             (a.stepY > 0 && a.fromY < a.midY) || (a.stepY < 0 && a.fromY > a.midY);
  if (pastMiddle) {
    scene_.lift = static_cast<int16_t>(scene_.lift + options_.liftStep);
  } else if (shortOfMiddle) {
    scene_.lift = static_cast<int16_t>(scene_.lift - options_.liftStep);
  }
  scene_.liftShown = scene_.lift;
  if (scene_.liftShown < -options_.liftMax) scene_.liftShown = static_cast<int16_t>(-options_.liftMax);
  if (scene_.liftShown > 0) scene_.liftShown = 0;

  const int kind = a.pieceKind;
  const bool white = chess_.whiteShown() == 1;
  if (scene_.standingShown) {
    const PlyAnimation& s = scene_.standing;
    Blit(white ? surfaces_.whitePieces[s.pieceKind] : surfaces_.blackPieces[s.pieceKind], 0, 0, kSpriteWidth,
         kSpriteHeight, target, Truncated(s.fromX), Truncated(s.fromY), 0, 1);
  }
  const int16_t x = Truncated(a.fromX);
  const int16_t y = Truncated(a.fromY);
  Blit(white ? surfaces_.whiteShadows[kind] : surfaces_.blackShadows[kind], 0, 0, kSpriteWidth, kSpriteHeight, target,
       x, y, 0, 1);
  Blit(white ? surfaces_.whitePieces[kind] : surfaces_.blackPieces[kind], 0, 0, kSpriteWidth, kSpriteHeight, target, x,
       static_cast<int16_t>(y + scene_.liftShown), 0, 1);
}

void ViewerApp::DrawTurnLamps(LPDIRECTDRAWSURFACE target) {
  int top = scene_.lampSide == 1 ? 1 : 0;
  int bottom = 1 - top;
  // A live game waiting for its next ply: the lamp of the side to move blinks.
  live_.waitFrames = live_.waiting ? live_.waitFrames + 1 : 0;
  if (live_.waiting && (live_.waitFrames / 20) % 2 == 1) top = bottom = SurfaceSet::kUnlitTurnLamp;
  Blit(surfaces_.turnLamps[top], 0, 0, kTopTurnLamp.width, kTopTurnLamp.height, target, kTopTurnLamp.x, kTopTurnLamp.y,
       0, 1);
  Blit(surfaces_.turnLamps[bottom], 0, 0, kBottomTurnLamp.width, kBottomTurnLamp.height, target, kBottomTurnLamp.x,
       kBottomTurnLamp.y, 0, 1);
}

// The winner's lamp blinks in periods of 20 frames on the side of that
// player's name; a draw blinks both.
void ViewerApp::DrawResultLamps(LPDIRECTDRAWSURFACE target) {
  if (chess_.HasResult()) ++scene_.blinkCount;
  const bool lit = (scene_.blinkCount / 20) % 2 == 0;
  int top = 0;
  int bottom = 0;
  if (lit && chess_.blackWon() == 1) {
    top = 1;
  } else if (lit && chess_.whiteWon() == 1) {
    bottom = 1;
  } else if (lit && chess_.drawn() == 1) {
    top = bottom = 2;
  }
  Blit(surfaces_.resultLamps[top], 0, 0, kTopResultLamp.width, kTopResultLamp.height, target, kTopResultLamp.x,
       kTopResultLamp.y, 0, 1);
  Blit(surfaces_.resultLamps[bottom], 0, 0, kBottomResultLamp.width, kBottomResultLamp.height, target,
       kBottomResultLamp.x, kBottomResultLamp.y, 0, 1);
}

void ViewerApp::DrawConsoleText(LPDIRECTDRAWSURFACE target) {
  char number[16];
  std::snprintf(number, sizeof number, "%3d", chess_.moveNumber());
  DrawText(number, kMoveNumberField.cells, kMoveNumberField.x, kMoveNumberField.y, target);
  DrawText(chess_.plyDisplayText(), kPlyField.cells, kPlyField.x, kPlyField.y, target);
  DrawClocks(target);
}

void ViewerApp::Present() {
  if (options_.fullScreenCopy == 1) {
    FlipSurfaces();
  } else {
    PresentWindowed(surfaces_.offscreenFrame);
  }
  ++frameRate_.framesThisSecond;
}
