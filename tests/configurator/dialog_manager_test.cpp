// The dialog manager of the platform layer: templates, dialog units, the
// composition of bitmap statics, clicks on owner-drawn buttons and through
// statics, Enter and Escape, drawing through GetDC, STM_SETIMAGE, nested
// modal dialogs.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/headless.h"
#include "platform/src/dialog_base_units.h"
#include "platform/src/dialog_paint.h"
#include "platform/src/dialog_template.h"
#include "platform/src/module_registry.h"
#include "platform/win32.h"
#include "tests/configurator/dialog_script.h"
#include "tests/configurator/test_dialog_ids.h"

namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

// What the test dialog's procedure received.
struct ProcedureLog {
  std::vector<MSG> messages;
  std::vector<WORD> commands;
};
ProcedureLog* activeLog = nullptr;

// Records what it gets; OK and Cancel end the dialog with their ids.
INT_PTR CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (activeLog == nullptr) return FALSE;
  MSG entry{};
  entry.hwnd = window;
  entry.message = message;
  entry.wParam = wParam;
  entry.lParam = lParam;
  activeLog->messages.push_back(entry);
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND) {
    activeLog->commands.push_back(LOWORD(wParam));
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(window, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

ByteView TemplateBytes(int id) {
  Module& program = ProgramModule();
  const ResourceEntry* entry =
      program.resources.Find(ResourceKey::Number(5), ResourceKey::Number(static_cast<uint16_t>(id)));
  return entry != nullptr ? program.resources.DataOf(*entry) : ByteView();
}

class DialogManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Enable();
    headless::Reset();
    activeLog = &log;
  }
  void TearDown() override { activeLog = nullptr; }

  INT_PTR RunTestDialog(int id = IDD_TEST_DIALOG, HWND owner = nullptr) {
    return DialogBoxParamA(nullptr, MAKEINTRESOURCEA(id), owner, RecordingProcedure, 77);
  }

  // Messages of one kind that the procedure received, in order.
  std::vector<MSG> Received(UINT message) const {
    std::vector<MSG> found;
    for (const MSG& entry : log.messages)
      if (entry.message == message) found.push_back(entry);
    return found;
  }

  ProcedureLog log;
  DialogScript script;
};

TEST(DialogUnitsTest, ConvertWithTheBaseUnitsOfTheDialogFont) {
  EXPECT_EQ(DialogUnitsToPixelsX(389), 584);  // 583.5 rounds up
  EXPECT_EQ(DialogUnitsToPixelsY(310), 504);  // 503.75
  EXPECT_EQ(DialogUnitsToPixelsX(233), 350);
  EXPECT_EQ(DialogUnitsToPixelsY(106), 172);  // 172.25
  EXPECT_EQ(DialogUnitsToPixelsY(10), 16);    // 16.25
  EXPECT_EQ(DialogUnitsToPixelsX(-3), -5);    // -4.5, away from zero
}

TEST(DialogTemplateTest, ReadsClassicTemplateItemsInOrder) {
  DialogTemplate form;
  ASSERT_TRUE(ParseDialogTemplate(TemplateBytes(IDD_TEST_DIALOG), form));
  EXPECT_FALSE(form.extended);
  EXPECT_EQ(form.cx, 100);
  EXPECT_EQ(form.cy, 80);
  EXPECT_EQ(form.pointSize, 8);
  EXPECT_EQ(form.typeface, "MS Sans Serif");
  ASSERT_EQ(form.items.size(), 8u);
  EXPECT_EQ(form.items[0].id, IDC_TEST_BUTTON);
  EXPECT_EQ(form.items[0].style & BS_TYPEMASK, static_cast<uint32_t>(BS_OWNERDRAW));
  EXPECT_EQ(form.items[1].title.isOrdinal, true);
  EXPECT_EQ(form.items[1].title.ordinal, IDB_TEST_RED);
  EXPECT_EQ(form.items[3].title.text, "#311");
  EXPECT_EQ(form.items[4].title.text, "");
  EXPECT_EQ(form.items[7].id, IDCANCEL);
  EXPECT_EQ(form.items[7].x, 60);
  EXPECT_EQ(form.items[7].cy, 12);
}

TEST(DialogTemplateTest, ReadsExtendedTemplate) {
  DialogTemplate form;
  ASSERT_TRUE(ParseDialogTemplate(TemplateBytes(IDD_TEST_INNER_DIALOG), form));
  EXPECT_TRUE(form.extended);
  EXPECT_EQ(form.typeface, "MS Sans Serif");
  ASSERT_EQ(form.items.size(), 1u);
  EXPECT_EQ(form.items[0].id, IDC_TEST_BLUE);
  EXPECT_EQ(form.items[0].title.ordinal, IDB_TEST_BLUE);
  EXPECT_EQ(form.items[0].cx, 10);
}

