// Play bookkeeping sequences that once left the board wrong.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/board_text.h"
#include "viewer/chess/chess_state.h"
#include "viewer/show/game_index.h"

namespace {

class TakeBackTest : public testing::Test {
 protected:
  void SetUp() override {
    path_ = (std::filesystem::temp_directory_path() / ("tarnwicket-takeback-" + std::to_string(getpid()) + ".pgn"))
                .string();
    std::ofstream(path_, std::ios::binary) << "[Event \"x\"]\n\n1. h3 e5 2. e4 1-0\n";
    games_.SetFileName(path_.c_str());
    games_.KeepRecords(false);
    games_.CountGames();
    games_.IndexPlies();
    games_.LoadGame(0);
    chess_.StartGame(games_.gameStart());
  }
  void TearDown() override { std::filesystem::remove(path_); }

  // What the viewer does when a slide lands.
  void Land() { chess_.LandPendingSquares(); }
  void AdvancePly() { chess_.AdvancePly(games_.plies()); }
  // The number of plies replayed, or -1 when nothing was taken back.
  int TakeBackPly() {
    const PlyOutcome outcome = chess_.TakeBackPly(games_.plies());
    return outcome.takeBack ? outcome.pliesReplayed : -1;
  }

  std::string path_;
  GameIndex games_;
  ChessState chess_;
};

using test_support::Square;

TEST_F(TakeBackTest, TheFirstPlyTakenBackAfterItLandedIsPlayedAgainFromTheStart) {
  AdvancePly();  // 1.h3
  Land();
  ASSERT_EQ(TakeBackPly(), 0);
  // The next ply comes before the reverse slide lands.
  ASSERT_NO_THROW(AdvancePly());
  EXPECT_EQ(chess_.pendingSquares()[Square("h3")], 'p');
  Land();
  EXPECT_EQ(chess_.board()[Square("h3")], 'p');
  EXPECT_EQ(chess_.board()[Square("h2")], ' ');
}

TEST_F(TakeBackTest, ALaterPlyTakenBackAfterItLandedIsPlayedAgain) {
  AdvancePly();  // 1.h3
  Land();
  AdvancePly();  // 1...e5
  Land();
  ASSERT_EQ(TakeBackPly(), 1);
  ASSERT_NO_THROW(AdvancePly());
  Land();
  EXPECT_EQ(chess_.board()[Square("e5")], 'P');
  EXPECT_EQ(chess_.board()[Square("e7")], ' ');
}

}  // namespace
