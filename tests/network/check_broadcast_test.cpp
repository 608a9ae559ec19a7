// TarnwicketCheck given a broadcast address: one fetch from the tests' own
// server into a copy in the current folder, then the check of that copy; a
// server that is gone ends it with the "Can't fetch" text and status 2.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/network/test_http_server.h"
#include "viewer/show/broadcast_address.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class CheckBroadcastTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tarnwicket-check-" + std::to_string(::getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs TarnwicketCheck in the folder; its exit status.
  int Check(const std::string& address) {
    const std::string command =
        "cd '" + folder_.string() + "' && '" TARNWICKET_CHECK_PROGRAM "' '" + address + "' > out.txt 2> err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path folder_;
};

TEST_F(CheckBroadcastTest, ChecksTheFetchedCopy) {
  TestHttpServer server;
  server.Serve(
      "[Event \"Live\"]\n[White \"A\"]\n[Black \"B\"]\n\n1. e4 e5 2. Nf3 1-0\n\n"
      "[Event \"Live\"]\n[White \"C\"]\n[Black \"D\"]\n\n1. d4 *\n",
      "\"r1\"");
  const std::string address = server.Address("/round-1.pgn");
  EXPECT_EQ(Check(address), 0) << ReadFile(folder_ / "err.txt");
  const std::string out = ReadFile(folder_ / "out.txt");
  EXPECT_EQ(out.rfind("1\t3\t", 0), 0u) << out;
  EXPECT_NE(out.find("\t1-0\n2\t1\t"), std::string::npos) << out;
  EXPECT_EQ(ReadFile(folder_ / BroadcastCacheName("TarnwicketCheck", address)).substr(0, 15), "[Event \"Live\"]\n");
  EXPECT_EQ(server.RequestCount(), 1);
}

TEST_F(CheckBroadcastTest, ServerGoneIsStatusTwoWithTheText) {
  std::string address;
  {
    TestHttpServer gone;
    address = gone.Address("/round-1.pgn");
  }
  EXPECT_EQ(Check(address), 2);
  EXPECT_EQ(ReadFile(folder_ / "err.txt"), "TarnwicketCheck: Can't fetch " + address + ": the server did not answer\n");
}

TEST_F(CheckBroadcastTest, MalformedAddressIsStatusTwo) {
  EXPECT_EQ(Check("http://:80/x.pgn"), 2);
  EXPECT_NE(ReadFile(folder_ / "err.txt").find("the address names no server"), std::string::npos);
}

}  // namespace
