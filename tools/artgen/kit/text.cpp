// Text and glyph rendering with FreeType and the DejaVu fonts.
#include "tools/artgen/kit/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <stdexcept>
#include <vector>

namespace artgen {

uint32_t Cp1252ToUnicode(uint8_t byte) {
  static const uint16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  if (byte >= 0x80 && byte < 0xA0) return high[byte - 0x80];
  return byte;
}

std::u32string DecodeUtf8(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    uint8_t c = uint8_t(s[i]);
    uint32_t cp = c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra) cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + size_t(k) < s.size(); ++k) cp = (cp << 6) | (uint8_t(s[i + size_t(k)]) & 0x3F);
    out.push_back(cp);
    i += size_t(extra) + 1;
  }
  return out;
}

struct Fonts::Impl {
  FT_Library library = nullptr;
  std::vector<FT_Face> faces;
};

Fonts::Fonts(const std::string& fontDir) : impl_(new Impl) {
  if (FT_Init_FreeType(&impl_->library)) throw std::runtime_error("FreeType did not start");
  const char* files[] = {"DejaVuSans.ttf",          "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
                         "DejaVuSansMono-Bold.ttf", "DejaVuSerif.ttf",     "DejaVuSerif-Bold.ttf"};
  for (const char* f : files) {
    FT_Face face = nullptr;
    std::string path = fontDir + "/" + f;
    if (FT_New_Face(impl_->library, path.c_str(), 0, &face)) throw std::runtime_error("cannot open font " + path);
    impl_->faces.push_back(face);
  }
}

Fonts::~Fonts() {
  for (FT_Face f : impl_->faces) FT_Done_Face(f);
  FT_Done_FreeType(impl_->library);
}

static FT_Face FaceFor(std::vector<FT_Face>& faces, Typeface t) { return faces[size_t(t)]; }

bool Fonts::HasGlyph(Typeface face, uint32_t codePoint) {
  return FT_Get_Char_Index(FaceFor(impl_->faces, face), codePoint) != 0;
}

float Fonts::DrawGlyph(Mask& mask, Typeface typeface, float pixelSize, uint32_t codePoint, float x, float baseline,
                       float scaleX) {
  FT_Face face = FaceFor(impl_->faces, typeface);
  FT_Set_Char_Size(face, FT_F26Dot6(std::lround(pixelSize * 64.0f * scaleX)),
                   FT_F26Dot6(std::lround(pixelSize * 64.0f)), 72, 72);
  float fx = std::floor(x), fy = std::floor(baseline);
  FT_Vector delta{FT_Pos(std::lround((x - fx) * 64.0f)), FT_Pos(-std::lround((baseline - fy) * 64.0f))};
  FT_Set_Transform(face, nullptr, &delta);
  if (FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) return 0.0f;
  FT_GlyphSlot g = face->glyph;
  const FT_Bitmap& bm = g->bitmap;
  int ox = int(fx) + g->bitmap_left, oy = int(fy) - g->bitmap_top;
  for (unsigned row = 0; row < bm.rows; ++row)
    for (unsigned col = 0; col < bm.width; ++col) {
      int px = ox + int(col), py = oy + int(row);
      if (px < 0 || py < 0 || px >= mask.width || py >= mask.height) continue;
      float a = float(bm.buffer[long(row) * bm.pitch + long(col)]) / 255.0f;
      float& m = mask.At(px, py);
      m = m + a - m * a;
    }
  FT_Set_Transform(face, nullptr, nullptr);
  return float(g->advance.x) / 64.0f;
}

int Fonts::DrawGlyphMono(Mask& mask, Typeface typeface, int pixelSize, uint32_t codePoint, int x, int baseline) {
  FT_Face face = FaceFor(impl_->faces, typeface);
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize));
  if (FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME)) return 0;
  FT_GlyphSlot g = face->glyph;
  const FT_Bitmap& bm = g->bitmap;
  int ox = x + g->bitmap_left, oy = baseline - g->bitmap_top;
  for (unsigned row = 0; row < bm.rows; ++row)
    for (unsigned col = 0; col < bm.width; ++col) {
      bool on = (bm.buffer[long(row) * bm.pitch + long(col / 8)] >> (7 - col % 8)) & 1;
      int px = ox + int(col), py = oy + int(row);
      if (on && px >= 0 && py >= 0 && px < mask.width && py < mask.height) mask.At(px, py) = 1.0f;
    }
  return int(g->advance.x / 64);
}

