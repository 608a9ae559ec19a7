// DirectDrawApplication and the entry logic: the display mode chosen by the
// settings file, the message loop, Escape, fatal errors, the pointer, keys,
// activation, the timer and the flip.
#include <memory>
#include <string>

#include "tests/frame/frame_test_support.h"
#include "viewer/frame/run_application.h"

namespace {

const DWORD kFullScreenStyle = WS_POPUP | WS_BORDER | WS_SYSMENU;
// A caption and a border (WS_CAPTION holds WS_BORDER), outside the client area.
const DWORD kWindowedStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
const DWORD kKindOfWindow = WS_POPUP | WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;

using ApplicationTest = FrameTest;

// Dispatches what is queued, without frames.
void DispatchQueued() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

void ExpectFullScreen(const TestApp& app) {
  EXPECT_EQ(app.fullScreen, 1);
  ASSERT_NE(app.primarySurface, nullptr);
  ASSERT_NE(app.backBuffer, nullptr);
  EXPECT_NE(app.backBuffer, app.primarySurface);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(appWindow, GWL_STYLE)) & kFullScreenStyle, kFullScreenStyle);
}

TEST_F(ApplicationTest, NoSettingsFileMeansFullScreenWithABackBuffer) {
  TestApp app;
  ExpectFullScreen(app);
  EXPECT_EQ(app.width, 800);
  EXPECT_EQ(app.height, 600);
  EXPECT_EQ(app.bitsPerPixel, 24);
  EXPECT_EQ(app.instance, GetModuleHandleA(nullptr));
}

TEST_F(ApplicationTest, EmptySettingsFileMeansFullScreen) {
  WriteSettingsBytes({});
  TestApp app;
  ExpectFullScreen(app);
}

TEST_F(ApplicationTest, FirstSettingsByteOtherThanOneMeansFullScreen) {
  for (uint8_t windowedMode : {0, 2, 255}) {
    headless::Reset();
    WriteSettings(windowedMode);
    TestApp app;
    ExpectFullScreen(app);
  }
}

TEST_F(ApplicationTest, FirstSettingsByteOneMeansWindowedOnThePrimarySurface) {
  WriteSettings(1);
  TestApp app;
  EXPECT_EQ(app.fullScreen, 0);
  ASSERT_NE(app.primarySurface, nullptr);
  EXPECT_EQ(app.backBuffer, app.primarySurface);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(appWindow, GWL_STYLE)) & kKindOfWindow, kWindowedStyle);
}

TEST_F(ApplicationTest, DisplayStartsBlackInBothModes) {
  for (uint8_t windowedMode : {0, 1}) {
    headless::Reset();
    WriteSettings(windowedMode);
    TestApp app;
    EXPECT_EQ(ReadPixel(app.backBuffer, 0, 0), 0u);
    EXPECT_EQ(ReadPixel(app.backBuffer, 799, 599), 0u);
    EXPECT_EQ(ReadPixel(app.primarySurface, 799, 599), 0u);
  }
}

TEST_F(ApplicationTest, WindowKeepsTheApplicationAndItsTitle) {
  TestApp app;
  ASSERT_NE(appWindow, nullptr);
  EXPECT_EQ(reinterpret_cast<DirectDrawApplication*>(GetWindowLongPtrA(appWindow, 0)), &app);
  char title[64] = {};
  GetWindowTextA(appWindow, title, sizeof title);
  EXPECT_STREQ(title, "FrameTest");
  RECT rect = {};
  ASSERT_TRUE(GetWindowRect(appWindow, &rect));
  EXPECT_EQ(rect.right - rect.left, 800);
  EXPECT_EQ(rect.bottom - rect.top, 600);
}

TEST_F(ApplicationTest, SecondApplicationCannotRegisterTheWindowClass) {
  TestApp first;
  EXPECT_EQ(FatalTextOf([] { TestApp second; }), "RegisterClass failed.");
}

TEST_F(ApplicationTest, EscapeClosesTheWindowAndTheProgramReturnsZero) {
  TestApp* app = nullptr;
  const int exitCode = RunApplication([&] {
    app = new TestApp();
    app->onFrame = [](TestApp& self) {
      if (self.frames == 3) headless::KeyPress(VK_ESCAPE);
    };
    return app;
  });
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(theApp, app);
  ASSERT_EQ(app->keysDown.size(), 1u);
  EXPECT_EQ(app->keysDown[0], static_cast<WPARAM>(VK_ESCAPE));
  EXPECT_FALSE(IsWindow(appWindow));
  EXPECT_TRUE(headless::MessageBoxes().empty());
  delete app;
}

