// File formats the art generator writes and reads.
#include "tools/artgen/kit/files.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace artgen {

namespace {

void Put16(Bytes& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void Put32Be(Bytes& b, uint32_t v) {
  b.push_back(uint8_t(v >> 24));
  b.push_back(uint8_t(v >> 16));
  b.push_back(uint8_t(v >> 8));
  b.push_back(uint8_t(v));
}
uint32_t Get16(const Bytes& b, size_t at) { return uint32_t(b.at(at)) | uint32_t(b.at(at + 1)) << 8; }
uint32_t Get32(const Bytes& b, size_t at) { return Get16(b, at) | Get16(b, at + 2) << 16; }

uint8_t Channel(float v) { return uint8_t(Quantized({v, 0, 0}).r); }

// BITMAPFILEHEADER and BITMAPINFOHEADER for the given layout.
Bytes BmpHeaders(int width, int height, int bits, uint32_t compression, uint32_t paletteSize, uint32_t imageSize) {
  Bytes b;
  uint32_t offset = 14 + 40 + paletteSize * 4;
  b.push_back('B');
  b.push_back('M');
  Put32(b, offset + imageSize);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, uint32_t(width));
  Put32(b, uint32_t(height));
  Put16(b, 1);
  Put16(b, uint32_t(bits));
  Put32(b, compression);
  Put32(b, imageSize);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, paletteSize);
  Put32(b, 0);
  return b;
}

// RLE8 of one row: encoded runs and absolute blocks, then the end-of-line mark.
void EncodeRleRow(Bytes& out, const uint8_t* row, int width) {
  int x = 0;
  while (x < width) {
    int run = 1;
    while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
    if (run >= 3) {
      out.push_back(uint8_t(run));
      out.push_back(row[x]);
      x += run;
      continue;
    }
    // Literal block: collect until the next run of 3 or more.
    int start = x, len = 0;
    while (x < width && len < 255) {
      int r = 1;
      while (x + r < width && r < 3 && row[x + r] == row[x]) ++r;
      if (r >= 3) break;
      ++x;
      ++len;
    }
    if (len < 3) {
      for (int i = 0; i < len; ++i) {
        out.push_back(1);
        out.push_back(row[start + i]);
      }
    } else {
      out.push_back(0);
      out.push_back(uint8_t(len));
      for (int i = 0; i < len; ++i) out.push_back(row[start + i]);
      if (len & 1) out.push_back(0);
    }
  }
  out.push_back(0);
  out.push_back(0);
}

uint32_t Crc32(const uint8_t* data, size_t n, uint32_t crc = 0) {
  static uint32_t table[256];
  static bool ready = false;
  if (!ready) {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[i] = c;
    }
    ready = true;
  }
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void PngChunk(Bytes& out, const char* type, const Bytes& data) {
  Put32Be(out, uint32_t(data.size()));
  Bytes typed(type, type + 4);
  typed.insert(typed.end(), data.begin(), data.end());
  out.insert(out.end(), typed.begin(), typed.end());
  Put32Be(out, Crc32(typed.data(), typed.size()));
}

}  // namespace

Bytes EncodeBmp24(const Canvas& c) {
  uint32_t stride = (uint32_t(c.width) * 3 + 3) & ~3u;
  Bytes b = BmpHeaders(c.width, c.height, 24, 0, 0, stride * uint32_t(c.height));
  for (int y = c.height - 1; y >= 0; --y) {
    size_t start = b.size();
    for (int x = 0; x < c.width; ++x) {
      Color p = c.At(x, y);
      b.push_back(Channel(p.b));
      b.push_back(Channel(p.g));
      b.push_back(Channel(p.r));
    }
    while (b.size() - start < stride) b.push_back(0);
  }
  return b;
}

Bytes EncodeBmp8(int width, int height, const std::vector<uint8_t>& indices, const Palette& palette, bool rle8) {
  Bytes bits;
  uint32_t stride = (uint32_t(width) + 3) & ~3u;
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = &indices[size_t(y) * size_t(width)];
    if (rle8) {
      EncodeRleRow(bits, row, width);
    } else {
      bits.insert(bits.end(), row, row + width);
      bits.resize(bits.size() + (stride - uint32_t(width)), 0);
    }
  }
  if (rle8) {
    bits.push_back(0);
    bits.push_back(1);
  }
  Bytes b = BmpHeaders(width, height, 8, rle8 ? 1 : 0, 256, uint32_t(bits.size()));
  for (const Color& c : palette.colors) {
    b.push_back(Channel(c.b));
    b.push_back(Channel(c.g));
    b.push_back(Channel(c.r));
    b.push_back(0);
  }
  b.insert(b.end(), bits.begin(), bits.end());
  return b;
}

