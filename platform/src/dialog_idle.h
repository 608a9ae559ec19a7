// Driving modal dialogs in the headless backend. A modal dialog's loop calls
// the idle handler whenever it has handled every message and shown its
// frame; the handler injects input (platform/headless.h) or checks what the
// dialog shows. Without a handler, or when the handler reports that it has
// nothing more to do while the dialog is still open, the loop fails loudly:
// nothing else could ever end the dialog.
#pragma once

#include <functional>

#include "platform/win32.h"

// Receives the innermost running dialog; returns false when it has nothing
// more to do.
using DialogIdleHandler = std::function<bool(HWND dialog)>;

// Installs the handler (an empty one removes it).
void SetDialogIdleHandler(DialogIdleHandler handler);

// Calls the handler; false when there is none or it has nothing more to do.
bool RunDialogIdleHandler(HWND dialog);
