// Bounds-checked little-endian reads over a block of bytes, for the parsers
// of files that may be truncated or hostile (PE images, .res files, pictures,
// waves). Every read says whether it stayed inside the block.
#pragma once

#include <cstddef>
#include <cstdint>

class ByteView {
 public:
  ByteView() = default;
  ByteView(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  const uint8_t* Data() const { return data_; }
  size_t Size() const { return size_; }

  // True when `length` bytes from `offset` lie inside the block.
  bool Contains(uint64_t offset, uint64_t length) const { return offset <= size_ && length <= size_ - offset; }

  bool ReadU16(uint64_t offset, uint16_t& value) const {
    if (!Contains(offset, 2)) return false;
    const uint8_t* p = data_ + offset;
    value = static_cast<uint16_t>(p[0] | (p[1] << 8));
    return true;
  }

  bool ReadU32(uint64_t offset, uint32_t& value) const {
    if (!Contains(offset, 4)) return false;
    const uint8_t* p = data_ + offset;
    value = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
            (static_cast<uint32_t>(p[3]) << 24);
    return true;
  }

  bool ReadI32(uint64_t offset, int32_t& value) const {
    uint32_t raw = 0;
    if (!ReadU32(offset, raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
  }

  // The part of the block from `offset` on, `length` bytes long; empty when
  // that range does not lie inside the block.
  ByteView Slice(uint64_t offset, uint64_t length) const {
    if (!Contains(offset, length)) return ByteView();
    return ByteView(data_ + offset, static_cast<size_t>(length));
  }

 private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};
