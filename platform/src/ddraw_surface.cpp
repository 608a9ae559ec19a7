// The software DirectDraw surface.
#include "platform/src/ddraw_surface.h"

#include <cstring>

#include "platform/src/core_backend.h"
#include "platform/src/ddraw_clipper.h"
#include "platform/src/ddraw_object.h"
#include "platform/src/ddraw_pixels.h"
#include "platform/src/gdi_object.h"
#include "platform/src/present_window.h"

namespace {

constexpr DWORD kBltSupported =
    DDBLT_COLORFILL | DDBLT_KEYSRC | DDBLT_KEYSRCOVERRIDE | DDBLT_WAIT | DDBLT_DONOTWAIT | DDBLT_ASYNC;
constexpr DWORD kBltFastSupported = DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT | DDBLTFAST_DONOTWAIT;
constexpr DWORD kFlipSupported = DDFLIP_WAIT | DDFLIP_NOVSYNC | DDFLIP_DONOTWAIT;
constexpr DWORD kLockSupported =
    DDLOCK_WAIT | DDLOCK_READONLY | DDLOCK_WRITEONLY | DDLOCK_NOSYSLOCK | DDLOCK_DONOTWAIT | DDLOCK_SURFACEMEMORYPTR;

// Inside the surface and not inverted; an empty rectangle is allowed.
bool RectFits(const RECT& rect, int width, int height) {
  return rect.left >= 0 && rect.top >= 0 && rect.right <= width && rect.bottom <= height && rect.left <= rect.right &&
         rect.top <= rect.bottom;
}

bool RectsOverlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

[[noreturn]] void Unsupported(const char* method) {
  PlatformFail(method, "outside the implemented DirectDraw subset (see platform/README.md)");
}

SoftwareSurface* AsSurface(LPDIRECTDRAWSURFACE surface) { return static_cast<SoftwareSurface*>(surface); }

}  // namespace

SoftwareSurface::SoftwareSurface(SoftwareDirectDraw* owner, DWORD caps, int width, int height)
    : owner_(owner), caps_(caps), width_(width), height_(height), pitch_((width * 4 + 15) & ~15) {
  memory_.assign(static_cast<size_t>(pitch_ / 4) * height_, 0);
}

SoftwareSurface::~SoftwareSurface() {
  if (clipper_ != nullptr) clipper_->Release();
  delete deviceContext_;
  delete backBuffer_;
}

HRESULT SoftwareSurface::QueryInterface(REFIID riid, LPVOID* ppvObj) {
  if (ppvObj == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDirectDrawSurface) {
    AddRef();
    *ppvObj = static_cast<IDirectDrawSurface*>(this);
    return S_OK;
  }
  *ppvObj = nullptr;
  return E_NOINTERFACE;
}

ULONG SoftwareSurface::AddRef() { return ++references_; }

ULONG SoftwareSurface::Release() {
  if (references_ == 0) return 0;  // a back buffer the application gave up; its chain keeps it
  const ULONG remaining = --references_;
  if (remaining == 0 && chainFront_ == nullptr) {
    if (owner_ != nullptr) owner_->Forget(this);
    delete this;
  }
  return remaining;
}

void SoftwareSurface::AttachBackBuffer(SoftwareSurface* backBuffer) {
  backBuffer_ = backBuffer;
  backBuffer->chainFront_ = this;
  backBuffer->references_ = 0;  // the chain holds it; GetAttachedSurface hands out references
}

void SoftwareSurface::SetSourceColorKey(const DDCOLORKEY& key) {
  hasSourceKey_ = true;
  sourceKey_ = key;
  if (sourceKey_.dwColorSpaceHighValue < sourceKey_.dwColorSpaceLowValue)
    sourceKey_.dwColorSpaceHighValue = sourceKey_.dwColorSpaceLowValue;
}

bool SoftwareSurface::Visible() const {
  if (owner_ == nullptr || (caps_ & DDSCAPS_PRIMARYSURFACE) == 0) return false;
  return (caps_ & DDSCAPS_FLIP) == 0 || (caps_ & DDSCAPS_FRONTBUFFER) != 0;
}

