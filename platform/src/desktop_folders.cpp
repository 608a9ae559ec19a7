// The installed program's folders, and the move into the user's folder.
#include "platform/src/desktop_folders.h"

#include <limits.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/desktop.h"

#ifndef TARNWICKET_DATA_FROM_PROGRAM
#define TARNWICKET_DATA_FROM_PROGRAM "../share/tarnwicket"
#endif
#ifndef TARNWICKET_USER_FOLDER_NAME
#define TARNWICKET_USER_FOLDER_NAME "tarnwicket"
#endif

namespace fs = std::filesystem;

namespace {

DesktopFolders& Current() {
  static DesktopFolders folders;
  return folders;
}

// The folder as the platform's extension calls give it: with a trailing '/'.
std::string WithSlash(const fs::path& folder) {
  std::string text = folder.string();
  if (!text.empty() && text.back() != '/') text += '/';
  return text;
}

const char* HomeFromPasswordFile() {
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr ? entry->pw_dir : nullptr;
}

}  // namespace

fs::path ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return fs::path();
  return fs::path(std::string(path, static_cast<size_t>(length))).parent_path();
}

DesktopFolders FindDesktopFolders(const fs::path& programFolder, const fs::path& startFolder, const char* xdgConfigHome,
                                  const char* home) {
  DesktopFolders folders;
  folders.startFolder = startFolder;
  if (programFolder.empty()) return folders;
  std::error_code error;
  const fs::path data = fs::weakly_canonical(programFolder / TARNWICKET_DATA_FROM_PROGRAM, error);
  if (error || !fs::is_directory(data, error)) return folders;
  // XDG: a relative XDG_CONFIG_HOME is invalid and ignored.
  fs::path config;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    config = xdgConfigHome;
  } else if (home != nullptr && home[0] == '/') {
    config = fs::path(home) / ".config";
  } else {
    return folders;
  }
  folders.installed = true;
  folders.dataFolder = data;
  folders.userFolder = config / TARNWICKET_USER_FOLDER_NAME;
  return folders;
}

const DesktopFolders& EnterUserFolder() {
  std::error_code error;
  const fs::path start = fs::current_path(error);
  const char* home = std::getenv("HOME");
  DesktopFolders folders = FindDesktopFolders(ProgramFolder(), start, std::getenv("XDG_CONFIG_HOME"),
                                              home != nullptr ? home : HomeFromPasswordFile());
  if (folders.installed) {
    fs::create_directories(folders.userFolder, error);
    if (!error) fs::current_path(folders.userFolder, error);
    if (error) {
      std::fprintf(stderr, "platform: cannot work in %s (%s); staying in %s\n", folders.userFolder.c_str(),
                   error.message().c_str(), start.c_str());
      folders.userFolder = start;
    }
  }
  Current() = folders;
  return Current();
}

const DesktopFolders& CurrentDesktopFolders() { return Current(); }

const char* PlatformStartFolder() {
  static std::string text;
  const DesktopFolders& folders = Current();
  text = folders.installed ? WithSlash(folders.startFolder) : std::string();
  return text.c_str();
}

const char* PlatformInstalledDataFolder() {
  static std::string text;
  const DesktopFolders& folders = Current();
  text = folders.installed ? WithSlash(folders.dataFolder) : std::string();
  return text.c_str();
}