Canvas DecodeBmp(const Bytes& f) {
  if (f.size() < 54 || f[0] != 'B' || f[1] != 'M') throw std::runtime_error("not a bitmap file");
  uint32_t offset = Get32(f, 10), headerSize = Get32(f, 14);
  int width = int(Get32(f, 18)), height = int(Get32(f, 22));
  uint32_t bits = Get16(f, 28), compression = Get32(f, 30), colors = Get32(f, 46);
  Canvas c(width, height);
  if (bits == 24 && compression == 0) {
    uint32_t stride = (uint32_t(width) * 3 + 3) & ~3u;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        size_t at = offset + size_t(height - 1 - y) * stride + size_t(x) * 3;
        c.At(x, y) = Rgb(f.at(at + 2), f.at(at + 1), f.at(at));
      }
    return c;
  }
  if (bits != 8) throw std::runtime_error("unsupported bit depth");
  std::vector<Color> pal(colors ? colors : 256);
  for (size_t i = 0; i < pal.size(); ++i) {
    size_t at = 14 + headerSize + i * 4;
    pal[i] = Rgb(f.at(at + 2), f.at(at + 1), f.at(at));
  }
  if (compression == 0) {
    uint32_t stride = (uint32_t(width) + 3) & ~3u;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) c.At(x, y) = pal.at(f.at(offset + size_t(height - 1 - y) * stride + size_t(x)));
    return c;
  }
  if (compression != 1) throw std::runtime_error("unsupported compression");
  size_t at = offset;
  int x = 0, row = 0;
  while (at + 1 < f.size() && row < height) {
    uint8_t n = f[at], v = f[at + 1];
    at += 2;
    if (n > 0) {
      for (int i = 0; i < n && x < width; ++i) c.At(x++, height - 1 - row) = pal.at(v);
    } else if (v == 0) {
      x = 0;
      ++row;
    } else if (v == 1) {
      break;
    } else if (v == 2) {
      x += f.at(at);
      row += f.at(at + 1);
      at += 2;
    } else {
      for (int i = 0; i < v; ++i)
        if (x < width) c.At(x++, height - 1 - row) = pal.at(f.at(at + size_t(i)));
      at += size_t(v) + (v & 1);
    }
  }
  return c;
}

Bytes EncodeWav(const std::vector<int16_t>& samples, int sampleRate) {
  Bytes b;
  uint32_t dataSize = uint32_t(samples.size() * 2);
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  Put32(b, 36 + dataSize);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(b, 16);
  Put16(b, 1);
  Put16(b, 1);
  Put32(b, uint32_t(sampleRate));
  Put32(b, uint32_t(sampleRate) * 2);
  Put16(b, 2);
  Put16(b, 16);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  Put32(b, dataSize);
  for (int16_t s : samples) Put16(b, uint16_t(s));
  return b;
}

Bytes EncodeIco(const std::vector<std::pair<Canvas, Mask>>& images) {
  Bytes b;
  Put16(b, 0);
  Put16(b, 1);
  Put16(b, uint32_t(images.size()));
  std::vector<Bytes> blobs;
  for (const auto& [canvas, mask] : images) {
    int n = canvas.width;
    Bytes d;
    Put32(d, 40);
    Put32(d, uint32_t(n));
    Put32(d, uint32_t(n * 2));
    Put16(d, 1);
    Put16(d, 32);
    Put32(d, 0);
    Put32(d, 0);
    Put32(d, 0);
    Put32(d, 0);
    Put32(d, 0);
    Put32(d, 0);
    for (int y = n - 1; y >= 0; --y)
      for (int x = 0; x < n; ++x) {
        Color p = canvas.At(x, y);
        d.push_back(Channel(p.b));
        d.push_back(Channel(p.g));
        d.push_back(Channel(p.r));
        d.push_back(Channel(mask.At(x, y) * 255.0f));
      }
    uint32_t maskStride = ((uint32_t(n) + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
      Bytes row(maskStride, 0);
      for (int x = 0; x < n; ++x)
        if (mask.At(x, y) < 0.5f) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
      d.insert(d.end(), row.begin(), row.end());
    }
    blobs.push_back(d);
  }
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    int n = images[i].first.width;
    b.push_back(uint8_t(n >= 256 ? 0 : n));
    b.push_back(uint8_t(n >= 256 ? 0 : n));
    b.push_back(0);
    b.push_back(0);
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, uint32_t(blobs[i].size()));
    Put32(b, offset);
    offset += uint32_t(blobs[i].size());
  }
  for (const Bytes& d : blobs) b.insert(b.end(), d.begin(), d.end());
  return b;
}

