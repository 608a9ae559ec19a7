// The display side of DirectDraw: cooperative levels, display modes, the
// full-screen flipping chain and the windowed primary surface, and what each
// presents to the headless backend.
#include "tests/platform_core/headless_fixture.h"

namespace {

class DisplayTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window = MakeWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(DirectDrawCreate(nullptr, &directDraw, nullptr), DD_OK);
  }
  void TearDown() override {
    if (directDraw != nullptr) directDraw->Release();
    WindowTest::TearDown();
  }

  LPDIRECTDRAWSURFACE MakeFlippingChain() {
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    description.dwBackBufferCount = 1;
    LPDIRECTDRAWSURFACE primary = nullptr;
    EXPECT_EQ(directDraw->CreateSurface(&description, &primary, nullptr), DD_OK);
    return primary;
  }

  LPDIRECTDRAWSURFACE MakeWindowedPrimary() {
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    LPDIRECTDRAWSURFACE primary = nullptr;
    EXPECT_EQ(directDraw->CreateSurface(&description, &primary, nullptr), DD_OK);
    return primary;
  }

  static void FillSurface(LPDIRECTDRAWSURFACE surface, uint32_t color) {
    DDBLTFX effects{};
    effects.dwSize = sizeof effects;
    effects.dwFillColor = color;
    ASSERT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &effects), DD_OK);
  }

  HWND window = nullptr;
  LPDIRECTDRAW directDraw = nullptr;
};

TEST_F(DisplayTest, CooperativeLevelNeedsFullScreenAndExclusiveTogether) {
  EXPECT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_FULLSCREEN), DDERR_INVALIDPARAMS);
  EXPECT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE), DDERR_INVALIDPARAMS);
  EXPECT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_NORMAL | DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE),
            DDERR_INVALIDPARAMS);
  EXPECT_EQ(directDraw->SetCooperativeLevel(nullptr, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE), DDERR_INVALIDPARAMS);
  EXPECT_EQ(directDraw->SetCooperativeLevel(window, 0x15), DD_OK);
}

TEST_F(DisplayTest, DisplayModeRefuses24BitsAndTakes32And16) {
  ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE | DDSCL_NOWINDOWCHANGES), DD_OK);
  EXPECT_EQ(directDraw->SetDisplayMode(800, 600, 24), DDERR_INVALIDMODE);
  EXPECT_EQ(directDraw->SetDisplayMode(800, 600, 32), DD_OK);
  EXPECT_EQ(directDraw->SetDisplayMode(800, 600, 16), DD_OK);
  DDSURFACEDESC mode{};
  mode.dwSize = sizeof mode;
  ASSERT_EQ(directDraw->GetDisplayMode(&mode), DD_OK);
  EXPECT_EQ(mode.dwWidth, 800u);
  EXPECT_EQ(mode.dwHeight, 600u);
}

TEST_F(DisplayTest, FlipPresentsTheBackBufferAndSwapsTheBuffers) {
  ASSERT_EQ(directDraw->SetCooperativeLevel(window, 0x15), DD_OK);
  ASSERT_EQ(directDraw->SetDisplayMode(800, 600, 32), DD_OK);
  LPDIRECTDRAWSURFACE primary = MakeFlippingChain();
  ASSERT_NE(primary, nullptr);
  DDSCAPS backCaps{DDSCAPS_BACKBUFFER};
  LPDIRECTDRAWSURFACE back = nullptr;
  ASSERT_EQ(primary->GetAttachedSurface(&backCaps, &back), DD_OK);
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  ASSERT_EQ(back->GetSurfaceDesc(&description), DD_OK);
  EXPECT_EQ(description.dwWidth, 800u);
  EXPECT_EQ(description.dwHeight, 600u);

  FillSurface(back, 0);
  FillSurface(back, 0x00FF0000);
  const int before = headless::PresentedFrameCount();
  ASSERT_EQ(primary->Flip(nullptr, 0), DD_OK);
  EXPECT_EQ(headless::PresentedFrameCount(), before + 1);
  EXPECT_EQ(headless::LastFrame().width, 800);
  EXPECT_EQ(headless::LastFrame().Pixel(799, 599), 0x00FF0000u);

  // Drawing into the back buffer presents nothing until the next flip.
  FillSurface(back, 0x000000FF);
  EXPECT_EQ(headless::PresentedFrameCount(), before + 1);
  ASSERT_EQ(primary->Flip(nullptr, 0), DD_OK);
  EXPECT_EQ(headless::LastFrame().Pixel(0, 0), 0x000000FFu);
  EXPECT_EQ(back->Release(), 0u);
}

