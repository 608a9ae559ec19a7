// The miniature's building blocks: lighting a pixel, copying picture
// rectangles into the canvas, the picture chosen for each value, the part
// under the pointer, and the digits of the layout counter.
#include <gtest/gtest.h>

#include "art/resource_catalog.h"
#include "configurator/config_dialog.h"
#include "configurator/layout_counter.h"
#include "configurator/preview_canvas.h"
#include "configurator/preview_hit_test.h"
#include "configurator/preview_pictures.h"
#include "platform/headless.h"
#include "tests/configurator/test_dialog_ids.h"

namespace {

COLORREF CanvasAt(const PreviewCanvas& canvas, int x, int y) {
  return RGB(canvas.red[y][x], canvas.green[y][x], canvas.blue[y][x]);
}

class PreviewCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Enable();
    canvas.Clear();
    // 4 x 2: top row (10, 20, 30) (40, 50, 60) (70, 80, 90) (100, 110, 120);
    // bottom row (16, 32, 8) (200, 10, 10) (30, 30, 30) black.
    quirks = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TEST_HIGHLIGHT_QUIRKS),
                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(quirks, nullptr);
  }
  void TearDown() override { DeleteObject(quirks); }

  void PaintCanvas(COLORREF colour) {
    for (int y = 0; y < PreviewCanvas::kHeight; ++y)
      for (int x = 0; x < PreviewCanvas::kWidth; ++x) {
        canvas.red[y][x] = GetRValue(colour);
        canvas.green[y][x] = GetGValue(colour);
        canvas.blue[y][x] = GetBValue(colour);
      }
  }

  PreviewCanvas canvas;
  HBITMAP quirks = nullptr;
};

TEST(HighlightColourTest, TakesTheBrightestChannelWithYellowBitsAndTonesDownWhite) {
  EXPECT_EQ(HighlightColour(16, 32, 8), RGB(225, 225, 54));
  EXPECT_EQ(HighlightColour(200, 10, 10), RGB(233, 233, 222));
  EXPECT_EQ(HighlightColour(30, 30, 30), RGB(250, 250, 25));  // red would be 255
  EXPECT_EQ(HighlightColour(1, 0, 0), RGB(225, 225, 23));
}

TEST_F(PreviewCanvasTest, CopiesUprightWithTheTopRowAtTheDestination) {
  canvas.DrawPreviewSprite(5, 7, 0, 0, 4, 2, quirks, false, true);
  EXPECT_EQ(CanvasAt(canvas, 5, 7), RGB(10, 20, 30));
  EXPECT_EQ(CanvasAt(canvas, 8, 7), RGB(100, 110, 120));
  EXPECT_EQ(CanvasAt(canvas, 5, 8), RGB(16, 32, 8));
  EXPECT_EQ(CanvasAt(canvas, 7, 8), RGB(30, 30, 30));
  EXPECT_EQ(CanvasAt(canvas, 4, 7), RGB(0, 0, 0));
}

TEST_F(PreviewCanvasTest, SourceRowsCountFromThePicturesBottom) {
  canvas.DrawPreviewSprite(0, 0, 1, 1, 2, 1, quirks, false, true);  // top row, columns 1 and 2
  EXPECT_EQ(CanvasAt(canvas, 0, 0), RGB(40, 50, 60));
  EXPECT_EQ(CanvasAt(canvas, 1, 0), RGB(70, 80, 90));
  EXPECT_EQ(CanvasAt(canvas, 2, 0), RGB(0, 0, 0));
  EXPECT_EQ(CanvasAt(canvas, 0, 1), RGB(0, 0, 0));
}

TEST_F(PreviewCanvasTest, BlackIsTransparentOrTheStandInYellow) {
  PaintCanvas(RGB(1, 2, 3));
  canvas.DrawPreviewSprite(0, 0, 0, 0, 4, 2, quirks, false, true);
  EXPECT_EQ(CanvasAt(canvas, 3, 1), RGB(1, 2, 3));
  canvas.DrawPreviewSprite(0, 0, 0, 0, 4, 2, quirks, false, false);
  EXPECT_EQ(CanvasAt(canvas, 3, 1), RGB(150, 150, 15));
  canvas.DrawPreviewSprite(10, 0, 0, 0, 4, 2, quirks, true, false);  // a lit console-style tile
  EXPECT_EQ(CanvasAt(canvas, 13, 1), RGB(150, 150, 15));
}

