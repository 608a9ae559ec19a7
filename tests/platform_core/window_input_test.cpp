// Injected keys and mouse: virtual-key codes and key data, no character
// messages without TranslateMessage, client coordinates, pointer, activation,
// message boxes.
#include "tests/platform_core/headless_fixture.h"

namespace {

class InputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window = MakeWindow();
    ShowWindow(window, SW_SHOW);
    Pump();
    RecordedMessages().clear();
  }

  std::vector<MSG> TakeAll() {
    std::vector<MSG> messages;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_PAINT)
        DispatchMessageA(&message);  // paint requests stay until validated
      else
        messages.push_back(message);
    }
    return messages;
  }

  HWND window = nullptr;
};

TEST_F(InputTest, KeysArriveWithVirtualKeyCodesAndKeyDataAndNoCharacters) {
  headless::KeyPress(VK_ESCAPE);
  const std::vector<MSG> messages = TakeAll();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(messages[0].wParam, static_cast<WPARAM>(VK_ESCAPE));
  EXPECT_EQ(static_cast<uint32_t>(messages[0].lParam), 0x00010001u);
  EXPECT_EQ(messages[0].hwnd, window);
  EXPECT_EQ(messages[1].message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ(static_cast<uint32_t>(messages[1].lParam), 0xC0010001u);
}

TEST_F(InputTest, ArrowKeysAreExtendedAndRepeatsCarryThePreviousState) {
  headless::KeyDown(VK_LEFT);
  headless::KeyRepeat(VK_LEFT);
  headless::KeyUp(VK_LEFT);
  headless::KeyPress(VK_RETURN);
  const std::vector<MSG> messages = TakeAll();
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ(messages[0].wParam, static_cast<WPARAM>(VK_LEFT));
  EXPECT_EQ(static_cast<uint32_t>(messages[0].lParam), 0x014B0001u);
  EXPECT_EQ(messages[1].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(static_cast<uint32_t>(messages[1].lParam), 0x414B0001u);
  EXPECT_EQ(static_cast<uint32_t>(messages[2].lParam), 0xC14B0001u);
  EXPECT_EQ(messages[3].wParam, static_cast<WPARAM>(VK_RETURN));
  EXPECT_EQ(static_cast<uint32_t>(messages[3].lParam), 0x001C0001u);
}

TEST_F(InputTest, TranslateMessageIsWhatMakesCharacters) {
  headless::KeyDown('A');
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_TRUE(TranslateMessage(&message));
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(message.wParam, static_cast<WPARAM>('a'));
  EXPECT_EQ(GetKeyState('A') & 0x8000, 0x8000);
}

TEST_F(InputTest, AltF4ClosesTheWindowThroughTheDefaultProcessing) {
  headless::KeyDown(VK_MENU);
  headless::KeyDown(VK_F4);
  EXPECT_EQ(Pump(), 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(CountRecorded(WM_SYSKEYDOWN), 2);
  EXPECT_EQ(CountRecorded(WM_CLOSE), 1);
}

TEST_F(InputTest, MouseMessagesCarryClientCoordinatesAndButtonsAfterSetCursor) {
  headless::MouseMove(window, 100, 50);
  EXPECT_EQ(CountRecorded(WM_SETCURSOR), 1);  // sent at once, before the move is taken
  headless::MouseButton(window, 120, 60, true);
  headless::MouseMove(window, 130, 70);
  headless::MouseButton(window, 130, 70, false);
  const std::vector<MSG> messages = TakeAll();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0].message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(messages[0].lParam, MAKELPARAM(100, 50));
  EXPECT_EQ(messages[0].wParam, 0u);
  EXPECT_EQ(messages[1].message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(messages[1].wParam, static_cast<WPARAM>(MK_LBUTTON));
  EXPECT_EQ(messages[2].wParam, static_cast<WPARAM>(MK_LBUTTON));
  EXPECT_EQ(messages[2].lParam, MAKELPARAM(130, 70));
  EXPECT_EQ(messages[3].message, static_cast<UINT>(WM_LBUTTONUP));
  EXPECT_EQ(messages[3].wParam, 0u);
}

TEST_F(InputTest, MouseOverAChildGoesToTheChildInItsOwnCoordinates) {
  HWND child =
      CreateWindowExA(0, "recorder", "", WS_CHILD | WS_VISIBLE, 200, 100, 50, 50, window, nullptr, nullptr, nullptr);
  headless::MouseButton(window, 210, 130, true);
  const std::vector<MSG> messages = TakeAll();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].hwnd, child);
  EXPECT_EQ(messages[0].lParam, MAKELPARAM(10, 30));
}

TEST_F(InputTest, NullCursorHidesThePointer) {
  EXPECT_TRUE(headless::CursorVisible());
  SetCursor(nullptr);
  EXPECT_FALSE(headless::CursorVisible());
}

TEST_F(InputTest, LosingAndRegainingTheFocusSendsActivateApp) {
  headless::Activate(false);
  headless::Activate(true);
  int activations = 0;
  for (const RecordedMessage& recorded : RecordedMessages()) {
    if (recorded.message != WM_ACTIVATEAPP) continue;
    EXPECT_EQ(recorded.wParam, static_cast<WPARAM>(activations == 0 ? FALSE : TRUE));
    ++activations;
  }
  EXPECT_EQ(activations, 2);
}

TEST_F(InputTest, MessageBoxesAreLoggedAndAnswered) {
  EXPECT_EQ(MessageBoxA(nullptr, "Surface Lost", "Fatal Error", MB_TASKMODAL), IDOK);
  EXPECT_EQ(MessageBoxA(window, "Save?", "Question", MB_YESNO | MB_DEFBUTTON2), IDNO);
  headless::QueueMessageBoxAnswer(IDYES);
  EXPECT_EQ(MessageBoxA(window, "Again?", "Question", MB_YESNO), IDYES);
  const auto& boxes = headless::MessageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].text, "Surface Lost");
  EXPECT_EQ(boxes[0].caption, "Fatal Error");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_TASKMODAL));
  EXPECT_EQ(boxes[0].owner, nullptr);
}

}  // namespace
