// The presentation on a real X display (run under Xvfb, 1920 x 1080): the
// DirectDraw window resizable while windowed, switched to the full screen and
// back, the system's screensaver kept off only while the show covers the
// screen, the sharp path's intermediate picture, and the pointer mapped back
// to the frame.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/desktop.h"
#include "platform/src/present_window.h"
#include "platform/win32.h"

namespace {

class XvfbPresentationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "XvfbFrame";
    RegisterClassA(&windowClass);
    window = CreateWindowExA(0, "XvfbFrame", "XvfbFrame", WS_OVERLAPPED | WS_CAPTION, 0, 0, 800, 600, nullptr, nullptr,
                             windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr) << "no X display (run under xvfb-run)";
    ShowWindow(window, SW_SHOWNORMAL);
    ASSERT_EQ(DirectDrawCreate(nullptr, &directDraw, nullptr), DD_OK);
  }
  void TearDown() override {
    if (directDraw != nullptr) directDraw->Release();
    DestroyWindow(window);
    PlatformSetScalingMode(kPlatformScalingSharp);
  }

  void FullScreen() {
    ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE), DD_OK);
    ASSERT_EQ(directDraw->SetDisplayMode(800, 600, 32), DD_OK);
    DDSURFACEDESC description;
    std::memset(&description, 0, sizeof description);
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    description.dwBackBufferCount = 1;
    ASSERT_EQ(directDraw->CreateSurface(&description, &primary, nullptr), DD_OK);
  }

  void Windowed() {
    ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_NORMAL), DD_OK);
    DDSURFACEDESC description;
    std::memset(&description, 0, sizeof description);
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    ASSERT_EQ(directDraw->CreateSurface(&description, &primary, nullptr), DD_OK);
  }

  // A frame presented: a grey fill, flipped or drawn onto the windowed primary.
  void Present() {
    DDBLTFX effects;
    std::memset(&effects, 0, sizeof effects);
    effects.dwSize = sizeof effects;
    effects.dwFillColor = 0x808080;
    DDSCAPS caps = {DDSCAPS_BACKBUFFER};
    LPDIRECTDRAWSURFACE back = nullptr;
    if (primary->GetAttachedSurface(&caps, &back) == DD_OK) {
      back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &effects);
      primary->Flip(nullptr, 0);
      back->Release();
    } else {
      primary->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &effects);
    }
  }

  HWND window = nullptr;
  LPDIRECTDRAW directDraw = nullptr;
  LPDIRECTDRAWSURFACE primary = nullptr;
};

TEST_F(XvfbPresentationTest, AWindowedShowIsResizableAndLetsTheScreensaverStart) {
  Windowed();
  Present();
  EXPECT_TRUE(PresentIsFrameWindow(window));
  EXPECT_TRUE(PresentIsResizable(window));
  EXPECT_FALSE(PresentIsFullScreen(window));
  EXPECT_FALSE(PresentScreenSaverInhibited());
}

TEST_F(XvfbPresentationTest, AFullScreenShowKeepsTheScreensaverOff) {
  FullScreen();
  Present();
  EXPECT_TRUE(PresentIsFullScreen(window));
  EXPECT_FALSE(PresentIsResizable(window));
  EXPECT_TRUE(PresentScreenSaverInhibited());
  directDraw->Release();  // the exclusive mode goes with the DirectDraw object
  directDraw = nullptr;
  EXPECT_FALSE(PresentScreenSaverInhibited());
}

TEST_F(XvfbPresentationTest, TheUserSwitchesBetweenTheWindowAndTheFullScreen) {
  Windowed();
  Present();
  PresentToggleFullScreen(window);
  EXPECT_TRUE(PresentIsFullScreen(window));
  EXPECT_TRUE(PresentScreenSaverInhibited());
  PresentToggleFullScreen(window);
  EXPECT_FALSE(PresentIsFullScreen(window));
  EXPECT_TRUE(PresentIsResizable(window));
  EXPECT_FALSE(PresentScreenSaverInhibited());
}

TEST_F(XvfbPresentationTest, FullScreenOnAFullHdScreenTakesATwiceSizedIntermediatePictureWhenSharp) {
  FullScreen();
  Present();
  EXPECT_EQ(PresentIntermediateBytes(window), 1600u * 1200u * 4u);
  PlatformSetScalingMode(kPlatformScalingPixelPerfect);
  Present();
  EXPECT_EQ(PresentIntermediateBytes(window), 0u) << "released when the scale no longer needs it";
  PlatformSetScalingMode(kPlatformScalingSmooth);
  Present();
  EXPECT_EQ(PresentIntermediateBytes(window), 0u);
}

TEST_F(XvfbPresentationTest, ThePointerIsMappedBackToTheFrame) {
  FullScreen();
  Present();
  // Sharp at 1920 x 1080: the picture is 1440 x 1080 at (240, 0).
  int x = 240 + 720;
  int y = 540;
  ASSERT_TRUE(PresentMapPointToFrame(window, &x, &y));
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 300);
  x = 240;
  y = 0;
  PresentMapPointToFrame(window, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  x = 100;  // on the black bar, left of the picture
  y = 1079;
  PresentMapPointToFrame(window, &x, &y);
  EXPECT_LT(x, 0);
  EXPECT_EQ(y, 599);
}

}  // namespace
