// The screensaver's program file, folder and settings program on Windows.
#include "viewer/frame/screensaver_program.h"

#include <cstring>
#include <string>

#include "platform/win32.h"

#ifdef _WIN32

namespace {

const char kSettingsProgram[] = "TarnwicketCFG.exe";

std::string ProgramFile() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

// The folder of the program's file, with its final backslash.
std::string ProgramFolder() {
  const std::string file = ProgramFile();
  const size_t slash = file.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

}  // namespace

bool RunningAsScreensaverFile() {
  const std::string file = ProgramFile();
  return file.size() > 4 && _stricmp(file.c_str() + file.size() - 4, ".scr") == 0;
}

void MoveToProgramFolder() {
  const std::string folder = ProgramFolder();
  if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
}

bool StartSettingsProgram() {
  const std::string folder = ProgramFolder();
  std::string commandLine = "\"" + folder + kSettingsProgram + "\"";
  STARTUPINFOA startup;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  std::memset(&process, 0, sizeof process);
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

#else

bool RunningAsScreensaverFile() { return false; }

void MoveToProgramFolder() {}

bool StartSettingsProgram() { return false; }

#endif
