// Blit on the software surfaces: clipping to the 800 x 600 frame, the three
// modes, the failure texts; CreateBitmapSurface and CopyBitmapToSurface.
#include <string>

#include "tests/frame/frame_test_support.h"

namespace {

const uint32_t kBackground = 0x123456;
const int kSpriteWidth = 48;
const int kSpriteHeight = 100;

// A distinct, never black colour for every pixel of the sprite.
uint32_t SpriteColour(int column, int row) {
  return 0x800000u | static_cast<uint32_t>((row + 1) << 8) | static_cast<uint32_t>(column + 1);
}

class BlitTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    WriteSettings(1);
    app = new TestApp();
    screen = app->CreateBitmapSurface(800, 600);
    FillSurface(screen, kBackground);
    sprite = app->CreateBitmapSurface(kSpriteWidth, kSpriteHeight);
    for (int row = 0; row < kSpriteHeight; ++row)
      for (int column = 0; column < kSpriteWidth; ++column) WritePixel(sprite, column, row, SpriteColour(column, row));
  }
  void TearDown() override {
    delete app;
    FrameTest::TearDown();
  }

  void BlitSprite(int16_t destX, int16_t destY, uint8_t translucent = 0, uint8_t transparent = 1) {
    app->Blit(sprite, 0, 0, kSpriteWidth, kSpriteHeight, screen, destX, destY, translucent, transparent);
  }

  TestApp* app = nullptr;
  LPDIRECTDRAWSURFACE screen = nullptr;
  LPDIRECTDRAWSURFACE sprite = nullptr;
};

TEST_F(BlitTest, UnclippedSpriteLandsWhole) {
  BlitSprite(100, 200);
  EXPECT_EQ(ReadPixel(screen, 100, 200), SpriteColour(0, 0));
  EXPECT_EQ(ReadPixel(screen, 147, 299), SpriteColour(47, 99));
  EXPECT_EQ(ReadPixel(screen, 148, 299), kBackground);
  EXPECT_EQ(ReadPixel(screen, 99, 200), kBackground);
}

TEST_F(BlitTest, RightEdgeKeepsTheLeftTwentyColumnsAt780) {
  BlitSprite(780, 50);
  for (int column = 0; column < 20; ++column) {
    EXPECT_EQ(ReadPixel(screen, 780 + column, 50), SpriteColour(column, 0)) << column;
    EXPECT_EQ(ReadPixel(screen, 780 + column, 149), SpriteColour(column, 99)) << column;
  }
  EXPECT_EQ(ReadPixel(screen, 779, 50), kBackground);
  EXPECT_EQ(ReadPixel(screen, 780, 150), kBackground);
}

TEST_F(BlitTest, NothingIsDrawnAtOrPastTheRightEdgeAndAtMinus48OrLess) {
  const std::vector<uint32_t> before = ReadAllPixels(screen);
  for (int16_t destX : {800, 801, 5000, -48, -49, -3000}) {
    EXPECT_NO_THROW(BlitSprite(destX, 10)) << destX;
    EXPECT_NO_THROW(BlitSprite(destX, 10, 0, 0)) << destX;
  }
  for (int16_t destY : {600, -100, -101}) EXPECT_NO_THROW(BlitSprite(10, destY)) << destY;
  EXPECT_EQ(ReadAllPixels(screen), before);
}

TEST_F(BlitTest, LeftEdgeShowsTheRightColumnsOnly) {
  BlitSprite(-47, 10);
  EXPECT_EQ(ReadPixel(screen, 0, 10), SpriteColour(47, 0));
  EXPECT_EQ(ReadPixel(screen, 1, 10), kBackground);
  BlitSprite(-10, 300);
  EXPECT_EQ(ReadPixel(screen, 0, 300), SpriteColour(10, 0));
  EXPECT_EQ(ReadPixel(screen, 37, 399), SpriteColour(47, 99));
  EXPECT_EQ(ReadPixel(screen, 38, 300), kBackground);
}

TEST_F(BlitTest, TopEdgeStartsFromThe31stRowAtDestYMinus30) {
  BlitSprite(200, -30);
  EXPECT_EQ(ReadPixel(screen, 200, 0), SpriteColour(0, 30));
  EXPECT_EQ(ReadPixel(screen, 247, 69), SpriteColour(47, 99));
  EXPECT_EQ(ReadPixel(screen, 200, 70), kBackground);
}

