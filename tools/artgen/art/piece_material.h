// Materials of the piece sets and the lighting that turns a piece surface
// into pixels (light from the upper left, as on the boards and consoles).
#pragma once

#include <cstdint>

#include "tools/artgen/art/piece_geometry.h"
#include "tools/artgen/kit/canvas.h"

namespace artgen {

enum class Finish { Plain, Wood, Marble, Metal, Glass, Stone, Flat };

struct Material {
  Finish finish = Finish::Plain;
  Color base;            // body colour
  Color accent;          // grain, veins or speckles
  float gloss = 0.4f;    // strength of the highlight
  float shininess = 24;  // tightness of the highlight
  float ambient = 0.35f;
  uint32_t seed = 1;
};

// Lights the surface with the material: pure black where nothing is, never pure black on the piece.
Canvas ShadePiece(const Surface& s, const Material& m);

}  // namespace artgen
