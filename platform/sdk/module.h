// Modules: resource-only libraries loaded from PE files, the program's own
// module (its embedded resources), and the program's entry function.
#pragma once

#include "platform/sdk/base.h"

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
BOOL WINAPI FreeLibrary(HMODULE hLibModule);
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);

// Error codes of a failed LoadLibraryA (GetLastError).
#define ERROR_MOD_NOT_FOUND  126L
#define ERROR_BAD_EXE_FORMAT 193L

// The program's entry function, which every program defines. Outside Windows
// the platform's main calls it with the program's own module as the
// instance and the command-line text after the program's name.
extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);
