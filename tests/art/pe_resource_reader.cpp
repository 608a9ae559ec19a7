// A small reader of the resources in a PE file.
#include "tests/art/pe_resource_reader.h"

#include <cstdio>

namespace arttest {

namespace {

uint32_t U16(const Bytes& b, size_t at) { return at + 2 <= b.size() ? uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 : 0; }
uint32_t U32(const Bytes& b, size_t at) { return at + 4 <= b.size() ? U16(b, at) | U16(b, at + 2) << 16 : 0; }

struct Section {
  uint32_t rva, size, offset;
};

size_t ToOffset(const std::vector<Section>& sections, uint32_t rva) {
  for (const Section& s : sections)
    if (rva >= s.rva && rva < s.rva + s.size) return size_t(rva - s.rva) + s.offset;
  return size_t(-1);
}

std::string NameOf(const Bytes& f, size_t base, uint32_t entryName) {
  if (!(entryName & 0x80000000u)) return "#" + std::to_string(entryName);
  size_t at = base + (entryName & 0x7FFFFFFFu);
  uint32_t len = U16(f, at);
  std::string s;
  for (uint32_t i = 0; i < len; ++i) s.push_back(char(U16(f, at + 2 + 2 * i)));
  return s;
}

}  // namespace

PeFile ReadPeFile(const std::string& path) {
  PeFile pe;
  Bytes f;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) f.insert(f.end(), buf, buf + n);
    std::fclose(file);
  }
  if (f.size() < 64 || f[0] != 'M' || f[1] != 'Z') return pe;
  size_t peAt = U32(f, 60);
  if (U32(f, peAt) != 0x4550) return pe;
  size_t coff = peAt + 4;
  pe.sectionCount = uint16_t(U16(f, coff + 2));
  size_t optional = coff + 20, optionalSize = U16(f, coff + 16);
  bool plus = U16(f, optional) == 0x20B;
  pe.entryPoint = U32(f, optional + 16);
  size_t dirs = optional + (plus ? 112 : 96);
  pe.importDirectorySize = U32(f, dirs + 8 + 4);
  uint32_t resourceRva = U32(f, dirs + 16);
  std::vector<Section> sections;
  for (size_t i = 0; i < pe.sectionCount; ++i) {
    size_t s = optional + optionalSize + 40 * i;
    sections.push_back({U32(f, s + 12), U32(f, s + 8), U32(f, s + 20)});
  }
  size_t base = ToOffset(sections, resourceRva);
  if (base == size_t(-1)) return pe;
  auto entries = [&](size_t dir) {
    std::vector<std::pair<uint32_t, uint32_t>> out;
    uint32_t count = U16(f, dir + 12) + U16(f, dir + 14);
    for (uint32_t i = 0; i < count; ++i) out.push_back({U32(f, dir + 16 + 8 * i), U32(f, dir + 20 + 8 * i)});
    return out;
  };
  for (auto [typeName, typeOffset] : entries(base)) {
    std::string type = NameOf(f, base, typeName);
    for (auto [idName, idOffset] : entries(base + (typeOffset & 0x7FFFFFFFu))) {
      if (idName & 0x80000000u) continue;
      for (auto [lang, dataOffset] : entries(base + (idOffset & 0x7FFFFFFFu))) {
        (void)lang;
        size_t data = base + dataOffset;
        size_t at = ToOffset(sections, U32(f, data));
        uint32_t size = U32(f, data + 4);
        if (at == size_t(-1) || at + size > f.size()) return pe;
        pe.resources[{type, int(idName)}] = Bytes(f.begin() + long(at), f.begin() + long(at + size));
      }
    }
  }
  pe.valid = true;
  return pe;
}

DibInfo ReadDibInfo(const Bytes& dib) {
  DibInfo d;
  d.width = int(U32(dib, 4));
  d.height = int(U32(dib, 8));
  d.bitCount = int(U16(dib, 14));
  d.compression = U32(dib, 16);
  d.colorsUsed = U32(dib, 32);
  return d;
}

Pixels DecodeDib24(const Bytes& dib) {
  Pixels p;
  DibInfo d = ReadDibInfo(dib);
  if (d.bitCount != 24 || d.compression != 0) return p;
  p.width = d.width;
  p.height = d.height;
  p.rgb.resize(size_t(d.width) * size_t(d.height));
  size_t stride = (size_t(d.width) * 3 + 3) & ~size_t(3), bits = U32(dib, 0);
  for (int y = 0; y < d.height; ++y)
    for (int x = 0; x < d.width; ++x) {
      size_t at = bits + size_t(d.height - 1 - y) * stride + size_t(x) * 3;
      if (at + 2 < dib.size())
        p.rgb[size_t(y) * size_t(d.width) + size_t(x)] =
            uint32_t(dib[at + 2]) << 16 | uint32_t(dib[at + 1]) << 8 | dib[at];
    }
  return p;
}

}  // namespace arttest
