// NormalisePlyText: result tokens and their flags, ply marks.
#include <gtest/gtest.h>

#include "viewer/chess/chess_state.h"

namespace {

TEST(NormalisePlyTextTest, ResultTokensEndTheGameWithTheirFlag) {
  struct Case {
    const char* text;
    int16_t (ChessState::*flag)() const;
  };
  for (const Case& c : {Case{"1-0", &ChessState::whiteWon}, Case{"0-1", &ChessState::blackWon},
                        Case{"1/2-1/2", &ChessState::drawn}, Case{"1/2", &ChessState::drawn}}) {
    ChessState state;
    state.NormalisePlyText(c.text);
    EXPECT_EQ(state.gameState(), ChessState::kGameOver) << c.text;
    EXPECT_EQ((state.*c.flag)(), 1) << c.text;
    EXPECT_EQ(state.whiteWon() + state.blackWon() + state.drawn(), 1) << c.text;
  }
}

TEST(NormalisePlyTextTest, StarEndsTheGameWithoutAResultFlag) {
  ChessState state;
  state.NormalisePlyText("*");
  EXPECT_EQ(state.gameState(), ChessState::kGameOver);
  EXPECT_EQ(state.whiteWon() + state.blackWon() + state.drawn(), 0);
}

TEST(NormalisePlyTextTest, GameStateIsNeverResetHere) {
  ChessState state;
  state.NormalisePlyText("*");
  ASSERT_EQ(state.gameState(), ChessState::kGameOver);
  state.NormalisePlyText("e4");
  EXPECT_EQ(state.gameState(), ChessState::kGameOver);
}

TEST(NormalisePlyTextTest, MarksAreStrippedAndFlagged) {
  ChessState state;
  state.NormalisePlyText("exd6ep+");
  EXPECT_STREQ(state.plyText(), "ed6");
  EXPECT_EQ(state.captureFlag(), 1);
  EXPECT_EQ(state.checkFlag(), 1);
  EXPECT_EQ(state.mateFlag(), 0);

  state.NormalisePlyText("Qxf7#");
  EXPECT_STREQ(state.plyText(), "Qf7");
  EXPECT_EQ(state.captureFlag(), 1);
  EXPECT_EQ(state.mateFlag(), 1);
  EXPECT_EQ(state.checkFlag(), 0);
  EXPECT_EQ(state.gameState(), ChessState::kPlaying);  // a mate does not end the game

  state.NormalisePlyText("Nf3");
  EXPECT_EQ(state.checkFlag() + state.captureFlag() + state.mateFlag(), 0);
}

TEST(NormalisePlyTextTest, AnnotationMarksAttachedToAMoveGo) {
  ChessState state;
  state.NormalisePlyText("Nxe5!?");
  EXPECT_STREQ(state.plyText(), "Ne5");
  state.NormalisePlyText("O-O-O+??");
  EXPECT_STREQ(state.plyText(), "O-O-O");
  EXPECT_EQ(state.checkFlag(), 1);
}

}  // namespace
