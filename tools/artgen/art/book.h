// What the art modules share: the fonts, the output folder, and finished
// pictures that later pictures (thumbnails, pickers, copies) are made from.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/artgen/kit/canvas.h"
#include "tools/artgen/kit/files.h"
#include "tools/artgen/kit/text.h"

namespace artgen {

// The file of a numbered picture: "board_5.bmp". Every generated file is
// named after its identifier in art/resource_catalog.h (IDB_BOARD_5 is
// "board_5.bmp", IDB_BOARD_OTHER "board_other.bmp"), and the resource scripts
// pair them up.
inline std::string Numbered(const std::string& role, int number) {
  return role + "_" + std::to_string(number) + ".bmp";
}

// Writes the generated files into one folder.
class Output {
 public:
  explicit Output(std::string dir) : dir_(std::move(dir)) {}
  void Bitmap(const std::string& name, const Canvas& c);
  void Bitmap8(const std::string& name, const Canvas& c, bool rle8);
  void Wave(const std::string& name, const std::vector<int16_t>& samples);
  void Raw(const std::string& name, const Bytes& bytes);
  int FileCount() const { return count_; }

 private:
  std::string dir_;
  int count_ = 0;
};

// The colour accent of console styles k and k + 9.
struct StyleAccent {
  Color lit;         // lit text and lamps
  Color glow;        // halo around lit text
  Color panel;       // background of the glyph cells
  Color ghost;       // unlit segments or dots
  bool darkOnLight;  // reflective LCD: dark characters on a light panel
};

struct ArtBook {
  Fonts* fonts = nullptr;
  Output* out = nullptr;
  std::map<int, Canvas> boards;     // by board index 0..15 (0: the picture of any other index)
  std::map<int, Canvas> backdrops;  // by backdrop index 1..15 (15: the out-of-range picture)
  std::map<int, Canvas> pieceSets;  // by piece set 1..42
  std::map<int, Canvas> consoles;   // by console index 0..15
  std::vector<Canvas> glyphSheets;  // by console style 0..17
  std::vector<Canvas> resultLamps;  // by style mod 9
  std::vector<Canvas> styleTiles;   // by style mod 9
};

StyleAccent AccentOf(int style);

void GeneratePieces(ArtBook& book);
void GenerateBoards(ArtBook& book);
void GenerateBackdrops(ArtBook& book);
void GenerateConsoleStyles(ArtBook& book);
void GenerateConsoles(ArtBook& book);
void GeneratePickers(ArtBook& book);
void GenerateViewerOwn(ArtBook& book);
void GenerateConfigurator(ArtBook& book);
void GenerateSounds(ArtBook& book);

}  // namespace artgen
