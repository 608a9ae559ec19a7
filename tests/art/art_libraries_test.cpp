// The four art libraries as built: resource-only PE files holding every
// picture the programs ask for, at its size, depth and layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/art/pe_resource_reader.h"

namespace arttest {
namespace {

const std::string kRunDir = TARNWICKET_RUN_DIR;

const PeFile& Library(const std::string& name) {
  static std::map<std::string, PeFile> cache;
  auto it = cache.find(name);
  if (it == cache.end()) it = cache.emplace(name, ReadPeFile(kRunDir + "/" + name)).first;
  return it->second;
}

const Bytes& Bitmap(const PeFile& pe, int id) {
  static const Bytes none;
  auto it = pe.resources.find({kBitmapType, id});
  return it == pe.resources.end() ? none : it->second;
}

void ExpectBitmaps(const std::string& library, const std::vector<int>& ids, int width, int height, int bits,
                   uint32_t compression = 0) {
  const PeFile& pe = Library(library);
  ASSERT_TRUE(pe.valid) << library;
  for (int id : ids) {
    const Bytes& dib = Bitmap(pe, id);
    ASSERT_FALSE(dib.empty()) << library << " lacks bitmap " << id;
    DibInfo d = ReadDibInfo(dib);
    EXPECT_EQ(d.width, width) << library << " " << id;
    EXPECT_EQ(d.height, height) << library << " " << id;
    EXPECT_EQ(d.bitCount, bits) << library << " " << id;
    EXPECT_EQ(d.compression, compression) << library << " " << id;
  }
}

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(i);
  return v;
}

const std::vector<int> kBackdrops = {112, 148, 179, 180, 181, 182, 184, 185, 186, 187, 188, 189, 190, 191};
const std::vector<int> kBoards = {154, 151, 153, 157, 156, 158, 160, 196, 195, 197, 198, 200, 199, 201, 205, 142};
const std::vector<int> kPieceSets = {120, 119, 122, 123, 124, 117, 116, 118, 115, 121, 232, 237, 234, 235,
                                     236, 233, 231, 243, 239, 240, 241, 242, 238, 247, 246, 245, 244, 248,
                                     249, 254, 256, 253, 252, 255, 251, 261, 262, 260, 259, 258, 257, 250};
const std::vector<int> kConsoles = {149, 203, 219, 218, 216, 215, 214, 213, 212,
                                    208, 211, 210, 209, 207, 221, 143, 178};
const std::vector<int> kGlyphSheets = {155, 161, 162, 163, 164, 165, 166, 167, 168,
                                       169, 170, 171, 172, 173, 174, 175, 176, 177};

TEST(ArtLibraries, AreResourceOnlyWithNoEntryPointAndNoImports) {
  for (const char* name : {"Tarnwicket_Backdroplib.dll", "Tarnwicket_Checkerlib.dll", "Tarnwicket_Figurinelib.dll",
                           "Tarnwicket_Dashlib.dll"}) {
    const PeFile& pe = Library(name);
    ASSERT_TRUE(pe.valid) << name;
    EXPECT_EQ(pe.entryPoint, 0u) << name;
    EXPECT_EQ(pe.importDirectorySize, 0u) << name;
    EXPECT_EQ(pe.sectionCount, 1) << name;
    EXPECT_TRUE(pe.resources.count({"#16", 1})) << name << " has no version block";
  }
}

TEST(ArtLibraries, BackdropLibraryHoldsItsCatalog) {
  ExpectBitmaps("Tarnwicket_Backdroplib.dll", kBackdrops, 800, 600, 24);
  ExpectBitmaps("Tarnwicket_Backdroplib.dll", {206}, 800, 600, 8, 1);
  ExpectBitmaps("Tarnwicket_Backdroplib.dll", Range(511, 525), 160, 120, 24);
  ExpectBitmaps("Tarnwicket_Backdroplib.dll", {309}, 225, 257, 8);
  ExpectBitmaps("Tarnwicket_Backdroplib.dll", {199}, 480, 480, 24);
  EXPECT_EQ(Library("Tarnwicket_Backdroplib.dll").resources.size(), 33u);  // 32 pictures and the version block
}

TEST(ArtLibraries, BoardLibraryHoldsItsCatalog) {
  ExpectBitmaps("Tarnwicket_Checkerlib.dll", kBoards, 480, 480, 24);
  ExpectBitmaps("Tarnwicket_Checkerlib.dll", Range(543, 558), 160, 120, 24);
  ExpectBitmaps("Tarnwicket_Checkerlib.dll", {307}, 225, 257, 24);
}

TEST(ArtLibraries, PieceLibraryHoldsItsCatalog) {
  ExpectBitmaps("Tarnwicket_Figurinelib.dll", kPieceSets, 288, 100, 24);
  ExpectBitmaps("Tarnwicket_Figurinelib.dll", Range(559, 600), 60, 20, 24);
  ExpectBitmaps("Tarnwicket_Figurinelib.dll", {306}, 630, 436, 24);
}

TEST(ArtLibraries, ConsoleLibraryHoldsItsCatalog) {
  ExpectBitmaps("Tarnwicket_Dashlib.dll", kConsoles, 800, 600, 24);
  ExpectBitmaps("Tarnwicket_Dashlib.dll", Range(222, 230), 108, 25, 24);
  ExpectBitmaps("Tarnwicket_Dashlib.dll", kGlyphSheets, 512, 168, 24);
  ExpectBitmaps("Tarnwicket_Dashlib.dll", Range(526, 542), 160, 120, 24);
  ExpectBitmaps("Tarnwicket_Dashlib.dll", Range(601, 609), 4, 5, 24);
  ExpectBitmaps("Tarnwicket_Dashlib.dll", {308}, 225, 257, 24);
  ExpectBitmaps("Tarnwicket_Dashlib.dll", {310}, 225, 111, 24);
}

int Luma(uint32_t rgb) { return int(((rgb >> 16) & 255) * 299 + ((rgb >> 8) & 255) * 587 + (rgb & 255) * 114) / 1000; }

// Mean luma of a 30 x 30 patch in the middle of square (row, file).
int SquareLuma(const Pixels& board, int row, int file) {
  int sum = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) sum += Luma(board.At(50 + 50 * file + x, 50 + 50 * row + y));
  return sum / 900;
}

