// The 50 % blend on raw pixel memory: rounding, the black key, pixel sizes.
#include "viewer/frame/blend_translucent.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const uint32_t kBlack = 0;
const uint32_t kHalf = 128;

// One 4-byte pixel: blue, green, red, fourth byte.
struct Pixel {
  uint8_t blue, green, red, extra;
};

Pixel BlendOne(Pixel destination, Pixel source) {
  BlendTranslucent(&source.blue, 4, &destination.blue, 4, 1, 1, 4, kBlack, kHalf);
  return destination;
}

TEST(BlendTranslucent, RoundsHalfWayBlendsOfEachChannel) {
  const Pixel result = BlendOne({255, 0, 200, 0}, {0, 255, 10, 0});
  EXPECT_EQ(result.blue, 127);
  EXPECT_EQ(result.green, 128);
  EXPECT_EQ(result.red, 105);
}

TEST(BlendTranslucent, KeepsEqualValuesAndTheFourthByte) {
  for (int value : {1, 77, 128, 254, 255}) {
    const uint8_t v = static_cast<uint8_t>(value);
    const Pixel result = BlendOne({v, v, v, 0xAB}, {v, v, v, 0x11});
    EXPECT_EQ(result.blue, v);
    EXPECT_EQ(result.green, v);
    EXPECT_EQ(result.red, v);
    EXPECT_EQ(result.extra, 0xAB);
  }
}

TEST(BlendTranslucent, SkipsPureBlackButBlendsOneStepAway) {
  const Pixel untouched = BlendOne({200, 200, 200, 0}, {0, 0, 0, 0xFF});
  EXPECT_EQ(untouched.blue, 200);
  EXPECT_EQ(untouched.red, 200);
  // The fourth byte is no part of the colour, so this is still black.
  const Pixel blended = BlendOne({200, 200, 200, 0}, {0, 0, 1, 0});
  EXPECT_EQ(blended.blue, 100);
  EXPECT_EQ(blended.green, 100);
  EXPECT_EQ(blended.red, 100);
}

TEST(BlendTranslucent, WalksRowsByTheirPitches) {
  // Source: 2 x 2 pixels in rows of 3 pixels; destination rows of 4 pixels.
  std::vector<uint8_t> source(3 * 4 * 2, 0);
  std::vector<uint8_t> destination(4 * 4 * 3, 255);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 2; ++column)
      for (int channel = 0; channel < 3; ++channel) source[row * 12 + column * 4 + channel] = 1;
  BlendTranslucent(source.data(), 12, destination.data(), 16, 2, 2, 4, kBlack, kHalf);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      const bool inside = row < 2 && column < 2;
      EXPECT_EQ(destination[row * 16 + column * 4], inside ? 128 : 255) << row << "," << column;
      EXPECT_EQ(destination[row * 16 + column * 4 + 3], 255) << row << "," << column;
    }
  }
}

TEST(BlendTranslucent, StepsThreeBytesForTwentyFourBitPixels) {
  const uint8_t source[6] = {0, 0, 0, 255, 255, 255};
  uint8_t destination[6] = {0, 0, 0, 0, 0, 0};
  BlendTranslucent(source, 6, destination, 6, 2, 1, 3, kBlack, kHalf);
  const uint8_t expected[6] = {0, 0, 0, 128, 128, 128};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(destination[i], expected[i]) << i;
}

}  // namespace