namespace {
struct OutlineBuilder {
  Path path;
  float scale;
};
int MoveCb(const FT_Vector* to, void* user) {
  auto* b = static_cast<OutlineBuilder*>(user);
  b->path.MoveTo(float(to->x) * b->scale, -float(to->y) * b->scale);
  return 0;
}
int LineCb(const FT_Vector* to, void* user) {
  auto* b = static_cast<OutlineBuilder*>(user);
  b->path.LineTo(float(to->x) * b->scale, -float(to->y) * b->scale);
  return 0;
}
int ConicCb(const FT_Vector* c, const FT_Vector* to, void* user) {
  auto* b = static_cast<OutlineBuilder*>(user);
  b->path.QuadTo(float(c->x) * b->scale, -float(c->y) * b->scale, float(to->x) * b->scale, -float(to->y) * b->scale);
  return 0;
}
int CubicCb(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  auto* b = static_cast<OutlineBuilder*>(user);
  float s = b->scale;
  b->path.CubicTo(float(c1->x) * s, -float(c1->y) * s, float(c2->x) * s, -float(c2->y) * s, float(to->x) * s,
                  -float(to->y) * s);
  return 0;
}
}  // namespace

Path Fonts::GlyphOutline(Typeface typeface, float pixelSize, uint32_t codePoint) {
  FT_Face face = FaceFor(impl_->faces, typeface);
  OutlineBuilder b;
  if (FT_Load_Char(face, codePoint, FT_LOAD_NO_SCALE)) return b.path;
  b.scale = pixelSize / float(face->units_per_EM);
  FT_Outline_Funcs funcs{MoveCb, LineCb, ConicCb, CubicCb, 0, 0};
  FT_Outline_Decompose(&face->glyph->outline, &funcs, &b);
  return b.path;
}

float Fonts::TextWidth(Typeface typeface, float pixelSize, const std::string& utf8, float tracking) {
  FT_Face face = FaceFor(impl_->faces, typeface);
  FT_Set_Char_Size(face, FT_F26Dot6(std::lround(pixelSize * 64.0f)), 0, 72, 72);
  float w = 0;
  std::u32string text = DecodeUtf8(utf8);
  for (size_t i = 0; i < text.size(); ++i) {
    if (FT_Load_Char(face, text[i], FT_LOAD_NO_HINTING)) continue;
    w += float(face->glyph->advance.x) / 64.0f + (i + 1 < text.size() ? tracking : 0.0f);
  }
  return w;
}

void Fonts::DrawText(Mask& mask, Typeface face, float pixelSize, const std::string& utf8, float x, float baseline,
                     float tracking) {
  for (char32_t cp : DecodeUtf8(utf8)) x += DrawGlyph(mask, face, pixelSize, cp, x, baseline) + tracking;
}

void Fonts::DrawTextCentered(Mask& mask, Typeface face, float pixelSize, const std::string& utf8, float cx,
                             float baseline, float tracking) {
  DrawText(mask, face, pixelSize, utf8, cx - TextWidth(face, pixelSize, utf8, tracking) / 2, baseline, tracking);
}

float Fonts::CapHeight(Typeface typeface, float pixelSize) {
  FT_Face face = FaceFor(impl_->faces, typeface);
  FT_Set_Char_Size(face, FT_F26Dot6(std::lround(pixelSize * 64.0f)), 0, 72, 72);
  if (FT_Load_Char(face, 'H', FT_LOAD_NO_HINTING)) return pixelSize * 0.7f;
  return float(face->glyph->metrics.height) / 64.0f;
}

}  // namespace artgen
