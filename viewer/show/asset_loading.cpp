// LoadSurfaces: fills the surface set with the pictures the art settings
// choose, from the art libraries or, where a library is missing, from the
// program's own resources. Runs at the start of every game.
#include "common/frame_geometry.h"
#include "viewer/show/art_choice.h"
#include "viewer/show/viewer_app.h"

using namespace frame_geometry;

namespace {

constexpr char kLoadImageFailed[] = "LoadImage failed in Vizerid constructor.";

// The cells of the pictures, in the frame's measures.
constexpr int16_t kStripWidth = SurfaceSet::kPieceKinds * kSpriteWidth;  // a piece or shadow strip
constexpr int16_t kLampWidth = kTopResultLamp.width;
constexpr int16_t kLampHeight = kTopResultLamp.height;
constexpr int16_t kTurnLampSize = kTopTurnLamp.width;
constexpr int kHighlightFrames = SurfaceSet::kHighlightFrameCount / 2;  // a row: dark squares, then light ones
// A glyph sheet: 7 rows of 32 cells for the codes 32 to 255.
constexpr int kSheetColumns = 32;
constexpr int kSheetRows = 7;

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
    LoadedPicture blank(instance, kOwnBlank, kFrameWidth, kFrameHeight);
    CopyBitmapToSurface(surfaces_.blankLayer, blank.Checked(), 0, 0, kFrameWidth, kFrameHeight);
  }
  {
    const bool own = libraries_.consolesLibrary == nullptr;
    LoadedPicture lamps(own ? instance : libraries_.consolesLibrary,
                        own ? kOwnResultLamps : ResultLampLibraryPicture(art_.consoleStyle), 3 * kLampWidth,
                        kLampHeight);
    for (int i = 0; i < 3; ++i) {
      CopyBitmapToSurface(surfaces_.resultLamps[i], lamps.Checked(), static_cast<int16_t>(kLampWidth * i), 0,
                          kLampWidth, kLampHeight);
    }
  }
  {
    LoadedPicture lamps(instance, kOwnTurnLamps, 2 * kTurnLampSize, kTurnLampSize);
    for (int i = 0; i < 2; ++i) {
      CopyBitmapToSurface(surfaces_.turnLamps[i], lamps.get(), static_cast<int16_t>(kTurnLampSize * i), 0,
                          kTurnLampSize, kTurnLampSize);
    }
  }
  {
    LoadedPicture highlights(instance, kOwnHighlights, kHighlightFrames * kSquareSize, 2 * kSquareSize);
    for (int row = 0; row < 2; ++row) {
      for (int k = 0; k < kHighlightFrames; ++k) {
        CopyBitmapToSurface(surfaces_.highlightFrames[kHighlightFrames * row + k], highlights.Checked(),
                            static_cast<int16_t>(kSquareSize * k), static_cast<int16_t>(kSquareSize * row), kSquareSize,
                            kSquareSize);
      }
    }
  }
  LoadPieceSprites();
  LoadFont();
}

HBITMAP ViewerApp::LoadPieceStrip(int8_t pieceSet) {
  if (libraries_.piecesLibrary == nullptr) return nullptr;
  return static_cast<HBITMAP>(LoadImageA(libraries_.piecesLibrary, MAKEINTRESOURCEA(PieceStripLibraryPicture(pieceSet)),
                                         IMAGE_BITMAP, kStripWidth, kSpriteHeight, LR_CREATEDIBSECTION));
}

