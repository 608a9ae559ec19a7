// The DIB decoder: header versions, colour tables, uncompressed rows of 1, 4,
// 8, 24 and 32 bits, and the two run-length encodings.
#include "platform/src/bmp_decode.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitfields = 3;

struct DibHeader {
  uint32_t headerSize = 0;
  int32_t width = 0;
  int32_t height = 0;  // negative: rows stored top-down
  uint16_t bitCount = 0;
  uint32_t compression = kRgb;
  uint32_t colorsUsed = 0;
  uint32_t masks[3] = {0, 0, 0};  // red, green, blue for BI_BITFIELDS
};

bool ReadHeader(ByteView dib, DibHeader& header, uint64_t& afterHeader) {
  if (!dib.ReadU32(0, header.headerSize)) return false;
  uint16_t planes = 0;
  if (header.headerSize == kCoreHeaderSize) {
    uint16_t width = 0;
    uint16_t height = 0;
    if (!dib.ReadU16(4, width) || !dib.ReadU16(6, height) || !dib.ReadU16(8, planes) ||
        !dib.ReadU16(10, header.bitCount))
      return false;
    header.width = width;
    header.height = height;
    afterHeader = kCoreHeaderSize;
    return planes == 1;
  }
  if (header.headerSize < kInfoHeaderSize || !dib.Contains(0, header.headerSize)) return false;
  dib.ReadI32(4, header.width);
  dib.ReadI32(8, header.height);
  dib.ReadU16(12, planes);
  dib.ReadU16(14, header.bitCount);
  dib.ReadU32(16, header.compression);
  dib.ReadU32(32, header.colorsUsed);
  afterHeader = header.headerSize;
  if (header.compression == kBitfields) {
    // The masks follow a 40-byte header; later header versions hold them
    // at the same place.
    for (int i = 0; i < 3; ++i)
      if (!dib.ReadU32(kInfoHeaderSize + 4 * i, header.masks[i])) return false;
    if (header.headerSize == kInfoHeaderSize) afterHeader += 12;
  }
  return planes == 1;
}

bool ReadPalette(ByteView dib, const DibHeader& header, uint64_t& offset, GdiBitmap& picture) {
  uint64_t count = header.colorsUsed;
  if (header.bitCount <= 8) {
    const uint64_t full = uint64_t{1} << header.bitCount;
    if (count == 0 || count > full) count = full;
  }
  // Core headers hold 3-byte entries, later ones 4-byte entries.
  const uint64_t entrySize = header.headerSize == kCoreHeaderSize ? 3 : 4;
  if (!dib.Contains(offset, count * entrySize)) return false;
  if (header.bitCount <= 8) {
    picture.palette.assign(count, 0);
    const uint8_t* entries = dib.Data() + offset;
    for (uint64_t i = 0; i < count; ++i) {
      const uint8_t* entry = entries + i * entrySize;
      picture.palette[i] = (uint32_t{entry[2]} << 16) | (uint32_t{entry[1]} << 8) | entry[0];
    }
  }
  offset += count * entrySize;  // 24- and 32-bit pictures may carry a table too: skip it
  return true;
}

// Uncompressed rows: copied as they are (24, 32 bits) or spread to one byte
// per pixel (1, 4, 8 bits).
bool DecodeRows(ByteView pixels, const DibHeader& header, GdiBitmap& picture) {
  const int height = std::abs(header.height);
  const uint64_t sourcePitch = static_cast<uint64_t>(GdiBitmap::PitchFor(header.width, header.bitCount));
  if (!pixels.Contains(0, sourcePitch * height)) return false;
  for (int stored = 0; stored < height; ++stored) {
    const uint8_t* from = pixels.Data() + stored * sourcePitch;
    const int fromBottom = header.height < 0 ? height - 1 - stored : stored;
    uint8_t* to = picture.bits.data() + static_cast<size_t>(fromBottom) * picture.rowPitch;
    if (header.bitCount >= 8) {
      std::memcpy(to, from, static_cast<size_t>(header.width) * header.bitCount / 8);
      continue;
    }
    const int perByte = 8 / header.bitCount;
    const int mask = (1 << header.bitCount) - 1;
    for (int x = 0; x < header.width; ++x) {
      const int shift = 8 - header.bitCount * (x % perByte + 1);
      to[x] = static_cast<uint8_t>((from[x / perByte] >> shift) & mask);
    }
  }
  return true;
}

