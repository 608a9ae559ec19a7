// ReadComment and AddComment: the commands of real servers and tools, their
// malformed kin, white space, and comments of any length and bytes.
#include "viewer/chess/comment_commands.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TEST(ReadCommentTest, LichessEvaluationAndClock) {
  const CommentReading reading = ReadComment(" [%eval 0.17] [%clk 0:02:58] ");
  EXPECT_EQ(reading.clock.ms, 178000);
  EXPECT_FALSE(reading.clock.fraction);
  EXPECT_EQ(reading.evaluation.kind, Evaluation::kPawns);
  EXPECT_EQ(reading.evaluation.value, 17);
  EXPECT_FALSE(reading.spent.known());
  EXPECT_EQ(reading.text, "");
}

TEST(ReadCommentTest, ChessComClockWithTenthsAndTimestamp) {
  const CommentReading reading = ReadComment("[%clk 0:09:58.2][%timestamp 18]");
  EXPECT_EQ(reading.clock.ms, 598200);
  EXPECT_TRUE(reading.clock.fraction);
  EXPECT_EQ(reading.text, "");
}

TEST(ReadCommentTest, ClockForms) {
  struct Case {
    const char* comment;
    int64_t ms;
    bool fraction;
  };
  for (const Case& c :
       {Case{"[%clk 1:59:58]", 7198000, false}, Case{"[%clk 2:58]", 178000, false}, Case{"[%clk 0:19.5]", 19500, true},
        Case{"[%clk 01:03:52]", 3832000, false}, Case{"[%clk 0:00:01.234]", 1234, true},
        Case{"[%clk 0:00:01.23456]", 1234, true}, Case{"[%clk 71:59:59]", 259199000, false},
        Case{"[%clk 0:00:00]", 0, false}, Case{"[%clk   0:01:00  ]", 60000, false}}) {
    const CommentReading reading = ReadComment(c.comment);
    EXPECT_EQ(reading.clock.ms, c.ms) << c.comment;
    EXPECT_EQ(reading.clock.fraction, c.fraction) << c.comment;
  }
}

TEST(ReadCommentTest, TimeSpentForms) {
  struct Case {
    const char* comment;
    int64_t ms;
  };
  for (const Case& c :
       {Case{"[%emt 0:00:05]", 5000}, Case{"[%emt 00:00:12]", 12000}, Case{"[%emt 0.783]", 783},
        Case{"[%emt 0.000]", 0}, Case{"[%emt 5]", 5000}, Case{"[%emt 1:05]", 65000}, Case{"[%emt 5.594]", 5594}}) {
    const CommentReading reading = ReadComment(c.comment);
    EXPECT_EQ(reading.spent.ms, c.ms) << c.comment;
    EXPECT_FALSE(reading.clock.known()) << c.comment;
  }
}

TEST(ReadCommentTest, EvaluationForms) {
  struct Case {
    const char* comment;
    Evaluation::Kind kind;
    int32_t value;
  };
  for (const Case& c : {Case{"[%eval 0.17]", Evaluation::kPawns, 17}, Case{"[%eval -1.2]", Evaluation::kPawns, -120},
                        Case{"[%eval #3]", Evaluation::kMate, 3}, Case{"[%eval #-2]", Evaluation::kMate, -2},
                        Case{"[%eval 0.17,20]", Evaluation::kPawns, 17}, Case{"[%eval #-1,45]", Evaluation::kMate, -1},
                        Case{"[%eval +0.5]", Evaluation::kPawns, 50}, Case{"[%eval .5]", Evaluation::kPawns, 50},
                        Case{"[%eval -0.05]", Evaluation::kPawns, -5}, Case{"[%eval 25]", Evaluation::kPawns, 2500},
                        Case{"[%eval 12.345]", Evaluation::kPawns, 1234}, Case{"[%eval 0.0]", Evaluation::kPawns, 0},
                        Case{"[%eval #+1]", Evaluation::kMate, 1}, Case{"[%eval -15.06]", Evaluation::kPawns, -1506},
                        Case{"[%eval 99999.99]", Evaluation::kPawns, 9999999}}) {
    const CommentReading reading = ReadComment(c.comment);
    EXPECT_EQ(reading.evaluation.kind, c.kind) << c.comment;
    EXPECT_EQ(reading.evaluation.value, c.value) << c.comment;
  }
}

