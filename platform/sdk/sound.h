// PlaySoundA: the programs' own wave resources, played asynchronously.
#pragma once

#include "platform/sdk/base.h"

#define SND_SYNC      0x0000
#define SND_ASYNC     0x0001
#define SND_NODEFAULT 0x0002
#define SND_RESOURCE  0x00040004L

BOOL WINAPI PlaySoundA(LPCSTR pszSound, HMODULE hmod, DWORD fdwSound);