TEST_F(BlitTest, BottomRightCornerClipsBothWays) {
  BlitSprite(790, 560);
  EXPECT_EQ(ReadPixel(screen, 790, 560), SpriteColour(0, 0));
  EXPECT_EQ(ReadPixel(screen, 799, 599), SpriteColour(9, 39));
  EXPECT_EQ(ReadPixel(screen, 789, 599), kBackground);
}

TEST_F(BlitTest, OnlyTheLow16BitsOfAnArgumentCount) {
  const int farRight = 65536 + 100;  // reads as 100
  BlitSprite(static_cast<int16_t>(farRight), 20);
  EXPECT_EQ(ReadPixel(screen, 100, 20), SpriteColour(0, 0));
}

TEST_F(BlitTest, TransparentCopySkipsPureBlackOnly) {
  WritePixel(sprite, 0, 0, 0x000000);
  WritePixel(sprite, 1, 0, 0x010000);  // red 1: one step from black
  WritePixel(sprite, 2, 0, 0x000001);
  BlitSprite(10, 10);
  EXPECT_EQ(ReadPixel(screen, 10, 10), kBackground);
  EXPECT_EQ(ReadPixel(screen, 11, 10), 0x010000u);
  EXPECT_EQ(ReadPixel(screen, 12, 10), 0x000001u);
}

TEST_F(BlitTest, ClippedTransparentCopySkipsPureBlackToo) {
  WritePixel(sprite, 0, 10, 0x000000);
  BlitSprite(0, 520);  // clipped at the bottom: drawn with explicit rectangles
  EXPECT_EQ(ReadPixel(screen, 0, 530), kBackground);
  EXPECT_EQ(ReadPixel(screen, 1, 530), SpriteColour(1, 10));
  EXPECT_EQ(ReadPixel(screen, 0, 599), SpriteColour(0, 79));
}

TEST_F(BlitTest, FlagsOtherThanTransparentAloneCopyOpaque) {
  WritePixel(sprite, 0, 0, 0x000000);
  struct Flags {
    uint8_t translucent, transparent;
  };
  // translucent 1 without transparent, transparent 2, and a transparent 1
  // whose translucent flag is neither 0 nor 1.
  const Flags opaqueCases[] = {{1, 0}, {0, 2}, {2, 1}, {0, 0}};
  int16_t y = 0;
  for (const Flags& flags : opaqueCases) {
    BlitSprite(0, y, flags.translucent, flags.transparent);
    EXPECT_EQ(ReadPixel(screen, 0, y), 0x000000u) << int{flags.translucent} << "/" << int{flags.transparent};
    EXPECT_EQ(ReadPixel(screen, 1, y), SpriteColour(1, 0));
    y = static_cast<int16_t>(y + 120);
  }
}

TEST_F(BlitTest, TranslucentBlendRoundsTowardTheNearestValue) {
  LPDIRECTDRAWSURFACE source = app->CreateBitmapSurface(4, 1);
  WritePixel(source, 0, 0, 0x0AFF00);  // red 10, green 255, blue 0
  WritePixel(source, 1, 0, 0x000000);  // the key: skipped
  WritePixel(source, 2, 0, 0x808080);
  WritePixel(source, 3, 0, 0x000001);
  WritePixel(screen, 400, 300, 0xC800FF);  // red 200, green 0, blue 255
  WritePixel(screen, 401, 300, 0xC800FF);
  WritePixel(screen, 402, 300, 0x808080);
  WritePixel(screen, 403, 300, 0x000000);
  app->Blit(source, 0, 0, 4, 1, screen, 400, 300, 1, 1);
  EXPECT_EQ(ReadPixel(screen, 400, 300), 0x69807Fu);  // 105, 128, 127
  EXPECT_EQ(ReadPixel(screen, 401, 300), 0xC800FFu);
  EXPECT_EQ(ReadPixel(screen, 402, 300), 0x808080u);
  EXPECT_EQ(ReadPixel(screen, 403, 300), 0x000001u);  // (0 + 128 + 128) / 256
  EXPECT_EQ(ReadPixel(screen, 404, 300), kBackground);
}

TEST_F(BlitTest, TranslucentBlendIsClippedLikeACopy) {
  FillSurface(sprite, 0xFFFFFF);
  FillSurface(screen, 0x000000);
  BlitSprite(780, -30, 1, 1);
  EXPECT_EQ(ReadPixel(screen, 780, 0), 0x808080u);
  EXPECT_EQ(ReadPixel(screen, 799, 69), 0x808080u);
  EXPECT_EQ(ReadPixel(screen, 779, 0), 0x000000u);
  EXPECT_EQ(ReadPixel(screen, 780, 70), 0x000000u);
}

