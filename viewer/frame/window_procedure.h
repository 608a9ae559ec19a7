// The window procedure of the application window, and the hand-over of a
// FatalError raised by the application while a message was being handled.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window stops calling into the application object (which may be gone).
void DetachApplication(HWND window);

// A FatalError thrown by the application inside the window procedure is held
// there rather than sent through the system's dispatching code; the message
// loop throws it again once DispatchMessageA has returned.
void RethrowHeldFatalError();
