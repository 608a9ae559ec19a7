// Vector outlines and their rasterisation into coverage masks (non-zero
// winding, four sub-scanlines per pixel row, exact horizontal coverage).
#pragma once

#include <vector>

#include "tools/artgen/kit/canvas.h"

namespace artgen {

struct Point {
  float x = 0, y = 0;
};

// Closed contours made of straight segments; curves are flattened when added.
class Path {
 public:
  Path& MoveTo(float x, float y);
  Path& LineTo(float x, float y);
  Path& QuadTo(float cx, float cy, float x, float y);
  Path& CubicTo(float c1x, float c1y, float c2x, float c2y, float x, float y);
  Path& Close();
  Path& Rect(float x, float y, float w, float h);
  Path& RoundRect(float x, float y, float w, float h, float radius);
  Path& Ellipse(float cx, float cy, float rx, float ry);
  Path& Polygon(const std::vector<Point>& points);
  // Adds all contours of another path.
  Path& Append(const Path& other);
  Path Transformed(float scaleX, float scaleY, float dx, float dy) const;

  const std::vector<std::vector<Point>>& Contours() const { return contours_; }

 private:
  std::vector<std::vector<Point>> contours_;
  Point current_;
};

// Rasterises the path into a new mask of the given size.
Mask Fill(const Path& path, int width, int height);
// Rasterises the path and adds its coverage to mask (union).
void FillInto(Mask& mask, const Path& path);
// Adds to mask a polyline of the given width with round joins and ends.
void StrokeInto(Mask& mask, const std::vector<Point>& points, float width, bool closed);

}  // namespace artgen
