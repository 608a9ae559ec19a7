// PlaySoundA in the headless backend: every call logged with its sound and
// module, playable or not; NULL stops.
#include <gtest/gtest.h>

#include "platform/headless_sound.h"
#include "platform/win32.h"
#include "tests/platform_res/test_resource_ids.h"

namespace {

class Sounds : public ::testing::Test {
protected:
    void SetUp() override { ClearHeadlessSoundLog(); }
};

TEST_F(Sounds, ProgramAndLibraryWavesAreLoggedByNumberAndModule) {
    HMODULE library = LoadLibraryA("platform_res_art.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_PCM8_LIST_CHUNK), GetModuleHandleA(nullptr),
                           SND_RESOURCE | SND_ASYNC));
    EXPECT_TRUE(PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_PCM8_LIST_CHUNK), library, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT));
    EXPECT_TRUE(PlaySoundA(nullptr, nullptr, 0));
    FreeLibrary(library);

    const std::vector<PlayedSound> log = HeadlessSoundLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].sound, "140");
    EXPECT_EQ(log[0].module, "platform_res_tests");
    EXPECT_EQ(log[0].flags, static_cast<uint32_t>(SND_RESOURCE | SND_ASYNC));
    EXPECT_TRUE(log[0].played);
    EXPECT_FALSE(log[0].stop);
    EXPECT_EQ(log[1].module, "platform_res_art.dll");
    EXPECT_TRUE(log[1].played);
    EXPECT_TRUE(log[2].stop);
}

TEST_F(Sounds, MissingOrUnplayableWavesFailButAreLogged) {
    EXPECT_FALSE(PlaySoundA(MAKEINTRESOURCEA(999), nullptr, SND_RESOURCE | SND_ASYNC));
    EXPECT_FALSE(PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_NOT_RIFF), nullptr, SND_RESOURCE | SND_ASYNC));
    // A bitmap's number is no wave.
    EXPECT_FALSE(PlaySoundA(MAKEINTRESOURCEA(ID_BITMAP_24BIT_ODD_WIDTH), nullptr, SND_RESOURCE | SND_ASYNC));
    const std::vector<PlayedSound> log = HeadlessSoundLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].sound, "999");
    EXPECT_FALSE(log[0].played);
    EXPECT_EQ(log[1].sound, "141");
    EXPECT_FALSE(log[1].played);
    EXPECT_FALSE(log[2].played);
}

TEST_F(Sounds, AModuleHandleOfNullMeansTheProgram) {
    EXPECT_TRUE(PlaySoundA(MAKEINTRESOURCEA(ID_WAVE_PCM8_LIST_CHUNK), nullptr, SND_RESOURCE | SND_ASYNC));
    ASSERT_EQ(HeadlessSoundLog().size(), 1u);
    EXPECT_EQ(HeadlessSoundLog()[0].module, "platform_res_tests");
}

TEST(SoundsDeathTest, CallsOutsideTheSubsetFailLoudly) {
    EXPECT_DEATH(PlaySoundA("C:\\sounds\\ding.wav", nullptr, SND_ASYNC), "PlaySoundA");
    EXPECT_DEATH(PlaySoundA(MAKEINTRESOURCEA(140), nullptr, SND_RESOURCE), "PlaySoundA");
}

}  // namespace
