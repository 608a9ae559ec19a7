// LoadSurfaces: fills the surface set with the pictures the art settings
// choose, from the art libraries or, where a library is missing, from the
// program's own resources. Runs at the start of every game.
#include "viewer/show/art_choice.h"
#include "viewer/show/viewer_app.h"

namespace {

constexpr char kLoadImageFailed[] = "LoadImage failed in Vizerid constructor.";

// A bitmap from LoadImageA, deleted when it goes out of scope.
class LoadedPicture {
 public:
  LoadedPicture(HMODULE module, int16_t id, int width, int height)
      : bitmap_(static_cast<HBITMAP>(
            LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION))) {}
  explicit LoadedPicture(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~LoadedPicture() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  LoadedPicture(const LoadedPicture&) = delete;
  LoadedPicture& operator=(const LoadedPicture&) = delete;

  HBITMAP get() const { return bitmap_; }
  // The bitmap, or FatalError when it could not be loaded.
  HBITMAP Checked() const {
    if (bitmap_ == nullptr) throw FatalError(kLoadImageFailed);
    return bitmap_;
  }

 private:
  HBITMAP bitmap_;
};

}  // namespace

void ViewerApp::LoadSurfaces() {
  LoadSceneBackground();

  {
    LoadedPicture blank(instance, kOwnBlank, 800, 600);
    CopyBitmapToSurface(blankLayer, blank.Checked(), 0, 0, 800, 600);
  }
  {
    const bool own = consolesLibrary == nullptr;
    LoadedPicture lamps(own ? instance : consolesLibrary,
                        own ? kOwnResultLamps : ResultLampLibraryPicture(consoleStyle), 108, 25);
    for (int i = 0; i < 3; ++i) CopyBitmapToSurface(resultLamps[i], lamps.Checked(), 36 * i, 0, 36, 25);
  }
  {
    LoadedPicture lamps(instance, kOwnTurnLamps, 60, 30);
    for (int i = 0; i < 2; ++i) CopyBitmapToSurface(turnLamps[i], lamps.get(), 30 * i, 0, 30, 30);
  }
  {
    LoadedPicture highlights(instance, kOwnHighlights, 450, 100);
    for (int row = 0; row < 2; ++row) {
      for (int k = 0; k < 9; ++k) {
        CopyBitmapToSurface(highlightFrames[9 * row + k], highlights.Checked(), 50 * k, 50 * row, 50, 50);
      }
    }
  }
  LoadPieceSprites();
  LoadFont();
}

HBITMAP ViewerApp::LoadPieceStrip(int8_t pieceSet) {
  if (piecesLibrary == nullptr) return nullptr;
  return static_cast<HBITMAP>(LoadImageA(piecesLibrary, MAKEINTRESOURCEA(PieceStripLibraryPicture(pieceSet)),
                                         IMAGE_BITMAP, 288, 100, LR_CREATEDIBSECTION));
}

// Backdrop, console picture (with the extra overlay of two console styles)
// and board, composed into sceneBackground.
void ViewerApp::LoadSceneBackground() {
  {
    BackdropChoice choice = BackdropPicture(backdropIndex);
    HMODULE module = choice.ownPicture ? instance : backdropsLibrary;
    if (backdropsLibrary == nullptr) choice.id = kOwnBackdrop, module = instance;
    LoadedPicture backdrop(module, choice.id, 800, 600);
    CopyBitmapToSurface(sceneBackground, backdrop.Checked(), 0, 0, 800, 600);
  }
  {
    const bool own = consolesLibrary == nullptr;
    LoadedPicture console(own ? instance : consolesLibrary, own ? kOwnConsole : ConsoleLibraryPicture(consolePicture),
                          800, 600);
    CopyBitmapToSurface(loadScratch, console.Checked(), 0, 0, 800, 600);
    Blit(loadScratch, 0, 0, 800, 600, sceneBackground, 0, 0, 0, 1);
  }
  if (consolesLibrary != nullptr && ConsoleStyleHasOverlay(consoleStyle)) {
    LoadedPicture overlay(consolesLibrary, kConsoleOverlayPicture, 800, 600);
    CopyBitmapToSurface(loadScratch, overlay.Checked(), 0, 0, 800, 600);
    Blit(loadScratch, 0, 0, 800, 600, sceneBackground, 0, 0, 0, 1);
  }
  {
    const bool own = boardsLibrary == nullptr;
    LoadedPicture board(own ? instance : boardsLibrary, own ? kOwnBoard : BoardLibraryPicture(boardIndex), 480, 480);
    CopyBitmapToSurface(boardSurface, board.Checked(), 0, 0, 480, 480);
    Blit(boardSurface, 0, 0, 480, 480, sceneBackground, 60, 60, 0, 0);
  }
}

// Both piece sets and the shadow strips that go with them.
void ViewerApp::LoadPieceSprites() {
  struct PieceGroup {
    int8_t pieceSet;
    int16_t ownStrip;
    LPDIRECTDRAWSURFACE* sprites;
    LPDIRECTDRAWSURFACE* shadows;
  };
  const PieceGroup groups[2] = {
      {whitePieceSet, kOwnWhitePieces, whitePieces, whiteShadows},
      {blackPieceSet, kOwnBlackPieces, blackPieces, blackShadows},
  };
  for (const PieceGroup& group : groups) {
    {
      LoadedPicture strip(piecesLibrary != nullptr
                              ? LoadPieceStrip(group.pieceSet)
                              : static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(group.ownStrip),
                                                                IMAGE_BITMAP, 288, 100, LR_CREATEDIBSECTION)));
      for (int kind = 0; kind < kPieceKinds; ++kind) {
        CopyBitmapToSurface(group.sprites[kind], strip.Checked(), 48 * kind, 0, 48, 100);
      }
    }
    LoadedPicture shadows(instance, ShadowStripPicture(group.pieceSet), 288, 100);
    for (int kind = 0; kind < kPieceKinds; ++kind) {
      CopyBitmapToSurface(group.shadows[kind], shadows.Checked(), 48 * kind, 0, 48, 100);
    }
  }
}

// The console font: 7 rows of 32 cells for the codes 32 to 255; codes 0 to
// 31 repeat the first row.
void ViewerApp::LoadFont() {
  const bool own = consolesLibrary == nullptr;
  LoadedPicture sheet(own ? instance : consolesLibrary, own ? kOwnFont : FontLibraryPicture(consoleStyle), 512, 168);
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 32; ++column) {
      CopyBitmapToSurface(glyphs[32 + 32 * row + column], sheet.get(), 16 * column, 24 * row, 16, 24);
    }
  }
  for (int column = 0; column < 32; ++column) {
    CopyBitmapToSurface(glyphs[column], sheet.get(), 16 * column, 0, 16, 24);
  }
}
