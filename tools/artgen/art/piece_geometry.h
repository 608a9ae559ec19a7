// Geometry of one piece picture: the parts a piece is built from (turned
// solids, balls, flat bevelled shapes) rasterised into coverage, surface
// normals and depth, ready for a material to light.
#pragma once

#include <functional>
#include <vector>

#include "tools/artgen/kit/canvas.h"

namespace artgen {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};
Vec3 Normalized(Vec3 v);
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// One slice of a turned profile between yTop and yBottom; radius(t) for t 0 (top) .. 1 (bottom).
struct Solid {
  float yTop, yBottom;
  std::function<float(float)> radius;
};
// A straight or bulging (bulge > 0 outwards, < 0 waisted) cone section.
Solid Frustum(float yTop, float yBottom, float rTop, float rBottom, float bulge = 0);
// An ellipsoid centred on the axis at height cy.
Solid Ring(float cy, float ry, float rx);

struct Surface {
  int width, height;
  Mask coverage;
  std::vector<Vec3> normal;   // unit normals, z towards the viewer
  std::vector<float> darken;  // 0 plain, up to 1 for grooves and hollows
  std::vector<float> depth;

  Surface(int w, int h);
  size_t Index(int x, int y) const { return size_t(y) * size_t(width) + size_t(x); }
};

// Parts are added front to back by depth: a pixel keeps the part nearest the viewer.
void AddLathe(Surface& s, const std::vector<Solid>& solids, float cx, float yClipTop = -1e9f, float yClipBottom = 1e9f);
void AddBall(Surface& s, float cx, float cy, float radius, float depthOffset = 0);
// A flat shape with rounded, bevelled edges; bevel is the width of the rounding.
void AddFlat(Surface& s, const Mask& shape, float bevel, float depthOffset);
// Marks a groove (for example the bishop's cut) of the given width along a segment.
void AddGroove(Surface& s, float x0, float y0, float x1, float y1, float width, float strength);
// Marks a rectangle as a hollow seen through an opening (the rook's embrasures).
void AddHollow(Surface& s, float x0, float y0, float x1, float y1);

}  // namespace artgen
