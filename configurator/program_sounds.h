// The configurator's two sounds, played asynchronously from its own waves.
#pragma once

// Plays one of the program's wave resources (IDW_CLICK, IDW_CLOSE).
void PlayProgramWave(int waveId);
