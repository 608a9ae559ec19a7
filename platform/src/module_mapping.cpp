// Read-only mappings of library files.
#include "platform/src/module_mapping.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

std::shared_ptr<const MappedFile> MappedFile::Open(const std::filesystem::path& path, uintmax_t maxSize) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
      static_cast<uintmax_t>(status.st_size) > maxSize) {
    close(descriptor);
    return nullptr;
  }
  const auto size = static_cast<size_t>(status.st_size);
  const uint8_t* data = nullptr;
  if (size > 0) {
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
    if (mapped == MAP_FAILED) {
      close(descriptor);
      return nullptr;
    }
    data = static_cast<const uint8_t*>(mapped);
  }
  return std::shared_ptr<const MappedFile>(new MappedFile(descriptor, data, size));
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) munmap(const_cast<uint8_t*>(data_), size_);
  close(descriptor_);
}

bool MappedFile::Readable(uint64_t end) const {
  struct stat status {};
  return fstat(descriptor_, &status) == 0 && status.st_size >= 0 && static_cast<uint64_t>(status.st_size) >= end;
}

void MappedFile::DoneWith(uint64_t offset, uint64_t size) const {
  if (data_ == nullptr || offset >= size_) return;
  const auto page = static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
  const uint64_t end = std::min<uint64_t>(offset + size, size_);
  const uint64_t first = (offset + page - 1) / page * page;
  const uint64_t last = end / page * page;
  if (last <= first) return;
  madvise(const_cast<uint8_t*>(data_) + first, static_cast<size_t>(last - first), MADV_DONTNEED);
}
