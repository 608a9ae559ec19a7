// DIB decoding: every sample format read back pixel for pixel, resizing,
// and malformed headers or data refused.
#include <gtest/gtest.h>

#include "platform/src/bmp_decode.h"
#include "platform/src/bmp_resize.h"
#include "tests/platform_res/test_samples.h"

namespace {

uint32_t PixelXrgb(const GdiBitmap& picture, int x, int y) {
  const uint8_t* row = picture.RowFromTop(y);
  switch (picture.bitsPerPixel) {
    case 8: return picture.palette[row[x]];
    case 24: return (uint32_t{row[3 * x + 2]} << 16) | (uint32_t{row[3 * x + 1]} << 8) | row[3 * x];
    default: return (uint32_t{row[4 * x + 2]} << 16) | (uint32_t{row[4 * x + 1]} << 8) | row[4 * x];
  }
}

bool Decode(const std::vector<uint8_t>& dib, GdiBitmap& picture) {
  return DecodeDib(ByteView(dib.data(), dib.size()), picture);
}

TEST(DibDecoding, EverySampleFormatReadsBackPixelExact) {
  for (const DibSample& sample : DibSamples()) {
    SCOPED_TRACE(sample.name);
    GdiBitmap picture;
    ASSERT_TRUE(Decode(sample.dib, picture));
    EXPECT_EQ(picture.width, sample.width);
    EXPECT_EQ(picture.height, sample.height);
    EXPECT_EQ(picture.bitsPerPixel, sample.decodedBits);
    EXPECT_EQ(picture.rowPitch, GdiBitmap::PitchFor(sample.width, sample.decodedBits));
    ASSERT_EQ(picture.bits.size(), static_cast<size_t>(picture.rowPitch) * picture.height);
    for (int y = 0; y < sample.height; ++y)
      for (int x = 0; x < sample.width; ++x)
        EXPECT_EQ(PixelXrgb(picture, x, y), sample.expected[y * sample.width + x]) << "at " << x << "," << y;
  }
}

TEST(DibDecoding, ThePaletteIsTheColourTableAsStored) {
  GdiBitmap picture;
  ASSERT_TRUE(Decode(DibSampleById(103).dib, picture));  // biClrUsed 16
  EXPECT_EQ(picture.palette.size(), 16u);
  ASSERT_TRUE(Decode(DibSampleById(106).dib, picture));  // 4-bit, biClrUsed 0: all 16
  EXPECT_EQ(picture.palette.size(), 16u);
  ASSERT_TRUE(Decode(DibSampleById(107).dib, picture));  // 1-bit
  EXPECT_EQ(picture.palette.size(), 2u);
}

TEST(DibDecoding, TruncatedDataIsRefusedAtEveryLength) {
  for (const DibSample& sample : DibSamples()) {
    SCOPED_TRACE(sample.name);
    const bool runLength = sample.name.find("rle") != std::string::npos;
    // Run-length data may end early (a missing end mark is tolerated);
    // headers, colour tables and uncompressed rows may not.
    const size_t mustHave = runLength ? 40 + 8 * 4 : sample.dib.size();
    for (size_t length = 0; length < mustHave; ++length) {
      std::vector<uint8_t> cut(sample.dib.begin(), sample.dib.begin() + length);
      GdiBitmap picture;
      EXPECT_FALSE(Decode(cut, picture)) << "length " << length;
    }
  }
}

TEST(DibDecoding, RunLengthCodeCutInsideADeltaOrAbsoluteRunIsRefused) {
  std::vector<uint8_t> dib = DibSampleById(104).dib;
  const size_t codeStart = 40 + 8 * 4;
  std::vector<uint8_t> cutInAbsolute(dib.begin(), dib.begin() + codeStart + 4);  // "00 03 02 03" of 00 03 02 03 04
  GdiBitmap picture;
  EXPECT_FALSE(Decode(cutInAbsolute, picture));
  std::vector<uint8_t> cutInDelta(dib.begin(), dib.begin() + codeStart + 17);  // "00 02 03" without dy
  EXPECT_FALSE(Decode(cutInDelta, picture));
}

TEST(DibDecoding, UnsupportedOrHostileHeadersAreRefused) {
  const std::vector<uint8_t> good = DibSamples()[0].dib;
  auto withField = [&good](size_t at, uint32_t value, int bytes) {
    std::vector<uint8_t> changed = good;
    for (int i = 0; i < bytes; ++i) changed[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return changed;
  };
  GdiBitmap picture;
  EXPECT_FALSE(Decode(withField(0, 20, 4), picture)) << "header size between core and info";
  EXPECT_FALSE(Decode(withField(0, 0x7FFFFFFF, 4), picture)) << "header size past the end";
  EXPECT_FALSE(Decode(withField(4, 0, 4), picture)) << "zero width";
  EXPECT_FALSE(Decode(withField(4, 0xFFFFFFFB, 4), picture)) << "negative width";
  EXPECT_FALSE(Decode(withField(8, 0, 4), picture)) << "zero height";
  EXPECT_FALSE(Decode(withField(4, 100000, 4), picture)) << "huge width";
  EXPECT_FALSE(Decode(withField(12, 2, 2), picture)) << "two planes";
  EXPECT_FALSE(Decode(withField(14, 16, 2), picture)) << "16 bits per pixel";
  EXPECT_FALSE(Decode(withField(14, 7, 2), picture)) << "7 bits per pixel";
  EXPECT_FALSE(Decode(withField(16, 4, 4), picture)) << "JPEG compression";
  EXPECT_FALSE(Decode(withField(16, 1, 4), picture)) << "RLE8 with 24 bits";
  EXPECT_FALSE(Decode(withField(16, 3, 4), picture)) << "bit fields with 24 bits";
  std::vector<uint8_t> topDownRle = DibSampleById(104).dib;
  const std::vector<uint8_t> negative = {0xFB, 0xFF, 0xFF, 0xFF};  // height -5
  std::copy(negative.begin(), negative.end(), topDownRle.begin() + 8);
  EXPECT_FALSE(Decode(topDownRle, picture)) << "run-length code cannot run top-down";
}

TEST(DibDecoding, BitFieldsWithTheUsualMasksAreRead32Bit) {
  std::vector<uint8_t> dib = DibSampleById(108).dib;
  dib[16] = 3;  // BI_BITFIELDS: the three masks follow the 40-byte header
  std::vector<uint8_t> masks;
  PutU32(masks, 0xFF0000);
  PutU32(masks, 0xFF00);
  PutU32(masks, 0xFF);
  dib.insert(dib.begin() + 40, masks.begin(), masks.end());
  GdiBitmap picture;
  ASSERT_TRUE(Decode(dib, picture));
  EXPECT_EQ(PixelXrgb(picture, 2, 1), DibSampleById(108).expected[5]);
  dib[40] = 0x1F;  // any other masks are refused
  EXPECT_FALSE(Decode(dib, picture));
}

TEST(DibResizing, NearestNeighbourDoublesAndHalves) {
  GdiBitmap source;
  const DibSample& sample = DibSampleById(101);  // 5 x 3, 24-bit
  ASSERT_TRUE(Decode(sample.dib, source));
  GdiBitmap doubled;
  ResizeBitmap(source, 10, 6, doubled);
  EXPECT_EQ(doubled.rowPitch, 32);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(PixelXrgb(doubled, x, y), sample.expected[(y / 2) * 5 + x / 2]);

  GdiBitmap shrunk;
  ResizeBitmap(source, 2, 1, shrunk);  // columns 1 and 3 of row 1: the centres
  EXPECT_EQ(PixelXrgb(shrunk, 0, 0), sample.expected[1 * 5 + 1]);
  EXPECT_EQ(PixelXrgb(shrunk, 1, 0), sample.expected[1 * 5 + 3]);
}

TEST(DibResizing, PalettedPicturesKeepTheirPalette) {
  GdiBitmap source;
  ASSERT_TRUE(Decode(DibSampleById(104).dib, source));
  GdiBitmap resized;
  ResizeBitmap(source, 16, 10, resized);
  EXPECT_EQ(resized.bitsPerPixel, 8);
  EXPECT_EQ(resized.palette, source.palette);
  EXPECT_EQ(PixelXrgb(resized, 15, 9), PixelXrgb(source, 7, 4));
}

}  // namespace
