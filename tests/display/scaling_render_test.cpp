// The scaled pictures themselves, drawn by the presentation's own scaler on
// SDL's software renderer: exact blocks at whole multiples, black bars, and
// edges between the frame's pixels no wider than one blended pixel.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/src/present_scaler.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr uint32_t kBlack = 0;

// A frame whose neighbouring pixels all differ, and none of them is black.
std::vector<uint32_t> DistinctPixels() {
  std::vector<uint32_t> frame(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      frame[y * kWidth + x] = (static_cast<uint32_t>(x * 37 % 200 + 40) << 16) |
                              (static_cast<uint32_t>(y * 53 % 200 + 40) << 8) |
                              static_cast<uint32_t>((x + y) % 2 == 0 ? 60 : 220);
  return frame;
}

// Stripes of two colours, `period` pixels wide, across (vertical stripes) or
// down (horizontal stripes) the frame.
constexpr uint32_t kLight = 0xE0C890;
constexpr uint32_t kDark = 0x502010;
std::vector<uint32_t> Stripes(int period, bool vertical) {
  std::vector<uint32_t> frame(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) frame[y * kWidth + x] = ((vertical ? x : y) / period) % 2 == 0 ? kLight : kDark;
  return frame;
}

std::vector<uint32_t> Render(const std::vector<uint32_t>& frame, int width, int height, int mode,
                             size_t* intermediateBytes = nullptr) {
  return RenderScaledFrame(frame.data(), kWidth, kHeight, kWidth * 4, width, height, mode, intermediateBytes);
}

bool Near(uint32_t a, uint32_t b) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2) return false;
  return true;
}

// The longest run of neighbouring pixels along a line of the picture that are
// neither of the stripes' colours.
int WidestBlend(const std::vector<uint32_t>& output, int outputWidth, int first, int count, int step, int line,
                bool vertical) {
  int widest = 0;
  int run = 0;
  for (int i = 0; i < count; ++i) {
    const int along = first + i * step;
    const uint32_t pixel = vertical ? output[line * outputWidth + along] : output[along * outputWidth + line];
    run = Near(pixel, kLight) || Near(pixel, kDark) ? 0 : run + 1;
    if (run > widest) widest = run;
  }
  return widest;
}

TEST(ScalingRender, SharpAtTwiceTheFrameGivesEveryPixelAsAnExactTwoByTwoBlock) {
  const std::vector<uint32_t> frame = DistinctPixels();
  const std::vector<uint32_t> output = Render(frame, 1600, 1200, kPlatformScalingSharp);
  ASSERT_EQ(output.size(), 1600u * 1200u);
  int wrong = 0;
  for (int y = 0; y < 1200; ++y)
    for (int x = 0; x < 1600; ++x)
      if (output[y * 1600 + x] != frame[(y / 2) * kWidth + x / 2]) ++wrong;
  EXPECT_EQ(wrong, 0);
}

TEST(ScalingRender, SharpOnAFullHdScreenIsCentredWithBlackBarsAndCrispPictureEdges) {
  const std::vector<uint32_t> frame = DistinctPixels();
  const std::vector<uint32_t> output = Render(frame, 1920, 1080, kPlatformScalingSharp);
  ASSERT_EQ(output.size(), 1920u * 1080u);
  int barPixelsNotBlack = 0;
  for (int y = 0; y < 1080; ++y) {
    for (int x = 0; x < 240; ++x) barPixelsNotBlack += output[y * 1920 + x] != kBlack;
    for (int x = 1680; x < 1920; ++x) barPixelsNotBlack += output[y * 1920 + x] != kBlack;
  }
  EXPECT_EQ(barPixelsNotBlack, 0);
  // The picture's corners are the frame's own corner pixels, not blends with the bars.
  EXPECT_TRUE(Near(output[0 * 1920 + 240], frame[0]));
  EXPECT_TRUE(Near(output[0 * 1920 + 1679], frame[kWidth - 1]));
  EXPECT_TRUE(Near(output[1079 * 1920 + 240], frame[(kHeight - 1) * kWidth]));
  EXPECT_TRUE(Near(output[1079 * 1920 + 1679], frame[kHeight * kWidth - 1]));
}

