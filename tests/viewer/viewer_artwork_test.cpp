// The artwork the viewer loads: its own pictures without the libraries,
// the black backdrop, and a library that lacks a picture it should hold.
#include <gtest/gtest.h>

#include "art/resource_catalog.h"
#include "tests/support/viewer_session.h"
#include "tests/viewer/pictures.h"

TEST(ViewerArtwork, WithoutArtLibrariesTheViewerShowsItsOwnPictures) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  setup.artLibraries = false;
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  EXPECT_EQ(app.libraries().boardsLibrary, nullptr);
  // The same pictures loaded here from the program's own resources.
  const auto own = [&](int16_t id, int width, int height, int x, int y, int cellWidth, int cellHeight) {
    LPDIRECTDRAWSURFACE surface = app.CreateBitmapSurface(cellWidth, cellHeight);
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION));
    app.CopyBitmapToSurface(surface, bitmap, static_cast<int16_t>(x), static_cast<int16_t>(y),
                            static_cast<int16_t>(cellWidth), static_cast<int16_t>(cellHeight));
    DeleteObject(bitmap);
    return ReadSurface(surface);
  };
  EXPECT_EQ(ReadSurface(app.surfaces().boardSurface).pixels, own(157, 480, 480, 0, 0, 480, 480).pixels);
  EXPECT_EQ(ReadSurface(app.surfaces().whitePieces[kKing]).pixels, own(119, 288, 100, 240, 0, 48, 100).pixels);
  EXPECT_EQ(ReadSurface(app.surfaces().blackPieces[kQueen]).pixels, own(124, 288, 100, 192, 0, 48, 100).pixels);
  EXPECT_EQ(ReadSurface(app.surfaces().resultLamps[2]).pixels, own(225, 108, 25, 72, 0, 36, 25).pixels);
  EXPECT_EQ(ReadSurface(app.surfaces().glyphs['A']).pixels, own(161, 512, 168, 16, 24, 16, 24).pixels);
  EXPECT_EQ(ReadSurface(app.surfaces().glyphs[0]).pixels, ReadSurface(app.surfaces().glyphs[' ']).pixels);
}

TEST(ViewerArtwork, BackdropZeroIsBlackWhereTheConsoleLeavesItBare) {
  for (uint8_t backdrop : {0, 2}) {
    SessionSetup setup;
    setup.pgn = TestGame("1.e4 e5", "1-0");
    setup.settings.backdropIndex = backdrop;
    ViewerSession session(setup);
    ViewerApp& app = session.Start();
    // The left edge beside the board shows the backdrop.
    const uint32_t pixel = ReadSurface(app.surfaces().sceneBackground).At(20, 300);
    if (backdrop == 0) {
      EXPECT_EQ(pixel, 0u);
    } else {
      EXPECT_NE(pixel, 0u);
    }
  }
}

TEST(ViewerArtwork, LibraryWithoutTheChosenPictureEndsStartUp) {
  SessionSetup setup;
  setup.pgn = TestGame("1.e4 e5", "1-0");
  ViewerSession session(setup);
  // A boards library in the backdrops' place holds no backdrop pictures.
  PlaceArtLibrary(resource_catalog::kBoardsLibraryFile, resource_catalog::kBackdropsLibraryFile);
  try {
    session.Start();
    FAIL() << "the missing backdrop must end start-up";
  } catch (const FatalError& error) {
    EXPECT_STREQ(error.text, "LoadImage failed in Vizerid constructor.");
  }
}