TEST(ReadCommentTest, MalformedValuesAreIgnoredAndStillRemoved) {
  for (const char* comment :
       {"[%clk 0:5:00]",    "[%clk 0:02:60]",   "[%clk 0:60:00]", "[%clk :11:9]", "[%clk 1:00:00:00]",
        "[%clk -0:00:01]",  "[%clk 0:09:58.]",  "[%clk abc]",     "[%clk]",       "[%clk 123456:00:00]",
        "[%clk 0:01:00 x]", "[%clk 0:01:00,5]", "[%emt -5]",      "[%emt 1e3]",   "[%emt 0:00:05s]",
        "[%eval +0.25/22]", "[%eval 0.17,]",    "[%eval #]",      "[%eval 5.]",   "[%eval 123456]",
        "[%eval ,20]",      "[%eval 0.17, 20]", "[%eval #3.5]",   "[%eval --1]",  "[%eval]",
        "[%eval#3]",        "[%clk0:01:00]",    "[%CLK 0:01:00]", "[%Eval 0.3]"}) {
    const CommentReading reading = ReadComment(comment);
    EXPECT_FALSE(reading.clock.known()) << comment;
    EXPECT_FALSE(reading.spent.known()) << comment;
    EXPECT_EQ(reading.evaluation.kind, Evaluation::kNone) << comment;
    EXPECT_EQ(reading.text, "") << comment;
  }
}

TEST(ReadCommentTest, EveryOtherCommandIsRemovedFromTheText) {
  EXPECT_EQ(ReadComment("before [%cal Re2e4] between [%csl Ye5] after").text, "before between after");
  EXPECT_EQ(ReadComment("[%csl Gd4,Gf5]").text, "");
  EXPECT_EQ(ReadComment("a[%csl Ge4]b").text, "a b");
  EXPECT_EQ(ReadComment("[%pre An important decision.] Na5").text, "Na5");
  EXPECT_EQ(ReadComment("[%tc 90m/40+30m] [%varcolor #FF8800 M] text").text, "text");
  EXPECT_EQ(ReadComment("[%my_cmd2 1] x").text, "x");
}

TEST(ReadCommentTest, BracketsThatStartNoCommandAreText) {
  EXPECT_EQ(ReadComment("50[%] of [% clk 1:00] [ordinary] [%").text, "50[%] of [% clk 1:00] [ordinary] [%");
  EXPECT_EQ(ReadComment("[%1 x]").text, "[%1 x]");
  EXPECT_FALSE(ReadComment("[% clk 0:01:00]").clock.known());
}

TEST(ReadCommentTest, ACommandThatNeverClosesRunsToTheEnd) {
  const CommentReading reading = ReadComment("good move [%clk 0:01:00");
  EXPECT_EQ(reading.text, "good move");
  EXPECT_FALSE(reading.clock.known());
  EXPECT_EQ(ReadComment("[%clk 0:01:00] kept [%eval 0.3").text, "kept");
  EXPECT_EQ(ReadComment("[%clk 0:01:00] kept [%eval 0.3").clock.ms, 60000);
}

TEST(ReadCommentTest, ACommandEndsAtItsFirstClosingBracket) {
  const CommentReading reading = ReadComment("[%cal Ge2e4] [%clk 0:00:07]] tail");
  EXPECT_EQ(reading.clock.ms, 7000);
  EXPECT_EQ(reading.text, "] tail");
}

TEST(ReadCommentTest, WhiteSpaceRunsBecomeOneSpaceAndTheEndsGo) {
  EXPECT_EQ(ReadComment("  a\t\tb\r\n c  ").text, "a b c");
  EXPECT_EQ(ReadComment(std::string("a\0b", 3)).text, "a b");
  EXPECT_EQ(ReadComment("a\x7f\x01\x1f b").text, "a b");
  EXPECT_EQ(ReadComment(" \n\t ").text, "");
  EXPECT_EQ(ReadComment("x [%clk 0:01:00]  [%eval 0.1]  y").text, "x y");
}

TEST(ReadCommentTest, LineBreaksInsideACommandAsExportsWrapThem) {
  const CommentReading reading = ReadComment("[%clk\n0:10:10.3][%timestamp\n20]");
  EXPECT_EQ(reading.clock.ms, 610300);
  EXPECT_EQ(reading.text, "");
}

TEST(ReadCommentTest, BytesOutsideAsciiAreKept) {
  EXPECT_EQ(ReadComment("(0.00 \xE2\x86\x92 0.75) Inaccuracy. Best move was Nf6.").text,
            "(0.00 \xE2\x86\x92 0.75) Inaccuracy. Best move was Nf6.");
  EXPECT_EQ(ReadComment("\xA0\xFF").text, "\xA0\xFF");
}

