// Recording a PlaySoundA call in the headless backend's log.
#pragma once

#include "platform/headless_sound.h"

void RecordHeadlessSound(PlayedSound entry);
