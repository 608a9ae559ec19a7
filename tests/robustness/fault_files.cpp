// Building the fault tests' files.
#include "tests/robustness/fault_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace fault_files {

namespace {

uint32_t U32(const std::vector<uint8_t>& bytes, size_t at) {
  if (at + 4 > bytes.size()) throw std::runtime_error("not a PE image");
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& bytes, size_t at) {
  if (at + 2 > bytes.size()) throw std::runtime_error("not a PE image");
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}
void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

void MakeFolderInstead(const std::string& name) {
  fs::remove_all(name);
  fs::create_directory(name);
}

void MakeDiskFull(const std::string& name) {
  fs::remove_all(name);
  fs::create_symlink("/dev/full", name);
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> WithResourcesOutsideTheFile(std::vector<uint8_t> image) {
  const uint32_t pe = U32(image, 0x3C);
  const uint16_t sections = U16(image, pe + 6);
  const uint16_t optionalSize = U16(image, pe + 20);
  const size_t optional = pe + 24;
  const bool pe32Plus = U16(image, optional) == 0x20B;
  const uint32_t resourceRva = U32(image, optional + (pe32Plus ? 112 : 96) + 2 * 8);
  const size_t table = optional + optionalSize;
  for (uint16_t i = 0; i < sections; ++i) {
    const size_t header = table + 40u * i;
    const uint32_t start = U32(image, header + 12);
    const uint32_t size = std::max(U32(image, header + 8), U32(image, header + 16));
    if (resourceRva >= start && resourceRva < start + size) {
      PutU32(image, header + 20, static_cast<uint32_t>(image.size()) + 0x10000);
      return image;
    }
  }
  throw std::runtime_error("the image has no resource section");
}

std::vector<uint8_t> NoiseBytes(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(count);
  for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
  return bytes;
}

}  // namespace fault_files
