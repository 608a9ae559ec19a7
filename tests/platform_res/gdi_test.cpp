// GDI over DIB sections: memory contexts and the selection rules, GetObjectA,
// StretchBlt into surface and memory contexts (clipping, scaling, palette
// conversion), SetPixel and GetPixel.
#include <gtest/gtest.h>

#include "platform/src/gdi_object.h"
#include "platform/win32.h"
#include "tests/platform_res/test_resource_ids.h"
#include "tests/platform_res/test_samples.h"

namespace {

constexpr uint32_t kUntouched = 0xFF123456u;

// A context over 32-bit XRGB pixels with a pitch wider than the rows, as
// DirectDraw's GetDC gives one.
class SurfaceContext {
 public:
  SurfaceContext(int width, int height) : pixels_(static_cast<size_t>(width + 3) * height, kUntouched) {
    context_.target = GdiDeviceContext::Target::Surface;
    context_.pixels = pixels_.data();
    context_.width = width;
    context_.height = height;
    context_.pitch = (width + 3) * 4;
  }
  HDC Handle() { return HandleOf(&context_); }
  uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * (context_.width + 3) + x]; }

 private:
  std::vector<uint32_t> pixels_;
  GdiDeviceContext context_;
};

HBITMAP LoadSample(int id, int width = 0, int height = 0) {
  return static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION));
}

// A memory context with a picture selected, undone when it goes.
class MemoryContext {
 public:
  explicit MemoryContext(HBITMAP picture) : context_(CreateCompatibleDC(nullptr)) {
    previous_ = SelectObject(context_, picture);
  }
  ~MemoryContext() {
    SelectObject(context_, previous_);
    DeleteDC(context_);
  }
  HDC Handle() const { return context_; }

 private:
  HDC context_;
  HGDIOBJ previous_;
};

TEST(GdiContexts, SelectionReturnsThePreviousBitmapAndGuardsDeletion) {
  HBITMAP picture = LoadSample(ID_BITMAP_24BIT_ODD_WIDTH);
  ASSERT_NE(picture, nullptr);
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(first);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);

  HGDIOBJ original = SelectObject(first, picture);
  ASSERT_NE(original, nullptr) << "a new context holds a default bitmap";
  BITMAP info{};
  ASSERT_EQ(GetObjectA(original, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 1);
  EXPECT_EQ(SelectObject(second, picture), nullptr) << "selected elsewhere already";
  EXPECT_FALSE(DeleteObject(picture)) << "still selected";
  EXPECT_TRUE(DeleteObject(original)) << "stock objects ignore deletion";

  EXPECT_EQ(SelectObject(first, original), picture);
  EXPECT_TRUE(DeleteDC(first));
  EXPECT_TRUE(DeleteDC(second));
  EXPECT_FALSE(DeleteDC(first)) << "already deleted";
  EXPECT_TRUE(DeleteObject(picture));
  EXPECT_FALSE(DeleteObject(nullptr));
}

TEST(GdiContexts, GetObjectAnswersItsSizeAndRefusesShortBuffers) {
  HBITMAP picture = LoadSample(ID_BITMAP_8BIT_SHORT_PALETTE);
  EXPECT_EQ(GetObjectA(picture, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
  BITMAP info{};
  EXPECT_EQ(GetObjectA(picture, sizeof info - 1, &info), 0);
  EXPECT_EQ(GetObjectA(nullptr, sizeof info, &info), 0);
  DeleteObject(picture);
}

TEST(StretchBlt, WholePictureOneToOneIntoASurface) {
  for (int id : {ID_BITMAP_24BIT_ODD_WIDTH, ID_BITMAP_8BIT_SHORT_PALETTE, ID_BITMAP_32BIT_X_BYTE}) {
    const DibSample& sample = DibSampleById(static_cast<uint16_t>(id));
    SCOPED_TRACE(sample.name);
    HBITMAP picture = LoadSample(id);
    SurfaceContext surface(sample.width, sample.height);
    {
      MemoryContext source(picture);
      EXPECT_TRUE(StretchBlt(surface.Handle(), 0, 0, sample.width, sample.height, source.Handle(), 0, 0, sample.width,
                             sample.height, SRCCOPY));
    }
    for (int y = 0; y < sample.height; ++y)
      for (int x = 0; x < sample.width; ++x) EXPECT_EQ(surface.At(x, y), sample.expected[y * sample.width + x]);
    DeleteObject(picture);
  }
}

TEST(StretchBlt, ACellOfAStripScaledUpNearestNeighbour) {
  const DibSample& sample = DibSampleById(ID_BITMAP_24BIT_ODD_WIDTH);  // 5 x 3
  HBITMAP picture = LoadSample(ID_BITMAP_24BIT_ODD_WIDTH);
  SurfaceContext surface(4, 4);
  {
    MemoryContext source(picture);
    // Cell (1, 1, 2, 2) to the whole 4 x 4 surface.
    EXPECT_TRUE(StretchBlt(surface.Handle(), 0, 0, 4, 4, source.Handle(), 1, 1, 2, 2, SRCCOPY));
  }
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.At(x, y), sample.expected[(1 + y / 2) * 5 + 1 + x / 2]);
  DeleteObject(picture);
}

TEST(StretchBlt, ClipsToBothContextsAndLeavesTheRestAlone) {
  const DibSample& sample = DibSampleById(ID_BITMAP_24BIT_ODD_WIDTH);  // 5 x 3
  HBITMAP picture = LoadSample(ID_BITMAP_24BIT_ODD_WIDTH);
  SurfaceContext surface(4, 3);
  {
    MemoryContext source(picture);
    // Destination starts left of the surface; the source runs past the picture's right edge.
    EXPECT_TRUE(StretchBlt(surface.Handle(), -1, 1, 5, 2, source.Handle(), 2, 0, 5, 2, SRCCOPY));
  }
  for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.At(x, 0), kUntouched) << "row 0 is outside the copy";
  // Destination column d takes source column 2 + (d + 1); only columns up to 4 exist.
  EXPECT_EQ(surface.At(0, 1), sample.expected[0 * 5 + 3]);
  EXPECT_EQ(surface.At(1, 1), sample.expected[0 * 5 + 4]);
  EXPECT_EQ(surface.At(2, 1), kUntouched);
  EXPECT_EQ(surface.At(1, 2), sample.expected[1 * 5 + 4]);
  DeleteObject(picture);
}

