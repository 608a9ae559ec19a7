// The software DirectDraw object and DirectDrawCreate.
#include "platform/src/ddraw_object.h"

#include <algorithm>

#include "platform/src/core_backend.h"
#include "platform/src/ddraw_clipper.h"
#include "platform/src/ddraw_registry.h"
#include "platform/src/ddraw_surface.h"
#include "platform/src/present_window.h"
#include "platform/src/window_table.h"

const GUID IID_IDirectDraw = {0x6C14DB80, 0xA733, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
const GUID IID_IDirectDrawSurface = {0x6C14DB81, 0xA733, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};

namespace {

constexpr DWORD kLevelFlagsSupported = DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE | DDSCL_NORMAL | DDSCL_NOWINDOWCHANGES |
                                       DDSCL_ALLOWREBOOT | DDSCL_MULTITHREADED | DDSCL_FPUSETUP | DDSCL_FPUPRESERVE;
constexpr DWORD kCreateFlagsSupported =
    DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_BACKBUFFERCOUNT | DDSD_PIXELFORMAT | DDSD_CKSRCBLT | DDSD_CKDESTBLT;
constexpr DWORD kCapsSupported = DDSCAPS_PRIMARYSURFACE | DDSCAPS_OFFSCREENPLAIN | DDSCAPS_FLIP | DDSCAPS_COMPLEX |
                                 DDSCAPS_BACKBUFFER | DDSCAPS_FRONTBUFFER | DDSCAPS_SYSTEMMEMORY | DDSCAPS_VIDEOMEMORY |
                                 DDSCAPS_LOCALVIDMEM | DDSCAPS_VISIBLE | DDSCAPS_WRITEONLY;
// Larger surfaces are refused as too big (they would be over 256 MB).
constexpr int kMaxSurfaceSide = 8192;

[[noreturn]] void Unsupported(const char* method) {
  PlatformFail(method, "outside the implemented DirectDraw subset (see platform/README.md)");
}

std::vector<SoftwareDirectDraw*>& LiveObjects() {
  static std::vector<SoftwareDirectDraw*> objects;
  return objects;
}

bool IsDisplayFormat(const DDPIXELFORMAT& format) {
  return (format.dwFlags & DDPF_RGB) != 0 && format.dwRGBBitCount == 32 && format.dwRBitMask == 0x00FF0000 &&
         format.dwGBitMask == 0x0000FF00 && format.dwBBitMask == 0x000000FF;
}

}  // namespace

SoftwareDirectDraw::SoftwareDirectDraw() { LiveObjects().push_back(this); }

SoftwareDirectDraw::~SoftwareDirectDraw() {
  auto& live = LiveObjects();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
  for (SoftwareSurface* surface : surfaces_) delete surface;
  if (exclusive_) PresentSetFullScreen(window_, false);
}

HRESULT SoftwareDirectDraw::QueryInterface(REFIID riid, LPVOID* ppvObj) {
  if (ppvObj == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDirectDraw) {
    AddRef();
    *ppvObj = static_cast<IDirectDraw*>(this);
    return S_OK;
  }
  *ppvObj = nullptr;
  return E_NOINTERFACE;
}

ULONG SoftwareDirectDraw::AddRef() { return ++references_; }

ULONG SoftwareDirectDraw::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

void SoftwareDirectDraw::Forget(SoftwareSurface* surface) {
  surfaces_.erase(std::remove(surfaces_.begin(), surfaces_.end(), surface), surfaces_.end());
  if (primary_ == surface) primary_ = nullptr;
}

bool SoftwareDirectDraw::Owns(const IDirectDrawSurface* surface) const {
  for (SoftwareSurface* own : surfaces_)
    if (own == surface || (own->BackBuffer() != nullptr && own->BackBuffer() == surface)) return true;
  return false;
}

void SoftwareDirectDraw::LoseAllSurfaces() {
  for (SoftwareSurface* surface : surfaces_) {
    surface->MarkLost();
    if (surface->BackBuffer() != nullptr) surface->BackBuffer()->MarkLost();
  }
}

void SoftwareDirectDraw::ClearLostMarks() {
  for (SoftwareSurface* surface : surfaces_) {
    surface->ClearLostMark();
    if (surface->BackBuffer() != nullptr) surface->BackBuffer()->ClearLostMark();
  }
}

void SoftwareDirectDraw::DisplaySize(int* width, int* height) const {
  if (modeWidth_ > 0) {
    *width = modeWidth_;
    *height = modeHeight_;
    return;
  }
  RECT client{};
  if (!exclusive_ && window_ != nullptr && GetClientRect(window_, &client)) {
    *width = client.right;
    *height = client.bottom;
    return;
  }
  PresentDesktopSize(width, height);
}

HRESULT SoftwareDirectDraw::SetCooperativeLevel(HWND hWnd, DWORD dwFlags) {
  if ((dwFlags & ~kLevelFlagsSupported) != 0) Unsupported("IDirectDraw::SetCooperativeLevel");
  const bool fullScreen = (dwFlags & DDSCL_FULLSCREEN) != 0;
  const bool exclusive = (dwFlags & DDSCL_EXCLUSIVE) != 0;
  const bool normal = (dwFlags & DDSCL_NORMAL) != 0;
  if (fullScreen != exclusive || normal == fullScreen) return DDERR_INVALIDPARAMS;
  if (hWnd != nullptr && FindWindowRecord(hWnd) == nullptr) return DDERR_INVALIDPARAMS;
  if (exclusive && hWnd == nullptr) return DDERR_INVALIDPARAMS;
  if (exclusive_ && !exclusive) PresentSetFullScreen(window_, false);
  window_ = hWnd;
  cooperativeLevel_ = dwFlags;
  exclusive_ = exclusive;
  if (window_ != nullptr) PresentMarkFrameWindow(window_);
  if (exclusive_) PresentSetFullScreen(window_, true);
  return DD_OK;
}

HRESULT SoftwareDirectDraw::SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBPP) {
  if (cooperativeLevel_ == 0) return DDERR_NOCOOPERATIVELEVELSET;
  if (dwBPP != 32 && dwBPP != 16) return DDERR_INVALIDMODE;
  if (dwWidth == 0 || dwHeight == 0 || dwWidth > kMaxSurfaceSide || dwHeight > kMaxSurfaceSide)
    return DDERR_INVALIDMODE;
  const bool changed = static_cast<int>(dwWidth) != modeWidth_ || static_cast<int>(dwHeight) != modeHeight_ ||
                       static_cast<int>(dwBPP) != modeBitsPerPixel_;
  modeWidth_ = static_cast<int>(dwWidth);
  modeHeight_ = static_cast<int>(dwHeight);
  modeBitsPerPixel_ = static_cast<int>(dwBPP);
  if (changed) LoseAllSurfaces();  // as a real mode switch does
  return DD_OK;
}

