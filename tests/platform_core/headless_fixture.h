// A test fixture that runs each test on a fresh headless platform.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/headless.h"
#include "platform/win32.h"

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Enable();
    headless::Reset();
  }
  void TearDown() override { headless::Reset(); }
};

// A DirectDraw object at the normal cooperative level with helpers to make
// off-screen surfaces and read and write their pixels through Lock.
class DirectDrawTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ASSERT_EQ(DirectDrawCreate(nullptr, &directDraw, nullptr), DD_OK);
    ASSERT_EQ(directDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL), DD_OK);
  }
  void TearDown() override {
    if (directDraw != nullptr) directDraw->Release();
    HeadlessTest::TearDown();
  }

  LPDIRECTDRAWSURFACE MakeSurface(int width, int height) {
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    description.dwWidth = static_cast<DWORD>(width);
    description.dwHeight = static_cast<DWORD>(height);
    description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    LPDIRECTDRAWSURFACE surface = nullptr;
    EXPECT_EQ(directDraw->CreateSurface(&description, &surface, nullptr), DD_OK);
    return surface;
  }

  // A surface with black as its source colour key, as the viewer makes them.
  LPDIRECTDRAWSURFACE MakeKeyedSurface(int width, int height) {
    LPDIRECTDRAWSURFACE surface = MakeSurface(width, height);
    DDCOLORKEY key{0, 0};
    EXPECT_EQ(surface->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    return surface;
  }

  static uint32_t PixelAt(LPDIRECTDRAWSURFACE surface, int x, int y) {
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    RECT area{x, y, x + 1, y + 1};
    EXPECT_EQ(surface->Lock(&area, &description, DDLOCK_WAIT | DDLOCK_READONLY, nullptr), DD_OK);
    const uint32_t value = *static_cast<uint32_t*>(description.lpSurface);
    EXPECT_EQ(surface->Unlock(nullptr), DD_OK);
    return value;
  }

  static void Fill(LPDIRECTDRAWSURFACE surface, uint32_t color, RECT* area = nullptr) {
    DDBLTFX effects{};
    effects.dwSize = sizeof effects;
    effects.dwFillColor = color;
    EXPECT_EQ(surface->Blt(area, nullptr, nullptr, DDBLT_COLORFILL, &effects), DD_OK);
  }

  static void SetPixelValue(LPDIRECTDRAWSURFACE surface, int x, int y, uint32_t color) {
    RECT area{x, y, x + 1, y + 1};
    Fill(surface, color, &area);
  }

  LPDIRECTDRAW directDraw = nullptr;
};

// A window class whose procedure records every message and then does the
// default processing; WM_DESTROY posts the quit message, as the viewer's does.
struct RecordedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

inline std::vector<RecordedMessage>& RecordedMessages() {
  static std::vector<RecordedMessage> messages;
  return messages;
}

inline LRESULT RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  RecordedMessages().push_back(RecordedMessage{window, message, wParam, lParam});
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

class WindowTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    RecordedMessages().clear();
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = RecordingProcedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "recorder";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
  }

  HWND MakeWindow(DWORD style = WS_POPUP, int width = 800, int height = 600, LPVOID parameter = nullptr) {
    return CreateWindowExA(0, "recorder", "Test", style, 0, 0, width, height, nullptr, nullptr, nullptr, parameter);
  }

  // Dispatches every waiting message; returns the exit code once WM_QUIT comes, else -1.
  static int Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      DispatchMessageA(&message);
    }
    return -1;
  }

  static int CountRecorded(UINT message) {
    int count = 0;
    for (const RecordedMessage& recorded : RecordedMessages()) count += recorded.message == message;
    return count;
  }
};
