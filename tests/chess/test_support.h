// Helpers shared by the chess and game library tests: boards from text,
// a scratch folder to run in, the test data folder.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "viewer/show/game_play.h"

namespace test_support {

// A board from 64 characters in index order (square 0 = a8), '.' for a blank.
inline void SetBoard(ChessState& state, const char* squares) {
  ASSERT_EQ(std::strlen(squares), 64u);
  for (int i = 0; i < 64; ++i) state.board[i] = squares[i] == '.' ? kBlankSquare : squares[i];
}

// The board as 64 characters, '.' for a blank.
inline std::string BoardText(const unsigned char* squares) {
  std::string text(64, '.');
  for (int i = 0; i < 64; ++i) {
    if (squares[i] != kBlankSquare && squares[i] != 0) text[i] = static_cast<char>(squares[i]);
  }
  return text;
}

inline int Square(const char* name) { return ('8' - name[1]) * 8 + (name[0] - 'a'); }

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

// A game library that plays without writing the log and resume files
// unless a test asks for them.
class QuietGamePlay : public GamePlay {
 public:
  QuietGamePlay() { keepRecords = false; }

  // Opens a file of the test data and indexes it.
  void IndexFile(const std::string& path) {
    std::snprintf(pgnFileName, sizeof pgnFileName, "%s", path.c_str());
    CountGames();
    IndexPlies();
  }

  // The loaded game's plies as written, separated by blanks.
  std::string DisplaySlots() const {
    std::string slots;
    for (int i = 0; i < loadedPlies; ++i) {
      if (i > 0) slots += ' ';
      slots += plyDisplayList[i].text;
    }
    return slots;
  }
};

}  // namespace test_support
