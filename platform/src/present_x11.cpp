// X windows named by other programs, looked at through Xlib with a
// connection of our own (SDL's does not answer errors gently).
#include "platform/src/present_x11.h"

#if __has_include(<X11/Xlib.h>)

#include <X11/Xlib.h>

namespace {

bool errorSeen = false;

int NoteError(Display*, XErrorEvent*) {
  errorSeen = true;
  return 0;
}

}  // namespace

uint64_t X11ExistingWindow(uint64_t windowId) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 0;
  Window window = windowId == 0 ? DefaultRootWindow(display) : static_cast<Window>(windowId);
  errorSeen = false;
  XErrorHandler previous = XSetErrorHandler(NoteError);
  XWindowAttributes attributes{};
  const bool exists = XGetWindowAttributes(display, window, &attributes) != 0;
  XSync(display, False);
  XSetErrorHandler(previous);
  if (!exists || errorSeen) window = 0;
  XCloseDisplay(display);
  return window;
}

#else

uint64_t X11ExistingWindow(uint64_t) { return 0; }

#endif