HRESULT SoftwareDirectDraw::RestoreDisplayMode() {
  modeWidth_ = 0;
  modeHeight_ = 0;
  modeBitsPerPixel_ = 32;
  return DD_OK;
}

HRESULT SoftwareDirectDraw::GetDisplayMode(LPDDSURFACEDESC lpDDSurfaceDesc) {
  if (lpDDSurfaceDesc == nullptr || lpDDSurfaceDesc->dwSize != sizeof(DDSURFACEDESC)) return DDERR_INVALIDPARAMS;
  int width = 0;
  int height = 0;
  DisplaySize(&width, &height);
  *lpDDSurfaceDesc = DDSURFACEDESC{};
  lpDDSurfaceDesc->dwSize = sizeof(DDSURFACEDESC);
  lpDDSurfaceDesc->dwFlags = DDSD_HEIGHT | DDSD_WIDTH | DDSD_PITCH | DDSD_PIXELFORMAT | DDSD_REFRESHRATE;
  lpDDSurfaceDesc->dwWidth = static_cast<DWORD>(width);
  lpDDSurfaceDesc->dwHeight = static_cast<DWORD>(height);
  lpDDSurfaceDesc->lPitch = width * modeBitsPerPixel_ / 8;
  lpDDSurfaceDesc->dwRefreshRate = 60;
  DDPIXELFORMAT& format = lpDDSurfaceDesc->ddpfPixelFormat;
  format.dwSize = sizeof format;
  format.dwFlags = DDPF_RGB;
  format.dwRGBBitCount = static_cast<DWORD>(modeBitsPerPixel_);
  if (modeBitsPerPixel_ == 16) {
    format.dwRBitMask = 0xF800;
    format.dwGBitMask = 0x07E0;
    format.dwBBitMask = 0x001F;
  } else {
    format.dwRBitMask = 0x00FF0000;
    format.dwGBitMask = 0x0000FF00;
    format.dwBBitMask = 0x000000FF;
  }
  return DD_OK;
}

