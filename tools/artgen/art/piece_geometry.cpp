// Geometry of one piece picture.
#include "tools/artgen/art/piece_geometry.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/kit/filters.h"

namespace artgen {

namespace {
constexpr float kPi = 3.14159265358979f;
}

Vec3 Normalized(Vec3 v) {
  float len = std::sqrt(Dot(v, v));
  return len > 0 ? Vec3{v.x / len, v.y / len, v.z / len} : Vec3{0, 0, 1};
}

Solid Frustum(float yTop, float yBottom, float rTop, float rBottom, float bulge) {
  return {yTop, yBottom, [=](float t) { return rTop + (rBottom - rTop) * t + bulge * std::sin(kPi * t); }};
}

Solid Ring(float cy, float ry, float rx) {
  return {cy - ry, cy + ry, [=](float t) {
            float v = t * 2 - 1;
            return rx * std::sqrt(std::max(0.0f, 1 - v * v));
          }};
}

Surface::Surface(int w, int h)
    : width(w),
      height(h),
      coverage(w, h),
      normal(size_t(w) * size_t(h), Vec3{0, 0, 1}),
      darken(size_t(w) * size_t(h), 0.0f),
      depth(size_t(w) * size_t(h), -1e9f) {}

namespace {

// Radius of the profile at y (largest solid there), and its slope dr/dy.
float ProfileAt(const std::vector<Solid>& solids, float y, float* slope) {
  float best = 0;
  const Solid* winner = nullptr;
  for (const Solid& s : solids) {
    if (y < s.yTop || y > s.yBottom) continue;
    float r = s.radius((y - s.yTop) / (s.yBottom - s.yTop));
    if (r > best) best = r, winner = &s;
  }
  if (slope) {
    *slope = 0;
    if (winner) {
      float span = winner->yBottom - winner->yTop;
      float ya = std::max(winner->yTop, y - 0.3f), yb = std::min(winner->yBottom, y + 0.3f);
      if (yb > ya)
        *slope = (winner->radius((yb - winner->yTop) / span) - winner->radius((ya - winner->yTop) / span)) / (yb - ya);
    }
  }
  return best;
}

// Keeps the new sample where it is nearer the viewer than what is there.
void Offer(Surface& s, int x, int y, float coverage, Vec3 n, float depth) {
  if (coverage <= 0) return;
  size_t i = s.Index(x, y);
  float& c = s.coverage.alpha[i];
  if (depth > s.depth[i]) {
    s.depth[i] = depth;
    s.normal[i] = n;
    s.darken[i] = 0;
  }
  c = std::max(c, coverage);
}

}  // namespace

void AddLathe(Surface& s, const std::vector<Solid>& solids, float cx, float yClipTop, float yClipBottom) {
  for (int y = 0; y < s.height; ++y) {
    float rs[4];
    for (int k = 0; k < 4; ++k) {
      float ys = float(y) + (float(k) + 0.5f) / 4;
      rs[k] = (ys < yClipTop || ys > yClipBottom) ? 0 : ProfileAt(solids, ys, nullptr);
    }
    float slope;
    float yc = std::clamp(float(y) + 0.5f, yClipTop, yClipBottom);
    float rc = ProfileAt(solids, yc, &slope);
    if (rc <= 0) rc = std::max({rs[0], rs[1], rs[2], rs[3]});
    if (rc <= 0) continue;
    for (int x = 0; x < s.width; ++x) {
      float dx = float(x) + 0.5f - cx;
      float cov = 0;
      for (float r : rs) cov += std::clamp(r - std::fabs(dx) + 0.5f, 0.0f, 1.0f);
      cov /= 4;
      if (cov <= 0) continue;
      float u = std::clamp(dx / rc, -0.999f, 0.999f);
      Vec3 n = Normalized({u, -slope, std::sqrt(1 - u * u)});
      Offer(s, x, y, cov, n, rc * std::sqrt(1 - u * u));
    }
  }
}

void AddBall(Surface& s, float cx, float cy, float radius, float depthOffset) {
  int x0 = std::max(0, int(cx - radius - 1)), x1 = std::min(s.width - 1, int(cx + radius + 1));
  int y0 = std::max(0, int(cy - radius - 1)), y1 = std::min(s.height - 1, int(cy + radius + 1));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
      float d = std::sqrt(dx * dx + dy * dy);
      float cov = std::clamp(radius - d + 0.5f, 0.0f, 1.0f);
      if (cov <= 0) continue;
      float z2 = std::max(0.0f, radius * radius - std::min(d, radius * 0.999f) * std::min(d, radius * 0.999f));
      float z = std::sqrt(z2);
      Offer(s, x, y, cov, Normalized({dx, dy, z}), z + depthOffset);
    }
}

void AddFlat(Surface& s, const Mask& shape, float bevel, float depthOffset) {
  Mask height = Blurred(shape, std::max(1, int(bevel)));
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      float cov = shape.Get(x, y);
      if (cov <= 0) continue;
      float dx = height.Get(x + 1, y) - height.Get(x - 1, y);
      float dy = height.Get(x, y + 1) - height.Get(x, y - 1);
      float k = bevel * 1.6f;
      Vec3 n = Normalized({-dx * k, -dy * k, 1.0f});
      Offer(s, x, y, cov, n, depthOffset + height.Get(x, y));
    }
}

void AddGroove(Surface& s, float x0, float y0, float x1, float y1, float width, float strength) {
  float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      size_t i = s.Index(x, y);
      if (s.coverage.alpha[i] < 0.99f) continue;
      float px = float(x) + 0.5f - x0, py = float(y) + 0.5f - y0;
      float t = std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f);
      float ex = px - t * dx, ey = py - t * dy;
      float d = std::sqrt(ex * ex + ey * ey);
      float g = std::clamp(1 - d / (width * 0.5f + 0.5f), 0.0f, 1.0f);
      s.darken[i] = std::max(s.darken[i], g * strength);
    }
}

void AddHollow(Surface& s, float x0, float y0, float x1, float y1) {
  for (int y = std::max(0, int(y0)); y < std::min(s.height, int(std::ceil(y1))); ++y)
    for (int x = std::max(0, int(x0)); x < std::min(s.width, int(std::ceil(x1))); ++x) {
      size_t i = s.Index(x, y);
      if (s.coverage.alpha[i] <= 0) continue;
      float fx = std::clamp(std::min(float(x) + 1, x1) - std::max(float(x), x0), 0.0f, 1.0f);
      float fy = std::clamp(std::min(float(y) + 1, y1) - std::max(float(y), y0), 0.0f, 1.0f);
      s.darken[i] = std::max(s.darken[i], 0.72f * fx * fy);
      // The inner wall faces the viewer and a little up.
      if (fx * fy > 0.5f) s.normal[i] = Normalized({0.0f, -0.3f, 1.0f});
    }
}

}  // namespace artgen
