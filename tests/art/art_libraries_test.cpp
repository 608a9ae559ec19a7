// The four art libraries as built: resource-only PE files holding every
// picture the programs ask for, at its size, depth and layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "art/resource_tables.h"
#include "common/frame_geometry.h"
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

// Every picture that some value of a setting chooses, each once, in the
// order the values first choose them.
template <typename Choice>
std::vector<int> Chosen(int firstValue, int lastValue, Choice choice) {
  std::vector<int> ids;
  for (int value = firstValue; value <= lastValue; ++value) {
    const int id = choice(value);
    if (id != 0 && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  }
  return ids;
}

// Settings bytes are read signed by one program and unsigned by the other.
constexpr int kLowest = -128, kHighest = 255;

namespace catalog = resource_catalog;

const std::vector<int> kBackdrops(std::begin(catalog::kBackdropPictures), std::end(catalog::kBackdropPictures));
const std::vector<int> kBoards = Chosen(kLowest, kHighest, catalog::BoardFor);
const std::vector<int> kPieceSets = Chosen(kLowest, kHighest, catalog::PieceStripFor);
const std::vector<int> kConsoles = Chosen(kLowest, kHighest, catalog::ConsoleFor);
const std::vector<int> kGlyphSheets = Chosen(kLowest, kHighest, catalog::ConsoleFontFor);

TEST(ArtLibraries, AreResourceOnlyWithNoEntryPointAndNoImports) {
  for (const char* name : catalog::kArtLibraryFiles) {
    const PeFile& pe = Library(name);
    ASSERT_TRUE(pe.valid) << name;
    EXPECT_EQ(pe.entryPoint, 0u) << name;
    EXPECT_EQ(pe.importDirectorySize, 0u) << name;
    EXPECT_EQ(pe.sectionCount, 1) << name;
    EXPECT_TRUE(pe.resources.count({"#16", 1})) << name << " has no version block";
  }
}

TEST(ArtLibraries, BackdropLibraryHoldsItsCatalog) {
  const std::string library = catalog::kBackdropsLibraryFile;
  EXPECT_EQ(Chosen(1, kHighest, catalog::BackdropFor).size(), kBackdrops.size() + 1);
  ExpectBitmaps(library, kBackdrops, 800, 600, 24);
  ExpectBitmaps(library, {IDB_BACKDROP_OTHER}, 800, 600, 8, 1);
  const std::vector<int> thumbnails = Chosen(kLowest, kHighest, catalog::BackdropThumbnailFor);
  EXPECT_EQ(thumbnails.size(), kBackdrops.size() + 1);
  ExpectBitmaps(library, thumbnails, 160, 120, 24);
  ExpectBitmaps(library, {IDB_BACKDROP_PICKER}, 225, 257, 8);
  ExpectBitmaps(library, {IDB_BACKDROP_LIBRARY_BOARD}, 480, 480, 24);
  EXPECT_EQ(Library(library).resources.size(), 33u);  // 32 pictures and the version block
}

TEST(ArtLibraries, BoardLibraryHoldsItsCatalog) {
  const std::string library = catalog::kBoardsLibraryFile;
  EXPECT_EQ(kBoards.size(), 16u);
  ExpectBitmaps(library, kBoards, 480, 480, 24);
  const std::vector<int> thumbnails = Chosen(kLowest, kHighest, catalog::BoardThumbnailFor);
  EXPECT_EQ(thumbnails.size(), 16u);
  ExpectBitmaps(library, thumbnails, 160, 120, 24);
  ExpectBitmaps(library, {IDB_BOARD_PICKER}, 225, 257, 24);
}

TEST(ArtLibraries, PieceLibraryHoldsItsCatalog) {
  const std::string library = catalog::kPiecesLibraryFile;
  EXPECT_EQ(kPieceSets.size(), 42u);
  ExpectBitmaps(library, kPieceSets, 288, 100, 24);
  const std::vector<int> previews = Chosen(kLowest, kHighest, catalog::PiecePreviewFor);
  EXPECT_EQ(previews.size(), 42u);
  ExpectBitmaps(library, previews, 60, 20, 24);
  ExpectBitmaps(library, {IDB_PIECE_PICKER}, 630, 436, 24);
}

TEST(ArtLibraries, ConsoleLibraryHoldsItsCatalog) {
  const std::string library = catalog::kConsolesLibraryFile;
  EXPECT_EQ(kConsoles.size(), 16u);
  ExpectBitmaps(library, kConsoles, 800, 600, 24);
  ExpectBitmaps(library, {IDB_CONSOLE_OVERLAY}, 800, 600, 24);
  const std::vector<int> lamps = Chosen(kLowest, kHighest, catalog::ResultLampsFor);
  EXPECT_EQ(lamps.size(), 9u);
  ExpectBitmaps(library, lamps, 108, 25, 24);
  EXPECT_EQ(kGlyphSheets.size(), 18u);
  ExpectBitmaps(library, kGlyphSheets, 512, 168, 24);
  std::vector<int> thumbnails = Chosen(kLowest, kHighest, catalog::ConsoleThumbnailFor);
  EXPECT_EQ(thumbnails.size(), 16u);
  thumbnails.push_back(IDB_CONSOLE_THUMB_SPARE);
  ExpectBitmaps(library, thumbnails, 160, 120, 24);
  const std::vector<int> tiles = Chosen(kLowest, kHighest, catalog::StyleTileFor);
  EXPECT_EQ(tiles.size(), 9u);
  ExpectBitmaps(library, tiles, 4, 5, 24);
  ExpectBitmaps(library, {IDB_CONSOLE_PICKER}, 225, 257, 24);
  ExpectBitmaps(library, {IDB_CONSOLE_STYLE_PICKER}, 225, 111, 24);
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
  const PeFile& pe = Library(catalog::kBoardsLibraryFile);
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
  const PeFile& pe = Library(catalog::kPiecesLibraryFile);
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
  const PeFile& pe = Library(catalog::kConsolesLibraryFile);
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

TEST(ArtLibraries, ConsolesLeaveTheBoardOpenAndFrameTheTextPlaces) {
  const PeFile& pe = Library(catalog::kConsolesLibraryFile);
  const frame_geometry::ScreenRect& board = frame_geometry::kBoardPicture;
  for (int id : kConsoles) {
    Pixels c = DecodeDib24(Bitmap(pe, id));
    ASSERT_EQ(c.width, 800) << id;
    int open = 0;
    for (int y = board.y; y < board.Bottom(); ++y)
      for (int x = board.x; x < board.Right(); ++x) open += c.At(x, y) == 0;
    EXPECT_EQ(open, board.width * board.height) << "board area of console " << id;
    for (const frame_geometry::TextField& field : frame_geometry::kConsoleTextFields) {
      const frame_geometry::ScreenRect p = frame_geometry::FieldRect(field);
      int holes = 0;
      for (int x = p.x - 2; x < p.Right() + 2; ++x) holes += (c.At(x, p.y - 2) == 0) + (c.At(x, p.Bottom() + 1) == 0);
      for (int y = p.y - 2; y < p.Bottom() + 2; ++y) holes += (c.At(p.x - 2, y) == 0) + (c.At(p.Right() + 1, y) == 0);
      EXPECT_EQ(holes, 0) << "frame of the text place at " << p.x << "," << p.y << " in console " << id;
    }
  }
}

}  // namespace
}  // namespace arttest
