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
  EXPECT_EQ(play.games.lastGameIndex(), 0);
  EXPECT_EQ(play.games.plyCounts(), (std::vector<int16_t>{4}));
  EXPECT_EQ(play.games.maxPlies(), 4);
  EXPECT_EQ(play.games.plies().plyList.size(), 4u);
}

// After a result the reader passes over blank lines, comments and escape
// lines, and notices when that reaches the end of the file: no empty game
// follows the last one.
TEST_F(GameLibraryTest, WhatFollowsTheLastResultIsNoGame) {
  WriteWholeFile("trailing.pgn", Game("One", "1. e4 e5 1-0 \r\n\n{ trailing comment }\n% escape"));
  QuietGamePlay play;
  play.IndexFile("trailing.pgn");
  EXPECT_EQ(play.games.lastGameIndex(), 0);
  play.LoadAndStart(0);
  for (int i = 0; i < 3; ++i) play.AdvancePly();
  EXPECT_EQ(play.chess.whiteWon(), 1);
}

TEST_F(GameLibraryTest, MaxPliesIsTheLongestGame) {
  WriteWholeFile("two.pgn", Game("A", "1. e4 e5 1-0") + Game("B", "1. d4 d5 2. c4 e6 3. Nc3 1-0"));
  QuietGamePlay play;
  play.IndexFile("two.pgn");
  EXPECT_EQ(play.games.plyCounts(), (std::vector<int16_t>{3, 6}));
  EXPECT_EQ(play.games.maxPlies(), 6);
}

TEST_F(GameLibraryTest, AnIndexOutOfRangeLoadsTheFirstGame) {
  WriteWholeFile("two.pgn", Game("A", "1. e4 e5 1-0") + Game("B", "1. d4 d5 1-0"));
  QuietGamePlay play;
  play.IndexFile("two.pgn");
  play.games.LoadGame(2);
  EXPECT_STREQ(play.games.headerLine(0), "Event \"A\"");
  play.games.LoadGame(1);
  EXPECT_STREQ(play.games.headerLine(0), "Event \"B\"");
  play.games.LoadGame(-1);
  EXPECT_STREQ(play.games.headerLine(0), "Event \"A\"");
}

TEST_F(GameLibraryTest, AMissingFileCannotBeFound) {
  QuietGamePlay play;
  play.games.SetFileName("\"Tarnwicket.pgn\"");
  try {
    play.games.CountGames();
    FAIL() << "no failure";
  } catch (const FatalError& error) {
    EXPECT_STREQ(error.text, "can't find Tarnwicket.PGN");
  }
}

