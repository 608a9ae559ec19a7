// Builds small PE images (PE32 or PE32+) with one resource section, laid
// out as a linker lays it out, and reports where each structure sits, so
// that tests can corrupt exactly one of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TestKey {
  uint16_t number = 0;
  std::string text;  // a name when not empty
};

struct TestResource {
  TestKey type;
  TestKey name;
  uint16_t language = 0x0409;
  std::vector<uint8_t> data;
};

struct BuiltPe {
  std::vector<uint8_t> bytes;
  // File offsets.
  size_t resourceDirectoryField = 0;  // RVA and size of the resource directory
  size_t sectionHeader = 0;
  size_t resourceSection = 0;  // where the tree starts (tree offset 0)
  // Offsets inside the tree (add resourceSection for the file offset).
  uint32_t typeDirectories = 0;      // the first type's directory of names
  uint32_t languageDirectories = 0;  // the first name's directory of languages
  uint32_t dataEntries = 0;          // the first data entry
  uint32_t resourceSectionRva = 0;
};

BuiltPe BuildPeImage(const std::vector<TestResource>& resources, bool pe32Plus = true);

// Patching helpers.
void SetU16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void SetU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
uint32_t GetU32(const std::vector<uint8_t>& bytes, size_t at);
