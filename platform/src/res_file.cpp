// The .res reader: a sequence of entries, each a header (sizes, type, name,
// language) followed by its data, both padded to 4 bytes.
#include "platform/src/res_file.h"

#include <utility>

namespace {

uint64_t AlignTo4(uint64_t value) { return (value + 3) & ~uint64_t{3}; }

// A type or name field: 0xFFFF and a number, or a zero-terminated UTF-16
// text. `offset` moves past the field; false when it does not end in `end`.
bool ReadKey(ByteView bytes, uint64_t& offset, uint64_t end, ResourceKey& key) {
  uint16_t unit = 0;
  if (offset + 2 > end || !bytes.ReadU16(offset, unit)) return false;
  if (unit == 0xFFFF) {
    uint16_t number = 0;
    if (offset + 4 > end || !bytes.ReadU16(offset + 2, number)) return false;
    key = ResourceKey::Number(number);
    offset += 4;
    return true;
  }
  std::vector<uint16_t> units;
  while (true) {
    if (offset + 2 > end || !bytes.ReadU16(offset, unit)) return false;
    offset += 2;
    if (unit == 0) break;
    units.push_back(unit);
  }
  key = ResourceKey::Text(ResourceTextFromUtf16(units));
  return true;
}

std::optional<ResourceTable> ReadResFileInto(ResourceTable table) {
  const ByteView bytes = table.Bytes();
  uint64_t entry = 0;
  while (entry < bytes.Size()) {
    uint32_t dataSize = 0;
    uint32_t headerSize = 0;
    if (!bytes.ReadU32(entry, dataSize) || !bytes.ReadU32(entry + 4, headerSize)) return std::nullopt;
    const uint64_t headerEnd = entry + headerSize;
    if (headerSize < 8 || !bytes.Contains(entry, headerSize)) return std::nullopt;

    uint64_t field = entry + 8;
    ResourceKey type;
    ResourceKey name;
    if (!ReadKey(bytes, field, headerEnd, type) || !ReadKey(bytes, field, headerEnd, name)) return std::nullopt;
    field = AlignTo4(field - entry) + entry;
    uint16_t language = 0;
    // DataVersion (4 bytes), MemoryFlags (2), LanguageId (2), Version, Characteristics.
    if (field + 16 > headerEnd || !bytes.ReadU16(field + 6, language)) return std::nullopt;

    if (!bytes.Contains(headerEnd, dataSize)) return std::nullopt;
    const bool placeholder = type.isNumber && type.number == 0;  // the empty first entry
    if (!placeholder) table.Add(type, name, language, static_cast<size_t>(headerEnd), dataSize);
    entry = AlignTo4(headerEnd + dataSize);
  }
  return table;
}

}  // namespace

std::optional<ResourceTable> ReadResFile(std::vector<uint8_t> data) {
  return ReadResFileInto(ResourceTable(std::move(data)));
}

std::optional<ResourceTable> ReadResFile(ByteView bytes, std::shared_ptr<const ResourceBytes> keeper) {
  return ReadResFileInto(ResourceTable(bytes, std::move(keeper)));
}
