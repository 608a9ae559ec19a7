// The software clipper and the cutting of blits to its window.
#include "platform/src/ddraw_clipper.h"

#include <algorithm>

#include "platform/src/core_backend.h"

const GUID IID_IDirectDrawClipper = {0x6C14DB85, 0xA733, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};

namespace {

[[noreturn]] void Unsupported(const char* method) {
  PlatformFail(method, "outside the implemented DirectDraw subset (see platform/README.md)");
}

}  // namespace

HRESULT SoftwareClipper::QueryInterface(REFIID riid, LPVOID* ppvObj) {
  if (ppvObj == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDirectDrawClipper) {
    AddRef();
    *ppvObj = static_cast<IDirectDrawClipper*>(this);
    return S_OK;
  }
  *ppvObj = nullptr;
  return E_NOINTERFACE;
}

ULONG SoftwareClipper::AddRef() { return ++references_; }

ULONG SoftwareClipper::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT SoftwareClipper::GetHWnd(HWND* lphWnd) {
  if (lphWnd == nullptr) return DDERR_INVALIDPARAMS;
  *lphWnd = window_;
  return DD_OK;
}

HRESULT SoftwareClipper::SetHWnd(DWORD dwFlags, HWND hWnd) {
  if (dwFlags != 0) return DDERR_INVALIDPARAMS;
  if (hWnd != nullptr && !IsWindow(hWnd)) return DDERR_INVALIDPARAMS;
  window_ = hWnd;
  return DD_OK;
}

HRESULT SoftwareClipper::GetClipList(LPRECT, LPRGNDATA, LPDWORD) { Unsupported("IDirectDrawClipper::GetClipList"); }
HRESULT SoftwareClipper::Initialize(LPDIRECTDRAW, DWORD) { Unsupported("IDirectDrawClipper::Initialize"); }
HRESULT SoftwareClipper::IsClipListChanged(BOOL*) { Unsupported("IDirectDrawClipper::IsClipListChanged"); }
HRESULT SoftwareClipper::SetClipList(LPRGNDATA, DWORD) { Unsupported("IDirectDrawClipper::SetClipList"); }

bool ClipToWindow(HWND window, int surfaceWidth, int surfaceHeight, RECT* destination, RECT* source) {
  RECT client{};
  POINT origin{0, 0};
  if (window == nullptr || !GetClientRect(window, &client) || !ClientToScreen(window, &origin)) return false;
  const long long width = destination->right - destination->left;
  const long long height = destination->bottom - destination->top;
  if (width <= 0 || height <= 0) return false;
  // Screen coordinates to the surface's (the client area's).
  const RECT moved{destination->left - origin.x, destination->top - origin.y, destination->right - origin.x,
                   destination->bottom - origin.y};
  const RECT visible{std::max<LONG>(moved.left, 0), std::max<LONG>(moved.top, 0),
                     std::min<LONG>(moved.right, std::min<LONG>(client.right, surfaceWidth)),
                     std::min<LONG>(moved.bottom, std::min<LONG>(client.bottom, surfaceHeight))};
  if (visible.left >= visible.right || visible.top >= visible.bottom) return false;
  if (source != nullptr) {
    const long long sourceWidth = source->right - source->left;
    const long long sourceHeight = source->bottom - source->top;
    const RECT whole = *source;
    source->left = static_cast<LONG>(whole.left + (visible.left - moved.left) * sourceWidth / width);
    source->right = static_cast<LONG>(whole.left + (visible.right - moved.left) * sourceWidth / width);
    source->top = static_cast<LONG>(whole.top + (visible.top - moved.top) * sourceHeight / height);
    source->bottom = static_cast<LONG>(whole.top + (visible.bottom - moved.top) * sourceHeight / height);
  }
  *destination = visible;
  return true;
}
