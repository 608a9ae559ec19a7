// Timing of the viewer on the headless platform's software surfaces:
//   1. start-up to the first presented frame, with the four art libraries
//      and the demo games (goal: under 200 ms);
//   2. one UpdateFrame while a piece slides, windowed and full-screen
//      (goal: under 0.5 ms).
//
//   bench_viewer RUN_DIR [repetitions]
// RUN_DIR holds the art libraries and the demo file "Tarnwicket.pgn".
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "art/resource_catalog.h"
#include "platform/headless.h"
#include "viewer/frame/window_procedure.h"
#include "viewer/show/viewer_app.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Summary {
  double median;
  double best;
  double mean;
};

Summary Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  double sum = 0;
  for (double sample : samples) sum += sample;
  return {samples[samples.size() / 2], samples.front(), sum / static_cast<double>(samples.size())};
}

// A folder like a user's: the art libraries, the demo games and a settings
// file (windowed or full-screen).
std::string MakeRunFolder(const std::string& runDir, bool windowed) {
  std::string pattern = (fs::temp_directory_path() / "tarnwicket-bench-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  for (const char* name :
       {resource_catalog::kBoardsLibraryFile, resource_catalog::kPiecesLibraryFile,
        resource_catalog::kConsolesLibraryFile, resource_catalog::kBackdropsLibraryFile, "Tarnwicket.pgn"}) {
    fs::copy_file(fs::path(runDir) / name, fs::path(pattern) / name);
  }
  const unsigned char settings[23] = {
      static_cast<unsigned char>(windowed ? 1 : 0), 4, 5, 1, 9, 0, 0, 1, 1, 0, 1, 0, 0, 5, 2, 1, 1, 1, 3, 2, 0, 2, 0};
  std::ofstream(fs::path(pattern) / "Tarnwicket.cfg", std::ios::binary)
      .write(reinterpret_cast<const char*>(settings), sizeof settings);
  return pattern;
}

std::unique_ptr<ViewerApp> StartViewer() {
  std::unique_ptr<ViewerApp> app(
      new ViewerApp(GetModuleHandleA(nullptr), "TarnwicketGame", SW_SHOWNORMAL, 800, 600, 24, ""));
  theApp = app.get();
  return app;
}

void StopViewer(std::unique_ptr<ViewerApp>& app) {
  if (appWindow != nullptr) DetachApplication(appWindow);
  app.reset();
  appWindow = nullptr;
  theApp = nullptr;
  headless::Reset();
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageA(&message);
  }
}

Summary TimeStartUp(int repetitions) {
  std::vector<double> samples;
  for (int i = 0; i < repetitions; ++i) {
    headless::Reset();
    const Clock::time_point start = Clock::now();
    std::unique_ptr<ViewerApp> app = StartViewer();
    PumpMessages();
    app->UpdateFrame();
    samples.push_back(MillisecondsSince(start));
    StopViewer(app);
  }
  return Summarise(samples);
}

// Frames of a slide held in flight: before each timed frame the slide is
// set back to the same point, so every frame draws the lifted piece, its
// shadow and the highlights.
Summary TimeSlideFrames(int frames) {
  headless::Reset();
  std::unique_ptr<ViewerApp> app = StartViewer();
  while (app->frameRate().secondsCounted < 8) {
    headless::AdvanceClock(100);
    PumpMessages();
    app->UpdateFrame();
  }
  // Ticks until the first ply starts (after the opening wait), then a few
  // frames into its slide.
  for (int tick = 0; tick < 50 && app->scene().animFrame == 0; ++tick) app->OnTimer();
  for (int i = 0; i < 5; ++i) app->UpdateFrame();
  const SceneState inFlight = app->scene();
  std::vector<double> samples;
  for (int i = 0; i < frames; ++i) {
    app->RestoreScene(inFlight);
    const Clock::time_point start = Clock::now();
    app->UpdateFrame();
    samples.push_back(MillisecondsSince(start));
  }
  const bool sliding = app->scene().animFrame > 0;
  StopViewer(app);
  if (!sliding) std::fprintf(stderr, "bench_viewer: the slide ended during the measurement\n");
  return Summarise(samples);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s RUN_DIR [repetitions]\n", argv[0]);
    return 2;
  }
  const std::string runDir = fs::absolute(argv[1]).string();
  const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
  headless::Enable();
  const fs::path home = fs::current_path();

  for (bool windowed : {true, false}) {
    const std::string folder = MakeRunFolder(runDir, windowed);
    fs::current_path(folder);
    const Summary startUp = TimeStartUp(repetitions);
    const Summary slide = TimeSlideFrames(repetitions * 100);
    fs::current_path(home);
    fs::remove_all(folder);
    const char* mode = windowed ? "windowed   " : "full-screen";
    std::printf("%s start-up to first frame: median %7.2f ms  best %7.2f ms  (goal < 200 ms)\n", mode, startUp.median,
                startUp.best);
    std::printf("%s UpdateFrame mid-slide:   median %7.3f ms  mean %7.3f ms  (goal < 0.5 ms)\n", mode, slide.median,
                slide.mean);
  }
  return 0;
}
