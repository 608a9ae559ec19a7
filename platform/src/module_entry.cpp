// The entry glue between a POSIX main and the program's WinMain. Only a
// program's main refers to it, so test programs never need a WinMain.
#include "platform/src/module_entry.h"

#include <string>
#include <vector>

#include "platform/sdk/module.h"
#include "platform/src/core_backend.h"
#include "platform/src/desktop_folders.h"
#include "platform/src/module_command_line.h"
#include "platform/src/module_registry.h"
#include "platform/src/window_queue.h"

namespace {
constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
}

int RunWinMain(int argc, char** argv) {
  if (PlatformHeadless()) CatchQuitSignals();
  EnterUserFolder();
  const std::string text = WindowsCommandLine(argc, argv);
  std::vector<char> commandLine(text.begin(), text.end());
  commandLine.push_back('\0');
  return WinMain(HandleOfModule(&ProgramModule()), nullptr, commandLine.data(), kShowNormal);
}
