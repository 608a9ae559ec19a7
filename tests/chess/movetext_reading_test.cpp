// Reading real-world movetext: every pass (counting, indexing, loading)
// must find the same games and the same plies, whatever surrounds them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/chess/test_support.h"

namespace {

using test_support::DataFile;
using test_support::QuietGamePlay;

TEST(MovetextReadingTest, MoveNumbersAttachedOrApartGiveTheSameSlots) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/move-numbers-attached-and-apart.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 1);
  for (int16_t g = 0; g < 2; ++g) {
    play.games.LoadGame(g);
    EXPECT_EQ(play.DisplaySlots(), "e4 e5 Nf3 1-0");
    EXPECT_EQ(play.games.plyCounts()[g], 4);
    // Played through, the game ends with its result.
    play.chess.StartGame(play.games.gameStart());
    while (play.chess.gameState() == ChessState::kPlaying) play.AdvancePly();
    EXPECT_EQ(play.chess.whiteWon(), 1);
  }
}

TEST(MovetextReadingTest, CommentsVariationsAndAnnotationsArePassedOver) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/comments-variations-annotations.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 0);
  play.games.LoadGame(0);
  // Glyphs $1 to $6 show beside their moves as the signs they stand for.
  EXPECT_EQ(play.DisplaySlots(), "e4! e5!? Nf3 Nc6 Bb5 a6 Ba4?! Nf6 O-O! Be7 Re1 b5 Bb3 d6 c3 O-O *");
  EXPECT_EQ(play.games.plyCounts()[0], 17);
  // The display keeps the marks; the played text does not.
  char text[100], displayText[100];
  play.games.plies().Fetch(1, text, displayText);
  EXPECT_STREQ(displayText, "e5!?");
  play.chess.NormalisePlyText(text);
  EXPECT_STREQ(play.chess.plyText(), "e5");
}

TEST(MovetextReadingTest, EnPassantMarksApartOrAttached) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/en-passant-marks.pgn"));
  play.games.LoadGame(0);
  EXPECT_EQ(play.DisplaySlots(), "e4 Nf6 e5 d5 exd6 exd6 *");
  play.games.LoadGame(1);
  EXPECT_EQ(play.DisplaySlots(), "e4 Nf6 e5 d5 exd6ep+ Kd7 *");
}

TEST(MovetextReadingTest, ByteOrderMarkAndCrLfLineEnds) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/utf8-bom-and-crlf.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 1);
  play.games.LoadGame(0);
  EXPECT_STREQ(play.games.headerLine(0), "Event \"First\"");
  EXPECT_STREQ(play.games.headerLine(4), "White, Player");
  EXPECT_EQ(play.DisplaySlots(), "e4 e5 Qh5 Nc6 Bc4 Nf6 Qxf7# 1-0");
  play.games.LoadGame(1);
  EXPECT_EQ(play.DisplaySlots(), "f3 e5 g4 Qh4# 0-1");
}

TEST(MovetextReadingTest, GamesEndAtStarAtTheNextTagsOrAtTheEndOfTheFile) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/star-and-missing-results.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 2);
  EXPECT_EQ(play.games.plyCounts(), (std::vector<int16_t>{3, 4, 4}));
  play.games.LoadGame(0);
  EXPECT_EQ(play.DisplaySlots(), "d4 d5 *");
  EXPECT_EQ(play.chess.whiteWon() + play.chess.blackWon() + play.chess.drawn(), 0);
  play.games.LoadGame(1);
  EXPECT_EQ(play.DisplaySlots(), "c4 e5 Nc3 *");
  EXPECT_STREQ(play.games.headerLine(0), "Event \"No result, next tags follow\"");
  play.games.LoadGame(2);
  EXPECT_EQ(play.DisplaySlots(), "Nf3 d5 g3 *");
}

