// The miniature pixel by pixel: for a few looks, with every part lit in turn
// and with and without the art libraries, the composed canvas must equal a
// composition written out here place by place, and the dialog must show that
// canvas at its place with the two black columns beside it.
#include <string>

#include "configurator/preview_canvas.h"
#include "configurator/preview_pictures.h"
#include "tests/configurator/config_dialog_fixture.h"

namespace {

// The look a miniature shows.
struct Look {
  signed char blackPieceSet;
  signed char whitePieceSet;
  signed char boardIndex;
  signed char backdropIndex;
  signed char consoleIndex;
  signed char consoleStyle;
};

const Look kLooks[] = {
    {5, 2, 2, 2, 0, 0},       // the defaults
    {41, 1, 14, 15, 14, 16},  // the last pictures of every table
    {-56, 42, -1, 0, 10, 8},  // out of range, a black backdrop
    {17, 30, 7, 9, 5, 12},
};

HBITMAP Picture(HMODULE library, int id, int ownId, int width, int height) {
  HINSTANCE source = library != nullptr ? library : GetModuleHandleA(nullptr);
  const int pictureId = library != nullptr ? id : ownId;
  if (pictureId == 0) return nullptr;
  return static_cast<HBITMAP>(
      LoadImageA(source, MAKEINTRESOURCEA(pictureId), IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION));
}

void Free(HBITMAP picture) {
  if (picture != nullptr) DeleteObject(picture);
}

// The miniature as it has always been composed, with its places written out.
void ComposeExpected(const ConfigDialog& dialog, const Look& look, int lit, PreviewCanvas& canvas) {
  canvas.Clear();
  HBITMAP backdrop =
      Picture(dialog.backdropsLibrary, BackdropThumbnailId(look.backdropIndex), IDB_OWN_BACKDROP, 160, 120);
  canvas.DrawPreviewSprite(0, 0, 0, 0, 160, 120, backdrop, lit == ConfigDialog::kBackdropPart, true);
  HBITMAP console = Picture(dialog.consolesLibrary, ConsoleThumbnailId(look.consoleIndex), IDB_OWN_CONSOLE, 160, 120);
  canvas.DrawPreviewSprite(0, 0, 0, 0, 160, 120, console, lit == ConfigDialog::kConsolePart, true);
  HBITMAP board = Picture(dialog.boardsLibrary, BoardThumbnailId(look.boardIndex), IDB_OWN_BOARD, 160, 120);
  canvas.DrawPreviewSprite(0, 0, 0, 0, 160, 120, board, lit == ConfigDialog::kBoardPart, true);

  const int backRank[8] = {1, 2, 3, 4, 5, 3, 2, 1};
  HBITMAP black = Picture(dialog.piecesLibrary, PieceStripId(look.blackPieceSet), IDB_OWN_BLACK_PIECES, 60, 20);
  const bool blackLit = lit == ConfigDialog::kBlackPiecesPart;
  for (int file = 0; file < 8; ++file)
    canvas.DrawPreviewSprite(20 + 10 * file, 10, 10 * backRank[file], 0, 10, 20, black, blackLit, true);
  for (int file = 0; file < 8; ++file)
    canvas.DrawPreviewSprite(20 + 10 * file, 20, 0, 0, 10, 20, black, blackLit, true);
  HBITMAP white = Picture(dialog.piecesLibrary, PieceStripId(look.whitePieceSet), IDB_OWN_WHITE_PIECES, 60, 20);
  const bool whiteLit = lit == ConfigDialog::kWhitePiecesPart;
  for (int file = 0; file < 8; ++file)
    canvas.DrawPreviewSprite(20 + 10 * file, 70, 0, 0, 10, 20, white, whiteLit, true);
  for (int file = 0; file < 8; ++file)
    canvas.DrawPreviewSprite(20 + 10 * file, 80, 10 * backRank[file], 0, 10, 20, white, whiteLit, true);

  HBITMAP tile = Picture(dialog.consolesLibrary, ConsoleStyleTileId(look.consoleStyle), IDB_OWN_CONSOLE_STYLE, 4, 5);
  const bool tileLit = lit == ConfigDialog::kConsoleStylePart;
  auto put = [&](int x, int y) { canvas.DrawPreviewSprite(x, y, 0, 0, 4, 5, tile, tileLit, !tileLit); };
  for (int j = 0; j <= 22; ++j) put(14 + 4 * j, 3);
  for (int j = 0; j <= 22; ++j) put(14 + 4 * j, 111);
  put(124, 49);
  put(128, 49);
  for (int j = 0; j <= 3; ++j) put(114 + 4 * j, 60);
  for (int j = 0; j <= 3; ++j) put(140 + 4 * j, 60);
  for (int j = 0; j <= 4; ++j) put(137 + 4 * j, 49);
  for (int j = 0; j <= 10; ++j) put(113 + 4 * j, 67);

  for (HBITMAP picture : {backdrop, console, board, black, white, tile}) Free(picture);
}

void ShowLook(ConfigDialog& dialog, const Look& look, int lit) {
  dialog.blackPieceSet = look.blackPieceSet;
  dialog.whitePieceSet = look.whitePieceSet;
  dialog.boardIndex = look.boardIndex;
  dialog.backdropIndex = look.backdropIndex;
  dialog.consoleIndex = look.consoleIndex;
  dialog.consoleStyle = look.consoleStyle;
  dialog.hoverPart = static_cast<short>(lit);
  dialog.ComposePreview(dialog.previewOriginX, dialog.previewOriginY);
}

// The first canvas point where the two differ, or "" when none does.
std::string FirstDifference(const PreviewCanvas& actual, const PreviewCanvas& expected) {
  for (int y = 0; y < PreviewCanvas::kHeight; ++y)
    for (int x = 0; x < PreviewCanvas::kWidth; ++x)
      if (actual.red[y][x] != expected.red[y][x] || actual.green[y][x] != expected.green[y][x] ||
          actual.blue[y][x] != expected.blue[y][x])
        return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
  return "";
}

// Every look with every part lit (0: none) equals the written-out composition.
void ExpectEveryLookAsComposedHere(ConfigDialog& dialog) {
  PreviewCanvas expected;
  for (const Look& look : kLooks) {
    for (int lit = ConfigDialog::kNoPart; lit <= ConfigDialog::kConsolePart; ++lit) {
      ShowLook(dialog, look, lit);
      ComposeExpected(dialog, look, lit, expected);
      EXPECT_EQ(FirstDifference(dialog.preview, expected), "")
          << "look " << (&look - kLooks) << ", part " << lit << " lit";
    }
  }
}

TEST_F(ConfigDialogTest, TheMiniatureIsComposedPlaceByPlace) {
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    ExpectEveryLookAsComposedHere(dialog);
    ClickAt(window, Centre(136, 286, 50, 15));  // Cancel
  });
  dialog.RunModal();
  EXPECT_TRUE(script.Finished());
}

