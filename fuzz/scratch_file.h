// A file of this process in the temporary folder, for the readers that take
// a file name rather than bytes. Each call rewrites it with new contents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the bytes to this process's scratch file with that extension and
// returns its path.
std::string WriteScratchFile(const char* extension, const uint8_t* data, size_t size);
// The path the scratch file with that extension has (written or not).
std::string ScratchFilePath(const char* extension);
