// Presentation over SDL: one SDL window, renderer and streaming texture per
// top-level window; frames scaled to the window's output (present_scaler.h)
// and paced to the display's refresh. The application window of DirectDraw
// can be resized and switched between a window and the full screen, and may
// draw into a window another program made (a screensaver's).
#include <SDL.h>

#include <cstdio>
#include <map>

#include "platform/desktop.h"
#include "platform/src/core_backend.h"
#include "platform/src/frame_pacer.h"
#include "platform/src/headless_state.h"
#include "platform/src/present_scale.h"
#include "platform/src/present_scaler.h"
#include "platform/src/present_window.h"
#include "platform/src/present_x11.h"
#include "platform/src/window_table.h"

namespace {

// The desktop size reported when there is no display (headless).
constexpr int kHeadlessDesktopWidth = 800;
constexpr int kHeadlessDesktopHeight = 600;

struct Presenter {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int textureWidth = 0;
  int textureHeight = 0;
  bool rendererWaitsForVsync = false;
  FramePacer pacer;
  FrameScaler scaler;
  // The window's size as the program knows it, and how many times that the
  // SDL window is on a high-density display that SDL does not scale itself.
  int logicalWidth = 0;
  int logicalHeight = 0;
  int windowScale = 1;
  // The DirectDraw application window: resizable, Alt+Enter and F11.
  bool frameWindow = false;
  // The picture covers the display (the program's exclusive mode, or the
  // user's choice since).
  bool fullScreen = false;
  // Drawn into another program's window, which is never moved or resized.
  bool embedded = false;
  // The texture holds a frame that can be shown again (after a resize).
  bool hasFrame = false;
};

std::map<HWND, Presenter>& Presenters() {
  static std::map<HWND, Presenter> presenters;
  return presenters;
}

bool videoReady = false;
int scalingMode = kPlatformScalingSharp;
// The X window the next top-level window draws into; 0: none.
uint64_t pendingExistingWindow = 0;

bool EnsureVideo() {
  if (videoReady) return true;
  // Whether the screensaver may start is decided per window (see
  // UpdateScreenSaver), not by SDL's blanket default of never.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "platform: no display (%s); set TARNWICKET_HEADLESS=1 to run without one\n", SDL_GetError());
    return false;
  }
  videoReady = true;
  return true;
}

Presenter* FindPresenter(HWND window) {
  auto& presenters = Presenters();
  auto found = presenters.find(TopLevelOf(window));
  return found == presenters.end() ? nullptr : &found->second;
}

// The system's screensaver is kept off while a show covers the screen in a
// window of our own; a window on the desktop, or a screensaver's window, lets
// it start.
void UpdateScreenSaver() {
  if (!videoReady) return;
  bool inhibit = false;
  for (const auto& entry : Presenters())
    inhibit = inhibit || (entry.second.frameWindow && entry.second.fullScreen && !entry.second.embedded);
  if (inhibit == (SDL_IsScreenSaverEnabled() == SDL_FALSE)) return;
  if (inhibit) {
    SDL_DisableScreenSaver();
  } else {
    SDL_EnableScreenSaver();
  }
}

// Covers the window's display with the window itself. Without a window manager
// (Xvfb, kiosk sessions) the full-screen request alone leaves the window where
// and as large as it was while SDL scales for the whole display, and the frame
// is cut; the geometry set again after the request reaches the window.
void CoverDisplay(SDL_Window* window) {
  SDL_Rect desktop{};
  const int display = SDL_GetWindowDisplayIndex(window);
  if (SDL_GetDisplayBounds(display < 0 ? 0 : display, &desktop) != 0) return;
  SDL_SetWindowPosition(window, desktop.x, desktop.y);
  SDL_SetWindowSize(window, desktop.w, desktop.h);
}

// The refresh rate of the window's display in hertz, 0 where it is unknown (Xvfb).
int RefreshRate(SDL_Window* window) {
  SDL_DisplayMode mode{};
  if (SDL_GetWindowDisplayMode(window, &mode) == 0 && mode.refresh_rate > 0) return mode.refresh_rate;
  return 0;
}