TEST_F(PreviewCanvasTest, HighlightLightsEveryPixelButBlack) {
  PaintCanvas(RGB(1, 2, 3));
  canvas.DrawPreviewSprite(0, 0, 0, 0, 4, 2, quirks, true, true);
  EXPECT_EQ(CanvasAt(canvas, 0, 1), RGB(225, 225, 54));
  EXPECT_EQ(CanvasAt(canvas, 1, 1), RGB(233, 233, 222));
  EXPECT_EQ(CanvasAt(canvas, 2, 1), RGB(250, 250, 25));
  EXPECT_EQ(CanvasAt(canvas, 3, 1), RGB(1, 2, 3));
  EXPECT_EQ(CanvasAt(canvas, 0, 0), HighlightColour(10, 20, 30));
}

TEST_F(PreviewCanvasTest, NothingIsWrittenOutsideTheCanvasOrReadOutsideThePicture) {
  canvas.DrawPreviewSprite(158, 119, 0, 0, 4, 2, quirks, false, false);  // the bottom row falls off
  EXPECT_EQ(CanvasAt(canvas, 158, 119), RGB(10, 20, 30));
  EXPECT_EQ(CanvasAt(canvas, 159, 119), RGB(40, 50, 60));
  canvas.DrawPreviewSprite(-2, -1, 0, 0, 4, 2, quirks, false, false);
  EXPECT_EQ(CanvasAt(canvas, 0, 0), RGB(30, 30, 30));
  // A rectangle larger than the picture copies what the picture has.
  canvas.Clear();
  canvas.DrawPreviewSprite(0, 0, 2, 0, 10, 10, quirks, false, false);
  EXPECT_EQ(CanvasAt(canvas, 0, 9), RGB(30, 30, 30));
  EXPECT_EQ(CanvasAt(canvas, 2, 9), RGB(0, 0, 0));
  canvas.DrawPreviewSprite(0, 0, 0, 0, 4, 2, nullptr, false, false);
}

TEST(PreviewPicturesTest, BackdropsFromIndexOneWithBlackBelow) {
  EXPECT_EQ(BackdropThumbnailId(0), 0);
  EXPECT_EQ(BackdropThumbnailId(-56), 0);  // 200 stored
  EXPECT_EQ(BackdropThumbnailId(1), IDB_BACKDROP_THUMB_BASE + 1);
  EXPECT_EQ(BackdropThumbnailId(14), IDB_BACKDROP_THUMB_BASE + 14);
  EXPECT_EQ(BackdropThumbnailId(15), IDB_BACKDROP_THUMB_OTHER);
  EXPECT_EQ(BackdropThumbnailId(127), IDB_BACKDROP_THUMB_OTHER);
}

TEST(PreviewPicturesTest, ConsolesSkipTheSparePicture) {
  EXPECT_EQ(ConsoleThumbnailId(0), IDB_CONSOLE_THUMB_BASE);
  EXPECT_EQ(ConsoleThumbnailId(9), IDB_CONSOLE_THUMB_BASE + 9);
  EXPECT_EQ(IDB_CONSOLE_THUMB_SPARE, IDB_CONSOLE_THUMB_BASE + 10);
  EXPECT_EQ(ConsoleThumbnailId(10), IDB_CONSOLE_THUMB_SPARE + 1);
  EXPECT_EQ(ConsoleThumbnailId(14), IDB_CONSOLE_THUMB_SPARE + 5);
  EXPECT_EQ(ConsoleThumbnailId(15), IDB_CONSOLE_THUMB_OTHER);
  EXPECT_EQ(ConsoleThumbnailId(-1), IDB_CONSOLE_THUMB_OTHER);
  for (int value = -128; value < 128; ++value)
    EXPECT_NE(ConsoleThumbnailId(static_cast<signed char>(value)), IDB_CONSOLE_THUMB_SPARE) << value;
}