// The 480 x 480 board surface: the frame is 800 x 600, so a rectangle that
// runs past the board is not clipped, and DirectDraw refuses it.
TEST_F(BlitTest, RectangleOutsideASmallerSurfaceGivesTheDiagnosticText) {
  LPDIRECTDRAWSURFACE board = app->CreateBitmapSurface(480, 480);
  const std::string text =
      FatalTextOf([&] { app->Blit(sprite, 0, 0, kSpriteWidth, kSpriteHeight, board, 450, 400, 0, 1); });
  const std::string expected = std::string(97, '-') +
                               "\n"
                               "Blt result=150\n"
                               "x=0\ny=0\nwidth=48\nheight=100\ndestx=450\ndesty=400\n"
                               "translucent=0\ntransparent=1\n"
                               "\nSource Rectangle\nleft=0\ntop=0\nright=48\nbottom=100\n"
                               "\nDestination Rectangle\nleft=450\ntop=400\nright=498\nbottom=500\n";
  EXPECT_EQ(text, expected);
}

TEST_F(BlitTest, DiagnosticTextShowsTheClippedRectanglesAndTheFlagBytes) {
  LPDIRECTDRAWSURFACE board = app->CreateBitmapSurface(480, 480);
  const std::string text = FatalTextOf([&] { app->Blit(sprite, 5, 0, 43, kSpriteHeight, board, -3, 450, 7, 0); });
  const std::string expected = std::string(97, '-') +
                               "\n"
                               "Blt result=150\n"
                               "x=5\ny=0\nwidth=43\nheight=100\ndestx=-3\ndesty=450\n"
                               "translucent=7\ntransparent=0\n"
                               "\nSource Rectangle\nleft=8\ntop=0\nright=48\nbottom=100\n"
                               "\nDestination Rectangle\nleft=0\ntop=450\nright=40\nbottom=550\n";
  EXPECT_EQ(text, expected);
}

TEST_F(BlitTest, SourceRectangleOutsideTheSourceGivesTheDiagnosticText) {
  const std::string text = FatalTextOf([&] { app->Blit(sprite, 40, 0, 20, 10, screen, 0, 0, 0, 0); });
  EXPECT_NE(text.find("\nBlt result=150\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nSource Rectangle\nleft=40\ntop=0\nright=60\nbottom=10\n"), std::string::npos) << text;
}

TEST_F(BlitTest, LostSurfacesEndInSurfaceLost) {
  headless::LoseSurface(screen);
  EXPECT_EQ(FatalTextOf([&] { BlitSprite(10, 10); }), "Surface Lost");
  EXPECT_EQ(FatalTextOf([&] { BlitSprite(-10, 10); }), "Surface Lost");
  EXPECT_EQ(FatalTextOf([&] { BlitSprite(10, 10, 1, 1); }), "Surface Lost");
}

TEST_F(BlitTest, TranslucentBlendOfASurfaceOntoItselfCannotLockItTwice) {
  EXPECT_EQ(FatalTextOf([&] { app->Blit(screen, 0, 0, 10, 10, screen, 20, 20, 1, 1); }), "Surface Busy");
  // Both locks were given back: the surface still takes copies.
  EXPECT_NO_THROW(BlitSprite(10, 10));
}

TEST_F(BlitTest, BitmapSurfacesAreKeyedOnBlack) {
  LPDIRECTDRAWSURFACE surface = app->CreateBitmapSurface(30, 20);
  DDCOLORKEY key = {0xFF, 0xFF};
  ASSERT_EQ(surface->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
  EXPECT_EQ(key.dwColorSpaceLowValue, 0u);
  EXPECT_EQ(key.dwColorSpaceHighValue, 0u);
  DDSURFACEDESC description;
  std::memset(&description, 0, sizeof description);
  description.dwSize = sizeof description;
  ASSERT_EQ(surface->GetSurfaceDesc(&description), DD_OK);
  EXPECT_EQ(description.dwWidth, 30u);
  EXPECT_EQ(description.dwHeight, 20u);
}

TEST_F(BlitTest, ImpossibleBitmapSurfaceIsAFatalError) {
  EXPECT_EQ(FatalTextOf([&] { app->CreateBitmapSurface(-5, 10); }), "Unable to create bitmap surface.");
  EXPECT_EQ(FatalTextOf([&] { app->CreateBitmapSurface(0, 0); }), "Unable to create bitmap surface.");
}

}  // namespace
