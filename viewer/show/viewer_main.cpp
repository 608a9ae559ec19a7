// The viewer's entry function: one ViewerApp for the whole run, the message
// loop, and a "Fatal Error" box for any failure.
#include "platform/win32.h"
#include "viewer/frame/run_application.h"
#include "viewer/show/viewer_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPSTR commandLine, int showCommand) {
  return RunApplication(
      [&] { return new ViewerApp(instance, "TarnwicketGame", showCommand, 800, 600, 24, commandLine); });
}