TEST_F(ApplicationTest, OtherKeysLeaveTheLoopRunning) {
  TestApp* app = nullptr;
  RunApplication([&] {
    app = new TestApp();
    app->onFrame = [](TestApp& self) {
      if (self.frames == 1) headless::KeyPress(VK_RETURN);
      if (self.frames == 2) headless::KeyPress(VK_LEFT);
      if (self.frames == 50) headless::KeyPress(VK_ESCAPE);
    };
    return app;
  });
  EXPECT_GE(app->frames, 50);
  EXPECT_EQ(app->keysDown, (std::vector<WPARAM>{VK_RETURN, VK_LEFT, static_cast<WPARAM>(VK_ESCAPE)}));
  delete app;
}

TEST_F(ApplicationTest, KeysArriveAsVirtualKeyCodesWithoutCharacterMessages) {
  TestApp* app = nullptr;
  int characterMessages = 0;
  RunApplication([&] {
    app = new TestApp();
    app->onFrame = [&](TestApp& self) {
      MSG message;
      while (PeekMessageA(&message, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE)) ++characterMessages;
      if (self.frames == 1) headless::KeyPress('A');
      if (self.frames == 5) headless::KeyPress(VK_ESCAPE);
    };
    return app;
  });
  EXPECT_EQ(characterMessages, 0);
  ASSERT_EQ(app->keysDown.size(), 2u);
  EXPECT_EQ(app->keysDown[0], static_cast<WPARAM>('A'));
  EXPECT_EQ(app->keyDataDown[0] & 0xFFFF, 1) << "repeat count";
  ASSERT_GE(app->keysUp.size(), 1u);
  EXPECT_EQ(app->keysUp[0], static_cast<WPARAM>('A'));
  delete app;
}

class FatalErrorTest : public FrameTest {
 protected:
  // Runs the loop with a test application that `arrange` sets up; returns
  // the exit code. The application is kept for inspection.
  template <typename Arrange>
  int Run(Arrange arrange) {
    return RunApplication([&] {
      app.reset(new TestApp());
      app->destroyed = &destroyed;
      arrange(*app);
      return app.get();
    });
  }

  void ExpectFatalErrorBox(const char* text) {
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    const headless::MessageBoxRecord& box = headless::MessageBoxes()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, "Fatal Error");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_TASKMODAL));
    EXPECT_FALSE(destroyed) << "the application object is kept";
    EXPECT_EQ(theApp, app.get());
    EXPECT_EQ(GetWindowLongPtrA(appWindow, 0), 0) << "no tick or key reaches it any more";
  }

  std::unique_ptr<TestApp> app;
  bool destroyed = false;
};

TEST_F(FatalErrorTest, FromUpdateFrameShowsTheBoxAndReturnsZero) {
  const int exitCode = Run([](TestApp& self) {
    self.onFrame = [](TestApp& me) {
      if (me.frames == 2) throw FatalError("Frame failed.");
    };
  });
  EXPECT_EQ(exitCode, 0);
  ExpectFatalErrorBox("Frame failed.");
  EXPECT_EQ(app->frames, 2);
}

TEST_F(FatalErrorTest, FromOnKeyDownShowsTheBoxAndReturnsZero) {
  const int exitCode = Run([](TestApp& self) {
    self.onFrame = [](TestApp& me) {
      if (me.frames == 1) headless::KeyPress(VK_RIGHT);
    };
    self.onKeyDown = [](TestApp&, WPARAM) { throw FatalError("Key failed."); };
  });
  EXPECT_EQ(exitCode, 0);
  ExpectFatalErrorBox("Key failed.");
  EXPECT_TRUE(app->keysUp.empty()) << "the loop ended at the key";
}

TEST_F(FatalErrorTest, FromOnTimerShowsTheBoxAndReturnsZero) {
  const int exitCode = Run([](TestApp& self) {
    self.onFrame = [](TestApp& me) {
      if (me.frames == 1) me.StartTimer(100);
      headless::AdvanceClock(10);
    };
    self.onTimer = [](TestApp&) { throw FatalError("Tick failed."); };
  });
  EXPECT_EQ(exitCode, 0);
  ExpectFatalErrorBox("Tick failed.");
  EXPECT_EQ(app->timerTicks, 1);
}

TEST_F(FatalErrorTest, KeepsTheWholeTextOfAFormattedError) {
  const std::string longText(600, 'x');
  Run([&](TestApp& self) { self.onFrame = [&](TestApp&) { throw FatalError::Format("%s", longText.c_str()); }; });
  ExpectFatalErrorBox(std::string(499, 'x').c_str());
}

