// The viewer's command line and the XSCREENSAVER_WINDOW it may find: the
// bytes up to the first zero byte are the command-line text, the bytes after
// it (when there is a zero byte) the variable's value. Both styles are read,
// as a program and as a screensaver file, and the game file to open is made.
//
// Promises: every reading ends in one request; a preview or a -window-id
// names a window other than 0; a refusal says why; the game file is the end
// of the command line as given; a named game file is never replaced by the
// demo games.
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_inputs.h"
#include "viewer/frame/viewer_arguments.h"

namespace {

void Check(const std::string& commandLine, const char* environment, ArgumentStyle style, bool screensaverFile) {
  const ViewerArguments arguments = ParseViewerArguments(commandLine.c_str(), style, screensaverFile, environment);
  switch (arguments.request) {
    case ViewerRequest::kPreview: FUZZ_REQUIRE(arguments.window != 0 && style == ArgumentStyle::kWindows); break;
    case ViewerRequest::kBadArguments: FUZZ_REQUIRE(!arguments.error.empty()); break;
    case ViewerRequest::kExistingWindow: FUZZ_REQUIRE(style == ArgumentStyle::kX11); break;
    case ViewerRequest::kScreensaver:
    case ViewerRequest::kConfigure: FUZZ_REQUIRE(style == ArgumentStyle::kWindows); break;
    default: break;
  }
  if (!arguments.gameFile.empty()) {
    FUZZ_REQUIRE(commandLine.find(arguments.gameFile) != std::string::npos);
    const std::string opened = GameFileToOpen(arguments.gameFile, "/start/", "/data/", false);
    FUZZ_REQUIRE(opened.size() >= arguments.gameFile.size());
    FUZZ_REQUIRE(opened.compare(opened.size() - arguments.gameFile.size(), std::string::npos, arguments.gameFile) == 0);
  }
}

}  // namespace

void RunViewerArgumentsInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t zero = bytes.find('\0');
  const std::string commandLine = bytes.substr(0, zero);
  const std::string environment = zero == std::string::npos ? std::string() : bytes.substr(zero + 1);
  const char* variable = zero == std::string::npos ? nullptr : environment.c_str();
  for (ArgumentStyle style : {ArgumentStyle::kWindows, ArgumentStyle::kX11})
    for (bool screensaverFile : {false, true}) Check(commandLine, variable, style, screensaverFile);
}
