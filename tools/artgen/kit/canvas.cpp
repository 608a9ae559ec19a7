// Pixel containers of the art generator.
#include "tools/artgen/kit/canvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {

float Luma(Color c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

static float RoundChannel(float v) { return std::floor(std::clamp(v, 0.0f, 255.0f) + 0.5f); }

Color Quantized(Color c) { return {RoundChannel(c.r), RoundChannel(c.g), RoundChannel(c.b)}; }

Color NotKeyBlack(Color c) {
  Color q = Quantized(c);
  if (q.r + q.g + q.b < 3.0f) {
    float m = std::max({q.r, q.g, q.b});
    if (m < 1.0f) return {1, 1, 1};
  }
  return q;
}

Canvas::Canvas(int w, int h, Color fill) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}

void Canvas::Blend(int x, int y, Color c, float alpha) {
  if (!Contains(x, y) || alpha <= 0.0f) return;
  Color& p = At(x, y);
  p = alpha >= 1.0f ? c : Mix(p, c, alpha);
}

void Canvas::Fill(Color c) { std::fill(pixels.begin(), pixels.end(), c); }

void Canvas::Paste(const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.height; ++sy)
    for (int sx = 0; sx < src.width; ++sx)
      if (Contains(x + sx, y + sy)) At(x + sx, y + sy) = src.At(sx, sy);
}

void Canvas::PasteKeyed(const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.height; ++sy)
    for (int sx = 0; sx < src.width; ++sx) {
      Color q = Quantized(src.At(sx, sy));
      if (q.r + q.g + q.b > 0.0f && Contains(x + sx, y + sy)) At(x + sx, y + sy) = src.At(sx, sy);
    }
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
  Canvas out(w, h);
  for (int sy = 0; sy < h; ++sy)
    for (int sx = 0; sx < w; ++sx)
      if (Contains(x + sx, y + sy)) out.At(sx, sy) = At(x + sx, y + sy);
  return out;
}

Mask::Mask(int w, int h, float fill) : width(w), height(h), alpha(size_t(w) * size_t(h), fill) {}

template <typename Op>
static Mask Combine(const Mask& a, const Mask& b, Op op) {
  Mask out(a.width, a.height);
  for (size_t i = 0; i < out.alpha.size(); ++i) out.alpha[i] = std::clamp(op(a.alpha[i], b.alpha[i]), 0.0f, 1.0f);
  return out;
}

Mask Union(const Mask& a, const Mask& b) {
  return Combine(a, b, [](float p, float q) { return p + q - p * q; });
}
Mask Subtract(const Mask& a, const Mask& b) {
  return Combine(a, b, [](float p, float q) { return p * (1.0f - q); });
}
Mask Intersect(const Mask& a, const Mask& b) {
  return Combine(a, b, [](float p, float q) { return p * q; });
}

Mask Shifted(const Mask& m, int dx, int dy) {
  Mask out(m.width, m.height);
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x) out.At(x, y) = m.Get(x - dx, y - dy);
  return out;
}

void PaintMask(Canvas& canvas, const Mask& mask, Color c, float opacity, int x, int y) {
  for (int my = 0; my < mask.height; ++my)
    for (int mx = 0; mx < mask.width; ++mx) {
      float a = mask.At(mx, my) * opacity;
      if (a > 0.0f) canvas.Blend(x + mx, y + my, c, a);
    }
}

}  // namespace artgen
