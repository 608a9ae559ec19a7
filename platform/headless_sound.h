// Test access to the sounds the programs play: in the headless backend no
// audio device opens, and every PlaySoundA call is recorded here instead.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PlayedSound {
    bool stop = false;    // PlaySoundA(NULL, ...): whatever played was cut off
    std::string sound;    // the resource asked for: its number ("140") or name
    std::string module;   // the module's file name
    uint32_t flags = 0;
    bool played = false;  // the module held a playable wave of that name
};

// Every PlaySoundA call in the headless backend since the last clear, oldest first.
std::vector<PlayedSound> HeadlessSoundLog();
void ClearHeadlessSoundLog();
