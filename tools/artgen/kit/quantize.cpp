// Reduction of a picture to a 256-colour palette (median cut).
#include "tools/artgen/kit/quantize.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace artgen {

namespace {

struct Box {
  std::vector<uint32_t> colors;  // packed 0xRRGGBB
};

int ChannelOf(uint32_t c, int ch) { return int((c >> (16 - 8 * ch)) & 0xFF); }

int WidestChannel(const Box& b, int& range) {
  int best = 0;
  range = -1;
  for (int ch = 0; ch < 3; ++ch) {
    int lo = 255, hi = 0;
    for (uint32_t c : b.colors) lo = std::min(lo, ChannelOf(c, ch)), hi = std::max(hi, ChannelOf(c, ch));
    if (hi - lo > range) range = hi - lo, best = ch;
  }
  return best;
}

}  // namespace

IndexedImage Quantize(const Canvas& c) {
  IndexedImage out;
  out.width = c.width;
  out.height = c.height;
  std::vector<uint32_t> packed(c.pixels.size());
  for (size_t i = 0; i < packed.size(); ++i) {
    Color q = Quantized(c.pixels[i]);
    packed[i] = uint32_t(q.r) << 16 | uint32_t(q.g) << 8 | uint32_t(q.b);
  }
  std::vector<Box> boxes(1);
  boxes[0].colors = packed;
  while (boxes.size() < 255) {
    // Split the box with the most pixels times range.
    size_t pick = boxes.size();
    long best = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      int range;
      WidestChannel(boxes[i], range);
      long score = long(range) * long(boxes[i].colors.size());
      if (range > 0 && score > best) best = score, pick = i;
    }
    if (pick == boxes.size()) break;
    int range;
    int ch = WidestChannel(boxes[pick], range);
    auto& v = boxes[pick].colors;
    std::sort(v.begin(), v.end(), [ch](uint32_t a, uint32_t b) {
      return ChannelOf(a, ch) < ChannelOf(b, ch) || (ChannelOf(a, ch) == ChannelOf(b, ch) && a < b);
    });
    Box upper;
    upper.colors.assign(v.begin() + long(v.size() / 2), v.end());
    v.resize(v.size() / 2);
    boxes.push_back(std::move(upper));
  }
  out.palette.colors[0] = {};
  std::vector<std::array<int, 3>> entries(1, {0, 0, 0});
  for (size_t i = 0; i < boxes.size(); ++i) {
    long sum[3] = {0, 0, 0};
    for (uint32_t col : boxes[i].colors)
      for (int ch = 0; ch < 3; ++ch) sum[ch] += ChannelOf(col, ch);
    long n = long(std::max<size_t>(1, boxes[i].colors.size()));
    std::array<int, 3> e = {int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n)};
    out.palette.colors[i + 1] = Rgb(e[0], e[1], e[2]);
    entries.push_back(e);
  }
  // Nearest entry per colour, cached on 15-bit keys plus exact black.
  std::vector<int16_t> cache(32768, -1);
  out.indices.resize(packed.size());
  for (size_t i = 0; i < packed.size(); ++i) {
    uint32_t col = packed[i];
    if (col == 0) {
      out.indices[i] = 0;
      continue;
    }
    uint32_t key = ((col >> 19) & 31) << 10 | ((col >> 11) & 31) << 5 | ((col >> 3) & 31);
    if (cache[key] < 0) {
      int r = ChannelOf(col, 0), g = ChannelOf(col, 1), b = ChannelOf(col, 2);
      int bestIndex = 1;
      long bestDist = -1;
      for (size_t e = 1; e < entries.size(); ++e) {
        long dr = entries[e][0] - r, dg = entries[e][1] - g, db = entries[e][2] - b;
        long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (bestDist < 0 || d < bestDist) bestDist = d, bestIndex = int(e);
      }
      cache[key] = int16_t(bestIndex);
    }
    out.indices[i] = uint8_t(cache[key]);
  }
  return out;
}

}  // namespace artgen
