// The DirectDraw clipper of a windowed primary surface: it names the window
// whose client area the surface draws into. The surface's destination
// rectangles are then in screen coordinates, as with Windows, where the
// primary surface is the whole screen; here the primary surface holds the
// client area alone, so drawing is moved by the client area's place on the
// screen and cut to it.
#pragma once

#include "platform/win32.h"

class SoftwareClipper final : public IDirectDrawClipper {
 public:
  // IUnknown
  HRESULT QueryInterface(REFIID riid, LPVOID* ppvObj) override;
  ULONG AddRef() override;
  ULONG Release() override;

  // The subset.
  HRESULT GetHWnd(HWND* lphWnd) override;
  HRESULT SetHWnd(DWORD dwFlags, HWND hWnd) override;

  // Outside the subset: these abort.
  HRESULT GetClipList(LPRECT, LPRGNDATA, LPDWORD) override;
  HRESULT Initialize(LPDIRECTDRAW, DWORD) override;
  HRESULT IsClipListChanged(BOOL*) override;
  HRESULT SetClipList(LPRGNDATA, DWORD) override;

  HWND Window() const { return window_; }

 private:
  ~SoftwareClipper() = default;

  ULONG references_ = 1;
  HWND window_ = nullptr;
};

// Where a blit onto a surface of surfaceWidth x surfaceHeight with a clipper
// lands: the destination rectangle given in screen coordinates, moved to the
// clipper window's client area and cut to it (and to the surface), with the
// source rectangle cut in proportion. False when nothing of it is visible.
bool ClipToWindow(HWND window, int surfaceWidth, int surfaceHeight, RECT* destination, RECT* source);