TEST(PreviewPicturesTest, BoardsPiecesAndStyles) {
  EXPECT_EQ(BoardThumbnailId(0), IDB_BOARD_THUMB_BASE);
  EXPECT_EQ(BoardThumbnailId(14), IDB_BOARD_THUMB_BASE + 14);
  EXPECT_EQ(BoardThumbnailId(15), IDB_BOARD_THUMB_OTHER);
  EXPECT_EQ(BoardThumbnailId(-56), IDB_BOARD_THUMB_OTHER);
  EXPECT_EQ(PieceStripId(1), IDB_PIECE_PREVIEW_BASE + 1);
  EXPECT_EQ(PieceStripId(41), IDB_PIECE_PREVIEW_BASE + 41);
  EXPECT_EQ(PieceStripId(42), IDB_PIECE_PREVIEW_OTHER);
  EXPECT_EQ(PieceStripId(0), IDB_PIECE_PREVIEW_OTHER);
  EXPECT_EQ(ConsoleStyleTileId(0), IDB_STYLE_TILE_BASE);
  EXPECT_EQ(ConsoleStyleTileId(9), IDB_STYLE_TILE_BASE);  // shown like style 0
  EXPECT_EQ(ConsoleStyleTileId(7), IDB_STYLE_TILE_BASE + 7);
  EXPECT_EQ(ConsoleStyleTileId(16), IDB_STYLE_TILE_BASE + 7);
  EXPECT_EQ(ConsoleStyleTileId(8), IDB_STYLE_TILE_OTHER);
  EXPECT_EQ(ConsoleStyleTileId(17), IDB_STYLE_TILE_OTHER);
  EXPECT_EQ(ConsoleStyleTileId(-1), IDB_STYLE_TILE_OTHER);
}

TEST(PreviewHitTest, FindsThePartsInTheirOrderWithEveryLibrary) {
  const LoadedLibraries all{true, true, true, true};
  EXPECT_EQ(PreviewPartAt(60, 60, all), ConfigDialog::kBoardPart);
  EXPECT_EQ(PreviewPartAt(150, 30, all), ConfigDialog::kConsolePart);
  EXPECT_EQ(PreviewPartAt(2, 60, all), ConfigDialog::kBackdropPart);
  EXPECT_EQ(PreviewPartAt(50, 25, all), ConfigDialog::kBlackPiecesPart);
  EXPECT_EQ(PreviewPartAt(50, 90, all), ConfigDialog::kWhitePiecesPart);
  EXPECT_EQ(PreviewPartAt(50, 5, all), ConfigDialog::kConsoleStylePart);
  EXPECT_EQ(PreviewPartAt(124, 49, all), ConfigDialog::kConsoleStylePart);  // closed bounds
  EXPECT_EQ(PreviewPartAt(50, 2, all), ConfigDialog::kConsolePart);
  EXPECT_EQ(PreviewPartAt(20, 25, all), ConfigDialog::kBoardPart);  // open bounds of the pieces
  EXPECT_EQ(PreviewPartAt(13, 13, all), ConfigDialog::kBoardPart);
  EXPECT_EQ(PreviewPartAt(12, 13, all), ConfigDialog::kBackdropPart);
}

TEST(PreviewHitTest, AMissingLibraryRemovesItsParts) {
  EXPECT_EQ(PreviewPartAt(50, 25, LoadedLibraries{false, true, true, true}), ConfigDialog::kBoardPart);
  EXPECT_EQ(PreviewPartAt(150, 30, LoadedLibraries{true, true, true, false}), ConfigDialog::kBackdropPart);
  EXPECT_EQ(PreviewPartAt(60, 60, LoadedLibraries{true, false, true, true}), ConfigDialog::kBackdropPart);
  EXPECT_EQ(PreviewPartAt(2, 60, LoadedLibraries{true, true, false, true}), ConfigDialog::kNoPart);
  EXPECT_EQ(PreviewPartAt(60, 60, LoadedLibraries{false, false, false, false}), ConfigDialog::kNoPart);
}

