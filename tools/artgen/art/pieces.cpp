// The 42 piece sets (288 x 100 strips of six 48 x 100 cells), their 60 x 20
// preview strips, and the shadow strips of the four shape families.
#include <cmath>
#include <string>

#include "art/resource_tables.h"
#include "tools/artgen/art/book.h"
#include "tools/artgen/art/piece_material.h"
#include "tools/artgen/art/piece_shapes.h"
#include "tools/artgen/kit/filters.h"

namespace artgen {

namespace {

enum class Family { Staunton, Modern, Symbol, Outline };

struct SetDesign {
  Family family;
  Material material;  // turned families: the body; glyph families: the fill
  Color ink;          // glyph families: lines and outline
};

Material Mat(Finish f, Color base, Color accent, float gloss, float shininess, uint32_t seed) {
  Material m;
  m.finish = f;
  m.base = base;
  m.accent = accent;
  m.gloss = gloss;
  m.shininess = shininess;
  m.seed = seed;
  return m;
}

// Piece set 1..42.
SetDesign DesignOf(int set) {
  const Family S = Family::Staunton;
  switch (set) {
    case 1: return {S, Mat(Finish::Wood, Rgb(232, 196, 140), Rgb(205, 160, 100), 0.35f, 20, 11), {}};   // boxwood
    case 2: return {S, Mat(Finish::Plain, Rgb(240, 226, 190), {}, 0.45f, 28, 12), {}};                  // ivory
    case 3: return {S, Mat(Finish::Wood, Rgb(52, 42, 38), Rgb(30, 24, 22), 0.55f, 36, 13), {}};         // ebony
    case 4: return {S, Mat(Finish::Wood, Rgb(120, 78, 48), Rgb(84, 52, 30), 0.4f, 24, 14), {}};         // walnut
    case 5: return {S, Mat(Finish::Plain, Rgb(196, 38, 34), {}, 0.6f, 40, 15), {}};                     // red lacquer
    case 6: return {S, Mat(Finish::Marble, Rgb(238, 236, 230), Rgb(150, 150, 160), 0.5f, 40, 16), {}};  // white marble
    case 7: return {S, Mat(Finish::Marble, Rgb(50, 50, 56), Rgb(170, 170, 176), 0.6f, 44, 17), {}};     // black marble
    case 8: return {S, Mat(Finish::Metal, Rgb(255, 200, 90), {}, 0.7f, 60, 18), {}};                    // gold
    case 9: return {S, Mat(Finish::Metal, Rgb(225, 230, 240), {}, 0.8f, 70, 19), {}};                   // silver
    case 10: return {S, Mat(Finish::Wood, Rgb(150, 62, 44), Rgb(104, 38, 28), 0.45f, 28, 20), {}};      // rosewood
    case 11: return {S, Mat(Finish::Metal, Rgb(205, 140, 80), {}, 0.55f, 40, 21), {}};                  // bronze
    case 12: return {S, Mat(Finish::Metal, Rgb(230, 130, 95), {}, 0.6f, 50, 22), {}};                   // copper
    case 13: return {S, Mat(Finish::Metal, Rgb(150, 155, 160), {}, 0.3f, 20, 23), {}};                  // pewter
    case 14: return {S, Mat(Finish::Glass, Rgb(200, 225, 235), {}, 0.9f, 80, 24), {}};                  // clear glass
    case 15: return {S, Mat(Finish::Glass, Rgb(95, 90, 100), {}, 0.9f, 80, 25), {}};                    // smoky glass
    case 16: return {S, Mat(Finish::Stone, Rgb(70, 160, 105), Rgb(30, 110, 70), 0.5f, 40, 26), {}};     // jade
    case 17: return {S, Mat(Finish::Stone, Rgb(40, 70, 170), Rgb(215, 190, 90), 0.5f, 40, 27), {}};     // lapis
    case 18: return {S, Mat(Finish::Glass, Rgb(240, 150, 40), {}, 0.8f, 60, 28), {}};                   // amber
    case 19: return {S, Mat(Finish::Glass, Rgb(215, 30, 60), {}, 0.8f, 60, 29), {}};                    // ruby
    case 20: return {S, Mat(Finish::Glass, Rgb(40, 90, 220), {}, 0.8f, 60, 30), {}};                    // sapphire
    case 21: return {S, Mat(Finish::Glass, Rgb(30, 170, 90), {}, 0.8f, 60, 31), {}};                    // emerald
    case 22: return {S, Mat(Finish::Plain, Rgb(246, 248, 252), {}, 0.75f, 60, 32), {}};                 // porcelain
    case 23: return {S, Mat(Finish::Plain, Rgb(34, 32, 40), {}, 0.85f, 70, 33), {}};                    // obsidian
    case 24: return {S, Mat(Finish::Plain, Rgb(250, 140, 130), {}, 0.45f, 30, 34), {}};                 // coral
    case 25: return {S, Mat(Finish::Plain, Rgb(90, 200, 190), {}, 0.5f, 36, 35), {}};                   // teal resin
    case 26: return {S, Mat(Finish::Glass, Rgb(150, 80, 200), {}, 0.8f, 60, 36), {}};                   // amethyst
    case 27: return {S, Mat(Finish::Stone, Rgb(214, 180, 130), Rgb(170, 130, 90), 0.15f, 12, 37), {}};  // sandstone
    case 28: return {S, Mat(Finish::Metal, Rgb(100, 104, 112), {}, 0.25f, 16, 38), {}};                 // iron
    case 29: return {Family::Modern, Mat(Finish::Plain, Rgb(238, 236, 228), {}, 0.35f, 20, 39), {}};    // white modern
    case 42: return {Family::Modern, Mat(Finish::Plain, Rgb(44, 44, 50), {}, 0.6f, 40, 40), {}};        // black modern
    case 30: return {Family::Symbol, Mat(Finish::Flat, Rgb(245, 240, 228), {}, 0.3f, 20, 41), Rgb(40, 36, 32)};
    case 31: return {Family::Symbol, Mat(Finish::Flat, Rgb(42, 42, 48), {}, 0.3f, 20, 42), Rgb(214, 214, 220)};
    case 32: return {Family::Symbol, Mat(Finish::Flat, Rgb(214, 48, 44), {}, 0.3f, 20, 43), Rgb(255, 236, 210)};
    case 33: return {Family::Symbol, Mat(Finish::Flat, Rgb(44, 96, 210), {}, 0.3f, 20, 44), Rgb(230, 240, 255)};
    case 34: return {Family::Symbol, Mat(Finish::Flat, Rgb(40, 150, 80), {}, 0.3f, 20, 45), Rgb(230, 255, 230)};
    case 35: return {Family::Symbol, Mat(Finish::Flat, Rgb(236, 186, 50), {}, 0.3f, 20, 46), Rgb(90, 54, 10)};
    case 36: return {Family::Outline, Mat(Finish::Flat, Rgb(246, 236, 210), {}, 0.2f, 20, 47), Rgb(100, 60, 30)};
    case 37: return {Family::Outline, Mat(Finish::Flat, Rgb(36, 36, 40), {}, 0.2f, 20, 48), Rgb(236, 236, 236)};
    case 38: return {Family::Outline, Mat(Finish::Flat, Rgb(236, 242, 255), {}, 0.2f, 20, 49), Rgb(30, 60, 160)};
    case 39: return {Family::Outline, Mat(Finish::Flat, Rgb(255, 238, 225), {}, 0.2f, 20, 50), Rgb(170, 30, 30)};
    case 40: return {Family::Outline, Mat(Finish::Flat, Rgb(220, 244, 220), {}, 0.2f, 20, 51), Rgb(20, 110, 50)};
    default: return {Family::Outline, Mat(Finish::Flat, Rgb(236, 222, 250), {}, 0.2f, 20, 52), Rgb(100, 40, 150)};
  }
}

// A glyph piece: fill lit gently, lines and contour in ink.
Canvas RenderGlyphCell(const GlyphPiece& g, const SetDesign& d, bool outlined) {
  Surface s(kCellWidth, kCellHeight);
  AddFlat(s, g.silhouette, 2.0f, 0);
  Canvas c = ShadePiece(s, d.material);
  Mask lines = outlined ? g.ink : Subtract(g.silhouette, g.ink);
  for (int y = 0; y < kCellHeight; ++y)
    for (int x = 0; x < kCellWidth; ++x) {
      if (g.silhouette.At(x, y) < 0.35f) continue;
      float a = std::min(1.0f, lines.At(x, y) * 1.2f);
      bool edge = g.silhouette.Get(x - 1, y) < 0.35f || g.silhouette.Get(x + 1, y) < 0.35f ||
                  g.silhouette.Get(x, y - 1) < 0.35f || g.silhouette.Get(x, y + 1) < 0.35f;
      if (edge) a = std::max(a, 0.85f);
      c.At(x, y) = NotKeyBlack(Mix(c.At(x, y), d.ink, a));
    }
  return c;
}

// Near-black silhouette, every other pixel, so that the board glows through the shadow.
Canvas ShadowCell(const Mask& silhouette) {
  Canvas c(kCellWidth, kCellHeight);
  for (int y = 0; y < kCellHeight; ++y)
    for (int x = 0; x < kCellWidth; ++x) {
      if (silhouette.Get(x - 2, y - 1) < 0.5f) continue;
      if ((x + y) % 2 == 0) c.At(x, y) = Rgb(16, 14, 12);
    }
  return c;
}

// Pure black is the colour key: any black pixel the cell's border cannot reach
// through black would be a hole in the piece, so it takes the given colour.
void SealHoles(Canvas& cell, Color fill) {
  Mask black(cell.width, cell.height);
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) {
      Color q = Quantized(cell.At(x, y));
      black.At(x, y) = q.r + q.g + q.b > 0 ? 1.0f : 0.0f;
    }
  Mask sealed = FilledHoles(black);
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x)
      if (black.At(x, y) == 0 && sealed.At(x, y) > 0) cell.At(x, y) = NotKeyBlack(fill);
}

