// Figures of this process from /proc/self/status, in kilobytes.
#pragma once

#include <fstream>
#include <string>

// The value of a "Name:  1234 kB" line ("VmRSS", "RssAnon", "RssFile"); -1
// when the line is missing.
inline long ProcStatusKilobytes(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, name.size() + 1, name + ":") == 0) return std::stol(line.substr(name.size() + 1));
  }
  return -1;
}
