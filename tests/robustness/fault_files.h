// Files for the fault tests: places that cannot be written, broken art
// libraries, hostile game files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fault_files {

// Makes `name` a place no program can write a file to, even one run by the
// superuser: a folder of that name.
void MakeFolderInstead(const std::string& name);
// Makes `name` a file whose writes fail as on a full disk (a link to /dev/full).
void MakeDiskFull(const std::string& name);

// The bytes of a file; empty when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);

// A PE image whose resource section's raw data is said to lie past the end
// of the file: its resource directory points outside the file.
std::vector<uint8_t> WithResourcesOutsideTheFile(std::vector<uint8_t> image);

// `count` bytes of a fixed pseudo-random sequence.
std::vector<uint8_t> NoiseBytes(size_t count, uint32_t seed);

}  // namespace fault_files
