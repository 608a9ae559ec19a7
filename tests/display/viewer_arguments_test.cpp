// The viewer's command line: a game file as always, the answers to --help and
// --version, the Windows screensaver's /s, /p and /c in their spellings, the
// X11 screensaver's -root, -window-id and XSCREENSAVER_WINDOW, and the game
// file an installed viewer opens.
#include <gtest/gtest.h>

#include "viewer/frame/viewer_arguments.h"

namespace {

ViewerArguments Windows(const char* commandLine, bool screensaverFile = false) {
  return ParseViewerArguments(commandLine, ArgumentStyle::kWindows, screensaverFile, nullptr);
}

ViewerArguments X11(const char* commandLine, const char* xscreensaverWindow = nullptr) {
  return ParseViewerArguments(commandLine, ArgumentStyle::kX11, false, xscreensaverWindow);
}

TEST(ViewerArguments, AnyOtherCommandLineIsTheGameFileAsItStands) {
  for (auto style : {ArgumentStyle::kWindows, ArgumentStyle::kX11}) {
    const ViewerArguments arguments = ParseViewerArguments("my games 1999.pgn", style, false, nullptr);
    EXPECT_EQ(arguments.request, ViewerRequest::kShow);
    EXPECT_EQ(arguments.gameFile, "my games 1999.pgn");
    EXPECT_EQ(ParseViewerArguments("", style, false, nullptr).gameFile, "");
    EXPECT_EQ(ParseViewerArguments(nullptr, style, false, nullptr).request, ViewerRequest::kShow);
  }
  EXPECT_EQ(Windows("/sicilian.pgn").gameFile, "/sicilian.pgn") << "only the switch itself counts";
  EXPECT_EQ(X11("-rooted.pgn").gameFile, "-rooted.pgn");
}

TEST(ViewerArguments, HelpAndVersionAreAnsweredInBothStyles) {
  for (auto style : {ArgumentStyle::kWindows, ArgumentStyle::kX11}) {
    EXPECT_EQ(ParseViewerArguments("--help", style, false, nullptr).request, ViewerRequest::kHelp);
    EXPECT_EQ(ParseViewerArguments(" --version ", style, false, nullptr).request, ViewerRequest::kVersion);
    EXPECT_EQ(ParseViewerArguments("--help me.pgn", style, false, nullptr).request, ViewerRequest::kShow);
  }
  EXPECT_NE(ViewerUsage(ArgumentStyle::kX11).find("-window-id"), std::string::npos);
  EXPECT_NE(ViewerUsage(ArgumentStyle::kWindows).find("/p HWND"), std::string::npos);
}

TEST(ViewerArguments, TheScreensaverSwitchInEverySpellingWindowsUses) {
  for (const char* spelling : {"/s", "/S", "-s", "-S", "/s:1234"})
    EXPECT_EQ(Windows(spelling).request, ViewerRequest::kScreensaver) << spelling;
  for (const char* spelling : {"/c", "/C", "-c", "/c:3145", "/C:0"})
    EXPECT_EQ(Windows(spelling).request, ViewerRequest::kConfigure) << spelling;
}

TEST(ViewerArguments, ThePreviewNamesItsWindowSeparateOrAfterAColon) {
  for (const char* spelling : {"/p 985734", "/P 985734", "/p:985734", "-p   985734", "/p 0xF0A46"}) {
    SCOPED_TRACE(spelling);
    const ViewerArguments arguments = Windows(spelling);
    EXPECT_EQ(arguments.request, ViewerRequest::kPreview);
    EXPECT_EQ(arguments.window, std::string(spelling).find("0x") != std::string::npos ? 0xF0A46u : 985734u);
  }
  for (const char* broken : {"/p", "/p:", "/p window", "/p 0", "/p -5", "/p 12ab"})
    EXPECT_EQ(Windows(broken).request, ViewerRequest::kBadArguments) << broken;
}

TEST(ViewerArguments, TheScreensaverFileWithNoArgumentIsConfigured) {
  EXPECT_EQ(Windows("", true).request, ViewerRequest::kConfigure) << "Windows' Settings button";
  EXPECT_EQ(Windows("", false).request, ViewerRequest::kShow) << "Tarnwicket.exe plays its games";
  EXPECT_EQ(Windows("games.pgn", true).gameFile, "games.pgn");
}

TEST(ViewerArguments, TheWindowsSwitchesMeanNothingToTheX11Viewer) {
  EXPECT_EQ(X11("/s").request, ViewerRequest::kShow);
  EXPECT_EQ(X11("/s").gameFile, "/s");
}

TEST(ViewerArguments, RootDrawsIntoTheRootWindowOrXScreenSaversVirtualRoot) {
  ViewerArguments arguments = X11("-root");
  EXPECT_EQ(arguments.request, ViewerRequest::kExistingWindow);
  EXPECT_EQ(arguments.window, 0u);
  EXPECT_EQ(arguments.gameFile, "");
  arguments = X11("-root /usr/share/games/world.pgn", "0x3a00007");
  EXPECT_EQ(arguments.window, 0x3a00007u);
  EXPECT_EQ(arguments.gameFile, "/usr/share/games/world.pgn");
  EXPECT_EQ(X11("--root").request, ViewerRequest::kExistingWindow);
}

TEST(ViewerArguments, WindowIdIsDecimalOrHexadecimalAndTheRestIsTheGameFile) {
  ViewerArguments arguments = X11("-window-id 0x2C00004 my games.pgn");
  EXPECT_EQ(arguments.request, ViewerRequest::kExistingWindow);
  EXPECT_EQ(arguments.window, 0x2C00004u);
  EXPECT_EQ(arguments.gameFile, "my games.pgn");
  arguments = X11("--window-id 46137348");
  EXPECT_EQ(arguments.window, 46137348u);
  EXPECT_EQ(arguments.gameFile, "");
  for (const char* broken : {"-window-id", "-window-id 0", "-window-id zz", "-window-id 0x", "-window-id 12z"})
    EXPECT_EQ(X11(broken).request, ViewerRequest::kBadArguments) << broken;
}

TEST(ViewerArguments, XScreenSaversWindowAloneIsEnough) {
  ViewerArguments arguments = X11("", "41943047");
  EXPECT_EQ(arguments.request, ViewerRequest::kExistingWindow);
  EXPECT_EQ(arguments.window, 41943047u);
  arguments = X11("games.pgn", "0x2800007\n");
  EXPECT_EQ(arguments.window, 0x2800007u);
  EXPECT_EQ(arguments.gameFile, "games.pgn");
  EXPECT_EQ(X11("-window-id 0x10", "0x20").window, 0x10u) << "the command line comes first";
  EXPECT_EQ(X11("", "").request, ViewerRequest::kShow) << "set but empty";
  EXPECT_EQ(X11("", "nonsense").request, ViewerRequest::kBadArguments);
}

TEST(ViewerArguments, AnInstalledViewerOpensNamesFromWhereItWasStartedAndTheInstalledDemoGames) {
  EXPECT_EQ(GameFileToOpen("games.pgn", "", "", false), "games.pgn") << "a run folder: as given";
  EXPECT_EQ(GameFileToOpen("games.pgn", "/home/user/chess/", "/usr/share/tarnwicket/", false),
            "/home/user/chess/games.pgn");
  EXPECT_EQ(GameFileToOpen("/tmp/x.pgn", "/home/user/", "/usr/share/tarnwicket/", false), "/tmp/x.pgn");
  EXPECT_EQ(GameFileToOpen("", "/home/user/", "/usr/share/tarnwicket/", false), "/usr/share/tarnwicket/Tarnwicket.pgn");
  EXPECT_EQ(GameFileToOpen("", "/home/user/", "/usr/share/tarnwicket/", true), "")
      << "the user's own Tarnwicket.pgn comes first";
  EXPECT_EQ(GameFileToOpen("", "", "", false), "");
}

}  // namespace