TEST(ReadCommentTest, TheLaterOfTwoValuesCountsAndABrokenOneChangesNothing) {
  EXPECT_EQ(ReadComment("[%clk 0:01:00] [%clk 0:00:59]").clock.ms, 59000);
  EXPECT_EQ(ReadComment("[%clk 0:01:00] [%clk x]").clock.ms, 60000);
  EXPECT_EQ(ReadComment("[%eval 0.2] [%eval #4]").evaluation.kind, Evaluation::kMate);
}

TEST(ReadCommentTest, EmptyComment) {
  const CommentReading reading = ReadComment("");
  EXPECT_EQ(reading.text, "");
  EXPECT_FALSE(reading.clock.known());
  EXPECT_FALSE(reading.spent.known());
  EXPECT_EQ(reading.evaluation.kind, Evaluation::kNone);
}

TEST(ReadCommentTest, CommentOf5000Characters) {
  std::string words;
  for (int i = 0; i < 998; ++i) words += "word ";
  words += "[%clk 0:00:42]";
  ASSERT_EQ(words.size(), 5004u);
  const CommentReading reading = ReadComment(words);
  EXPECT_EQ(reading.clock.ms, 42000);
  EXPECT_EQ(reading.text.size(), 998u * 4 + 997);  // the words and one space between each two
  EXPECT_EQ(reading.text.back(), 'd');

  const std::string oneWord(5000, 'x');
  EXPECT_EQ(ReadComment(oneWord).text, oneWord);
}

// Each comment copied into a heap block of exactly its size, with no
// terminating zero after it: a read past the end is a memory error in the
// sanitizer build; the prefixes of a command must never read as the command.
TEST(ReadCommentTest, NeverReadsPastTheText) {
  const std::string full = "[%clk 0:01:00] [%emt 0.5] [%eval #-2,30] words";
  for (size_t length = 0; length <= full.size(); ++length) {
    std::unique_ptr<char[]> block(new char[length == 0 ? 1 : length]);
    for (size_t i = 0; i < length; ++i) block[i] = full[i];
    const CommentReading reading = ReadComment(std::string_view(block.get(), length));
    EXPECT_EQ(reading.clock.known(), length >= 14) << length;
    EXPECT_EQ(reading.spent.known(), length >= 25) << length;
    EXPECT_EQ(reading.evaluation.kind != Evaluation::kNone, length >= 40) << length;
  }
}

TEST(AddCommentTest, CommentsOfOnePlyAreJoinedByOneSpace) {
  PlyNotes notes;
  AddComment(notes, " (0.28 \xE2\x86\x92 -0.56) Inaccuracy. Ne4 was best. ");
  AddComment(notes, " [%eval -0.56] [%clk 0:00:55] ");
  AddComment(notes, "");
  AddComment(notes, "   ");
  AddComment(notes, "Black wins.");
  EXPECT_EQ(notes.comment, "(0.28 \xE2\x86\x92 -0.56) Inaccuracy. Ne4 was best. Black wins.");
  EXPECT_EQ(notes.evaluation.kind, Evaluation::kPawns);
  EXPECT_EQ(notes.evaluation.value, -56);
  EXPECT_EQ(notes.clock.ms, 55000);
}

TEST(AddCommentTest, ALaterCommentsValuesReplaceEarlierOnesOnlyWhereItHasThem) {
  PlyNotes notes;
  AddComment(notes, "[%clk 0:01:00] [%eval 0.3] [%emt 0:00:04]");
  AddComment(notes, "[%clk 0:00:58.5]");
  EXPECT_EQ(notes.clock.ms, 58500);
  EXPECT_TRUE(notes.clock.fraction);
  EXPECT_EQ(notes.evaluation.value, 30);
  EXPECT_EQ(notes.spent.ms, 4000);
  AddComment(notes, "[%clk bad]");
  EXPECT_EQ(notes.clock.ms, 58500);
}

TEST(NoteNagTest, TheFirstShownGlyphIsKept) {
  PlyNotes notes;
  NoteNag(notes, 14);
  EXPECT_EQ(notes.nag, 0);
  NoteNag(notes, 2);
  NoteNag(notes, 6);
  EXPECT_EQ(notes.nag, 2);
  PlyNotes other;
  for (int code : {0, 7, -1, 255, 146}) NoteNag(other, code);
  EXPECT_EQ(other.nag, 0);
  NoteNag(other, 6);
  EXPECT_EQ(other.nag, 6);
}

}  // namespace