// Paces at the display's refresh. A display without a known rate gets 60 Hz
// and no trust in the renderer's vsync, which such displays do not honour.
void ConfigurePacer(FramePacer& pacer, SDL_Window* window, bool rendererWaitsForVsync) {
  const int rate = RefreshRate(window);
  pacer.Configure(rate > 0 ? 1.0 / rate : 1.0 / 60.0, rendererWaitsForVsync && rate > 0);
}

// The index of SDL's software renderer, -1 when it is missing.
int SoftwareRendererIndex() {
  for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
    SDL_RendererInfo info{};
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && SDL_strcmp(info.name, "software") == 0) return i;
  }
  return -1;
}

bool EnsureRenderer(Presenter& presenter, int width, int height) {
  if (presenter.renderer == nullptr) {
    // Another program's window has its own pixel format, which an OpenGL
    // renderer would need to match; the software renderer draws into any.
    const int driver = presenter.embedded ? SoftwareRendererIndex() : -1;
    presenter.renderer = SDL_CreateRenderer(presenter.window, driver, SDL_RENDERER_PRESENTVSYNC);
    if (presenter.renderer == nullptr) presenter.renderer = SDL_CreateRenderer(presenter.window, driver, 0);
    if (presenter.renderer == nullptr) {
      std::fprintf(stderr, "platform: no renderer (%s)\n", SDL_GetError());
      return false;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(presenter.renderer, &info);
    presenter.rendererWaitsForVsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    ConfigurePacer(presenter.pacer, presenter.window, presenter.rendererWaitsForVsync);
  }
  if (presenter.texture == nullptr || presenter.textureWidth != width || presenter.textureHeight != height) {
    if (presenter.texture != nullptr) SDL_DestroyTexture(presenter.texture);
    presenter.hasFrame = false;
    presenter.texture =
        SDL_CreateTexture(presenter.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (presenter.texture == nullptr) return false;
    presenter.textureWidth = width;
    presenter.textureHeight = height;
  }
  return true;
}

void DestroyPresenter(Presenter& presenter) {
  presenter.scaler.Release();
  if (presenter.texture != nullptr) SDL_DestroyTexture(presenter.texture);
  if (presenter.renderer != nullptr) SDL_DestroyRenderer(presenter.renderer);
  if (presenter.window != nullptr) {
    // The pointer hidden over another program's window is given back to it.
    if (presenter.embedded) SDL_ShowCursor(SDL_ENABLE);
    SDL_DestroyWindow(presenter.window);
  }
  presenter.texture = nullptr;
  presenter.renderer = nullptr;
  presenter.window = nullptr;
}

// How many times its size a window opens at: SDL's own high-density scaling
// where the system has it (the output then has more pixels than the window
// has points), else the display's density.
int WindowScale(SDL_Window* window, int width, int height) {
  int pixelsWide = 0;
  int pixelsHigh = 0;
  SDL_GetWindowSizeInPixels(window, &pixelsWide, &pixelsHigh);
  int pointsWide = 0;
  int pointsHigh = 0;
  SDL_GetWindowSize(window, &pointsWide, &pointsHigh);
  if (pixelsWide > pointsWide) return 1;
  const int display = SDL_GetWindowDisplayIndex(window);
  float dpi = 0;
  SDL_Rect usable{};
  if (SDL_GetDisplayDPI(display < 0 ? 0 : display, nullptr, &dpi, nullptr) != 0) dpi = 0;
  if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) != 0) return 1;
  return WindowScaleForDisplay(dpi, width, height, usable.w, usable.h);
}

