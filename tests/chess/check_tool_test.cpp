// TarnwicketCheck as users run it: its lines, its summary, its exit status;
// and its boards against an independent chess library (the demo games, a
// set of random legal games, and the shared corpus of real game files).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "tests/chess/test_support.h"

namespace {

using test_support::DataFile;
using test_support::ScratchFolderTest;
using test_support::WriteWholeFile;

struct CheckRun {
  int status = -1;
  std::vector<std::vector<std::string>> lines;  // tab-separated fields
  std::string summary;                          // standard error
};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

CheckRun RunCheck(const std::string& file) {
  CheckRun run;
  const std::string errors =
      (std::filesystem::temp_directory_path() / ("tarnwicket_check_stderr_" + std::to_string(::getpid()))).string();
  const std::string command = std::string("'") + TARNWICKET_CHECK_PROGRAM + "' '" + file + "' 2>'" + errors + "'";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::string output;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::stringstream in(output);
  for (std::string line; std::getline(in, line);) run.lines.push_back(Fields(line));
  run.summary = test_support::ReadWholeFile(errors);
  std::filesystem::remove(errors);
  return run;
}

// Expected TSV lines of the independent library: number, plies, board, FEN.
std::vector<std::vector<std::string>> ReadExpected(const std::string& path) {
  std::vector<std::vector<std::string>> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(Fields(line));
  return lines;
}

bool IsWellFormed(const std::vector<std::string>& line, int number) {
  if (line.size() != 4 || line[0] != std::to_string(number)) return false;
  if (line[1] == "ERROR") return std::stoi(line[2]) >= 1 && !line[3].empty();
  return line[2].size() == 64 && (line[3] == "1-0" || line[3] == "0-1" || line[3] == "1/2-1/2" || line[3] == "*");
}

// Compares every game's plies and final board with the expected file.
void ExpectSameBoards(const std::string& pgn, const std::string& expectedTsv) {
  const CheckRun run = RunCheck(pgn);
  const auto expected = ReadExpected(expectedTsv);
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.lines.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    ASSERT_TRUE(IsWellFormed(run.lines[i], static_cast<int>(i) + 1)) << pgn << " line " << i + 1;
    EXPECT_EQ(run.lines[i][1], expected[i][1]) << "game " << i + 1;
    EXPECT_EQ(run.lines[i][2], expected[i][2]) << "game " << i + 1;
  }
}

TEST(CheckToolTest, TheDemoGamesPlayThroughAsAnIndependentLibraryPlaysThem) {
  ExpectSameBoards(TARNWICKET_DEMO_FILE, DataFile("pgn/demo-games.expected.tsv"));
  const CheckRun run = RunCheck(TARNWICKET_DEMO_FILE);
  ASSERT_GE(run.lines.size(), 20u);
  ASSERT_LE(run.lines.size(), 30u);
  for (const auto& line : run.lines) EXPECT_NE(line[3], "*") << "every demo game has its result";
  EXPECT_NE(run.summary.find(std::to_string(run.lines.size()) + " games, 0 errors, "), std::string::npos)
      << run.summary;
}

TEST(CheckToolTest, RandomLegalGamesWithPinnedPiecesAgree) {
  ExpectSameBoards(DataFile("pgn/random-legal-games-with-pins.pgn"),
                   DataFile("pgn/random-legal-games-with-pins.expected.tsv"));
}

// Games from Chess960 starts (X-FEN and Shredder-FEN rights, every kind of
// castling) and from set-up positions (Black first, en passant squares, three
// queens, no plies, long algebraic and from-to moves, move numbers without
// periods), as chessops plays them (tools/fen_cases/make_setup_games.mjs).
TEST(CheckToolTest, SetUpAndChess960GamesAgree) {
  ExpectSameBoards(DataFile("pgn/setup-and-chess960-games.pgn"), DataFile("pgn/setup-and-chess960-games.expected.tsv"));
}

class CheckToolFileTest : public ScratchFolderTest {};

TEST_F(CheckToolFileTest, AFailingPlyGivesAnErrorLineAndTheCheckGoesOn) {
  WriteWholeFile("games.pgn", "1. e4 Ke5 *\n\n1. d4 d5 1/2-1/2\n");
  const CheckRun run = RunCheck("games.pgn");
  EXPECT_EQ(run.status, 1);
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[0], (std::vector<std::string>{"1", "ERROR", "2", "ERROR - Black Couldn't show move Ke5"}));
  EXPECT_EQ(run.lines[1][1], "2");
  EXPECT_EQ(run.lines[1][3], "1/2-1/2");
  EXPECT_EQ(run.summary.rfind("2 games, 1 errors, 3 plies, ", 0), 0u) << run.summary;
  EXPECT_FALSE(std::filesystem::exists("lastgameplayed.txt"));
  EXPECT_FALSE(std::filesystem::exists("Tarnwicket.rsm"));
}

