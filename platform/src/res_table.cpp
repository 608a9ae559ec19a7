// Resource keys and the lookup of a resource by type and name.
#include "platform/src/res_table.h"

#include <cstdlib>

ResourceKey ResourceKey::Number(uint16_t value) {
  ResourceKey key;
  key.number = value;
  return key;
}

ResourceKey ResourceKey::Text(const std::string& value) {
  ResourceKey key;
  key.isNumber = false;
  key.text = value;
  for (char& c : key.text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

ResourceKey ResourceKey::FromArgument(const char* argument) {
  const auto value = reinterpret_cast<uintptr_t>(argument);
  if ((value >> 16) == 0) return Number(static_cast<uint16_t>(value));
  if (argument[0] == '#') {
    char* end = nullptr;
    const unsigned long number = std::strtoul(argument + 1, &end, 10);
    if (end != argument + 1 && *end == '\0' && number <= 0xFFFF) return Number(static_cast<uint16_t>(number));
  }
  return Text(argument);
}

std::string ResourceKey::Describe() const { return isNumber ? std::to_string(number) : text; }

namespace {

struct OwnedBytes final : ResourceBytes {
  explicit OwnedBytes(std::vector<uint8_t> bytes) : bytes(std::move(bytes)) {}
  const std::vector<uint8_t> bytes;
};

}  // namespace

ResourceTable::ResourceTable(std::vector<uint8_t> bytes) {
  auto owned = std::make_shared<const OwnedBytes>(std::move(bytes));
  bytes_ = ByteView(owned->bytes.data(), owned->bytes.size());
  keeper_ = std::move(owned);
}

ByteView ResourceTable::DataOf(const ResourceEntry& entry) const {
  if (keeper_ != nullptr && !keeper_->Readable(static_cast<uint64_t>(entry.offset) + entry.size)) return ByteView();
  return ByteView(bytes_.Data() + entry.offset, entry.size);
}

void ResourceTable::Add(ResourceKey type, ResourceKey name, uint16_t language, size_t offset, size_t size) {
  entries_.push_back(ResourceEntry{std::move(type), std::move(name), language, offset, size});
}

const ResourceEntry* ResourceTable::Find(const ResourceKey& type, const ResourceKey& name) const {
  constexpr uint16_t kLanguageNeutral = 0x0000;
  constexpr uint16_t kUsEnglish = 0x0409;
  const ResourceEntry* first = nullptr;
  const ResourceEntry* english = nullptr;
  for (const ResourceEntry& entry : entries_) {
    if (!(entry.type == type) || !(entry.name == name)) continue;
    if (entry.language == kLanguageNeutral) return &entry;
    if (entry.language == kUsEnglish && english == nullptr) english = &entry;
    if (first == nullptr) first = &entry;
  }
  return english != nullptr ? english : first;
}

std::string ResourceTextFromUtf16(const std::vector<uint16_t>& units) {
  std::string text;
  for (size_t i = 0; i < units.size(); ++i) {
    uint32_t code = units[i];
    const bool highSurrogate = code >= 0xD800 && code < 0xDC00;
    if (highSurrogate && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    }
    if (code < 0x80) {
      text += static_cast<char>(code);
    } else if (code < 0x800) {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      text += static_cast<char>(0xE0 | (code >> 12));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (code >> 18));
      text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}
