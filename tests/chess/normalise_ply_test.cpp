// NormalisePlyText: result tokens and their flags, ply marks, reading mode.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/chess/test_support.h"
#include "viewer/chess/chess_state.h"

namespace {

void Normalise(ChessState& state, const char* text) {
  std::snprintf(state.plyText, sizeof state.plyText, "%s", text);
  state.NormalisePlyText(ChessState::kPlayingMode);
}

TEST(NormalisePlyTextTest, ResultTokensEndTheGameWithTheirFlag) {
  struct Case {
    const char* text;
    int16_t ChessState::*flag;
  };
  for (const Case& c : {Case{"1-0", &ChessState::whiteWon}, Case{"0-1", &ChessState::blackWon},
                        Case{"1/2-1/2", &ChessState::drawn}, Case{"1/2", &ChessState::drawn}}) {
    ChessState state;
    Normalise(state, c.text);
    EXPECT_EQ(state.gameState, ChessState::kGameOver) << c.text;
    EXPECT_EQ(state.*c.flag, 1) << c.text;
    EXPECT_EQ(state.whiteWon + state.blackWon + state.drawn, 1) << c.text;
  }
}

TEST(NormalisePlyTextTest, StarEndsTheGameWithoutAResultFlag) {
  ChessState state;
  Normalise(state, "*");
  EXPECT_EQ(state.gameState, ChessState::kGameOver);
  EXPECT_EQ(state.whiteWon + state.blackWon + state.drawn, 0);
}

TEST(NormalisePlyTextTest, GameStateIsNeverResetHere) {
  ChessState state;
  state.gameState = ChessState::kGameOver;
  Normalise(state, "e4");
  EXPECT_EQ(state.gameState, ChessState::kGameOver);
}

TEST(NormalisePlyTextTest, MarksAreStrippedAndFlagged) {
  ChessState state;
  Normalise(state, "exd6ep+");
  EXPECT_STREQ(state.plyText, "ed6");
  EXPECT_EQ(state.captureFlag, 1);
  EXPECT_EQ(state.checkFlag, 1);
  EXPECT_EQ(state.mateFlag, 0);

  Normalise(state, "Qxf7#");
  EXPECT_STREQ(state.plyText, "Qf7");
  EXPECT_EQ(state.captureFlag, 1);
  EXPECT_EQ(state.mateFlag, 1);
  EXPECT_EQ(state.checkFlag, 0);
  EXPECT_EQ(state.gameState, ChessState::kPlaying);  // a mate does not end the game

  Normalise(state, "Nf3");
  EXPECT_EQ(state.checkFlag + state.captureFlag + state.mateFlag, 0);
}

TEST(NormalisePlyTextTest, AnnotationMarksAttachedToAMoveGo) {
  ChessState state;
  Normalise(state, "Nxe5!?");
  EXPECT_STREQ(state.plyText, "Ne5");
  Normalise(state, "O-O-O+??");
  EXPECT_STREQ(state.plyText, "O-O-O");
  EXPECT_EQ(state.checkFlag, 1);
}

TEST(NormalisePlyTextTest, ReadingModeSkipsWhatFollowsAResultAndNoticesTheEnd) {
  const std::string path = std::filesystem::temp_directory_path() / "tarnwicket_normalise_reading.pgn";
  test_support::WriteWholeFile(path, "1-0 \r\n\n{ trailing comment }\n% escape\n");
  ChessState state;
  ASSERT_TRUE(state.gameFile.Open(path.c_str()));
  ASSERT_EQ(state.gameFile.ReadPlyToken(state.plyText), PgnReader::TokenEnd::kToken);
  state.NormalisePlyText(ChessState::kReadingMode);
  EXPECT_EQ(state.whiteWon, 1);
  EXPECT_EQ(state.endOfFile, 1);
  state.gameFile.Close();
  std::filesystem::remove(path);
}

}  // namespace
