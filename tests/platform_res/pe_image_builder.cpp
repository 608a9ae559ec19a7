// The PE image builder: DOS stub header, PE headers, one .rsrc section with
// the directory tree (named entries before numbered ones), strings and data.
#include "tests/platform_res/pe_image_builder.h"

#include "tests/platform_res/test_samples.h"

void SetU16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void SetU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  SetU16(bytes, at, static_cast<uint16_t>(value));
  SetU16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

uint32_t GetU32(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) | (static_cast<uint32_t>(bytes[at + 1]) << 8) |
         (static_cast<uint32_t>(bytes[at + 2]) << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
}

namespace {

constexpr uint32_t kSectionRva = 0x1000;
constexpr uint32_t kFileAlignment = 0x200;
constexpr uint32_t kHighBit = 0x80000000u;

bool SameKey(const TestKey& a, const TestKey& b) {
  return a.text == b.text && (!a.text.empty() || a.number == b.number);
}

struct NameNode {
  TestKey name;
  std::vector<const TestResource*> languages;
};
struct TypeNode {
  TestKey type;
  std::vector<NameNode> names;
};

// Named keys first, as the format orders them.
template <typename Node, typename KeyOf>
void NamedFirst(std::vector<Node>& nodes, KeyOf keyOf) {
  std::vector<Node> ordered;
  for (const Node& node : nodes)
    if (!keyOf(node).text.empty()) ordered.push_back(node);
  for (const Node& node : nodes)
    if (keyOf(node).text.empty()) ordered.push_back(node);
  nodes = ordered;
}

uint32_t Align(uint32_t value, uint32_t alignment) { return (value + alignment - 1) / alignment * alignment; }

}  // namespace

