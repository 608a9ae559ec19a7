// ConfigDialog: composing the miniature of the chosen look from the art
// libraries (or the program's own stand-ins) and drawing it on the dialog.
// Its places are the viewer frame's at a fifth (common/frame_geometry.h).
#include "art/resource_catalog.h"
#include "common/frame_geometry.h"
#include "configurator/config_dialog.h"
#include "configurator/preview_pictures.h"

namespace {

namespace fg = frame_geometry;

// A 24-bit picture from a library, or the program's stand-in when the
// library is absent; null when there is no picture to show.
HBITMAP LoadPreviewPicture(HMODULE library, int id, int ownId, int width, int height) {
  HINSTANCE source = library != nullptr ? library : Dialog::ProgramInstance();
  const int pictureId = library != nullptr ? id : ownId;
  if (pictureId == 0) return nullptr;
  return static_cast<HBITMAP>(
      LoadImageA(source, MAKEINTRESOURCEA(pictureId), IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION));
}

// A thumbnail: a picture of the whole miniature.
HBITMAP LoadThumbnail(HMODULE library, int id, int ownId) {
  return LoadPreviewPicture(library, id, ownId, fg::kMiniatureFrame.width, fg::kMiniatureFrame.height);
}

// Draws a whole thumbnail over the canvas and frees it.
void DrawThumbnail(PreviewCanvas& canvas, HBITMAP picture, bool highlight) {
  const fg::ScreenRect& whole = fg::kMiniatureFrame;
  canvas.DrawPreviewSprite(whole.x, whole.y, 0, 0, whole.width, whole.height, picture, highlight, true);
  if (picture != nullptr) DeleteObject(picture);
}

// A piece strip holds one cell per piece kind: pawn, rook, knight, bishop,
// queen, king.
constexpr int kStripCells = 6;
constexpr int kPawnCell = 0;

HBITMAP LoadPieceStrip(HMODULE library, int id, int ownId) {
  return LoadPreviewPicture(library, id, ownId, kStripCells * fg::kMiniatureSpriteWidth, fg::kMiniatureSpriteHeight);
}

// The board rows of the starting position (row 0 is rank 8, Black's side).
constexpr int kBlackBackRow = 0;
constexpr int kBlackPawnRow = 1;
constexpr int kWhitePawnRow = 6;
constexpr int kWhiteBackRow = 7;

// Cells of the back rank from a to h: rook, knight, bishop, queen, king, ...
const int kBackRankCells[8] = {1, 2, 3, 4, 5, 3, 2, 1};

// Draws the piece of one strip cell standing on (row, file).
void DrawPiece(PreviewCanvas& canvas, HBITMAP strip, int cell, int row, int file, bool highlight) {
  const fg::ScreenPoint place = fg::MiniaturePoint(fg::SpritePlace(row, file));
  canvas.DrawPreviewSprite(place.x, place.y, fg::kMiniatureSpriteWidth * cell, 0, fg::kMiniatureSpriteWidth,
                           fg::kMiniatureSpriteHeight, strip, highlight, true);
}

// Draws one side's back rank on its row.
void DrawBackRank(PreviewCanvas& canvas, HBITMAP strip, int row, bool highlight) {
  for (int file = 0; file < 8; ++file) DrawPiece(canvas, strip, kBackRankCells[file], row, file, highlight);
}

// Draws one side's eight pawns on their row.
void DrawPawns(PreviewCanvas& canvas, HBITMAP strip, int row, bool highlight) {
  for (int file = 0; file < 8; ++file) DrawPiece(canvas, strip, kPawnCell, row, file, highlight);
}

// Draws the console-style tile wherever the console shows text; a lit tile
// shows its black too.
void DrawConsoleStyleTiles(PreviewCanvas& canvas, HBITMAP tile, bool highlight) {
  for (const fg::MiniatureTextRun& run : fg::kMiniatureTextRuns) {
    const int y = fg::MiniatureRunY(run);
    for (int j = 0; j < fg::MiniatureRunTiles(run); ++j)
      canvas.DrawPreviewSprite(run.x + fg::kMiniatureTileWidth * j, y, 0, 0, fg::kMiniatureTileWidth,
                               fg::kMiniatureTileHeight, tile, highlight, !highlight);
  }
}

}  // namespace

void ConfigDialog::ComposePreview(int originX, int originY) {
  preview.Clear();
  DrawThumbnail(preview, LoadThumbnail(backdropsLibrary, BackdropThumbnailId(backdropIndex), IDB_OWN_BACKDROP),
                hoverPart == kBackdropPart);
  DrawThumbnail(preview, LoadThumbnail(consolesLibrary, ConsoleThumbnailId(consoleIndex), IDB_OWN_CONSOLE),
                hoverPart == kConsolePart);
  DrawThumbnail(preview, LoadThumbnail(boardsLibrary, BoardThumbnailId(boardIndex), IDB_OWN_BOARD),
                hoverPart == kBoardPart);

  HBITMAP blackStrip = LoadPieceStrip(piecesLibrary, PieceStripId(blackPieceSet), IDB_OWN_BLACK_PIECES);
  DrawBackRank(preview, blackStrip, kBlackBackRow, hoverPart == kBlackPiecesPart);
  DrawPawns(preview, blackStrip, kBlackPawnRow, hoverPart == kBlackPiecesPart);
  HBITMAP whiteStrip = LoadPieceStrip(piecesLibrary, PieceStripId(whitePieceSet), IDB_OWN_WHITE_PIECES);
  DrawPawns(preview, whiteStrip, kWhitePawnRow, hoverPart == kWhitePiecesPart);
  DrawBackRank(preview, whiteStrip, kWhiteBackRow, hoverPart == kWhitePiecesPart);
  HBITMAP tile = LoadPreviewPicture(consolesLibrary, ConsoleStyleTileId(consoleStyle), IDB_OWN_CONSOLE_STYLE,
                                    fg::kMiniatureTileWidth, fg::kMiniatureTileHeight);
  DrawConsoleStyleTiles(preview, tile, hoverPart == kConsoleStylePart);
  for (HBITMAP picture : {blackStrip, whiteStrip, tile})
    if (picture != nullptr) DeleteObject(picture);

  // Canvas pixel (x, y) goes to window point (originX + x, originY + 1 + y),
  // through the client area's device context; two black columns follow.
  HDC dc = GetDC(Window());
  if (dc == nullptr) return;
  const int left = originX - kDialogFrameWidth;
  const int top = originY + 1 - kDialogFrameWidth;
  for (int y = PreviewCanvas::kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < PreviewCanvas::kWidth; ++x)
      SetPixel(dc, left + x, top + y, RGB(preview.red[y][x], preview.green[y][x], preview.blue[y][x]));
    SetPixel(dc, left + PreviewCanvas::kWidth, top + y, RGB(0, 0, 0));
    SetPixel(dc, left + PreviewCanvas::kWidth + 1, top + y, RGB(0, 0, 0));
  }
  ReleaseDC(Window(), dc);
}
