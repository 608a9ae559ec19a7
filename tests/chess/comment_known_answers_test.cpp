// The comment reader against known answers of real exports: every
// tests/data/comments/*.expected.tsv (made with chessops' comment parser,
// see the README there) gives each main-line ply's comments as the file
// has them and the clock, time spent, evaluation and text they hold. Then
// the timing rules on two of those games, against what the files
// themselves say about the time spent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/chess/test_support.h"
#include "viewer/chess/clock_text.h"
#include "viewer/chess/comment_commands.h"
#include "viewer/chess/ply_timing.h"
#include "viewer/chess/time_control.h"

namespace fs = std::filesystem;

namespace {

// One line of an expected file.
struct KnownPly {
  int game = 0;
  int ply = 0;  // 0: before the first move
  std::string san;
  std::string clock;  // milliseconds or "-"
  std::string spent;
  std::string evaluation;
  std::string text;
  std::vector<std::string> comments;
};

std::string Unescape(const std::string& field) {
  std::string text;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      text += field[i];
      continue;
    }
    const char next = field[++i];
    text += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return text;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<KnownPly> ReadKnownPlies(const fs::path& path) {
  std::vector<KnownPly> plies;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const std::vector<std::string> fields = SplitTabs(line);
    EXPECT_GE(fields.size(), 8u) << path << ": " << line;
    if (fields.size() < 8) continue;
    KnownPly ply;
    ply.game = std::atoi(fields[0].c_str());
    ply.ply = std::atoi(fields[1].c_str());
    ply.san = fields[2];
    ply.clock = fields[3];
    ply.spent = fields[4];
    ply.evaluation = fields[5];
    ply.text = Unescape(fields[6]);
    for (size_t i = 7; i < fields.size(); ++i) ply.comments.push_back(Unescape(fields[i]));
    plies.push_back(ply);
  }
  return plies;
}

std::string TimeField(const TimeReading& time) { return time.known() ? std::to_string(time.ms) : "-"; }

std::string EvaluationField(const Evaluation& evaluation) {
  if (evaluation.kind == Evaluation::kNone) return "-";
  char text[kNoteTextSize];
  FormatEvaluation(evaluation, text, sizeof text);
  return text;
}

PlyNotes NotesOf(const KnownPly& known) {
  PlyNotes notes;
  for (const std::string& comment : known.comments) AddComment(notes, comment);
  return notes;
}

fs::path CommentsFolder() { return fs::path(TARNWICKET_TEST_DATA) / "comments"; }

// The names of the expected files.
std::vector<std::string> ExpectedFiles() {
  std::vector<std::string> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(CommentsFolder())) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 13 && name.compare(name.size() - 13, 13, ".expected.tsv") == 0) files.push_back(name);
  }
  std::sort(files.begin(), files.end());
  return files;
}

struct Counts {
  int plies = 0, clocks = 0, spent = 0, evaluations = 0, texts = 0;
};

// Compares every ply of one expected file; adds what it compared to counts.
void CheckFile(const std::string& name, Counts& counts) {
  for (const KnownPly& known : ReadKnownPlies(CommentsFolder() / name)) {
    const PlyNotes notes = NotesOf(known);
    const std::string where =
        name + " game " + std::to_string(known.game) + " ply " + std::to_string(known.ply) + " " + known.san;
    EXPECT_EQ(TimeField(notes.clock), known.clock) << where;
    EXPECT_EQ(TimeField(notes.spent), known.spent) << where;
    EXPECT_EQ(EvaluationField(notes.evaluation), known.evaluation) << where;
    EXPECT_EQ(notes.comment, known.text) << where;
    ++counts.plies;
    counts.clocks += known.clock != "-";
    counts.spent += known.spent != "-";
    counts.evaluations += known.evaluation != "-";
    counts.texts += !known.text.empty();
  }
}

class CommentKnownAnswersTest : public testing::TestWithParam<std::string> {};

TEST_P(CommentKnownAnswersTest, EveryPlyAsChessopsReadsIt) {
  Counts counts;
  CheckFile(GetParam(), counts);
  EXPECT_GT(counts.plies, 0) << GetParam();
}

std::string FileTestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  name.resize(name.size() - 13);
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Files, CommentKnownAnswersTest, testing::ValuesIn(ExpectedFiles()), FileTestName);

