// PlaySoundA's audio device over SDL: opened lazily in one fixed format
// (SDL adapts it to the hardware); each wave is converted to that format
// once and kept, and the device's callback plays the current one.
#include "platform/src/sound_output.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

using Samples = std::shared_ptr<const std::vector<uint8_t>>;

constexpr int kDeviceRate = 44100;
constexpr Uint8 kDeviceChannels = 2;
constexpr SDL_AudioFormat kDeviceFormat = AUDIO_S16SYS;

// Shared with the audio thread; touched only under SDL_LockAudioDevice.
struct Playback {
  Samples samples;
  size_t position = 0;
};

void FillFromPlayback(void* userdata, Uint8* stream, int length) {
  auto* playback = static_cast<Playback*>(userdata);
  size_t copied = 0;
  if (playback->samples) {
    const std::vector<uint8_t>& samples = *playback->samples;
    copied = std::min(static_cast<size_t>(length), samples.size() - playback->position);
    std::memcpy(stream, samples.data() + playback->position, copied);
    playback->position += copied;
  }
  std::memset(stream + copied, 0, static_cast<size_t>(length) - copied);
}

class AudioDevice {
 public:
  // True once the device is open; the first call tries to open it.
  bool Ready() {
    if (!tried_) {
      tried_ = true;
      Open();
    }
    return device_ != 0;
  }

  void Start(Samples samples) {
    SDL_LockAudioDevice(device_);
    playback_.samples = std::move(samples);
    playback_.position = 0;
    SDL_UnlockAudioDevice(device_);
  }

 private:
  void Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      std::fprintf(stderr, "platform: no audio (%s); sounds are not played\n", SDL_GetError());
      return;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = kDeviceFormat;
    wanted.channels = kDeviceChannels;
    wanted.samples = 1024;
    wanted.callback = FillFromPlayback;
    wanted.userdata = &playback_;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
      std::fprintf(stderr, "platform: no audio device (%s); sounds are not played\n", SDL_GetError());
      return;
    }
    SDL_PauseAudioDevice(device_, 0);
  }

  bool tried_ = false;
  SDL_AudioDeviceID device_ = 0;
  Playback playback_;
};

// The device lives until the process ends; the audio thread may still run
// while static objects are destroyed, so it is never destroyed itself.
AudioDevice& Device() {
  static auto* device = new AudioDevice();
  return *device;
}

Samples ConvertForDevice(const WaveSound& sound) {
  auto converted = std::make_shared<std::vector<uint8_t>>();
  const SDL_AudioFormat format = sound.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  SDL_AudioStream* stream =
      SDL_NewAudioStream(format, static_cast<Uint8>(sound.channels), static_cast<int>(sound.samplesPerSecond),
                         kDeviceFormat, kDeviceChannels, kDeviceRate);
  if (stream == nullptr) return converted;
  if (sound.samples.Size() > 0)
    SDL_AudioStreamPut(stream, sound.samples.Data(), static_cast<int>(sound.samples.Size()));
  SDL_AudioStreamFlush(stream);
  converted->resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)));
  const int got = SDL_AudioStreamGet(stream, converted->data(), static_cast<int>(converted->size()));
  converted->resize(got > 0 ? static_cast<size_t>(got) : 0);
  SDL_FreeAudioStream(stream);
  return converted;
}

std::map<std::string, Samples>& ConvertedSounds() {
  static auto* cache = new std::map<std::string, Samples>();
  return *cache;
}

}  // namespace

void PlayOnAudioDevice(const WaveSound& sound, const std::string& cacheKey) {
  if (!Device().Ready()) return;
  Samples& samples = ConvertedSounds()[cacheKey];
  if (!samples) samples = ConvertForDevice(sound);
  Device().Start(samples);
}

void StopAudioDevice() {
  if (Device().Ready()) Device().Start(nullptr);
}
