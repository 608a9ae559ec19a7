// Material textures shared by boards, backdrops and consoles: woods, marbles,
// stones, leather, brushed metal; each a colour at a point for a seed.
#pragma once

#include <cstdint>

#include "tools/artgen/kit/canvas.h"

namespace artgen {

enum class Texture { Flat, Wood, Marble, Stone, Leather, BrushedMetal, Glass, Carbon };

struct Look {
  Texture texture = Texture::Flat;
  Color base;
  Color accent;  // grain, veins, speckles
  float scale = 1.0f;
  uint32_t seed = 1;
};

// A look in one line, for the design tables of boards and consoles.
inline Look L(Texture texture, Color base, Color accent, uint32_t seed, float scale = 1.0f) {
  Look look;
  look.texture = texture;
  look.base = base;
  look.accent = accent;
  look.seed = seed;
  look.scale = scale;
  return look;
}

// Colour of the look at (x, y); vertical turns the grain of woods and metals upright.
Color Sample(const Look& look, float x, float y, bool vertical = false);

// Fills a rectangle of the canvas with the look.
void FillLook(Canvas& c, int x, int y, int w, int h, const Look& look, bool vertical = false);

// Lightens the top and left edges and darkens the bottom and right ones of a
// rectangle: a raised (depth > 0) or sunken (depth < 0) bevel of the given width.
void Bevel(Canvas& c, int x, int y, int w, int h, int width, float depth);

}  // namespace artgen
