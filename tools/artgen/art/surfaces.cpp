// Material textures shared by boards, backdrops and consoles.
#include "tools/artgen/art/surfaces.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/kit/noise.h"

namespace artgen {

Color Sample(const Look& look, float x, float y, bool vertical) {
  if (vertical) std::swap(x, y);
  float s = look.scale;
  x /= s;
  y /= s;
  switch (look.texture) {
    case Texture::Flat: {
      float n = HashUnit(int(x * s), int(y * s), 7, look.seed) - 0.5f;
      return look.base + Gray(n * 3.0f);
    }
    case Texture::Wood: {
      float warp = Fbm(x * 0.012f, y * 0.05f, 3, look.seed) * 14.0f;
      float rings = 0.5f + 0.5f * std::sin((y + warp) * 0.55f + Fbm(x * 0.004f, y * 0.02f, 2, look.seed + 5) * 8.0f);
      rings = std::pow(rings, 2.2f);
      float fibre = ValueNoise(x * 0.08f, y * 1.3f, look.seed + 9);
      float t = std::clamp(rings * 0.6f + fibre * 0.3f, 0.0f, 1.0f);
      return Mix(look.base, look.accent, t);
    }
    case Texture::Marble: {
      float t = Fbm(x * 0.012f, y * 0.012f, 5, look.seed) * 10.0f;
      float vein = std::pow(1.0f - std::fabs(std::sin(x * 0.02f + y * 0.013f + t)), 14.0f);
      float fine = std::pow(1.0f - std::fabs(std::sin(x * 0.05f - y * 0.03f + t * 1.7f)), 40.0f);
      float cloud = Fbm(x * 0.03f, y * 0.03f, 4, look.seed + 2);
      Color c = Mix(look.base, look.base * 0.86f, cloud);
      return Mix(c, look.accent, std::clamp(vein * 0.85f + fine * 0.5f, 0.0f, 0.9f));
    }
    case Texture::Stone: {
      float cloud = Fbm(x * 0.04f, y * 0.04f, 4, look.seed);
      float grain = HashUnit(int(x * s), int(y * s), 3, look.seed);
      Color c = Mix(look.base, look.accent, cloud * 0.7f);
      if (grain > 0.9f) c = Mix(c, look.accent, 0.5f);
      if (grain < 0.06f) c = c * 1.15f;
      return c;
    }
    case Texture::Leather: {
      float cell = Fbm(x * 0.35f, y * 0.35f, 2, look.seed);
      float big = Fbm(x * 0.02f, y * 0.02f, 3, look.seed + 4);
      return Mix(look.base, look.accent, std::clamp(cell * 0.5f + big * 0.5f - 0.15f, 0.0f, 1.0f));
    }
    case Texture::BrushedMetal: {
      float streak =
          ValueNoise(x * 0.02f, y * 2.0f, look.seed) * 0.6f + ValueNoise(x * 0.1f, y * 4.0f, look.seed + 1) * 0.4f;
      return Mix(look.base, look.accent, streak);
    }
    case Texture::Glass: {
      float band = 0.5f + 0.5f * std::sin((x + y) * 0.02f + Fbm(x * 0.01f, y * 0.01f, 2, look.seed) * 3.0f);
      return Mix(look.base, look.accent, band * 0.5f);
    }
    case Texture::Carbon: {
      int cx = int(std::floor(x / 4)), cy = int(std::floor(y / 4));
      bool weft = ((cx + cy) / 2) % 2 == 0;
      float along = weft ? std::fmod(x, 8.0f) / 8.0f : std::fmod(y, 8.0f) / 8.0f;
      float shine = 0.5f + 0.5f * std::sin(along * 6.2832f);
      return Mix(look.base, look.accent, shine * 0.7f);
    }
  }
  return look.base;
}

void FillLook(Canvas& c, int x, int y, int w, int h, const Look& look, bool vertical) {
  for (int py = std::max(0, y); py < std::min(c.height, y + h); ++py)
    for (int px = std::max(0, x); px < std::min(c.width, x + w); ++px)
      c.At(px, py) = Sample(look, float(px), float(py), vertical);
}

void Bevel(Canvas& c, int x, int y, int w, int h, int width, float depth) {
  for (int py = std::max(0, y); py < std::min(c.height, y + h); ++py)
    for (int px = std::max(0, x); px < std::min(c.width, x + w); ++px) {
      int left = px - x, right = x + w - 1 - px, top = py - y, bottom = y + h - 1 - py;
      int d = std::min({left, right, top, bottom});
      if (d >= width) continue;
      bool lit = (left == d || top == d) && !(right == d || bottom == d);
      if ((left == d && bottom == d) || (top == d && right == d)) lit = (left == d) ? (top < bottom) : (left < right);
      float k = depth * (1.0f - float(d) / float(width)) * 0.5f + depth * 0.25f;
      if (!lit) k = -k;
      Color& p = c.At(px, py);
      p = k > 0 ? Mix(p, Gray(255), std::min(0.8f, k)) : Mix(p, Gray(0), std::min(0.8f, -k));
    }
}

}  // namespace artgen
