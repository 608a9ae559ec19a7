// The PE resource directory reader: headers, section table, RVA mapping and
// the three-level tree of types, names and languages.
#include "platform/src/pe_resources.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

constexpr uint16_t kDosMagic = 0x5A4D;         // "MZ"
constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kResourceDirectoryIndex = 2;
constexpr uint32_t kSectionHeaderSize = 40;
constexpr uint32_t kDirectoryHeaderSize = 16;
constexpr uint32_t kDirectoryEntrySize = 8;
constexpr uint32_t kDataEntrySize = 16;
constexpr uint32_t kHighBit = 0x80000000u;

struct Section {
  uint32_t virtualAddress;
  uint32_t mappedSize;  // bytes of the section that the file supplies
  uint32_t fileOffset;
};

class ResourceTreeReader {
 public:
  ResourceTreeReader(ByteView file, std::vector<Section> sections, uint32_t rootRva)
      : file_(file), sections_(std::move(sections)), rootRva_(rootRva), nameBudget_(file.Size() / 2 + 1024) {}

  // Walks the whole tree into `table`; false at the first fault.
  bool ReadInto(ResourceTable& table) { return ReadDirectory(0, 0, ResourceKey(), ResourceKey(), table); }

 private:
  // The file offset of `length` bytes at `rva`, when one section holds them all.
  bool MapRva(uint64_t rva, uint64_t length, uint64_t& offset) const {
    for (const Section& section : sections_) {
      if (rva < section.virtualAddress) continue;
      const uint64_t inside = rva - section.virtualAddress;
      if (inside >= section.mappedSize || length > section.mappedSize - inside) continue;
      offset = section.fileOffset + inside;
      return file_.Contains(offset, length);
    }
    return false;
  }

  // Offsets inside the tree count from the start of the resource directory.
  bool MapTreeOffset(uint32_t treeOffset, uint64_t length, uint64_t& offset) const {
    return MapRva(static_cast<uint64_t>(rootRva_) + treeOffset, length, offset);
  }

  bool ReadName(uint32_t nameField, ResourceKey& key) {
    if ((nameField & kHighBit) == 0) {
      if (nameField > 0xFFFF) return false;
      key = ResourceKey::Number(static_cast<uint16_t>(nameField));
      return true;
    }
    uint64_t offset = 0;
    uint16_t length = 0;
    if (!MapTreeOffset(nameField & ~kHighBit, 2, offset) || !file_.ReadU16(offset, length)) return false;
    if (length > nameBudget_) return false;
    nameBudget_ -= length;
    uint64_t textOffset = 0;
    if (!MapTreeOffset((nameField & ~kHighBit) + 2, static_cast<uint64_t>(length) * 2, textOffset)) return false;
    std::vector<uint16_t> units(length);
    for (uint16_t i = 0; i < length; ++i) file_.ReadU16(textOffset + 2u * i, units[i]);
    key = ResourceKey::Text(ResourceTextFromUtf16(units));
    return true;
  }

  // Level 0 holds types, level 1 names, level 2 languages; only level 2
  // points at data, and every directory is visited once.
  bool ReadDirectory(uint32_t treeOffset, int level, const ResourceKey& type, const ResourceKey& name,
                     ResourceTable& table) {
    if (!visited_.insert(treeOffset).second) return false;
    uint64_t header = 0;
    uint16_t namedCount = 0;
    uint16_t numberedCount = 0;
    if (!MapTreeOffset(treeOffset, kDirectoryHeaderSize, header)) return false;
    file_.ReadU16(header + 12, namedCount);
    file_.ReadU16(header + 14, numberedCount);
    const uint32_t count = static_cast<uint32_t>(namedCount) + numberedCount;
    uint64_t entries = 0;
    if (!MapTreeOffset(treeOffset + kDirectoryHeaderSize, static_cast<uint64_t>(count) * kDirectoryEntrySize, entries))
      return false;
    for (uint32_t i = 0; i < count; ++i) {
      uint32_t nameField = 0;
      uint32_t target = 0;
      file_.ReadU32(entries + i * kDirectoryEntrySize, nameField);
      file_.ReadU32(entries + i * kDirectoryEntrySize + 4, target);
      ResourceKey key;
      if (!ReadName(nameField, key)) return false;
      const bool isDirectory = (target & kHighBit) != 0;
      if (isDirectory != (level < 2)) return false;
      bool ok = false;
      if (level == 0) {
        ok = ReadDirectory(target & ~kHighBit, 1, key, ResourceKey(), table);
      } else if (level == 1) {
        ok = ReadDirectory(target & ~kHighBit, 2, type, key, table);
      } else {
        if (!key.isNumber) return false;
        ok = ReadData(target, type, name, key.number, table);
      }
      if (!ok) return false;
    }
    return true;
  }

