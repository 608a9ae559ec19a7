// Creation of the viewer's surface set, once at start-up.
#include "common/frame_geometry.h"
#include "viewer/show/viewer_app.h"

using namespace frame_geometry;

void ViewerApp::CreateSurfaces() {
  SurfaceSet& s = surfaces_;
  if (fullScreen == 0) s.offscreenFrame = CreateBitmapSurface(kFrameWidth, kFrameHeight);
  s.sceneBackground = CreateBitmapSurface(kFrameWidth, kFrameHeight);
  s.backgroundCopy = CreateBitmapSurface(kFrameWidth, kFrameHeight);
  s.pieceLayer = CreateBitmapSurface(kFrameWidth, kFrameHeight);
  s.loadScratch = CreateBitmapSurface(kFrameWidth, kFrameHeight);
  s.boardSurface = CreateBitmapSurface(kBoardPicture.width, kBoardPicture.height);
  for (LPDIRECTDRAWSURFACE& lamp : s.turnLamps) lamp = CreateBitmapSurface(kTopTurnLamp.width, kTopTurnLamp.height);
  for (LPDIRECTDRAWSURFACE& lamp : s.resultLamps) {
    lamp = CreateBitmapSurface(kTopResultLamp.width, kTopResultLamp.height);
  }
  s.blankLayer = CreateBitmapSurface(kFrameWidth, kFrameHeight);
  for (LPDIRECTDRAWSURFACE& frame : s.highlightFrames) frame = CreateBitmapSurface(kSquareSize, kSquareSize);
  for (LPDIRECTDRAWSURFACE& glyph : s.glyphs) glyph = CreateBitmapSurface(kGlyphWidth, kGlyphHeight);
  for (LPDIRECTDRAWSURFACE* set : {s.whitePieces, s.whiteShadows, s.blackPieces, s.blackShadows}) {
    for (int kind = 0; kind < SurfaceSet::kPieceKinds; ++kind) {
      set[kind] = CreateBitmapSurface(kSpriteWidth, kSpriteHeight);
    }
  }
}