TEST(DialogTemplateTest, RefusesTruncatedTemplates) {
  const ByteView whole = TemplateBytes(IDD_TEST_DIALOG);
  ASSERT_GT(whole.Size(), 40u);
  // The last item ends with its creation data size, the template's last word.
  for (size_t length = 0; length + 1 < whole.Size(); ++length) {
    DialogTemplate form;
    if (ParseDialogTemplate(ByteView(whole.Data(), length), form)) {
      // Only trailing padding may be missing.
      EXPECT_GE(length + 4, whole.Size()) << "a template cut to " << length << " bytes was accepted";
    }
  }
}

TEST(DialogTemplateTest, RefusesAnItemCountBeyondTheData) {
  std::vector<uint8_t> bytes(TemplateBytes(IDD_TEST_DIALOG).Data(),
                             TemplateBytes(IDD_TEST_DIALOG).Data() + TemplateBytes(IDD_TEST_DIALOG).Size());
  bytes[8] = 0xFF;  // cdit
  bytes[9] = 0xFF;
  DialogTemplate form;
  EXPECT_FALSE(ParseDialogTemplate(ByteView(bytes.data(), bytes.size()), form));
}

TEST_F(DialogManagerTest, ShowsTemplatePicturesInTemplateOrderOverTheBackground) {
  script.Then([](HWND dialog) {
    const headless::Frame& frame = headless::LastFrame();
    ASSERT_EQ(frame.width, 150);
    ASSERT_EQ(frame.height, 130);
    EXPECT_EQ(frame.Pixel(0, 0), kDialogBackground);
    EXPECT_EQ(frame.Pixel(12, 13), kRed);
    EXPECT_EQ(frame.Pixel(14, 16), kRed);
    EXPECT_EQ(frame.Pixel(18, 16), kDialogBackground);  // the static took its picture's size
    EXPECT_EQ(frame.Pixel(15, 15), kBlue);              // the later static paints over the earlier
    EXPECT_EQ(frame.Pixel(17, 16), kBlue);
    EXPECT_EQ(frame.Pixel(66, 20), kBlue);  // under an invisible button
    RECT area;
    GetWindowRect(GetDlgItem(dialog, IDC_TEST_RED), &area);
    EXPECT_EQ(area.right - area.left, 6);
    EXPECT_EQ(area.bottom - area.top, 4);
    headless::KeyPress(VK_ESCAPE);
  });
  EXPECT_EQ(RunTestDialog(), IDCANCEL);
  ASSERT_FALSE(Received(WM_INITDIALOG).empty());
  EXPECT_EQ(Received(WM_INITDIALOG)[0].lParam, 77);
  EXPECT_TRUE(script.Finished());
}

TEST_F(DialogManagerTest, ClickOnOwnerDrawnButtonSendsItsCommand) {
  script.Then([](HWND dialog) { DialogScript::Click(dialog, 67, 21); }).Then([](HWND dialog) {
    DialogScript::Click(dialog, 100, 100);
  });  // Cancel
  EXPECT_EQ(RunTestDialog(), IDCANCEL);
  EXPECT_EQ(log.commands, (std::vector<WORD>{IDC_TEST_BUTTON, IDCANCEL}));
  EXPECT_TRUE(Received(WM_LBUTTONDOWN).empty());
}

TEST_F(DialogManagerTest, ReleaseOutsideTheButtonIsNoClick) {
  script
      .Then([](HWND dialog) {
        headless::MouseButton(dialog, 67, 21, true);
        headless::MouseMove(dialog, 120, 60);
        headless::MouseButton(dialog, 120, 60, false);
      })
      .Then([](HWND) { headless::KeyPress(VK_RETURN); });
  EXPECT_EQ(RunTestDialog(), IDOK);
  EXPECT_EQ(log.commands, (std::vector<WORD>{IDOK}));
}

