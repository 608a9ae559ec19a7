// Play bookkeeping sequences that once left the board wrong.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "viewer/show/game_play.h"

namespace {

class TakeBackTest : public testing::Test {
 protected:
  void SetUp() override {
    path_ = (std::filesystem::temp_directory_path() / ("tarnwicket-takeback-" + std::to_string(getpid()) + ".pgn"))
                .string();
    std::ofstream(path_, std::ios::binary) << "[Event \"x\"]\n\n1. h3 e5 2. e4 1-0\n";
    std::snprintf(game_.pgnFileName, sizeof game_.pgnFileName, "%s", path_.c_str());
    game_.keepRecords = false;
    game_.CountGames();
    game_.IndexPlies();
    game_.LoadGame(0);
    game_.RestartBoard();
  }
  void TearDown() override { std::filesystem::remove(path_); }

  // What the viewer does when a slide lands.
  void Land() {
    game_.ApplyPendingSquares();
    game_.pendingApplied = 1;
  }

  std::string path_;
  GamePlay game_;
};

int Square(const char* name) { return ('8' - name[1]) * 8 + (name[0] - 'a'); }

TEST_F(TakeBackTest, TheFirstPlyTakenBackAfterItLandedIsPlayedAgainFromTheStart) {
  game_.AdvancePly();  // 1.h3
  Land();
  ASSERT_EQ(game_.TakeBackPly(), 0);
  // The next ply comes before the reverse slide lands.
  ASSERT_NO_THROW(game_.AdvancePly());
  EXPECT_EQ(game_.pendingSquares[Square("h3")], 'p');
  Land();
  EXPECT_EQ(game_.board[Square("h3")], 'p');
  EXPECT_EQ(game_.board[Square("h2")], ' ');
}

TEST_F(TakeBackTest, ALaterPlyTakenBackAfterItLandedIsPlayedAgain) {
  game_.AdvancePly();  // 1.h3
  Land();
  game_.AdvancePly();  // 1...e5
  Land();
  ASSERT_EQ(game_.TakeBackPly(), 1);
  ASSERT_NO_THROW(game_.AdvancePly());
  Land();
  EXPECT_EQ(game_.board[Square("e5")], 'P');
  EXPECT_EQ(game_.board[Square("e7")], ' ');
}

}  // namespace