// The window's place and shape after a change between the window and the
// full screen.
void ApplyGeometry(Presenter& presenter) {
  if (presenter.embedded) return;
  SDL_Window* window = presenter.window;
  if (presenter.fullScreen) {
    SDL_SetWindowBordered(window, SDL_FALSE);
    CoverDisplay(window);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    CoverDisplay(window);
  } else {
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowBordered(window, SDL_TRUE);
    SDL_SetWindowSize(window, presenter.logicalWidth * presenter.windowScale,
                      presenter.logicalHeight * presenter.windowScale);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  if (presenter.renderer != nullptr) ConfigurePacer(presenter.pacer, presenter.window, presenter.rendererWaitsForVsync);
  UpdateScreenSaver();
}

// Shows the texture's frame scaled into the window's output.
void Show(Presenter& presenter, bool paced) {
  if (!presenter.scaler.Draw(presenter.renderer, presenter.texture, presenter.textureWidth, presenter.textureHeight,
                             scalingMode))
    return;
  if (paced) presenter.pacer.WaitForNextRefresh();
  SDL_RenderPresent(presenter.renderer);
  if (paced) presenter.pacer.Presented();
}

SDL_Window* CreateSdlWindow(const char* title, int width, int height, bool* embedded) {
  *embedded = false;
  if (pendingExistingWindow != 0) {
    const uint64_t existing = pendingExistingWindow;
    pendingExistingWindow = 0;
    SDL_Window* window = SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<uintptr_t>(existing)));
    if (window != nullptr) {
      *embedded = true;
      return window;
    }
    std::fprintf(stderr, "platform: cannot draw into window 0x%llx (%s)\n", static_cast<unsigned long long>(existing),
                 SDL_GetError());
    return nullptr;
  }
  return SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width > 0 ? width : 1,
                          height > 0 ? height : 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
}

}  // namespace

void PlatformSetScalingMode(int mode) {
  const bool known =
      mode == kPlatformScalingSharp || mode == kPlatformScalingPixelPerfect || mode == kPlatformScalingSmooth;
  scalingMode = known ? mode : kPlatformScalingSharp;
}

bool PlatformUseExistingWindow(unsigned long long windowId) {
  if (PlatformHeadless() || !EnsureVideo()) return false;
  const uint64_t window = X11ExistingWindow(windowId);
  if (window == 0) return false;
  pendingExistingWindow = window;
  return true;
}

bool PresentCreateWindow(HWND window, const char* title, int width, int height) {
  if (PlatformHeadless()) return true;
  if (!EnsureVideo()) return false;
  bool embedded = false;
  SDL_Window* sdlWindow = CreateSdlWindow(title, width, height, &embedded);
  if (sdlWindow == nullptr) {
    std::fprintf(stderr, "platform: cannot create a window (%s)\n", SDL_GetError());
    return false;
  }
  Presenter& presenter = Presenters()[window];
  presenter.window = sdlWindow;
  presenter.embedded = embedded;
  presenter.logicalWidth = width > 0 ? width : 1;
  presenter.logicalHeight = height > 0 ? height : 1;
  if (!embedded) {
    presenter.windowScale = WindowScale(sdlWindow, presenter.logicalWidth, presenter.logicalHeight);
    if (presenter.windowScale > 1) {
      SDL_SetWindowSize(sdlWindow, presenter.logicalWidth * presenter.windowScale,
                        presenter.logicalHeight * presenter.windowScale);
      SDL_SetWindowPosition(sdlWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
  }
  return true;
}

void PresentDestroyWindow(HWND window) {
  auto& presenters = Presenters();
  auto found = presenters.find(window);
  if (found == presenters.end()) return;
  DestroyPresenter(found->second);
  presenters.erase(found);
  UpdateScreenSaver();
}

void PresentShowWindow(HWND window, bool visible) {
  Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr || presenter->embedded) return;
  if (visible) {
    SDL_ShowWindow(presenter->window);
    if (presenter->fullScreen) CoverDisplay(presenter->window);
    SDL_RaiseWindow(presenter->window);
  } else {
    SDL_HideWindow(presenter->window);
  }
}

void PresentMarkFrameWindow(HWND window) {
  Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr || presenter->frameWindow) return;
  presenter->frameWindow = true;
  if (!presenter->embedded) SDL_SetWindowResizable(presenter->window, SDL_TRUE);
  UpdateScreenSaver();
}

bool PresentIsFrameWindow(HWND window) {
  const Presenter* presenter = FindPresenter(window);
  return presenter != nullptr && presenter->frameWindow && !presenter->embedded;
}