TEST_F(ConfigDialogTest, TheMiniatureWithoutLibrariesIsComposedPlaceByPlace) {
  UseLibraries(ArtLibraryChoice{false, false, false, false});
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    ExpectEveryLookAsComposedHere(dialog);
    ClickAt(window, Centre(136, 286, 50, 15));
  });
  dialog.RunModal();
  EXPECT_TRUE(script.Finished());
}

TEST_F(ConfigDialogTest, TheDialogShowsTheCanvasAtItsPlaceWithTwoBlackColumns) {
  ConfigDialog dialog;
  script.Then([&](HWND) { ShowLook(dialog, kLooks[3], ConfigDialog::kBoardPart); }).Then([&](HWND window) {
    const headless::Frame& frame = headless::LastFrame();
    int differences = 0;
    for (int y = 0; y < PreviewCanvas::kHeight; ++y) {
      for (int x = 0; x < PreviewCanvas::kWidth; ++x) {
        const uint32_t expected = (uint32_t{dialog.preview.red[y][x]} << 16) |
                                  (uint32_t{dialog.preview.green[y][x]} << 8) | dialog.preview.blue[y][x];
        differences += frame.Pixel(350 + x, 52 + y) != expected;
      }
      differences += frame.Pixel(350 + 160, 52 + y) != 0u;
      differences += frame.Pixel(350 + 161, 52 + y) != 0u;
    }
    EXPECT_EQ(differences, 0);
    ClickAt(window, Centre(136, 286, 50, 15));
  });
  dialog.RunModal();
  EXPECT_TRUE(script.Finished());
}

}  // namespace
