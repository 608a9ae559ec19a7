// The command-line text a Windows program receives, built from POSIX arguments.
#pragma once

#include <string>

// The arguments after the program's name, joined by blanks, each one that is
// empty or holds a blank or tab in double quotes (as a Windows shell passes it).
std::string WindowsCommandLine(int argc, const char* const* argv);
