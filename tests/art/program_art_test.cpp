// The programs' own art, as their resource-script fragments compile: every
// bitmap at its size, the shadow strips, and the sounds in their format.
#include <gtest/gtest.h>

#include <cstdlib>

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
  ExpectBitmaps(pe, {{119, 288, 100},
                     {124, 288, 100},
                     {152, 800, 600},
                     {157, 480, 480},
                     {159, 450, 100},
                     {161, 512, 168},
                     {190, 800, 600},
                     {203, 800, 600},
                     {204, 60, 30},
                     {225, 108, 25},
                     {263, 288, 100},
                     {264, 288, 100},
                     {265, 288, 100},
                     {266, 288, 100}});
  for (int id : {125, 126, 127, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 147})
    ExpectWave(pe, id, 2.0);
  for (int id : {145, 146}) ExpectWave(pe, id, 6.0);
  EXPECT_TRUE(pe.resources.count({kIconGroupType, 32512}));
}

TEST(ViewerArt, BlankLayerIsAllBlack) {
  Pixels p = DecodeDib24(Fragment("viewer_art.dll").resources.at({kBitmapType, 152}));
  ASSERT_EQ(p.width, 800);
  for (uint32_t v : p.rgb) ASSERT_EQ(v, 0u);
}

TEST(ViewerArt, ShadowsAreNearBlackOnPureBlack) {
  for (int id : {263, 264, 265, 266}) {
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
  std::vector<Expected> list = {{177, 350, 503}, {176, 162, 52},  {179, 162, 331}, {178, 71, 503}, {202, 14, 14},
                                {203, 14, 14},   {199, 12, 12},   {200, 12, 12},   {204, 9, 17},   {278, 60, 20},
                                {279, 160, 120}, {280, 160, 120}, {281, 160, 120}, {282, 4, 5},    {283, 60, 20}};
  for (int id = 284; id <= 294; ++id) list.push_back({id, 16, 24});
  ExpectBitmaps(pe, list);
  ExpectWave(pe, 140, 0.5);
  ExpectWave(pe, 147, 1.0);
  EXPECT_TRUE(pe.resources.count({kIconGroupType, 128}));
}

}  // namespace
}  // namespace arttest
