// The settings file: field order, defaults, short and long files (the
// 23-byte files written before the last five fields among them), the rules
// for the real-pace factor and the scaling mode, and a rewrite that never
// leaves a torn file.
#include <gtest/gtest.h>

#include "common/settings/settings_record.h"
#include "tests/settings/scratch_folder.h"

namespace {

class SettingsRecordTest : public SettingsFolderTest {};

// The 28 bytes of a record in file order.
std::vector<uint8_t> BytesOf(const SettingsRecord& record) {
  uint8_t bytes[SettingsRecord::kSize];
  record.ToBytes(bytes);
  return std::vector<uint8_t>(bytes, bytes + SettingsRecord::kSize);
}

// A record whose every field holds another value, the signed fields
// negative: field i holds 100 + i, or -(100 + i).
SettingsRecord EveryFieldDifferent() {
  SettingsRecord record;
  record.windowedMode = 100;
  record.moveDelay = -101;
  record.nextGameDelay = -102;
  record.firstMoveDelay = -103;
  record.pieceSpeed = -104;
  record.reservedFlag = 105;
  record.useRandomLayouts = 106;
  record.autoplay = 107;
  record.highlightMoves = 108;
  record.scrollAnnouncementsForever = 109;
  record.randomGameOrder = 110;
  record.removeHeaderQuotes = 111;
  record.waitForAnnouncements = 112;
  record.blackPieceSet = 113;
  record.whitePieceSet = 114;
  record.sound = 115;
  record.headerLeftDisplayed = 116;
  record.hideBlankHeaderEntries = 117;
  record.animationStyle = 118;
  record.backdropIndex = 119;
  record.consoleIndex = 120;
  record.boardIndex = 121;
  record.consoleStyle = 122;
  record.realPace = 123;
  record.realPaceFactor = 124;
  record.showComments = 125;
  record.scalingMode = 126;
  record.followLiveGames = 127;
  return record;
}

// The file's layout: each field's byte at its place, signed fields as their
// two's complement. The other tests build and read files through the record.
TEST_F(SettingsRecordTest, EachFieldHasItsByteInFileOrder) {
  std::vector<uint8_t> expected;
  for (int i = 0; i < SettingsRecord::kSize; ++i)
    expected.push_back(static_cast<uint8_t>(i >= 1 && i <= 4 ? 256 - (100 + i) : 100 + i));
  EXPECT_EQ(BytesOf(EveryFieldDifferent()), expected);
  SettingsRecord read;
  read.FromBytes(expected.data(), SettingsRecord::kSize);
  EXPECT_EQ(BytesOf(read), expected);
  EXPECT_EQ(read.moveDelay, -101);
  EXPECT_EQ(read.pieceSpeed, -104);
  EXPECT_EQ(read.consoleStyle, 122);
  EXPECT_EQ(read.realPace, 123);
  EXPECT_EQ(read.followLiveGames, 127);
}

TEST_F(SettingsRecordTest, TheDefaults) {
  const SettingsRecord record;
  EXPECT_EQ(record.windowedMode, 0);
  EXPECT_EQ(record.moveDelay, 4);
  EXPECT_EQ(record.nextGameDelay, 5);
  EXPECT_EQ(record.firstMoveDelay, 1);
  EXPECT_EQ(record.pieceSpeed, 9);
  EXPECT_EQ(record.reservedFlag, 0);
  EXPECT_EQ(record.useRandomLayouts, 0);
  EXPECT_EQ(record.autoplay, 1);
  EXPECT_EQ(record.highlightMoves, 1);
  EXPECT_EQ(record.scrollAnnouncementsForever, 0);
  EXPECT_EQ(record.randomGameOrder, 1);
  EXPECT_EQ(record.removeHeaderQuotes, 0);
  EXPECT_EQ(record.waitForAnnouncements, 1);
  EXPECT_EQ(record.blackPieceSet, 5);
  EXPECT_EQ(record.whitePieceSet, 2);
  EXPECT_EQ(record.sound, 1);
  EXPECT_EQ(record.headerLeftDisplayed, 1);
  EXPECT_EQ(record.hideBlankHeaderEntries, 1);
  EXPECT_EQ(record.animationStyle, 3);
  EXPECT_EQ(record.backdropIndex, 2);
  EXPECT_EQ(record.consoleIndex, 0);
  EXPECT_EQ(record.boardIndex, 2);
  EXPECT_EQ(record.consoleStyle, 0);
  EXPECT_EQ(record.realPace, 0);
  EXPECT_EQ(record.realPaceFactor, 10);
  EXPECT_EQ(record.showComments, 1);
  EXPECT_EQ(record.scalingMode, 0);
  EXPECT_EQ(record.followLiveGames, 1);
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

// Every file written before the last five fields: they keep their defaults,
// and a rewrite adds them.
TEST_F(SettingsRecordTest, AFileOf23BytesLeavesTheLastFiveFieldsAtTheirDefaults) {
  CopyData("written-before-real-pace-23-bytes.cfg", kSettingsFileName);
  const std::vector<uint8_t> old = Bytes(kSettingsFileName);
  SettingsRecord record;
  EXPECT_EQ(ReadSettingsFile(record), 23);
  EXPECT_EQ(record.windowedMode, 1);
  EXPECT_EQ(record.sound, 0);
  EXPECT_EQ(record.consoleStyle, 4);
  EXPECT_EQ(record.realPace, 0);
  EXPECT_EQ(record.realPaceFactor, 10);
  EXPECT_EQ(record.showComments, 1);
  EXPECT_EQ(record.scalingMode, 0);
  EXPECT_EQ(record.followLiveGames, 1);
  ASSERT_TRUE(WriteSettingsFile(record));
  const std::vector<uint8_t> written = Bytes(kSettingsFileName);
  ASSERT_EQ(written.size(), 28u);
  EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.begin() + 23), old);
  EXPECT_EQ(std::vector<uint8_t>(written.begin() + 23, written.end()), (std::vector<uint8_t>{0, 10, 1, 0, 1}));
}

