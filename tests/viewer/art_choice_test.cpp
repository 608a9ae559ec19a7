// The picture numbers the art settings choose, at the edges of their ranges.
#include "viewer/show/art_choice.h"

#include <gtest/gtest.h>

#include "art/resource_catalog.h"

TEST(ArtChoice, BackdropZeroIsTheOwnBlackPictureAndLargeIndicesTheSpareOne) {
  EXPECT_TRUE(BackdropPicture(0).ownPicture);
  EXPECT_EQ(BackdropPicture(0).id, IDB_VIEWER_BLANK);
  EXPECT_FALSE(BackdropPicture(1).ownPicture);
  EXPECT_EQ(BackdropPicture(1).id, IDB_BACKDROP_1);
  EXPECT_EQ(BackdropPicture(5).id, IDB_BACKDROP_5);
  EXPECT_EQ(BackdropPicture(14).id, IDB_BACKDROP_14);
  EXPECT_EQ(BackdropPicture(15).id, IDB_BACKDROP_OTHER);
  EXPECT_EQ(BackdropPicture(255).id, IDB_BACKDROP_OTHER);
}

TEST(ArtChoice, ConsoleZeroGivesTheSamePictureAsAnOutOfRangeIndex) {
  EXPECT_EQ(ConsoleLibraryPicture(0), IDB_CONSOLE_OTHER);
  EXPECT_EQ(ConsoleLibraryPicture(16), IDB_CONSOLE_OTHER);
  EXPECT_EQ(ConsoleLibraryPicture(1), IDB_CONSOLE_1);
  EXPECT_EQ(ConsoleLibraryPicture(10), IDB_CONSOLE_10);
  EXPECT_EQ(ConsoleLibraryPicture(15), IDB_CONSOLE_15);
}

TEST(ArtChoice, ConsoleStylesEightAndSeventeenAddTheOverlay) {
  EXPECT_EQ(kConsoleOverlayPicture, IDB_CONSOLE_OVERLAY);
  for (int style = 0; style < 256; ++style) {
    EXPECT_EQ(ConsoleStyleHasOverlay(static_cast<uint8_t>(style)), style == 8 || style == 17) << style;
  }
}

TEST(ArtChoice, ResultLampsRepeatEveryNineStylesAndFontsFollowTheirTable) {
  const int16_t lamps[9] = {IDB_RESULT_LAMPS_0, IDB_RESULT_LAMPS_1, IDB_RESULT_LAMPS_2,
                            IDB_RESULT_LAMPS_3, IDB_RESULT_LAMPS_4, IDB_RESULT_LAMPS_5,
                            IDB_RESULT_LAMPS_6, IDB_RESULT_LAMPS_7, IDB_RESULT_LAMPS_OTHER};
  for (int style = 0; style < 9; ++style) {
    EXPECT_EQ(ResultLampLibraryPicture(static_cast<uint8_t>(style)), lamps[style]);
    if (style < 8) {
      EXPECT_EQ(ResultLampLibraryPicture(static_cast<uint8_t>(style + 9)), lamps[style]);
    }
  }
  EXPECT_EQ(ResultLampLibraryPicture(17), IDB_RESULT_LAMPS_OTHER);
  EXPECT_EQ(ResultLampLibraryPicture(255), IDB_RESULT_LAMPS_OTHER);
  EXPECT_EQ(FontLibraryPicture(0), IDB_FONT_0);
  EXPECT_EQ(FontLibraryPicture(3), IDB_FONT_3);
  EXPECT_EQ(FontLibraryPicture(9), IDB_FONT_9);
  EXPECT_EQ(FontLibraryPicture(16), IDB_FONT_16);
  EXPECT_EQ(FontLibraryPicture(17), IDB_FONT_OTHER);
  EXPECT_EQ(FontLibraryPicture(255), IDB_FONT_OTHER);
}

TEST(ArtChoice, BoardsOutsideOneToFifteenTakeTheSparePicture) {
  EXPECT_EQ(BoardLibraryPicture(0), IDB_BOARD_OTHER);
  EXPECT_EQ(BoardLibraryPicture(1), IDB_BOARD_1);
  EXPECT_EQ(BoardLibraryPicture(13), IDB_BOARD_13);
  EXPECT_EQ(BoardLibraryPicture(15), IDB_BOARD_15);
  EXPECT_EQ(BoardLibraryPicture(16), IDB_BOARD_OTHER);
}

TEST(ArtChoice, PieceSetTenAndNegativeSetsLookLikeSetZero) {
  EXPECT_EQ(PieceStripLibraryPicture(0), IDB_PIECE_SET_OTHER);
  EXPECT_EQ(PieceStripLibraryPicture(10), IDB_PIECE_SET_OTHER);
  EXPECT_EQ(PieceStripLibraryPicture(-3), IDB_PIECE_SET_OTHER);
  EXPECT_EQ(PieceStripLibraryPicture(43), IDB_PIECE_SET_OTHER);
  EXPECT_EQ(PieceStripLibraryPicture(1), IDB_PIECE_SET_1);
  EXPECT_EQ(PieceStripLibraryPicture(9), IDB_PIECE_SET_9);
  EXPECT_EQ(PieceStripLibraryPicture(11), IDB_PIECE_SET_11);
  EXPECT_EQ(PieceStripLibraryPicture(28), IDB_PIECE_SET_28);
  EXPECT_EQ(PieceStripLibraryPicture(42), IDB_PIECE_SET_42);
}

TEST(ArtChoice, ShadowStripsFollowThePieceSetGroups) {
  EXPECT_EQ(ShadowStripPicture(29), IDB_VIEWER_SHADOWS_MODERN);
  EXPECT_EQ(ShadowStripPicture(42), IDB_VIEWER_SHADOWS_MODERN);
  for (int8_t set = 30; set <= 35; ++set) EXPECT_EQ(ShadowStripPicture(set), IDB_VIEWER_SHADOWS_SYMBOLS);
  for (int8_t set = 36; set <= 41; ++set) EXPECT_EQ(ShadowStripPicture(set), IDB_VIEWER_SHADOWS_OUTLINES);
  EXPECT_EQ(ShadowStripPicture(1), IDB_VIEWER_SHADOWS_TURNED);
  EXPECT_EQ(ShadowStripPicture(28), IDB_VIEWER_SHADOWS_TURNED);
  EXPECT_EQ(ShadowStripPicture(0), IDB_VIEWER_SHADOWS_TURNED);
  EXPECT_EQ(ShadowStripPicture(-1), IDB_VIEWER_SHADOWS_TURNED);
}
