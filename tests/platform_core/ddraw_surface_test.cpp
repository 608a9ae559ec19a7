// Surface state: creation checks, description, locks, device contexts, lost
// surfaces and reference counts.
#include "platform/src/gdi_object.h"
#include "tests/platform_core/headless_fixture.h"

namespace {

using SurfaceTest = DirectDrawTest;

TEST_F(SurfaceTest, CreationChecksTheDescription) {
  DDSURFACEDESC description{};
  description.dwSize = sizeof description - 4;
  description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  description.dwWidth = 16;
  description.dwHeight = 16;
  description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  LPDIRECTDRAWSURFACE surface = nullptr;
  EXPECT_EQ(directDraw->CreateSurface(&description, &surface, nullptr), DDERR_INVALIDPARAMS);

  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS | DDSD_WIDTH;
  EXPECT_EQ(directDraw->CreateSurface(&description, &surface, nullptr), DDERR_INVALIDPARAMS);

  description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
  description.ddpfPixelFormat.dwSize = sizeof(DDPIXELFORMAT);
  description.ddpfPixelFormat.dwFlags = DDPF_RGB;
  description.ddpfPixelFormat.dwRGBBitCount = 16;
  EXPECT_EQ(directDraw->CreateSurface(&description, &surface, nullptr), DDERR_INVALIDPIXELFORMAT);
  EXPECT_EQ(surface, nullptr);
}

TEST_F(SurfaceTest, CreationNeedsACooperativeLevel) {
  LPDIRECTDRAW fresh = nullptr;
  ASSERT_EQ(DirectDrawCreate(nullptr, &fresh, nullptr), DD_OK);
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  description.dwWidth = 4;
  description.dwHeight = 4;
  description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  LPDIRECTDRAWSURFACE surface = nullptr;
  EXPECT_EQ(fresh->CreateSurface(&description, &surface, nullptr), DDERR_NOCOOPERATIVELEVELSET);
  EXPECT_EQ(fresh->Release(), 0u);
}

TEST_F(SurfaceTest, DescriptionReportsSizeThirtyTwoBitFormatAndKey) {
  LPDIRECTDRAWSURFACE surface = MakeKeyedSurface(30, 20);
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  ASSERT_EQ(surface->GetSurfaceDesc(&description), DD_OK);
  EXPECT_EQ(description.dwWidth, 30u);
  EXPECT_EQ(description.dwHeight, 20u);
  EXPECT_GE(description.lPitch, 30 * 4);
  EXPECT_EQ(description.ddpfPixelFormat.dwRGBBitCount, 32u);
  EXPECT_EQ(description.ddpfPixelFormat.dwRBitMask, 0x00FF0000u);
  EXPECT_EQ(description.ddpfPixelFormat.dwBBitMask, 0x000000FFu);
  EXPECT_NE(description.ddsCaps.dwCaps & DDSCAPS_OFFSCREENPLAIN, 0u);
  EXPECT_NE(description.dwFlags & DDSD_CKSRCBLT, 0u);
  EXPECT_EQ(description.ddckCKSrcBlt.dwColorSpaceLowValue, 0u);

  description.dwSize = 0;
  EXPECT_EQ(surface->GetSurfaceDesc(&description), DDERR_INVALIDPARAMS);
}

TEST_F(SurfaceTest, LockGivesTheRectanglesMemoryAndBlocksOtherAccessUntilUnlock) {
  LPDIRECTDRAWSURFACE surface = MakeSurface(8, 8);
  Fill(surface, 0);
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  RECT area{2, 1, 6, 5};
  ASSERT_EQ(surface->Lock(&area, &description, DDLOCK_WAIT, nullptr), DD_OK);
  auto* row = static_cast<uint8_t*>(description.lpSurface) + description.lPitch;
  reinterpret_cast<uint32_t*>(row)[1] = 0x00C0FFEE;  // pixel (3, 2)

  DDSURFACEDESC second{};
  second.dwSize = sizeof second;
  EXPECT_EQ(surface->Lock(nullptr, &second, DDLOCK_WAIT, nullptr), DDERR_SURFACEBUSY);
  EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_SURFACEBUSY);
  HDC context = nullptr;
  EXPECT_EQ(surface->GetDC(&context), DDERR_SURFACEBUSY);
  EXPECT_EQ(surface->Unlock(nullptr), DD_OK);
  EXPECT_EQ(surface->Unlock(nullptr), DDERR_NOTLOCKED);
  EXPECT_EQ(PixelAt(surface, 3, 2), 0x00C0FFEEu);

  RECT outside{4, 4, 9, 5};
  EXPECT_EQ(surface->Lock(&outside, &description, DDLOCK_WAIT, nullptr), DDERR_INVALIDPARAMS);
}

