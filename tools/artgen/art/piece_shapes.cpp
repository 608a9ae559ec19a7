// The shapes of the piece families.
#include "tools/artgen/art/piece_shapes.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/path.h"

namespace artgen {

namespace {

constexpr float kAxis = 24.0f;   // centre line of the square under the cell
constexpr float kFloor = 93.0f;  // bottom of every base

// Base shared by the turned pieces: a foot, a bead and the start of the body.
void AddBase(std::vector<Solid>& s, float foot) {
  s.push_back(Frustum(kFloor - 6, kFloor, foot - 0.8f, foot, 0.6f));
  s.push_back(Ring(kFloor - 7.2f, 2.2f, foot - 1.6f));
  s.push_back(Frustum(kFloor - 11, kFloor - 7.5f, foot - 5.5f, foot - 3.2f));
}

struct Bounds {
  float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
};
Bounds BoundsOf(const Path& p) {
  Bounds b;
  for (const auto& c : p.Contours())
    for (const Point& q : c)
      b.x0 = std::min(b.x0, q.x), b.x1 = std::max(b.x1, q.x), b.y0 = std::min(b.y0, q.y), b.y1 = std::max(b.y1, q.y);
  return b;
}

// The solid knight glyph, scaled to the given height with its bottom at bottom and centred.
Mask KnightHead(Fonts& fonts, float height, float bottom, float maxWidth, Mask* detail) {
  Path glyph = fonts.GlyphOutline(Typeface::Sans, 100.0f, 0x265E);
  Bounds b = BoundsOf(glyph);
  float scale = std::min(height / (b.y1 - b.y0), maxWidth / (b.x1 - b.x0));
  float dx = kAxis - (b.x0 + b.x1) / 2 * scale, dy = bottom - b.y1 * scale;
  Mask ink = Fill(glyph.Transformed(scale, scale, dx, dy), kCellWidth, kCellHeight);
  Mask solid = FilledHoles(ink);
  if (detail) *detail = Subtract(solid, ink);
  return solid;
}

}  // namespace

PieceSurfaces StauntonSurfaces(Fonts& fonts) {
  PieceSurfaces out = {Surface(kCellWidth, kCellHeight), Surface(kCellWidth, kCellHeight),
                       Surface(kCellWidth, kCellHeight), Surface(kCellWidth, kCellHeight),
                       Surface(kCellWidth, kCellHeight), Surface(kCellWidth, kCellHeight)};
  {  // pawn
    std::vector<Solid> s;
    AddBase(s, 14.0f);
    s.push_back(Frustum(66, 83, 4.8f, 10.0f, -1.4f));
    s.push_back(Ring(65.5f, 2.0f, 8.8f));
    s.push_back(Frustum(61, 64.5f, 4.6f, 5.4f));
    AddLathe(out[0], s, kAxis);
    AddBall(out[0], kAxis, 55.5f, 7.4f, 2);
  }
  {  // rook
    std::vector<Solid> s;
    AddBase(s, 15.5f);
    s.push_back(Frustum(58, 83, 9.0f, 11.6f, -0.9f));
    s.push_back(Ring(57.6f, 1.9f, 11.4f));
    s.push_back(Frustum(45, 55.8f, 12.6f, 11.6f));
    s.push_back(Ring(55.2f, 1.2f, 12.0f));
    AddLathe(out[1], s, kAxis);
    AddHollow(out[1], kAxis - 8.2f, 44.5f, kAxis - 3.6f, 49.5f);
    AddHollow(out[1], kAxis + 3.6f, 44.5f, kAxis + 8.2f, 49.5f);
    AddGroove(out[1], kAxis - 12, 50.2f, kAxis + 12, 50.2f, 0.6f, 0.35f);
  }
  {  // knight: turned base, carved head from the glyph
    std::vector<Solid> s;
    AddBase(s, 15.5f);
    s.push_back(Ring(kFloor - 11.5f, 1.8f, 12.5f));
    AddLathe(out[2], s, kAxis);
    Mask detail;
    Mask head = KnightHead(fonts, 58.0f, kFloor - 1.0f, 40.0f, &detail);
    for (int y = int(kFloor - 12); y < kCellHeight; ++y)
      for (int x = 0; x < kCellWidth; ++x) head.At(x, y) = 0, detail.At(x, y) = 0;
    AddFlat(out[2], head, 3.0f, 14.0f);
    for (int y = 0; y < kCellHeight; ++y)
      for (int x = 0; x < kCellWidth; ++x) {
        size_t i = out[2].Index(x, y);
        out[2].darken[i] = std::max(out[2].darken[i], std::min(1.0f, detail.At(x, y)) * 0.6f);
      }
  }
  {  // bishop
    std::vector<Solid> s;
    AddBase(s, 14.5f);
    s.push_back(Frustum(62, 83, 4.6f, 10.6f, -1.8f));
    s.push_back(Ring(61.0f, 1.8f, 8.6f));
    s.push_back(Ring(58.4f, 1.3f, 6.8f));
    s.push_back({38.5f, 57.5f, [](float t) {
                   // Mitre: pointed at the top, full in its lower half.
                   float r = 8.6f * std::pow(std::sin(3.14159265f * std::min(1.0f, t * 0.62f + 0.38f * t * t)), 0.8f);
                   return r * (0.35f + 0.65f * std::sqrt(t));
                 }});
    AddLathe(out[3], s, kAxis);
    AddBall(out[3], kAxis, 36.3f, 2.6f, 8);
    AddGroove(out[3], kAxis + 6.8f, 41.5f, kAxis - 0.5f, 49.0f, 1.3f, 0.85f);
  }
  {  // queen
    std::vector<Solid> s;
    AddBase(s, 16.0f);
    s.push_back(Frustum(52, 83, 5.4f, 11.6f, -2.4f));
    s.push_back(Ring(51.0f, 1.8f, 9.0f));
    s.push_back(Ring(48.5f, 1.4f, 7.4f));
    s.push_back(Frustum(37.5f, 47.5f, 10.2f, 5.4f, -0.8f));
    s.push_back(Ring(37.0f, 3.6f, 7.4f));
    AddLathe(out[4], s, kAxis);
    for (int k = -3; k <= 3; ++k) {
      float a = float(k) * 0.5f;
      AddBall(out[4], kAxis + 10.0f * std::sin(a), 36.3f, 2.1f, 10.0f * std::cos(a) - 1);
    }
    AddBall(out[4], kAxis, 30.3f, 3.1f, 6);
  }
  {  // king
    std::vector<Solid> s;
    AddBase(s, 16.5f);
    s.push_back(Frustum(50, 83, 6.0f, 12.2f, -2.4f));
    s.push_back(Ring(49.0f, 1.9f, 9.6f));
    s.push_back(Ring(46.4f, 1.4f, 7.8f));
    s.push_back(Frustum(36.0f, 45.5f, 9.6f, 6.0f, -0.6f));
    s.push_back(Ring(35.5f, 2.4f, 9.8f));
    s.push_back(Ring(33.5f, 4.2f, 6.4f));
    AddLathe(out[5], s, kAxis);
    Mask cross(kCellWidth, kCellHeight);
    Path p;
    p.RoundRect(kAxis - 2.2f, 17.0f, 4.4f, 13.5f, 1.0f);
    p.RoundRect(kAxis - 6.0f, 20.5f, 12.0f, 4.2f, 1.0f);
    FillInto(cross, p);
    AddFlat(out[5], cross, 1.6f, 20.0f);
  }
  return out;
}

PieceSurfaces ModernSurfaces() {
  PieceSurfaces out = {Surface(kCellWidth, kCellHeight), Surface(kCellWidth, kCellHeight),
                       Surface(kCellWidth, kCellHeight), Surface(kCellWidth, kCellHeight),
                       Surface(kCellWidth, kCellHeight), Surface(kCellWidth, kCellHeight)};
  auto base = [](std::vector<Solid>& s, float r) {
    s.push_back(Frustum(kFloor - 7, kFloor, r, r, 0));
    s.push_back(Ring(kFloor - 7, 1.4f, r - 0.4f));
  };
  {  // pawn: a ball on a cone
    std::vector<Solid> s;
    base(s, 12.0f);
    s.push_back(Frustum(63, kFloor - 7, 4.0f, 10.5f));
    AddLathe(out[0], s, kAxis);
    AddBall(out[0], kAxis, 57.0f, 7.0f, 2);
  }
  {  // rook: a drum with a rim
    std::vector<Solid> s;
    base(s, 13.5f);
    s.push_back(Frustum(52, kFloor - 7, 12.0f, 12.0f));
    s.push_back(Ring(52, 2.6f, 13.2f));
    AddLathe(out[1], s, kAxis);
    AddHollow(out[1], kAxis - 9.0f, 49.0f, kAxis + 9.0f, 51.2f);
  }
  {  // knight: a block with a cut neck on a drum
    std::vector<Solid> s;
    base(s, 13.5f);
    AddLathe(out[2], s, kAxis);
    Path p;
    p.Polygon({{kAxis - 11, kFloor - 7},
               {kAxis - 11, 56},
               {kAxis - 4, 43},
               {kAxis + 12, 43},
               {kAxis + 12, 56},
               {kAxis + 1, 56},
               {kAxis + 9, kFloor - 7}});
    Mask head = Fill(p, kCellWidth, kCellHeight);
    AddFlat(out[2], head, 2.5f, 14.0f);
    AddGroove(out[2], kAxis + 2.5f, 49.0f, kAxis + 5.0f, 49.0f, 1.6f, 0.8f);
  }
  {  // bishop: a slit ball on a cone
    std::vector<Solid> s;
    base(s, 12.5f);
    s.push_back(Frustum(50, kFloor - 7, 3.0f, 11.0f));
    AddLathe(out[3], s, kAxis);
    AddBall(out[3], kAxis, 44.0f, 7.2f, 3);
    AddGroove(out[3], kAxis + 5.5f, 39.0f, kAxis - 1.5f, 46.5f, 1.4f, 0.85f);
  }
  {  // queen: a ball over a disc
    std::vector<Solid> s;
    base(s, 14.0f);
    s.push_back(Frustum(44, kFloor - 7, 5.5f, 12.0f, -2.0f));
    s.push_back(Ring(43.0f, 2.6f, 11.0f));
    AddLathe(out[4], s, kAxis);
    AddBall(out[4], kAxis, 35.0f, 6.0f, 4);
  }
  {  // king: a cube on its corner over a disc
    std::vector<Solid> s;
    base(s, 14.5f);
    s.push_back(Frustum(41, kFloor - 7, 6.5f, 12.8f, -2.0f));
    s.push_back(Ring(40.0f, 2.6f, 11.5f));
    AddLathe(out[5], s, kAxis);
    Path p;
    p.Polygon({{kAxis, 19}, {kAxis + 9.5f, 28.5f}, {kAxis, 38}, {kAxis - 9.5f, 28.5f}});
    AddFlat(out[5], Fill(p, kCellWidth, kCellHeight), 2.0f, 16.0f);
  }
  return out;
}

std::array<GlyphPiece, 6> GlyphPieces(Fonts& fonts, bool solid) {
  // Strip order pawn, rook, knight, bishop, queen, king; glyph order king .. pawn.
  const int glyphOffset[6] = {5, 2, 4, 3, 1, 0};
  uint32_t first = solid ? 0x265A : 0x2654;
  std::array<Path, 6> paths;
  Bounds all;
  for (int i = 0; i < 6; ++i) {
    paths[size_t(i)] = fonts.GlyphOutline(Typeface::Sans, 100.0f, first + uint32_t(glyphOffset[i]));
    Bounds b = BoundsOf(paths[size_t(i)]);
    all.x0 = std::min(all.x0, b.x0), all.x1 = std::max(all.x1, b.x1);
    all.y0 = std::min(all.y0, b.y0), all.y1 = std::max(all.y1, b.y1);
  }
  // One scale for all six, so that their sizes keep their proportions.
  float scale = std::min(70.0f / (all.y1 - all.y0), 44.0f / (all.x1 - all.x0));
  std::array<GlyphPiece, 6> out;
  for (int i = 0; i < 6; ++i) {
    Bounds b = BoundsOf(paths[size_t(i)]);
    float dx = kAxis - (b.x0 + b.x1) / 2 * scale, dy = kFloor - b.y1 * scale;
    Mask ink = Fill(paths[size_t(i)].Transformed(scale, scale, dx, dy), kCellWidth, kCellHeight);
    out[size_t(i)].ink = ink;
    out[size_t(i)].silhouette = FilledHoles(ink);
  }
  return out;
}

}  // namespace artgen
