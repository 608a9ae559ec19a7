// The soak run's driver: sets up the folder, starts the viewer, and plays on
// the virtual clock with timer ticks, frames and random keys until enough
// games are over.
#include "tools/soak/soak_run.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/headless.h"
#include "tools/soak/held_resources.h"
#include "tools/soak/soak_games.h"
#include "viewer/frame/window_procedure.h"
#include "viewer/show/viewer_app.h"

namespace fs = std::filesystem;

namespace {

const char* const kArtLibraries[] = {
    "Tarnwicket_Checkerlib.dll",
    "Tarnwicket_Figurinelib.dll",
    "Tarnwicket_Dashlib.dll",
    "Tarnwicket_Backdroplib.dll",
};

enum Key : int { kEnter = 13, kEscape = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40 };

// Windowed, random layouts, random order, no waits, fastest pieces, sound on.
const uint8_t kSoakSettings[23] = {1, 0, 1, 0, 20, 0, 1, 1, 1, 0, 1, 0, 0, 5, 2, 1, 1, 1, 3, 2, 0, 2, 0};

// The viewer in its own folder, driven as the program's message loop would.
class SoakSession {
 public:
  SoakSession() {
    headless::Enable();
    headless::Reset();
    std::string pattern = (fs::temp_directory_path() / "tarnwicket-soak-XXXXXX").string();
    if (mkdtemp(&pattern[0]) == nullptr) throw std::runtime_error("no temporary folder");
    folder_ = pattern;
    previousFolder_ = fs::current_path();
    fs::current_path(folder_);
  }

  ~SoakSession() {
    if (appWindow != nullptr) DetachApplication(appWindow);
    app_.reset();
    appWindow = nullptr;
    theApp = nullptr;
    headless::Reset();
    fs::current_path(previousFolder_);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  ViewerApp& Start() {
    app_.reset(new ViewerApp(GetModuleHandleA(nullptr), "TarnwicketGame", SW_SHOWNORMAL, 800, 600, 24, ""));
    theApp = app_.get();
    return *app_;
  }

  ViewerApp& app() { return *app_; }
  bool quit() const { return quit_; }

  bool Pump() {
    MSG message;
    while (!quit_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit_ = true;
        break;
      }
      DispatchMessageA(&message);
      RethrowHeldFatalError();
    }
    return !quit_;
  }

  void Frame(uint32_t milliseconds) {
    headless::AdvanceClock(milliseconds);
    if (Pump()) app_->UpdateFrame();
  }

  // The clock moves on to the play timer's next tick, which is delivered.
  void Tick() {
    const int32_t period = app_->delayMs + app_->moveFrames;
    const uint64_t periodMs = static_cast<uint64_t>(period >= 10 ? period : 10);
    const uint64_t now = headless::ClockMilliseconds();
    const uint64_t next = timerStartMs_ + ((now - timerStartMs_) / periodMs + 1) * periodMs;
    headless::AdvanceClock(static_cast<uint32_t>(next - now));
    Pump();
  }

  void FinishIntro() {
    while (app_->secondsCounted < 8 && !quit_) Frame(100);
    timerStartMs_ = headless::ClockMilliseconds();
  }

  void Press(int key) {
    headless::KeyPress(key);
    Pump();
  }

