// Scratch files: one per extension and process, named after the process id
// so that fuzzers and tests running side by side never share one.
#include "fuzz/scratch_file.h"

#include <cstdio>
#include <filesystem>

#include <unistd.h>

#include "fuzz/fuzz_check.h"

std::string ScratchFilePath(const char* extension) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  return (folder / ("tarnwicket-fuzz-" + std::to_string(getpid()) + "." + extension)).string();
}

std::string WriteScratchFile(const char* extension, const uint8_t* data, size_t size) {
  const std::string path = ScratchFilePath(extension);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  FUZZ_REQUIRE(file != nullptr);
  FUZZ_REQUIRE(size == 0 || std::fwrite(data, 1, size, file) == size);
  FUZZ_REQUIRE(std::fclose(file) == 0);
  return path;
}