TEST_F(DisplayTest, LostChainRefusesFlipUntilRestored) {
  ASSERT_EQ(directDraw->SetCooperativeLevel(window, 0x15), DD_OK);
  ASSERT_EQ(directDraw->SetDisplayMode(800, 600, 32), DD_OK);
  LPDIRECTDRAWSURFACE primary = MakeFlippingChain();
  headless::LoseAllSurfaces();
  EXPECT_EQ(primary->Flip(nullptr, 0), DDERR_SURFACELOST);
  EXPECT_EQ(primary->Restore(), DD_OK);
  EXPECT_EQ(primary->Flip(nullptr, 0), DD_OK);
}

TEST_F(DisplayTest, FlippingChainNeedsExclusiveModeAndOnePrimary) {
  ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_NORMAL), DD_OK);
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  description.dwBackBufferCount = 1;
  LPDIRECTDRAWSURFACE primary = nullptr;
  EXPECT_EQ(directDraw->CreateSurface(&description, &primary, nullptr), DDERR_NOEXCLUSIVEMODE);
  LPDIRECTDRAWSURFACE windowed = MakeWindowedPrimary();
  ASSERT_NE(windowed, nullptr);
  description.dwFlags = DDSD_CAPS;
  description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  EXPECT_EQ(directDraw->CreateSurface(&description, &primary, nullptr), DDERR_PRIMARYSURFACEALREADYEXISTS);
  EXPECT_EQ(windowed->Flip(nullptr, 0), DDERR_NOTFLIPPABLE);
  DDSCAPS backCaps{DDSCAPS_BACKBUFFER};
  EXPECT_EQ(windowed->GetAttachedSurface(&backCaps, &primary), DDERR_NOTFOUND);
}

TEST_F(DisplayTest, BlitOntoTheWindowedPrimaryPresentsTheWindowsFrame) {
  ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_NORMAL), DD_OK);
  LPDIRECTDRAWSURFACE primary = MakeWindowedPrimary();
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  ASSERT_EQ(primary->GetSurfaceDesc(&description), DD_OK);
  EXPECT_EQ(description.dwWidth, 800u);
  EXPECT_EQ(description.dwHeight, 600u);

  description = DDSURFACEDESC{};
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  description.dwWidth = 800;
  description.dwHeight = 600;
  description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  LPDIRECTDRAWSURFACE frame = nullptr;
  ASSERT_EQ(directDraw->CreateSurface(&description, &frame, nullptr), DD_OK);
  FillSurface(frame, 0x00336699);
  const int before = headless::PresentedFrameCount();
  ASSERT_EQ(primary->BltFast(0, 0, frame, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
  EXPECT_EQ(headless::PresentedFrameCount(), before + 1);
  EXPECT_EQ(headless::LastFrame().Pixel(400, 300), 0x00336699u);
}

TEST_F(DisplayTest, ReleasingTheDirectDrawObjectTakesItsSurfacesAlong) {
  ASSERT_EQ(directDraw->SetCooperativeLevel(window, DDSCL_NORMAL), DD_OK);
  LPDIRECTDRAWSURFACE primary = MakeWindowedPrimary();
  ASSERT_NE(primary, nullptr);
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  description.dwWidth = 48;
  description.dwHeight = 100;
  description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  for (int i = 0; i < 10; ++i) {
    LPDIRECTDRAWSURFACE surface = nullptr;
    ASSERT_EQ(directDraw->CreateSurface(&description, &surface, nullptr), DD_OK);
  }
  EXPECT_EQ(directDraw->Release(), 0u);  // the leak checker sees whether the surfaces went too
  directDraw = nullptr;
}

}  // namespace