HRESULT SoftwareDirectDraw::CreateSurface(LPDDSURFACEDESC lpDDSurfaceDesc, LPDIRECTDRAWSURFACE* lplpDDSurface,
                                          IUnknown* pUnkOuter) {
  if (lplpDDSurface == nullptr || lpDDSurfaceDesc == nullptr) return DDERR_INVALIDPARAMS;
  *lplpDDSurface = nullptr;
  if (pUnkOuter != nullptr) return DDERR_INVALIDPARAMS;
  const DDSURFACEDESC& description = *lpDDSurfaceDesc;
  if (description.dwSize != sizeof(DDSURFACEDESC)) return DDERR_INVALIDPARAMS;
  if ((description.dwFlags & ~kCreateFlagsSupported) != 0) Unsupported("IDirectDraw::CreateSurface (flags)");
  const DWORD caps = (description.dwFlags & DDSD_CAPS) != 0 ? description.ddsCaps.dwCaps : 0;
  if ((caps & ~kCapsSupported) != 0) Unsupported("IDirectDraw::CreateSurface (capabilities)");
  if (cooperativeLevel_ == 0) return DDERR_NOCOOPERATIVELEVELSET;
  if ((description.dwFlags & DDSD_PIXELFORMAT) != 0 && !IsDisplayFormat(description.ddpfPixelFormat))
    return DDERR_INVALIDPIXELFORMAT;

  SoftwareSurface* surface = nullptr;
  if ((caps & DDSCAPS_PRIMARYSURFACE) != 0) {
    if ((description.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != 0) return DDERR_INVALIDPARAMS;
    if (primary_ != nullptr) return DDERR_PRIMARYSURFACEALREADYEXISTS;
    int width = 0;
    int height = 0;
    DisplaySize(&width, &height);
    if ((caps & DDSCAPS_FLIP) != 0) {
      if ((caps & DDSCAPS_COMPLEX) == 0 || (description.dwFlags & DDSD_BACKBUFFERCOUNT) == 0 ||
          description.dwBackBufferCount == 0)
        return DDERR_INVALIDCAPS;
      if (!exclusive_) return DDERR_NOEXCLUSIVEMODE;
      if (description.dwBackBufferCount != 1) Unsupported("IDirectDraw::CreateSurface (more than one back buffer)");
      const DWORD chainCaps = DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_VIDEOMEMORY | DDSCAPS_LOCALVIDMEM;
      surface = new SoftwareSurface(this, chainCaps | DDSCAPS_PRIMARYSURFACE | DDSCAPS_FRONTBUFFER | DDSCAPS_VISIBLE,
                                    width, height);
      surface->AttachBackBuffer(new SoftwareSurface(this, chainCaps | DDSCAPS_BACKBUFFER, width, height));
    } else {
      surface = new SoftwareSurface(
          this, DDSCAPS_PRIMARYSURFACE | DDSCAPS_VISIBLE | DDSCAPS_VIDEOMEMORY | DDSCAPS_LOCALVIDMEM, width, height);
    }
    primary_ = surface;
  } else {
    if ((caps & (DDSCAPS_FLIP | DDSCAPS_BACKBUFFER | DDSCAPS_FRONTBUFFER)) != 0) return DDERR_INVALIDCAPS;
    if ((description.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT) || description.dwWidth == 0 ||
        description.dwHeight == 0)
      return DDERR_INVALIDPARAMS;
    if (description.dwWidth > kMaxSurfaceSide || description.dwHeight > kMaxSurfaceSide) return DDERR_OUTOFMEMORY;
    const DWORD memory =
        (caps & DDSCAPS_SYSTEMMEMORY) != 0 ? DDSCAPS_SYSTEMMEMORY : (DDSCAPS_VIDEOMEMORY | DDSCAPS_LOCALVIDMEM);
    surface = new SoftwareSurface(this, DDSCAPS_OFFSCREENPLAIN | memory, static_cast<int>(description.dwWidth),
                                  static_cast<int>(description.dwHeight));
  }
  if ((description.dwFlags & DDSD_CKSRCBLT) != 0) surface->SetSourceColorKey(description.ddckCKSrcBlt);
  if ((description.dwFlags & DDSD_CKDESTBLT) != 0) {
    DDCOLORKEY key = description.ddckCKDestBlt;
    surface->SetColorKey(DDCKEY_DESTBLT, &key);
  }
  surfaces_.push_back(surface);
  *lplpDDSurface = surface;
  return DD_OK;
}

HRESULT SoftwareDirectDraw::Compact() { Unsupported("IDirectDraw::Compact"); }
HRESULT SoftwareDirectDraw::CreateClipper(DWORD dwFlags, LPDIRECTDRAWCLIPPER* lplpDDClipper, IUnknown* pUnkOuter) {
  if (lplpDDClipper == nullptr || dwFlags != 0 || pUnkOuter != nullptr) return DDERR_INVALIDPARAMS;
  *lplpDDClipper = new SoftwareClipper();
  return DD_OK;
}
HRESULT SoftwareDirectDraw::CreatePalette(DWORD, LPPALETTEENTRY, LPDIRECTDRAWPALETTE*, IUnknown*) {
  Unsupported("IDirectDraw::CreatePalette");
}
HRESULT SoftwareDirectDraw::DuplicateSurface(LPDIRECTDRAWSURFACE, LPDIRECTDRAWSURFACE*) {
  Unsupported("IDirectDraw::DuplicateSurface");
}
HRESULT SoftwareDirectDraw::EnumDisplayModes(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMMODESCALLBACK) {
  Unsupported("IDirectDraw::EnumDisplayModes");
}
HRESULT SoftwareDirectDraw::EnumSurfaces(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMSURFACESCALLBACK) {
  Unsupported("IDirectDraw::EnumSurfaces");
}
HRESULT SoftwareDirectDraw::FlipToGDISurface() { Unsupported("IDirectDraw::FlipToGDISurface"); }
HRESULT SoftwareDirectDraw::GetCaps(LPDDCAPS, LPDDCAPS) { Unsupported("IDirectDraw::GetCaps"); }
HRESULT SoftwareDirectDraw::GetFourCCCodes(LPDWORD, LPDWORD) { Unsupported("IDirectDraw::GetFourCCCodes"); }
HRESULT SoftwareDirectDraw::GetGDISurface(LPDIRECTDRAWSURFACE*) { Unsupported("IDirectDraw::GetGDISurface"); }
HRESULT SoftwareDirectDraw::GetMonitorFrequency(LPDWORD) { Unsupported("IDirectDraw::GetMonitorFrequency"); }
HRESULT SoftwareDirectDraw::GetScanLine(LPDWORD) { Unsupported("IDirectDraw::GetScanLine"); }
HRESULT SoftwareDirectDraw::GetVerticalBlankStatus(BOOL*) { Unsupported("IDirectDraw::GetVerticalBlankStatus"); }
HRESULT SoftwareDirectDraw::Initialize(GUID*) { Unsupported("IDirectDraw::Initialize"); }
HRESULT SoftwareDirectDraw::WaitForVerticalBlank(DWORD, HANDLE) { Unsupported("IDirectDraw::WaitForVerticalBlank"); }

HRESULT DirectDrawCreate(GUID* lpGUID, LPDIRECTDRAW* lplpDD, IUnknown* pUnkOuter) {
  if (lplpDD == nullptr) return DDERR_INVALIDPARAMS;
  *lplpDD = nullptr;
  // Null is the default driver; 1 and 2 (hardware or emulation only) are the same software driver here.
  const auto guidValue = reinterpret_cast<uintptr_t>(lpGUID);
  if (guidValue > 2) return DDERR_INVALIDDIRECTDRAWGUID;
  if (pUnkOuter != nullptr) return DDERR_INVALIDPARAMS;
  *lplpDD = new SoftwareDirectDraw();
  return DD_OK;
}

void DirectDrawLoseSurface(IDirectDrawSurface* surface) {
  for (SoftwareDirectDraw* object : LiveObjects())
    if (object->Owns(surface)) static_cast<SoftwareSurface*>(surface)->MarkLost();
}

void DirectDrawLoseAllSurfaces() {
  for (SoftwareDirectDraw* object : LiveObjects()) object->LoseAllSurfaces();
}

void DirectDrawResetLostMarks() {
  for (SoftwareDirectDraw* object : LiveObjects()) object->ClearLostMarks();
}
