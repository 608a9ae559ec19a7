// LoadImageA from a real resource-only DLL (windres and ld) and from the
// program's embedded resources: every format pixel-exact, at natural and
// asked sizes; icons and the arrow cursor.
#include <gtest/gtest.h>

#include "platform/win32.h"
#include "tests/platform_res/test_resource_ids.h"
#include "tests/platform_res/test_samples.h"

namespace {

// The colour of a pixel of a loaded DIB section, read through its BITMAP.
uint32_t PixelXrgb(const BITMAP& info, const std::vector<uint32_t>* palette, int x, int y) {
  const auto* row =
      static_cast<const uint8_t*>(info.bmBits) + static_cast<size_t>(info.bmHeight - 1 - y) * info.bmWidthBytes;
  switch (info.bmBitsPixel) {
    case 8: return (*palette)[row[x]];
    case 24: return (uint32_t{row[3 * x + 2]} << 16) | (uint32_t{row[3 * x + 1]} << 8) | row[3 * x];
    default: return (uint32_t{row[4 * x + 2]} << 16) | (uint32_t{row[4 * x + 1]} << 8) | row[4 * x];
  }
}

// Reads every pixel through a memory context, as XRGB, rows from the top.
std::vector<uint32_t> PixelsViaContext(HBITMAP picture, int width, int height) {
  HDC context = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(context, picture);
  std::vector<uint32_t> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = GetPixel(context, x, y);
      pixels.push_back((uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c));
    }
  SelectObject(context, previous);
  DeleteDC(context);
  return pixels;
}

class LoadImage : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    module_ = GetParam() ? LoadLibraryA("platform_res_art.dll") : GetModuleHandleA(nullptr);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (GetParam()) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

TEST_P(LoadImage, EveryFormatAtItsNaturalSizeIsPixelExact) {
  for (const DibSample& sample : DibSamples()) {
    SCOPED_TRACE(sample.name);
    auto picture = static_cast<HBITMAP>(
        LoadImageA(module_, MAKEINTRESOURCEA(sample.resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(picture, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(picture, sizeof info, &info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmType, 0);
    EXPECT_EQ(info.bmWidth, sample.width);
    EXPECT_EQ(info.bmHeight, sample.height);
    EXPECT_EQ(info.bmPlanes, 1);
    EXPECT_EQ(info.bmBitsPixel, sample.decodedBits);
    EXPECT_EQ(info.bmWidthBytes, (sample.width * sample.decodedBits + 31) / 32 * 4);
    ASSERT_NE(info.bmBits, nullptr);
    EXPECT_EQ(PixelsViaContext(picture, sample.width, sample.height), sample.expected);
    EXPECT_TRUE(DeleteObject(picture));
  }
}

TEST_P(LoadImage, TwentyFourBitRowsAreBottomUpInTheBits) {
  const DibSample& sample = DibSampleById(ID_BITMAP_24BIT_TOP_DOWN);
  HANDLE picture = LoadImageA(module_, MAKEINTRESOURCEA(sample.resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  ASSERT_NE(picture, nullptr);
  BITMAP info{};
  GetObjectA(picture, sizeof info, &info);
  for (int y = 0; y < sample.height; ++y)
    for (int x = 0; x < sample.width; ++x)
      EXPECT_EQ(PixelXrgb(info, nullptr, x, y), sample.expected[y * sample.width + x]);
  DeleteObject(picture);
}

TEST_P(LoadImage, AnotherSizeIsStretchedNearestNeighbour) {
  const DibSample& sample = DibSampleById(ID_BITMAP_RLE8_ESCAPES);  // 8 x 5
  auto picture = static_cast<HBITMAP>(
      LoadImageA(module_, MAKEINTRESOURCEA(sample.resourceId), IMAGE_BITMAP, 24, 10, LR_CREATEDIBSECTION));
  ASSERT_NE(picture, nullptr);
  BITMAP info{};
  GetObjectA(picture, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 24);
  EXPECT_EQ(info.bmHeight, 10);
  const std::vector<uint32_t> pixels = PixelsViaContext(picture, 24, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 24; ++x) EXPECT_EQ(pixels[y * 24 + x], sample.expected[(y / 2) * 8 + x / 3]);
  DeleteObject(picture);

  // Zero for one side keeps that side natural; LR_DEFAULTSIZE changes nothing for bitmaps.
  picture = static_cast<HBITMAP>(LoadImageA(module_, MAKEINTRESOURCEA(sample.resourceId), IMAGE_BITMAP, 0, 15,
                                            LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
  ASSERT_NE(picture, nullptr);
  GetObjectA(picture, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 8);
  EXPECT_EQ(info.bmHeight, 15);
  DeleteObject(picture);
}

TEST_P(LoadImage, MissingOrUnreadablePicturesGiveNull) {
  EXPECT_EQ(LoadImageA(module_, MAKEINTRESOURCEA(9999), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION), nullptr);
  // A wave is no bitmap, even under a bitmap's number.
  EXPECT_EQ(LoadImageA(module_, MAKEINTRESOURCEA(ID_WAVE_PCM8_LIST_CHUNK), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION),
            nullptr);
  EXPECT_EQ(LoadImageA(module_, MAKEINTRESOURCEA(ID_BITMAP_24BIT_ODD_WIDTH), IMAGE_BITMAP, -1, 0, LR_CREATEDIBSECTION),
            nullptr);
  EXPECT_EQ(LoadImageA(reinterpret_cast<HINSTANCE>(&module_), MAKEINTRESOURCEA(ID_BITMAP_24BIT_ODD_WIDTH), IMAGE_BITMAP,
                       0, 0, LR_CREATEDIBSECTION),
            nullptr)
      << "no module";
}

TEST_P(LoadImage, IconsComeFromTheirGroup) {
  HICON icon = LoadIconA(module_, MAKEINTRESOURCEA(ID_ICON_16));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(LoadIconA(module_, MAKEINTRESOURCEA(ID_ICON_16)), icon) << "icons are shared";
  EXPECT_EQ(LoadImageA(module_, MAKEINTRESOURCEA(ID_ICON_16), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR), icon);
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_EQ(LoadIconA(module_, MAKEINTRESOURCEA(ID_BITMAP_24BIT_ODD_WIDTH)), nullptr);
}

INSTANTIATE_TEST_SUITE_P(FromLibraryAndProgram, LoadImage, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("Library") : std::string("Program");
                         });

TEST(SystemImages, ArrowCursorAndApplicationIcon) {
  EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
  EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
}

}  // namespace
