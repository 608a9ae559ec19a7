// The window system's state: registered classes, the table of windows keyed
// by handle, the thread's message queue, timers, focus, capture and activation.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"

struct WindowClass {
  std::string name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC procedure = nullptr;
  int classExtraBytes = 0;
  int windowExtraBytes = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
};

struct WindowRecord {
  HWND handle = nullptr;
  std::string className;
  HCURSOR classCursor = nullptr;
  HBRUSH classBackground = nullptr;
  WNDPROC procedure = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;
  std::vector<HWND> children;
  int x = 0;  // relative to the parent's client area; screen position for top-level windows
  int y = 0;
  int width = 0;
  int height = 0;
  std::string text;
  HINSTANCE instance = nullptr;
  LONG_PTR id = 0;  // child identifier (the hMenu argument of a child)
  LONG_PTR userData = 0;
  std::vector<uint8_t> extraBytes;
  bool visible = false;
  bool enabled = true;
  bool needsPaint = false;
  bool destroying = false;
};

struct WindowTimer {
  HWND window = nullptr;
  UINT_PTR id = 0;
  uint32_t period = 0;
  uint64_t due = 0;
  TIMERPROC procedure = nullptr;
};

struct WindowSystem {
  std::vector<std::unique_ptr<WindowClass>> classes;
  std::map<HWND, std::unique_ptr<WindowRecord>> windows;
  std::deque<MSG> queue;
  std::vector<WindowTimer> timers;
  bool quitPending = false;
  int quitCode = 0;
  uintptr_t nextHandle = 0x10020;
  ATOM nextAtom = 0xC000;
  UINT_PTR nextThreadTimerId = 0x7FF0;
  HWND activeWindow = nullptr;
  HWND focusWindow = nullptr;
  HWND captureWindow = nullptr;
  bool appActive = false;
};

WindowSystem& Windows();

// The window behind a handle, or null when there is none (a window being
// destroyed is still found until its WM_NCDESTROY has been sent).
WindowRecord* FindWindowRecord(HWND window);
WindowClass* FindWindowClass(LPCSTR classNameOrAtom);

// The window's top-level ancestor (itself for a top-level window).
HWND TopLevelOf(HWND window);
bool IsTopLevel(const WindowRecord& record);
std::vector<HWND> TopLevelWindows();

// Activation: makes a top-level window the active one (WM_ACTIVATEAPP when the
// application becomes active, WM_ACTIVATE, focus).
void ActivateWindow(HWND window);
void SetApplicationActive(bool active);
