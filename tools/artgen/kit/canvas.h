// Pixel containers of the art generator: a floating-point RGB canvas that
// pictures are painted on, and a coverage mask that shapes are rasterised into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace artgen {

// An RGB colour with channels on the 0..255 scale.
struct Color {
  float r = 0, g = 0, b = 0;
};

inline Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Color operator-(Color a, Color b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Color operator*(Color a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Color operator*(Color a, Color b) { return {a.r * b.r / 255.0f, a.g * b.g / 255.0f, a.b * b.b / 255.0f}; }
inline Color Mix(Color a, Color b, float t) { return a + (b - a) * t; }
inline Color Rgb(int r, int g, int b) { return {float(r), float(g), float(b)}; }
inline Color Gray(float v) { return {v, v, v}; }
float Luma(Color c);
// Rounds every channel to 0..255.
Color Quantized(Color c);

struct Canvas {
  int width = 0, height = 0;
  std::vector<Color> pixels;

  Canvas() = default;
  Canvas(int w, int h, Color fill = {});
  Color& At(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  const Color& At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  // Lays colour c over pixel (x, y) with opacity alpha (0..1); outside pixels are ignored.
  void Blend(int x, int y, Color c, float alpha);
  void Fill(Color c);
  // Copies the whole of src with its top-left corner at (x, y), clipped.
  void Paste(const Canvas& src, int x, int y);
  // Copies src, leaving pixels of this canvas where src is pure black.
  void PasteKeyed(const Canvas& src, int x, int y);
  Canvas Crop(int x, int y, int w, int h) const;
};

// A coverage mask: 0 outside a shape, 1 inside, fractions on its edges.
struct Mask {
  int width = 0, height = 0;
  std::vector<float> alpha;

  Mask() = default;
  Mask(int w, int h, float fill = 0.0f);
  float& At(int x, int y) { return alpha[size_t(y) * size_t(width) + size_t(x)]; }
  float At(int x, int y) const { return alpha[size_t(y) * size_t(width) + size_t(x)]; }
  // Value at (x, y), 0 outside.
  float Get(int x, int y) const { return (x >= 0 && y >= 0 && x < width && y < height) ? At(x, y) : 0.0f; }
};

// Mask operations, all elementwise on masks of the same size.
Mask Union(const Mask& a, const Mask& b);
Mask Subtract(const Mask& a, const Mask& b);
Mask Intersect(const Mask& a, const Mask& b);
Mask Shifted(const Mask& m, int dx, int dy);

// Paints colour c through the mask onto the canvas, the mask's (0,0) at (x, y).
void PaintMask(Canvas& canvas, const Mask& mask, Color c, float opacity = 1.0f, int x = 0, int y = 0);

// Every channel is rounded; pure black stays pure black, every other colour
// is kept away from (0,0,0) so that it stays visible over a black colour key.
Color NotKeyBlack(Color c);

}  // namespace artgen
