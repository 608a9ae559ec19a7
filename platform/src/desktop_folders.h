// The folders of an installed program. A program whose data folder (art
// libraries, demo games) lies at the installed place seen from its own
// folder is installed: it works in the user's own folder below
// $XDG_CONFIG_HOME (settings, layouts, resume file, log), never in the
// install prefix. A program with its files beside it (a run folder) stays in
// the folder it was started in, as before.
#pragma once

#include <filesystem>
#include <string>

struct DesktopFolders {
  bool installed = false;
  std::filesystem::path dataFolder;   // installed: the art libraries and demo games
  std::filesystem::path userFolder;   // installed: where the program works
  std::filesystem::path startFolder;  // where it was started
};

// Decides the folders from the program's folder, the folder it was started
// in and the environment's XDG_CONFIG_HOME and HOME (either may be null).
// Touches nothing but looks for the data folder.
DesktopFolders FindDesktopFolders(const std::filesystem::path& programFolder, const std::filesystem::path& startFolder,
                                  const char* xdgConfigHome, const char* home);

// For the program's start (RunWinMain): an installed program makes its user
// folder and moves into it. Returns the folders the rest of the run sees.
const DesktopFolders& EnterUserFolder();
// The folders decided at the start (a program not started by RunWinMain,
// such as a test, is not installed).
const DesktopFolders& CurrentDesktopFolders();

// The folder the running program's file lies in.
std::filesystem::path ProgramFolder();