TEST_F(SurfaceTest, DeviceContextDrawsIntoTheSurfacePixels) {
  LPDIRECTDRAWSURFACE surface = MakeSurface(8, 8);
  Fill(surface, 0);
  HDC context = nullptr;
  ASSERT_EQ(surface->GetDC(&context), DD_OK);
  GdiDeviceContext* object = GdiDeviceContextFrom(context);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->target, GdiDeviceContext::Target::Surface);
  EXPECT_EQ(object->width, 8);
  EXPECT_EQ(object->height, 8);
  reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(object->pixels) + 5 * object->pitch)[4] = 0x00123456;

  HDC another = nullptr;
  EXPECT_EQ(surface->GetDC(&another), DDERR_DCALREADYCREATED);
  DDBLTFX effects{};
  effects.dwSize = sizeof effects;
  EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &effects), DDERR_SURFACEBUSY);
  EXPECT_EQ(surface->ReleaseDC(context), DD_OK);
  EXPECT_EQ(surface->ReleaseDC(context), DDERR_NODC);
  EXPECT_EQ(PixelAt(surface, 4, 5), 0x00123456u);
}

TEST_F(SurfaceTest, LostSurfaceRefusesEveryDrawingUntilRestored) {
  LPDIRECTDRAWSURFACE surface = MakeKeyedSurface(8, 8);
  LPDIRECTDRAWSURFACE other = MakeSurface(8, 8);
  Fill(surface, 0x00FFFFFF);
  headless::LoseSurface(surface);
  EXPECT_EQ(surface->IsLost(), DDERR_SURFACELOST);
  EXPECT_EQ(other->IsLost(), DD_OK);
  DDBLTFX effects{};
  effects.dwSize = sizeof effects;
  EXPECT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &effects), DDERR_SURFACELOST);
  EXPECT_EQ(other->BltFast(0, 0, surface, nullptr, DDBLTFAST_SRCCOLORKEY), DDERR_SURFACELOST);
  EXPECT_EQ(other->Blt(nullptr, surface, nullptr, DDBLT_KEYSRC, nullptr), DDERR_SURFACELOST);
  EXPECT_EQ(surface->BltFast(0, 0, other, nullptr, DDBLTFAST_NOCOLORKEY), DDERR_SURFACELOST);
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  EXPECT_EQ(surface->Lock(nullptr, &description, DDLOCK_WAIT, nullptr), DDERR_SURFACELOST);
  HDC context = nullptr;
  EXPECT_EQ(surface->GetDC(&context), DDERR_SURFACELOST);

  EXPECT_EQ(surface->Restore(), DD_OK);
  EXPECT_EQ(surface->IsLost(), DD_OK);
  EXPECT_EQ(other->BltFast(0, 0, surface, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
  EXPECT_EQ(surface->Restore(), DD_OK);
}

TEST_F(SurfaceTest, ReferenceCountsFollowAddRefQueryInterfaceAndRelease) {
  LPDIRECTDRAWSURFACE surface = MakeSurface(4, 4);
  EXPECT_EQ(surface->AddRef(), 2u);
  void* asSurface = nullptr;
  EXPECT_EQ(surface->QueryInterface(IID_IDirectDrawSurface, &asSurface), S_OK);
  EXPECT_EQ(asSurface, static_cast<void*>(surface));
  void* asDirectDraw = reinterpret_cast<void*>(1);
  EXPECT_EQ(surface->QueryInterface(IID_IDirectDraw, &asDirectDraw), E_NOINTERFACE);
  EXPECT_EQ(asDirectDraw, nullptr);
  EXPECT_EQ(surface->Release(), 2u);
  EXPECT_EQ(surface->Release(), 1u);
  EXPECT_EQ(surface->Release(), 0u);

  EXPECT_EQ(directDraw->AddRef(), 2u);
  EXPECT_EQ(directDraw->Release(), 1u);
}

TEST_F(SurfaceTest, ColorKeyCanBeReadBackAndRemoved) {
  LPDIRECTDRAWSURFACE surface = MakeSurface(4, 4);
  DDCOLORKEY key{};
  EXPECT_EQ(surface->GetColorKey(DDCKEY_SRCBLT, &key), DDERR_NOCOLORKEY);
  DDCOLORKEY black{0, 0};
  ASSERT_EQ(surface->SetColorKey(DDCKEY_SRCBLT, &black), DD_OK);
  key.dwColorSpaceLowValue = 5;
  EXPECT_EQ(surface->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
  EXPECT_EQ(key.dwColorSpaceLowValue, 0u);
  ASSERT_EQ(surface->SetColorKey(DDCKEY_SRCBLT, nullptr), DD_OK);
  EXPECT_EQ(surface->GetColorKey(DDCKEY_SRCBLT, &key), DDERR_NOCOLORKEY);
}

}  // namespace
