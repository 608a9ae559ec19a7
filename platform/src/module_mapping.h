// A whole file mapped read-only into memory, for the resource tables of the
// libraries LoadLibraryA opens: only the pages of the resources a program
// uses are ever read, instead of the whole file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/src/res_table.h"

class MappedFile final : public ResourceBytes {
 public:
  ~MappedFile() override;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // The file mapped whole; null when it does not open, is no regular file,
  // or is larger than `maxSize` bytes.
  static std::shared_ptr<const MappedFile> Open(const std::filesystem::path& path, uintmax_t maxSize);

  ByteView Bytes() const { return ByteView(data_, size_); }
  // False once the file has become shorter than `end` bytes: reading those
  // pages would end the program, so its resources count as gone.
  bool Readable(uint64_t end) const override;
  // Drops the whole pages inside the range from the program's memory.
  void DoneWith(uint64_t offset, uint64_t size) const override;

 private:
  MappedFile(int descriptor, const uint8_t* data, size_t size) : descriptor_(descriptor), data_(data), size_(size) {}

  int descriptor_;
  const uint8_t* data_;
  size_t size_;
};
