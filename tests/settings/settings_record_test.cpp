// The settings file: field order, defaults, short and long files, and a
// rewrite that never leaves a torn file.
#include <gtest/gtest.h>

#include "common/settings/settings_record.h"
#include "tests/settings/scratch_folder.h"

namespace {

class SettingsRecordTest : public SettingsFolderTest {};

const std::vector<uint8_t> kDefaults = {0, 4, 5, 1, 9, 0, 0, 1, 1, 0, 1, 0, 1, 5, 2, 1, 1, 1, 3, 2, 0, 2, 0};

TEST_F(SettingsRecordTest, DefaultsInFileOrder) {
  SettingsRecord record;
  uint8_t bytes[SettingsRecord::kSize];
  record.ToBytes(bytes);
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + SettingsRecord::kSize), kDefaults);
}

TEST_F(SettingsRecordTest, AMissingFileKeepsTheDefaults) {
  SettingsRecord record;
  EXPECT_EQ(ReadSettingsFile(record), -1);
  EXPECT_EQ(record.pieceSpeed, 9);
  EXPECT_EQ(record.animationStyle, 3);
}

TEST_F(SettingsRecordTest, FieldsPastAShortFileKeepTheirValues) {
  CopyData("short-file-of-10-bytes.cfg", kSettingsFileName);
  SettingsRecord record;
  EXPECT_EQ(ReadSettingsFile(record), 10);
  EXPECT_EQ(record.windowedMode, 1);
  EXPECT_EQ(record.moveDelay, 6);
  EXPECT_EQ(record.pieceSpeed, 10);
  EXPECT_EQ(record.scrollAnnouncementsForever, 1);  // byte 9
  EXPECT_EQ(record.randomGameOrder, 1);             // default: byte 10 is missing
  EXPECT_EQ(record.consoleStyle, 0);
  EXPECT_EQ(record.boardIndex, 2);
}

TEST_F(SettingsRecordTest, ALongFileIsReadAsItsFirst23BytesAndARewriteShortensIt) {
  CopyData("long-file-of-40-bytes.cfg", kSettingsFileName);
  SettingsRecord record;
  EXPECT_EQ(ReadSettingsFile(record), 23);
  EXPECT_EQ(record.windowedMode, 0);
  EXPECT_EQ(record.consoleStyle, 22);
  ASSERT_TRUE(WriteSettingsFile(record));
  const auto bytes = Bytes(kSettingsFileName);
  ASSERT_EQ(bytes.size(), 23u);
  for (int i = 0; i < 23; ++i) EXPECT_EQ(bytes[i], i);
}

TEST_F(SettingsRecordTest, OddValuesAreKeptExactlyAsLoaded) {
  CopyData("flags-holding-2-and-255.cfg", kSettingsFileName);
  SettingsRecord record;
  ReadSettingsFile(record);
  EXPECT_EQ(record.moveDelay, 25);
  EXPECT_EQ(record.useRandomLayouts, 255);
  EXPECT_EQ(record.animationStyle, 7);
  ASSERT_TRUE(WriteSettingsFile(record, "copy.cfg"));
  EXPECT_EQ(Bytes("copy.cfg"), Bytes(kSettingsFileName));
}

TEST_F(SettingsRecordTest, SignedFieldsReadNegative) {
  std::ofstream(kSettingsFileName, std::ios::binary) << std::string("\x00\xFF\x80\x01\xFB", 5);
  SettingsRecord record;
  ReadSettingsFile(record);
  EXPECT_EQ(record.moveDelay, -1);
  EXPECT_EQ(record.nextGameDelay, -128);
  EXPECT_EQ(record.pieceSpeed, -5);
}

TEST_F(SettingsRecordTest, WritingReplacesTheOldFileWholeAndLeavesNoTemporaryFile) {
  std::ofstream(kSettingsFileName, std::ios::binary) << std::string(40, 'x');
  SettingsRecord record;
  record.sound = 0;
  ASSERT_TRUE(WriteSettingsFile(record));
  auto expected = kDefaults;
  expected[15] = 0;
  EXPECT_EQ(Bytes(kSettingsFileName), expected);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(SettingsRecordTest, AFailedWriteLeavesTheOldFileAlone) {
  std::ofstream(kSettingsFileName, std::ios::binary) << std::string(23, '\x01');
  // The temporary file cannot be created where a folder of its name stands.
  std::filesystem::create_directory(std::string(kSettingsFileName) + ".new");
  SettingsRecord record;
  EXPECT_FALSE(WriteSettingsFile(record));
  EXPECT_EQ(Bytes(kSettingsFileName), std::vector<uint8_t>(23, 1));
}

}  // namespace
