// Helpers shared by the chess and game library tests: boards from text,
// a scratch folder to run in, the test data folder.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include <unistd.h>

#include "tests/support/board_text.h"
#include "viewer/chess/chess_state.h"
#include "viewer/show/game_index.h"

namespace test_support {

// A board from 64 characters in index order (square 0 = a8), '.' for a blank.
inline void SetBoard(ChessState& state, const char* squares) {
  ASSERT_EQ(std::strlen(squares), 64u);
  Board board;
  BoardFromText(squares, board);
  state.SetBoard(board);
}

inline std::string DataFile(const std::string& name) { return std::string(TARNWICKET_TEST_DATA) + "/" + name; }

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// Runs each test in a fresh folder of its own, for the files the game
// library writes beside the programs.
class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() / ("tarnwicket_" + std::string(info->test_suite_name()) + "_" +
                                                        info->name() + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

// Ply lists holding these plies, as the game library would load them.
inline PlyLists PliesOf(std::initializer_list<const char*> plies) {
  PlyLists lists;
  lists.Allocate(static_cast<int>(plies.size()));
  for (const char* ply : plies) {
    std::snprintf(lists.plyList[lists.loadedPlies].text, sizeof(PlySlot::text), "%s", ply);
    std::snprintf(lists.plyDisplayList[lists.loadedPlies].text, sizeof(PlySlot::text), "%s", ply);
    ++lists.loadedPlies;
  }
  return lists;
}

// A game library and the chess state that plays its games, as the viewer
// and TarnwicketCheck hold them; no log or resume file is written unless a
// test asks for them.
class QuietGamePlay {
 public:
  GameIndex games;
  ChessState chess;

  QuietGamePlay() { games.KeepRecords(false); }

  // Opens a file of the test data and indexes it.
  void IndexFile(const std::string& path) {
    games.SetFileName(path.c_str());
    games.CountGames();
    games.IndexPlies();
  }

  // Loads game g and starts it on the board.
  void LoadAndStart(int16_t g) {
    games.LoadGame(g);
    chess.StartGame(games.gameStart());
  }

  PlyOutcome AdvancePly() { return chess.AdvancePly(games.plies()); }
  // The number of plies the take-back replayed, or -1 when it did nothing.
  int16_t TakeBackPly() {
    const PlyOutcome outcome = chess.TakeBackPly(games.plies());
    return outcome.takeBack ? outcome.pliesReplayed : -1;
  }

  // The loaded game's plies as written, separated by blanks.
  std::string DisplaySlots() const {
    std::string slots;
    const PlyLists& plies = games.plies();
    for (int i = 0; i < plies.loadedPlies; ++i) {
      if (i > 0) slots += ' ';
      slots += plies.plyDisplayList[i].text;
    }
    return slots;
  }
};

}  // namespace test_support
