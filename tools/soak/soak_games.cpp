// The soak run's files: a long game file made of known-good games, and a
// layouts file of random looks.
#include "tools/soak/soak_games.h"

#include <fstream>
#include <random>
#include <sstream>

namespace {

// The games of a PGN file: each starts at a line beginning "[Event ".
std::vector<std::string> SplitGames(const std::string& text) {
  std::vector<std::string> games;
  size_t start = text.find("[Event ");
  while (start != std::string::npos) {
    size_t next = text.find("\n[Event ", start);
    const size_t end = next == std::string::npos ? text.size() : next + 1;
    games.push_back(text.substr(start, end - start));
    start = next == std::string::npos ? next : next + 1;
  }
  return games;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The game with its first line (the Event tag) and Round value replaced.
std::string Renumbered(const std::string& game, int number) {
  std::string text = "[Event \"Soak game " + std::to_string(number) + "\"]" + game.substr(game.find('\n'));
  const size_t round = text.find("[Round \"");
  if (round != std::string::npos) {
    const size_t valueEnd = text.find('"', round + 8);
    if (valueEnd != std::string::npos) text.replace(round + 8, valueEnd - round - 8, std::to_string(number));
  }
  return text;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

int WriteSoakGameFile(const std::string& path, const std::vector<std::string>& sources, int count) {
  std::vector<std::string> games;
  for (const std::string& source : sources) {
    for (std::string& game : SplitGames(ReadWhole(source))) games.push_back(std::move(game));
  }
  if (games.empty()) return 0;
  std::ofstream out(path, std::ios::binary);
  for (int number = 1; number <= count; ++number) {
    std::string game = Renumbered(games[(number - 1) % games.size()], number);
    if (game.back() != '\n') game += '\n';
    game += '\n';
    out << (number % 7 == 0 ? WithCrLf(game) : game);
  }
  return out ? count : 0;
}

bool WriteSoakLayoutsFile(const std::string& path, int count, uint32_t seed) {
  std::mt19937 random(seed);
  auto upTo = [&](int highest) { return static_cast<char>(std::uniform_int_distribution<int>(0, highest)(random)); };
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < count; ++i) {
    // Piece sets 1..42, backdrop, console and board 0..15, console style 0..17: one past each.
    const char record[6] = {upTo(43), upTo(43), upTo(16), upTo(16), upTo(16), upTo(18)};
    out.write(record, sizeof record);
  }
  return static_cast<bool>(out);
}
