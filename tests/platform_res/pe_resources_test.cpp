// The PE resource reader on built images: both image kinds, named types and
// names, language choice, and hostile images that must fail to read.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/src/pe_resources.h"
#include "tests/platform_res/pe_image_builder.h"

namespace {

std::vector<TestResource> ThreeResources() {
  return {
      TestResource{{2, ""}, {101, ""}, 0x0409, {1, 2, 3}},
      TestResource{{0, "WAVE"}, {140, ""}, 0x0409, {4, 5, 6, 7}},
      TestResource{{2, ""}, {0, "SKIN"}, 0x0409, {8}},
  };
}

std::string DataOf(const ResourceTable& table, const ResourceKey& type, const ResourceKey& name) {
  const ResourceEntry* entry = table.Find(type, name);
  if (entry == nullptr) return "missing";
  const ByteView data = table.DataOf(*entry);
  std::string text;
  for (size_t i = 0; i < data.Size(); ++i) text += std::to_string(data.Data()[i]);
  return text;
}

TEST(PeResources, ReadsNumberedAndNamedEntriesFromBothImageKinds) {
  for (bool pe32Plus : {false, true}) {
    SCOPED_TRACE(pe32Plus ? "PE32+" : "PE32");
    std::optional<ResourceTable> table = ReadPeResources(BuildPeImage(ThreeResources(), pe32Plus).bytes);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->Entries().size(), 3u);
    EXPECT_EQ(DataOf(*table, ResourceKey::Number(2), ResourceKey::Number(101)), "123");
    EXPECT_EQ(DataOf(*table, ResourceKey::Text("wave"), ResourceKey::Number(140)), "4567");
    EXPECT_EQ(DataOf(*table, ResourceKey::Number(2), ResourceKey::FromArgument("Skin")), "8");
    EXPECT_EQ(DataOf(*table, ResourceKey::Number(2), ResourceKey::Number(140)), "missing");
  }
}

TEST(PeResources, PrefersNeutralThenUsEnglishThenTheFirstLanguage) {
  std::vector<TestResource> resources = {
      TestResource{{2, ""}, {1, ""}, 0x0407, {1}}, TestResource{{2, ""}, {1, ""}, 0x0409, {2}},
      TestResource{{2, ""}, {2, ""}, 0x0407, {3}}, TestResource{{2, ""}, {2, ""}, 0x0000, {4}},
      TestResource{{2, ""}, {3, ""}, 0x040C, {5}}, TestResource{{2, ""}, {3, ""}, 0x0407, {6}},
  };
  std::optional<ResourceTable> table = ReadPeResources(BuildPeImage(resources).bytes);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(DataOf(*table, ResourceKey::Number(2), ResourceKey::Number(1)), "2");
  EXPECT_EQ(DataOf(*table, ResourceKey::Number(2), ResourceKey::Number(2)), "4");
  EXPECT_EQ(DataOf(*table, ResourceKey::Number(2), ResourceKey::Number(3)), "5");
}

TEST(PeResources, AnImageWithoutResourcesHasNone) {
  BuiltPe image = BuildPeImage(ThreeResources());
  SetU32(image.bytes, image.resourceDirectoryField, 0);
  SetU32(image.bytes, image.resourceDirectoryField + 4, 0);
  std::optional<ResourceTable> table = ReadPeResources(image.bytes);
  ASSERT_TRUE(table.has_value());
  EXPECT_TRUE(table->Entries().empty());
}

TEST(PeResources, FilesThatAreNoPeImageFail) {
  EXPECT_FALSE(ReadPeResources({}).has_value());
  const std::string text = "This is a text file and no library at all.";
  EXPECT_FALSE(ReadPeResources(std::vector<uint8_t>(text.begin(), text.end())).has_value());
  std::vector<uint8_t> dosOnly(0x40, 0);
  dosOnly[0] = 'M';
  dosOnly[1] = 'Z';
  EXPECT_FALSE(ReadPeResources(dosOnly).has_value()) << "no PE header";
  SetU32(dosOnly, 0x3C, 0xFFFFFFF0);
  EXPECT_FALSE(ReadPeResources(dosOnly).has_value()) << "PE header offset past the end";
  BuiltPe image = BuildPeImage(ThreeResources());
  SetU16(image.bytes, 0x40 + 24, 0x107);  // a ROM image's magic
  EXPECT_FALSE(ReadPeResources(image.bytes).has_value()) << "unknown optional header";
}

