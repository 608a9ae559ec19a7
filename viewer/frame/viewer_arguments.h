// The viewer's command line. The whole text names the game file, as it always
// has, unless it starts with one of the requests below:
//   --help, --version                  answered on standard output
// Windows, the viewer as a screensaver (also as Tarnwicket.scr):
//   /s  (/S, -s)                       play full-screen until a key, a click or a mouse movement
//   /p HWND  (/p:HWND)                 play a silent miniature inside that preview window
//   /c  (/c:HWND), and no argument     start the settings program (for the .scr only)
// X11, the viewer as an XScreenSaver program:
//   -root                              draw into the screen's root window (XScreenSaver's
//                                      virtual root when XSCREENSAVER_WINDOW is set)
//   -window-id ID                      draw into that window (decimal or 0x hexadecimal)
//   and XSCREENSAVER_WINDOW set        draw into the window it names
// In the X11 forms the rest of the command line is the game file.
#pragma once

#include <string>

enum class ArgumentStyle { kWindows, kX11 };

enum class ViewerRequest {
  kShow,            // the usual viewer
  kHelp,            // print the usage
  kVersion,         // print the version
  kScreensaver,     // Windows /s
  kPreview,         // Windows /p: `window` is the preview window
  kConfigure,       // Windows /c: start the settings program
  kExistingWindow,  // X11: draw into `window` (0: the root window)
  kBadArguments,    // `error` says what is wrong
};

struct ViewerArguments {
  ViewerRequest request = ViewerRequest::kShow;
  unsigned long long window = 0;
  std::string gameFile;  // empty: the default game file
  std::string error;
};

// Reads the command-line text. `screensaverFile` is true for the program
// started as Tarnwicket.scr (no argument then means /c); `xscreensaverWindow`
// is the environment's XSCREENSAVER_WINDOW (null when it is not set).
ViewerArguments ParseViewerArguments(const char* commandLine, ArgumentStyle style, bool screensaverFile,
                                     const char* xscreensaverWindow);

// The default game file's name, beside the settings in the current folder.
extern const char kDefaultGameFileName[];

// The game file the viewer opens: the named one, a relative name taken from
// `startFolder` (an installed program's, ending in '/'; empty: the current
// folder); with no name, the default file of the current folder when
// `defaultExists`, else the installed demo games in `installedDataFolder`
// (ending in '/'), else "" (the default name, which then does not open).
std::string GameFileToOpen(const std::string& named, const std::string& startFolder,
                           const std::string& installedDataFolder, bool defaultExists);

// The text --help prints.
std::string ViewerUsage(ArgumentStyle style);
