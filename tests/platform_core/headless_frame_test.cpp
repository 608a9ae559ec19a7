// The headless frame: presented pixels readable and writable as a BMP file,
// frames counted, the clock left alone.
#include <SDL.h>

#include <cstdio>

#include "tests/platform_core/headless_fixture.h"

namespace {

using FrameTest = WindowTest;

TEST_F(FrameTest, PresentedFrameIsReadableAndSavedAsBitmap) {
  HWND window = MakeWindow();
  LPDIRECTDRAW directDraw = nullptr;
  ASSERT_EQ(DirectDrawCreate(nullptr, &directDraw, nullptr), DD_OK);
  ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_NORMAL), DD_OK);
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS;
  description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  LPDIRECTDRAWSURFACE primary = nullptr;
  ASSERT_EQ(directDraw->CreateSurface(&description, &primary, nullptr), DD_OK);

  EXPECT_EQ(headless::PresentedFrameCount(), 0);
  EXPECT_EQ(headless::LastFrame().width, 0);
  DDBLTFX effects{};
  effects.dwSize = sizeof effects;
  effects.dwFillColor = 0x00204060;
  ASSERT_EQ(primary->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &effects), DD_OK);
  RECT corner{790, 590, 800, 600};
  effects.dwFillColor = 0x00FF8000;
  ASSERT_EQ(primary->Blt(&corner, nullptr, nullptr, DDBLT_COLORFILL, &effects), DD_OK);
  EXPECT_EQ(headless::PresentedFrameCount(), 2);
  EXPECT_EQ(headless::ClockMilliseconds(), 0u);
  const headless::Frame& frame = headless::LastFrame();
  EXPECT_EQ(frame.width, 800);
  EXPECT_EQ(frame.height, 600);
  EXPECT_EQ(frame.Pixel(0, 0), 0x00204060u);
  EXPECT_EQ(frame.Pixel(795, 595), 0x00FF8000u);

  const std::string path = ::testing::TempDir() + "headless_frame.bmp";
  ASSERT_TRUE(headless::SaveLastFrame(path));
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->w, 800);
  EXPECT_EQ(loaded->h, 600);
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  ASSERT_NE(converted, nullptr);
  const auto* pixels = static_cast<const uint8_t*>(converted->pixels);
  EXPECT_EQ(reinterpret_cast<const uint32_t*>(pixels + 595 * converted->pitch)[795] & 0x00FFFFFFu, 0x00FF8000u);
  EXPECT_EQ(reinterpret_cast<const uint32_t*>(pixels)[0] & 0x00FFFFFFu, 0x00204060u);
  SDL_FreeSurface(converted);
  SDL_FreeSurface(loaded);
  std::remove(path.c_str());
  directDraw->Release();
}

}  // namespace
