// DirectDrawApplication: construction (window class, window,
// DirectDraw in full-screen or windowed mode, the first clear), release of the
// display objects, the base key handling, flipping and the play timer.
#include "viewer/frame/direct_draw_application.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "art/resource_catalog.h"
#include "viewer/frame/evidence_log.h"
#include "viewer/frame/window_procedure.h"

HWND appWindow = nullptr;
DirectDrawApplication* theApp = nullptr;
FrameDisplay frameDisplay;

namespace {

const char kWindowClassName[] = "ddwindow";
const int kApplicationIconId = IDI_VIEWER;
const UINT_PTR kPlayTimerId = 1;

// A window with a caption, a border and a system menu that can be
// minimised; its client area is the frame's size.
const DWORD kWindowedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
const DWORD kFullScreenStyle = WS_POPUP | WS_BORDER | WS_SYSMENU;
const DWORD kPreviewStyle = WS_CHILD | WS_VISIBLE;

// Fills a rectangle of a surface with black, again and again while the
// surface is still drawing.
HRESULT FillBlack(LPDIRECTDRAWSURFACE surface, RECT rect) {
  DDBLTFX effects;
  std::memset(&effects, 0, sizeof effects);
  effects.dwSize = sizeof effects;
  effects.dwFillColor = 0;
  HRESULT result;
  do {
    result = surface->Blt(&rect, nullptr, nullptr, DDBLT_COLORFILL, &effects);
  } while (result == DDERR_WASSTILLDRAWING);
  if (result == DDERR_SURFACELOST) throw FatalError("Surface Lost");
  return result;
}

}  // namespace

DirectDrawApplication::DirectDrawApplication(HINSTANCE instance, const char* title, int showCommand, int32_t width,
                                             int32_t height, int32_t bitsPerPixel, const char* /*commandLine*/,
                                             int16_t fullScreenChoice)
    : directDraw(nullptr),
      active(0),
      instance(nullptr),
      primarySurface(nullptr),
      backBuffer(nullptr),
      width(0),
      height(0),
      bitsPerPixel(0),
      fullScreen(1) {
  appWindow = nullptr;
  fullScreen = fullScreenChoice == 0 ? 0 : 1;
  ApplyForcedDisplayMode();
  this->width = width;
  this->height = height;
  this->bitsPerPixel = bitsPerPixel;
  this->instance = instance;
  // A failure here leaves no object behind, so give the display back before
  // the error is shown: a full-screen mode would otherwise hide the message.
  try {
    RegisterWindowClass();
    CreateAppWindow(title, showCommand);
    SetUpDirectDraw();
    ReadDisplayMode();
    ClearDisplay();
  } catch (const FatalError&) {
    ReleaseDisplayObjects();
    throw;
  }
}

DirectDrawApplication::~DirectDrawApplication() { ReleaseDisplayObjects(); }

void DirectDrawApplication::OnKeyDown(WPARAM virtualKey, LPARAM /*keyData*/) {
  if ((virtualKey & 0xFFFF) == VK_ESCAPE) PostMessageA(appWindow, WM_CLOSE, 0, 0);
}

void DirectDrawApplication::OnKeyUp(WPARAM /*virtualKey*/, LPARAM /*keyData*/) {}

void DirectDrawApplication::FlipSurfaces() {
  HRESULT result;
  do {
    result = primarySurface->Flip(nullptr, 0);
  } while (result == DDERR_WASSTILLDRAWING);
  if (result == DD_OK) {
    FramePresented();
  } else {
    NoteDroppedFlip(result);
  }
}

void DirectDrawApplication::StartTimer(UINT periodMs) { SetTimer(appWindow, kPlayTimerId, periodMs, nullptr); }

// Byte 0 of the settings file is 1 for windowed mode; anything else, or no
// file at all, means full-screen.
// A screensaver's mode is not the settings file's.
void DirectDrawApplication::ApplyForcedDisplayMode() {
  if (frameDisplay.previewParent != nullptr) fullScreen = 0;
  if (frameDisplay.forcedFullScreen == 0 || frameDisplay.forcedFullScreen == 1)
    fullScreen = frameDisplay.forcedFullScreen;
}

// The window's extra bytes hold the application object, so they are as wide
// as a pointer.
void DirectDrawApplication::RegisterWindowClass() {
  WNDCLASSA windowClass;
  std::memset(&windowClass, 0, sizeof windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kApplicationIconId));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = kWindowClassName;
  if (RegisterClassA(&windowClass) == 0) throw FatalError("RegisterClass failed.");
}