bool PresentIsResizable(HWND window) {
  const Presenter* presenter = FindPresenter(window);
  return presenter != nullptr && !presenter->embedded && !presenter->fullScreen &&
         (SDL_GetWindowFlags(presenter->window) & SDL_WINDOW_RESIZABLE) != 0;
}

void PresentSetFullScreen(HWND window, bool fullScreen) {
  Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr) return;
  presenter->fullScreen = fullScreen;
  ApplyGeometry(*presenter);
}

void PresentToggleFullScreen(HWND window) {
  Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr || presenter->embedded) return;
  presenter->fullScreen = !presenter->fullScreen;
  ApplyGeometry(*presenter);
  if (presenter->hasFrame) Show(*presenter, false);
}

bool PresentIsFullScreen(HWND window) {
  const Presenter* presenter = FindPresenter(window);
  return presenter != nullptr && presenter->fullScreen;
}

void PresentFrame(HWND window, const uint32_t* pixels, int width, int height, int pitch) {
  if (PlatformHeadless()) {
    HeadlessStoreFrame(pixels, width, height, pitch);
    return;
  }
  Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr || !EnsureRenderer(*presenter, width, height)) return;
  SDL_UpdateTexture(presenter->texture, nullptr, pixels, pitch);
  presenter->hasFrame = true;
  Show(*presenter, true);
}

void PresentRedraw(HWND window) {
  Presenter* presenter = FindPresenter(window);
  if (presenter != nullptr && presenter->renderer != nullptr && presenter->hasFrame) Show(*presenter, false);
}

bool PresentMapPointToFrame(HWND window, int* x, int* y) {
  const Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr) return false;
  int windowWidth = 0;
  int windowHeight = 0;
  SDL_GetWindowSize(presenter->window, &windowWidth, &windowHeight);
  const ScalePlan& plan = presenter->scaler.LastPlan();
  const int outputWidth = presenter->scaler.OutputWidth();
  const int outputHeight = presenter->scaler.OutputHeight();
  if (windowWidth <= 0 || windowHeight <= 0 || plan.picture.width <= 0 || plan.picture.height <= 0 ||
      outputWidth <= 0 || outputHeight <= 0) {
    // Nothing shown yet: the window is the program's size times its scale.
    *x /= presenter->windowScale;
    *y /= presenter->windowScale;
    return true;
  }
  // Window points to output pixels to the frame's pixels.
  const long long outputX = static_cast<long long>(*x) * outputWidth / windowWidth - plan.picture.x;
  const long long outputY = static_cast<long long>(*y) * outputHeight / windowHeight - plan.picture.y;
  auto toFrame = [](long long along, int frameSize, int pictureSize) {
    const long long scaled = along * frameSize;
    return static_cast<int>(scaled >= 0 ? scaled / pictureSize : -((-scaled + pictureSize - 1) / pictureSize));
  };
  *x = toFrame(outputX, presenter->textureWidth, plan.picture.width);
  *y = toFrame(outputY, presenter->textureHeight, plan.picture.height);
  return true;
}

size_t PresentIntermediateBytes(HWND window) {
  const Presenter* presenter = FindPresenter(window);
  return presenter != nullptr ? presenter->scaler.IntermediateBytes() : 0;
}

bool PresentScreenSaverInhibited() { return videoReady && SDL_IsScreenSaverEnabled() == SDL_FALSE; }

void PresentShowPointer(bool visible) {
  if (videoReady && !PlatformHeadless()) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void PresentDesktopSize(int* width, int* height) {
  SDL_DisplayMode mode{};
  if (!PlatformHeadless() && EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    *width = mode.w;
    *height = mode.h;
    return;
  }
  *width = kHeadlessDesktopWidth;
  *height = kHeadlessDesktopHeight;
}

SDL_Window* PresentSdlWindowOf(HWND window) {
  Presenter* presenter = FindPresenter(window);
  return presenter != nullptr ? presenter->window : nullptr;
}

HWND PresentWindowForSdlId(uint32_t sdlWindowId) {
  for (auto& entry : Presenters())
    if (entry.second.window != nullptr && SDL_GetWindowID(entry.second.window) == sdlWindowId) return entry.first;
  return nullptr;
}

bool PresentVideoReady() { return videoReady; }
