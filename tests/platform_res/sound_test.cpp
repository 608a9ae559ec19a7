// PlaySoundA in the headless backend: the sounds that start are logged with
// their number and module; missing or unplayable waves fail and start
// nothing; NULL stops.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/win32.h"
#include "tests/platform_res/test_resource_ids.h"

namespace {

class Sounds : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Enable();
    headless::Reset();
  }
};

TEST_F(Sounds, ProgramAndLibraryWavesAreLoggedByNumberAndModule) {
  HMODULE library = LoadLibraryA("platform_res_art.dll");
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(
      PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_PCM8_LIST_CHUNK), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC));
  EXPECT_TRUE(PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_PCM8_LIST_CHUNK), library, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT));
  EXPECT_TRUE(PlaySoundA(nullptr, nullptr, 0));

  const std::vector<headless::SoundRecord>& log = headless::Sounds();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].resourceId, static_cast<unsigned>(ID_WAVE_PCM8_LIST_CHUNK));
  EXPECT_EQ(log[0].module, GetModuleHandleA(nullptr));
  EXPECT_EQ(log[0].flags, static_cast<DWORD>(SND_RESOURCE | SND_ASYNC));
  EXPECT_EQ(log[1].module, library);
  EXPECT_EQ(log[1].flags, static_cast<DWORD>(SND_RESOURCE | SND_ASYNC | SND_NODEFAULT));
  EXPECT_EQ(log[2].resourceId, 0u) << "a stop";
  EXPECT_TRUE(log[2].name.empty());
  FreeLibrary(library);
}

TEST_F(Sounds, AModuleHandleOfNullMeansTheProgram) {
  EXPECT_TRUE(PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_PCM8_LIST_CHUNK), nullptr, SND_RESOURCE | SND_ASYNC));
  ASSERT_EQ(headless::Sounds().size(), 1u);
  EXPECT_EQ(headless::Sounds()[0].module, GetModuleHandleA(nullptr));
}

TEST_F(Sounds, MissingOrUnplayableWavesFailAndStartNothing) {
  EXPECT_FALSE(PlaySoundA(MAKEINTRESOURCEA(999), nullptr, SND_RESOURCE | SND_ASYNC));
  EXPECT_FALSE(PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_NOT_RIFF), nullptr, SND_RESOURCE | SND_ASYNC));
  // A bitmap's number is no wave.
  EXPECT_FALSE(PlaySoundA(MAKEINTRESOURCEA(ID_BITMAP_24BIT_ODD_WIDTH), nullptr, SND_RESOURCE | SND_ASYNC));
  EXPECT_FALSE(
      PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_PCM8_LIST_CHUNK), reinterpret_cast<HMODULE>(this), SND_RESOURCE | SND_ASYNC))
      << "no module";
  EXPECT_TRUE(headless::Sounds().empty());
}

TEST(SoundsDeathTest, CallsOutsideTheSubsetFailLoudly) {
  EXPECT_DEATH(PlaySoundA("C:\\sounds\\ding.wav", nullptr, SND_ASYNC), "PlaySoundA");
  EXPECT_DEATH(PlaySoundA(MAKEINTRESOURCEA(140), nullptr, SND_RESOURCE), "PlaySoundA");
}

}  // namespace
