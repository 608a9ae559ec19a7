// Pixels for the viewer tests: surfaces and presented frames read back as
// pictures, compared cell by cell, and golden frames kept as PNG files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "viewer/show/surface_set.h"

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The contents of a surface.
Picture ReadSurface(LPDIRECTDRAWSURFACE surface);
// The last presented frame.
Picture LastFrame();
// A rectangle of a picture.
Picture Region(const Picture& picture, int x, int y, int width, int height);

// True when the picture shows `sprite` at (x, y) as an opaque copy.
bool ShowsOpaque(const Picture& picture, const Picture& sprite, int x, int y);
// True when every non-black pixel of `sprite` shows at (x, y) (a keyed copy).
bool ShowsKeyed(const Picture& picture, const Picture& sprite, int x, int y);

// True when the picture shows `text` in `cells` glyph cells of the font at
// (x, y); cells past the text's end show glyph 0.
bool ShowsText(const Picture& picture, const SurfaceSet& surfaces, int x, int y, const std::string& text, int cells);

// Golden frames: PNG files of the test data. With TARNWICKET_UPDATE_GOLDEN=1
// in the environment the frame is written instead of compared.
bool ReadPng(const std::string& path, Picture& picture);
bool WritePng(const std::string& path, const Picture& picture);
// Number of pixels that differ from the golden frame (all of them when it
// is missing or of another size); 0 after writing it. A frame that differs
// is saved under the same name in the tests' output folder.
int64_t CompareWithGolden(const Picture& frame, const std::string& goldenName);
