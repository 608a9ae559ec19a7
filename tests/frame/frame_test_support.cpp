// Helpers of the frame tests: working folder, test application, pixels.
#include "tests/frame/frame_test_support.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

const int kRunawayFrames = 100000;

DDSURFACEDESC LockWhole(LPDIRECTDRAWSURFACE surface, DWORD flags) {
  DDSURFACEDESC description;
  std::memset(&description, 0, sizeof description);
  description.dwSize = sizeof description;
  const HRESULT result = surface->Lock(nullptr, &description, DDLOCK_WAIT | flags, nullptr);
  if (result != DD_OK) {
    ADD_FAILURE() << "Lock failed: " << std::hex << static_cast<uint32_t>(result);
    description.lpSurface = nullptr;
  }
  return description;
}

uint32_t* PixelAddress(const DDSURFACEDESC& lock, int x, int y) {
  return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(lock.lpSurface) + static_cast<intptr_t>(y) * lock.lPitch) +
         x;
}

}  // namespace

void FrameTest::SetUp() {
  headless::Enable();
  headless::Reset();
  appWindow = nullptr;
  theApp = nullptr;
  frameDisplay = FrameDisplay();
  char current[PATH_MAX];
  ASSERT_NE(getcwd(current, sizeof current), nullptr);
  previousDirectory = current;
  std::string pattern = (std::filesystem::temp_directory_path() / "frame_test_XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  workDirectory = pattern;
  ASSERT_EQ(chdir(workDirectory.c_str()), 0);
}

void FrameTest::TearDown() {
  EXPECT_EQ(chdir(previousDirectory.c_str()), 0);
  std::error_code ignored;
  std::filesystem::remove_all(workDirectory, ignored);
  headless::Reset();
}

void FrameTest::WriteSettings(uint8_t windowedMode) {
  std::vector<uint8_t> bytes(23, 0);
  bytes[0] = windowedMode;
  WriteSettingsBytes(bytes);
}

void FrameTest::WriteSettingsBytes(const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen("Tarnwicket.cfg", "wb");
  ASSERT_NE(file, nullptr);
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

TestApp::TestApp()
    : DirectDrawApplication(GetModuleHandleA(nullptr), "FrameTest", SW_SHOWNORMAL, 800, 600, 24, "",
                            FullScreenChoice(ReadSettings())) {}

TestApp::~TestApp() {
  if (destroyed != nullptr) *destroyed = true;
}

void TestApp::OnKeyDown(WPARAM virtualKey, LPARAM keyData) {
  keysDown.push_back(virtualKey);
  keyDataDown.push_back(keyData);
  if (onKeyDown) onKeyDown(*this, virtualKey);
  DirectDrawApplication::OnKeyDown(virtualKey, keyData);
}

void TestApp::OnKeyUp(WPARAM virtualKey, LPARAM keyData) {
  keysUp.push_back(virtualKey);
  DirectDrawApplication::OnKeyUp(virtualKey, keyData);
}

void TestApp::UpdateFrame() {
  ++frames;
  if (frames > kRunawayFrames) throw FatalError("The test's message loop never ended.");
  if (onFrame) onFrame(*this);
}

void TestApp::OnTimer() {
  ++timerTicks;
  if (onTimer) onTimer(*this);
}

uint32_t ReadPixel(LPDIRECTDRAWSURFACE surface, int x, int y) {
  const DDSURFACEDESC lock = LockWhole(surface, DDLOCK_READONLY);
  if (lock.lpSurface == nullptr) return 0xDEADBEEF;
  const uint32_t pixel = *PixelAddress(lock, x, y) & 0xFFFFFF;
  surface->Unlock(lock.lpSurface);
  return pixel;
}

void WritePixel(LPDIRECTDRAWSURFACE surface, int x, int y, uint32_t colour) {
  const DDSURFACEDESC lock = LockWhole(surface, 0);
  if (lock.lpSurface == nullptr) return;
  *PixelAddress(lock, x, y) = colour;
  surface->Unlock(lock.lpSurface);
}

void FillSurface(LPDIRECTDRAWSURFACE surface, uint32_t colour) {
  DDBLTFX effects;
  std::memset(&effects, 0, sizeof effects);
  effects.dwSize = sizeof effects;
  effects.dwFillColor = colour;
  ASSERT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &effects), DD_OK);
}

std::vector<uint32_t> ReadAllPixels(LPDIRECTDRAWSURFACE surface) {
  const DDSURFACEDESC lock = LockWhole(surface, DDLOCK_READONLY);
  std::vector<uint32_t> pixels;
  if (lock.lpSurface == nullptr) return pixels;
  for (DWORD y = 0; y < lock.dwHeight; ++y)
    for (DWORD x = 0; x < lock.dwWidth; ++x)
      pixels.push_back(*PixelAddress(lock, static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF);
  surface->Unlock(lock.lpSurface);
  return pixels;
}
