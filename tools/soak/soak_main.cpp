// TarnwicketSoak: the full soak run of the viewer (see soak_run.h).
//
//   TarnwicketSoak [--games N] [--baseline N] [--seed S] [--art FOLDER] [GAMES.pgn...]
//
// Defaults: 2000 games, figures compared between game 100 and the last,
// seed 1, the art libraries of the build's run folder, and the demo games and
// the test data's legal games as the games to cycle through. Prints the
// figures; exit status 0 when the run passed, 1 when it did not.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/soak/soak_run.h"

int main(int argc, char** argv) {
  SoakOptions options;
  options.artFolder = TARNWICKET_SOAK_ART_FOLDER;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--games") == 0 && hasValue) {
      options.games = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--baseline") == 0 && hasValue) {
      options.baselineGame = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
      options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (std::strcmp(argv[i], "--art") == 0 && hasValue) {
      options.artFolder = argv[++i];
    } else if (argv[i][0] == '-') {
      std::fprintf(stderr,
                   "usage: TarnwicketSoak [--games N] [--baseline N] [--seed S] [--art FOLDER] [GAMES.pgn...]\n");
      return 2;
    } else {
      options.gameSources.push_back(argv[i]);
    }
  }
  if (options.gameSources.empty())
    options.gameSources = {TARNWICKET_SOAK_DEMO_GAMES, TARNWICKET_SOAK_LEGAL_GAMES, TARNWICKET_SOAK_SETUP_GAMES,
                           TARNWICKET_SOAK_CLOCKED_GAMES, TARNWICKET_SOAK_COMMENTED_GAMES};
  if (options.games < 1 || options.baselineGame < 1 || options.baselineGame >= options.games) {
    std::fprintf(stderr, "TarnwicketSoak: the baseline game must come before the last game\n");
    return 2;
  }
  const SoakFigures figures = RunSoak(options);
  std::fputs(DescribeSoak(figures).c_str(), stdout);
  const std::string problems = SoakVerdict(figures);
  if (!problems.empty()) {
    std::fprintf(stdout, "FAILED:\n%s", problems.c_str());
    return 1;
  }
  std::fputs("passed\n", stdout);
  return 0;
}