// The part under every canvas point (and a margin around the canvas), for
// every choice of libraries, as the areas have always been: written out here
// rule by rule, in their order.
short ExpectedPartAt(int px, int py, const LoadedLibraries& libraries) {
  auto open = [](int v, int low, int high) { return v > low && v < high; };
  auto closed = [](int v, int low, int high) { return v >= low && v <= high; };
  if (libraries.pieces && open(px, 20, 101) && open(py, 14, 40)) return ConfigDialog::kBlackPiecesPart;
  if (libraries.pieces && open(px, 20, 101) && open(py, 79, 100)) return ConfigDialog::kWhitePiecesPart;
  if (libraries.consoles) {
    if (open(px, 13, 107) && open(py, 3, 9)) return ConfigDialog::kConsoleStylePart;
    if (open(px, 13, 107) && open(py, 111, 117)) return ConfigDialog::kConsoleStylePart;
    if (closed(px, 124, 157) && closed(py, 49, 53)) return ConfigDialog::kConsoleStylePart;
    if (closed(px, 114, 129) && closed(py, 61, 65)) return ConfigDialog::kConsoleStylePart;
    if (closed(px, 140, 156) && closed(py, 61, 65)) return ConfigDialog::kConsoleStylePart;
    if (closed(px, 113, 157) && closed(py, 67, 72)) return ConfigDialog::kConsoleStylePart;
    if (open(px, 3, 121) && open(py, 1, 11)) return ConfigDialog::kConsolePart;
    if (open(px, 3, 121) && open(py, 109, 119)) return ConfigDialog::kConsolePart;
    if (open(px, 109, 160) && open(py, 15, 40)) return ConfigDialog::kConsolePart;
    if (open(px, 109, 160) && open(py, 41, 79)) return ConfigDialog::kConsolePart;
    if (open(px, 109, 160) && open(py, 82, 107)) return ConfigDialog::kConsolePart;
  }
  if (libraries.boards && closed(px, 13, 108) && closed(py, 13, 107)) return ConfigDialog::kBoardPart;
  if (libraries.backdrops) return ConfigDialog::kBackdropPart;
  return ConfigDialog::kNoPart;
}

TEST(PreviewHitTest, EveryPointForEveryChoiceOfLibraries) {
  for (int choice = 0; choice < 16; ++choice) {
    const LoadedLibraries libraries{(choice & 1) != 0, (choice & 2) != 0, (choice & 4) != 0, (choice & 8) != 0};
    int differences = 0;
    for (int py = -3; py < PreviewCanvas::kHeight + 3; ++py)
      for (int px = -3; px < PreviewCanvas::kWidth + 3; ++px)
        differences += PreviewPartAt(px, py, libraries) != ExpectedPartAt(px, py, libraries);
    EXPECT_EQ(differences, 0) << "libraries " << choice;
  }
}

TEST(LayoutCounterTest, DigitsWithoutLeadingZeros) {
  int ids[3];
  LayoutCounterPictures(0, ids);
  EXPECT_EQ(ids[0], IDB_DIGIT_BLANK);
  EXPECT_EQ(ids[1], IDB_DIGIT_BLANK);
  EXPECT_EQ(ids[2], IDB_DIGIT_ZERO);
  LayoutCounterPictures(-3, ids);
  EXPECT_EQ(ids[2], IDB_DIGIT_ZERO);
  LayoutCounterPictures(7, ids);
  EXPECT_EQ(ids[2], IDB_DIGIT_ZERO + 7);
  LayoutCounterPictures(42, ids);
  EXPECT_EQ(ids[0], IDB_DIGIT_BLANK);
  EXPECT_EQ(ids[1], IDB_DIGIT_ZERO + 4);
  EXPECT_EQ(ids[2], IDB_DIGIT_ZERO + 2);
  LayoutCounterPictures(909, ids);
  EXPECT_EQ(ids[0], IDB_DIGIT_NINE);
  EXPECT_EQ(ids[1], IDB_DIGIT_ZERO);
  EXPECT_EQ(ids[2], IDB_DIGIT_NINE);
}

}  // namespace
