// A DirectDraw surface in system memory: 32-bit XRGB pixels, reference
// count, colour keys, lock and device-context state, lost mark, and the
// front/back link of a flipping chain.
#pragma once

#include <vector>

#include "platform/win32.h"

class SoftwareClipper;
class SoftwareDirectDraw;
struct GdiDeviceContext;

class SoftwareSurface final : public IDirectDrawSurface {
 public:
  SoftwareSurface(SoftwareDirectDraw* owner, DWORD caps, int width, int height);
  ~SoftwareSurface();

  // IUnknown
  HRESULT QueryInterface(REFIID riid, LPVOID* ppvObj) override;
  ULONG AddRef() override;
  ULONG Release() override;

  // The subset.
  HRESULT Blt(LPRECT lpDestRect, LPDIRECTDRAWSURFACE lpDDSrcSurface, LPRECT lpSrcRect, DWORD dwFlags,
              LPDDBLTFX lpDDBltFx) override;
  HRESULT BltFast(DWORD dwX, DWORD dwY, LPDIRECTDRAWSURFACE lpDDSrcSurface, LPRECT lpSrcRect, DWORD dwTrans) override;
  HRESULT Flip(LPDIRECTDRAWSURFACE lpDDSurfaceTargetOverride, DWORD dwFlags) override;
  HRESULT GetAttachedSurface(LPDDSCAPS lpDDSCaps, LPDIRECTDRAWSURFACE* lplpDDAttachedSurface) override;
  HRESULT GetCaps(LPDDSCAPS lpDDSCaps) override;
  HRESULT GetClipper(LPDIRECTDRAWCLIPPER* lplpDDClipper) override;
  HRESULT GetColorKey(DWORD dwFlags, LPDDCOLORKEY lpDDColorKey) override;
  HRESULT GetDC(HDC* lphDC) override;
  HRESULT GetPixelFormat(LPDDPIXELFORMAT lpDDPixelFormat) override;
  HRESULT GetSurfaceDesc(LPDDSURFACEDESC lpDDSurfaceDesc) override;
  HRESULT IsLost() override;
  HRESULT Lock(LPRECT lpDestRect, LPDDSURFACEDESC lpDDSurfaceDesc, DWORD dwFlags, HANDLE hEvent) override;
  HRESULT ReleaseDC(HDC hDC) override;
  HRESULT Restore() override;
  HRESULT SetClipper(LPDIRECTDRAWCLIPPER lpDDClipper) override;
  HRESULT SetColorKey(DWORD dwFlags, LPDDCOLORKEY lpDDColorKey) override;
  HRESULT Unlock(LPVOID lpSurfaceData) override;

  // Outside the subset: these abort.
  HRESULT AddAttachedSurface(LPDIRECTDRAWSURFACE) override;
  HRESULT AddOverlayDirtyRect(LPRECT) override;
  HRESULT BltBatch(LPDDBLTBATCH, DWORD, DWORD) override;
  HRESULT DeleteAttachedSurface(DWORD, LPDIRECTDRAWSURFACE) override;
  HRESULT EnumAttachedSurfaces(LPVOID, LPDDENUMSURFACESCALLBACK) override;
  HRESULT EnumOverlayZOrders(DWORD, LPVOID, LPDDENUMSURFACESCALLBACK) override;
  HRESULT GetBltStatus(DWORD) override;
  HRESULT GetFlipStatus(DWORD) override;
  HRESULT GetOverlayPosition(LPLONG, LPLONG) override;
  HRESULT GetPalette(LPDIRECTDRAWPALETTE*) override;
  HRESULT Initialize(LPDIRECTDRAW, LPDDSURFACEDESC) override;
  HRESULT SetOverlayPosition(LONG, LONG) override;
  HRESULT SetPalette(LPDIRECTDRAWPALETTE) override;
  HRESULT UpdateOverlay(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDOVERLAYFX) override;
  HRESULT UpdateOverlayDisplay(DWORD) override;
  HRESULT UpdateOverlayZOrder(DWORD, LPDIRECTDRAWSURFACE) override;

  // For the DirectDraw object and the flipping chain.
  void AttachBackBuffer(SoftwareSurface* backBuffer);
  void MarkLost() { lost_ = true; }
  void ClearLostMark() { lost_ = false; }
  void DetachFromOwner() { owner_ = nullptr; }
  SoftwareSurface* ChainFront() const { return chainFront_; }
  SoftwareSurface* BackBuffer() const { return backBuffer_; }
  void SetSourceColorKey(const DDCOLORKEY& key);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Pitch() const { return pitch_; }
  uint8_t* Pixels() { return reinterpret_cast<uint8_t*>(memory_.data()); }

 private:
  bool Busy() const { return locked_ || deviceContext_ != nullptr; }
  // Whether the surface's pixels are what the display shows.
  bool Visible() const;
  void PresentIfVisible();
  void FillDescription(DDSURFACEDESC* description) const;
  HRESULT BlitFrom(const RECT& destination, SoftwareSurface* source, const RECT& sourceRect, const DDCOLORKEY* key);

  SoftwareDirectDraw* owner_;
  ULONG references_ = 1;
  DWORD caps_;
  int width_;
  int height_;
  int pitch_;  // bytes, a multiple of 16
  std::vector<uint32_t> memory_;
  bool lost_ = false;
  bool locked_ = false;
  bool hasSourceKey_ = false;
  DDCOLORKEY sourceKey_{};
  bool hasDestinationKey_ = false;
  DDCOLORKEY destinationKey_{};
  GdiDeviceContext* deviceContext_ = nullptr;
  SoftwareSurface* backBuffer_ = nullptr;  // front of a flipping chain: its back buffer
  SoftwareSurface* chainFront_ = nullptr;  // back buffer: the front that owns it
  SoftwareClipper* clipper_ = nullptr;     // held: destination rectangles are on the screen
};