TEST_F(SettingsRecordTest, AFileOf28BytesSetsTheLastFiveFields) {
  CopyData("real-pace-at-60x-smooth-no-comments-28-bytes.cfg", kSettingsFileName);
  SettingsRecord record;
  EXPECT_EQ(ReadSettingsFile(record), 28);
  EXPECT_EQ(record.consoleStyle, 4);
  EXPECT_EQ(record.realPace, 1);
  EXPECT_EQ(record.realPaceFactor, 60);
  EXPECT_EQ(record.showComments, 0);
  EXPECT_EQ(record.scalingMode, 2);
  EXPECT_EQ(record.followLiveGames, 0);
  ASSERT_TRUE(WriteSettingsFile(record, "copy.cfg"));
  EXPECT_EQ(Bytes("copy.cfg"), Bytes(kSettingsFileName));
}

TEST_F(SettingsRecordTest, ALongFileIsReadAsItsFirst28BytesAndARewriteShortensIt) {
  CopyData("long-file-of-40-bytes.cfg", kSettingsFileName);
  const std::vector<uint8_t> original = Bytes(kSettingsFileName);
  SettingsRecord record;
  EXPECT_EQ(ReadSettingsFile(record), SettingsRecord::kSize);
  EXPECT_EQ(record.windowedMode, 0);
  EXPECT_EQ(record.consoleStyle, 22);
  EXPECT_EQ(record.realPace, 23);
  EXPECT_EQ(record.followLiveGames, 27);
  ASSERT_TRUE(WriteSettingsFile(record));
  EXPECT_EQ(Bytes(kSettingsFileName), std::vector<uint8_t>(original.begin(), original.begin() + SettingsRecord::kSize));
}

TEST(SettingsRules, ARealPaceFactorOutsideTheListCountsAsTen) {
  for (int factor : {1, 2, 5, 10, 30, 60}) EXPECT_EQ(RealPaceFactorOf(static_cast<uint8_t>(factor)), factor);
  for (int byte : {0, 3, 9, 11, 59, 61, 255}) EXPECT_EQ(RealPaceFactorOf(static_cast<uint8_t>(byte)), 10) << byte;
  EXPECT_EQ(RealPaceFactorChoice(1), 0);
  EXPECT_EQ(RealPaceFactorChoice(60), 5);
  EXPECT_EQ(RealPaceFactorChoice(7), -1);
}

TEST(SettingsRules, AScalingModeOutOfRangeCountsAsSharp) {
  EXPECT_EQ(ScalingModeOf(0), kScalingSharp);
  EXPECT_EQ(ScalingModeOf(1), kScalingPixelPerfect);
  EXPECT_EQ(ScalingModeOf(2), kScalingSmooth);
  EXPECT_EQ(ScalingModeOf(3), kScalingSharp);
  EXPECT_EQ(ScalingModeOf(255), kScalingSharp);
}

TEST_F(SettingsRecordTest, OddValuesAreKeptExactlyAsLoaded) {
  CopyData("flags-holding-2-and-255.cfg", kSettingsFileName);
  SettingsRecord record;
  ReadSettingsFile(record);
  EXPECT_EQ(record.moveDelay, 25);
  EXPECT_EQ(record.useRandomLayouts, 255);
  EXPECT_EQ(record.animationStyle, 7);
  EXPECT_EQ(record.realPaceFactor, 255);
  EXPECT_EQ(record.showComments, 7);
  EXPECT_EQ(record.scalingMode, 9);
  ASSERT_TRUE(WriteSettingsFile(record, "copy.cfg"));
  EXPECT_EQ(Bytes("copy.cfg"), Bytes(kSettingsFileName));
}

TEST_F(SettingsRecordTest, EveryFieldComesBackAsWritten) {
  ASSERT_TRUE(WriteSettingsFile(EveryFieldDifferent()));
  SettingsRecord record;
  EXPECT_EQ(ReadSettingsFile(record), SettingsRecord::kSize);
  EXPECT_EQ(BytesOf(record), BytesOf(EveryFieldDifferent()));
}

TEST_F(SettingsRecordTest, SignedFieldsReadNegative) {
  SettingsRecord written;
  written.moveDelay = -1;
  written.nextGameDelay = -128;
  written.pieceSpeed = -5;
  ASSERT_TRUE(WriteSettingsFile(written));
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
  EXPECT_EQ(Bytes(kSettingsFileName), BytesOf(record));
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
