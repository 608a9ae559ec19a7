// Playing the program's own waves.
#include "configurator/program_sounds.h"

#include "configurator/framework/dialog.h"
#include "platform/win32.h"

void PlayProgramWave(int waveId) {
  PlaySoundA(MAKEINTRESOURCEA(waveId), Dialog::ProgramInstance(), SND_RESOURCE | SND_ASYNC);
}
