// DirectDrawApplication: the base of the viewer's single application object.
// It owns what ties the viewer to the platform: the "ddwindow" window, the
// DirectDraw object with its primary surface and back buffer, the display
// mode and one timer. The derived class draws the frames and answers keys and
// timer ticks; the base offers it blitting and surface creation.
#pragma once

#include <cstdint>

#include "common/settings/settings_file.h"
#include "platform/win32.h"
#include "viewer/frame/fatal_error.h"
#include "viewer/frame/frame_display.h"
#include "viewer/frame/present_schedule.h"

class DirectDrawApplication {
 public:
  using FatalError = ::FatalError;

  // Sets up the window and the display: full-screen exclusive mode unless
  // fullScreenChoice is 0 (see FullScreenChoice). The command line is the
  // derived class's business; the base only passes it through.
  DirectDrawApplication(HINSTANCE instance, const char* title, int showCommand, int32_t width, int32_t height,
                        int32_t bitsPerPixel, const char* commandLine, int16_t fullScreenChoice);

  // The virtual operations, in this order: key down, key up, destructor,
  // frame update, timer tick.
  virtual void OnKeyDown(WPARAM virtualKey, LPARAM keyData);
  virtual void OnKeyUp(WPARAM virtualKey, LPARAM keyData);
  virtual ~DirectDrawApplication();
  virtual void UpdateFrame() = 0;
  virtual void OnTimer() = 0;

  DirectDrawApplication(const DirectDrawApplication&) = delete;
  DirectDrawApplication& operator=(const DirectDrawApplication&) = delete;

  // Shows the back buffer by flipping the chain (full-screen mode only); a
  // lost or refused flip drops the frame.
  void FlipSurfaces();
  // Windowed mode: shows the frame (an off-screen surface of the frame's
  // size) in the window's client area, wherever the window is on the screen
  // and clipped to what of it is visible; a screensaver preview's smaller
  // client area gets the frame reduced. A lost primary surface is fatal.
  void PresentWindowed(LPDIRECTDRAWSURFACE frame);
  // Starts timer 1 on the application window, or changes its period.
  void StartTimer(UINT periodMs);

  // Copies a rectangle of `source` to (destX, destY) of `destination`,
  // clipped to the 800 x 600 frame: opaque, skipping pure black
  // (transparent = 1), or blended at 50 % (translucent = 1 and transparent = 1).
  void Blit(LPDIRECTDRAWSURFACE source, int16_t x, int16_t y, int16_t width, int16_t height,
            LPDIRECTDRAWSURFACE destination, int16_t destX, int16_t destY, uint8_t translucent, uint8_t transparent);
  // A new off-screen surface in the display format whose transparent colour
  // is black; it lives as long as the DirectDraw object.
  LPDIRECTDRAWSURFACE CreateBitmapSurface(int32_t width, int32_t height);
  // Draws a rectangle of a GDI bitmap onto the whole surface; a width or
  // height of 0 stands for the bitmap's own.
  void CopyBitmapToSurface(LPDIRECTDRAWSURFACE surface, HBITMAP bitmap, int16_t sourceX, int16_t sourceY,
                           int16_t sourceWidth, int16_t sourceHeight);

  LPDIRECTDRAW directDraw;
  int32_t active;
  HINSTANCE instance;
  LPDIRECTDRAWSURFACE primarySurface;
  LPDIRECTDRAWSURFACE backBuffer;
  int32_t width;
  int32_t height;
  int32_t bitsPerPixel;
  int16_t fullScreen;

 private:
  void ApplyForcedDisplayMode();
  void RegisterWindowClass();
  void CreateAppWindow(const char* title, int showCommand);
  void SetUpDirectDraw();
  void SetUpFullScreen();
  void SetUpWindowed();
  void ClearDisplay();
  // The window's client area in screen coordinates; false when it is empty
  // (the window is minimised).
  bool ClientAreaOnScreen(RECT* area) const;
#ifdef _WIN32
  // The frame reduced into a screensaver preview's window.
  void PresentPreview(LPDIRECTDRAWSURFACE frame);
#endif
  void ReleaseDisplayObjects();
  // The display mode as set up: its refresh rate paces the frames, and the
  // evidence log (see evidence_log.h) records it.
  void ReadDisplayMode();
  // A frame went out: counted, noted and paced.
  void FramePresented();
  void NoteDroppedFlip(HRESULT result);
  void BlendBlit(LPDIRECTDRAWSURFACE source, RECT sourceRect, LPDIRECTDRAWSURFACE destination, RECT destRect);

  PresentPacer presentPacer;
  long framesPresented = 0;
  long flipsDropped = 0;
};

// The display the settings ask for: windowed (0) when the file's first byte,
// windowedMode, is 1; full-screen exclusive (1) for any other byte, an empty
// file or no file.
inline int16_t FullScreenChoice(const SettingsFile& settings) {
  return settings.Holds(settings.record.windowedMode) && settings.record.windowedMode == 1 ? 0 : 1;
}

// The program has one window and one application object.
extern HWND appWindow;
extern DirectDrawApplication* theApp;
