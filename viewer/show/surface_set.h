// SurfaceSet: the viewer's fixed set of off-screen surfaces, made once at
// start-up and refilled with pictures at every new game. Pure black is the
// transparent colour of all of them.
#pragma once

#include "platform/win32.h"

struct SurfaceSet {
  static constexpr int kLitTurnLamp = 0;
  static constexpr int kUnlitTurnLamp = 1;
  static constexpr int kHighlightFrameCount = 18;
  static constexpr int kGlyphCount = 256;
  static constexpr int kPieceKinds = 6;

  LPDIRECTDRAWSURFACE offscreenFrame = nullptr;  // windowed mode only
  LPDIRECTDRAWSURFACE sceneBackground = nullptr;
  LPDIRECTDRAWSURFACE backgroundCopy = nullptr;
  LPDIRECTDRAWSURFACE pieceLayer = nullptr;
  LPDIRECTDRAWSURFACE loadScratch = nullptr;
  LPDIRECTDRAWSURFACE boardSurface = nullptr;
  LPDIRECTDRAWSURFACE turnLamps[2] = {};  // kLitTurnLamp, kUnlitTurnLamp
  LPDIRECTDRAWSURFACE resultLamps[3] = {};
  LPDIRECTDRAWSURFACE blankLayer = nullptr;
  LPDIRECTDRAWSURFACE highlightFrames[kHighlightFrameCount] = {};
  LPDIRECTDRAWSURFACE glyphs[kGlyphCount] = {};
  LPDIRECTDRAWSURFACE whitePieces[kPieceKinds] = {};
  LPDIRECTDRAWSURFACE whiteShadows[kPieceKinds] = {};
  LPDIRECTDRAWSURFACE blackPieces[kPieceKinds] = {};
  LPDIRECTDRAWSURFACE blackShadows[kPieceKinds] = {};
};
