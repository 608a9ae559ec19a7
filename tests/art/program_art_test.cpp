// The programs' own art, as their resource-script fragments compile: every
// bitmap at its size, the shadow strips, and the sounds in their format.
#include <gtest/gtest.h>

#include <cstdlib>

#include "art/resource_tables.h"
#include "tests/art/pe_resource_reader.h"

namespace arttest {
namespace {

const std::string kCheckDir = TARNWICKET_ART_CHECK_DIR;

const PeFile& Fragment(const std::string& name) {
  static std::map<std::string, PeFile> cache;
  auto it = cache.find(name);
  if (it == cache.end()) it = cache.emplace(name, ReadPeFile(kCheckDir + "/" + name)).first;
  return it->second;
}

struct Expected {
  int id, width, height;
};

// The viewer's shadow strips, one for each family of piece shapes.
const int kShadowStrips[4] = {IDB_VIEWER_SHADOWS_OUTLINES, IDB_VIEWER_SHADOWS_SYMBOLS, IDB_VIEWER_SHADOWS_TURNED,
                              IDB_VIEWER_SHADOWS_MODERN};

void ExpectBitmaps(const PeFile& pe, const std::vector<Expected>& list) {
  ASSERT_TRUE(pe.valid);
  for (const Expected& e : list) {
    auto it = pe.resources.find({kBitmapType, e.id});
    ASSERT_NE(it, pe.resources.end()) << "bitmap " << e.id;
    DibInfo d = ReadDibInfo(it->second);
    EXPECT_EQ(d.width, e.width) << e.id;
    EXPECT_EQ(d.height, e.height) << e.id;
    EXPECT_EQ(d.bitCount, 24) << e.id;
    EXPECT_EQ(d.compression, 0u) << e.id;
  }
}

// Mono 16-bit PCM at 22050 Hz, short, starting and ending at silence.
void ExpectWave(const PeFile& pe, int id, double maxSeconds) {
  auto it = pe.resources.find({kWaveType, id});
  ASSERT_NE(it, pe.resources.end()) << "wave " << id;
  const Bytes& w = it->second;
  ASSERT_GT(w.size(), 44u);
  auto u16 = [&](size_t at) { return uint32_t(w[at]) | uint32_t(w[at + 1]) << 8; };
  auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
  EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(w.begin() + 8, w.begin() + 12), "WAVE");
  EXPECT_EQ(u16(20), 1u) << id;      // PCM
  EXPECT_EQ(u16(22), 1u) << id;      // mono
  EXPECT_EQ(u32(24), 22050u) << id;  // rate
  EXPECT_EQ(u16(34), 16u) << id;     // bits
  uint32_t bytes = u32(40);
  ASSERT_EQ(bytes + 44, w.size()) << id;
  EXPECT_LE(bytes / 2.0 / 22050.0, maxSeconds) << id;
  auto sample = [&](size_t i) { return int16_t(u16(44 + 2 * i)); };
  size_t n = bytes / 2;
  EXPECT_LT(std::abs(sample(0)), 200) << "wave " << id << " starts with a click";
  EXPECT_LT(std::abs(sample(n - 1)), 200) << "wave " << id << " ends with a click";
}

TEST(ViewerArt, HoldsItsBitmapsSoundsAndIcon) {
  const PeFile& pe = Fragment("viewer_art.dll");
  ExpectBitmaps(pe, {{IDB_VIEWER_WHITE_PIECES, 288, 100},
                     {IDB_VIEWER_BLACK_PIECES, 288, 100},
                     {IDB_VIEWER_BLANK, 800, 600},
                     {IDB_VIEWER_BOARD, 480, 480},
                     {IDB_VIEWER_HIGHLIGHTS, 450, 100},
                     {IDB_VIEWER_FONT, 512, 168},
                     {IDB_VIEWER_BACKDROP, 800, 600},
                     {IDB_VIEWER_CONSOLE, 800, 600},
                     {IDB_VIEWER_TURN_LAMPS, 60, 30},
                     {IDB_VIEWER_RESULT_LAMPS, 108, 25}});
  for (int id : kShadowStrips) ExpectBitmaps(pe, {{id, 288, 100}});
  for (int id : {IDW_SETTLE_1, IDW_SETTLE_2, IDW_SETTLE_3, IDW_BLACK_WINS, IDW_CAPTURE_1, IDW_CAPTURE_2, IDW_CAPTURE_3,
                 IDW_CHECK_1, IDW_CHECK_2, IDW_CHECK_3, IDW_DRAWN, IDW_LANDING_1, IDW_LANDING_2, IDW_LANDING_3,
                 IDW_WHITE_WINS, IDW_CASTLING})
    ExpectWave(pe, id, 2.0);
  for (int id : {IDW_INTRO, IDW_INTRO_RARE}) ExpectWave(pe, id, 6.0);
  EXPECT_TRUE(pe.resources.count({kIconGroupType, IDI_VIEWER}));
}

TEST(ViewerArt, BlankLayerIsAllBlack) {
  Pixels p = DecodeDib24(Fragment("viewer_art.dll").resources.at({kBitmapType, IDB_VIEWER_BLANK}));
  ASSERT_EQ(p.width, 800);
  for (uint32_t v : p.rgb) ASSERT_EQ(v, 0u);
}

TEST(ViewerArt, ShadowsAreNearBlackOnPureBlack) {
  for (int id : kShadowStrips) {
    Pixels p = DecodeDib24(Fragment("viewer_art.dll").resources.at({kBitmapType, id}));
    ASSERT_EQ(p.width, 288);
    int shadow = 0;
    for (uint32_t v : p.rgb) {
      int m = std::max({int(v >> 16), int((v >> 8) & 255), int(v & 255)});
      EXPECT_LT(m, 40) << "shadow strip " << id;
      shadow += v != 0;
    }
    EXPECT_GT(shadow, 1500) << id;
  }
}

TEST(ConfiguratorArt, HoldsItsSkinMarksDigitsStandInsSoundsAndIcon) {
  const PeFile& pe = Fragment("configurator_art.dll");
  std::vector<Expected> list = {{IDB_SKIN_LEFT, 350, 503},
                                {IDB_SKIN_DISPLAY_TITLE, 162, 52},
                                {IDB_SKIN_DISPLAY_COLUMN, 162, 331},
                                {IDB_SKIN_RIGHT_STRIP, 71, 503},
                                {IDB_SKIN_WATCHING_COLUMN, 194, 503},
                                {IDB_MARK_OFF, 14, 14},
                                {IDB_MARK_ON, 14, 14},
                                {IDB_DOT_OFF, 12, 12},
                                {IDB_DOT_ON, 12, 12},
                                {IDB_KNOB, 9, 17},
                                {IDB_OWN_WHITE_PIECES, 60, 20},
                                {IDB_OWN_BOARD, 160, 120},
                                {IDB_OWN_CONSOLE, 160, 120},
                                {IDB_OWN_BACKDROP, 160, 120},
                                {IDB_OWN_CONSOLE_STYLE, 4, 5},
                                {IDB_OWN_BLACK_PIECES, 60, 20},
                                {IDB_DIGIT_BLANK, 16, 24}};
  for (int digit = 0; digit <= 9; ++digit) list.push_back({resource_catalog::CounterDigitFor(digit), 16, 24});
  ExpectBitmaps(pe, list);
  ExpectWave(pe, IDW_CLICK, 0.5);
  ExpectWave(pe, IDW_CLOSE, 1.0);
  EXPECT_TRUE(pe.resources.count({kIconGroupType, IDI_CONFIGURATOR}));
}

}  // namespace
}  // namespace arttest