TEST_F(CheckToolFileTest, OtherVariantsAndImpossiblePositionsAreRefusedAtTheirFirstPly) {
  WriteWholeFile("games.pgn",
                 "[Variant \"Atomic\"]\n\n1. e4 e5 *\n\n"
                 "[Variant \"King of the Hill\"]\n\n1. e4 *\n\n"
                 "[FEN \"4k3/8/8/8/8/8/8/3KK3 w - - 0 1\"]\n\n1. Kc2 *\n\n"
                 "[FEN \"4k3/8/8/8/8/8/8 w - - 0 1\"]\n\n1. Kc2 *\n\n"
                 "[FEN \"4k3/8/8/8/8/8/4R3/4K3 w - - 0 1\"]\n\n1. Kd1 *\n\n"
                 "[Variant \"chess-960\"]\n[FEN \"4k3/8/8/8/8/8/8/4K2R w K - 0 1\"]\n\n1. O-O *\n");
  const CheckRun run = RunCheck("games.pgn");
  ASSERT_EQ(run.lines.size(), 6u);
  EXPECT_EQ(run.lines[0][3], "Can't show this game: it follows the rules of Atomic");
  EXPECT_EQ(run.lines[1][3], "Can't show this game: it follows the rules of King of the Hill");
  EXPECT_EQ(run.lines[2][3], "Can't show this game: its FEN tag is not a legal position (more than one White king)");
  EXPECT_EQ(run.lines[3][3], "Can't show this game: its FEN tag is not a legal position (not 8 ranks of 8 squares)");
  EXPECT_EQ(run.lines[4][3],
            "Can't show this game: its FEN tag is not a legal position (the side not to move is in check)");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(run.lines[i][2], "1") << i;
  EXPECT_EQ(run.lines[5][1], "1");
  EXPECT_EQ(run.lines[5][2].substr(56), ".....rk.");
}

TEST_F(CheckToolFileTest, NullMovesPassTheTurn) {
  WriteWholeFile("games.pgn", "1. e4 -- 2. d4 e5 3. Z0 exd4 *\n");
  const CheckRun run = RunCheck("games.pgn");
  ASSERT_EQ(run.lines.size(), 1u);
  EXPECT_EQ(run.lines[0][1], "6");
  EXPECT_EQ(run.lines[0][2], "RNBQKBNRPPPP.PPP...................Pp...........ppp..ppprnbqkbnr");
}

TEST_F(CheckToolFileTest, AFileThatCannotBeReadExitsWithTwo) {
  EXPECT_EQ(RunCheck("missing.pgn").status, 2);
  std::filesystem::create_directory("folder.pgn");
  const CheckRun run = RunCheck("folder.pgn");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.lines.empty());
}

// Games of the shared corpus under other rules than chess: every game of
// the file except those listed must stop with the refusal. (The corpus's
// expected positions come from chess.js, and for set-up positions and
// Chess960 from chessops; chess.js plays the Antichess games as chess.)
struct KnownDifference {
  const char* file;
  const char* why;
  std::set<int> exceptGames;
};

const KnownDifference kKnownDifferences[] = {
    {"dartchess/headers-and-moves-on-the-same-line.pgn", "Antichess variant", {}},
    {"python-chess/antichess-programfox.pgn", "Antichess variant", {}},
    {"python-chess/knightvuillaume-jannlee-zh-lichess.pgn", "Crazyhouse variant", {}},
    {"python-chess/saturs-jannlee-zh-lichess.pgn", "Crazyhouse variant", {}},
};

TEST(CheckToolCorpusTest, GamesAgreeWithTheIndependentLibraries) {
  const std::filesystem::path corpus = std::filesystem::path(TARNWICKET_SHARED_DIR) / "corpus";
  if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no shared corpus at " << corpus;

  std::map<std::string, const KnownDifference*> known;
  for (const auto& difference : kKnownDifferences) known[difference.file] = &difference;

  int files = 0, compared = 0, differing = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
    if (entry.path().extension() != ".pgn") continue;
    const std::string name = std::filesystem::relative(entry.path(), corpus).generic_string();
    std::filesystem::path expectedPath = entry.path();
    expectedPath.replace_extension(".expected.tsv");
    if (!std::filesystem::exists(expectedPath)) continue;
    ++files;
    const auto expected = ReadExpected(expectedPath.string());
    const CheckRun run = RunCheck(entry.path().string());
    ASSERT_TRUE(run.status == 0 || run.status == 1) << name << " exit " << run.status;
    ASSERT_EQ(run.lines.size(), expected.size()) << name << ": games found";
    const auto found = known.find(name);
    for (size_t i = 0; i < expected.size(); ++i) {
      const int number = static_cast<int>(i) + 1;
      const auto& line = run.lines[i];
      ASSERT_TRUE(IsWellFormed(line, number)) << name << " game " << number;
      if (found != known.end() && found->second->exceptGames.count(number) == 0) {
        ++differing;
        EXPECT_EQ(line[1], "ERROR") << name << " game " << number << " (" << found->second->why << ")";
        EXPECT_EQ(line[3].rfind("Can't show this game: it follows the rules of ", 0), 0u) << name << " " << line[3];
        continue;
      }
      if (expected[i][1] == "ERROR") continue;  // the library could not read it either
      ++compared;
      EXPECT_EQ(line[1], expected[i][1]) << name << " game " << number << ": plies";
      if (line[1] != "ERROR") {
        EXPECT_EQ(line[2], expected[i][2]) << name << " game " << number << ": board";
      }
    }
  }
  EXPECT_GT(files, 50);
  EXPECT_GT(compared, 4100);
  std::printf("corpus: %d files, %d games compared, %d known differences\n", files, compared, differing);
}

}  // namespace