// Run-length encoded pixels, 8 or 4 bits, decoded bottom row first into a
// zeroed 8-bit picture. Pixels a run skips keep index 0; runs past the right
// edge are cut. The data may end without the end-of-bitmap mark.
bool DecodeRunLength(ByteView code, bool fourBits, GdiBitmap& picture) {
  int x = 0;
  int y = 0;
  auto put = [&](int column, uint8_t index) {
    if (column < picture.width && y < picture.height)
      picture.bits[static_cast<size_t>(y) * picture.rowPitch + column] = index;
  };
  uint64_t pos = 0;
  while (pos + 2 <= code.Size() && y < picture.height) {
    const uint8_t count = code.Data()[pos];
    const uint8_t value = code.Data()[pos + 1];
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) {
        const uint8_t index = fourBits ? static_cast<uint8_t>(i % 2 == 0 ? value >> 4 : value & 15) : value;
        put(x + i, index);
      }
      x += count;
    } else if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta: move right and up
      if (pos + 2 > code.Size()) return false;
      x += code.Data()[pos];
      y += code.Data()[pos + 1];
      pos += 2;
    } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
      const uint64_t bytes = fourBits ? (value + 1u) / 2 : value;
      if (!code.Contains(pos, bytes)) return false;
      for (int i = 0; i < value; ++i) {
        const uint8_t packed = code.Data()[pos + (fourBits ? i / 2 : i)];
        put(x + i, fourBits ? static_cast<uint8_t>(i % 2 == 0 ? packed >> 4 : packed & 15) : packed);
      }
      x += value;
      pos += (bytes + 1) & ~uint64_t{1};
    }
  }
  return true;
}

bool SupportedFormat(const DibHeader& header) {
  switch (header.compression) {
    case kRgb:
      return header.bitCount == 1 || header.bitCount == 4 || header.bitCount == 8 || header.bitCount == 24 ||
             header.bitCount == 32;
    case kRle8: return header.bitCount == 8 && header.height > 0;
    case kRle4: return header.bitCount == 4 && header.height > 0;
    case kBitfields:
      return header.bitCount == 32 && header.masks[0] == 0xFF0000 && header.masks[1] == 0xFF00 &&
             header.masks[2] == 0xFF;
    default: return false;
  }
}

}  // namespace

bool DecodeDib(ByteView dib, GdiBitmap& picture) {
  DibHeader header;
  uint64_t offset = 0;
  if (!ReadHeader(dib, header, offset) || !SupportedFormat(header)) return false;
  const int64_t height = std::abs(static_cast<int64_t>(header.height));
  if (header.width <= 0 || height == 0 || header.width > kMaxDibSide || height > kMaxDibSide ||
      header.width * height > kMaxDibPixels)
    return false;
  if (!ReadPalette(dib, header, offset, picture)) return false;

  picture.width = header.width;
  picture.height = static_cast<int>(height);
  picture.bitsPerPixel = header.bitCount <= 8 ? 8 : header.bitCount;
  picture.rowPitch = GdiBitmap::PitchFor(picture.width, picture.bitsPerPixel);
  picture.bits.assign(static_cast<size_t>(picture.rowPitch) * picture.height, 0);

  const ByteView pixels = dib.Slice(offset, dib.Size() - offset);
  if (header.compression == kRle8 || header.compression == kRle4)
    return DecodeRunLength(pixels, header.compression == kRle4, picture);
  return DecodeRows(pixels, header, picture);
}
