// The viewer's entry function: the command line (a game file, or a request
// to answer or to run as a screensaver), one ViewerApp for the whole run, the
// message loop, and a "Fatal Error" box for any failure.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/desktop.h"
#include "platform/win32.h"
#include "viewer/frame/program_version.h"
#include "viewer/frame/run_application.h"
#include "viewer/frame/screensaver_program.h"
#include "viewer/frame/viewer_arguments.h"
#include "viewer/show/viewer_app.h"

namespace {

#ifdef _WIN32
constexpr ArgumentStyle kArgumentStyle = ArgumentStyle::kWindows;
const char* XScreensaverWindow() { return nullptr; }
#else
constexpr ArgumentStyle kArgumentStyle = ArgumentStyle::kX11;
const char* XScreensaverWindow() { return std::getenv("XSCREENSAVER_WINDOW"); }
#endif

bool DefaultGameFileExists() {
  std::FILE* file = std::fopen(kDefaultGameFileName, "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPSTR commandLine, int showCommand) {
  const ViewerArguments arguments =
      ParseViewerArguments(commandLine, kArgumentStyle, RunningAsScreensaverFile(), XScreensaverWindow());
  switch (arguments.request) {
    case ViewerRequest::kHelp: std::fputs(ViewerUsage(kArgumentStyle).c_str(), stdout); return 0;
    case ViewerRequest::kVersion: std::puts("Tarnwicket " TARNWICKET_VERSION); return 0;
    case ViewerRequest::kBadArguments:
      std::fprintf(stderr, "Tarnwicket: %s\n\n%s", arguments.error.c_str(), ViewerUsage(kArgumentStyle).c_str());
      return 2;
    case ViewerRequest::kConfigure: MoveToProgramFolder(); return StartSettingsProgram() ? 0 : 1;
    case ViewerRequest::kScreensaver:
      MoveToProgramFolder();
      frameDisplay.forcedFullScreen = 1;
      frameDisplay.endOnInput = true;
      break;
    case ViewerRequest::kPreview:
      MoveToProgramFolder();
      frameDisplay.previewParent = reinterpret_cast<HWND>(static_cast<uintptr_t>(arguments.window));
      if (!IsWindow(frameDisplay.previewParent)) return 0;  // the preview box went before we came
      frameDisplay.silent = true;
      break;
    case ViewerRequest::kExistingWindow:
      if (!PlatformUseExistingWindow(arguments.window)) {
        std::fprintf(stderr, "Tarnwicket: no window 0x%llx to draw into\n", arguments.window);
        return 1;
      }
      frameDisplay.silent = true;
      break;
    case ViewerRequest::kShow: break;
  }
  const std::string gameFile =
      GameFileToOpen(arguments.gameFile, PlatformStartFolder(), PlatformInstalledDataFolder(), DefaultGameFileExists());
  return RunApplication(
      [&] { return new ViewerApp(instance, "TarnwicketGame", showCommand, 800, 600, 24, gameFile.c_str()); });
}
