// The test pictures: one per format quirk the decoder has to get right.
#include "tests/platform_res/test_samples.h"

#include <stdexcept>

#include "tests/platform_res/test_resource_ids.h"

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

namespace {

uint32_t Xrgb(int r, int g, int b) {
  return (static_cast<uint32_t>(r & 255) << 16) | (static_cast<uint32_t>(g & 255) << 8) |
         static_cast<uint32_t>(b & 255);
}

std::vector<uint8_t> InfoHeader(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression,
                                uint32_t colorsUsed, uint32_t imageSize) {
  std::vector<uint8_t> out;
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, bitCount);
  PutU32(out, compression);
  PutU32(out, imageSize);
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, colorsUsed);
  PutU32(out, 0);
  return out;
}

void PutPalette(std::vector<uint8_t>& out, const std::vector<uint32_t>& palette) {
  for (uint32_t colour : palette) {
    out.push_back(static_cast<uint8_t>(colour));
    out.push_back(static_cast<uint8_t>(colour >> 8));
    out.push_back(static_cast<uint8_t>(colour >> 16));
    out.push_back(0);
  }
}

void PadRow(std::vector<uint8_t>& out, size_t rowStart) {
  while ((out.size() - rowStart) % 4 != 0) out.push_back(0xEE);  // padding the decoder must skip
}

// 24-bit, 5 pixels (15 bytes) a row, so every row carries one padding byte.
DibSample OddWidth24() {
  DibSample s{"bitmap_24bit_odd_width_padded_rows", ID_BITMAP_24BIT_ODD_WIDTH, {}, 5, 3, 24, {}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) s.expected.push_back(Xrgb(40 * x + 10, 60 * y + 20, 200 - 30 * x - y));
  s.dib = InfoHeader(5, 3, 24, 0, 0, 0);
  for (int stored = 0; stored < 3; ++stored) {
    const size_t start = s.dib.size();
    const int y = 2 - stored;  // bottom row first
    for (int x = 0; x < 5; ++x) {
      const uint32_t c = s.expected[y * 5 + x];
      s.dib.push_back(static_cast<uint8_t>(c));
      s.dib.push_back(static_cast<uint8_t>(c >> 8));
      s.dib.push_back(static_cast<uint8_t>(c >> 16));
    }
    PadRow(s.dib, start);
  }
  return s;
}

// 24-bit with a negative height: rows stored top row first.
DibSample TopDown24() {
  DibSample s{"bitmap_24bit_top_down", ID_BITMAP_24BIT_TOP_DOWN, {}, 4, 3, 24, {}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) s.expected.push_back(Xrgb(50 * x + 5, 70 * y + 3, 9 * x * y + 1));
  s.dib = InfoHeader(4, -3, 24, 0, 0, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      const uint32_t c = s.expected[y * 4 + x];
      s.dib.push_back(static_cast<uint8_t>(c));
      s.dib.push_back(static_cast<uint8_t>(c >> 8));
      s.dib.push_back(static_cast<uint8_t>(c >> 16));
    }
  return s;
}

std::vector<uint32_t> EightColours() {
  std::vector<uint32_t> palette;
  for (int i = 0; i < 8; ++i) palette.push_back(Xrgb(30 * i, 20 * i + 5, 200 - 25 * i));
  return palette;
}

// 8-bit whose colour table holds only the 16 colours it uses (biClrUsed 16).
DibSample ShortPalette8() {
  DibSample s{"bitmap_8bit_short_palette", ID_BITMAP_8BIT_SHORT_PALETTE, {}, 7, 4, 8, {}};
  std::vector<uint32_t> palette;
  for (int i = 0; i < 16; ++i) palette.push_back(Xrgb(16 * i, 255 - 16 * i, 7 * i));
  s.dib = InfoHeader(7, 4, 8, 0, 16, 0);
  PutPalette(s.dib, palette);
  auto index = [](int x, int y) { return (x + 3 * y) % 16; };
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x) s.expected.push_back(palette[index(x, y)]);
  for (int stored = 0; stored < 4; ++stored) {
    const size_t start = s.dib.size();
    for (int x = 0; x < 7; ++x) s.dib.push_back(static_cast<uint8_t>(index(x, 3 - stored)));
    PadRow(s.dib, start);
  }
  return s;
}

std::vector<uint32_t> FromIndices(const std::vector<uint32_t>& palette, const std::vector<int>& indices) {
  std::vector<uint32_t> colours;
  for (int index : indices) colours.push_back(palette[index]);
  return colours;
}