void SoftwareSurface::PresentIfVisible() {
  if (Visible()) PresentFrame(owner_->Window(), memory_.data(), width_, height_, pitch_);
}

void SoftwareSurface::FillDescription(DDSURFACEDESC* description) const {
  const DWORD size = description->dwSize;
  std::memset(description, 0, sizeof *description);
  description->dwSize = size;
  description->dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PITCH | DDSD_PIXELFORMAT;
  description->dwWidth = static_cast<DWORD>(width_);
  description->dwHeight = static_cast<DWORD>(height_);
  description->lPitch = pitch_;
  if (backBuffer_ != nullptr) {
    description->dwFlags |= DDSD_BACKBUFFERCOUNT;
    description->dwBackBufferCount = 1;
  }
  if (hasSourceKey_) {
    description->dwFlags |= DDSD_CKSRCBLT;
    description->ddckCKSrcBlt = sourceKey_;
  }
  if (hasDestinationKey_) {
    description->dwFlags |= DDSD_CKDESTBLT;
    description->ddckCKDestBlt = destinationKey_;
  }
  DDPIXELFORMAT& format = description->ddpfPixelFormat;
  format.dwSize = sizeof format;
  format.dwFlags = DDPF_RGB;
  format.dwRGBBitCount = 32;
  format.dwRBitMask = 0x00FF0000;
  format.dwGBitMask = 0x0000FF00;
  format.dwBBitMask = 0x000000FF;
  description->ddsCaps.dwCaps = caps_;
}

HRESULT SoftwareSurface::BlitFrom(const RECT& destination, SoftwareSurface* source, const RECT& sourceRect,
                                  const DDCOLORKEY* key) {
  const int width = destination.right - destination.left;
  const int height = destination.bottom - destination.top;
  const int sourceWidth = sourceRect.right - sourceRect.left;
  const int sourceHeight = sourceRect.bottom - sourceRect.top;
  if (width == 0 || height == 0 || sourceWidth == 0 || sourceHeight == 0) return DD_OK;

  PixelRect target{Pixels() + static_cast<ptrdiff_t>(destination.top) * pitch_ + destination.left * 4, pitch_};
  ConstPixelRect from{source->Pixels() + static_cast<ptrdiff_t>(sourceRect.top) * source->pitch_ + sourceRect.left * 4,
                      source->pitch_};
  // A copy within one surface over overlapping rectangles reads from a copy of the source.
  std::vector<uint32_t> scratch;
  if (source == this && RectsOverlap(destination, sourceRect)) {
    scratch.resize(static_cast<size_t>(sourceWidth) * sourceHeight);
    CopyPixels(PixelRect{reinterpret_cast<uint8_t*>(scratch.data()), sourceWidth * 4}, from, sourceWidth, sourceHeight);
    from = ConstPixelRect{reinterpret_cast<const uint8_t*>(scratch.data()), sourceWidth * 4};
  }
  const ColorKeyRange range =
      key != nullptr ? ColorKeyRange{key->dwColorSpaceLowValue & 0x00FFFFFFu,
                                     std::max(key->dwColorSpaceLowValue, key->dwColorSpaceHighValue) & 0x00FFFFFFu}
                     : ColorKeyRange{0, 0};
  if (width == sourceWidth && height == sourceHeight) {
    if (key != nullptr)
      CopyPixelsKeyed(target, from, width, height, range);
    else
      CopyPixels(target, from, width, height);
  } else {
    StretchPixels(target, width, height, from, sourceWidth, sourceHeight, key != nullptr ? &range : nullptr);
  }
  PresentIfVisible();
  return DD_OK;
}

