// Image filters of the art generator.
#include "tools/artgen/kit/filters.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

// One box pass along a line of n values spaced by stride, clamped at the ends.
template <typename T>
void BoxLine(T* data, int n, int stride, int radius, std::vector<T>& tmp) {
  tmp.assign(size_t(n), T{});
  T sum{};
  float k = 1.0f / float(2 * radius + 1);
  auto get = [&](int i) { return data[size_t(std::clamp(i, 0, n - 1)) * size_t(stride)]; };
  for (int i = -radius; i <= radius; ++i) sum = sum + get(i);
  for (int i = 0; i < n; ++i) {
    tmp[size_t(i)] = sum * k;
    sum = sum + get(i + radius + 1) - get(i - radius);
  }
  for (int i = 0; i < n; ++i) data[size_t(i) * size_t(stride)] = tmp[size_t(i)];
}

template <typename T>
void Blur2D(std::vector<T>& data, int w, int h, int radius) {
  if (radius <= 0) return;
  std::vector<T> tmp;
  int r = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) BoxLine(&data[size_t(y) * size_t(w)], w, 1, r, tmp);
    for (int x = 0; x < w; ++x) BoxLine(&data[size_t(x)], h, w, r, tmp);
  }
}

}  // namespace

Mask Blurred(const Mask& m, int radius) {
  Mask out = m;
  Blur2D(out.alpha, out.width, out.height, radius);
  return out;
}

Canvas Blurred(const Canvas& c, int radius) {
  Canvas out = c;
  Blur2D(out.pixels, out.width, out.height, radius);
  return out;
}

namespace {
// Source span [a, b) of target index i when n source cells map onto m targets, with weights.
template <typename Visit>
void ForSourceCells(int i, int n, int m, Visit visit) {
  double a = double(i) * n / m, b = double(i + 1) * n / m;
  for (int s = int(a); s < n && double(s) < b; ++s) {
    double w = std::min(b, double(s + 1)) - std::max(a, double(s));
    if (w > 1e-9) visit(s, float(w));
  }
}
}  // namespace

Canvas Resized(const Canvas& c, int width, int height) {
  Canvas out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Color sum;
      float weight = 0;
      ForSourceCells(y, c.height, height, [&](int sy, float wy) {
        ForSourceCells(x, c.width, width, [&](int sx, float wx) {
          sum = sum + c.At(sx, sy) * (wx * wy);
          weight += wx * wy;
        });
      });
      out.At(x, y) = sum * (1.0f / weight);
    }
  return out;
}

Canvas ResizedKeyed(const Canvas& c, int width, int height) {
  Canvas out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Color sum;
      float opaque = 0, total = 0;
      ForSourceCells(y, c.height, height, [&](int sy, float wy) {
        ForSourceCells(x, c.width, width, [&](int sx, float wx) {
          Color p = Quantized(c.At(sx, sy));
          total += wx * wy;
          if (p.r + p.g + p.b > 0) {
            sum = sum + p * (wx * wy);
            opaque += wx * wy;
          }
        });
      });
      out.At(x, y) = opaque * 2 > total ? NotKeyBlack(sum * (1.0f / opaque)) : Color{};
    }
  return out;
}

Mask ReliefShade(const Mask& height, float strength) {
  Mask out(height.width, height.height);
  for (int y = 0; y < height.height; ++y)
    for (int x = 0; x < height.width; ++x) {
      float dx = height.Get(x + 1, y) - height.Get(x - 1, y);
      float dy = height.Get(x, y + 1) - height.Get(x, y - 1);
      // Light from the upper left: rising towards the lower right faces it.
      out.At(x, y) = (-dx - dy) * 0.7071f * strength;
    }
  return out;
}

Mask FilledHoles(const Mask& m) {
  const int w = m.width, h = m.height;
  std::vector<uint8_t> outside(size_t(w) * size_t(h), 0);
  std::vector<int> stack;
  auto push = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    size_t i = size_t(y) * size_t(w) + size_t(x);
    if (outside[i] || m.alpha[i] > 0.25f) return;
    outside[i] = 1;
    stack.push_back(int(i));
  };
  for (int x = 0; x < w; ++x) push(x, 0), push(x, h - 1);
  for (int y = 0; y < h; ++y) push(0, y), push(w - 1, y);
  while (!stack.empty()) {
    int i = stack.back();
    stack.pop_back();
    int x = i % w, y = i / w;
    push(x + 1, y), push(x - 1, y), push(x, y + 1), push(x, y - 1);
  }
  Mask out = m;
  for (size_t i = 0; i < out.alpha.size(); ++i)
    if (!outside[i]) out.alpha[i] = 1.0f;
  return out;
}

}  // namespace artgen
