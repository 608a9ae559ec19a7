// Made-up PGN games for the indexing benchmark.
#include "tools/bench_index/generate_pgn.h"

#include <cstdio>
#include <random>

namespace {

const char* const kPieces[] = {"", "", "", "N", "B", "R", "Q", "K"};
const char* const kResults[] = {"1-0", "0-1", "1/2-1/2", "*"};

std::string MakeMove(std::mt19937& random) {
  std::string move;
  const int shape = random() % 40;
  if (shape == 0) return "O-O";
  if (shape == 1) return "O-O-O";
  move += kPieces[random() % 8];
  if (random() % 5 == 0) {
    if (move.empty()) move += static_cast<char>('a' + random() % 8);
    move += 'x';
  }
  move += static_cast<char>('a' + random() % 8);
  move += static_cast<char>('1' + random() % 8);
  if (random() % 9 == 0) move += '+';
  return move;
}

void WriteGame(std::FILE* file, std::mt19937& random, int number) {
  const char* result = kResults[random() % 4];
  std::fprintf(file,
               "[Event \"Rated Blitz game\"]\n[Site \"https://example.org/%08x\"]\n[Date \"2021.%02d.%02d\"]\n"
               "[Round \"-\"]\n[White \"player%u\"]\n[Black \"player%u\"]\n[Result \"%s\"]\n"
               "[UTCDate \"2021.%02d.%02d\"]\n[UTCTime \"%02d:%02d:%02d\"]\n[WhiteElo \"%u\"]\n[BlackElo \"%u\"]\n"
               "[WhiteRatingDiff \"+%u\"]\n[BlackRatingDiff \"-%u\"]\n[ECO \"B%02u\"]\n"
               "[Opening \"Sicilian Defense: Game %d\"]\n[TimeControl \"300+0\"]\n[Termination \"Normal\"]\n\n",
               static_cast<unsigned>(random()), 1 + static_cast<int>(random() % 12),
               1 + static_cast<int>(random() % 28), static_cast<unsigned>(random() % 100000),
               static_cast<unsigned>(random() % 100000), result, 1 + static_cast<int>(random() % 12),
               1 + static_cast<int>(random() % 28), static_cast<int>(random() % 24), static_cast<int>(random() % 60),
               static_cast<int>(random() % 60), 1000 + static_cast<unsigned>(random() % 1500),
               1000 + static_cast<unsigned>(random() % 1500), static_cast<unsigned>(random() % 20),
               static_cast<unsigned>(random() % 20), static_cast<unsigned>(random() % 100), number);
  const int plies = 40 + static_cast<int>(random() % 120);
  const bool clocks = random() % 2 == 0;
  int column = 0;
  for (int ply = 0; ply < plies; ++ply) {
    std::string text;
    if (ply % 2 == 0)
      text = std::to_string(ply / 2 + 1) + ". ";
    else if (clocks)
      text = std::to_string(ply / 2 + 1) + "... ";
    text += MakeMove(random);
    if (clocks)
      text += " { [%clk 0:0" + std::to_string(random() % 5) + ":" + std::to_string(10 + random() % 50) + "] }";
    if (random() % 50 == 0) text += " $" + std::to_string(1 + random() % 6);
    if (random() % 80 == 0) text += " ( " + MakeMove(random) + " " + MakeMove(random) + " )";
    if (column + static_cast<int>(text.size()) > 79) {
      std::fputc('\n', file);
      column = 0;
    } else if (column > 0) {
      std::fputc(' ', file);
      ++column;
    }
    std::fputs(text.c_str(), file);
    column += static_cast<int>(text.size());
  }
  std::fprintf(file, " %s\n\n", result);
}

}  // namespace

int GeneratePgnFile(const std::string& path, int64_t bytes, uint32_t seed) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::mt19937 random(seed);
  int games = 0;
  while (std::ftell(file) < bytes) WriteGame(file, random, ++games);
  std::fclose(file);
  return games;
}
