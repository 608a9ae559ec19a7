// Blt and BltFast on software surfaces: pixels read back after fills,
// opaque and keyed copies, and the exact result codes of refused rectangles.
#include <random>
#include <vector>

#include "tests/platform_core/headless_fixture.h"

namespace {

using BlitTest = DirectDrawTest;

int16_t LowWord(HRESULT result) { return static_cast<int16_t>(result & 0xFFFF); }

TEST_F(BlitTest, ColorFillWritesTheExactValueOnlyInsideItsRectangle) {
  LPDIRECTDRAWSURFACE surface = MakeSurface(8, 8);
  Fill(surface, 0x00123456);
  RECT area{2, 3, 5, 7};
  Fill(surface, 0x00ABCDEF, &area);
  EXPECT_EQ(PixelAt(surface, 2, 3), 0x00ABCDEFu);
  EXPECT_EQ(PixelAt(surface, 4, 6), 0x00ABCDEFu);
  EXPECT_EQ(PixelAt(surface, 5, 6), 0x00123456u);
  EXPECT_EQ(PixelAt(surface, 4, 7), 0x00123456u);
  EXPECT_EQ(PixelAt(surface, 1, 3), 0x00123456u);
}

TEST_F(BlitTest, ColorFillWithoutEffectsIsInvalidParams) {
  LPDIRECTDRAWSURFACE surface = MakeSurface(8, 8);
  const HRESULT result = surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr);
  EXPECT_EQ(result, DDERR_INVALIDPARAMS);
  EXPECT_EQ(LowWord(result), 87);
}

TEST_F(BlitTest, BltFastCopiesTheSourceRectangleToThePosition) {
  LPDIRECTDRAWSURFACE source = MakeSurface(4, 4);
  LPDIRECTDRAWSURFACE destination = MakeSurface(10, 10);
  Fill(source, 0x00000011);
  SetPixelValue(source, 1, 1, 0x00FF0000);
  Fill(destination, 0x00777777);
  RECT part{1, 1, 3, 3};
  ASSERT_EQ(destination->BltFast(5, 6, source, &part, DDBLTFAST_NOCOLORKEY), DD_OK);
  EXPECT_EQ(PixelAt(destination, 5, 6), 0x00FF0000u);
  EXPECT_EQ(PixelAt(destination, 6, 7), 0x00000011u);
  EXPECT_EQ(PixelAt(destination, 7, 6), 0x00777777u);
  EXPECT_EQ(PixelAt(destination, 4, 6), 0x00777777u);
}

