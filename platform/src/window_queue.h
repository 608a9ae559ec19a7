// Internal parts of the message queue shared by the queue, timer and event files.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// Appends a message to the thread's queue, stamped with the time and pointer position.
void QueueMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The first due timer that matches the window filter, as a WM_TIMER message;
// with `remove` the timer is re-armed a full period from now (so missed
// periods coalesce into one message).
bool TakeDueTimer(HWND filter, MSG* message, bool remove);

// When the next timer falls due, if any timer is running.
bool NextTimerDue(uint64_t* due);

// Moves pending SDL events into the queue; headless, only the quit request
// of a program's SIGINT or SIGTERM (see CatchQuitSignals).
void PumpSdlEvents();

// Alt+Enter and F11 (without Alt) switch the DirectDraw window between the
// window and the full screen.
bool IsDisplaySwitchKey(int virtualKey, bool altDown);

// A program run headless ends on SIGINT and SIGTERM the way SDL makes it end:
// every top-level window is asked to close. SDL catches them itself.
void CatchQuitSignals();

// Blocks until an SDL event arrives or the time is up (SDL backend only).
void WaitForSdlEvent(uint32_t timeoutMilliseconds);