TEST(ScalingRender, SharpEdgesBetweenFramePixelsAreAtMostOneBlendedPixelWide) {
  struct Screen {
    int width, height;
    ScaleRect picture;
    int narrowestStripe;  // a frame pixel covers picture / frame output pixels
  };
  // At 1.25 output pixels a frame pixel, one-pixel stripes are all edge.
  for (const Screen& screen : {Screen{1920, 1080, {240, 0, 1440, 1080}, 1}, Screen{3840, 2160, {480, 0, 2880, 2160}, 1},
                               Screen{1000, 1000, {0, 125, 1000, 750}, 3}}) {
    SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
    for (int period : {1, 3, 8}) {
      if (period < screen.narrowestStripe) continue;
      SCOPED_TRACE("stripes " + std::to_string(period) + " pixels wide");
      const ScaleRect& picture = screen.picture;
      const std::vector<uint32_t> across =
          Render(Stripes(period, true), screen.width, screen.height, kPlatformScalingSharp);
      const std::vector<uint32_t> down =
          Render(Stripes(period, false), screen.width, screen.height, kPlatformScalingSharp);
      ASSERT_FALSE(across.empty());
      EXPECT_LE(WidestBlend(across, screen.width, picture.x, picture.width, 1, picture.y + picture.height / 2, true),
                1);
      EXPECT_LE(WidestBlend(down, screen.width, picture.y, picture.height, 1, picture.x + picture.width / 2, false), 1);
    }
  }
}

TEST(ScalingRender, SmoothEdgesAreWiderThanSharpOnes) {
  // The reason for the sharp default: straight linear enlargement by 1.8 blurs each edge over two pixels.
  const std::vector<uint32_t> smooth = Render(Stripes(8, true), 1920, 1080, kPlatformScalingSmooth);
  ASSERT_FALSE(smooth.empty());
  EXPECT_GE(WidestBlend(smooth, 1920, 240, 1440, 1, 540, true), 2);
}

TEST(ScalingRender, PixelPerfectOnAFullHdScreenIsTheFrameItselfCentred) {
  const std::vector<uint32_t> frame = DistinctPixels();
  const std::vector<uint32_t> output = Render(frame, 1920, 1080, kPlatformScalingPixelPerfect);
  ASSERT_EQ(output.size(), 1920u * 1080u);
  int wrong = 0;
  for (int y = 0; y < 1080; ++y)
    for (int x = 0; x < 1920; ++x) {
      const bool inside = x >= 560 && x < 1360 && y >= 240 && y < 840;
      const uint32_t expected = inside ? frame[(y - 240) * kWidth + (x - 560)] : kBlack;
      wrong += output[y * 1920 + x] != expected;
    }
  EXPECT_EQ(wrong, 0);
}

TEST(ScalingRender, PixelPerfectOnA1440pScreenIsTwiceTheFrameCentred) {
  const std::vector<uint32_t> frame = DistinctPixels();
  const std::vector<uint32_t> output = Render(frame, 2560, 1440, kPlatformScalingPixelPerfect);
  ASSERT_EQ(output.size(), 2560u * 1440u);
  int wrong = 0;
  for (int y = 0; y < 1440; ++y)
    for (int x = 0; x < 2560; ++x) {
      const bool inside = x >= 480 && x < 2080 && y >= 120 && y < 1320;
      const uint32_t expected = inside ? frame[((y - 120) / 2) * kWidth + (x - 480) / 2] : kBlack;
      wrong += output[y * 2560 + x] != expected;
    }
  EXPECT_EQ(wrong, 0);
}

TEST(ScalingRender, TheIntermediatePictureIsAWholeMultipleOfTheFrameOnlyWhenOneIsNeeded) {
  const std::vector<uint32_t> frame = DistinctPixels();
  size_t bytes = 1;
  Render(frame, 1600, 1200, kPlatformScalingSharp, &bytes);
  EXPECT_EQ(bytes, 0u) << "a whole multiple is drawn straight";
  Render(frame, 1920, 1080, kPlatformScalingSharp, &bytes);
  EXPECT_EQ(bytes, 1600u * 1200u * 4u);
  Render(frame, 3840, 2160, kPlatformScalingSharp, &bytes);
  EXPECT_EQ(bytes, 3200u * 2400u * 4u);
  Render(frame, 3840, 2160, kPlatformScalingSmooth, &bytes);
  EXPECT_EQ(bytes, 0u);
}

}  // namespace