// Full-screen: a popup at (0, 0) of the frame's size. Windowed: caption and
// border outside a client area of the frame's size, centred on the screen.
// A screensaver preview: a child filling its parent's client area.
void DirectDrawApplication::CreateAppWindow(const char* title, int showCommand) {
  HWND parent = frameDisplay.previewParent;
  DWORD style = fullScreen == 1 ? kFullScreenStyle : kWindowedStyle;
  RECT place = {0, 0, width, height};
  if (parent != nullptr) {
    style = kPreviewStyle;
    if (!GetClientRect(parent, &place)) throw FatalError("CreateWindowEx failed.");
  } else if (fullScreen == 0) {
    AdjustWindowRectEx(&place, style, FALSE, 0);
    const LONG outerWidth = place.right - place.left;
    const LONG outerHeight = place.bottom - place.top;
    place.left = std::max<LONG>(0, (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2);
    place.top = std::max<LONG>(0, (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2);
    place.right = place.left + outerWidth;
    place.bottom = place.top + outerHeight;
  }
  HWND window = CreateWindowExA(0, kWindowClassName, title, style, place.left, place.top, place.right - place.left,
                                place.bottom - place.top, parent, nullptr, instance, this);
  if (window == nullptr) throw FatalError("CreateWindowEx failed.");
  appWindow = window;
  ShowWindow(appWindow, showCommand);
  UpdateWindow(appWindow);
}

void DirectDrawApplication::SetUpDirectDraw() {
  if (DirectDrawCreate(nullptr, &directDraw, nullptr) != DD_OK) {
    directDraw = nullptr;
    throw FatalError("DirectDrawCreate failed.");
  }
  if (fullScreen == 1) {
    SetUpFullScreen();
  } else {
    SetUpWindowed();
  }
}

// Exclusive 800 x 600 at the first depth the driver takes, and a flipping
// chain of the primary surface and one back buffer.
void DirectDrawApplication::SetUpFullScreen() {
  if (directDraw->SetCooperativeLevel(appWindow, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE | DDSCL_NOWINDOWCHANGES) != DD_OK) {
    throw FatalError("SetCooperativeLevel failed.");
  }
  long depthSet = 24;
  if (directDraw->SetDisplayMode(width, height, 24) != DD_OK) {
    depthSet = 32;
    if (directDraw->SetDisplayMode(width, height, 32) != DD_OK) {
      depthSet = directDraw->SetDisplayMode(width, height, 16) == DD_OK ? 16 : 0;
    }
  }
  NoteEvidence("depth-set", depthSet);

  DDSURFACEDESC description;
  std::memset(&description, 0, sizeof description);
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  description.dwBackBufferCount = 1;
  if (directDraw->CreateSurface(&description, &primarySurface, nullptr) != DD_OK) {
    primarySurface = nullptr;
    throw FatalError("CreateSurface failed.");
  }

  DDSCAPS backBufferCaps;
  std::memset(&backBufferCaps, 0, sizeof backBufferCaps);
  backBufferCaps.dwCaps = DDSCAPS_BACKBUFFER;
  if (primarySurface->GetAttachedSurface(&backBufferCaps, &backBuffer) != DD_OK) {
    backBuffer = nullptr;
    throw FatalError("GetAttachedSurface failed.");
  }
}

// The desktop's mode stays. The primary surface is the whole screen, and a
// clipper for the window keeps the frame inside the window's visible part.
// A preview's child window is the cooperative window too where the driver
// takes a child window (Wine presents only there); else the preview has none.
void DirectDrawApplication::SetUpWindowed() {
  HRESULT result = directDraw->SetCooperativeLevel(appWindow, DDSCL_NORMAL);
  if (result != DD_OK && frameDisplay.previewParent != nullptr)
    result = directDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL);
  if (result != DD_OK) throw FatalError("SetCooperativeLevel failed.");
  DDSURFACEDESC description;
  std::memset(&description, 0, sizeof description);
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS;
  description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  if (directDraw->CreateSurface(&description, &primarySurface, nullptr) != DD_OK) {
    primarySurface = nullptr;
    throw FatalError("CreateSurface failed.");
  }
  backBuffer = primarySurface;

  LPDIRECTDRAWCLIPPER clipper = nullptr;
  if (directDraw->CreateClipper(0, &clipper, nullptr) != DD_OK) throw FatalError("CreateClipper failed.");
  // The surface holds the clipper from here on.
  const bool attached = clipper->SetHWnd(0, appWindow) == DD_OK && primarySurface->SetClipper(clipper) == DD_OK;
  clipper->Release();
  if (!attached) throw FatalError("SetClipper failed.");
}

// Back buffer first, then the primary surface; a failed back-buffer clear
// leaves the primary surface as it is. Windowed, the primary surface is the
// screen and only the window's client area is cleared.
void DirectDrawApplication::ClearDisplay() {
  RECT area = {0, 0, width, height};
  if (fullScreen == 0 && !ClientAreaOnScreen(&area)) return;
  if (FillBlack(backBuffer, area) != DD_OK) return;
  FillBlack(primarySurface, area);
}

bool DirectDrawApplication::ClientAreaOnScreen(RECT* area) const {
  RECT client = {0, 0, 0, 0};
  POINT origin = {0, 0};
  if (!GetClientRect(appWindow, &client) || !ClientToScreen(appWindow, &origin)) return false;
  if (client.right <= 0 || client.bottom <= 0) return false;
  *area = RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
  return true;
}

// The client area's place is taken again for every frame, so the picture
// follows the window when it moves.
void DirectDrawApplication::PresentWindowed(LPDIRECTDRAWSURFACE frame) {
#ifdef _WIN32
  // A preview window belongs to another program's window, above which a
  // driver may draw its primary surface nowhere (Wine's does not), so the
  // frame goes in through the window's own device context.
  if (frameDisplay.previewParent != nullptr) {
    PresentPreview(frame);
    return;
  }
#endif
  RECT place;
  if (!ClientAreaOnScreen(&place)) {
    presentPacer.AfterPresent();  // minimised: nothing to show, and no haste either
    return;
  }
  RECT source = {0, 0, width, height};
  HRESULT result;
  do {
    result = primarySurface->Blt(&place, frame, &source, 0, nullptr);
  } while (result == DDERR_WASSTILLDRAWING);
  if (result == DD_OK) {
    FramePresented();
    return;
  }
  if (result == DDERR_SURFACELOST) throw FatalError("Surface Lost");
  NoteDroppedFlip(result);
  presentPacer.AfterPresent();
}

// The back buffer belongs to the flipping chain (or is the primary surface),
// and the off-screen surfaces go with the DirectDraw object. The window stays
// but no longer reaches this object.
void DirectDrawApplication::ReleaseDisplayObjects() {
  if (directDraw != nullptr) {
    if (primarySurface != nullptr) {
      primarySurface->Release();
      primarySurface = nullptr;
    }
    directDraw->Release();
    directDraw = nullptr;
  }
  backBuffer = nullptr;
  if (appWindow != nullptr) DetachApplication(appWindow);
}

#ifdef _WIN32
void DirectDrawApplication::PresentPreview(LPDIRECTDRAWSURFACE frame) {
  RECT client = {0, 0, 0, 0};
  HDC frameDc = nullptr;
  if (!GetClientRect(appWindow, &client) || client.right <= 0 || client.bottom <= 0) {
    presentPacer.AfterPresent();
    return;
  }
  const HRESULT result = frame->GetDC(&frameDc);
  if (result == DDERR_SURFACELOST) throw FatalError("Surface Lost");
  if (result != DD_OK) {
    NoteDroppedFlip(result);
    presentPacer.AfterPresent();
    return;
  }
  HDC windowDc = GetDC(appWindow);
  SetStretchBltMode(windowDc, HALFTONE);
  SetBrushOrgEx(windowDc, 0, 0, nullptr);
  const bool drawn =
      StretchBlt(windowDc, 0, 0, client.right, client.bottom, frameDc, 0, 0, width, height, SRCCOPY) != FALSE;
  ReleaseDC(appWindow, windowDc);
  frame->ReleaseDC(frameDc);
  if (drawn) {
    FramePresented();
  } else {
    presentPacer.AfterPresent();
  }
}
#endif

// The mode the display really is in once set up: the desktop's in windowed
// mode, the one the driver accepted in full-screen mode.
void DirectDrawApplication::ReadDisplayMode() {
  DDSURFACEDESC mode;
  std::memset(&mode, 0, sizeof mode);
  mode.dwSize = sizeof mode;
  const bool known = directDraw->GetDisplayMode(&mode) == DD_OK;
  presentPacer.Start(known ? mode.dwRefreshRate : 0);
  if (!EvidenceLogEnabled()) return;
  const char* kind = fullScreen == 1 ? "fullscreen" : "windowed";
  char text[64];
  if (known) {
    std::snprintf(text, sizeof text, "%s %lux%lux%lu", kind, static_cast<unsigned long>(mode.dwWidth),
                  static_cast<unsigned long>(mode.dwHeight),
                  static_cast<unsigned long>(mode.ddpfPixelFormat.dwRGBBitCount));
  } else {
    std::snprintf(text, sizeof text, "%s unknown", kind);
  }
  NoteEvidence("display", text);
}

void DirectDrawApplication::FramePresented() {
  ++framesPresented;
  if (IsNotedFrameCount(framesPresented)) NoteEvidence("presented", framesPresented);
  presentPacer.AfterPresent();
}

void DirectDrawApplication::NoteDroppedFlip(HRESULT result) {
  ++flipsDropped;
  if (!IsNotedFrameCount(flipsDropped) || !EvidenceLogEnabled()) return;
  char text[48];
  std::snprintf(text, sizeof text, "%ld 0x%08lx", flipsDropped,
                static_cast<unsigned long>(static_cast<uint32_t>(result)));
  NoteEvidence("flip-dropped", text);
}
