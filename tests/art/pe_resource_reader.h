// A small reader of the resources in a PE file, for checking what the art
// libraries hold: resource data by type and numeric identifier, and the
// header facts of a resource-only library.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace arttest {

using Bytes = std::vector<uint8_t>;

struct PeFile {
  bool valid = false;
  uint32_t entryPoint = 0;
  uint32_t importDirectorySize = 0;
  uint16_t sectionCount = 0;
  // (resource type, identifier) -> data; named types are keyed by their name.
  std::map<std::pair<std::string, int>, Bytes> resources;
};

PeFile ReadPeFile(const std::string& path);

// Resource type keys: numeric types as "#2" (bitmap) or "#14" (icon group), named ones as written.
inline const std::string kBitmapType = "#2";
inline const std::string kWaveType = "WAVE";
inline const std::string kIconGroupType = "#14";

struct DibInfo {
  int width = 0, height = 0, bitCount = 0;
  uint32_t compression = 0, colorsUsed = 0;
};
DibInfo ReadDibInfo(const Bytes& dib);

// Pixels of a 24-bit bottom-up DIB as 0xRRGGBB, top row first.
struct Pixels {
  int width = 0, height = 0;
  std::vector<uint32_t> rgb;
  uint32_t At(int x, int y) const { return rgb[size_t(y) * size_t(width) + size_t(x)]; }
};
Pixels DecodeDib24(const Bytes& dib);

}  // namespace arttest
