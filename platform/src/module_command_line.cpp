// Joining POSIX arguments into a Windows command-line text.
#include "platform/src/module_command_line.h"

std::string WindowsCommandLine(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (i > 1) text += ' ';
    const bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
    text += quote ? '"' + argument + '"' : argument;
  }
  return text;
}
