// The windowed frame on the screen: the window's caption and border lie
// outside a client area of the frame's size, the primary surface is the
// screen with a clipper for the window, and each frame goes into the client
// area wherever the window is, never to the screen's top-left corner.
#include "tests/frame/frame_test_support.h"

namespace {

using WindowedScreenTest = FrameTest;

// A frame whose every pixel tells where it is: red = x / 4, green = y / 4.
LPDIRECTDRAWSURFACE PlaceFrame(TestApp& app) {
  LPDIRECTDRAWSURFACE frame = app.CreateBitmapSurface(800, 600);
  for (int y = 0; y < 600; y += 10)
    for (int x = 0; x < 800; x += 10) WritePixel(frame, x, y, static_cast<uint32_t>((x / 4) << 16 | (y / 4) << 8 | 1));
  return frame;
}

TEST_F(WindowedScreenTest, TheClientAreaIsTheFramesSize) {
  WriteSettings(1);
  TestApp app;
  RECT client = {};
  ASSERT_TRUE(GetClientRect(appWindow, &client));
  EXPECT_EQ(client.right, 800);
  EXPECT_EQ(client.bottom, 600);
}

TEST_F(WindowedScreenTest, TheFrameFollowsTheWindowWhenItMoves) {
  WriteSettings(1);
  TestApp app;
  LPDIRECTDRAWSURFACE frame = PlaceFrame(app);
  for (const POINT& place : {POINT{0, 0}, POINT{120, 40}, POINT{-30, 15}}) {
    SCOPED_TRACE(std::to_string(place.x) + ", " + std::to_string(place.y));
    MoveWindow(appWindow, place.x, place.y, 800, 600, TRUE);
    app.PresentWindowed(frame);
    const headless::Frame& shown = headless::LastFrame();
    EXPECT_EQ(shown.Pixel(0, 0), ReadPixel(frame, 0, 0));
    EXPECT_EQ(shown.Pixel(400, 300), ReadPixel(frame, 400, 300));
    EXPECT_EQ(shown.Pixel(790, 590), ReadPixel(frame, 790, 590));
  }
}

TEST_F(WindowedScreenTest, ACopyToTheScreensCornerMissesAWindowThatIsNotThere) {
  // What the frame did before: the whole frame onto the primary surface at
  // (0, 0). With the window at (120, 40) the client area shows only the part
  // of it that lay over the window.
  WriteSettings(1);
  TestApp app;
  LPDIRECTDRAWSURFACE frame = PlaceFrame(app);
  MoveWindow(appWindow, 120, 40, 800, 600, TRUE);
  RECT screenCorner = {0, 0, 800, 600};
  ASSERT_EQ(app.primarySurface->Blt(&screenCorner, frame, nullptr, 0, nullptr), DD_OK);
  EXPECT_EQ(headless::LastFrame().Pixel(0, 0), ReadPixel(frame, 120, 40));
}

TEST_F(WindowedScreenTest, BltFastOntoTheClippedPrimaryIsRefusedAsOnWindows) {
  WriteSettings(1);
  TestApp app;
  LPDIRECTDRAWSURFACE frame = app.CreateBitmapSurface(800, 600);
  EXPECT_EQ(app.primarySurface->BltFast(0, 0, frame, nullptr, DDBLTFAST_NOCOLORKEY), DDERR_BLTFASTCANTCLIP);
  LPDIRECTDRAWCLIPPER clipper = nullptr;
  ASSERT_EQ(app.primarySurface->GetClipper(&clipper), DD_OK);
  HWND clipWindow = nullptr;
  EXPECT_EQ(clipper->GetHWnd(&clipWindow), DD_OK);
  EXPECT_EQ(clipWindow, appWindow);
  clipper->Release();
}

TEST_F(WindowedScreenTest, FullScreenHasNoClipper) {
  TestApp app;
  LPDIRECTDRAWCLIPPER clipper = nullptr;
  EXPECT_EQ(app.primarySurface->GetClipper(&clipper), DDERR_NOCLIPPERATTACHED);
}

}  // namespace
