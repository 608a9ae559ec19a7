// The RIFF chunk walk of a wave: "fmt " and "data", chunks padded to even sizes.
#include "platform/src/wav_parse.h"

#include <algorithm>

namespace {

constexpr uint32_t FourCc(char a, char b, char c, char d) {
  return static_cast<uint32_t>(static_cast<uint8_t>(a)) | (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8) |
         (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24);
}

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

bool ReadFormat(ByteView chunk, WaveSound& sound) {
  uint16_t format = 0;
  uint16_t blockAlign = 0;
  if (!chunk.ReadU16(0, format) || !chunk.ReadU16(2, sound.channels) || !chunk.ReadU32(4, sound.samplesPerSecond) ||
      !chunk.ReadU16(12, blockAlign) || !chunk.ReadU16(14, sound.bitsPerSample))
    return false;
  if (format == kFormatExtensible) {
    // The sub-format GUID begins with the format tag it stands for.
    if (!chunk.ReadU16(24, format)) return false;
  }
  if (format != kFormatPcm) return false;
  if (sound.channels < 1 || sound.channels > 8) return false;
  if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16) return false;
  if (sound.samplesPerSecond < 1000 || sound.samplesPerSecond > 384000) return false;
  return blockAlign == sound.channels * sound.bitsPerSample / 8;
}

}  // namespace

bool ParseWave(ByteView file, WaveSound& sound) {
  uint32_t riff = 0;
  uint32_t wave = 0;
  if (!file.ReadU32(0, riff) || riff != FourCc('R', 'I', 'F', 'F') || !file.ReadU32(8, wave) ||
      wave != FourCc('W', 'A', 'V', 'E'))
    return false;
  bool haveFormat = false;
  uint64_t chunk = 12;
  while (file.Contains(chunk, 8)) {
    uint32_t id = 0;
    uint32_t size = 0;
    file.ReadU32(chunk, id);
    file.ReadU32(chunk + 4, size);
    const uint64_t body = chunk + 8;
    const uint64_t available = std::min<uint64_t>(size, file.Size() - body);
    if (id == FourCc('f', 'm', 't', ' ')) {
      if (available < size || !ReadFormat(file.Slice(body, size), sound)) return false;
      haveFormat = true;
    } else if (id == FourCc('d', 'a', 't', 'a')) {
      if (!haveFormat) return false;
      const uint64_t frame = sound.channels * sound.bitsPerSample / 8;
      sound.samples = file.Slice(body, available - available % frame);
      return true;
    }
    chunk = body + size + (size & 1);
  }
  return false;
}
