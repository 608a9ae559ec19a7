// The soak run: the viewer headless on the virtual clock, through thousands
// of games of a generated file, in random order with random layouts, with
// Right, Left, Up, Down and Enter pressed at random moments and Escape at the
// end. It measures what the viewer holds after a baseline game and after the
// last one: memory in use, open file handles, live bitmaps and memory
// contexts, loaded libraries and surfaces made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SoakOptions {
  int games = 2000;        // games started after the first one before Escape
  int baselineGame = 100;  // figures taken when this many games are over
  uint32_t seed = 1;       // the key presses and the layouts file
  std::string artFolder;   // where the four art libraries are; empty: none
  // PGN files of games the viewer plays through (the demo games, the test
  // data's legal games); the game file cycles through them.
  std::vector<std::string> gameSources;
};

struct HeldResources {
  size_t memoryBytes = 0;  // heap in use, less the headless backend's log of sounds
  int fileHandles = 0;
  int bitmaps = 0;
  int memoryContexts = 0;
  int libraries = 0;
  int surfaces = 0;
};

struct SoakFigures {
  bool finished = false;  // Escape closed the viewer after the last game
  std::string failure;    // the FatalError's text, or why the run stopped
  int gamesInFile = 0;
  int gamesOver = 0;
  int gamesSkipped = 0;  // ended by Enter rather than played out
  long ticks = 0, frames = 0, keys = 0;
  HeldResources atBaseline;
  HeldResources atEnd;
  HeldResources afterEscape;
};

// Runs the viewer in a fresh folder under the temporary folder (removed
// afterwards) and returns what it measured.
SoakFigures RunSoak(const SoakOptions& options);

// The figures as lines of text.
std::string DescribeSoak(const SoakFigures& figures);

// Memory in use after the last game may differ from the baseline by less than this.
constexpr long long kSoakMemoryGrowthLimit = 1024 * 1024;

// Empty when the run passed: it ended with Escape, memory stayed within the
// limit and no count grew; otherwise one line per problem.
std::string SoakVerdict(const SoakFigures& figures);
