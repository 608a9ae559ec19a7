// The play driver: one ply per tick of the play timer, the waits at the
// start and the end of each game, the keys, and the start of every game
// (the next one, a random one, or the loaded one again for a take-back).
#include <cstdio>
#include <cstring>

#include "viewer/frame/evidence_log.h"
#include "viewer/show/text_encoding.h"
#include "viewer/show/viewer_app.h"

namespace {

enum VirtualKey : WPARAM {
  kKeyEnter = 13,
  kKeyEscape = 27,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
};

}  // namespace

void ViewerApp::OnTimer() {
  if (gameState == kPlaying && secondsCounted > 7) {
    if (plyWaitCount < openingWait) {
      ++plyWaitCount;
    } else if (holdForTicker == 1 && tickerDone == 0) {
      ++plyWaitCount;
    } else if (paused == 0) {
      AdvancePly();
    }
  } else if (gameState >= kGameOver) {
    ++endWaitCount;
    if (endWaitCount >= gameEndWait) NewGame(0);
  }
}

void ViewerApp::OnKeyDown(WPARAM virtualKey, LPARAM /*keyData*/) {
  const bool afterIntro = secondsCounted > 7;
  switch (virtualKey) {
    case kKeyEnter:
      if (afterIntro && gameState != kStopping) NewGame(0);
      break;
    case kKeyEscape:
      gameState = kStopping;
      ReleaseResources();
      PostMessageA(appWindow, WM_CLOSE, 0, 0);
      break;
    case kKeyLeft:
      if (gameState == kPlaying && afterIntro && (moveNumber != 0 || sideToMove != 0)) {
        TakeBackPly();
      }
      break;
    case kKeyRight:
      if (gameState == kPlaying && afterIntro) {
        holdForTicker = 0;
        AdvancePly();
        plyWaitCount = openingWait;
      }
      break;
    case kKeyUp:
    case kKeyDown: paused = static_cast<int16_t>(1 - paused); break;
    default: break;
  }
}

void ViewerApp::OnKeyUp(WPARAM /*virtualKey*/, LPARAM /*keyData*/) {}

void ViewerApp::NewGame(int16_t sameGame) {
  holdForTicker = savedHoldForTicker;
  if (sameGame == 0) {
    ChooseRandomLayout();
    LoadSurfaces();
  }
  resultSoundDone = 0;
  resultCount = 0;
  std::memset(plyDisplayText, 0, sizeof plyDisplayText);
  blinkCount = 0;
  glowPhase = 0;
  glowState = 0;
  framesThisSecond = 0;
  // A ply of the previous position may still be sliding or settling.
  animFrame = 0;
  settleCount = 0;
  checkCount = 0;
  if (sameGame == 0) {
    tickerLine = 0;
    tickerPos = -15;
    tickerDone = 0;
    std::memset(tickerText, 0, sizeof tickerText);
    if (randomOrder == 1) currentGame = static_cast<int16_t>(random.Choose(lastGameIndex + 1));
    ++currentGame;
    if (currentGame > lastGameIndex + 1) currentGame = 1;
    LoadGame(static_cast<int16_t>(currentGame - 1));
    for (char* line : headerLines) ConvertUtf8ToWindows1252(line, sizeof headerLines[0]);
    NoteEvidence("game", currentGame);
  }
  SkipEmptyFirstTickerLines();
  RestartBoard();
  lampSide = 1;
  endWaitCount = 0;
  plyWaitCount = 0;
  DrawNamesAndNumbers();
  RebuildPieceLayer();
  if (sameGame == 0) Blit(sceneBackground, 0, 0, 800, 600, backgroundCopy, 0, 0, 0, 0);
}

// With random layouts on, a stored look replaces the art settings.
void ViewerApp::ChooseRandomLayout() {
  if (randomLayouts != 1 || layouts.layoutCount <= 0) return;
  const LayoutRecord layout = layouts.At(random.Choose(layouts.layoutCount));
  blackPieceSet = static_cast<int8_t>(layout.blackPieceSet);
  whitePieceSet = static_cast<int8_t>(layout.whitePieceSet);
  backdropIndex = layout.backdropIndex;
  consolePicture = layout.consoleIndex;
  boardIndex = layout.boardIndex;
  consoleStyle = layout.consoleStyle;
}

// Players' names beside the board and the game numbers on the console.
void ViewerApp::DrawNamesAndNumbers() {
  const bool framedNames = consoleStyle == 8 || consoleStyle == 17;
  const int16_t nameX = framedNames ? 68 : 67;
  DrawText(headerLines[5], 29, nameX, framedNames ? 18 : 17, sceneBackground);
  DrawText(headerLines[4], 29, nameX, framedNames ? 558 : 557, sceneBackground);
  char number[16];
  std::snprintf(number, sizeof number, "%5d", currentGame);
  DrawText(number, 5, 566, 302, sceneBackground);
  std::snprintf(number, sizeof number, "%5d", lastGameIndex + 1);
  DrawText(number, 5, 698, 302, sceneBackground);
}

// --- GamePlay hooks ---

void ViewerApp::PlyAdvancing() {
  lift = 0;
  glowPhase = 8;
  glowState = 20;
  checkCount = 0;
  plyWaitCount = static_cast<int16_t>(openingWait + 1);
}

// The log gets the first ply of a game as shown, not again when a take-back
// replays it.
void ViewerApp::PlyResolving() {
  lampSide = whiteShown == 1 ? 1 : 0;
  if (whiteShown == 1 && moveNumber == 1 && replayingGame == 0) {
    AppendFirstPlyLog(fps, moveFrames, delayMs);
  }
}

void ViewerApp::PlyStarted() {
  settleCount = 0;
  animFrame = animate == 1 ? 1 : -1;
  if (replayingGame == 0) NoteEvidence("ply", plyDisplayText);
}

// The take-back draws the pieces once, after its replay.
void ViewerApp::PlyAdvanced() {
  if (replayingGame == 0) RebuildPieceLayer();
}
