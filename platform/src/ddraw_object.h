// The DirectDraw object: cooperative level and window, display mode, and
// the surfaces it made (which go with it).
#pragma once

#include <vector>

#include "platform/win32.h"

class SoftwareSurface;

class SoftwareDirectDraw final : public IDirectDraw {
 public:
  SoftwareDirectDraw();
  ~SoftwareDirectDraw();

  // IUnknown
  HRESULT QueryInterface(REFIID riid, LPVOID* ppvObj) override;
  ULONG AddRef() override;
  ULONG Release() override;

  // The subset.
  HRESULT CreateClipper(DWORD dwFlags, LPDIRECTDRAWCLIPPER* lplpDDClipper, IUnknown* pUnkOuter) override;
  HRESULT CreateSurface(LPDDSURFACEDESC lpDDSurfaceDesc, LPDIRECTDRAWSURFACE* lplpDDSurface,
                        IUnknown* pUnkOuter) override;
  HRESULT GetDisplayMode(LPDDSURFACEDESC lpDDSurfaceDesc) override;
  HRESULT RestoreDisplayMode() override;
  HRESULT SetCooperativeLevel(HWND hWnd, DWORD dwFlags) override;
  HRESULT SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBPP) override;

  // Outside the subset: these abort.
  HRESULT Compact() override;
  HRESULT CreatePalette(DWORD, LPPALETTEENTRY, LPDIRECTDRAWPALETTE*, IUnknown*) override;
  HRESULT DuplicateSurface(LPDIRECTDRAWSURFACE, LPDIRECTDRAWSURFACE*) override;
  HRESULT EnumDisplayModes(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMMODESCALLBACK) override;
  HRESULT EnumSurfaces(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMSURFACESCALLBACK) override;
  HRESULT FlipToGDISurface() override;
  HRESULT GetCaps(LPDDCAPS, LPDDCAPS) override;
  HRESULT GetFourCCCodes(LPDWORD, LPDWORD) override;
  HRESULT GetGDISurface(LPDIRECTDRAWSURFACE*) override;
  HRESULT GetMonitorFrequency(LPDWORD) override;
  HRESULT GetScanLine(LPDWORD) override;
  HRESULT GetVerticalBlankStatus(BOOL*) override;
  HRESULT Initialize(GUID*) override;
  HRESULT WaitForVerticalBlank(DWORD, HANDLE) override;

  // For the surfaces.
  HWND Window() const { return window_; }
  bool Exclusive() const { return exclusive_; }
  void Forget(SoftwareSurface* surface);
  void LoseAllSurfaces();
  void ClearLostMarks();
  bool Owns(const IDirectDrawSurface* surface) const;

 private:
  // The size of the display: the mode set, else the window (windowed), else the desktop.
  void DisplaySize(int* width, int* height) const;

  ULONG references_ = 1;
  HWND window_ = nullptr;
  DWORD cooperativeLevel_ = 0;
  bool exclusive_ = false;
  int modeWidth_ = 0;  // 0 = the desktop's mode
  int modeHeight_ = 0;
  int modeBitsPerPixel_ = 32;
  SoftwareSurface* primary_ = nullptr;
  std::vector<SoftwareSurface*> surfaces_;
};
