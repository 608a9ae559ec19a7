// Vector outlines and their rasterisation into coverage masks.
#include "tools/artgen/kit/path.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {
constexpr float kPi = 3.14159265358979f;
constexpr int kSubRows = 4;

struct Crossing {
  float x;
  int winding;
};
}  // namespace

Path& Path::MoveTo(float x, float y) {
  contours_.push_back({{x, y}});
  current_ = {x, y};
  return *this;
}

Path& Path::LineTo(float x, float y) {
  if (contours_.empty()) contours_.push_back({current_});
  contours_.back().push_back({x, y});
  current_ = {x, y};
  return *this;
}

Path& Path::QuadTo(float cx, float cy, float x, float y) {
  Point p0 = current_;
  const int steps = 12;
  for (int i = 1; i <= steps; ++i) {
    float t = float(i) / steps, u = 1 - t;
    LineTo(u * u * p0.x + 2 * u * t * cx + t * t * x, u * u * p0.y + 2 * u * t * cy + t * t * y);
  }
  return *this;
}

Path& Path::CubicTo(float c1x, float c1y, float c2x, float c2y, float x, float y) {
  Point p0 = current_;
  const int steps = 16;
  for (int i = 1; i <= steps; ++i) {
    float t = float(i) / steps, u = 1 - t;
    float a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    LineTo(a * p0.x + b * c1x + c * c2x + d * x, a * p0.y + b * c1y + c * c2y + d * y);
  }
  return *this;
}

Path& Path::Close() {
  if (!contours_.empty() && !contours_.back().empty()) current_ = contours_.back().front();
  return *this;
}

Path& Path::Rect(float x, float y, float w, float h) {
  return MoveTo(x, y).LineTo(x + w, y).LineTo(x + w, y + h).LineTo(x, y + h).Close();
}

Path& Path::RoundRect(float x, float y, float w, float h, float radius) {
  radius = std::min({radius, w / 2, h / 2});
  if (radius <= 0) return Rect(x, y, w, h);
  const int steps = 8;
  std::vector<Point> points;
  const Point centres[4] = {{x + w - radius, y + radius},
                            {x + w - radius, y + h - radius},
                            {x + radius, y + h - radius},
                            {x + radius, y + radius}};
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i <= steps; ++i) {
      float a = -kPi / 2 + kPi / 2 * float(k) + kPi / 2 * float(i) / steps;
      points.push_back({centres[k].x + radius * std::cos(a), centres[k].y + radius * std::sin(a)});
    }
  return Polygon(points);
}

Path& Path::Ellipse(float cx, float cy, float rx, float ry) {
  int steps = std::clamp(int(std::max(rx, ry) * 2.0f), 16, 160);
  MoveTo(cx + rx, cy);
  for (int i = 1; i < steps; ++i) {
    float a = 2 * kPi * float(i) / steps;
    LineTo(cx + rx * std::cos(a), cy + ry * std::sin(a));
  }
  return Close();
}

Path& Path::Polygon(const std::vector<Point>& points) {
  if (points.empty()) return *this;
  MoveTo(points[0].x, points[0].y);
  for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
  return Close();
}

Path& Path::Append(const Path& other) {
  for (const auto& c : other.contours_) contours_.push_back(c);
  return *this;
}

Path Path::Transformed(float scaleX, float scaleY, float dx, float dy) const {
  Path out;
  for (const auto& c : contours_) {
    std::vector<Point> t;
    t.reserve(c.size());
    for (const Point& p : c) t.push_back({p.x * scaleX + dx, p.y * scaleY + dy});
    out.contours_.push_back(t);
  }
  return out;
}

void FillInto(Mask& mask, const Path& path) {
  const int w = mask.width, h = mask.height;
  std::vector<float> row(size_t(w) + 2);
  std::vector<Crossing> crossings;
  float minY = 1e9f, maxY = -1e9f;
  for (const auto& c : path.Contours())
    for (const Point& p : c) minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  int y0 = std::max(0, int(std::floor(minY))), y1 = std::min(h - 1, int(std::ceil(maxY)));
  for (int y = y0; y <= y1; ++y) {
    std::fill(row.begin(), row.end(), 0.0f);
    bool any = false;
    for (int s = 0; s < kSubRows; ++s) {
      float sy = float(y) + (float(s) + 0.5f) / kSubRows;
      crossings.clear();
      for (const auto& c : path.Contours()) {
        size_t n = c.size();
        if (n < 2) continue;
        for (size_t i = 0; i < n; ++i) {
          Point a = c[i], b = c[(i + 1) % n];
          if (a.y == b.y) continue;
          int dir = a.y < b.y ? 1 : -1;
          if (dir < 0) std::swap(a, b);
          if (sy < a.y || sy >= b.y) continue;
          float x = a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y);
          crossings.push_back({x, dir});
        }
      }
      if (crossings.empty()) continue;
      std::sort(crossings.begin(), crossings.end(), [](const Crossing& p, const Crossing& q) {
        return p.x < q.x || (p.x == q.x && p.winding < q.winding);
      });
      int winding = 0;
      for (size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].winding;
        if (winding == 0) continue;
        float xa = std::clamp(crossings[i].x, 0.0f, float(w));
        float xb = std::clamp(crossings[i + 1].x, 0.0f, float(w));
        if (xb <= xa) continue;
        any = true;
        int ia = int(xa), ib = int(xb);
        const float k = 1.0f / kSubRows;
        if (ia == ib) {
          row[size_t(ia)] += (xb - xa) * k;
        } else {
          row[size_t(ia)] += (float(ia + 1) - xa) * k;
          for (int x = ia + 1; x < ib; ++x) row[size_t(x)] += k;
          if (ib < w) row[size_t(ib)] += (xb - float(ib)) * k;
        }
      }
    }
    if (!any) continue;
    for (int x = 0; x < w; ++x) {
      float a = std::min(row[size_t(x)], 1.0f);
      if (a > 0) {
        float& m = mask.At(x, y);
        m = m + a - m * a;
      }
    }
  }
}

Mask Fill(const Path& path, int width, int height) {
  Mask m(width, height);
  FillInto(m, path);
  return m;
}

void StrokeInto(Mask& mask, const std::vector<Point>& points, float width, bool closed) {
  float hw = width / 2;
  size_t n = points.size();
  size_t segments = closed ? n : (n > 0 ? n - 1 : 0);
  for (size_t i = 0; i < segments && n >= 2; ++i) {
    Point a = points[i], b = points[(i + 1) % n];
    float dx = b.x - a.x, dy = b.y - a.y;
    float len = std::sqrt(dx * dx + dy * dy);
    if (len <= 0) continue;
    float nx = -dy / len * hw, ny = dx / len * hw;
    Path quad;
    quad.MoveTo(a.x + nx, a.y + ny).LineTo(b.x + nx, b.y + ny).LineTo(b.x - nx, b.y - ny).LineTo(a.x - nx, a.y - ny);
    FillInto(mask, quad);
  }
  for (size_t i = 0; i < n; ++i) {
    Path disc;
    disc.Ellipse(points[i].x, points[i].y, hw, hw);
    FillInto(mask, disc);
  }
}

}  // namespace artgen
