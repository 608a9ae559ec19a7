// A shortened soak run of the viewer (the full one is TarnwicketSoak): games
// in random order with random layouts and random keys, under the sanitizers
// in the sanitizer build (LeakSanitizer checks the whole program at exit).
#include <gtest/gtest.h>

#include "tools/soak/soak_run.h"

namespace {

TEST(ShortSoak, MemoryAndHeldResourcesStayFlatOverManyGames) {
  SoakOptions options;
  options.games = 120;
  options.baselineGame = 40;
  options.seed = 7;
  options.artFolder = TARNWICKET_ART_LIBRARY_DIR;
  options.gameSources = {TARNWICKET_DEMO_GAMES, TARNWICKET_LEGAL_GAMES, TARNWICKET_SETUP_GAMES,
                         TARNWICKET_CLOCKED_GAMES, TARNWICKET_COMMENTED_GAMES};
  const SoakFigures figures = RunSoak(options);
  std::printf("%s", DescribeSoak(figures).c_str());
  EXPECT_EQ(SoakVerdict(figures), "");
  EXPECT_EQ(figures.gamesOver, options.games);
  // The first game's surfaces are all there is: 40 or more of them.
  EXPECT_GE(figures.atEnd.surfaces, 40);
  EXPECT_EQ(figures.atEnd.libraries, 4);
}

}  // namespace