#ifndef _WIN32
// A stream that never ends is no game file: counting its games would never stop.
TEST_F(GameLibraryTest, ADeviceThatNeverEndsIsNoGameFile) {
  QuietGamePlay play;
  play.games.SetFileName("/dev/zero");
  try {
    play.games.CountGames();
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
  play.games.LoadGame(0);
  EXPECT_STREQ(play.games.headerLine(0), "");
  EXPECT_STREQ(play.games.headerLine(1), "");
  EXPECT_STREQ(play.games.headerLine(2), "Date \"????.??.??\"");
  EXPECT_STREQ(play.games.headerLine(3), "");
  EXPECT_STREQ(play.games.headerLine(4), "Morphy, Paul");
  EXPECT_STREQ(play.games.headerLine(5), "Anderssen");
  EXPECT_STREQ(play.games.headerLine(6), "Result \"1-0\"");

  play.games.LoadGame(1);
  EXPECT_STREQ(play.games.headerLine(0), "Event \"Casual\"");

  play.games.SetTagOptions(1, 1);
  play.games.LoadGame(1);
  EXPECT_STREQ(play.games.headerLine(0), "Casual");
  EXPECT_STREQ(play.games.headerLine(2), "2001.01.01");
  EXPECT_STREQ(play.games.headerLine(6), "Result \"1-0\"");  // line 6 keeps its tag name

  play.games.SetTagOptions(0, 0);
  play.games.LoadGame(0);
  EXPECT_STREQ(play.games.headerLine(0), "Event \"?\"");
  EXPECT_STREQ(play.games.headerLine(1), "Site \"\"");
}

TEST_F(GameLibraryTest, EachLoadAppendsALogLineAsRead) {
  WriteWholeFile("games.pgn", Game("A", "1. e4 1-0") + Game("B", "1. d4 1-0"));
  QuietGamePlay play;
  play.games.KeepRecords(true);
  play.IndexFile("games.pgn");
  play.games.SetCurrentGame(2);
  play.games.LoadGame(1);
  play.games.AppendFirstPlyLog(60, 500, 2000);
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
  play.games.KeepRecords(true);
  play.IndexFile("ten.pgn");
  play.games.SetCurrentGame(3);
  play.games.LoadGame(2);
  EXPECT_EQ(ReadWholeFile("Tarnwicket.rsm"), std::string("\x09\x00\x03\x00", 4));

  // The next start shows that game again: the new game adds one to it.
  QuietGamePlay next;
  next.IndexFile("ten.pgn");
  next.games.SetCurrentGame(0);
  next.games.ReadResumeFile();
  EXPECT_EQ(next.games.currentGame(), 2);
}

TEST_F(GameLibraryTest, AResumeFileForAnotherGameCountIsIgnored) {
  WriteWholeFile("Tarnwicket.rsm", std::string("\x04\x00\x03\x00", 4));
  WriteWholeFile("ten.pgn", Game("A", "1. e4 1-0") + Game("B", "1. e4 1-0"));
  QuietGamePlay play;
  play.IndexFile("ten.pgn");
  play.games.SetCurrentGame(0);
  play.games.ReadResumeFile();
  EXPECT_EQ(play.games.currentGame(), 0);

  // A stored game 0 means the last one.
  WriteWholeFile("Tarnwicket.rsm", std::string("\x01\x00\x00\x00", 4));
  play.games.ReadResumeFile();
  EXPECT_EQ(play.games.currentGame(), 1);

  // Cut short: ignored.
  play.games.SetCurrentGame(0);
  WriteWholeFile("Tarnwicket.rsm", std::string("\x01\x00\x02", 3));
  play.games.ReadResumeFile();
  EXPECT_EQ(play.games.currentGame(), 0);
}

TEST_F(GameLibraryTest, ToolsKeepTheRecordFilesUntouched) {
  WriteWholeFile("one.pgn", Game("A", "1. e4 1-0"));
  QuietGamePlay play;
  play.IndexFile("one.pgn");
  play.games.LoadGame(0);
  play.games.AppendFirstPlyLog(1, 2, 3);
  EXPECT_FALSE(std::filesystem::exists("lastgameplayed.txt"));
  EXPECT_FALSE(std::filesystem::exists("Tarnwicket.rsm"));
}

TEST_F(GameLibraryTest, TheLibraryHoldsTheFirst32767Games) {
  std::string games;
  for (int i = 0; i < 32800; ++i) games += (i == 32766 ? "d4 *\n" : "e4 *\n");
  WriteWholeFile("many.pgn", games);
  QuietGamePlay play;
  play.IndexFile("many.pgn");
  EXPECT_EQ(play.games.lastGameIndex(), 32766);
  EXPECT_EQ(play.games.plyCounts().size(), 32767u);
  play.games.LoadGame(32766);
  EXPECT_EQ(play.DisplaySlots(), "d4 *");
}

TEST_F(GameLibraryTest, ReleasingTwiceIsHarmless) {
  WriteWholeFile("one.pgn", Game("A", "1. e4 1-0"));
  QuietGamePlay play;
  play.IndexFile("one.pgn");
  play.games.ReleaseGameLibrary();
  play.games.ReleaseGameLibrary();
  EXPECT_TRUE(play.games.plies().plyList.empty());
  EXPECT_FALSE(play.games.IsFileOpen());
}

}  // namespace