// Backdrop, console picture (with the extra overlay of two console styles)
// and board, composed into sceneBackground.
void ViewerApp::LoadSceneBackground() {
  {
    BackdropChoice choice = BackdropPicture(art_.backdropIndex);
    HMODULE module = choice.ownPicture ? instance : libraries_.backdropsLibrary;
    if (libraries_.backdropsLibrary == nullptr) choice.id = kOwnBackdrop, module = instance;
    LoadedPicture backdrop(module, choice.id, kFrameWidth, kFrameHeight);
    CopyBitmapToSurface(surfaces_.sceneBackground, backdrop.Checked(), 0, 0, kFrameWidth, kFrameHeight);
  }
  {
    const bool own = libraries_.consolesLibrary == nullptr;
    LoadedPicture console(own ? instance : libraries_.consolesLibrary,
                          own ? kOwnConsole : ConsoleLibraryPicture(art_.consolePicture), kFrameWidth, kFrameHeight);
    CopyBitmapToSurface(surfaces_.loadScratch, console.Checked(), 0, 0, kFrameWidth, kFrameHeight);
    Blit(surfaces_.loadScratch, 0, 0, kFrameWidth, kFrameHeight, surfaces_.sceneBackground, 0, 0, 0, 1);
  }
  if (libraries_.consolesLibrary != nullptr && ConsoleStyleHasOverlay(art_.consoleStyle)) {
    LoadedPicture overlay(libraries_.consolesLibrary, kConsoleOverlayPicture, kFrameWidth, kFrameHeight);
    CopyBitmapToSurface(surfaces_.loadScratch, overlay.Checked(), 0, 0, kFrameWidth, kFrameHeight);
    Blit(surfaces_.loadScratch, 0, 0, kFrameWidth, kFrameHeight, surfaces_.sceneBackground, 0, 0, 0, 1);
  }
  {
    const bool own = libraries_.boardsLibrary == nullptr;
    LoadedPicture board(own ? instance : libraries_.boardsLibrary,
                        own ? kOwnBoard : BoardLibraryPicture(art_.boardIndex), kBoardPicture.width,
                        kBoardPicture.height);
    CopyBitmapToSurface(surfaces_.boardSurface, board.Checked(), 0, 0, kBoardPicture.width, kBoardPicture.height);
    Blit(surfaces_.boardSurface, 0, 0, kBoardPicture.width, kBoardPicture.height, surfaces_.sceneBackground,
         kBoardPicture.x, kBoardPicture.y, 0, 0);
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
      {art_.whitePieceSet, kOwnWhitePieces, surfaces_.whitePieces, surfaces_.whiteShadows},
      {art_.blackPieceSet, kOwnBlackPieces, surfaces_.blackPieces, surfaces_.blackShadows},
  };
  for (const PieceGroup& group : groups) {
    {
      LoadedPicture strip(
          libraries_.piecesLibrary != nullptr
              ? LoadPieceStrip(group.pieceSet)
              : static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(group.ownStrip), IMAGE_BITMAP, kStripWidth,
                                                kSpriteHeight, LR_CREATEDIBSECTION)));
      for (int kind = 0; kind < SurfaceSet::kPieceKinds; ++kind) {
        CopyBitmapToSurface(group.sprites[kind], strip.Checked(), static_cast<int16_t>(kSpriteWidth * kind), 0,
                            kSpriteWidth, kSpriteHeight);
      }
    }
    LoadedPicture shadows(instance, ShadowStripPicture(group.pieceSet), kStripWidth, kSpriteHeight);
    for (int kind = 0; kind < SurfaceSet::kPieceKinds; ++kind) {
      CopyBitmapToSurface(group.shadows[kind], shadows.Checked(), static_cast<int16_t>(kSpriteWidth * kind), 0,
                          kSpriteWidth, kSpriteHeight);
    }
  }
}

// The console font: 7 rows of 32 cells for the codes 32 to 255; codes 0 to
// 31 repeat the first row.
void ViewerApp::LoadFont() {
  const bool own = libraries_.consolesLibrary == nullptr;
  LoadedPicture sheet(own ? instance : libraries_.consolesLibrary,
                      own ? kOwnFont : FontLibraryPicture(art_.consoleStyle), kSheetColumns * kGlyphWidth,
                      kSheetRows * kGlyphHeight);
  for (int row = 0; row < kSheetRows; ++row) {
    for (int column = 0; column < kSheetColumns; ++column) {
      CopyBitmapToSurface(surfaces_.glyphs[kSheetColumns * (row + 1) + column], sheet.get(),
                          static_cast<int16_t>(kGlyphWidth * column), static_cast<int16_t>(kGlyphHeight * row),
                          kGlyphWidth, kGlyphHeight);
    }
  }
  for (int column = 0; column < kSheetColumns; ++column) {
    CopyBitmapToSurface(surfaces_.glyphs[column], sheet.get(), static_cast<int16_t>(kGlyphWidth * column), 0,
                        kGlyphWidth, kGlyphHeight);
  }
}
