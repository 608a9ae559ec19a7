// Benchmark of the viewer's start-up indexing: generates a PGN file of about
// 50 MB (or the size given in MB), counts and indexes it as the viewer does
// at start-up, and prints the speed in MB/s; then prints how long loading
// the last game takes.
//   bench_index [SIZE_MB] [FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "tools/bench_index/generate_pgn.h"
#include "viewer/show/game_index.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

}  // namespace

int main(int argc, char** argv) {
  const double megabytes = argc > 1 ? std::atof(argv[1]) : 50.0;
  const std::string path =
      argc > 2 ? argv[2] : (std::filesystem::temp_directory_path() / "tarnwicket_bench_index.pgn").string();
  const int games = GeneratePgnFile(path, static_cast<int64_t>(megabytes * 1e6), 20240601u);
  if (games == 0) {
    std::fprintf(stderr, "bench_index: cannot write %s\n", path.c_str());
    return 2;
  }
  const double fileMegabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  std::printf("file: %s, %.1f MB, %d games\n", path.c_str(), fileMegabytes, games);

  // Wall-clock time, and the processor time of this program alone (which
  // other programs running at the same time disturb less).
  double best = 1e9, bestProcessor = 1e9;
  GameIndex library;
  library.KeepRecords(false);
  library.SetFileName(path.c_str());
  for (int run = 0; run < 5; ++run) {
    const auto start = Clock::now();
    const std::clock_t processorStart = std::clock();
    library.CountGames();
    library.IndexPlies();
    best = std::min(best, SecondsSince(start));
    bestProcessor = std::min(bestProcessor, static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC);
  }
  std::printf(
      "indexing (CountGames + IndexPlies): %d games, best of 5: %.3f s, %.0f MB/s (processor time: %.0f MB/s)\n",
      library.lastGameIndex() + 1, best, fileMegabytes / best, fileMegabytes / bestProcessor);

  double loadBest = 1e9;
  for (int run = 0; run < 5; ++run) {
    library.LoadGame(0);  // start away from the end of the file
    const auto start = Clock::now();
    library.LoadGame(library.lastGameIndex());
    loadBest = std::min(loadBest, SecondsSince(start));
  }
  std::printf("LoadGame of the last game: %.3f ms (%d plies)\n", loadBest * 1e3, library.plies().loadedPlies);
  if (argc <= 2) std::filesystem::remove(path);
  return 0;
}
