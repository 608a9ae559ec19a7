// The play driver: one ply per tick of the play timer, the waits at the
// start and the end of each game, the keys, and the start of every game
// (the next one or a random one). The chess state plays each ply and says
// what it did; the driver starts the ply's slide and lights its lamps.
#include <cstdio>
#include <cstring>

#include "common/frame_geometry.h"
#include "viewer/frame/evidence_log.h"
#include "viewer/show/text_encoding.h"
#include "viewer/show/viewer_app.h"

void ViewerApp::OnTimer() {
  if (chess_.gameState() == ChessState::kPlaying && frameRate_.Measured()) {
    if (play_.plyWaitCount < options_.openingWait) {
      ++play_.plyWaitCount;
    } else if (PlyHeldForTicker()) {
      ++play_.plyWaitCount;
      RestoreUsualTimer();
    } else if (play_.paused != 0) {
      RestoreUsualTimer();
    } else if (LiveGameWaits()) {
      RestoreUsualTimer();
    } else if (!RealPaceWaits()) {
      AdvancePly();
    }
  } else if (chess_.gameState() >= ChessState::kGameOver) {
    RestoreUsualTimer();
    ++play_.endWaitCount;
    if (play_.endWaitCount >= options_.gameEndWait) NewGame(0);
  }
}

// The first ply waits for the game's announcements, and with "wait for
// announcements" on every ply waits for the comment on show to run through.
bool ViewerApp::PlyHeldForTicker() const {
  if (play_.holdForTicker == 1 && !ticker_.done()) return true;
  return options_.holdForTicker == 1 && !ticker_.commentDone();
}

void ViewerApp::RestoreUsualTimer() {
  if (play_.timerPeriodMs != 0) SetPlayTimer(PlayTimerPeriodMs());
}

void ViewerApp::OnKeyDown(WPARAM virtualKey, LPARAM /*keyData*/) {
  const bool afterIntro = frameRate_.Measured();
  const bool playing = chess_.gameState() == ChessState::kPlaying;
  switch (virtualKey) {
    case VK_RETURN:
      if (afterIntro && chess_.gameState() != ChessState::kStopping) NewGame(0);
      break;
    case VK_ESCAPE:
      chess_.StopPlaying();
      ReleaseResources();
      PostMessageA(appWindow, WM_CLOSE, 0, 0);
      break;
    case VK_LEFT:
      if (playing && afterIntro && chess_.PliesBeforeShown() >= 0) TakeBackPly();
      break;
    case VK_RIGHT:
      if (playing && afterIntro) {
        play_.holdForTicker = 0;
        AdvancePly();
        play_.plyWaitCount = options_.openingWait;
      }
      break;
    case VK_UP:
    case VK_DOWN: play_.paused = static_cast<int16_t>(1 - play_.paused); break;
    default: break;
  }
}

void ViewerApp::OnKeyUp(WPARAM /*virtualKey*/, LPARAM /*keyData*/) {}

void ViewerApp::NewGame(int16_t sameGame) {
  if (sameGame == 0) {
    ChooseRandomLayout();
    LoadSurfaces();
  }
  RestartScene();
  if (sameGame == 0) {
    if (options_.randomOrder == 1) {
      games_.SetCurrentGame(static_cast<int16_t>(random_.Choose(games_.lastGameIndex() + 1)));
    }
    int16_t game = static_cast<int16_t>(games_.currentGame() + 1);
    if (game > games_.lastGameIndex() + 1) game = 1;
    games_.SetCurrentGame(game);
    games_.LoadGame(static_cast<int16_t>(game - 1));
    TakeShownHeaders();
    if (static_cast<size_t>(game - 1) < live_.knownPlies.size()) {
      live_.knownPlies[static_cast<size_t>(game - 1)] = games_.plyCounts()[static_cast<size_t>(game - 1)];
    }
    NoteEvidence("game", game);
  }
  StartGameNotes();
  ticker_.SkipEmptyFirstLines();
  chess_.StartGame(games_.gameStart());
  RestoreUsualTimer();
  // The lamp of the side whose ply comes first.
  scene_.lampSide = chess_.FirstMover() == ChessState::kWhite ? 1 : 0;
  play_.endWaitCount = 0;
  play_.plyWaitCount = 0;
  DrawNamesAndNumbers(surfaces_.sceneBackground);
  RebuildPieceLayer();
  if (sameGame == 0) {
    Blit(surfaces_.sceneBackground, 0, 0, frame_geometry::kFrameWidth, frame_geometry::kFrameHeight,
         surfaces_.backgroundCopy, 0, 0, 0, 0);
  }
}

