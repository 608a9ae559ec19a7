// ViewerApp start-up and shutdown: settings, art libraries, layouts,
// surfaces, the game file and the first game; and the release of what the
// viewer holds when it ends.
#include "platform/desktop.h"
#include "viewer/frame/viewer_arguments.h"
#include "viewer/show/calendar_time.h"
#include "viewer/show/viewer_app.h"

// The settings file's scaling modes are the platform's.
static_assert(kScalingSharp == kPlatformScalingSharp && kScalingPixelPerfect == kPlatformScalingPixelPerfect &&
                  kScalingSmooth == kPlatformScalingSmooth,
              "one numbering of the scaling modes");

namespace {

// The options with the display mode the frame took (the settings file's, or
// a screensaver's), and no sound for a show that must be silent.
ViewerOptions ShownAs(ViewerOptions options, int16_t fullScreen, bool silent) {
  options.fullScreenCopy = fullScreen;
  if (silent) options.soundOn = 0;
  return options;
}

}  // namespace

ViewerApp::ViewerApp(HINSTANCE instance, const char* title, int showCommand, int32_t width, int32_t height,
                     int32_t bitsPerPixel, const char* commandLine)
    : ViewerApp(ReadSettings(), instance, title, showCommand, width, height, bitsPerPixel, commandLine) {}

// The settings file is read once: the display mode and every option come
// from that one reading.
ViewerApp::ViewerApp(const SettingsFile& settings, HINSTANCE instance, const char* title, int showCommand,
                     int32_t width, int32_t height, int32_t bitsPerPixel, const char* commandLine)
    : DirectDrawApplication(instance, title, showCommand, width, height, bitsPerPixel, commandLine,
                            FullScreenChoice(settings)),
      options_(ShownAs(ViewerOptionsFrom(settings), fullScreen, frameDisplay.silent)),
      art_(options_.art) {
  // Before the first frame is shown.
  PlatformSetScalingMode(options_.scalingMode);
  random_.Seed(static_cast<uint32_t>(CalendarSeconds()));

  try {
    OpenLiveSource((commandLine != nullptr && commandLine[0] != 0) ? commandLine : kDefaultGameFileName);
    libraries_.Load();
    chess_.SetSpeed(options_.speedSetting);
    games_.SetTagOptions(options_.blankUnknownTags, options_.bareTagValues);
    ticker_.Configure(options_.pinTicker, options_.pinnedLine, options_.bareTagValues);
    play_.paused = options_.startPaused;
    play_.holdForTicker = options_.holdForTicker;
    play_.moveFrames = options_.delayMs > 0 ? static_cast<int32_t>(options_.delayMs * 0.001 * 500) : 60;
    ReadLayoutsFile(layouts_);

    CreateSurfaces();
    games_.CountGames();  // raises "can't find Tarnwicket.PGN" when the file does not open
    games_.IndexPlies();
    StartWatching();
    games_.ReadResumeFile();
    NewGame(0);
  } catch (...) {
    ReleaseResources();
    throw;
  }
  SetCursor(nullptr);
  frameRate_.lastSecond = CalendarSeconds();
}

ViewerApp::~ViewerApp() { ReleaseResources(); }

void ViewerApp::ReleaseResources() {
  watch_.reset();
  broadcast_.reset();
  libraries_.Release();
  games_.ReleaseGameLibrary();
}
