// The main dialog under the mouse: pressing and dragging the slider knobs,
// and the miniature lighting the part under the pointer.
#include "configurator/preview_canvas.h"
#include "tests/configurator/config_dialog_fixture.h"

namespace {

const POINT kOk = Centre(80, 286, 50, 15);

// The colour the last frame shows at a canvas point of the miniature.
uint32_t PreviewPixel(int px, int py) {
  const POINT point = PreviewPoint(px, py);
  return headless::LastFrame().Pixel(point.x, point.y);
}

uint32_t AsFramePixel(COLORREF colour) {
  return (uint32_t{GetRValue(colour)} << 16) | (uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

// Splits a frame pixel into its channels and lights it as the miniature does.
uint32_t Lit(uint32_t pixel) {
  return AsFramePixel(
      HighlightColour(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel)));
}

TEST_F(ConfigDialogTest, PressingJustLeftOfTheTrackGivesZero) {
  ConfigDialog dialog;
  script.Then([&](HWND window) { DialogScript::Click(window, 139, 40); })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.moveDelay, 0);
        EXPECT_EQ(dialog.activeSlider, 0);
        dialog.moveDelay = 6;
        DialogScript::Click(window, 140, 40);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.moveDelay, 0);
        RECT knob;
        GetWindowRect(GetDlgItem(window, IDC_KNOB_FIRST), &knob);
        EXPECT_EQ(knob.left, 141);
        // Not in the area: the track's bounds are open.
        DialogScript::Click(window, 138, 40);
        DialogScript::Click(window, 200, 31);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.moveDelay, 0);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(WrittenSettings().moveDelay, 0);
  // Each press on a track clicks.
  EXPECT_EQ(SoundIds(), (std::vector<unsigned>{IDW_CLICK, IDW_CLICK}));
}

TEST_F(ConfigDialogTest, DraggingPastTheEndOfTheTrackKeepsTwenty) {
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        headless::MouseButton(window, 200, 60, true);  // slider 2
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.nextGameDelay, (200 - 141) * 2 / 11);
        EXPECT_EQ(dialog.activeSlider, 2);
        headless::MouseMove(window, 262, 60);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.nextGameDelay, 20);
        headless::MouseMove(window, 300, 60);  // beyond the track: the drag ends
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.nextGameDelay, 20);
        EXPECT_EQ(dialog.activeSlider, 0);
        RECT knob;
        GetWindowRect(GetDlgItem(window, IDC_KNOB_FIRST + 1), &knob);
        EXPECT_EQ(knob.left, 141 + 110);
        EXPECT_EQ(knob.top, 54);
        EXPECT_TRUE(ShowsPicture(window, IDC_KNOB_FIRST + 1, IDB_KNOB, 9, 17));
        headless::MouseButton(window, 300, 60, false);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(WrittenSettings().nextGameDelay, 20);
}

TEST_F(ConfigDialogTest, ReleasingOutsideTheTrackKeepsTheValueAndEndsTheDrag) {
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        headless::MouseButton(window, 200, 350, true);  // slider 4
        headless::MouseMove(window, 220, 350);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.pieceSpeed, (220 - 148) * 2 / 11);
        headless::MouseButton(window, 240, 370, false);  // below the track
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.pieceSpeed, (220 - 148) * 2 / 11);
        EXPECT_EQ(dialog.activeSlider, 0);
        headless::MouseMove(window, 260, 350);  // over the track, no drag
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.pieceSpeed, (220 - 148) * 2 / 11);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_EQ(WrittenSettings().pieceSpeed, (220 - 148) * 2 / 11);
}

TEST_F(ConfigDialogTest, TheMiniatureLightsThePartUnderThePointer) {
  ConfigDialog dialog;
  uint32_t board = 0;
  uint32_t console = 0;
  uint32_t backdrop = 0;
  script
      .Then([&](HWND window) {
        board = PreviewPixel(60, 60);
        console = PreviewPixel(150, 30);
        backdrop = PreviewPixel(2, 60);
        const POINT point = PreviewPoint(60, 60);
        headless::MouseMove(window, point.x, point.y);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.hoverPart, ConfigDialog::kBoardPart);
        EXPECT_EQ(PreviewPixel(60, 60), Lit(board));
        EXPECT_EQ(PreviewPixel(150, 30), console);
        const POINT point = PreviewPoint(150, 30);
        headless::MouseMove(window, point.x, point.y);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.hoverPart, ConfigDialog::kConsolePart);
        EXPECT_EQ(PreviewPixel(150, 30), Lit(console));
        EXPECT_EQ(PreviewPixel(60, 60), board);
        const POINT point = PreviewPoint(2, 60);
        headless::MouseMove(window, point.x, point.y);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.hoverPart, ConfigDialog::kBackdropPart);
        EXPECT_EQ(PreviewPixel(2, 60), Lit(backdrop));
        headless::MouseMove(window, 600, 100);  // away from the miniature
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.hoverPart, ConfigDialog::kNoPart);
        EXPECT_EQ(PreviewPixel(2, 60), backdrop);
        ClickAt(window, kOk);
      });
  dialog.RunModal();
  EXPECT_TRUE(script.Finished());
}

TEST_F(ConfigDialogTest, WithoutThePiecesLibraryThePiecesLightTheBoard) {
  UseLibraries(ArtLibraryChoice{false, true, true, true});
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.piecesLibrary, nullptr);
        const POINT point = PreviewPoint(50, 25);
        headless::MouseMove(window, point.x, point.y);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.hoverPart, ConfigDialog::kBoardPart);
        // The click opens the board picker, not a piece picker.
        const POINT point = PreviewPoint(50, 25);
        DialogScript::Click(window, point.x, point.y);
      })
      .Then([&](HWND picker) {
        RECT area;
        GetClientRect(picker, &area);
        EXPECT_EQ(area.right, DialogUnitsToPixelsX(150));
        EXPECT_EQ(area.bottom, DialogUnitsToPixelsY(158));
        headless::KeyPress(VK_ESCAPE);
      })
      .Then([&](HWND window) { ClickAt(window, kOk); });
  dialog.RunModal();
  EXPECT_TRUE(script.Finished());
}

TEST_F(ConfigDialogTest, WithoutAnyLibraryNothingIsLitAndTheOwnPicturesShow) {
  UseLibraries(ArtLibraryChoice{false, false, false, false});
  ConfigDialog dialog;
  script
      .Then([&](HWND window) {
        // The program's own board picture fills the middle of the miniature.
        EXPECT_NE(PreviewPixel(60, 60), 0u);
        const POINT point = PreviewPoint(60, 60);
        headless::MouseMove(window, point.x, point.y);
      })
      .Then([&](HWND window) {
        EXPECT_EQ(dialog.hoverPart, ConfigDialog::kNoPart);
        const POINT point = PreviewPoint(60, 60);
        DialogScript::Click(window, point.x, point.y);  // opens nothing
      })
      .Then([&](HWND window) { ClickAt(window, kOk); });
  dialog.RunModal();
  EXPECT_TRUE(headless::Sounds().empty());
  EXPECT_EQ(ReadFile("Tarnwicket.cfg"), SettingsBytes());
}

}  // namespace
