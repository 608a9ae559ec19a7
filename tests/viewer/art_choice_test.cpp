// The picture numbers the art settings choose, at the edges of their ranges.
#include "viewer/show/art_choice.h"

#include <gtest/gtest.h>

TEST(ArtChoice, BackdropZeroIsTheOwnBlackPictureAndLargeIndicesTheSpareOne) {
  EXPECT_TRUE(BackdropPicture(0).ownPicture);
  EXPECT_EQ(BackdropPicture(0).id, kOwnBlank);
  EXPECT_FALSE(BackdropPicture(1).ownPicture);
  EXPECT_EQ(BackdropPicture(1).id, 112);
  EXPECT_EQ(BackdropPicture(14).id, 188);
  EXPECT_EQ(BackdropPicture(15).id, 206);
  EXPECT_EQ(BackdropPicture(255).id, 206);
}

TEST(ArtChoice, ConsoleZeroGivesTheSamePictureAsAnOutOfRangeIndex) {
  EXPECT_EQ(ConsoleLibraryPicture(0), 143);
  EXPECT_EQ(ConsoleLibraryPicture(16), 143);
  EXPECT_EQ(ConsoleLibraryPicture(1), 149);
  EXPECT_EQ(ConsoleLibraryPicture(15), 221);
}

TEST(ArtChoice, ConsoleStylesEightAndSeventeenAddTheOverlay) {
  for (int style = 0; style < 256; ++style) {
    EXPECT_EQ(ConsoleStyleHasOverlay(static_cast<uint8_t>(style)), style == 8 || style == 17) << style;
  }
}

TEST(ArtChoice, ResultLampsRepeatEveryNineStylesAndFontsFollowTheirTable) {
  const int16_t lamps[9] = {222, 230, 224, 225, 226, 227, 228, 229, 223};
  for (int style = 0; style < 9; ++style) {
    EXPECT_EQ(ResultLampLibraryPicture(static_cast<uint8_t>(style)), lamps[style]);
    if (style < 8) {
      EXPECT_EQ(ResultLampLibraryPicture(static_cast<uint8_t>(style + 9)), lamps[style]);
    }
  }
  EXPECT_EQ(ResultLampLibraryPicture(17), 223);
  EXPECT_EQ(FontLibraryPicture(0), 155);
  EXPECT_EQ(FontLibraryPicture(3), 161);
  EXPECT_EQ(FontLibraryPicture(16), 168);
  EXPECT_EQ(FontLibraryPicture(17), 177);
}

TEST(ArtChoice, BoardsOutsideOneToFifteenTakeTheSparePicture) {
  EXPECT_EQ(BoardLibraryPicture(0), 142);
  EXPECT_EQ(BoardLibraryPicture(1), 154);
  EXPECT_EQ(BoardLibraryPicture(15), 205);
  EXPECT_EQ(BoardLibraryPicture(16), 142);
}

TEST(ArtChoice, PieceSetTenAndNegativeSetsLookLikeSetZero) {
  EXPECT_EQ(PieceStripLibraryPicture(0), 121);
  EXPECT_EQ(PieceStripLibraryPicture(10), 121);
  EXPECT_EQ(PieceStripLibraryPicture(-3), 121);
  EXPECT_EQ(PieceStripLibraryPicture(43), 121);
  EXPECT_EQ(PieceStripLibraryPicture(1), 120);
  EXPECT_EQ(PieceStripLibraryPicture(9), 115);
  EXPECT_EQ(PieceStripLibraryPicture(11), 232);
  EXPECT_EQ(PieceStripLibraryPicture(42), 250);
}

TEST(ArtChoice, ShadowStripsFollowThePieceSetGroups) {
  EXPECT_EQ(ShadowStripPicture(29), 266);
  EXPECT_EQ(ShadowStripPicture(42), 266);
  for (int8_t set = 30; set <= 35; ++set) EXPECT_EQ(ShadowStripPicture(set), 264);
  for (int8_t set = 36; set <= 41; ++set) EXPECT_EQ(ShadowStripPicture(set), 263);
  EXPECT_EQ(ShadowStripPicture(1), 265);
  EXPECT_EQ(ShadowStripPicture(28), 265);
  EXPECT_EQ(ShadowStripPicture(0), 265);
}