HRESULT SoftwareSurface::Blt(LPRECT lpDestRect, LPDIRECTDRAWSURFACE lpDDSrcSurface, LPRECT lpSrcRect, DWORD dwFlags,
                             LPDDBLTFX lpDDBltFx) {
  if ((dwFlags & ~kBltSupported) != 0) Unsupported("IDirectDrawSurface::Blt");
  if (lpDDBltFx != nullptr && lpDDBltFx->dwSize != sizeof(DDBLTFX)) return DDERR_INVALIDPARAMS;
  if (lost_) return DDERR_SURFACELOST;
  if (Busy()) return DDERR_SURFACEBUSY;
  RECT destination = lpDestRect != nullptr ? *lpDestRect : RECT{0, 0, width_, height_};
  // With a clipper the rectangle is on the screen; a null one is the client area.
  const bool clipped = clipper_ != nullptr && clipper_->Window() != nullptr;
  if (clipped && lpDestRect == nullptr) {
    POINT origin{0, 0};
    ClientToScreen(clipper_->Window(), &origin);
    destination = RECT{origin.x, origin.y, origin.x + width_, origin.y + height_};
  }
  const RECT onScreen = destination;
  if (clipped && !ClipToWindow(clipper_->Window(), width_, height_, &destination, nullptr)) return DD_OK;
  if (!RectFits(destination, width_, height_)) return DDERR_INVALIDRECT;

  if ((dwFlags & DDBLT_COLORFILL) != 0) {
    if (lpDDBltFx == nullptr) return DDERR_INVALIDPARAMS;
    FillPixels(PixelRect{Pixels() + static_cast<ptrdiff_t>(destination.top) * pitch_ + destination.left * 4, pitch_},
               destination.right - destination.left, destination.bottom - destination.top, lpDDBltFx->dwFillColor);
    PresentIfVisible();
    return DD_OK;
  }

  if (lpDDSrcSurface == nullptr || (owner_ != nullptr && !owner_->Owns(lpDDSrcSurface))) return DDERR_INVALIDPARAMS;
  SoftwareSurface* source = AsSurface(lpDDSrcSurface);
  if (source->lost_) return DDERR_SURFACELOST;
  if (source != this && source->Busy()) return DDERR_SURFACEBUSY;
  RECT sourceRect = lpSrcRect != nullptr ? *lpSrcRect : RECT{0, 0, source->width_, source->height_};
  if (!RectFits(sourceRect, source->width_, source->height_)) return DDERR_INVALIDRECT;
  if (clipped) {
    RECT visible = onScreen;
    if (!ClipToWindow(clipper_->Window(), width_, height_, &visible, &sourceRect)) return DD_OK;
  }

  const DDCOLORKEY* key = nullptr;
  if ((dwFlags & DDBLT_KEYSRCOVERRIDE) != 0) {
    if (lpDDBltFx == nullptr) return DDERR_INVALIDPARAMS;
    key = &lpDDBltFx->ddckSrcColorkey;
  } else if ((dwFlags & DDBLT_KEYSRC) != 0) {
    if (!source->hasSourceKey_) return DDERR_INVALIDPARAMS;
    key = &source->sourceKey_;
  }
  return BlitFrom(destination, source, sourceRect, key);
}

HRESULT SoftwareSurface::BltFast(DWORD dwX, DWORD dwY, LPDIRECTDRAWSURFACE lpDDSrcSurface, LPRECT lpSrcRect,
                                 DWORD dwTrans) {
  if ((dwTrans & ~kBltFastSupported) != 0) Unsupported("IDirectDrawSurface::BltFast");
  if (clipper_ != nullptr) return DDERR_BLTFASTCANTCLIP;  // as with Windows
  if (lpDDSrcSurface == nullptr || (owner_ != nullptr && !owner_->Owns(lpDDSrcSurface))) return DDERR_INVALIDPARAMS;
  SoftwareSurface* source = AsSurface(lpDDSrcSurface);
  if (lost_ || source->lost_) return DDERR_SURFACELOST;
  if (Busy() || (source != this && source->Busy())) return DDERR_SURFACEBUSY;
  const RECT sourceRect = lpSrcRect != nullptr ? *lpSrcRect : RECT{0, 0, source->width_, source->height_};
  if (!RectFits(sourceRect, source->width_, source->height_)) return DDERR_INVALIDRECT;
  const int64_t right = static_cast<int64_t>(dwX) + (sourceRect.right - sourceRect.left);
  const int64_t bottom = static_cast<int64_t>(dwY) + (sourceRect.bottom - sourceRect.top);
  if (right > width_ || bottom > height_) return DDERR_INVALIDRECT;
  const RECT destination{static_cast<LONG>(dwX), static_cast<LONG>(dwY), static_cast<LONG>(right),
                         static_cast<LONG>(bottom)};
  const DDCOLORKEY* key = nullptr;
  if ((dwTrans & DDBLTFAST_SRCCOLORKEY) != 0) {
    if (!source->hasSourceKey_) return DDERR_INVALIDPARAMS;
    key = &source->sourceKey_;
  }
  return BlitFrom(destination, source, sourceRect, key);
}