TEST(ArtLibraries, BoardsHaveLightSquaresOnA8AndH1) {
  const PeFile& pe = Library("Tarnwicket_Checkerlib.dll");
  for (int id : kBoards) {
    Pixels board = DecodeDib24(Bitmap(pe, id));
    ASSERT_EQ(board.width, 480) << id;
    EXPECT_GT(SquareLuma(board, 0, 0), SquareLuma(board, 0, 1)) << "a8 in board " << id;
    EXPECT_GT(SquareLuma(board, 7, 7), SquareLuma(board, 7, 6)) << "h1 in board " << id;
    EXPECT_GT(SquareLuma(board, 3, 3), SquareLuma(board, 3, 4)) << "d5 in board " << id;
  }
}

// Pure black is transparent: in a piece cell every black pixel must reach the
// cell's edge through black, the piece must stand in the lower half, and the
// cell must hold a piece at all.
TEST(ArtLibraries, PieceCellsAreKeyedAroundSolidPieces) {
  const PeFile& pe = Library("Tarnwicket_Figurinelib.dll");
  for (int id : kPieceSets) {
    Pixels strip = DecodeDib24(Bitmap(pe, id));
    ASSERT_EQ(strip.width, 288) << id;
    for (int k = 0; k < 6; ++k) {
      std::vector<uint8_t> reached(48 * 100, 0);
      std::vector<int> todo;
      auto push = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= 48 || y >= 100 || reached[size_t(y * 48 + x)] || strip.At(48 * k + x, y) != 0)
          return;
        reached[size_t(y * 48 + x)] = 1;
        todo.push_back(y * 48 + x);
      };
      for (int x = 0; x < 48; ++x) push(x, 0), push(x, 99);
      for (int y = 0; y < 100; ++y) push(0, y), push(47, y);
      while (!todo.empty()) {
        int i = todo.back();
        todo.pop_back();
        push(i % 48 + 1, i / 48), push(i % 48 - 1, i / 48), push(i % 48, i / 48 + 1), push(i % 48, i / 48 - 1);
      }
      int lowest = -1, enclosed = 0;
      for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 48; ++x) {
          uint32_t p = strip.At(48 * k + x, y);
          if (p != 0)
            lowest = y;
          else if (!reached[size_t(y * 48 + x)])
            ++enclosed;
        }
      EXPECT_EQ(enclosed, 0) << "black inside piece " << k << " of set picture " << id;
      EXPECT_GE(lowest, 75) << "piece " << k << " of " << id << " does not stand on its square";
      EXPECT_EQ(strip.At(48 * k, 0), 0u) << id;
    }
  }
}

TEST(ArtLibraries, GlyphSheetsAreOpaqueAndSpaceIsEmpty) {
  const PeFile& pe = Library("Tarnwicket_Dashlib.dll");
  for (int id : kGlyphSheets) {
    Pixels sheet = DecodeDib24(Bitmap(pe, id));
    ASSERT_EQ(sheet.width, 512) << id;
    EXPECT_EQ(std::count(sheet.rgb.begin(), sheet.rgb.end(), 0u), 0) << "transparent pixel in glyph sheet " << id;
    // The space (cell 0) is one even panel colour except for unlit segments or dots.
    // Capital A (row 1, column 1) differs from the space.
    int differing = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 16; ++x) differing += sheet.At(x, y) != sheet.At(16 + x, 24 + y);
    EXPECT_GT(differing, 20) << id;
  }
}

struct Place {
  int x, y, w, h;
};

TEST(ArtLibraries, ConsolesLeaveTheBoardOpenAndFrameTheTextPlaces) {
  const PeFile& pe = Library("Tarnwicket_Dashlib.dll");
  const Place texts[7] = {{67, 17, 464, 24},  {67, 557, 464, 24}, {614, 244, 48, 24}, {674, 244, 112, 24},
                          {566, 302, 80, 24}, {698, 302, 80, 24}, {559, 336, 224, 24}};
  for (int id : kConsoles) {
    if (id == 178) continue;
    Pixels c = DecodeDib24(Bitmap(pe, id));
    ASSERT_EQ(c.width, 800) << id;
    int open = 0;
    for (int y = 60; y < 540; ++y)
      for (int x = 60; x < 540; ++x) open += c.At(x, y) == 0;
    EXPECT_EQ(open, 480 * 480) << "board area of console " << id;
    for (const Place& p : texts) {
      int holes = 0;
      for (int x = p.x - 2; x < p.x + p.w + 2; ++x) holes += (c.At(x, p.y - 2) == 0) + (c.At(x, p.y + p.h + 1) == 0);
      for (int y = p.y - 2; y < p.y + p.h + 2; ++y) holes += (c.At(p.x - 2, y) == 0) + (c.At(p.x + p.w + 1, y) == 0);
      EXPECT_EQ(holes, 0) << "frame of the text place at " << p.x << "," << p.y << " in console " << id;
    }
  }
}

}  // namespace
}  // namespace arttest