Mask CoverageOf(const Canvas& cell) {
  Mask m(cell.width, cell.height);
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) {
      Color q = Quantized(cell.At(x, y));
      m.At(x, y) = q.r + q.g + q.b > 0 ? 1.0f : 0.0f;
    }
  return m;
}

}  // namespace

void GeneratePieces(ArtBook& book) {
  PieceSurfaces staunton = StauntonSurfaces(*book.fonts);
  PieceSurfaces modern = ModernSurfaces();
  auto symbols = GlyphPieces(*book.fonts, true);
  auto outlines = GlyphPieces(*book.fonts, false);
  Canvas shadows[4] = {Canvas(288, 100), Canvas(288, 100), Canvas(288, 100), Canvas(288, 100)};

  for (int set = 1; set <= resource_catalog::kPieceSetCount; ++set) {
    SetDesign d = DesignOf(set);
    Canvas strip(288, 100);
    for (int k = 0; k < 6; ++k) {
      Canvas cell;
      switch (d.family) {
        case Family::Staunton: cell = ShadePiece(staunton[size_t(k)], d.material); break;
        case Family::Modern: cell = ShadePiece(modern[size_t(k)], d.material); break;
        case Family::Symbol: cell = RenderGlyphCell(symbols[size_t(k)], d, false); break;
        case Family::Outline: cell = RenderGlyphCell(outlines[size_t(k)], d, true); break;
      }
      SealHoles(cell, d.material.base);
      strip.Paste(cell, 48 * k, 0);
      shadows[int(d.family)].Paste(ShadowCell(CoverageOf(cell)), 48 * k, 0);
    }
    book.out->Bitmap(
        set == resource_catalog::kPieceSetSharingOther ? "piece_set_other.bmp" : Numbered("piece_set", set), strip);
    book.out->Bitmap(
        set <= resource_catalog::kPiecePreviewCount ? Numbered("piece_preview", set) : "piece_preview_other.bmp",
        ResizedKeyed(strip, 60, 20));
    book.pieceSets[set] = strip;
  }
  // Shadow strips of the viewer, by family: turned Staunton, modern, symbols, outlines.
  book.out->Bitmap("viewer_shadows_turned.bmp", shadows[0]);
  book.out->Bitmap("viewer_shadows_modern.bmp", shadows[1]);
  book.out->Bitmap("viewer_shadows_symbols.bmp", shadows[2]);
  book.out->Bitmap("viewer_shadows_outlines.bmp", shadows[3]);
}

}  // namespace artgen
