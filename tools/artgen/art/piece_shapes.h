// The shapes of the piece families: turned Staunton pieces, modern geometric
// pieces, and the symbol outlines of the DejaVu chess glyphs.
#pragma once

#include <array>

#include "tools/artgen/art/piece_geometry.h"
#include "tools/artgen/kit/text.h"

namespace artgen {

constexpr int kCellWidth = 48;
constexpr int kCellHeight = 100;

// Six surfaces in strip order: pawn, rook, knight, bishop, queen, king.
using PieceSurfaces = std::array<Surface, 6>;

PieceSurfaces StauntonSurfaces(Fonts& fonts);
PieceSurfaces ModernSurfaces();

// A chess glyph fitted into the cell: its silhouette (holes filled) and its drawn lines.
struct GlyphPiece {
  Mask silhouette;
  Mask ink;
};
// solid selects the filled glyphs (U+265A..) or the outlined ones (U+2654..).
std::array<GlyphPiece, 6> GlyphPieces(Fonts& fonts, bool solid);

}  // namespace artgen
