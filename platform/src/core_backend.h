// Which backend the platform runs on: SDL with a real window and audio device,
// or headless (no window, no audio, a virtual clock) for tests and CI.
#pragma once

// True when TARNWICKET_HEADLESS=1 is set in the environment or a test has
// switched the headless backend on (platform/headless.h).
bool PlatformHeadless();

// Aborts the program with a message: the platform's answer to a call outside
// the subset it implements, or to a handle that is not what it claims to be.
[[noreturn]] void PlatformFail(const char* function, const char* what);