TEST(MovetextReadingTest, FewerThanSevenTagsEndTheHeaderAtTheMovetext) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/fewer-than-seven-tags.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 1);
  play.games.LoadGame(0);
  EXPECT_STREQ(play.games.headerLine(0), "ECO \"C20\"");
  EXPECT_STREQ(play.games.headerLine(1), "Opening \"King pawn game\"");
  for (int i = 2; i < 7; ++i) EXPECT_STREQ(play.games.headerLine(i), "") << i;
  EXPECT_EQ(play.DisplaySlots(), "e4 e5 *");
  play.games.LoadGame(1);
  EXPECT_STREQ(play.games.headerLine(0), "ECO \"C40\"");
  EXPECT_EQ(play.DisplaySlots(), "e4 e5 Nf3 *");
}

TEST(MovetextReadingTest, TagsAndMovesOnOneLine) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/tags-and-moves-on-one-line.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 2);
  play.games.LoadGame(0);
  EXPECT_EQ(play.DisplaySlots(), "e4 1-0");
  EXPECT_STREQ(play.games.headerLine(0), "Result \"1-0\"");
  play.games.LoadGame(2);
  EXPECT_EQ(play.DisplaySlots(), "c4 *");
  EXPECT_STREQ(play.games.headerLine(1), "Result \"*\"");
}

TEST(MovetextReadingTest, ABlankLineInsideTheTagSection) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/blank-line-inside-tag-section.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 0);
  play.games.LoadGame(0);
  EXPECT_STREQ(play.games.headerLine(6), "Result \"1/2-1/2\"");
  EXPECT_EQ(play.DisplaySlots(), "e4 e5 1/2-1/2");
}

TEST(MovetextReadingTest, TagSectionsWithoutMovetextAreGamesWithoutPlies) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/tag-sections-without-movetext.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 2);
  play.games.LoadGame(1);
  EXPECT_STREQ(play.games.headerLine(0), "Event \"No movetext 2\"");
  EXPECT_EQ(play.DisplaySlots(), "*");
}

TEST(MovetextReadingTest, APreambleBeforeTheFirstGameIsNoGame) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/preamble-comment.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 0);
  play.games.LoadGame(0);
  EXPECT_STREQ(play.games.headerLine(0), "Event \"After a preamble\"");
  EXPECT_EQ(play.DisplaySlots(), "e4 1-0");
}

TEST(MovetextReadingTest, LongTokensAndTagLinesAreCut) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/long-token-and-long-line.pgn"));
  ASSERT_EQ(play.games.lastGameIndex(), 1);
  play.games.LoadGame(0);
  EXPECT_EQ(std::strlen(play.games.headerLine(0)), 99u);
  EXPECT_EQ(std::strlen(play.games.plies().plyDisplayList[1].text), 99u);
  EXPECT_STREQ(play.games.headerLine(2), "Date \"????.??.??\"");
  play.games.LoadGame(1);
  EXPECT_EQ(play.DisplaySlots(), "d4 1-0");
}

TEST(MovetextReadingTest, CountsAgreeWithTheLoadedPliesInEveryTestFile) {
  for (const auto& entry : std::filesystem::directory_iterator(DataFile("pgn"))) {
    if (entry.path().extension() != ".pgn") continue;
    QuietGamePlay play;
    play.IndexFile(entry.path().string());
    for (int16_t g = 0; g <= play.games.lastGameIndex(); ++g) {
      play.games.LoadGame(g);
      EXPECT_EQ(play.games.plies().loadedPlies, play.games.plyCounts()[g]) << entry.path() << " game " << g + 1;
      // The reading went as far as the game's end: its last slot ends it.
      const PlyLists& plies = play.games.plies();
      ASSERT_GT(plies.loadedPlies, 0);
      EXPECT_TRUE(ChessState::IsResultToken(plies.plyList[plies.loadedPlies - 1].text))
          << entry.path() << " game " << g + 1;
    }
  }
}

TEST(MovetextReadingTest, LoadingInAnyOrderGivesTheSameGames) {
  QuietGamePlay play;
  play.IndexFile(DataFile("pgn/random-legal-games-with-pins.pgn"));
  play.games.LoadGame(play.games.lastGameIndex());
  const std::string last = play.DisplaySlots();
  play.games.LoadGame(0);
  const std::string first = play.DisplaySlots();
  play.games.LoadGame(play.games.lastGameIndex());
  EXPECT_EQ(play.DisplaySlots(), last);
  play.games.LoadGame(0);
  EXPECT_EQ(play.DisplaySlots(), first);
}

}  // namespace
