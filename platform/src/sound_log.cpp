// The record of PlaySoundA calls kept by the headless backend.
#include "platform/headless_sound.h"
#include "platform/src/sound_log.h"

namespace {
std::vector<PlayedSound>& Log() {
    static auto* log = new std::vector<PlayedSound>();
    return *log;
}
}  // namespace

void RecordHeadlessSound(PlayedSound entry) { Log().push_back(std::move(entry)); }

std::vector<PlayedSound> HeadlessSoundLog() { return Log(); }

void ClearHeadlessSoundLog() { Log().clear(); }
