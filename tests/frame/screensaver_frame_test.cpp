// The frame as a screensaver: the display mode forced whatever the settings
// file says; any key, click, deactivation or a mouse movement of more than a
// few pixels ends it (the first movement does not); and as a preview, a
// child of the given window that shows the frame reduced and goes with it.
#include "tests/frame/frame_test_support.h"
#include "viewer/frame/run_application.h"
#include "viewer/frame/screensaver_input.h"

namespace {

using ScreensaverFrameTest = FrameTest;

// True when the queue holds WM_CLOSE for the window (taken out with the rest).
bool CloseQueued() {
  MSG message;
  bool closing = false;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_CLOSE) closing = true;
    if (message.message != WM_CLOSE) DispatchMessageA(&message);
  }
  return closing;
}

void Screensaver() {
  frameDisplay.forcedFullScreen = 1;
  frameDisplay.endOnInput = true;
}

TEST(ScreensaverPointer, TheFirstPositionOnlySaysWhereThePointerIs) {
  ScreensaverPointer pointer;
  EXPECT_FALSE(pointer.MovedFar(500, 300));
  EXPECT_FALSE(pointer.MovedFar(504, 296)) << "a few pixels of jitter";
  EXPECT_TRUE(pointer.MovedFar(505, 300));
  ScreensaverPointer other;
  EXPECT_FALSE(other.MovedFar(0, 0));
  EXPECT_TRUE(other.MovedFar(0, 5));
}

TEST_F(ScreensaverFrameTest, TheForcedModeOverridesTheSettingsFile) {
  WriteSettings(1);
  frameDisplay.forcedFullScreen = 1;
  {
    TestApp app;
    EXPECT_EQ(app.fullScreen, 1);
  }
  headless::Reset();
  WriteSettings(0);
  frameDisplay.forcedFullScreen = 0;
  TestApp app;
  EXPECT_EQ(app.fullScreen, 0);
}

TEST_F(ScreensaverFrameTest, AKeyEndsTheScreensaverAndNeverReachesThePlay) {
  Screensaver();
  TestApp app;
  CloseQueued();
  headless::KeyPress(VK_RIGHT);
  EXPECT_TRUE(CloseQueued());
  EXPECT_TRUE(app.keysDown.empty());
}

TEST_F(ScreensaverFrameTest, AClickEndsTheScreensaver) {
  Screensaver();
  TestApp app;
  CloseQueued();
  headless::MouseButton(appWindow, 10, 10, true, 1);
  EXPECT_TRUE(CloseQueued());
}

TEST_F(ScreensaverFrameTest, OnlyAMouseMovementOfMoreThanAFewPixelsEndsIt) {
  Screensaver();
  TestApp app;
  CloseQueued();
  headless::MouseMove(appWindow, 400, 300);  // the window appeared under the pointer
  EXPECT_FALSE(CloseQueued());
  headless::MouseMove(appWindow, 403, 302);
  EXPECT_FALSE(CloseQueued());
  headless::MouseMove(appWindow, 420, 302);
  EXPECT_TRUE(CloseQueued());
}

TEST_F(ScreensaverFrameTest, LosingTheFocusEndsTheScreensaver) {
  Screensaver();
  TestApp app;
  CloseQueued();
  headless::Activate(false);
  EXPECT_TRUE(CloseQueued());
}

TEST_F(ScreensaverFrameTest, TheUsualViewerIgnoresTheMouseAndPlaysOnKeys) {
  TestApp app;
  CloseQueued();
  headless::MouseMove(appWindow, 400, 300);
  headless::MouseMove(appWindow, 600, 100);
  headless::MouseButton(appWindow, 10, 10, true, 0);
  headless::KeyPress(VK_RIGHT);
  EXPECT_FALSE(CloseQueued());
  ASSERT_EQ(app.keysDown.size(), 1u);
  EXPECT_EQ(app.keysDown[0], static_cast<WPARAM>(VK_RIGHT));
}

class PreviewTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "PreviewHost";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    // The settings dialog's preview box: 152 x 114 at (200, 100) of the screen.
    host = CreateWindowExA(0, "PreviewHost", "Display Properties", WS_POPUP | WS_VISIBLE, 200, 100, 152, 114, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    frameDisplay.previewParent = host;
  }
  HWND host = nullptr;
};

TEST_F(PreviewTest, ThePreviewIsAWindowedChildFillingItsHost) {
  TestApp app;  // full-screen by the missing settings file, but a preview is windowed
  EXPECT_EQ(app.fullScreen, 0);
  EXPECT_EQ(GetParent(appWindow), host);
  EXPECT_NE(static_cast<DWORD>(GetWindowLongA(appWindow, GWL_STYLE)) & WS_CHILD, 0u);
  RECT client = {};
  ASSERT_TRUE(GetClientRect(appWindow, &client));
  EXPECT_EQ(client.right, 152);
  EXPECT_EQ(client.bottom, 114);
}

TEST_F(PreviewTest, ThePreviewShowsTheFrameReducedInsideItsHost) {
  TestApp app;
  LPDIRECTDRAWSURFACE frame = app.CreateBitmapSurface(800, 600);
  FillSurface(frame, 0x00C000);
  app.PresentWindowed(frame);
  // The platform's primary surface is the cooperative window's client area.
  const headless::Frame& shown = headless::LastFrame();
  ASSERT_EQ(shown.width, 152);
  ASSERT_EQ(shown.height, 114);
  EXPECT_EQ(shown.Pixel(0, 0), 0x00C000u);
  EXPECT_EQ(shown.Pixel(151, 113), 0x00C000u);
}

TEST_F(PreviewTest, ThePointerStaysForTheDialogAndInputDoesNotEndThePreview) {
  TestApp app;
  CloseQueued();
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  headless::MouseMove(host, 20, 20);
  headless::MouseMove(host, 90, 60);
  EXPECT_FALSE(CloseQueued());
  EXPECT_TRUE(headless::CursorVisible());
}

TEST_F(PreviewTest, ThePreviewEndsWhenItsHostGoes) {
  const int exitCode = RunApplication([&] {
    auto* app = new TestApp();
    app->onFrame = [this](TestApp& self) {
      if (self.frames == 3) DestroyWindow(host);
    };
    return app;
  });
  EXPECT_EQ(exitCode, 0);
  EXPECT_FALSE(IsWindow(appWindow));
}

}  // namespace