  bool ReadData(uint32_t treeOffset, const ResourceKey& type, const ResourceKey& name, uint16_t language,
                ResourceTable& table) {
    uint64_t entry = 0;
    uint32_t dataRva = 0;
    uint32_t dataSize = 0;
    if (!MapTreeOffset(treeOffset, kDataEntrySize, entry)) return false;
    file_.ReadU32(entry, dataRva);
    file_.ReadU32(entry + 4, dataSize);
    uint64_t dataOffset = 0;
    if (!MapRva(dataRva, dataSize, dataOffset)) return false;
    table.Add(type, name, language, static_cast<size_t>(dataOffset), dataSize);
    return true;
  }

  ByteView file_;
  std::vector<Section> sections_;
  uint32_t rootRva_;
  uint64_t nameBudget_;  // UTF-16 units all names together may have
  std::set<uint32_t> visited_;
};

}  // namespace

namespace {

std::optional<ResourceTable> ReadPeResourcesInto(ResourceTable table) {
  const ByteView file = table.Bytes();

  uint16_t dosMagic = 0;
  uint32_t peOffset = 0;
  uint32_t signature = 0;
  if (!file.ReadU16(0, dosMagic) || dosMagic != kDosMagic) return std::nullopt;
  if (!file.ReadU32(0x3C, peOffset) || !file.ReadU32(peOffset, signature) || signature != kPeSignature)
    return std::nullopt;

  const uint64_t coffHeader = static_cast<uint64_t>(peOffset) + 4;
  uint16_t sectionCount = 0;
  uint16_t optionalHeaderSize = 0;
  if (!file.ReadU16(coffHeader + 2, sectionCount) || !file.ReadU16(coffHeader + 16, optionalHeaderSize))
    return std::nullopt;

  const uint64_t optionalHeader = coffHeader + 20;
  uint16_t magic = 0;
  if (!file.Contains(optionalHeader, optionalHeaderSize) || !file.ReadU16(optionalHeader, magic)) return std::nullopt;
  uint64_t countField = 0;
  if (magic == kPe32Magic)
    countField = 92;
  else if (magic == kPe32PlusMagic)
    countField = 108;
  else
    return std::nullopt;
  uint32_t directoryCount = 0;
  const uint64_t resourceField = countField + 4 + 8 * kResourceDirectoryIndex;
  if (optionalHeaderSize < countField + 4 || !file.ReadU32(optionalHeader + countField, directoryCount))
    return std::nullopt;

  uint32_t resourceRva = 0;
  uint32_t resourceSize = 0;
  if (directoryCount > kResourceDirectoryIndex) {
    if (optionalHeaderSize < resourceField + 8) return std::nullopt;
    file.ReadU32(optionalHeader + resourceField, resourceRva);
    file.ReadU32(optionalHeader + resourceField + 4, resourceSize);
  }

  const uint64_t sectionTable = optionalHeader + optionalHeaderSize;
  if (!file.Contains(sectionTable, static_cast<uint64_t>(sectionCount) * kSectionHeaderSize)) return std::nullopt;
  std::vector<Section> sections;
  for (uint16_t i = 0; i < sectionCount; ++i) {
    const uint64_t header = sectionTable + static_cast<uint64_t>(i) * kSectionHeaderSize;
    uint32_t virtualSize = 0;
    Section section{};
    uint32_t rawSize = 0;
    file.ReadU32(header + 8, virtualSize);
    file.ReadU32(header + 12, section.virtualAddress);
    file.ReadU32(header + 16, rawSize);
    file.ReadU32(header + 20, section.fileOffset);
    section.mappedSize = virtualSize != 0 ? std::min(virtualSize, rawSize) : rawSize;
    sections.push_back(section);
  }

  if (resourceRva == 0 || resourceSize == 0) return table;
  ResourceTreeReader reader(file, std::move(sections), resourceRva);
  if (!reader.ReadInto(table)) return std::nullopt;
  return table;
}

}  // namespace

std::optional<ResourceTable> ReadPeResources(std::vector<uint8_t> bytes) {
  return ReadPeResourcesInto(ResourceTable(std::move(bytes)));
}

std::optional<ResourceTable> ReadPeResources(ByteView file, std::shared_ptr<const ResourceBytes> keeper) {
  return ReadPeResourcesInto(ResourceTable(file, std::move(keeper)));
}
