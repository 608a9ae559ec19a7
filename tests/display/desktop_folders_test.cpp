// An installed program works in the user's XDG folder and finds its data
// folder from its own; a run folder stays as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/src/desktop_folders.h"
#include "tests/display/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// An install prefix with the programs in bin/ and the data in share/tarnwicket/.
struct Prefix {
  ScratchFolder root{"prefix"};
  Prefix() {
    fs::create_directories(root.Path() / "bin");
    fs::create_directories(root.Path() / "share/tarnwicket");
  }
  fs::path Bin() const { return root.Path() / "bin"; }
};

TEST(DesktopFolders, AProgramBesideItsDataFolderIsInstalledAndWorksInXdgConfigHome) {
  Prefix prefix;
  const DesktopFolders folders = FindDesktopFolders(prefix.Bin(), "/home/user/games", "/home/user/.cfg", "/home/user");
  EXPECT_TRUE(folders.installed);
  EXPECT_EQ(folders.dataFolder, prefix.root.Path() / "share/tarnwicket");
  EXPECT_EQ(folders.userFolder, fs::path("/home/user/.cfg/tarnwicket"));
  EXPECT_EQ(folders.startFolder, fs::path("/home/user/games"));
}

TEST(DesktopFolders, WithoutXdgConfigHomeTheUserFolderIsBelowHome) {
  Prefix prefix;
  EXPECT_EQ(FindDesktopFolders(prefix.Bin(), "/", nullptr, "/home/user").userFolder,
            fs::path("/home/user/.config/tarnwicket"));
  EXPECT_EQ(FindDesktopFolders(prefix.Bin(), "/", "", "/home/user").userFolder,
            fs::path("/home/user/.config/tarnwicket"));
  EXPECT_EQ(FindDesktopFolders(prefix.Bin(), "/", "relative/config", "/home/user").userFolder,
            fs::path("/home/user/.config/tarnwicket"))
      << "a relative XDG_CONFIG_HOME is ignored, as the XDG rules say";
}

TEST(DesktopFolders, ARunFolderIsNotInstalled) {
  ScratchFolder run("run");
  const DesktopFolders folders = FindDesktopFolders(run.Path(), run.Path(), "/home/user/.config", "/home/user");
  EXPECT_FALSE(folders.installed);
  EXPECT_TRUE(folders.dataFolder.empty());
  EXPECT_TRUE(folders.userFolder.empty());
}

TEST(DesktopFolders, WithNoHomeAtAllTheProgramStaysWhereItWasStarted) {
  Prefix prefix;
  EXPECT_FALSE(FindDesktopFolders(prefix.Bin(), "/tmp", nullptr, nullptr).installed);
}

TEST(DesktopFolders, AProgramNotStartedAsAProgramIsNotInstalled) {
  // Tests run without RunWinMain: nothing moved, no data folder.
  EXPECT_FALSE(CurrentDesktopFolders().installed);
}

}  // namespace
