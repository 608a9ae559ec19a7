// TarnwicketCheck FILE.pgn: plays every game of a PGN file through the
// viewer's chess code and prints one line per game (see README.md).
// Exit status: 0 every game played through, 1 some raised an error,
// 2 the file cannot be read.
#include <chrono>
#include <cstdio>
#include <string>

#include "tools/check/game_checker.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: TarnwicketCheck FILE.pgn\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  GameChecker checker;
  if (!checker.Index(argv[1])) {
    std::fprintf(stderr, "TarnwicketCheck: cannot read %s\n", argv[1]);
    return 2;
  }
  static char outputBuffer[1 << 16];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  const int games = checker.GameCount();
  for (int number = 1; number <= games; ++number) {
    const std::string line = checker.PlayGame(number);
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
  }
  std::fflush(stdout);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::fprintf(stderr, "%d games, %d errors, %ld plies, %.3f seconds\n", games, checker.errors, checker.pliesPlayed,
               seconds);
  return checker.errors > 0 ? 1 : 0;
}