 private:
  fs::path folder_;
  fs::path previousFolder_;
  std::unique_ptr<ViewerApp> app_;
  uint64_t timerStartMs_ = 0;
  bool quit_ = false;
};

void WriteBytes(const char* name, const void* bytes, size_t size) {
  std::ofstream(name, std::ios::binary).write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

// One random step: mostly timer ticks, then frames, then a key.
class RandomPlayer {
 public:
  RandomPlayer(SoakSession& session, SoakFigures& figures, uint32_t seed)
      : session_(session), figures_(figures), random_(seed) {}

  // Takes one step; returns whether it started a new game.
  bool Step() {
    ViewerApp& app = session_.app();
    const int16_t stateBefore = app.gameState;
    const int roll = Roll(100);
    if (roll < 60) {
      session_.Tick();
      ++figures_.ticks;
    } else if (roll < 85) {
      session_.Frame(25);
      ++figures_.frames;
    } else {
      const int key = RandomKey();
      session_.Press(key);
      ++figures_.keys;
      // Enter after the intro always starts the next game.
      if (key == kEnter) {
        ++figures_.gamesSkipped;
        return true;
      }
    }
    // The timer starts the next game once the end of a game has been shown.
    return stateBefore >= ChessState::kGameOver && app.gameState == ChessState::kPlaying;
  }

 private:
  int Roll(int outcomes) { return std::uniform_int_distribution<int>(0, outcomes - 1)(random_); }

  int RandomKey() {
    const int roll = Roll(100);
    if (roll < 45) return kRight;
    if (roll < 72) return kLeft;
    if (roll < 76) return kEnter;
    return roll < 88 ? kUp : kDown;
  }

  SoakSession& session_;
  SoakFigures& figures_;
  std::mt19937 random_;
};

}  // namespace

SoakFigures RunSoak(const SoakOptions& options) {
  SoakFigures figures;
  SoakSession session;
  const int gamesInFile = options.games + 1;
  figures.gamesInFile = WriteSoakGameFile("Tarnwicket.pgn", options.gameSources, gamesInFile);
  if (figures.gamesInFile == 0) {
    figures.failure = "no games to play in the game sources";
    return figures;
  }
  WriteBytes("Tarnwicket.cfg", kSoakSettings, sizeof kSoakSettings);
  WriteSoakLayoutsFile("Tarnwicket.rnd", 200, options.seed);
  if (!options.artFolder.empty()) {
    for (const char* library : kArtLibraries) fs::copy_file(fs::path(options.artFolder) / library, library);
  }

  try {
    session.Start();
    session.FinishIntro();
    if (SurfacesMadeSoFar() == 0) {
      figures.failure = "the platform calls are not counted (the soak program lacks its --wrap link options)";
      return figures;
    }
    RandomPlayer player(session, figures, options.seed);
    while (figures.gamesOver < options.games && !session.quit()) {
      if (player.Step()) {
        ++figures.gamesOver;
        if (figures.gamesOver == options.baselineGame) figures.atBaseline = MeasureHeldResources();
      }
    }
    figures.atEnd = MeasureHeldResources();
    session.Press(kEscape);
    for (int frame = 0; frame < 100 && !session.quit(); ++frame) session.Frame(25);
    figures.finished = session.quit();
    if (!figures.finished) figures.failure = "the viewer did not close after Escape";
  } catch (const FatalError& error) {
    const ViewerApp& app = session.app();
    figures.failure = std::string(error.text) + " (game " + std::to_string(app.currentGame) + " of the file, move " +
                      std::to_string(app.moveNumber) + ", ply \"" + app.plyDisplayText + "\")";
    return figures;
  }
  figures.afterEscape = MeasureHeldResources();
  return figures;
}

namespace {

void DescribeHeld(std::ostringstream& out, const char* when, const HeldResources& held) {
  out << when << ": memory " << held.memoryBytes << " bytes, " << held.fileHandles << " file handles, " << held.bitmaps
      << " bitmaps, " << held.memoryContexts << " memory contexts, " << held.libraries << " libraries, "
      << held.surfaces << " surfaces made\n";
}

}  // namespace

std::string DescribeSoak(const SoakFigures& figures) {
  std::ostringstream out;
  out << figures.gamesOver << " games over (" << figures.gamesSkipped << " of them cut short by Enter; file of "
      << figures.gamesInFile << " games), " << figures.ticks << " ticks, " << figures.frames << " frames, "
      << figures.keys << " keys\n";
  DescribeHeld(out, "after the baseline game", figures.atBaseline);
  DescribeHeld(out, "after the last game", figures.atEnd);
  DescribeHeld(out, "after Escape", figures.afterEscape);
  const long long growth =
      static_cast<long long>(figures.atEnd.memoryBytes) - static_cast<long long>(figures.atBaseline.memoryBytes);
  out << "memory growth from the baseline to the last game: " << growth << " bytes\n";
  if (!figures.failure.empty()) out << "failure: " << figures.failure << "\n";
  return out.str();
}

std::string SoakVerdict(const SoakFigures& figures) {
  std::string problems;
  auto fail = [&](const std::string& problem) { problems += problem + "\n"; };
  if (!figures.failure.empty()) fail(figures.failure);
  if (!figures.finished) fail("the run did not end with Escape");
  const HeldResources& before = figures.atBaseline;
  const HeldResources& after = figures.atEnd;
  const long long growth = static_cast<long long>(after.memoryBytes) - static_cast<long long>(before.memoryBytes);
  if (growth >= kSoakMemoryGrowthLimit || -growth >= kSoakMemoryGrowthLimit)
    fail("memory in use changed by 1 MB or more");
  if (after.fileHandles > before.fileHandles) fail("open file handles grew");
  if (after.bitmaps > before.bitmaps) fail("live bitmaps grew");
  if (after.memoryContexts > before.memoryContexts) fail("memory contexts grew");
  if (after.libraries > before.libraries) fail("loaded libraries grew");
  if (after.surfaces > before.surfaces) fail("surfaces were made after start-up");
  if (figures.afterEscape.libraries != 0) fail("libraries still loaded after Escape");
  return problems;
}