HRESULT SoftwareSurface::Flip(LPDIRECTDRAWSURFACE lpDDSurfaceTargetOverride, DWORD dwFlags) {
  if ((dwFlags & ~kFlipSupported) != 0) Unsupported("IDirectDrawSurface::Flip");
  if (backBuffer_ == nullptr) return DDERR_NOTFLIPPABLE;
  if (lpDDSurfaceTargetOverride != nullptr && lpDDSurfaceTargetOverride != backBuffer_) return DDERR_INVALIDPARAMS;
  if (lost_ || backBuffer_->lost_) return DDERR_SURFACELOST;
  if (Busy() || backBuffer_->Busy()) return DDERR_SURFACEBUSY;
  memory_.swap(backBuffer_->memory_);
  PresentIfVisible();
  return DD_OK;
}

HRESULT SoftwareSurface::GetAttachedSurface(LPDDSCAPS lpDDSCaps, LPDIRECTDRAWSURFACE* lplpDDAttachedSurface) {
  if (lpDDSCaps == nullptr || lplpDDAttachedSurface == nullptr) return DDERR_INVALIDPARAMS;
  *lplpDDAttachedSurface = nullptr;
  if (backBuffer_ == nullptr || (backBuffer_->caps_ & lpDDSCaps->dwCaps) != lpDDSCaps->dwCaps) return DDERR_NOTFOUND;
  backBuffer_->AddRef();
  *lplpDDAttachedSurface = backBuffer_;
  return DD_OK;
}

HRESULT SoftwareSurface::GetClipper(LPDIRECTDRAWCLIPPER* lplpDDClipper) {
  if (lplpDDClipper == nullptr) return DDERR_INVALIDPARAMS;
  *lplpDDClipper = clipper_;
  if (clipper_ == nullptr) return DDERR_NOCLIPPERATTACHED;
  clipper_->AddRef();
  return DD_OK;
}

// Only a windowed primary surface takes a clipper (the one use the frame has
// for it); null takes it off.
HRESULT SoftwareSurface::SetClipper(LPDIRECTDRAWCLIPPER lpDDClipper) {
  if ((caps_ & DDSCAPS_PRIMARYSURFACE) == 0 || (caps_ & DDSCAPS_FLIP) != 0)
    PlatformFail("IDirectDrawSurface::SetClipper", "only a windowed primary surface takes a clipper");
  auto* clipper = static_cast<SoftwareClipper*>(lpDDClipper);
  if (clipper != nullptr) clipper->AddRef();
  if (clipper_ != nullptr) clipper_->Release();
  clipper_ = clipper;
  return DD_OK;
}

HRESULT SoftwareSurface::GetCaps(LPDDSCAPS lpDDSCaps) {
  if (lpDDSCaps == nullptr) return DDERR_INVALIDPARAMS;
  lpDDSCaps->dwCaps = caps_;
  return DD_OK;
}

