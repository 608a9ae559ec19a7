// Text and glyph rendering with FreeType and the DejaVu fonts.
#pragma once

#include <memory>
#include <string>

#include "tools/artgen/kit/canvas.h"
#include "tools/artgen/kit/path.h"

namespace artgen {

enum class Typeface { Sans, SansBold, Mono, MonoBold, Serif, SerifBold };

// Unicode code point of a Windows-1252 byte.
uint32_t Cp1252ToUnicode(uint8_t byte);

class Fonts {
 public:
  // Opens the fonts in fontDir (the DejaVu TrueType folder); throws on failure.
  explicit Fonts(const std::string& fontDir);
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  // Anti-aliased coverage of one code point at pixel size, with its origin
  // (pen position on the baseline) at (x, baseline) of the mask; added by union.
  // Returns the advance in pixels. scaleX narrows or widens the glyph.
  float DrawGlyph(Mask& mask, Typeface face, float pixelSize, uint32_t codePoint, float x, float baseline,
                  float scaleX = 1.0f);
  // Hinted one-bit rendering (crisp pixels) of one code point; returns the advance.
  int DrawGlyphMono(Mask& mask, Typeface face, int pixelSize, uint32_t codePoint, int x, int baseline);
  // The code point's outline as a path, in pixels at pixelSize, origin at (0, 0), y down.
  Path GlyphOutline(Typeface face, float pixelSize, uint32_t codePoint);
  bool HasGlyph(Typeface face, uint32_t codePoint);

  // A UTF-8 string: width in pixels, and drawing with the pen starting at (x, baseline).
  float TextWidth(Typeface face, float pixelSize, const std::string& utf8, float tracking = 0.0f);
  void DrawText(Mask& mask, Typeface face, float pixelSize, const std::string& utf8, float x, float baseline,
                float tracking = 0.0f);
  // Draws text centred on cx; returns nothing.
  void DrawTextCentered(Mask& mask, Typeface face, float pixelSize, const std::string& utf8, float cx, float baseline,
                        float tracking = 0.0f);
  // Height of capital letters at pixelSize.
  float CapHeight(Typeface face, float pixelSize);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Decodes UTF-8 into code points.
std::u32string DecodeUtf8(const std::string& utf8);

}  // namespace artgen
