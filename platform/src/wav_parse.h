// Parsing a RIFF wave (a "WAVE" resource) into its PCM format and samples.
#pragma once

#include <cstdint>

#include "platform/src/res_bytes.h"

struct WaveSound {
  uint16_t channels = 0;
  uint32_t samplesPerSecond = 0;
  uint16_t bitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
  ByteView samples;            // whole sample frames only
};

// False unless the bytes are a RIFF WAVE with a PCM format chunk (plain or
// extensible) of 1 to 8 channels at 8 or 16 bits and a data chunk. A data
// chunk that claims more than the file holds is cut to what is there.
bool ParseWave(ByteView file, WaveSound& sound);
