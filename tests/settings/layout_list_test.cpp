// The layouts file: complete records only, the 1000-record list, appending.
#include <gtest/gtest.h>

#include "common/settings/layout_list.h"
#include "tests/settings/scratch_folder.h"

namespace {

class LayoutListTest : public SettingsFolderTest {};

TEST_F(LayoutListTest, ATrailingPartialRecordIsNotCounted) {
  CopyData("two-layouts-and-a-stray-byte.rnd", kLayoutsFileName);
  LayoutList list;
  EXPECT_EQ(ReadLayoutsFile(list), 2);
  EXPECT_EQ(list.layoutCount, 2);
  const LayoutRecord second = list.At(1);
  EXPECT_EQ(second.blackPieceSet, 7);
  EXPECT_EQ(second.whitePieceSet, 8);
  EXPECT_EQ(second.backdropIndex, 9);
  EXPECT_EQ(second.consoleIndex, 10);
  EXPECT_EQ(second.boardIndex, 11);
  EXPECT_EQ(second.consoleStyle, 12);
}

TEST_F(LayoutListTest, AnEmptyOrMissingFileHoldsNoLayouts) {
  LayoutList list;
  list.layoutCount = 5;
  EXPECT_EQ(ReadLayoutsFile(list), 0);
  EXPECT_EQ(list.layoutCount, 0);
  std::ofstream(kLayoutsFileName, std::ios::binary).close();
  EXPECT_EQ(ReadLayoutsFile(list), 0);
}

TEST_F(LayoutListTest, TheListStopsAtItsCapacity) {
  std::string bytes;
  for (int i = 0; i < 1005; ++i) bytes += std::string(6, static_cast<char>(i % 200));
  std::ofstream(kLayoutsFileName, std::ios::binary) << bytes;
  LayoutList list;
  EXPECT_EQ(ReadLayoutsFile(list), 1000);
  EXPECT_EQ(list.At(999).consoleStyle, 999 % 200);
}

TEST_F(LayoutListTest, AppendingCreatesTheFileAndAddsOneRecordEachTime) {
  LayoutRecord record;
  record.blackPieceSet = 3;
  record.consoleStyle = 17;
  ASSERT_TRUE(AppendLayout(record));
  record.boardIndex = 9;
  ASSERT_TRUE(AppendLayout(record));
  EXPECT_EQ(Bytes(kLayoutsFileName), (std::vector<uint8_t>{3, 0, 0, 0, 0, 17, 3, 0, 0, 0, 9, 17}));
  LayoutList list;
  EXPECT_EQ(ReadLayoutsFile(list), 2);
  EXPECT_EQ(list.At(1).boardIndex, 9);
}

}  // namespace