TEST(PeResources, EveryTruncationEitherFailsOrStaysInsideTheFile) {
  const BuiltPe image = BuildPeImage(ThreeResources());
  std::optional<ResourceTable> whole = ReadPeResources(image.bytes);
  ASSERT_TRUE(whole.has_value());
  size_t lastDataEnd = 0;
  for (const ResourceEntry& entry : whole->Entries()) lastDataEnd = std::max(lastDataEnd, entry.offset + entry.size);
  for (size_t length = 0; length < image.bytes.size(); ++length) {
    std::vector<uint8_t> cut(image.bytes.begin(), image.bytes.begin() + length);
    std::optional<ResourceTable> table = ReadPeResources(cut);
    if (length < lastDataEnd) {
      EXPECT_FALSE(table.has_value()) << "length " << length;
      continue;
    }
    ASSERT_TRUE(table.has_value()) << "length " << length;  // only padding is missing
    for (const ResourceEntry& entry : table->Entries()) EXPECT_LE(entry.offset + entry.size, length);
  }
}

class HostileImage : public ::testing::Test {
 protected:
  BuiltPe image = BuildPeImage(ThreeResources());
  size_t Tree(uint32_t treeOffset) const { return image.resourceSection + treeOffset; }
  bool Reads() const { return ReadPeResources(image.bytes).has_value(); }
};

TEST_F(HostileImage, ResourceDirectoryOutsideEverySection) {
  SetU32(image.bytes, image.resourceDirectoryField, 0x9000);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, SectionDataPastTheEndOfTheFile) {
  SetU32(image.bytes, image.sectionHeader + 20, 0x7FFFFFFF);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, SectionTableCountPastTheEndOfTheFile) {
  SetU16(image.bytes, 0x40 + 4 + 2, 0xFFFF);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, OptionalHeaderTooShortForTheResourceDirectory) {
  SetU16(image.bytes, 0x40 + 4 + 16, 64);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, DataEntryPointingPastTheEndOfTheFile) {
  SetU32(image.bytes, Tree(image.dataEntries), image.resourceSectionRva + 0x100000);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, DataEntryWithAHugeSize) {
  SetU32(image.bytes, Tree(image.dataEntries) + 4, 0xFFFFFFF0);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, TypeEntryLoopingBackToTheRoot) {
  SetU32(image.bytes, Tree(16) + 4, 0x80000000u);  // first type's directory = the root
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, LanguageDirectoryPointingAtItself) {
  SetU32(image.bytes, Tree(image.languageDirectories + 16) + 4, image.languageDirectories | 0x80000000u);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, TwoTypesSharingOneDirectory) {
  const uint32_t firstTarget = GetU32(image.bytes, Tree(16) + 4);
  SetU32(image.bytes, Tree(24) + 4, firstTarget);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, NameTextOutsideTheFile) {
  SetU32(image.bytes, Tree(16), 0x80000000u | 0x7FFFFFF0u);  // the "WAVE" type's name
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, NameTextLongerThanTheFile) {
  const uint32_t nameOffset = GetU32(image.bytes, Tree(16)) & 0x7FFFFFFFu;
  SetU16(image.bytes, Tree(nameOffset), 0xFFFF);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, EntryCountsRunningPastTheEndOfTheFile) {
  SetU16(image.bytes, Tree(12), 0xFFFF);
  SetU16(image.bytes, Tree(14), 0xFFFF);
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, DataAtTheTypeLevel) {
  SetU32(image.bytes, Tree(16) + 4, image.dataEntries);  // high bit clear: a data entry
  EXPECT_FALSE(Reads());
}

TEST_F(HostileImage, NumberedEntryWithANumberAboveSixteenBits) {
  SetU32(image.bytes, Tree(24), 0x00012345);
  EXPECT_FALSE(Reads());
}

}  // namespace
