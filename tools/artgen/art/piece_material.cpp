// Materials of the piece sets and their lighting.
#include "tools/artgen/art/piece_material.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/kit/noise.h"

namespace artgen {

namespace {

const Vec3 kLight = Normalized({-0.5f, -0.62f, 0.6f});
const Vec3 kFill = Normalized({0.7f, -0.1f, 0.45f});
const Vec3 kHalf = Normalized({kLight.x, kLight.y, kLight.z + 1.0f});

// A studio environment seen in a mirror finish, by reflected direction.
float Environment(Vec3 r) {
  float up = -r.y;
  float sky = 0.55f + 0.45f * std::clamp(up * 1.4f, 0.0f, 1.0f);
  float horizon = std::exp(-up * up * 60.0f) * 0.55f;
  float ground = up < 0 ? 0.18f + 0.12f * (1 + up) : sky;
  float v = up >= 0 ? sky : ground;
  v -= horizon * (up > 0 ? 0.2f : 0.6f);
  // A soft window to the upper left.
  float window = std::clamp((-r.x * 0.6f + up * 0.8f) - 0.55f, 0.0f, 0.3f) * 2.5f;
  return std::clamp(v + window, 0.05f, 1.2f);
}

Color Texture(const Material& m, float x, float y) {
  switch (m.finish) {
    case Finish::Wood: {
      float warp = Fbm(x * 0.08f, y * 0.02f, 3, m.seed) * 6.0f;
      float rings = std::sin((x * 0.9f + warp) * 1.7f) * 0.5f + 0.5f;
      float fine = ValueNoise(x * 1.5f, y * 0.15f, m.seed + 7);
      return Mix(m.base, m.accent, std::clamp(rings * 0.55f + fine * 0.35f - 0.1f, 0.0f, 1.0f));
    }
    case Finish::Marble: {
      float t = Fbm(x * 0.09f, y * 0.09f, 4, m.seed) * 9.0f;
      float vein = std::pow(1.0f - std::fabs(std::sin((x * 0.35f + y * 0.22f + t))), 10.0f);
      float cloud = Fbm(x * 0.2f, y * 0.2f, 3, m.seed + 3);
      return Mix(Mix(m.base, m.base * 0.88f, cloud), m.accent, std::clamp(vein, 0.0f, 0.85f));
    }
    case Finish::Stone: {
      float speck = HashUnit(int(x * 2), int(y * 2), 0, m.seed);
      float cloud = Fbm(x * 0.25f, y * 0.25f, 3, m.seed);
      Color c = Mix(m.base, m.accent, cloud * 0.6f);
      if (speck > 0.93f) c = Mix(c, m.accent, 0.7f);
      if (speck < 0.05f) c = c * 1.12f;
      return c;
    }
    default: return m.base;
  }
}

Color ShadeOne(const Material& m, Vec3 n, float x, float y, float darken) {
  Color albedo = Texture(m, x, y);
  float diffuse = std::max(0.0f, Dot(n, kLight));
  float fill = std::max(0.0f, Dot(n, kFill)) * 0.25f;
  float specular = std::pow(std::max(0.0f, Dot(n, kHalf)), m.shininess);
  float rim = std::pow(1.0f - std::max(0.0f, n.z), 3.0f);
  Color c;
  switch (m.finish) {
    case Finish::Metal: {
      Vec3 r = {2 * n.z * n.x, 2 * n.z * n.y, 2 * n.z * n.z - 1};
      float env = Environment(r);
      c = albedo * (0.15f + 0.95f * env) + Gray(255) * (specular * m.gloss);
      break;
    }
    case Finish::Glass: {
      // Bright, tinted rims and a dim core; the light passes and gathers low on the far side.
      float fresnel = 0.25f + 0.75f * rim;
      float caustic = std::pow(std::max(0.0f, Dot(n, Normalized({0.55f, 0.5f, 0.65f}))), 6.0f);
      c = albedo * (0.32f + 0.55f * fresnel + 0.35f * caustic + 0.25f * diffuse) + Gray(255) * (specular * m.gloss);
      break;
    }
    case Finish::Flat: c = albedo * (0.86f + 0.22f * diffuse) + Gray(255) * (specular * m.gloss * 0.5f); break;
    default:
      c = albedo * (m.ambient + (1.0f - m.ambient) * diffuse + fill) + Gray(255) * (specular * m.gloss);
      c = c + albedo * (rim * 0.25f);
      break;
  }
  return c * (1.0f - 0.7f * darken);
}

}  // namespace

Canvas ShadePiece(const Surface& s, const Material& m) {
  Canvas out(s.width, s.height);
  float lum = Luma(m.base);
  // Edge line: darker than light materials, lighter than dark ones, so a piece reads on either square.
  Color edge = lum > 90 ? m.base * 0.32f : Mix(m.base, Gray(150), 0.45f);
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      size_t i = s.Index(x, y);
      float cov = s.coverage.alpha[i];
      if (cov < 0.35f) continue;
      Color c = ShadeOne(m, s.normal[i], float(x), float(y), s.darken[i]);
      bool border = s.coverage.Get(x - 1, y) < 0.35f || s.coverage.Get(x + 1, y) < 0.35f ||
                    s.coverage.Get(x, y - 1) < 0.35f || s.coverage.Get(x, y + 1) < 0.35f;
      if (border) c = Mix(c, edge, 0.55f - 0.25f * cov);
      out.At(x, y) = NotKeyBlack(c);
    }
  return out;
}

}  // namespace artgen