namespace {

// Bit writer of a deflate stream (least significant bit first).
struct BitWriter {
  Bytes bytes;
  uint32_t buffer = 0;
  int count = 0;
  void Put(uint32_t bits, int n) {
    buffer |= bits << count;
    count += n;
    while (count >= 8) {
      bytes.push_back(uint8_t(buffer));
      buffer >>= 8;
      count -= 8;
    }
  }
  // Huffman codes go most significant bit first.
  void PutCode(uint32_t code, int n) {
    uint32_t reversed = 0;
    for (int i = 0; i < n; ++i) reversed |= ((code >> i) & 1) << (n - 1 - i);
    Put(reversed, n);
  }
  void Flush() {
    if (count > 0) bytes.push_back(uint8_t(buffer));
    buffer = 0;
    count = 0;
  }
};

void PutLiteral(BitWriter& w, int v) {
  if (v < 144)
    w.PutCode(uint32_t(0x30 + v), 8);
  else if (v < 256)
    w.PutCode(uint32_t(0x190 + v - 144), 9);
  else if (v < 280)
    w.PutCode(uint32_t(v - 256), 7);
  else
    w.PutCode(uint32_t(0xC0 + v - 280), 8);
}

void PutMatch(BitWriter& w, int length, int distance) {
  static const int lengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                     31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const int lengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  static const int distBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                   33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                   1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
  static const int distExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
  int li = 28;
  while (lengthBase[li] > length) --li;
  PutLiteral(w, 257 + li);
  w.Put(uint32_t(length - lengthBase[li]), lengthExtra[li]);
  int di = 29;
  while (distBase[di] > distance) --di;
  w.PutCode(uint32_t(di), 5);
  w.Put(uint32_t(distance - distBase[di]), distExtra[di]);
}

// zlib stream of one fixed-Huffman deflate block with hash-chain matching.
Bytes Deflate(const Bytes& data) {
  BitWriter w;
  w.bytes = {0x78, 0x01};
  w.Put(1, 1);
  w.Put(1, 2);
  const int window = 32768, hashSize = 1 << 15;
  std::vector<int> head(hashSize, -1), prev(data.size(), -1);
  auto hashAt = [&](size_t i) {
    return int(((uint32_t(data[i]) << 10) ^ (uint32_t(data[i + 1]) << 5) ^ data[i + 2]) & (hashSize - 1));
  };
  size_t i = 0;
  while (i < data.size()) {
    int bestLen = 0, bestDist = 0;
    if (i + 2 < data.size()) {
      int h = hashAt(i);
      int cand = head[size_t(h)];
      for (int tries = 0; cand >= 0 && tries < 24 && int(i) - cand <= window; ++tries, cand = prev[size_t(cand)]) {
        int len = 0;
        while (len < 258 && i + size_t(len) < data.size() && data[size_t(cand) + size_t(len)] == data[i + size_t(len)])
          ++len;
        if (len > bestLen) bestLen = len, bestDist = int(i) - cand;
      }
    }
    size_t step = bestLen >= 3 ? size_t(bestLen) : 1;
    if (bestLen >= 3)
      PutMatch(w, bestLen, bestDist);
    else
      PutLiteral(w, data[i]);
    for (size_t k = 0; k < step; ++k, ++i)
      if (i + 2 < data.size()) {
        int h = hashAt(i);
        prev[i] = head[size_t(h)];
        head[size_t(h)] = int(i);
      }
  }
  PutLiteral(w, 256);
  w.Flush();
  uint32_t a = 1, b = 0;
  for (uint8_t v : data) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  Put32Be(w.bytes, (b << 16) | a);
  return w.bytes;
}

}  // namespace

Bytes EncodePng(const Canvas& c) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  Put32Be(ihdr, uint32_t(c.width));
  Put32Be(ihdr, uint32_t(c.height));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  PngChunk(out, "IHDR", ihdr);
  // Rows with the "Sub" filter: each byte minus the same channel of the pixel to its left.
  Bytes raw;
  raw.reserve(size_t(c.height) * (size_t(c.width) * 3 + 1));
  std::vector<uint8_t> row(size_t(c.width) * 3);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      Color p = c.At(x, y);
      row[size_t(x) * 3] = Channel(p.r);
      row[size_t(x) * 3 + 1] = Channel(p.g);
      row[size_t(x) * 3 + 2] = Channel(p.b);
    }
    raw.push_back(1);
    for (size_t k = 0; k < row.size(); ++k) raw.push_back(uint8_t(row[k] - (k >= 3 ? row[k - 3] : 0)));
  }
  PngChunk(out, "IDAT", Deflate(raw));
  PngChunk(out, "IEND", {});
  return out;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  size_t n = std::fwrite(bytes.data(), 1, bytes.size(), f);
  if (std::fclose(f) != 0 || n != bytes.size()) throw std::runtime_error("cannot write " + path);
}

Bytes ReadFile(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw std::runtime_error("cannot read " + path);
  Bytes b;
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) b.insert(b.end(), buf, buf + n);
  std::fclose(f);
  return b;
}

}  // namespace artgen