HRESULT SoftwareSurface::GetColorKey(DWORD dwFlags, LPDDCOLORKEY lpDDColorKey) {
  if (lpDDColorKey == nullptr) return DDERR_INVALIDPARAMS;
  if (dwFlags == DDCKEY_SRCBLT) {
    if (!hasSourceKey_) return DDERR_NOCOLORKEY;
    *lpDDColorKey = sourceKey_;
    return DD_OK;
  }
  if (dwFlags == DDCKEY_DESTBLT) {
    if (!hasDestinationKey_) return DDERR_NOCOLORKEY;
    *lpDDColorKey = destinationKey_;
    return DD_OK;
  }
  return DDERR_INVALIDPARAMS;
}

HRESULT SoftwareSurface::SetColorKey(DWORD dwFlags, LPDDCOLORKEY lpDDColorKey) {
  const DWORD kind = dwFlags & ~static_cast<DWORD>(DDCKEY_COLORSPACE);
  if (kind == DDCKEY_SRCOVERLAY || kind == DDCKEY_DESTOVERLAY) Unsupported("IDirectDrawSurface::SetColorKey");
  if (kind != DDCKEY_SRCBLT && kind != DDCKEY_DESTBLT) return DDERR_INVALIDPARAMS;
  if (kind == DDCKEY_SRCBLT) {
    if (lpDDColorKey == nullptr)
      hasSourceKey_ = false;
    else
      SetSourceColorKey(*lpDDColorKey);
  } else {
    hasDestinationKey_ = lpDDColorKey != nullptr;
    if (lpDDColorKey != nullptr) destinationKey_ = *lpDDColorKey;
  }
  return DD_OK;
}

HRESULT SoftwareSurface::GetDC(HDC* lphDC) {
  if (lphDC == nullptr) return DDERR_INVALIDPARAMS;
  *lphDC = nullptr;
  if (lost_) return DDERR_SURFACELOST;
  if (deviceContext_ != nullptr) return DDERR_DCALREADYCREATED;
  if (locked_) return DDERR_SURFACEBUSY;
  auto* context = new GdiDeviceContext();
  context->target = GdiDeviceContext::Target::Surface;
  context->surface = this;
  context->pixels = memory_.data();
  context->width = width_;
  context->height = height_;
  context->pitch = pitch_;
  deviceContext_ = context;
  *lphDC = HandleOf(context);
  return DD_OK;
}

HRESULT SoftwareSurface::ReleaseDC(HDC hDC) {
  if (deviceContext_ == nullptr) return DDERR_NODC;
  if (GdiDeviceContextFrom(hDC) != deviceContext_) return DDERR_INVALIDPARAMS;
  delete deviceContext_;
  deviceContext_ = nullptr;
  PresentIfVisible();
  return DD_OK;
}

HRESULT SoftwareSurface::GetPixelFormat(LPDDPIXELFORMAT lpDDPixelFormat) {
  if (lpDDPixelFormat == nullptr || lpDDPixelFormat->dwSize != sizeof(DDPIXELFORMAT)) return DDERR_INVALIDPARAMS;
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  FillDescription(&description);
  *lpDDPixelFormat = description.ddpfPixelFormat;
  return DD_OK;
}

HRESULT SoftwareSurface::GetSurfaceDesc(LPDDSURFACEDESC lpDDSurfaceDesc) {
  if (lpDDSurfaceDesc == nullptr || lpDDSurfaceDesc->dwSize != sizeof(DDSURFACEDESC)) return DDERR_INVALIDPARAMS;
  FillDescription(lpDDSurfaceDesc);
  return DD_OK;
}

HRESULT SoftwareSurface::IsLost() { return lost_ ? DDERR_SURFACELOST : DD_OK; }