BuiltPe BuildPeImage(const std::vector<TestResource>& resources, bool pe32Plus) {
  std::vector<TypeNode> types;
  for (const TestResource& resource : resources) {
    TypeNode* type = nullptr;
    for (TypeNode& candidate : types)
      if (SameKey(candidate.type, resource.type)) type = &candidate;
    if (type == nullptr) {
      types.push_back(TypeNode{resource.type, {}});
      type = &types.back();
    }
    NameNode* name = nullptr;
    for (NameNode& candidate : type->names)
      if (SameKey(candidate.name, resource.name)) name = &candidate;
    if (name == nullptr) {
      type->names.push_back(NameNode{resource.name, {}});
      name = &type->names.back();
    }
    name->languages.push_back(&resource);
  }
  NamedFirst(types, [](const TypeNode& node) { return node.type; });
  for (TypeNode& type : types) NamedFirst(type.names, [](const NameNode& node) { return node.name; });

  // Layout of the tree: root, name directories, language directories,
  // data entries, strings, data.
  BuiltPe built;
  uint32_t offset = 16 + 8 * static_cast<uint32_t>(types.size());
  built.typeDirectories = offset;
  for (const TypeNode& type : types) offset += 16 + 8 * static_cast<uint32_t>(type.names.size());
  built.languageDirectories = offset;
  for (const TypeNode& type : types)
    for (const NameNode& name : type.names) offset += 16 + 8 * static_cast<uint32_t>(name.languages.size());
  built.dataEntries = offset;
  offset += 16 * static_cast<uint32_t>(resources.size());

  std::vector<uint8_t> tree;
  auto putDirectory = [&tree](size_t named, size_t numbered) {
    PutU32(tree, 0);
    PutU32(tree, 0);
    PutU16(tree, 0);
    PutU16(tree, 0);
    PutU16(tree, static_cast<uint32_t>(named));
    PutU16(tree, static_cast<uint32_t>(numbered));
  };
  std::vector<uint8_t> strings;
  const uint32_t stringsAt = offset;
  auto keyField = [&strings, stringsAt](const TestKey& key) -> uint32_t {
    if (key.text.empty()) return key.number;
    const uint32_t at = stringsAt + static_cast<uint32_t>(strings.size());
    PutU16(strings, static_cast<uint32_t>(key.text.size()));
    for (char c : key.text) PutU16(strings, static_cast<uint8_t>(c));
    return at | kHighBit;
  };
  auto countNamed = [](const auto& nodes, auto keyOf) {
    size_t named = 0;
    for (const auto& node : nodes) named += keyOf(node).text.empty() ? 0 : 1;
    return named;
  };

  // Root.
  putDirectory(countNamed(types, [](const TypeNode& n) { return n.type; }),
               types.size() - countNamed(types, [](const TypeNode& n) { return n.type; }));
  uint32_t nextDirectory = built.typeDirectories;
  for (const TypeNode& type : types) {
    PutU32(tree, keyField(type.type));
    PutU32(tree, nextDirectory | kHighBit);
    nextDirectory += 16 + 8 * static_cast<uint32_t>(type.names.size());
  }
  // Name directories.
  uint32_t nextLanguages = built.languageDirectories;
  for (const TypeNode& type : types) {
    const size_t named = countNamed(type.names, [](const NameNode& n) { return n.name; });
    putDirectory(named, type.names.size() - named);
    for (const NameNode& name : type.names) {
      PutU32(tree, keyField(name.name));
      PutU32(tree, nextLanguages | kHighBit);
      nextLanguages += 16 + 8 * static_cast<uint32_t>(name.languages.size());
    }
  }
  // Language directories, then data entries in the same order.
  std::vector<const TestResource*> dataOrder;
  for (const TypeNode& type : types)
    for (const NameNode& name : type.names) {
      putDirectory(0, name.languages.size());
      for (const TestResource* resource : name.languages) {
        PutU32(tree, resource->language);
        PutU32(tree, built.dataEntries + 16 * static_cast<uint32_t>(dataOrder.size()));
        dataOrder.push_back(resource);
      }
    }
  uint32_t dataAt = Align(stringsAt + static_cast<uint32_t>(strings.size()), 8);
  std::vector<uint8_t> data;
  for (const TestResource* resource : dataOrder) {
    PutU32(tree, kSectionRva + dataAt + static_cast<uint32_t>(data.size()));
    PutU32(tree, static_cast<uint32_t>(resource->data.size()));
    PutU32(tree, 0);
    PutU32(tree, 0);
    data.insert(data.end(), resource->data.begin(), resource->data.end());
    while (data.size() % 8 != 0) data.push_back(0);
  }
  tree.insert(tree.end(), strings.begin(), strings.end());
  while (tree.size() < dataAt) tree.push_back(0);
  tree.insert(tree.end(), data.begin(), data.end());
  const uint32_t treeSize = static_cast<uint32_t>(tree.size());

  // Headers.
  std::vector<uint8_t>& out = built.bytes;
  out.assign(0x40, 0);
  out[0] = 'M';
  out[1] = 'Z';
  SetU32(out, 0x3C, 0x40);
  out.insert(out.end(), {'P', 'E', 0, 0});
  const uint16_t optionalSize = pe32Plus ? 240 : 224;
  PutU16(out, pe32Plus ? 0x8664 : 0x14C);
  PutU16(out, 1);  // sections
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU16(out, optionalSize);
  PutU16(out, 0x2022);  // DLL, executable image
  const size_t optional = out.size();
  out.resize(optional + optionalSize, 0);
  SetU16(out, optional, pe32Plus ? 0x20B : 0x10B);
  const size_t directoryCount = optional + (pe32Plus ? 108 : 92);
  SetU32(out, directoryCount, 16);
  built.resourceDirectoryField = directoryCount + 4 + 2 * 8;
  SetU32(out, built.resourceDirectoryField, kSectionRva);
  SetU32(out, built.resourceDirectoryField + 4, treeSize);
  built.sectionHeader = out.size();
  out.insert(out.end(), {'.', 'r', 's', 'r', 'c', 0, 0, 0});
  PutU32(out, treeSize);                         // virtual size
  PutU32(out, kSectionRva);                      // virtual address
  PutU32(out, Align(treeSize, kFileAlignment));  // raw size
  PutU32(out, kFileAlignment);                   // raw data offset
  PutU32(out, 0);
  PutU32(out, 0);
  PutU16(out, 0);
  PutU16(out, 0);
  PutU32(out, 0x40000040);  // initialised, readable data
  out.resize(kFileAlignment, 0);
  built.resourceSection = out.size();
  built.resourceSectionRva = kSectionRva;
  out.insert(out.end(), tree.begin(), tree.end());
  out.resize(kFileAlignment + Align(treeSize, kFileAlignment), 0);
  return built;
}
