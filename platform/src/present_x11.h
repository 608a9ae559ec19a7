// The little the presentation asks of the X display itself, beside SDL: the
// root window, and whether a window that another program named exists.
#pragma once

#include <cstdint>

// The X window `windowId` on the default display, 0 standing for the screen's
// root window; 0 when there is no X display or no such window.
uint64_t X11ExistingWindow(uint64_t windowId);
