// A viewer frame composed from the generated pictures, as the viewer lays
// them out: backdrop, console, board, pieces at their squares, texts, lamps.
#pragma once

#include <string>

#include "tools/artgen/kit/canvas.h"

namespace contact {

struct SceneChoice {
  int backdropId, consoleId, boardId, whiteSetId, blackSetId, fontId, lampId;
  bool frameOverlay;  // console styles 8 and 17
};

artgen::Canvas ComposeScene(const std::string& genDir, const SceneChoice& choice);

}  // namespace contact
