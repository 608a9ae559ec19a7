// The same bytes read as a settings file and as a layouts file, then written
// back the way the configurator writes them.
//
// Promises: the settings reader takes the first 28 bytes (fewer leave the
// defaults, so a file of 23 bytes keeps the last five fields' defaults) and
// a rewrite gives back exactly those 28 bytes; the layouts
// reader counts complete records only, at most 1000; a look appended to a
// file of fewer than 999 records adds one record after the ones that were
// there, and reads back as written when the file held whole records.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

#include "common/settings/layout_list.h"
#include "common/settings/settings_record.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_inputs.h"
#include "fuzz/scratch_file.h"

namespace {

void CheckSettingsFile(const uint8_t* data, size_t size) {
  const std::string path = WriteScratchFile("cfg", data, size);
  SettingsRecord record;
  const int read = ReadSettingsFile(record, path.c_str());
  FUZZ_REQUIRE(read == static_cast<int>(std::min<size_t>(size, SettingsRecord::kSize)));
  uint8_t bytes[SettingsRecord::kSize];
  record.ToBytes(bytes);
  uint8_t defaults[SettingsRecord::kSize];
  SettingsRecord().ToBytes(defaults);
  FUZZ_REQUIRE(read == 0 || std::memcmp(bytes, data, read) == 0);
  FUZZ_REQUIRE(std::memcmp(bytes + read, defaults + read, SettingsRecord::kSize - read) == 0);

  FUZZ_REQUIRE(WriteSettingsFile(record, path.c_str()));
  FUZZ_REQUIRE(std::filesystem::file_size(path) == SettingsRecord::kSize);
  SettingsRecord reread;
  FUZZ_REQUIRE(ReadSettingsFile(reread, path.c_str()) == SettingsRecord::kSize);
  uint8_t rereadBytes[SettingsRecord::kSize];
  reread.ToBytes(rereadBytes);
  FUZZ_REQUIRE(std::memcmp(rereadBytes, bytes, sizeof bytes) == 0);
  std::filesystem::remove(path);
}

bool SameRecord(const LayoutRecord& record, const uint8_t* bytes) {
  return record.blackPieceSet == bytes[0] && record.whitePieceSet == bytes[1] && record.backdropIndex == bytes[2] &&
         record.consoleIndex == bytes[3] && record.boardIndex == bytes[4] && record.consoleStyle == bytes[5];
}

void CheckLayoutsFile(const uint8_t* data, size_t size) {
  const std::string path = WriteScratchFile("rnd", data, size);
  auto list = std::make_unique<LayoutList>();
  const int count = ReadLayoutsFile(*list, path.c_str());
  const int complete = static_cast<int>(std::min<size_t>(size / LayoutRecord::kSize, LayoutList::kCapacity));
  FUZZ_REQUIRE(count == complete && list->layoutCount == complete);
  for (int i = 0; i < count; ++i) FUZZ_REQUIRE(SameRecord(list->At(i), data + i * LayoutRecord::kSize));

  // The configurator saves looks only while fewer than 999 are stored.
  if (count < 999) {
    const LayoutRecord look{1, 2, 3, 4, 5, 6};
    const uint8_t lookBytes[LayoutRecord::kSize] = {1, 2, 3, 4, 5, 6};
    FUZZ_REQUIRE(AppendLayout(look, path.c_str()));
    FUZZ_REQUIRE(ReadLayoutsFile(*list, path.c_str()) == count + 1);
    for (int i = 0; i < count; ++i) FUZZ_REQUIRE(SameRecord(list->At(i), data + i * LayoutRecord::kSize));
    // The configurator drops a trailing partial record before it appends;
    // appended after one, the look would be read shifted.
    if (size % LayoutRecord::kSize == 0) FUZZ_REQUIRE(SameRecord(list->At(count), lookBytes));
  }
  std::filesystem::remove(path);
}

}  // namespace

void RunSettingsFilesInput(const uint8_t* data, size_t size) {
  CheckSettingsFile(data, size);
  CheckLayoutsFile(data, size);
}
