// The art pickers opened from the miniature: which value each choice button
// stores, Cancel and Escape, and the sounds around a picker.
#include "tests/configurator/config_dialog_fixture.h"

namespace {

const POINT kOk = Centre(80, 286, 50, 15);

// Opens the picker of the part under a canvas point, then runs `inPicker`
// with the picker's window, then checks `afterwards` back in the main dialog.
void PickThrough(DialogScript& script, int px, int py, std::function<void(HWND)> inPicker,
                 std::function<void(HWND)> afterwards) {
  const POINT point = PreviewPoint(px, py);
  script.Then([point](HWND window) { headless::MouseMove(window, point.x, point.y); })
      .Then([point](HWND window) { DialogScript::Click(window, point.x, point.y); })
      .Then(std::move(inPicker))
      .Then(std::move(afterwards));
}

TEST_F(ConfigDialogTest, PiecePickerTopRightStoresSet28ForBlackOnly) {
  ConfigDialog dialog;
  PickThrough(
      script, 50, 25,
      [&](HWND picker) {
        EXPECT_NE(picker, dialog.Window());
        ClickAt(picker, Centre(380, 6, 33, 31));
      },
      [&](HWND window) {
        EXPECT_EQ(dialog.blackPieceSet, 28);
        EXPECT_EQ(dialog.whitePieceSet, 2);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  const SettingsRecord written = WrittenSettings();
  EXPECT_EQ(written.blackPieceSet, 28);
  EXPECT_EQ(written.whitePieceSet, 2);
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK, IDW_CLOSE}));
}

TEST_F(ConfigDialogTest, PiecePickerFifthRowRightEndStoresSet42ForWhite) {
  ConfigDialog dialog;
  PickThrough(
      script, 50, 90, [&](HWND picker) { ClickAt(picker, Centre(380, 129, 33, 31)); },
      [&](HWND window) {
        EXPECT_EQ(dialog.whitePieceSet, 42);
        EXPECT_EQ(dialog.blackPieceSet, 5);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(WrittenSettings().whitePieceSet, 42);
}

TEST_F(ConfigDialogTest, PiecePickerFirstChoiceStoresSetOne) {
  ConfigDialog dialog;
  PickThrough(
      script, 50, 25, [&](HWND picker) { ClickAt(picker, Centre(213, 6, 33, 31)); },
      [&](HWND window) {
        EXPECT_EQ(dialog.blackPieceSet, 1);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
}

TEST_F(ConfigDialogTest, BackdropPickerFirstSwatchStoresZeroAndTheMiniatureTurnsBlack) {
  ConfigDialog dialog;
  PickThrough(
      script, 2, 60, [&](HWND picker) { ClickAt(picker, Centre(6, 14, 33, 31)); },
      [&](HWND window) {
        EXPECT_EQ(dialog.backdropIndex, 0);
        EXPECT_EQ(dialog.previewDirty, 0);  // the miniature was drawn again
        const POINT point = PreviewPoint(2, 60);
        EXPECT_EQ(headless::LastFrame().Pixel(point.x, point.y), 0u);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(WrittenSettings().backdropIndex, 0);
}

TEST_F(ConfigDialogTest, ConsoleStylePickerBottomLeftStoresNine) {
  ConfigDialog dialog;
  PickThrough(
      script, 50, 5, [&](HWND picker) { ClickAt(picker, Centre(13, 33, 11, 15)); },
      [&](HWND window) {
        EXPECT_EQ(dialog.consoleStyle, 9);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(WrittenSettings().consoleStyle, 9);
}

TEST_F(ConfigDialogTest, BoardAndConsolePickersStoreTheirGridIndex) {
  ConfigDialog dialog;
  PickThrough(
      script, 60, 60, [&](HWND picker) { ClickAt(picker, Centre(109, 109, 33, 31)); },
      [&](HWND) { EXPECT_EQ(dialog.boardIndex, 15); });
  PickThrough(
      script, 150, 30, [&](HWND picker) { ClickAt(picker, Centre(40, 45, 33, 31)); },
      [&](HWND window) {
        EXPECT_EQ(dialog.consoleIndex, 5);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  const SettingsRecord written = WrittenSettings();
  EXPECT_EQ(written.boardIndex, 15);
  EXPECT_EQ(written.consoleIndex, 5);
}

TEST_F(ConfigDialogTest, PickerCancelAndEscapeKeepTheValueButCloseWithTheirSound) {
  ConfigDialog dialog;
  PickThrough(
      script, 60, 60,
      [&](HWND picker) {
        ClickAt(picker, Centre(55, 140, 40, 14));  // Cancel
      },
      [&](HWND) {
        EXPECT_EQ(dialog.boardIndex, 2);
        EXPECT_EQ(dialog.previewDirty, 0);
      });
  PickThrough(
      script, 50, 25, [&](HWND) { headless::KeyPress(VK_ESCAPE); },
      [&](HWND window) {
        EXPECT_EQ(dialog.blackPieceSet, 5);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK, IDW_CLOSE, IDW_CLICK, IDW_CLOSE}));
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), SettingsBytes());
}

TEST_F(ConfigDialogTest, PickerShowsItsLibraryPicture) {
  ConfigDialog dialog;
  PickThrough(
      script, 60, 60,
      [&](HWND picker) {
        // The picture fills the picker: no background shows anywhere.
        const headless::Frame& frame = headless::LastFrame();
        RECT area;
        GetClientRect(picker, &area);
        ASSERT_EQ(frame.width, area.right);
        int background = 0;
        for (uint32_t pixel : frame.pixels) background += pixel == 0xC0C0C0 ? 1 : 0;
        EXPECT_LT(background, frame.width * frame.height / 100);
        headless::KeyPress(VK_RETURN);  // OK stores nothing
      },
      [&](HWND window) {
        EXPECT_EQ(dialog.boardIndex, 2);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
}

}  // namespace