TEST_F(BlitTest, SourceKeySkipsExactlyBlackAndDrawsOneStepAway) {
  LPDIRECTDRAWSURFACE sprite = MakeKeyedSurface(3, 1);
  LPDIRECTDRAWSURFACE destination = MakeSurface(3, 1);
  SetPixelValue(sprite, 0, 0, 0x00000000);
  SetPixelValue(sprite, 1, 0, 0x00010000);  // red 1
  SetPixelValue(sprite, 2, 0, 0x00000001);  // blue 1
  Fill(destination, 0x00808080);
  ASSERT_EQ(destination->BltFast(0, 0, sprite, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
  EXPECT_EQ(PixelAt(destination, 0, 0), 0x00808080u);
  EXPECT_EQ(PixelAt(destination, 1, 0), 0x00010000u);
  EXPECT_EQ(PixelAt(destination, 2, 0), 0x00000001u);

  Fill(destination, 0x00808080);
  ASSERT_EQ(destination->Blt(nullptr, sprite, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
  EXPECT_EQ(PixelAt(destination, 0, 0), 0x00808080u);
  EXPECT_EQ(PixelAt(destination, 1, 0), 0x00010000u);
}

TEST_F(BlitTest, KeyRangeSkipsEveryValueFromLowToHigh) {
  LPDIRECTDRAWSURFACE sprite = MakeSurface(4, 1);
  LPDIRECTDRAWSURFACE destination = MakeSurface(4, 1);
  DDCOLORKEY key{0x10, 0x20};
  ASSERT_EQ(sprite->SetColorKey(DDCKEY_SRCBLT | DDCKEY_COLORSPACE, &key), DD_OK);
  const uint32_t values[] = {0x0F, 0x10, 0x20, 0x21};
  for (int x = 0; x < 4; ++x) SetPixelValue(sprite, x, 0, values[x]);
  Fill(destination, 0x00FFFFFF);
  ASSERT_EQ(destination->BltFast(0, 0, sprite, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
  EXPECT_EQ(PixelAt(destination, 0, 0), 0x0Fu);
  EXPECT_EQ(PixelAt(destination, 1, 0), 0x00FFFFFFu);
  EXPECT_EQ(PixelAt(destination, 2, 0), 0x00FFFFFFu);
  EXPECT_EQ(PixelAt(destination, 3, 0), 0x21u);
}

// Keyed copies of every width and offset against a pixel-by-pixel model, so
// that the four-at-a-time path and its leftover pixels agree.
TEST_F(BlitTest, KeyedCopyMatchesThePixelModelForEveryWidthAndOffset) {
  std::mt19937 random(7);
  for (int width = 1; width <= 13; ++width) {
    for (int offset = 0; offset < 4; ++offset) {
      LPDIRECTDRAWSURFACE sprite = MakeKeyedSurface(width, 3);
      LPDIRECTDRAWSURFACE destination = MakeSurface(20, 3);
      std::vector<uint32_t> source(static_cast<size_t>(width) * 3);
      for (uint32_t& value : source) value = (random() % 3 == 0) ? 0 : (random() & 0x00FFFFFF);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < width; ++x) SetPixelValue(sprite, x, y, source[y * width + x]);
      Fill(destination, 0x00ABABAB);
      ASSERT_EQ(destination->BltFast(offset, 0, sprite, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
      for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 20; ++x) {
          uint32_t expected = 0x00ABABAB;
          if (x >= offset && x < offset + width && source[y * width + x - offset] != 0)
            expected = source[y * width + x - offset];
          ASSERT_EQ(PixelAt(destination, x, y), expected) << "width " << width << " offset " << offset;
        }
      }
      sprite->Release();
      destination->Release();
    }
  }
}

TEST_F(BlitTest, KeyedBlitWithoutASourceKeyIsInvalidParams) {
  LPDIRECTDRAWSURFACE source = MakeSurface(4, 4);
  LPDIRECTDRAWSURFACE destination = MakeSurface(4, 4);
  EXPECT_EQ(destination->Blt(nullptr, source, nullptr, DDBLT_KEYSRC, nullptr), DDERR_INVALIDPARAMS);
  EXPECT_EQ(destination->BltFast(0, 0, source, nullptr, DDBLTFAST_SRCCOLORKEY), DDERR_INVALIDPARAMS);
}

// A rectangle inside 800 x 600 but past the edge of a 480 x 480 surface.
TEST_F(BlitTest, RectangleOutsideEitherSurfaceIsInvalidRect) {
  LPDIRECTDRAWSURFACE board = MakeSurface(480, 480);
  LPDIRECTDRAWSURFACE sprite = MakeKeyedSurface(48, 100);
  RECT inside{432, 380, 480, 480};
  RECT past{440, 400, 488, 500};
  RECT whole{0, 0, 48, 100};
  EXPECT_EQ(board->Blt(&inside, sprite, &whole, DDBLT_KEYSRC, nullptr), DD_OK);
  const HRESULT result = board->Blt(&past, sprite, &whole, DDBLT_KEYSRC, nullptr);
  EXPECT_EQ(result, DDERR_INVALIDRECT);
  EXPECT_EQ(LowWord(result), 150);

  RECT pastSource{0, 0, 49, 100};
  RECT target{0, 0, 49, 100};
  EXPECT_EQ(board->Blt(&target, sprite, &pastSource, 0, nullptr), DDERR_INVALIDRECT);
  RECT negative{-1, 0, 47, 100};
  EXPECT_EQ(board->Blt(&negative, sprite, &whole, 0, nullptr), DDERR_INVALIDRECT);
  RECT inverted{10, 0, 5, 100};
  EXPECT_EQ(board->Blt(&inverted, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDRECT);

  EXPECT_EQ(board->BltFast(433, 0, sprite, nullptr, DDBLTFAST_SRCCOLORKEY), DDERR_INVALIDRECT);
  EXPECT_EQ(board->BltFast(432, 380, sprite, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
  EXPECT_EQ(board->BltFast(0, 0, sprite, &pastSource, DDBLTFAST_NOCOLORKEY), DDERR_INVALIDRECT);
}

TEST_F(BlitTest, EmptyRectangleDrawsNothingAndSucceeds) {
  LPDIRECTDRAWSURFACE source = MakeSurface(4, 4);
  LPDIRECTDRAWSURFACE destination = MakeSurface(4, 4);
  Fill(source, 0x00FF00FF);
  Fill(destination, 0x00000022);
  RECT empty{2, 2, 2, 4};
  EXPECT_EQ(destination->Blt(&empty, source, &empty, 0, nullptr), DD_OK);
  EXPECT_EQ(PixelAt(destination, 2, 2), 0x00000022u);
}

TEST_F(BlitTest, OverlappingCopyWithinOneSurfaceMovesThePixelsIntact) {
  LPDIRECTDRAWSURFACE surface = MakeSurface(6, 1);
  for (int x = 0; x < 6; ++x) SetPixelValue(surface, x, 0, static_cast<uint32_t>(x + 1));
  RECT from{0, 0, 4, 1};
  ASSERT_EQ(surface->BltFast(2, 0, surface, &from, DDBLTFAST_NOCOLORKEY), DD_OK);
  const uint32_t expected[] = {1, 2, 1, 2, 3, 4};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(PixelAt(surface, x, 0), expected[x]);
}

TEST_F(BlitTest, BltBetweenRectanglesOfDifferentSizesStretchesToNearestPixels) {
  LPDIRECTDRAWSURFACE source = MakeSurface(2, 2);
  LPDIRECTDRAWSURFACE destination = MakeSurface(4, 4);
  SetPixelValue(source, 0, 0, 1);
  SetPixelValue(source, 1, 0, 2);
  SetPixelValue(source, 0, 1, 3);
  SetPixelValue(source, 1, 1, 4);
  ASSERT_EQ(destination->Blt(nullptr, source, nullptr, 0, nullptr), DD_OK);
  EXPECT_EQ(PixelAt(destination, 1, 1), 1u);
  EXPECT_EQ(PixelAt(destination, 2, 1), 2u);
  EXPECT_EQ(PixelAt(destination, 1, 2), 3u);
  EXPECT_EQ(PixelAt(destination, 3, 3), 4u);
}

}  // namespace