// The files together hold enough of each kind for the comparison to mean
// something (a file lost or emptied shows here).
TEST(CommentKnownAnswersSizeTest, TheFilesHoldEnoughOfEachKind) {
  Counts counts;
  for (const std::string& name : ExpectedFiles()) CheckFile(name, counts);
  EXPECT_GE(counts.clocks, 300);
  EXPECT_GE(counts.spent, 60);
  EXPECT_GE(counts.evaluations, 75);
  EXPECT_GE(counts.texts, 400);
}

// The plies of game 1 of an expected file, ply k (from 0) in element k;
// plies without a line have no notes.
std::vector<PlyNotes> GamePlies(const std::string& name) {
  std::vector<PlyNotes> plies;
  for (const KnownPly& known : ReadKnownPlies(CommentsFolder() / name)) {
    if (known.game != 1 || known.ply == 0) continue;
    if (static_cast<int>(plies.size()) < known.ply) plies.resize(known.ply);
    plies[known.ply - 1] = NotesOf(known);
  }
  return plies;
}

// The [%timestamp N] of a chess.com comment: the tenths of a second the
// mover spent on the ply, by the server's own count.
int64_t TimestampMs(const std::string& comment) {
  const size_t at = comment.find("[%timestamp");
  if (at == std::string::npos) return kNoTime;
  return std::atoll(comment.c_str() + at + 11) * 100;
}

TEST(TimingKnownAnswersTest, TimeSpentFromClocksAndIncrementIsTheServersOwnCount) {
  const std::string name = "chesscom-tenths-timestamps-and-commands-wrapped-over-lines.expected.tsv";
  const std::vector<PlyNotes> plies = GamePlies(name);
  const ClockStart start = ReadClockStart("600+5", "", "");
  int compared = 0;
  for (const KnownPly& known : ReadKnownPlies(CommentsFolder() / name)) {
    const int64_t expected = TimestampMs(known.comments.at(0));
    ASSERT_NE(expected, kNoTime) << known.san;
    EXPECT_EQ(TimeSpent(plies.data(), static_cast<int>(plies.size()), known.ply - 1, start), expected)
        << "ply " << known.ply << " " << known.san;
    ++compared;
  }
  EXPECT_EQ(compared, 125);
  EXPECT_TRUE(GameHasTenths(plies.data(), static_cast<int>(plies.size())));
}

TEST(TimingKnownAnswersTest, ABroadcastWithPliesWithoutClocksAndTimeAdded) {
  const std::vector<PlyNotes> plies =
      GamePlies("broadcast-plies-without-clocks-and-time-added-after-move-40.expected.tsv");
  const int count = static_cast<int>(plies.size());
  const ClockStart noTags;  // the game has no clock tags
  // 5... Nf6 has no clock: neither it nor Black's next ply 6... Bg7 has a time.
  EXPECT_EQ(TimeSpent(plies.data(), count, 9, noTags), kNoTime);
  EXPECT_EQ(TimeSpent(plies.data(), count, 11, noTags), kNoTime);
  // 6. Bc4 at 1:31:26 after 5. Nc3 at 1:32:03.
  EXPECT_EQ(TimeSpent(plies.data(), count, 10, noTags), 37000);
  // 42. Kxf5 at 1:08:14 after 41. Ke5 at 0:37:50: time was added, none spent.
  EXPECT_EQ(TimeSpent(plies.data(), count, 82, noTags), 0);
  // After 5... Nf6 Black's clock still shows 4... Nc6's 1:31:42.
  EXPECT_EQ(ClockShown(plies.data(), count, 10, ClockSide::kBlack, noTags).ms, 5502000);
  EXPECT_FALSE(GameHasTenths(plies.data(), count));
}

TEST(TimingKnownAnswersTest, LichessClocksHaveNoTenths) {
  const std::vector<PlyNotes> plies = GamePlies("lichess-bullet-evaluations-clocks-and-analysis.expected.tsv");
  const int count = static_cast<int>(plies.size());
  ASSERT_EQ(count, 82);
  EXPECT_TRUE(GameHasClocks(plies.data(), count));
  EXPECT_FALSE(GameHasTenths(plies.data(), count));
  // 41... Qg2# at 0:00:00 after 40... Qe2+ at 0:00:01, with no increment.
  EXPECT_EQ(TimeSpent(plies.data(), count, 81, ReadClockStart("60+0", "", "")), 1000);
}

}  // namespace
