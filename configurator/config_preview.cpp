// ConfigDialog: composing the miniature of the chosen look from the art
// libraries (or the program's own stand-ins) and drawing it on the dialog.
#include "configurator/config_dialog.h"

#include "art/resource_catalog.h"
#include "configurator/preview_pictures.h"

namespace {

// Width of the dialog's frame: the preview origin is given in window
// coordinates, the drawing goes through the client area's device context.
constexpr int kDialogFrame = 3;

// A 24-bit picture from a library, or the program's stand-in when the
// library is absent; null when there is no picture to show.
HBITMAP LoadPreviewPicture(HMODULE library, int id, int ownId, int width, int height) {
  HINSTANCE source = library != nullptr ? library : Dialog::ProgramInstance();
  const int pictureId = library != nullptr ? id : ownId;
  if (pictureId == 0) return nullptr;
  return static_cast<HBITMAP>(
      LoadImageA(source, MAKEINTRESOURCEA(pictureId), IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION));
}

// Draws a whole thumbnail over the canvas and frees it.
void DrawThumbnail(PreviewCanvas& canvas, HBITMAP picture, bool highlight) {
  canvas.DrawPreviewSprite(0, 0, 0, 0, PreviewCanvas::kWidth, PreviewCanvas::kHeight, picture, highlight, true);
  if (picture != nullptr) DeleteObject(picture);
}

// Cells of the back rank from a to h: rook, knight, bishop, queen, king, ...
const int kBackRankCells[8] = {1, 2, 3, 4, 5, 3, 2, 1};

// Draws one side's back rank from a 60 x 20 strip of six 10 x 20 cells.
void DrawBackRank(PreviewCanvas& canvas, HBITMAP strip, int y, bool highlight) {
  for (int file = 0; file < 8; ++file)
    canvas.DrawPreviewSprite(20 + 10 * file, y, 10 * kBackRankCells[file], 0, 10, 20, strip, highlight, true);
}

// Draws one side's eight pawns (cell 0 of the strip).
void DrawPawns(PreviewCanvas& canvas, HBITMAP strip, int y, bool highlight) {
  for (int file = 0; file < 8; ++file)
    canvas.DrawPreviewSprite(20 + 10 * file, y, 0, 0, 10, 20, strip, highlight, true);
}

// Draws the console-style tile wherever the console shows text.
void DrawConsoleStyleTiles(PreviewCanvas& canvas, HBITMAP tile, bool highlight) {
  auto put = [&](int x, int y) { canvas.DrawPreviewSprite(x, y, 0, 0, 4, 5, tile, highlight, !highlight); };
  for (int j = 0; j <= 22; ++j) {
    put(14 + 4 * j, 3);
    put(14 + 4 * j, 111);
  }
  put(124, 49);
  put(128, 49);
  for (int j = 0; j <= 3; ++j) {
    put(114 + 4 * j, 60);
    put(140 + 4 * j, 60);
  }
  for (int j = 0; j <= 4; ++j) put(137 + 4 * j, 49);
  for (int j = 0; j <= 10; ++j) put(113 + 4 * j, 67);
}

}  // namespace

void ConfigDialog::ComposePreview(int originX, int originY) {
  preview.Clear();
  DrawThumbnail(preview,
                LoadPreviewPicture(backdropsLibrary, BackdropThumbnailId(backdropIndex), IDB_OWN_BACKDROP, 160, 120),
                hoverPart == kBackdropPart);
  DrawThumbnail(preview,
                LoadPreviewPicture(consolesLibrary, ConsoleThumbnailId(consoleIndex), IDB_OWN_CONSOLE, 160, 120),
                hoverPart == kConsolePart);
  DrawThumbnail(preview, LoadPreviewPicture(boardsLibrary, BoardThumbnailId(boardIndex), IDB_OWN_BOARD, 160, 120),
                hoverPart == kBoardPart);

  HBITMAP blackStrip = LoadPreviewPicture(piecesLibrary, PieceStripId(blackPieceSet), IDB_OWN_BLACK_PIECES, 60, 20);
  DrawBackRank(preview, blackStrip, 10, hoverPart == kBlackPiecesPart);
  DrawPawns(preview, blackStrip, 20, hoverPart == kBlackPiecesPart);
  HBITMAP whiteStrip = LoadPreviewPicture(piecesLibrary, PieceStripId(whitePieceSet), IDB_OWN_WHITE_PIECES, 60, 20);
  DrawPawns(preview, whiteStrip, 70, hoverPart == kWhitePiecesPart);
  DrawBackRank(preview, whiteStrip, 80, hoverPart == kWhitePiecesPart);
  HBITMAP tile = LoadPreviewPicture(consolesLibrary, ConsoleStyleTileId(consoleStyle), IDB_OWN_CONSOLE_STYLE, 4, 5);
  DrawConsoleStyleTiles(preview, tile, hoverPart == kConsoleStylePart);
  for (HBITMAP picture : {blackStrip, whiteStrip, tile})
    if (picture != nullptr) DeleteObject(picture);

  HDC dc = GetDC(Window());
  if (dc == nullptr) return;
  const int left = originX - kDialogFrame;
  const int top = originY + 1 - kDialogFrame;
  for (int y = PreviewCanvas::kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < PreviewCanvas::kWidth; ++x)
      SetPixel(dc, left + x, top + y, RGB(preview.red[y][x], preview.green[y][x], preview.blue[y][x]));
    SetPixel(dc, left + PreviewCanvas::kWidth, top + y, RGB(0, 0, 0));
    SetPixel(dc, left + PreviewCanvas::kWidth + 1, top + y, RGB(0, 0, 0));
  }
  ReleaseDC(Window(), dc);
}
