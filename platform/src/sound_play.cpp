// PlaySoundA: a module's "WAVE" resource, asynchronously, through the audio
// device, or into the headless backend's log of sounds started.
#include <string>

#include "platform/sdk/sound.h"
#include "platform/src/core_backend.h"
#include "platform/src/headless_state.h"
#include "platform/src/module_registry.h"
#include "platform/src/sound_output.h"
#include "platform/src/wav_parse.h"

namespace {

constexpr DWORD kSupportedFlags = SND_RESOURCE | SND_ASYNC | SND_NODEFAULT;

// The module's playable wave of that name, if it has one.
bool FindWave(Module* module, const ResourceKey& name, WaveSound& sound) {
  if (module == nullptr) return false;
  const ResourceEntry* entry = module->resources.Find(ResourceKey::Text("WAVE"), name);
  return entry != nullptr && ParseWave(module->resources.DataOf(*entry), sound);
}

}  // namespace

BOOL WINAPI PlaySoundA(LPCSTR pszSound, HMODULE hmod, DWORD fdwSound) {
  if (pszSound == nullptr) {
    if (PlatformHeadless())
      HeadlessLogSound(nullptr, hmod, fdwSound);
    else
      StopAudioDevice();
    return TRUE;
  }
  if ((fdwSound & SND_RESOURCE) != SND_RESOURCE || (fdwSound & SND_ASYNC) == 0 || (fdwSound & ~kSupportedFlags) != 0)
    PlatformFail("PlaySoundA", "only SND_RESOURCE | SND_ASYNC [| SND_NODEFAULT] is supported");

  Module* module = ModuleOrProgram(hmod);
  const ResourceKey name = ResourceKey::FromArgument(pszSound);
  WaveSound sound;
  if (!FindWave(module, name, sound)) return FALSE;
  // The headless log holds the sounds that would have started, so a
  // missing or broken wave shows there as a sound that never played.
  if (PlatformHeadless())
    HeadlessLogSound(pszSound, HandleOfModule(module), fdwSound);
  else
    PlayOnAudioDevice(sound, std::to_string(module->serial) + "/" + (name.isNumber ? "#" : "") + name.Describe());
  return TRUE;
}
