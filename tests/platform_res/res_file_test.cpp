// The .res reader: entries with numbers and names, padding, and malformed
// files that must be refused.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/src/res_file.h"
#include "tests/platform_res/test_samples.h"

namespace {

void PutKey(std::vector<uint8_t>& out, const std::string& text, uint16_t number) {
  if (text.empty()) {
    PutU16(out, 0xFFFF);
    PutU16(out, number);
    return;
  }
  for (char c : text) PutU16(out, static_cast<uint8_t>(c));
  PutU16(out, 0);
}

// One .res entry as windres writes it: header padded to 4, data padded to 4.
void PutEntry(std::vector<uint8_t>& out, const std::string& type, uint16_t typeNumber, const std::string& name,
              uint16_t nameNumber, uint16_t language, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> keys;
  PutKey(keys, type, typeNumber);
  PutKey(keys, name, nameNumber);
  while ((8 + keys.size()) % 4 != 0) keys.push_back(0);
  const uint32_t headerSize = static_cast<uint32_t>(8 + keys.size() + 16);
  PutU32(out, static_cast<uint32_t>(data.size()));
  PutU32(out, headerSize);
  out.insert(out.end(), keys.begin(), keys.end());
  PutU32(out, 0);         // data version
  PutU16(out, 0x1030);    // memory flags
  PutU16(out, language);  // language
  PutU32(out, 0);         // version
  PutU32(out, 0);         // characteristics
  out.insert(out.end(), data.begin(), data.end());
  while (out.size() % 4 != 0) out.push_back(0);
}

std::vector<uint8_t> SampleRes() {
  std::vector<uint8_t> res;
  PutEntry(res, "", 0, "", 0, 0, {});  // the empty entry every .res file starts with
  PutEntry(res, "", 2, "", 119, 0x0409, {1, 2, 3, 4, 5});
  PutEntry(res, "WAVE", 0, "", 140, 0x0409, {6});
  PutEntry(res, "", 2, "SKIN", 0, 0x0409, {7, 8});
  return res;
}

TEST(ResFile, ReadsNumberedAndNamedEntriesPastTheirPadding) {
  std::optional<ResourceTable> table = ReadResFile(SampleRes());
  ASSERT_TRUE(table.has_value());
  ASSERT_EQ(table->Entries().size(), 3u);
  const ResourceEntry* picture = table->Find(ResourceKey::Number(2), ResourceKey::Number(119));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->size, 5u);
  EXPECT_EQ(table->DataOf(*picture).Data()[4], 5);
  const ResourceEntry* wave = table->Find(ResourceKey::Text("Wave"), ResourceKey::FromArgument("#140"));
  ASSERT_NE(wave, nullptr);
  EXPECT_EQ(table->DataOf(*wave).Data()[0], 6);
  const ResourceEntry* skin = table->Find(ResourceKey::Number(2), ResourceKey::Text("skin"));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(table->DataOf(*skin).Data()[1], 8);
}

TEST(ResFile, AnEmptyFileHasNoResources) {
  std::optional<ResourceTable> table = ReadResFile({});
  ASSERT_TRUE(table.has_value());
  EXPECT_TRUE(table->Entries().empty());
}

TEST(ResFile, EveryTruncationInsideAnEntryIsRefused) {
  const std::vector<uint8_t> res = SampleRes();
  // Where a file may end: after a whole entry, or anywhere in the padding
  // after an entry's data.
  const std::vector<std::pair<size_t, size_t>> endings = {{0, 0}, {32, 32}, {69, 72}, {113, 116}, {158, 160}};
  ASSERT_EQ(res.size(), 160u);
  for (size_t length = 0; length < res.size(); ++length) {
    const bool mayEnd = std::any_of(endings.begin(), endings.end(), [length](const auto& ending) {
      return length >= ending.first && length <= ending.second;
    });
    std::vector<uint8_t> cut(res.begin(), res.begin() + length);
    EXPECT_EQ(ReadResFile(cut).has_value(), mayEnd) << "length " << length;
  }
}

TEST(ResFile, MalformedHeadersAreRefused) {
  std::vector<uint8_t> res = SampleRes();
  std::vector<uint8_t> tooSmall = res;
  tooSmall[32 + 4] = 4;  // header size smaller than its own size fields
  EXPECT_FALSE(ReadResFile(tooSmall).has_value());
  std::vector<uint8_t> hugeData = res;
  hugeData[32 + 3] = 0x7F;  // data size far past the end
  EXPECT_FALSE(ReadResFile(hugeData).has_value());
  std::vector<uint8_t> unterminatedName;
  PutU32(unterminatedName, 0);
  PutU32(unterminatedName, 12);
  PutU16(unterminatedName, 'A');
  PutU16(unterminatedName, 'B');
  EXPECT_FALSE(ReadResFile(unterminatedName).has_value());
}

}  // namespace
