// The take-back of the ply most recently shown (Left arrow): the chess
// state replays the game quietly up to the ply before it, and the shown ply
// slides back over the scene as it was when the game started.
#include "common/frame_geometry.h"
#include "viewer/show/viewer_app.h"

void ViewerApp::TakeBackPly() {
  const PlyOutcome outcome = chess_.TakeBackPly(games_.plies());
  if (!outcome.takeBack) return;

  // The scene starts the loaded game over, without its trays, then stands
  // as the replayed plies left it.
  RestartScene();
  ticker_.SkipEmptyFirstLines();
  play_.endWaitCount = 0;
  play_.plyWaitCount = 0;
  Blit(surfaces_.backgroundCopy, 0, 0, frame_geometry::kFrameWidth, frame_geometry::kFrameHeight,
       surfaces_.sceneBackground, 0, 0, 0, 0);
  if (outcome.pliesReplayed > 0) {
    BeginPlyScene();
    scene_.settleCount = 0;
    scene_.animFrame = options_.animate == 1 ? 1 : -1;
  } else {
    scene_.animFrame = 1;
  }
  // A null move taken back has nothing to slide.
  if (outcome.nullMove) scene_.animFrame = -1;
  scene_.plyAnimation = outcome.animation;
  DrawTray(ChessState::kWhite);
  DrawTray(ChessState::kBlack);
  RebuildPieceLayer();
  // The lamp of the side whose ply slides back.
  scene_.lampSide = outcome.side == ChessState::kWhite ? 1 : 0;
  // The clocks and the comment as the ply before left them; in real pace
  // the ply taken back comes again after its time.
  ShowClocksAfter(outcome.pliesReplayed);
  ShowPlyComment(outcome.pliesReplayed - 1);
  AwaitNextPly();
}
