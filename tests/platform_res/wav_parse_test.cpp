// Wave parsing: the sample wave's format and samples, chunks skipped with
// their padding, and waves that cannot be played.
#include <gtest/gtest.h>

#include "platform/src/wav_parse.h"
#include "tests/platform_res/test_samples.h"

namespace {

bool Parse(const std::vector<uint8_t>& bytes, WaveSound& sound) {
  return ParseWave(ByteView(bytes.data(), bytes.size()), sound);
}

TEST(WaveParsing, ReadsFormatAndSamplesPastAnOddSizedChunk) {
  const std::vector<uint8_t> wave = SampleWave();  // the samples point into it
  WaveSound sound;
  ASSERT_TRUE(Parse(wave, sound));
  EXPECT_EQ(sound.channels, 1);
  EXPECT_EQ(sound.samplesPerSecond, 11025u);
  EXPECT_EQ(sound.bitsPerSample, 8);
  ASSERT_EQ(sound.samples.Size(), SampleWaveSamples().size());
  EXPECT_TRUE(std::equal(SampleWaveSamples().begin(), SampleWaveSamples().end(), sound.samples.Data()));
}

TEST(WaveParsing, DataClaimingMoreThanTheFileIsCutToWholeFrames) {
  std::vector<uint8_t> wave = SampleWave();
  wave.pop_back();
  wave.pop_back();
  WaveSound sound;
  ASSERT_TRUE(Parse(wave, sound));
  EXPECT_EQ(sound.samples.Size(), 3u);

  // 16-bit stereo: frames of 4 bytes; an odd tail is dropped.
  wave = SampleWave();
  wave[22] = 2;   // channels
  wave[32] = 4;   // block align
  wave[34] = 16;  // bits per sample
  ASSERT_TRUE(Parse(wave, sound));
  EXPECT_EQ(sound.samples.Size(), 4u);
}

TEST(WaveParsing, UnplayableWavesAreRefused) {
  WaveSound sound;
  const std::vector<uint8_t> good = SampleWave();
  auto changed = [&good](size_t at, uint8_t value) {
    std::vector<uint8_t> wave = good;
    wave[at] = value;
    return wave;
  };
  EXPECT_FALSE(Parse({}, sound));
  EXPECT_FALSE(Parse(changed(0, 'X'), sound)) << "no RIFF";
  EXPECT_FALSE(Parse(changed(8, 'X'), sound)) << "no WAVE";
  EXPECT_FALSE(Parse(changed(20, 3), sound)) << "floating-point samples";
  EXPECT_FALSE(Parse(changed(22, 0), sound)) << "no channels";
  EXPECT_FALSE(Parse(changed(34, 12), sound)) << "12-bit samples";
  EXPECT_FALSE(Parse(changed(32, 3), sound)) << "block align not matching";
  EXPECT_FALSE(Parse(changed(12, 'x'), sound)) << "no format chunk before the data";
  std::vector<uint8_t> noData(good.begin(), good.begin() + 36);
  EXPECT_FALSE(Parse(noData, sound)) << "no data chunk";
  std::vector<uint8_t> cutFormat(good.begin(), good.begin() + 30);
  EXPECT_FALSE(Parse(cutFormat, sound)) << "format chunk cut short";
}

TEST(WaveParsing, ExtensibleFormatWithPcmSubFormatIsPlayable) {
  std::vector<uint8_t> wave = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
  PutU32(wave, 40);
  PutU16(wave, 0xFFFE);
  PutU16(wave, 2);
  PutU32(wave, 22050);
  PutU32(wave, 22050 * 4);
  PutU16(wave, 4);
  PutU16(wave, 16);
  PutU16(wave, 22);  // extension size
  PutU16(wave, 16);  // valid bits
  PutU32(wave, 3);   // channel mask
  PutU16(wave, 1);   // sub-format: PCM (rest of the GUID follows)
  for (int i = 0; i < 14; ++i) wave.push_back(0);
  wave.insert(wave.end(), {'d', 'a', 't', 'a'});
  PutU32(wave, 8);
  for (int i = 0; i < 8; ++i) wave.push_back(static_cast<uint8_t>(i));
  WaveSound sound;
  ASSERT_TRUE(Parse(wave, sound));
  EXPECT_EQ(sound.channels, 2);
  EXPECT_EQ(sound.samples.Size(), 8u);
  wave[44] = 3;  // sub-format: floating point
  EXPECT_FALSE(Parse(wave, sound));
}

}  // namespace
