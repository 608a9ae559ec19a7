// A viewer frame composed from the generated pictures, as the viewer lays
// them out: backdrop, console, board, pieces at their squares, texts, lamps.
#pragma once

#include <string>

#include "tools/artgen/kit/canvas.h"

namespace contact {

// The generated files of the chosen pictures ("backdrop_2.bmp", ...).
struct SceneChoice {
  std::string backdrop, console, board, whiteSet, blackSet, font, lamps;
  bool frameOverlay;  // console styles 8 and 17
};

artgen::Canvas ComposeScene(const std::string& genDir, const SceneChoice& choice);

}  // namespace contact