HRESULT SoftwareSurface::Lock(LPRECT lpDestRect, LPDDSURFACEDESC lpDDSurfaceDesc, DWORD dwFlags, HANDLE) {
  if ((dwFlags & ~kLockSupported) != 0) Unsupported("IDirectDrawSurface::Lock");
  if (lpDDSurfaceDesc == nullptr || lpDDSurfaceDesc->dwSize != sizeof(DDSURFACEDESC)) return DDERR_INVALIDPARAMS;
  if (lost_) return DDERR_SURFACELOST;
  if (Busy()) return DDERR_SURFACEBUSY;
  const RECT area = lpDestRect != nullptr ? *lpDestRect : RECT{0, 0, width_, height_};
  if (!RectFits(area, width_, height_)) return DDERR_INVALIDPARAMS;
  FillDescription(lpDDSurfaceDesc);
  lpDDSurfaceDesc->dwFlags |= DDSD_LPSURFACE;
  lpDDSurfaceDesc->lpSurface = Pixels() + static_cast<ptrdiff_t>(area.top) * pitch_ + area.left * 4;
  locked_ = true;
  return DD_OK;
}

HRESULT SoftwareSurface::Unlock(LPVOID) {
  if (!locked_) return DDERR_NOTLOCKED;
  locked_ = false;
  PresentIfVisible();
  return DD_OK;
}

HRESULT SoftwareSurface::Restore() {
  if (lost_) {
    lost_ = false;
    std::fill(memory_.begin(), memory_.end(), 0u);  // the memory came back, its pictures did not
  }
  if (backBuffer_ != nullptr) backBuffer_->Restore();
  return DD_OK;
}

HRESULT SoftwareSurface::AddAttachedSurface(LPDIRECTDRAWSURFACE) {
  Unsupported("IDirectDrawSurface::AddAttachedSurface");
}
HRESULT SoftwareSurface::AddOverlayDirtyRect(LPRECT) { Unsupported("IDirectDrawSurface::AddOverlayDirtyRect"); }
HRESULT SoftwareSurface::BltBatch(LPDDBLTBATCH, DWORD, DWORD) { Unsupported("IDirectDrawSurface::BltBatch"); }
HRESULT SoftwareSurface::DeleteAttachedSurface(DWORD, LPDIRECTDRAWSURFACE) {
  Unsupported("IDirectDrawSurface::DeleteAttachedSurface");
}
HRESULT SoftwareSurface::EnumAttachedSurfaces(LPVOID, LPDDENUMSURFACESCALLBACK) {
  Unsupported("IDirectDrawSurface::EnumAttachedSurfaces");
}
HRESULT SoftwareSurface::EnumOverlayZOrders(DWORD, LPVOID, LPDDENUMSURFACESCALLBACK) {
  Unsupported("IDirectDrawSurface::EnumOverlayZOrders");
}
HRESULT SoftwareSurface::GetBltStatus(DWORD) { Unsupported("IDirectDrawSurface::GetBltStatus"); }
HRESULT SoftwareSurface::GetFlipStatus(DWORD) { Unsupported("IDirectDrawSurface::GetFlipStatus"); }
HRESULT SoftwareSurface::GetOverlayPosition(LPLONG, LPLONG) { Unsupported("IDirectDrawSurface::GetOverlayPosition"); }
HRESULT SoftwareSurface::GetPalette(LPDIRECTDRAWPALETTE*) { Unsupported("IDirectDrawSurface::GetPalette"); }
HRESULT SoftwareSurface::Initialize(LPDIRECTDRAW, LPDDSURFACEDESC) { Unsupported("IDirectDrawSurface::Initialize"); }
HRESULT SoftwareSurface::SetOverlayPosition(LONG, LONG) { Unsupported("IDirectDrawSurface::SetOverlayPosition"); }
HRESULT SoftwareSurface::SetPalette(LPDIRECTDRAWPALETTE) { Unsupported("IDirectDrawSurface::SetPalette"); }
HRESULT SoftwareSurface::UpdateOverlay(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDOVERLAYFX) {
  Unsupported("IDirectDrawSurface::UpdateOverlay");
}
HRESULT SoftwareSurface::UpdateOverlayDisplay(DWORD) { Unsupported("IDirectDrawSurface::UpdateOverlayDisplay"); }
HRESULT SoftwareSurface::UpdateOverlayZOrder(DWORD, LPDIRECTDRAWSURFACE) {
  Unsupported("IDirectDrawSurface::UpdateOverlayZOrder");
}
