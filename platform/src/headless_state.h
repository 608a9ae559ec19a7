// Internal state of the headless backend that other platform files record into
// or consult; tests read it through platform/headless.h.
#pragma once

#include <cstdint>

#include "platform/headless.h"

// True while a test has switched the headless backend on.
bool HeadlessForcedByTest();

// Records a presented frame (32-bit XRGB pixels, rows `pitch` bytes apart).
void HeadlessStoreFrame(const uint32_t* pixels, int width, int height, int pitch);

// Records a message box and returns its answer.
int HeadlessAnswerMessageBox(HWND owner, const char* text, const char* caption, UINT type);

// Records a sound started by PlaySoundA.
void HeadlessLogSound(LPCSTR sound, HMODULE module, DWORD flags);

// Hooks that Reset calls to clear the state kept by the other platform parts.
void WindowSystemReset();
void DirectDrawResetLostMarks();
void CursorReset();
