// TarnwicketCheck as users run it: its lines, its summary, its exit status;
// its boards against an independent chess library (the demo games, a set of
// random legal games, and the shared corpus of real game files); and its
// --plies lines against the same plies read by chessops (tests/data/plies).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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
  std::vector<std::string> texts;               // standard output, line by line
  std::vector<std::vector<std::string>> lines;  // the same lines' tab-separated fields
  std::string summary;                          // standard error
};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

// Runs TarnwicketCheck on `file`, with `options` before it.
CheckRun RunCheck(const std::string& file, const std::vector<std::string>& options = {}) {
  CheckRun run;
  const std::string errors =
      (std::filesystem::temp_directory_path() / ("tarnwicket_check_stderr_" + std::to_string(::getpid()))).string();
  std::string command = std::string("'") + TARNWICKET_CHECK_PROGRAM + "'";
  for (const std::string& option : options) command += " '" + option + "'";
  command += " '" + file + "' 2>'" + errors + "'";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::string output;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::stringstream in(output);
  for (std::string line; std::getline(in, line);) {
    run.texts.push_back(line);
    run.lines.push_back(Fields(line));
  }
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

// --plies: the lines of each game's plies, numbered from 1, come before the
// game's own line, from the side a set-up position names.
TEST_F(CheckToolFileTest, PlyLinesComeBeforeTheirGamesLine) {
  WriteWholeFile("games.pgn",
                 "[TimeControl \"60+1\"]\n\n1. e4 {[%clk 0:00:59.5] ok} e5 $2 *\n\n"
                 "[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 1\"]\n[BlackClock \"0:02:00\"]\n\n"
                 "1... Kd7 {[%clk 0:01:50] [%eval #-3]} 2. e4 *\n");
  const CheckRun run = RunCheck("games.pgn", {"--plies"});
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.lines.size(), 6u);
  EXPECT_EQ(run.texts[0], "1\t1\te4\t59\t1500\t-\tok");
  EXPECT_EQ(run.texts[1], "1\t2\te5?\t-\t-\t-\t-");
  EXPECT_TRUE(IsWellFormed(run.lines[2], 1));
  EXPECT_EQ(run.lines[2][1], "2");
  EXPECT_EQ(run.texts[3], "2\t1\tKd7\t110\t10000\t#-3\t-");
  EXPECT_EQ(run.texts[4], "2\t2\te4\t-\t-\t-\t-");
  EXPECT_TRUE(IsWellFormed(run.lines[5], 2));
  EXPECT_EQ(run.lines[5][1], "2");
}

// A ';' comment runs to the end of its line; the ';' is no part of it.
TEST_F(CheckToolFileTest, ARestOfLineCommentIsThePlysWithoutItsSemicolon) {
  WriteWholeFile("games.pgn", "1. e4 ;to the line's end {no brace comment\r\ne5 {braced} *\n");
  const CheckRun run = RunCheck("games.pgn", {"--plies"});
  ASSERT_EQ(run.texts.size(), 3u);
  EXPECT_EQ(run.texts[0], "1\t1\te4\t-\t-\t-\tto the line's end {no brace comment");
  EXPECT_EQ(run.texts[1], "1\t2\te5\t-\t-\t-\tbraced");
}