// Run-length encoded 8-bit: runs, an odd absolute run with its pad byte, a
// run past the right edge, end-of-line, deltas within and across rows, and
// an early end-of-bitmap with bytes after it.
DibSample Rle8Escapes() {
  DibSample s{"bitmap_rle8_escapes", ID_BITMAP_RLE8_ESCAPES, {}, 8, 5, 8, {}};
  const std::vector<uint8_t> code = {
      0x03, 0x01, 0x00, 0x03, 0x02, 0x03, 0x04, 0x00, 0x00, 0x00,  // bottom row: 1 1 1 2 3 4
      0x0A, 0x05, 0x00, 0x00,                                      // ten 5s, cut at 8
      0x00, 0x02, 0x03, 0x00, 0x02, 0x06,                          // skip 3, two 6s
      0x00, 0x02, 0x01, 0x01, 0x02, 0x07, 0x00, 0x00,              // right 1 and up 1, two 7s
      0x00, 0x04, 0x01, 0x02, 0x03, 0x04, 0x00, 0x01,              // top row: 1 2 3 4, end
      0xFF, 0xFF,                                                  // after the end: ignored
  };
  const std::vector<uint32_t> palette = EightColours();
  s.dib = InfoHeader(8, 5, 8, 1, 8, static_cast<uint32_t>(code.size()));
  PutPalette(s.dib, palette);
  s.dib.insert(s.dib.end(), code.begin(), code.end());
  s.expected = FromIndices(palette, {
                                        1, 2, 3, 4, 0, 0, 0, 0,  // top
                                        0, 0, 0, 0, 0, 0, 7, 7,  //
                                        0, 0, 0, 6, 6, 0, 0, 0,  //
                                        5, 5, 5, 5, 5, 5, 5, 5,  //
                                        1, 1, 1, 2, 3, 4, 0, 0,  // bottom
                                    });
  return s;
}

// Run-length encoded 4-bit: an absolute run of five nibbles (three bytes and
// a pad byte), a run of one, and a run alternating two nibbles.
DibSample Rle4Runs() {
  DibSample s{"bitmap_rle4_runs", ID_BITMAP_RLE4_RUNS, {}, 6, 2, 8, {}};
  const std::vector<uint8_t> code = {
      0x00, 0x05, 0x12, 0x34, 0x50, 0x00, 0x01, 0x60, 0x00, 0x00,  // bottom row: 1 2 3 4 5, then 6
      0x04, 0x71, 0x00, 0x01,                                      // top row: 7 1 7 1, end
  };
  const std::vector<uint32_t> palette = EightColours();
  s.dib = InfoHeader(6, 2, 4, 2, 8, static_cast<uint32_t>(code.size()));
  PutPalette(s.dib, palette);
  s.dib.insert(s.dib.end(), code.begin(), code.end());
  s.expected = FromIndices(palette, {7, 1, 7, 1, 0, 0, 1, 2, 3, 4, 5, 6});
  return s;
}

// 4-bit, 5 pixels a row: half a byte of the last byte unused, then padding.
DibSample OddWidth4() {
  DibSample s{"bitmap_4bit_odd_width", ID_BITMAP_4BIT_ODD_WIDTH, {}, 5, 2, 8, {}};
  std::vector<uint32_t> palette;
  for (int i = 0; i < 16; ++i) palette.push_back(Xrgb(17 * i, 5 * i, 255 - 17 * i));
  s.dib = InfoHeader(5, 2, 4, 0, 0, 0);
  PutPalette(s.dib, palette);
  auto index = [](int x, int y) { return (3 * x + 5 * y) % 16; };
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x) s.expected.push_back(palette[index(x, y)]);
  for (int stored = 0; stored < 2; ++stored) {
    const int y = 1 - stored;
    const size_t start = s.dib.size();
    for (int x = 0; x < 5; x += 2) {
      const int low = x + 1 < 5 ? index(x + 1, y) : 0xF;
      s.dib.push_back(static_cast<uint8_t>((index(x, y) << 4) | low));
    }
    PadRow(s.dib, start);
  }
  return s;
}

// 1-bit, 10 pixels a row over two bytes.
DibSample TwoColours1() {
  DibSample s{"bitmap_1bit_two_colours", ID_BITMAP_1BIT_TWO_COLOURS, {}, 10, 2, 8, {}};
  const std::vector<uint32_t> palette = {Xrgb(10, 20, 30), Xrgb(240, 230, 220)};
  s.dib = InfoHeader(10, 2, 1, 0, 2, 0);
  PutPalette(s.dib, palette);
  auto bit = [](int x, int y) { return (x + y) % 3 == 0 ? 1 : 0; };
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 10; ++x) s.expected.push_back(palette[bit(x, y)]);
  for (int stored = 0; stored < 2; ++stored) {
    const int y = 1 - stored;
    const size_t start = s.dib.size();
    uint16_t bits = 0;
    for (int x = 0; x < 10; ++x) bits = static_cast<uint16_t>(bits | (bit(x, y) << (15 - x)));
    s.dib.push_back(static_cast<uint8_t>(bits >> 8));
    s.dib.push_back(static_cast<uint8_t>(bits));
    PadRow(s.dib, start);
  }
  return s;
}