TEST_F(DialogManagerTest, MouseOverStaticsReachesTheDialogInClientCoordinates) {
  script
      .Then([](HWND dialog) {
        headless::MouseMove(dialog, 14, 15);  // over the red static
        headless::MouseButton(dialog, 14, 15, true);
        headless::MouseButton(dialog, 30, 70, false);  // over nothing
      })
      .Then([](HWND) { headless::KeyPress(VK_ESCAPE); });
  RunTestDialog();
  ASSERT_EQ(Received(WM_MOUSEMOVE).size(), 1u);
  EXPECT_EQ(Received(WM_MOUSEMOVE)[0].lParam, MAKELPARAM(14, 15));
  ASSERT_EQ(Received(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Received(WM_LBUTTONDOWN)[0].lParam, MAKELPARAM(14, 15));
  ASSERT_EQ(Received(WM_LBUTTONUP).size(), 1u);
  EXPECT_EQ(Received(WM_LBUTTONUP)[0].lParam, MAKELPARAM(30, 70));
}

TEST_F(DialogManagerTest, ClickThroughStaticReachesTheButtonBeneath) {
  script.Then([](HWND dialog) { DialogScript::Click(dialog, 7, 66); }).Then([](HWND) {
    headless::KeyPress(VK_ESCAPE);
  });
  RunTestDialog();
  EXPECT_EQ(log.commands, (std::vector<WORD>{IDC_TEST_UNDER, IDCANCEL}));
}

TEST_F(DialogManagerTest, EnterAndEscapeAnswerOkAndCancel) {
  script.Then([](HWND) { headless::KeyPress(VK_RETURN); });
  EXPECT_EQ(RunTestDialog(), IDOK);
  script.Then([](HWND) { headless::KeyPress(VK_ESCAPE); });
  EXPECT_EQ(RunTestDialog(), IDCANCEL);
  EXPECT_EQ(log.commands, (std::vector<WORD>{IDOK, IDCANCEL}));
}

TEST_F(DialogManagerTest, DrawingThroughTheDialogContextIsShownAndKeptByRepaints) {
  script
      .Then([](HWND dialog) {
        HDC dc = GetDC(dialog);
        SetPixel(dc, 100, 5, RGB(1, 2, 3));
        SetPixel(dc, 13, 14, RGB(4, 5, 6));  // over the red static
        ReleaseDC(dialog, dc);
      })
      .Then([](HWND dialog) {
        EXPECT_EQ(headless::LastFrame().Pixel(100, 5), 0x010203u);
        EXPECT_EQ(headless::LastFrame().Pixel(13, 14), 0x040506u);
        InvalidateRect(dialog, nullptr, TRUE);
      })
      .Then([](HWND) {
        // The controls are composed again; what lies outside them stays.
        EXPECT_EQ(headless::LastFrame().Pixel(100, 5), 0x010203u);
        EXPECT_EQ(headless::LastFrame().Pixel(13, 14), kRed);
        headless::KeyPress(VK_ESCAPE);
      });
  RunTestDialog();
  EXPECT_TRUE(script.Finished());
}

TEST_F(DialogManagerTest, SetImageResizesTheStaticAndHandsBackOnlyPicturesItDidNotLoad) {
  HBITMAP blue = nullptr;
  script
      .Then([&](HWND dialog) {
        blue = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TEST_BLUE), IMAGE_BITMAP,
                                               0, 0, LR_CREATEDIBSECTION));
        HWND empty = GetDlgItem(dialog, IDC_TEST_EMPTY);
        EXPECT_EQ(SendMessageA(empty, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(blue)), 0);
        RECT area;
        GetWindowRect(empty, &area);
        EXPECT_EQ(area.right - area.left, 3);
        EXPECT_EQ(area.bottom - area.top, 2);
        // The red static loaded its picture itself: it frees it and hands back nothing.
        HWND red = GetDlgItem(dialog, IDC_TEST_RED);
        HBITMAP again = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TEST_BLUE),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        EXPECT_EQ(SendMessageA(red, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(again)), 0);
        EXPECT_EQ(SendMessageA(red, STM_SETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(again));
        DeleteObject(again);
      })
      .Then([&](HWND dialog) {
        const headless::Frame& frame = headless::LastFrame();
        EXPECT_EQ(frame.Pixel(90, 81), kBlue);
        EXPECT_EQ(frame.Pixel(93, 81), kDialogBackground);
        EXPECT_EQ(frame.Pixel(12, 13), kDialogBackground);  // the red static is empty now
        EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_TEST_EMPTY), STM_SETIMAGE, IMAGE_BITMAP, 0),
                  reinterpret_cast<LRESULT>(blue));
        headless::KeyPress(VK_ESCAPE);
      });
  RunTestDialog();
  DeleteObject(blue);
  EXPECT_TRUE(script.Finished());
}

TEST_F(DialogManagerTest, NestedDialogDisablesItsOwnerUntilItEnds) {
  HWND outer = nullptr;
  INT_PTR innerResult = 0;
  script
      .Then([&](HWND dialog) {
        outer = dialog;
        innerResult = RunTestDialog(IDD_TEST_INNER_DIALOG, dialog);
        EXPECT_TRUE(IsWindowEnabled(dialog));
      })
      .Then([&](HWND inner) {
        EXPECT_NE(inner, outer);
        EXPECT_FALSE(IsWindowEnabled(outer));
        DialogScript::Click(outer, 67, 21);  // ignored: the owner is disabled
        headless::KeyPress(VK_ESCAPE);       // ends the inner dialog
      })
      .Then([&](HWND dialog) {
        EXPECT_EQ(dialog, outer);
        headless::KeyPress(VK_RETURN);
      });
  EXPECT_EQ(RunTestDialog(), IDOK);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_EQ(log.commands, (std::vector<WORD>{IDCANCEL, IDOK}));
}

TEST_F(DialogManagerTest, MissingTemplateGivesMinusOne) { EXPECT_EQ(RunTestDialog(999), -1); }

TEST_F(DialogManagerTest, ControlsOutsideTheSubsetFailLoudly) {
  EXPECT_DEATH(RunTestDialog(IDD_TEST_PUSH_BUTTON), "owner-drawn buttons");
}

}  // namespace
