// PlaySoundA: a module's "WAVE" resource, asynchronously, through the audio
// device, or into the headless backend's log.
#include <string>

#include "platform/sdk/sound.h"
#include "platform/src/core_backend.h"
#include "platform/src/module_registry.h"
#include "platform/src/sound_log.h"
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
        if (PlatformHeadless()) {
            PlayedSound entry;
            entry.stop = true;
            entry.flags = fdwSound;
            RecordHeadlessSound(entry);
        } else {
            StopAudioDevice();
        }
        return TRUE;
    }
    if ((fdwSound & SND_RESOURCE) != SND_RESOURCE || (fdwSound & SND_ASYNC) == 0 ||
        (fdwSound & ~kSupportedFlags) != 0)
        PlatformFail("PlaySoundA", "only SND_RESOURCE | SND_ASYNC [| SND_NODEFAULT] is supported");

    Module* module = ModuleOrProgram(hmod);
    const ResourceKey name = ResourceKey::FromArgument(pszSound);
    WaveSound sound;
    const bool found = FindWave(module, name, sound);
    if (PlatformHeadless()) {
        PlayedSound entry;
        entry.sound = name.Describe();
        entry.module = module != nullptr ? module->name : std::string();
        entry.flags = fdwSound;
        entry.played = found;
        RecordHeadlessSound(entry);
    } else if (found) {
        PlayOnAudioDevice(sound, std::to_string(module->serial) + "/" + (name.isNumber ? "#" : "") + name.Describe());
    }
    return found ? TRUE : FALSE;
}
