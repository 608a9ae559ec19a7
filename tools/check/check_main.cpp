// TarnwicketCheck [--plies] FILE.pgn (or an http:// or https:// address,
// fetched once into a copy in the current folder): plays every game of a
// PGN file through the viewer's chess code and prints one line per game,
// and with --plies one line per ply before it (see README.md).
// Exit status: 0 every game played through, 1 some raised an error,
// 2 the file cannot be read or fetched.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/check/check_broadcast.h"
#include "tools/check/game_checker.h"

int main(int argc, char** argv) {
  const bool plies = argc == 3 && std::strcmp(argv[1], "--plies") == 0;
  if (argc != 2 && !plies) {
    std::fprintf(stderr, "usage: TarnwicketCheck [--plies] FILE.pgn | http://ADDRESS | https://ADDRESS\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  std::string fileName;
  std::string failure;
  if (!FileToCheck(argv[argc - 1], &fileName, &failure)) {
    std::fprintf(stderr, "TarnwicketCheck: %s\n", failure.c_str());
    return 2;
  }
  GameChecker checker;
  static char outputBuffer[1 << 16];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  // One pass over the file: each game is played as soon as it is read.
  int games = 0;
  try {
    if (!checker.Open(fileName.c_str())) throw FatalError("cannot read");
    if (plies) checker.ShowPlies();
    std::string plyLines;
    while (checker.LoadNextGame()) {
      plyLines.clear();
      const std::string line = checker.PlayLoadedGame(plies ? &plyLines : nullptr);
      std::fputs(plyLines.c_str(), stdout);
      std::fputs(line.c_str(), stdout);
      std::fputc('\n', stdout);
      ++games;
    }
  } catch (const FatalError&) {
    std::fprintf(stderr, "TarnwicketCheck: cannot read %s\n", fileName.c_str());
    return 2;
  }
  std::fflush(stdout);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::fprintf(stderr, "%d games, %d errors, %ld plies, %.3f seconds\n", games, checker.errors, checker.pliesPlayed,
               seconds);
  return checker.errors > 0 ? 1 : 0;
}
