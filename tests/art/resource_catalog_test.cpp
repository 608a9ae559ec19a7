// The resource catalog itself: no two resources of one module share an
// identifier, no two controls of one dialog share an id, and the tables give
// every setting value a picture of its kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "art/resource_tables.h"

namespace {

namespace catalog = resource_catalog;

// The identifiers that occur more than once.
std::vector<int> Repeated(const std::vector<int>& ids) {
  std::vector<int> sorted = ids, repeated;
  std::sort(sorted.begin(), sorted.end());
  for (size_t i = 1; i < sorted.size(); ++i)
    if (sorted[i] == sorted[i - 1] && (repeated.empty() || repeated.back() != sorted[i])) repeated.push_back(sorted[i]);
  return repeated;
}

template <typename Choice>
void AddEvery(std::vector<int>& ids, int first, int last, Choice choice) {
  for (int value = first; value <= last; ++value) ids.push_back(choice(value));
}

template <typename Choice>
std::set<int> ChosenSet(Choice choice) {
  std::set<int> ids;
  for (int value = -128; value <= 255; ++value) ids.insert(choice(value));
  return ids;
}

TEST(ArtResourceCatalog, BackdropLibraryIdentifiersAreDistinct) {
  std::vector<int> ids(std::begin(catalog::kBackdropPictures), std::end(catalog::kBackdropPictures));
  ids.push_back(IDB_BACKDROP_OTHER);
  AddEvery(ids, 1, catalog::kBackdropCount + 1, catalog::BackdropThumbnailFor);
  ids.push_back(IDB_BACKDROP_PICKER);
  ids.push_back(IDB_BACKDROP_LIBRARY_BOARD);
  EXPECT_EQ(ids.size(), 32u);
  EXPECT_EQ(Repeated(ids), std::vector<int>{});
}

TEST(ArtResourceCatalog, BoardLibraryIdentifiersAreDistinct) {
  std::vector<int> ids(std::begin(catalog::kBoardPictures), std::end(catalog::kBoardPictures));
  ids.push_back(IDB_BOARD_OTHER);
  AddEvery(ids, 0, catalog::kBoardCount, catalog::BoardThumbnailFor);
  ids.push_back(IDB_BOARD_PICKER);
  EXPECT_EQ(Repeated(ids), std::vector<int>{});
}

TEST(ArtResourceCatalog, PieceLibraryIdentifiersAreDistinct) {
  std::vector<int> ids;
  AddEvery(ids, 1, catalog::kPieceSetCount, catalog::PieceStripFor);
  AddEvery(ids, 1, catalog::kPiecePreviewCount + 1, catalog::PiecePreviewFor);
  ids.push_back(IDB_PIECE_PICKER);
  EXPECT_EQ(ids.size(), 85u);
  EXPECT_EQ(Repeated(ids), std::vector<int>{});
  EXPECT_EQ(catalog::PieceStripFor(catalog::kPieceSetSharingOther), IDB_PIECE_SET_OTHER);
}

TEST(ArtResourceCatalog, ConsoleLibraryIdentifiersAreDistinct) {
  std::vector<int> ids(std::begin(catalog::kConsolePictures), std::end(catalog::kConsolePictures));
  ids.push_back(IDB_CONSOLE_OTHER);
  ids.push_back(IDB_CONSOLE_OVERLAY);
  ids.insert(ids.end(), std::begin(catalog::kResultLampStrips), std::end(catalog::kResultLampStrips));
  ids.insert(ids.end(), std::begin(catalog::kConsoleFonts), std::end(catalog::kConsoleFonts));
  ids.push_back(IDB_FONT_OTHER);
  AddEvery(ids, 0, catalog::kConsoleThumbCount, catalog::ConsoleThumbnailFor);
  ids.push_back(IDB_CONSOLE_THUMB_SPARE);
  AddEvery(ids, 0, catalog::kStyleColourCount - 1, catalog::StyleTileFor);
  ids.push_back(IDB_CONSOLE_PICKER);
  ids.push_back(IDB_CONSOLE_STYLE_PICKER);
  EXPECT_EQ(Repeated(ids), std::vector<int>{});
}

TEST(ArtResourceCatalog, TheSpareConsoleThumbnailSitsBetweenTheTwoRuns) {
  EXPECT_EQ(catalog::ConsoleThumbnailFor(catalog::kFirstLateConsoleThumb - 1) + 1, IDB_CONSOLE_THUMB_SPARE);
  EXPECT_EQ(IDB_CONSOLE_THUMB_SPARE + 1, catalog::ConsoleThumbnailFor(catalog::kFirstLateConsoleThumb));
  EXPECT_EQ(ChosenSet(catalog::ConsoleThumbnailFor).count(IDB_CONSOLE_THUMB_SPARE), 0u);
}

TEST(ArtResourceCatalog, ViewerResourcesAreDistinctByType) {
  const std::vector<int> bitmaps = {IDB_VIEWER_WHITE_PIECES,   IDB_VIEWER_BLACK_PIECES,     IDB_VIEWER_BLANK,
                                    IDB_VIEWER_BOARD,          IDB_VIEWER_HIGHLIGHTS,       IDB_VIEWER_FONT,
                                    IDB_VIEWER_BACKDROP,       IDB_VIEWER_CONSOLE,          IDB_VIEWER_TURN_LAMPS,
                                    IDB_VIEWER_RESULT_LAMPS,   IDB_VIEWER_SHADOWS_OUTLINES, IDB_VIEWER_SHADOWS_SYMBOLS,
                                    IDB_VIEWER_SHADOWS_TURNED, IDB_VIEWER_SHADOWS_MODERN};
  EXPECT_EQ(Repeated(bitmaps), std::vector<int>{});
  const std::vector<int> waves = {IDW_SETTLE_1,  IDW_SETTLE_2,   IDW_SETTLE_3,  IDW_BLACK_WINS, IDW_CAPTURE_1,
                                  IDW_CAPTURE_2, IDW_CAPTURE_3,  IDW_CHECK_1,   IDW_CHECK_2,    IDW_CHECK_3,
                                  IDW_DRAWN,     IDW_LANDING_1,  IDW_LANDING_2, IDW_LANDING_3,  IDW_WHITE_WINS,
                                  IDW_INTRO,     IDW_INTRO_RARE, IDW_CASTLING};
  EXPECT_EQ(Repeated(waves), std::vector<int>{});
  // Every shadow strip the piece sets ask for is one of the viewer's own.
  for (int id : ChosenSet(catalog::ShadowStripFor))
    EXPECT_NE(std::find(bitmaps.begin(), bitmaps.end(), id), bitmaps.end()) << id;
}

TEST(ArtResourceCatalog, ConfiguratorResourcesAreDistinctByType) {
  std::vector<int> bitmaps = {IDB_SKIN_DISPLAY_TITLE,
                              IDB_SKIN_LEFT,
                              IDB_SKIN_RIGHT_STRIP,
                              IDB_SKIN_DISPLAY_COLUMN,
                              IDB_SKIN_WATCHING_COLUMN,
                              IDB_DOT_OFF,
                              IDB_DOT_ON,
                              IDB_MARK_OFF,
                              IDB_MARK_ON,
                              IDB_KNOB,
                              IDB_OWN_WHITE_PIECES,
                              IDB_OWN_BOARD,
                              IDB_OWN_CONSOLE,
                              IDB_OWN_BACKDROP,
                              IDB_OWN_CONSOLE_STYLE,
                              IDB_OWN_BLACK_PIECES,
                              IDB_DIGIT_BLANK};
  AddEvery(bitmaps, 0, 9, catalog::CounterDigitFor);
  EXPECT_EQ(Repeated(bitmaps), std::vector<int>{});
  EXPECT_NE(IDW_CLICK, IDW_CLOSE);
  EXPECT_EQ(Repeated({IDD_CONFIG, IDD_PIECE_PICKER, IDD_BOARD_PICKER, IDD_BACKDROP_PICKER, IDD_CONSOLE_PICKER,
                      IDD_CONSOLE_STYLE_PICKER}),
            std::vector<int>{});
}

// The dialog manager's OK and Cancel ids, which every dialog uses as well.
constexpr int kOk = 1, kCancel = 2;

TEST(ArtResourceCatalog, MainDialogControlsAreDistinct) {
  std::vector<int> ids = {kOk,
                          kCancel,
                          IDC_RANDOM_GAME_ORDER,
                          IDC_AUTOPLAY,
                          IDC_WINDOWED_MODE,
                          IDC_HIGHLIGHT_MOVES,
                          IDC_WAIT_FOR_ANNOUNCEMENTS,
                          IDC_SCROLL_FOREVER,
                          IDC_REMOVE_HEADER_QUOTES,
                          IDC_HIDE_BLANK_HEADERS,
                          IDC_USE_RANDOM_LAYOUTS,
                          IDC_MARK_RANDOM_GAME_ORDER,
                          IDC_MARK_AUTOPLAY,
                          IDC_MARK_WINDOWED_MODE,
                          IDC_MARK_HIGHLIGHT_MOVES,
                          IDC_MARK_WAIT_FOR_ANNOUNCEMENTS,
                          IDC_MARK_SCROLL_FOREVER,
                          IDC_MARK_REMOVE_HEADER_QUOTES,
                          IDC_MARK_HIDE_BLANK_HEADERS,
                          IDC_MARK_USE_RANDOM_LAYOUTS,
                          IDC_SOUND_OFF,
                          IDC_SOUND_MOVEMENT,
                          IDC_DOT_SOUND_OFF,
                          IDC_DOT_SOUND_MOVEMENT,
                          IDC_SAVE_RANDOM_LAYOUT,
                          IDC_RESET_DEFAULTS,
                          IDC_COUNTER_HUNDREDS,
                          IDC_COUNTER_TENS,
                          IDC_COUNTER_UNITS,
                          IDC_REAL_PACE,
                          IDC_SHOW_COMMENTS,
                          IDC_FOLLOW_LIVE_GAMES,
                          IDC_MARK_REAL_PACE,
                          IDC_MARK_SHOW_COMMENTS,
                          IDC_MARK_FOLLOW_LIVE_GAMES};
  for (int k = 0; k < 6; ++k) {
    ids.push_back(IDC_PACE_FACTOR_FIRST + k);
    ids.push_back(IDC_DOT_PACE_FACTOR_FIRST + k);
  }
  for (int k = 0; k < 3; ++k) {
    ids.push_back(IDC_SCALING_FIRST + k);
    ids.push_back(IDC_DOT_SCALING_FIRST + k);
  }
  for (int k = 0; k < 5; ++k) {
    ids.push_back(IDC_ANIMATION_FIRST + k);
    ids.push_back(IDC_DOT_ANIMATION_FIRST + k);
    ids.push_back(IDC_HEADER_FIRST + k);
    ids.push_back(IDC_DOT_HEADER_FIRST + k);
  }
  for (int k = 0; k < 4; ++k) ids.push_back(IDC_KNOB_FIRST + k);
  EXPECT_EQ(Repeated(ids), std::vector<int>{});
}

// A picker's controls: its picture, its choice buttons and Cancel.
std::vector<int> PickerControls(int picture, int firstChoice, int choices) {
  std::vector<int> ids = {picture, kCancel};
  for (int k = 0; k < choices; ++k) ids.push_back(firstChoice + k);
  return ids;
}

TEST(ArtResourceCatalog, PickerControlsAreDistinct) {
  EXPECT_EQ(Repeated(PickerControls(IDC_PIECE_PICTURE, IDC_PIECE_CHOICE_BASE + 1, catalog::kPieceSetCount)),
            std::vector<int>{});
  EXPECT_EQ(Repeated(PickerControls(IDC_BOARD_PICTURE, IDC_BOARD_CHOICE_FIRST, 16)), std::vector<int>{});
  EXPECT_EQ(Repeated(PickerControls(IDC_BACKDROP_PICTURE, IDC_BACKDROP_CHOICE_FIRST, 16)), std::vector<int>{});
  EXPECT_EQ(Repeated(PickerControls(IDC_CONSOLE_PICTURE, IDC_CONSOLE_CHOICE_FIRST, 16)), std::vector<int>{});
  EXPECT_EQ(
      Repeated(PickerControls(IDC_CONSOLE_STYLE_PICTURE, IDC_CONSOLE_STYLE_CHOICE_FIRST, catalog::kConsoleStyleCount)),
      std::vector<int>{});
}

TEST(ArtResourceCatalog, EveryStyleColourHasALampStripAndATile) {
  std::set<int> colours;
  for (int style = -128; style <= 255; ++style) colours.insert(catalog::ConsoleStyleColour(style));
  EXPECT_EQ(colours.size(), size_t(catalog::kStyleColourCount));
  EXPECT_EQ(ChosenSet(catalog::ResultLampsFor).size(), size_t(catalog::kStyleColourCount));
  EXPECT_EQ(ChosenSet(catalog::StyleTileFor).size(), size_t(catalog::kStyleColourCount));
  for (int style = 0; style < catalog::kStyleColourCount - 1; ++style) {
    EXPECT_EQ(catalog::ResultLampsFor(style), catalog::ResultLampsFor(style + catalog::kStyleColourCount)) << style;
    EXPECT_EQ(catalog::StyleTileFor(style), catalog::StyleTileFor(style + catalog::kStyleColourCount)) << style;
  }
}

TEST(ArtResourceCatalog, TheFourLibraryFilesAreDistinct) {
  const std::set<std::string> names(std::begin(catalog::kArtLibraryFiles), std::end(catalog::kArtLibraryFiles));
  EXPECT_EQ(names.size(), 4u);
}

}  // namespace
