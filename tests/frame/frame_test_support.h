// Shared helpers of the frame tests: a headless platform in a fresh working
// folder per test, a test application with hooks, and pixel access to
// DirectDraw surfaces.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "viewer/frame/direct_draw_application.h"

// Each test runs headless, in an empty temporary working folder (the frame
// reads "Tarnwicket.cfg" from the current directory), with the platform reset.
class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a 23-byte settings file whose first byte is `windowedMode`.
  static void WriteSettings(uint8_t windowedMode);
  // Writes a settings file holding exactly these bytes.
  static void WriteSettingsBytes(const std::vector<uint8_t>& bytes);

 private:
  std::string previousDirectory;
  std::string workDirectory;
};

// An application whose frame, key and timer handlers record what they see and
// run the test's hooks. A loop that never ends is stopped after many frames.
class TestApp : public DirectDrawApplication {
 public:
  TestApp();
  ~TestApp() override;

  void OnKeyDown(WPARAM virtualKey, LPARAM keyData) override;
  void OnKeyUp(WPARAM virtualKey, LPARAM keyData) override;
  void UpdateFrame() override;
  void OnTimer() override;

  std::function<void(TestApp&)> onFrame;
  std::function<void(TestApp&)> onTimer;
  std::function<void(TestApp&, WPARAM)> onKeyDown;

  int frames = 0;
  int timerTicks = 0;
  std::vector<WPARAM> keysDown;
  std::vector<LPARAM> keyDataDown;
  std::vector<WPARAM> keysUp;
  bool* destroyed = nullptr;  // set to true by the destructor when given
};

// The text of the FatalError that `action` throws, or "" when it throws none.
template <typename Action>
std::string FatalTextOf(Action action) {
  try {
    action();
  } catch (FatalError error) {
    return error.text;
  }
  return "";
}

// Pixels of a surface as 0x00RRGGBB.
uint32_t ReadPixel(LPDIRECTDRAWSURFACE surface, int x, int y);
void WritePixel(LPDIRECTDRAWSURFACE surface, int x, int y, uint32_t colour);
void FillSurface(LPDIRECTDRAWSURFACE surface, uint32_t colour);
// Every pixel, row by row.
std::vector<uint32_t> ReadAllPixels(LPDIRECTDRAWSURFACE surface);