TEST(StretchBlt, IntoAMemoryContextAndByBitBlt) {
  const DibSample& sample = DibSampleById(ID_BITMAP_8BIT_SHORT_PALETTE);  // 7 x 4, 8-bit
  HBITMAP source = LoadSample(ID_BITMAP_8BIT_SHORT_PALETTE);
  HBITMAP target = LoadSample(ID_BITMAP_24BIT_ODD_WIDTH, 7, 4);  // 24-bit, 7 x 4
  {
    MemoryContext from(source);
    MemoryContext to(target);
    EXPECT_TRUE(BitBlt(to.Handle(), 0, 0, 7, 4, from.Handle(), 0, 0, SRCCOPY));
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 7; ++x) {
        const uint32_t want = sample.expected[y * 7 + x];
        EXPECT_EQ(GetPixel(to.Handle(), x, y), RGB(want >> 16, (want >> 8) & 255, want & 255));
      }
  }
  BITMAP info{};
  GetObjectA(target, sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 24) << "the target keeps its depth";
  DeleteObject(source);
  DeleteObject(target);
}

TEST(StretchBlt, WithoutAPictureOrWithNothingToCopy) {
  SurfaceContext surface(2, 2);
  EXPECT_FALSE(StretchBlt(surface.Handle(), 0, 0, 2, 2, nullptr, 0, 0, 2, 2, SRCCOPY));
  HBITMAP picture = LoadSample(ID_BITMAP_24BIT_ODD_WIDTH);
  {
    MemoryContext source(picture);
    EXPECT_TRUE(StretchBlt(surface.Handle(), 0, 0, 0, 2, source.Handle(), 0, 0, 2, 2, SRCCOPY));
  }
  EXPECT_EQ(surface.At(0, 0), kUntouched);
  DeleteObject(picture);
}

TEST(Pixels, SetAndGetOnTwentyFourBitAndPalettedPictures) {
  HBITMAP rgb = LoadSample(ID_BITMAP_24BIT_ODD_WIDTH);
  {
    MemoryContext context(rgb);
    EXPECT_EQ(SetPixel(context.Handle(), 4, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(context.Handle(), 4, 2), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(context.Handle(), 5, 0, RGB(1, 2, 3)), CLR_INVALID);
    EXPECT_EQ(GetPixel(context.Handle(), 0, -1), CLR_INVALID);
  }
  BITMAP info{};
  GetObjectA(rgb, sizeof info, &info);
  const auto* bottomRow = static_cast<const uint8_t*>(info.bmBits);  // y 2 is the stored first row
  EXPECT_EQ(bottomRow[12], 3);
  EXPECT_EQ(bottomRow[13], 2);
  EXPECT_EQ(bottomRow[14], 1);
  DeleteObject(rgb);

  // A paletted picture takes the nearest colour of its palette.
  HBITMAP paletted = LoadSample(ID_BITMAP_1BIT_TWO_COLOURS);
  {
    MemoryContext context(paletted);
    EXPECT_EQ(SetPixel(context.Handle(), 0, 0, RGB(250, 250, 250)), RGB(240, 230, 220));
    EXPECT_EQ(SetPixel(context.Handle(), 1, 0, RGB(0, 0, 0)), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(context.Handle(), 1, 0), RGB(10, 20, 30));
  }
  DeleteObject(paletted);
}

TEST(Pixels, SetAndGetOnASurfaceContext) {
  SurfaceContext surface(3, 2);
  EXPECT_EQ(SetPixel(surface.Handle(), 2, 1, RGB(200, 100, 50)), RGB(200, 100, 50));
  EXPECT_EQ(surface.At(2, 1), 0x00C86432u);
  EXPECT_EQ(GetPixel(surface.Handle(), 2, 1), RGB(200, 100, 50));
  EXPECT_EQ(SetPixel(surface.Handle(), 3, 1, 0), CLR_INVALID);
}

}  // namespace