TEST_F(CheckToolFileTest, ANullMoveShowsAsTwoDashesWithItsGlyph) {
  WriteWholeFile("games.pgn", "1. e4 -- $1 2. d4 Z0 $6 3. c4 Z0!? *\n");
  const CheckRun run = RunCheck("games.pgn", {"--plies"});
  ASSERT_EQ(run.texts.size(), 7u);
  EXPECT_EQ(run.texts[1], "1\t2\t--!\t-\t-\t-\t-");
  EXPECT_EQ(run.texts[3], "1\t4\t--?!\t-\t-\t-\t-");
  EXPECT_EQ(run.texts[5], "1\t6\t--!?\t-\t-\t-\t-");
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

// --plies against the known answers of tests/data/plies: each NAME.expected.tsv
// holds the ply lines of the game file NAME.pgn (beside it, among the comment
// reader's real exports in tests/data/comments, or, for corpus-DIR-NAME, the
// shared corpus's DIR/NAME.pgn), written by tools/check/make_plies_expected.mjs
// from chessops' reading of the file (see the README there).
namespace fs = std::filesystem;

constexpr char kExpectedEnd[] = ".expected.tsv";
constexpr char kCorpusPrefix[] = "corpus-";

fs::path PliesFolder() { return fs::path(TARNWICKET_TEST_DATA) / "plies"; }
fs::path CorpusFolder() { return fs::path(TARNWICKET_SHARED_DIR) / "corpus"; }

// The names of the expected files, without their ending.
std::vector<std::string> PlyAnswerNames() {
  std::vector<std::string> names;
  const std::string end = kExpectedEnd;
  for (const fs::directory_entry& entry : fs::directory_iterator(PliesFolder())) {
    const std::string name = entry.path().filename().string();
    if (name.size() > end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0) {
      names.push_back(name.substr(0, name.size() - end.size()));
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The game file of the answers `name`; empty when there is none.
fs::path GameFileOf(const std::string& name) {
  for (const fs::path& folder : {PliesFolder(), fs::path(TARNWICKET_TEST_DATA) / "comments"}) {
    if (fs::exists(folder / (name + ".pgn"))) return folder / (name + ".pgn");
  }
  if (name.rfind(kCorpusPrefix, 0) != 0 || !fs::is_directory(CorpusFolder())) return {};
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(CorpusFolder())) {
    if (entry.path().extension() != ".pgn") continue;
    const fs::path relative = fs::relative(entry.path(), CorpusFolder());
    if (kCorpusPrefix + relative.parent_path().generic_string() + "-" + relative.stem().string() == name) {
      return entry.path();
    }
  }
  return {};
}

std::vector<std::string> ReadLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The ply lines of a --plies run; checks on the way that each game's plies,
// numbered from 1, come before its own line and as many as it has played.
std::vector<std::string> PlyLinesOf(const CheckRun& run, const std::string& name) {
  std::vector<std::string> plyLines;
  int game = 1, plies = 0;
  for (size_t i = 0; i < run.lines.size(); ++i) {
    const std::vector<std::string>& fields = run.lines[i];
    if (fields.size() == 7) {
      EXPECT_EQ(fields[0], std::to_string(game)) << name << ": " << run.texts[i];
      EXPECT_EQ(fields[1], std::to_string(++plies)) << name << ": " << run.texts[i];
      plyLines.push_back(run.texts[i]);
      continue;
    }
    EXPECT_TRUE(IsWellFormed(fields, game)) << name << ": " << run.texts[i];
    if (fields.size() == 4 && fields[1] == "ERROR") {
      EXPECT_EQ(fields[2], std::to_string(plies + 1)) << name << ": " << run.texts[i];  // the ply after them
    } else if (fields.size() == 4) {
      EXPECT_EQ(fields[1], std::to_string(plies)) << name << ": " << run.texts[i];
    }
    ++game;
    plies = 0;
  }
  return plyLines;
}

class PlyLinesKnownAnswersTest : public testing::TestWithParam<std::string> {};

TEST_P(PlyLinesKnownAnswersTest, EveryPlyAsChessopsReadsIt) {
  const std::string& name = GetParam();
  const fs::path game = GameFileOf(name);
  if (game.empty() && name.rfind(kCorpusPrefix, 0) == 0 && !fs::is_directory(CorpusFolder())) {
    GTEST_SKIP() << "no shared corpus at " << CorpusFolder();
  }
  ASSERT_FALSE(game.empty()) << "no game file for " << name;
  const CheckRun run = RunCheck(game.string(), {"--plies"});
  ASSERT_TRUE(run.status == 0 || run.status == 1) << name << " exit " << run.status;
  const std::vector<std::string> plyLines = PlyLinesOf(run, name);
  const std::vector<std::string> expected = ReadLines(PliesFolder() / (name + kExpectedEnd));
  for (size_t i = 0; i < std::min(plyLines.size(), expected.size()); ++i) {
    EXPECT_EQ(plyLines[i], expected[i]) << name << " ply line " << i + 1;
  }
  EXPECT_EQ(plyLines.size(), expected.size()) << name;
}

std::string AnswerTestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Files, PlyLinesKnownAnswersTest, testing::ValuesIn(PlyAnswerNames()), AnswerTestName);

// The answers together hold enough of each kind for the comparison to mean
// something (a file lost or emptied shows here).
TEST(PlyLinesKnownAnswersSizeTest, TheAnswersHoldEnoughOfEachKind) {
  int plies = 0, clocks = 0, spent = 0, noneSpent = 0, evaluations = 0, comments = 0, glyphs = 0;
  for (const std::string& name : PlyAnswerNames()) {
    for (const std::string& line : ReadLines(PliesFolder() / (name + kExpectedEnd))) {
      const std::vector<std::string> fields = Fields(line);
      ASSERT_EQ(fields.size(), 7u) << name << ": " << line;
      ++plies;
      clocks += fields[3] != "-";
      spent += fields[4] != "-";
      noneSpent += fields[4] == "0";
      evaluations += fields[5] != "-";
      comments += fields[6] != "-";
      glyphs += fields[2].find_first_of("!?") != std::string::npos;
    }
  }
  EXPECT_GE(plies, 2500);
  EXPECT_GE(clocks, 1100);
  EXPECT_GE(spent, 1100);
  EXPECT_GE(noneSpent, 200);
  EXPECT_GE(evaluations, 300);
  EXPECT_GE(comments, 800);
  EXPECT_GE(glyphs, 80);
}

}  // namespace
