// CopyBitmapToSurface: GDI bitmaps from resources drawn into surfaces.
#include <cstring>
#include <string>

#include "tests/frame/frame_test_support.h"

namespace {

const int kBitmapWidth = 6;
const int kBitmapHeight = 4;
const int kBitmapResource = 1;

// The colour of each pixel of data/whole_bitmap_copy_6x4.bmp.
uint32_t BitmapColour(int x, int y) {
  const uint32_t red = static_cast<uint32_t>(x * 40 + 20);
  const uint32_t green = static_cast<uint32_t>(y * 50 + 30);
  const uint32_t blue = static_cast<uint32_t>((x + y) * 10 + 7);
  return red << 16 | green << 8 | blue;
}

class BitmapCopyTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    WriteSettings(1);
    app = new TestApp();
    bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kBitmapResource), IMAGE_BITMAP,
                                             0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
  }
  void TearDown() override {
    if (bitmap != nullptr) DeleteObject(bitmap);
    delete app;
    FrameTest::TearDown();
  }

  TestApp* app = nullptr;
  HBITMAP bitmap = nullptr;
};

TEST_F(BitmapCopyTest, WidthAndHeightZeroCopyTheWholeBitmap) {
  LPDIRECTDRAWSURFACE surface = app->CreateBitmapSurface(kBitmapWidth, kBitmapHeight);
  app->CopyBitmapToSurface(surface, bitmap, 0, 0, 0, 0);
  for (int y = 0; y < kBitmapHeight; ++y)
    for (int x = 0; x < kBitmapWidth; ++x) EXPECT_EQ(ReadPixel(surface, x, y), BitmapColour(x, y)) << x << "," << y;
}

TEST_F(BitmapCopyTest, RectangleOfTheBitmapFillsTheSurface) {
  LPDIRECTDRAWSURFACE surface = app->CreateBitmapSurface(2, 3);
  app->CopyBitmapToSurface(surface, bitmap, 3, 1, 2, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(ReadPixel(surface, x, y), BitmapColour(3 + x, 1 + y)) << x << "," << y;
}

TEST_F(BitmapCopyTest, LostSurfaceIsRestoredBeforeTheCopy) {
  LPDIRECTDRAWSURFACE surface = app->CreateBitmapSurface(kBitmapWidth, kBitmapHeight);
  headless::LoseSurface(surface);
  app->CopyBitmapToSurface(surface, bitmap, 0, 0, 0, 0);
  EXPECT_EQ(ReadPixel(surface, 5, 3), BitmapColour(5, 3));
}

TEST_F(BitmapCopyTest, BitmapStaysTheCallers) {
  LPDIRECTDRAWSURFACE surface = app->CreateBitmapSurface(kBitmapWidth, kBitmapHeight);
  app->CopyBitmapToSurface(surface, bitmap, 0, 0, 0, 0);
  BITMAP info;
  std::memset(&info, 0, sizeof info);
  EXPECT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, kBitmapWidth);
  EXPECT_TRUE(DeleteObject(bitmap));
  bitmap = nullptr;
}

TEST_F(BitmapCopyTest, NullArgumentsAreRefused) {
  const char* expected = "NULL parameters passed to CopyBitmapToSurface.";
  LPDIRECTDRAWSURFACE surface = app->CreateBitmapSurface(kBitmapWidth, kBitmapHeight);
  EXPECT_EQ(FatalTextOf([&] { app->CopyBitmapToSurface(surface, nullptr, 0, 0, 0, 0); }), expected);
  EXPECT_EQ(FatalTextOf([&] { app->CopyBitmapToSurface(nullptr, bitmap, 0, 0, 0, 0); }), expected);
}

}  // namespace
