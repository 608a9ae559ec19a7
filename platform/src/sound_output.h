// The audio device behind PlaySoundA: opened at the first sound, one sound at
// a time, each new one cutting off the one before.
#pragma once

#include <cstdint>
#include <string>

#include "platform/src/wav_parse.h"

// Starts `sound` from its beginning, cutting off what plays. `cacheKey`
// names the sound for the converted-sample cache (unique per module and
// resource). Without an audio device nothing happens.
void PlayOnAudioDevice(const WaveSound& sound, const std::string& cacheKey);

// Cuts off the sound that plays, if any.
void StopAudioDevice();
