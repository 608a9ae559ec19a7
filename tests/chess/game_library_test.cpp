// The game library: game numbering, loading, header reductions, the log
// line, the resume file and the limits of the library.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/chess/test_support.h"

namespace {

using test_support::DataFile;
using test_support::QuietGamePlay;
using test_support::ReadWholeFile;
using test_support::ScratchFolderTest;
using test_support::WriteWholeFile;

std::string Game(const std::string& event, const std::string& moves, const std::string& tags = "") {
  return "[Event \"" + event +
         "\"]\n[Site \"Here\"]\n[Date \"2001.01.01\"]\n[Round \"1\"]\n[White \"Morphy, Paul\"]\n"
         "[Black \"Anderssen, Adolf\"]\n[Result \"1-0\"]\n" +
         tags + "\n" + moves + "\n\n";
}

class GameLibraryTest : public ScratchFolderTest {};

TEST_F(GameLibraryTest, AFileOfOneGameHasLastIndexZero) {
  WriteWholeFile("one.pgn", Game("One", "1. e4 e5 2. Nf3 1-0"));
  QuietGamePlay play;
  play.IndexFile("one.pgn");
  EXPECT_EQ(play.lastGameIndex, 0);
  EXPECT_EQ(play.plyCounts, (std::vector<int16_t>{4}));
  EXPECT_EQ(play.maxPlies, 4);
  EXPECT_EQ(play.plyList.size(), 4u);
}

TEST_F(GameLibraryTest, MaxPliesIsTheLongestGame) {
  WriteWholeFile("two.pgn", Game("A", "1. e4 e5 1-0") + Game("B", "1. d4 d5 2. c4 e6 3. Nc3 1-0"));
  QuietGamePlay play;
  play.IndexFile("two.pgn");
  EXPECT_EQ(play.plyCounts, (std::vector<int16_t>{3, 6}));
  EXPECT_EQ(play.maxPlies, 6);
}

TEST_F(GameLibraryTest, AnIndexOutOfRangeLoadsTheFirstGame) {
  WriteWholeFile("two.pgn", Game("A", "1. e4 e5 1-0") + Game("B", "1. d4 d5 1-0"));
  QuietGamePlay play;
  play.IndexFile("two.pgn");
  play.LoadGame(2);
  EXPECT_STREQ(play.headerLines[0], "Event \"A\"");
  play.LoadGame(1);
  EXPECT_STREQ(play.headerLines[0], "Event \"B\"");
  play.LoadGame(-1);
  EXPECT_STREQ(play.headerLines[0], "Event \"A\"");
}

TEST_F(GameLibraryTest, AMissingFileCannotBeFound) {
  QuietGamePlay play;
  std::strcpy(play.pgnFileName, "\"Tarnwicket.pgn\"");
  try {
    play.CountGames();
    FAIL() << "no failure";
  } catch (const FatalError& error) {
    EXPECT_STREQ(error.text, "can't find Tarnwicket.PGN");
  }
}

#ifndef _WIN32
// A stream that never ends is no game file: counting its games would never stop.
TEST_F(GameLibraryTest, ADeviceThatNeverEndsIsNoGameFile) {
  QuietGamePlay play;
  std::strcpy(play.pgnFileName, "/dev/zero");
  try {
    play.CountGames();
    FAIL() << "no failure";
  } catch (const FatalError& error) {
    EXPECT_STREQ(error.text, "can't find Tarnwicket.PGN");
  }
}
#endif

TEST_F(GameLibraryTest, HeaderLinesAreReducedAsConfigured) {
  WriteWholeFile("tags.pgn",
                 "[Event \"?\"]\n[Site \"\"]\n[Date \"????.??.??\"]\n[Round \"??\"]\n[White \"Morphy, Paul\"]\n"
                 "[Black \"Anderssen\"]\n[Result \"1-0\"]\n\n1. e4 1-0\n\n" +
                     Game("Casual", "1. e4 1-0"));
  QuietGamePlay play;
  play.IndexFile("tags.pgn");
  play.LoadGame(0);
  EXPECT_STREQ(play.headerLines[0], "");
  EXPECT_STREQ(play.headerLines[1], "");
  EXPECT_STREQ(play.headerLines[2], "Date \"????.??.??\"");
  EXPECT_STREQ(play.headerLines[3], "");
  EXPECT_STREQ(play.headerLines[4], "Morphy, Paul");
  EXPECT_STREQ(play.headerLines[5], "Anderssen");
  EXPECT_STREQ(play.headerLines[6], "Result \"1-0\"");

  play.LoadGame(1);
  EXPECT_STREQ(play.headerLines[0], "Event \"Casual\"");

  play.bareTagValues = 1;
  play.LoadGame(1);
  EXPECT_STREQ(play.headerLines[0], "Casual");
  EXPECT_STREQ(play.headerLines[2], "2001.01.01");
  EXPECT_STREQ(play.headerLines[6], "Result \"1-0\"");  // line 6 keeps its tag name

  play.bareTagValues = 0;
  play.blankUnknownTags = 0;
  play.LoadGame(0);
  EXPECT_STREQ(play.headerLines[0], "Event \"?\"");
  EXPECT_STREQ(play.headerLines[1], "Site \"\"");
}

TEST_F(GameLibraryTest, EachLoadAppendsALogLineAsRead) {
  WriteWholeFile("games.pgn", Game("A", "1. e4 1-0") + Game("B", "1. d4 1-0"));
  QuietGamePlay play;
  play.keepRecords = true;
  play.IndexFile("games.pgn");
  play.currentGame = 2;
  play.LoadGame(1);
  play.AppendFirstPlyLog(60, 500, 2000);
  EXPECT_EQ(ReadWholeFile("lastgameplayed.txt"),
            "GameFile:games.pgn Game 2 of 2 Event \"B\" Site \"Here\" Date \"2001.01.01\" Round \"1\" "
            "White \"Morphy, Paul\" Black \"Anderssen, Adolf\" Result \"1-0\"\r\n"
            "fps:60\r\nmove speed:500\r\ndelaytime:2000\r\n");
}

TEST_F(GameLibraryTest, TheResumeFileAfterTheThirdOfTenGames) {
  std::string games;
  for (int i = 1; i <= 10; ++i) games += Game("G" + std::to_string(i), "1. e4 1-0");
  WriteWholeFile("ten.pgn", games);
  QuietGamePlay play;
  play.keepRecords = true;
  play.IndexFile("ten.pgn");
  play.currentGame = 3;
  play.LoadGame(2);
  EXPECT_EQ(ReadWholeFile("Tarnwicket.rsm"), std::string("\x09\x00\x03\x00", 4));

  // The next start shows that game again: the new game adds one to it.
  QuietGamePlay next;
  next.IndexFile("ten.pgn");
  next.currentGame = 0;
  next.ReadResumeFile();
  EXPECT_EQ(next.currentGame, 2);
}

TEST_F(GameLibraryTest, AResumeFileForAnotherGameCountIsIgnored) {
  WriteWholeFile("Tarnwicket.rsm", std::string("\x04\x00\x03\x00", 4));
  WriteWholeFile("ten.pgn", Game("A", "1. e4 1-0") + Game("B", "1. e4 1-0"));
  QuietGamePlay play;
  play.IndexFile("ten.pgn");
  play.currentGame = 0;
  play.ReadResumeFile();
  EXPECT_EQ(play.currentGame, 0);

  // A stored game 0 means the last one.
  WriteWholeFile("Tarnwicket.rsm", std::string("\x01\x00\x00\x00", 4));
  play.ReadResumeFile();
  EXPECT_EQ(play.currentGame, 1);

  // Cut short: ignored.
  play.currentGame = 0;
  WriteWholeFile("Tarnwicket.rsm", std::string("\x01\x00\x02", 3));
  play.ReadResumeFile();
  EXPECT_EQ(play.currentGame, 0);
}

TEST_F(GameLibraryTest, ToolsKeepTheRecordFilesUntouched) {
  WriteWholeFile("one.pgn", Game("A", "1. e4 1-0"));
  QuietGamePlay play;
  play.IndexFile("one.pgn");
  play.LoadGame(0);
  play.AppendFirstPlyLog(1, 2, 3);
  EXPECT_FALSE(std::filesystem::exists("lastgameplayed.txt"));
  EXPECT_FALSE(std::filesystem::exists("Tarnwicket.rsm"));
}

TEST_F(GameLibraryTest, TheLibraryHoldsTheFirst32767Games) {
  std::string games;
  for (int i = 0; i < 32800; ++i) games += (i == 32766 ? "d4 *\n" : "e4 *\n");
  WriteWholeFile("many.pgn", games);
  QuietGamePlay play;
  play.IndexFile("many.pgn");
  EXPECT_EQ(play.lastGameIndex, 32766);
  EXPECT_EQ(play.plyCounts.size(), 32767u);
  play.LoadGame(32766);
  EXPECT_EQ(play.DisplaySlots(), "d4 *");
}

TEST_F(GameLibraryTest, ReleasingTwiceIsHarmless) {
  WriteWholeFile("one.pgn", Game("A", "1. e4 1-0"));
  QuietGamePlay play;
  play.IndexFile("one.pgn");
  play.ReleaseGameLibrary();
  play.ReleaseGameLibrary();
  EXPECT_TRUE(play.plyList.empty());
  EXPECT_FALSE(play.gameFile.IsOpen());
}

}  // namespace
