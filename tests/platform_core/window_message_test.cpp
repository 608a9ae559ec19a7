// Windows and the message queue: creation messages, window data, closing,
// the quit message, paint and posted-message order.
#include <algorithm>

#include "tests/platform_core/headless_fixture.h"

namespace {

using MessageTest = WindowTest;

LPVOID createParameter = nullptr;

LRESULT StoreCreationParameter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    createParameter = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(createParameter));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  RecordedMessages().push_back(RecordedMessage{window, message, wParam, lParam});
  if (message == WM_CREATE) return -1;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(MessageTest, ClassNamesAreUniqueAndUnknownClassesMakeNoWindow) {
  WNDCLASSA again{};
  again.lpfnWndProc = RecordingProcedure;
  again.lpszClassName = "RECORDER";  // class names ignore case
  EXPECT_EQ(RegisterClassA(&again), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  EXPECT_EQ(CreateWindowExA(0, "nosuchclass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(MessageTest, CreationSendsNcCreateThenCreateWithTheCreationParameter) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = StoreCreationParameter;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.lpszClassName = "ddwindow";
  ASSERT_NE(RegisterClassA(&windowClass), 0);
  int application = 0;
  HWND window = CreateWindowExA(0, "ddwindow", "TarnwicketGame", WS_POPUP | WS_BORDER | WS_SYSMENU, 0, 0, 800, 600,
                                nullptr, nullptr, nullptr, &application);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(createParameter, &application);
  EXPECT_EQ(GetWindowLongPtrA(window, 0), reinterpret_cast<LONG_PTR>(&application));
  RECT client{};
  ASSERT_TRUE(GetClientRect(window, &client));
  EXPECT_EQ(client.right, 800);
  EXPECT_EQ(client.bottom, 600);
  char title[32];
  EXPECT_EQ(GetWindowTextA(window, title, sizeof title), 14);
  EXPECT_STREQ(title, "TarnwicketGame");

  HWND recorded = MakeWindow();
  ASSERT_GE(RecordedMessages().size(), 2u);
  EXPECT_EQ(RecordedMessages()[0].message, static_cast<UINT>(WM_NCCREATE));
  EXPECT_EQ(RecordedMessages()[1].message, static_cast<UINT>(WM_CREATE));
  EXPECT_EQ(RecordedMessages()[1].window, recorded);
}

TEST_F(MessageTest, WindowExtraBytesHoldOnlyWhatTheClassAskedFor) {
  HWND window = MakeWindow();
  EXPECT_EQ(SetWindowLongPtrA(window, 0, 0x1234), 0);
  EXPECT_EQ(GetWindowLongPtrA(window, 0), 0x1234);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrA(window, 1), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
  EXPECT_EQ(SetWindowLongA(window, 0, 77), 0x1234);
  EXPECT_EQ(GetWindowLongA(window, 0), 77);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 0);
}

TEST_F(MessageTest, CreationRefusedByWmCreateDestroysTheWindow) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = RefuseCreation;
  windowClass.lpszClassName = "refuser";
  ASSERT_NE(RegisterClassA(&windowClass), 0);
  EXPECT_EQ(CreateWindowExA(0, "refuser", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(CountRecorded(WM_DESTROY), 1);
}

TEST_F(MessageTest, CloseDestroysTheWindowAndQuitCarriesTheExitCode) {
  HWND window = MakeWindow();
  ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
  EXPECT_EQ(Pump(), 0);
  EXPECT_FALSE(IsWindow(window));
  ASSERT_EQ(CountRecorded(WM_CLOSE), 1);
  const auto& messages = RecordedMessages();
  const auto close =
      std::find_if(messages.begin(), messages.end(), [](const RecordedMessage& m) { return m.message == WM_CLOSE; });
  const auto destroy =
      std::find_if(messages.begin(), messages.end(), [](const RecordedMessage& m) { return m.message == WM_DESTROY; });
  EXPECT_LT(close - messages.begin(), destroy - messages.begin());
  EXPECT_FALSE(PostMessageA(window, WM_CLOSE, 0, 0));
}

TEST_F(MessageTest, QuitComesAfterThePostedMessagesAndOnlyOnce) {
  HWND window = MakeWindow();
  PostQuitMessage(7);
  PostMessageA(window, WM_USER, 1, 2);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_USER));
  EXPECT_EQ(message.hwnd, window);
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 7u);
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageTest, ShowingActivatesTheApplicationAndPaintsUntilValidated) {
  HWND window = MakeWindow();
  EXPECT_FALSE(ShowWindow(window, SW_SHOWNORMAL));
  EXPECT_EQ(CountRecorded(WM_ACTIVATEAPP), 1);
  const auto& messages = RecordedMessages();
  const auto activate = std::find_if(messages.begin(), messages.end(),
                                     [](const RecordedMessage& m) { return m.message == WM_ACTIVATEAPP; });
  EXPECT_EQ(activate->wParam, static_cast<WPARAM>(TRUE));
  EXPECT_EQ(GetActiveWindow(), window);
  EXPECT_TRUE(UpdateWindow(window));
  EXPECT_EQ(CountRecorded(WM_PAINT), 1);
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));  // the default processing validated it
  InvalidateRect(window, nullptr, FALSE);
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
  EXPECT_TRUE(ShowWindow(window, SW_SHOW));
  EXPECT_EQ(CountRecorded(WM_ACTIVATEAPP), 1);
}

TEST_F(MessageTest, DestroyingAParentDestroysItsChildrenAndDropsTheirMessages) {
  HWND parent = MakeWindow();
  HWND child = CreateWindowExA(0, "recorder", "", WS_CHILD | WS_VISIBLE, 10, 20, 100, 50, parent,
                               reinterpret_cast<HMENU>(1001), nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(GetDlgItem(parent, 1001), child);
  EXPECT_EQ(GetParent(child), parent);
  PostMessageA(child, WM_USER, 0, 0);
  RecordedMessages().clear();
  ASSERT_TRUE(DestroyWindow(parent));
  EXPECT_FALSE(IsWindow(child));
  ASSERT_GE(RecordedMessages().size(), 2u);
  EXPECT_EQ(RecordedMessages()[0].window, parent);
  EXPECT_EQ(RecordedMessages()[0].message, static_cast<UINT>(WM_DESTROY));
  EXPECT_EQ(RecordedMessages()[1].window, child);
  EXPECT_EQ(RecordedMessages()[1].message, static_cast<UINT>(WM_DESTROY));
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) EXPECT_NE(message.message, static_cast<UINT>(WM_USER));
}

TEST_F(MessageTest, SendMessageCallsTheProcedureAtOnce) {
  HWND window = MakeWindow();
  RecordedMessages().clear();
  EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, 0), HTCLIENT);
  ASSERT_EQ(RecordedMessages().size(), 1u);
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
