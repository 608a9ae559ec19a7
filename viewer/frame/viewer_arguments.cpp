// Reading the viewer's command line.
#include "viewer/frame/viewer_arguments.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "viewer/frame/program_version.h"

const char kDefaultGameFileName[] = "Tarnwicket.pgn";

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The text with the blanks at both ends removed.
std::string Trimmed(const std::string& text) {
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// Splits off the first blank-separated word; `rest` (which may be the text
// itself) becomes what follows it.
std::string FirstWord(const std::string& text, std::string* rest) {
  size_t end = 0;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  std::string word = text.substr(0, end);
  *rest = Trimmed(text.substr(end));
  return word;
}

// A window handle or id: decimal, or hexadecimal after 0x. False for
// anything else, including nothing.
bool ParseWindowNumber(const std::string& text, unsigned long long* value) {
  if (text.empty() || text[0] == '-' || text[0] == '+') return false;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* digits = text.c_str() + (hex ? 2 : 0);
  if (*digits == '\0') return false;
  char* end = nullptr;
  errno = 0;
  *value = std::strtoull(digits, &end, hex ? 16 : 10);
  return errno == 0 && *end == '\0';
}

ViewerArguments Bad(const std::string& error) {
  ViewerArguments arguments;
  arguments.request = ViewerRequest::kBadArguments;
  arguments.error = error;
  return arguments;
}

// "/s", "-S", "/p:1234", "/c": the letter and what follows a colon, if any.
bool ScreensaverSwitch(const std::string& word, char* letter, std::string* attached) {
  if (word.size() < 2 || (word[0] != '/' && word[0] != '-')) return false;
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(word[1])));
  if (lower != 's' && lower != 'p' && lower != 'c') return false;
  if (word.size() == 2) {
    attached->clear();
  } else if (word[2] == ':') {
    *attached = word.substr(3);
  } else {
    return false;
  }
  *letter = lower;
  return true;
}

ViewerArguments ParseWindows(const std::string& text, bool screensaverFile) {
  ViewerArguments arguments;
  if (text.empty()) {
    if (screensaverFile) arguments.request = ViewerRequest::kConfigure;
    return arguments;
  }
  std::string rest;
  const std::string word = FirstWord(text, &rest);
  char letter = 0;
  std::string attached;
  if (!ScreensaverSwitch(word, &letter, &attached)) {
    arguments.gameFile = text;
    return arguments;
  }
  switch (letter) {
    case 's': arguments.request = ViewerRequest::kScreensaver; return arguments;
    case 'c': arguments.request = ViewerRequest::kConfigure; return arguments;
    default: break;
  }
  const std::string number = attached.empty() ? FirstWord(rest, &rest) : attached;
  if (!ParseWindowNumber(number, &arguments.window) || arguments.window == 0)
    return Bad("/p needs the preview window's handle");
  arguments.request = ViewerRequest::kPreview;
  return arguments;
}

ViewerArguments ParseX11(const std::string& text, const char* xscreensaverWindow) {
  ViewerArguments arguments;
  unsigned long long fromEnvironment = 0;
  const bool environmentSet = xscreensaverWindow != nullptr && xscreensaverWindow[0] != '\0';
  if (environmentSet && !ParseWindowNumber(Trimmed(xscreensaverWindow), &fromEnvironment))
    return Bad("XSCREENSAVER_WINDOW is no window id: " + std::string(xscreensaverWindow));
  std::string rest;
  const std::string word = FirstWord(text, &rest);
  if (word == "-root" || word == "--root") {
    arguments.request = ViewerRequest::kExistingWindow;
    arguments.window = fromEnvironment;
    arguments.gameFile = rest;
    return arguments;
  }
  if (word == "-window-id" || word == "--window-id") {
    const std::string number = FirstWord(rest, &rest);
    if (!ParseWindowNumber(number, &arguments.window) || arguments.window == 0)
      return Bad("-window-id needs a window id (decimal or 0x hexadecimal)");
    arguments.request = ViewerRequest::kExistingWindow;
    arguments.gameFile = rest;
    return arguments;
  }
  if (environmentSet) {
    arguments.request = ViewerRequest::kExistingWindow;
    arguments.window = fromEnvironment;
  }
  arguments.gameFile = text;
  return arguments;
}

}  // namespace

ViewerArguments ParseViewerArguments(const char* commandLine, ArgumentStyle style, bool screensaverFile,
                                     const char* xscreensaverWindow) {
  const std::string text = Trimmed(commandLine != nullptr ? commandLine : "");
  ViewerArguments arguments;
  if (text == "--help") {
    arguments.request = ViewerRequest::kHelp;
    return arguments;
  }
  if (text == "--version") {
    arguments.request = ViewerRequest::kVersion;
    return arguments;
  }
  if (style == ArgumentStyle::kWindows) return ParseWindows(text, screensaverFile);
  return ParseX11(text, xscreensaverWindow);
}

std::string GameFileToOpen(const std::string& named, const std::string& startFolder,
                           const std::string& installedDataFolder, bool defaultExists) {
  if (!named.empty()) return named[0] == '/' || startFolder.empty() ? named : startFolder + named;
  if (defaultExists || installedDataFolder.empty()) return "";
  return installedDataFolder + kDefaultGameFileName;
}

std::string ViewerUsage(ArgumentStyle style) {
  std::string usage = "Tarnwicket " TARNWICKET_VERSION
                      ": replays the chess games of a PGN file on a drawn board.\n"
                      "\n"
                      "usage: Tarnwicket [GAMES.pgn]\n"
                      "       Tarnwicket --help | --version\n";
  if (style == ArgumentStyle::kWindows) {
    usage +=
        "       Tarnwicket /s | /p HWND | /c     as a screensaver (also as Tarnwicket.scr)\n"
        "\n"
        "The whole command line names the game file (write it without quotes);\n"
        "without one the viewer plays Tarnwicket.pgn.\n";
  } else {
    usage +=
        "       Tarnwicket -root [GAMES.pgn]           draw into the root window (a screensaver)\n"
        "       Tarnwicket -window-id ID [GAMES.pgn]   draw into the window ID (decimal or 0x hex)\n"
        "\n"
        "The whole command line names the game file; without one the viewer plays\n"
        "Tarnwicket.pgn, or the installed demo games. With XSCREENSAVER_WINDOW set it\n"
        "draws into that window. Settings: TarnwicketCFG. Keys: Enter next game, Esc\n"
        "quit, Left take back, Right next move, Up/Down pause; Alt+Enter or F11 switch\n"
        "between the window and the full screen.\n";
  }
  return usage;
}
