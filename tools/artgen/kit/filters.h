// Image filters of the art generator: blurs, resampling and relief shading.
#pragma once

#include "tools/artgen/kit/canvas.h"

namespace artgen {

// Approximate Gaussian blur (three box passes) of the given radius in pixels.
Mask Blurred(const Mask& m, int radius);
Canvas Blurred(const Canvas& c, int radius);

// Area-averaging resize to any size (a faithful miniature).
Canvas Resized(const Canvas& c, int width, int height);
// Resize of a picture that uses pure black as transparent: a target pixel is
// transparent when most of its source area is, else the average of the
// opaque part (never pure black).
Canvas ResizedKeyed(const Canvas& c, int width, int height);

// Relief lighting of a height field: the returned mask holds, per pixel, a
// shade factor around 0 (negative: facing away from the light at the upper
// left, positive: facing it), scaled by strength.
Mask ReliefShade(const Mask& height, float strength);

// Pixels that a flood from the mask's border through (nearly) uncovered pixels
// cannot reach are set to full coverage: holes filled.
Mask FilledHoles(const Mask& m);

}  // namespace artgen