// What starting the loaded game, or starting it over for a take-back, does
// to the scene and the waits.
void ViewerApp::RestartScene() {
  play_.holdForTicker = options_.holdForTicker;
  scene_.resultSoundDone = 0;
  scene_.resultCount = 0;
  scene_.blinkCount = 0;
  scene_.glowPhase = 0;
  scene_.glowState = 0;
  frameRate_.framesThisSecond = 0;
  // A ply of the previous position may still be sliding or settling.
  scene_.animFrame = 0;
  scene_.settleCount = 0;
  scene_.checkCount = 0;
  scene_.rookSlideWaits = false;
  scene_.standingShown = false;
}

// With random layouts on, a stored look replaces the art settings.
void ViewerApp::ChooseRandomLayout() {
  if (options_.randomLayouts != 1 || layouts_.layoutCount <= 0) return;
  art_ = ArtSelection::FromLayout(layouts_.At(random_.Choose(layouts_.layoutCount)));
}

void ViewerApp::TakeShownHeaders() {
  for (int line = 0; line < GameIndex::kHeaderLineCount; ++line) {
    std::memcpy(shownHeaders_[line], games_.headerLine(line), sizeof shownHeaders_[line]);
    ConvertUtf8ToWindows1252(shownHeaders_[line], sizeof shownHeaders_[line]);
  }
}

// Players' names beside the board and the game numbers on the console.
void ViewerApp::DrawNamesAndNumbers(LPDIRECTDRAWSURFACE target) {
  using namespace frame_geometry;
  DrawPlayerNames(target);
  char number[16];
  std::snprintf(number, sizeof number, "%5d", games_.currentGame());
  DrawText(number, kGameNumberField.cells, kGameNumberField.x, kGameNumberField.y, target);
  std::snprintf(number, sizeof number, "%5d", games_.lastGameIndex() + 1);
  DrawText(number, kGameCountField.cells, kGameCountField.x, kGameCountField.y, target);
}

// What the start of every ply does to the scene and the waits, before the
// ply itself is played.
void ViewerApp::BeginPlyScene() {
  scene_.lift = 0;
  scene_.glowPhase = 8;
  scene_.glowState = 20;
  scene_.checkCount = 0;
  scene_.rookSlideWaits = false;
  scene_.standingShown = false;
  play_.plyWaitCount = static_cast<int16_t>(options_.openingWait + 1);
}

void ViewerApp::StartSlide(const PlyOutcome& outcome) {
  scene_.lampSide = outcome.side == ChessState::kWhite ? 1 : 0;
  scene_.settleCount = 0;
  // A null move has nothing to slide: it lands at the next frame.
  scene_.animFrame = options_.animate == 1 && !outcome.nullMove ? 1 : -1;
  scene_.plyAnimation = outcome.animation;
  if (outcome.secondSlide && scene_.animFrame > 0) {
    scene_.rookSlideWaits = true;
    scene_.rookSlide = outcome.rookAnimation;
    scene_.standingShown = true;
    scene_.standing = outcome.rookAnimation;
  }
}

void ViewerApp::AdvancePly() {
  BeginPlyScene();
  // The log gets the first ply of a game as it is shown.
  if (chess_.NextPlyIsFirstMove(games_.plies())) {
    games_.AppendFirstPlyLog(frameRate_.fps, play_.moveFrames, options_.delayMs);
  }
  const PlyOutcome outcome = chess_.AdvancePly(games_.plies());
  DrawTrays(outcome.trayChanges);
  if (outcome.resolved) {
    StartSlide(outcome);
    ShowPlyComment(outcome.plyIndex);
    NoteShownPly(outcome);
  }
  RebuildPieceLayer();
  AwaitNextPly();
}
