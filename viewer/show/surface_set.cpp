// Creation of the viewer's surface set, once at start-up.
#include "viewer/show/viewer_app.h"

void ViewerApp::CreateSurfaces() {
  if (fullScreen == 0) offscreenFrame = CreateBitmapSurface(800, 600);
  sceneBackground = CreateBitmapSurface(800, 600);
  backgroundCopy = CreateBitmapSurface(800, 600);
  pieceLayer = CreateBitmapSurface(800, 600);
  loadScratch = CreateBitmapSurface(800, 600);
  boardSurface = CreateBitmapSurface(480, 480);
  for (LPDIRECTDRAWSURFACE& lamp : turnLamps) lamp = CreateBitmapSurface(30, 30);
  for (LPDIRECTDRAWSURFACE& lamp : resultLamps) lamp = CreateBitmapSurface(36, 25);
  blankLayer = CreateBitmapSurface(800, 600);
  for (LPDIRECTDRAWSURFACE& frame : highlightFrames) frame = CreateBitmapSurface(50, 50);
  for (LPDIRECTDRAWSURFACE& glyph : glyphs) glyph = CreateBitmapSurface(16, 24);
  for (LPDIRECTDRAWSURFACE& sprite : whitePieces) sprite = CreateBitmapSurface(48, 100);
  for (LPDIRECTDRAWSURFACE& sprite : whiteShadows) sprite = CreateBitmapSurface(48, 100);
  for (LPDIRECTDRAWSURFACE& sprite : blackPieces) sprite = CreateBitmapSurface(48, 100);
  for (LPDIRECTDRAWSURFACE& sprite : blackShadows) sprite = CreateBitmapSurface(48, 100);
}
