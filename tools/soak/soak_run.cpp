// The soak run's driver: sets up the folder, starts the viewer, and plays on
// the virtual clock with timer ticks, frames and random keys until enough
// games are over.
#include "tools/soak/soak_run.h"

#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>

#include "tests/support/viewer_session.h"
#include "tools/soak/held_resources.h"
#include "tools/soak/soak_games.h"

namespace {

// Windowed, random layouts, random order, no waits, fastest pieces, sound
// on; real pace at 60x with comments shown, so that the clocked and
// commented games run their clocks and tickers.
SettingsRecord SoakSettings() {
  SettingsRecord settings = TestSettings();
  settings.realPace = 1;
  settings.realPaceFactor = 60;
  settings.showComments = 1;
  settings.moveDelay = 0;
  settings.nextGameDelay = 1;
  settings.useRandomLayouts = 1;
  settings.scrollAnnouncementsForever = 0;
  settings.randomGameOrder = 1;
  return settings;
}

// One random step: mostly timer ticks, then frames, then a key.
class RandomPlayer {
 public:
  RandomPlayer(ViewerSession& session, SoakFigures& figures, uint32_t seed)
      : session_(session), figures_(figures), random_(seed) {}

  // Takes one step; returns whether it started a new game.
  bool Step() {
    ViewerApp& app = session_.app();
    const int16_t stateBefore = app.chess().gameState();
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
      if (key == kEnterKey) {
        ++figures_.gamesSkipped;
        return true;
      }
    }
    // The timer starts the next game once the end of a game has been shown.
    return stateBefore >= ChessState::kGameOver && app.chess().gameState() == ChessState::kPlaying;
  }

 private:
  int Roll(int outcomes) { return std::uniform_int_distribution<int>(0, outcomes - 1)(random_); }

  int RandomKey() {
    const int roll = Roll(100);
    if (roll < 45) return kRightKey;
    if (roll < 72) return kLeftKey;
    if (roll < 76) return kEnterKey;
    return roll < 88 ? kUpKey : kDownKey;
  }

  ViewerSession& session_;
  SoakFigures& figures_;
  std::mt19937 random_;
};

}  // namespace

SoakFigures RunSoak(const SoakOptions& options) {
  SoakFigures figures;
  SessionSetup setup;
  setup.settings = SoakSettings();
  setup.artLibraries = !options.artFolder.empty();
  setup.artFolder = options.artFolder;
  ViewerSession session(setup);
  const int gamesInFile = options.games + 1;
  figures.gamesInFile = WriteSoakGameFile("Tarnwicket.pgn", options.gameSources, gamesInFile);
  if (figures.gamesInFile == 0) {
    figures.failure = "no games to play in the game sources";
    return figures;
  }
  WriteSoakLayoutsFile("Tarnwicket.rnd", 200, options.seed);

  try {
    session.Start();
    session.FinishIntro(100);
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
    session.Press(kEscapeKey);
    for (int frame = 0; frame < 100 && !session.quit(); ++frame) session.Frame(25);
    figures.finished = session.quit();
    if (!figures.finished) figures.failure = "the viewer did not close after Escape";
  } catch (const FatalError& error) {
    if (!session.started()) {
      figures.failure = error.text;
      return figures;
    }
    const ViewerApp& app = session.app();
    figures.failure = std::string(error.text) + " (game " + std::to_string(app.games().currentGame()) +
                      " of the file, move " + std::to_string(app.chess().moveNumber()) + ", ply \"" +
                      app.chess().plyDisplayText() + "\")";
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