// A derived constructor that fails after the base has set up the display,
// as the viewer's does when its game file is missing.
class FailingApp : public DirectDrawApplication {
 public:
  FailingApp(LPDIRECTDRAW* directDrawSeen, LPDIRECTDRAWSURFACE* primarySeen)
      : DirectDrawApplication(GetModuleHandleA(nullptr), "FailingApp", SW_SHOWNORMAL, 800, 600, 24, "",
                              FullScreenChoice(ReadSettings())) {
    directDraw->AddRef();
    primarySurface->AddRef();
    *directDrawSeen = directDraw;
    *primarySeen = primarySurface;
    throw FatalError("can't find Tarnwicket.PGN");
  }
  void UpdateFrame() override {}
  void OnTimer() override {}
};

TEST_F(ApplicationTest, FailingDerivedConstructorReleasesTheDisplayObjects) {
  LPDIRECTDRAW directDraw = nullptr;
  LPDIRECTDRAWSURFACE primary = nullptr;
  const int exitCode = RunApplication([&] { return new FailingApp(&directDraw, &primary); });
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(theApp, nullptr);
  ASSERT_EQ(headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(headless::MessageBoxes()[0].text, "can't find Tarnwicket.PGN");
  EXPECT_EQ(headless::MessageBoxes()[0].caption, "Fatal Error");
  // Only the test's own references are left.
  ASSERT_NE(primary, nullptr);
  ASSERT_NE(directDraw, nullptr);
  EXPECT_EQ(primary->Release(), 0u);
  EXPECT_EQ(directDraw->Release(), 0u);
  // The window no longer points at the freed object: messages that still
  // reach it touch nothing of it.
  EXPECT_EQ(GetWindowLongPtrA(appWindow, 0), 0);
  headless::Activate(false);
  headless::KeyPress(VK_ESCAPE);
  DispatchQueued();
}

TEST_F(ApplicationTest, PointerIsHiddenOverTheWindow) {
  TestApp app;
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  ASSERT_TRUE(headless::CursorVisible());
  headless::MouseMove(appWindow, 400, 300);
  EXPECT_FALSE(headless::CursorVisible());

  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  headless::MouseButton(appWindow, 10, 10, true);
  headless::MouseButton(appWindow, 10, 10, false);
  DispatchQueued();
  EXPECT_FALSE(headless::CursorVisible());
}

TEST_F(ApplicationTest, ActivationIsRecorded) {
  TestApp app;
  headless::Activate(false);
  EXPECT_EQ(app.active, 0);
  headless::Activate(true);
  EXPECT_NE(app.active, 0);
}

TEST_F(ApplicationTest, TimerTicksReachOnTimerAndASecondStartChangesThePeriod) {
  TestApp app;
  app.StartTimer(100);
  for (int i = 0; i < 3; ++i) {
    headless::AdvanceClock(100);
    DispatchQueued();
  }
  EXPECT_EQ(app.timerTicks, 3);
  app.StartTimer(1000);
  headless::AdvanceClock(500);
  DispatchQueued();
  EXPECT_EQ(app.timerTicks, 3);
  headless::AdvanceClock(500);
  DispatchQueued();
  EXPECT_EQ(app.timerTicks, 4);
}

TEST_F(ApplicationTest, FlipPresentsTheBackBuffer) {
  TestApp app;
  FillSurface(app.backBuffer, 0x336699);
  const int presented = headless::PresentedFrameCount();
  app.FlipSurfaces();
  EXPECT_EQ(headless::PresentedFrameCount(), presented + 1);
  const headless::Frame& frame = headless::LastFrame();
  ASSERT_EQ(frame.width, 800);
  ASSERT_EQ(frame.height, 600);
  EXPECT_EQ(frame.Pixel(0, 0), 0x336699u);
  EXPECT_EQ(frame.Pixel(799, 599), 0x336699u);
}

TEST_F(ApplicationTest, LostFlipIsDroppedQuietly) {
  TestApp app;
  const int presented = headless::PresentedFrameCount();
  headless::LoseSurface(app.primarySurface);
  EXPECT_NO_THROW(app.FlipSurfaces());
  EXPECT_EQ(headless::PresentedFrameCount(), presented);
}

TEST_F(ApplicationTest, WindowedFrameIsPresentedIntoTheClientArea) {
  WriteSettings(1);
  TestApp app;
  LPDIRECTDRAWSURFACE frame = app.CreateBitmapSurface(800, 600);
  FillSurface(frame, 0x00FF00);
  app.PresentWindowed(frame);
  EXPECT_EQ(headless::LastFrame().Pixel(10, 10), 0x00FF00u);
  EXPECT_EQ(headless::LastFrame().Pixel(799, 599), 0x00FF00u);
}

}  // namespace