// 32-bit whose fourth byte is not zero: it is no part of the colour.
DibSample XByte32() {
  DibSample s{"bitmap_32bit_x_byte_set", ID_BITMAP_32BIT_X_BYTE, {}, 3, 2, 32, {}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) s.expected.push_back(Xrgb(80 * x + 1, 90 * y + 2, 77));
  s.dib = InfoHeader(3, 2, 32, 0, 0, 0);
  for (int stored = 0; stored < 2; ++stored)
    for (int x = 0; x < 3; ++x) {
      const uint32_t c = s.expected[(1 - stored) * 3 + x];
      PutU32(s.dib, c | 0xAB000000u);
    }
  return s;
}

// The old 12-byte core header with 16-bit sizes, 24 bits per pixel.
DibSample CoreHeader24() {
  DibSample s{"bitmap_core_header", ID_BITMAP_CORE_HEADER, {}, 3, 2, 24, {}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) s.expected.push_back(Xrgb(60 * x, 100 * y + 50, 9));
  PutU32(s.dib, 12);
  PutU16(s.dib, 3);
  PutU16(s.dib, 2);
  PutU16(s.dib, 1);
  PutU16(s.dib, 24);
  for (int stored = 0; stored < 2; ++stored) {
    const size_t start = s.dib.size();
    for (int x = 0; x < 3; ++x) {
      const uint32_t c = s.expected[(1 - stored) * 3 + x];
      s.dib.push_back(static_cast<uint8_t>(c));
      s.dib.push_back(static_cast<uint8_t>(c >> 8));
      s.dib.push_back(static_cast<uint8_t>(c >> 16));
    }
    PadRow(s.dib, start);
  }
  return s;
}

}  // namespace

std::vector<DibSample> DibSamples() {
  return {OddWidth24(), TopDown24(),   ShortPalette8(), Rle8Escapes(), Rle4Runs(),
          OddWidth4(),  TwoColours1(), XByte32(),       CoreHeader24()};
}

const DibSample& DibSampleById(uint16_t resourceId) {
  static const std::vector<DibSample> samples = DibSamples();
  for (const DibSample& sample : samples)
    if (sample.resourceId == resourceId) return sample;
  throw std::out_of_range("no such test picture");
}

std::vector<uint8_t> BmpFile(const std::vector<uint8_t>& dib) {
  auto field = [&dib](size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<uint32_t>(dib[at + i]) << (8 * i);
    return value;
  };
  const uint32_t headerSize = field(0, 4);
  const bool core = headerSize == 12;
  const uint32_t bitCount = core ? field(10, 2) : field(14, 2);
  uint32_t colours = core ? 0 : field(32, 4);
  if (colours == 0 && bitCount <= 8) colours = 1u << bitCount;
  const uint32_t pixelsAt = 14 + headerSize + colours * (core ? 3 : 4);
  std::vector<uint8_t> file = {'B', 'M'};
  PutU32(file, static_cast<uint32_t>(14 + dib.size()));
  PutU32(file, 0);
  PutU32(file, pixelsAt);
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

const std::vector<uint8_t>& SampleWaveSamples() {
  static const std::vector<uint8_t> samples = {0x80, 0xFF, 0x00, 0x80, 0x40};
  return samples;
}

std::vector<uint8_t> SampleWave() {
  const std::vector<uint8_t>& samples = SampleWaveSamples();
  std::vector<uint8_t> wave = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
  PutU32(wave, 16);
  PutU16(wave, 1);                                                                       // PCM
  PutU16(wave, 1);                                                                       // mono
  PutU32(wave, 11025);                                                                   // samples per second
  PutU32(wave, 11025);                                                                   // bytes per second
  PutU16(wave, 1);                                                                       // block align
  PutU16(wave, 8);                                                                       // bits per sample
  const std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // odd size, padded
  wave.insert(wave.end(), list.begin(), list.end());
  wave.insert(wave.end(), {'d', 'a', 't', 'a'});
  PutU32(wave, static_cast<uint32_t>(samples.size()));
  wave.insert(wave.end(), samples.begin(), samples.end());
  const uint32_t riffSize = static_cast<uint32_t>(wave.size() - 8);
  for (int i = 0; i < 4; ++i) wave[4 + i] = static_cast<uint8_t>(riffSize >> (8 * i));
  return wave;
}

std::vector<uint8_t> SampleIconFile() {
  std::vector<uint8_t> image = InfoHeader(16, 32, 32, 0, 0, 0);  // colour and mask: twice the height
  for (int i = 0; i < 16 * 16; ++i) PutU32(image, 0xFF2080C0u);
  for (int i = 0; i < 16 * 4; ++i) image.push_back(0);  // AND mask rows, 4 bytes each
  std::vector<uint8_t> file;
  PutU16(file, 0);
  PutU16(file, 1);  // icon
  PutU16(file, 1);  // one image
  file.push_back(16);
  file.push_back(16);
  file.push_back(0);
  file.push_back(0);
  PutU16(file, 1);
  PutU16(file, 32);
  PutU32(file, static_cast<uint32_t>(image.size()));
  PutU32(file, 22);
  file.insert(file.end(), image.begin(), image.end());
  return file;
}
