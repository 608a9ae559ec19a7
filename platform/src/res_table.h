// The resources of one module, whichever way they arrived: read from a PE
// image's resource directory or from a compiled .res file. Entries are
// (type, name, language) keys over byte ranges of the file's bytes, which the
// table keeps alive (its own copy, a mapping of the file, or data built into
// the program), so a resource's data stays valid as long as the table lives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/src/res_bytes.h"

// A resource type or name: a 16-bit number or a text. Texts compare without
// regard to the case of ASCII letters, as resource names do on Windows.
struct ResourceKey {
  bool isNumber = true;
  uint16_t number = 0;
  std::string text;  // upper-cased, UTF-8

  static ResourceKey Number(uint16_t value);
  static ResourceKey Text(const std::string& value);
  // From a Win32 resource argument: MAKEINTRESOURCE(n), "#n" or a name.
  static ResourceKey FromArgument(const char* argument);

  bool operator==(const ResourceKey& other) const {
    return isNumber == other.isNumber && (isNumber ? number == other.number : text == other.text);
  }
  // A readable form for logs and messages: the number or the text.
  std::string Describe() const;
};

struct ResourceEntry {
  ResourceKey type;
  ResourceKey name;
  uint16_t language = 0;
  size_t offset = 0;  // into the table's bytes
  size_t size = 0;
};

// What holds a table's bytes alive: a copy, or a mapping of the file (see
// module_mapping.h), which can also tell whether the file still holds them.
class ResourceBytes {
 public:
  virtual ~ResourceBytes() = default;
  // False once the bytes before `end` can no longer be read (a mapped file
  // cut short behind the program's back).
  virtual bool Readable(uint64_t /*end*/) const { return true; }
  // The bytes from `offset` on, `size` of them, are not needed again soon:
  // a mapping gives their pages back (they are read again when used).
  virtual void DoneWith(uint64_t /*offset*/, uint64_t /*size*/) const {}
};

class ResourceTable {
 public:
  ResourceTable() = default;
  // Over bytes the table owns.
  explicit ResourceTable(std::vector<uint8_t> bytes);
  // Over bytes that `keeper` holds (null: bytes that live as long as the
  // process); the table and its copies share the keeper.
  ResourceTable(ByteView bytes, std::shared_ptr<const ResourceBytes> keeper)
      : keeper_(std::move(keeper)), bytes_(bytes) {}

  // Records a resource; the caller has checked the range against Bytes().
  void Add(ResourceKey type, ResourceKey name, uint16_t language, size_t offset, size_t size);

  // The resource of that type and name: language-neutral first, then US
  // English, then whichever comes first. Null when there is none.
  const ResourceEntry* Find(const ResourceKey& type, const ResourceKey& name) const;

  // The resource's bytes; empty when they are no longer there to read.
  ByteView DataOf(const ResourceEntry& entry) const;
  // The resource has been copied out (a decoded picture): see ResourceBytes::DoneWith.
  void DoneWith(const ResourceEntry& entry) const {
    if (keeper_ != nullptr) keeper_->DoneWith(entry.offset, entry.size);
  }
  ByteView Bytes() const { return bytes_; }
  const std::vector<ResourceEntry>& Entries() const { return entries_; }

 private:
  std::shared_ptr<const ResourceBytes> keeper_;
  ByteView bytes_;
  std::vector<ResourceEntry> entries_;
};

// A resource name or type stored as UTF-16 code units, as UTF-8 text.
std::string ResourceTextFromUtf16(const std::vector<uint16_t>& units);

// The resource types the platform looks up.
constexpr uint16_t kResourceTypeBitmap = 2;
constexpr uint16_t kResourceTypeIcon = 3;
constexpr uint16_t kResourceTypeGroupIcon = 14;
