// Creating, showing and destroying windows.
#include <algorithm>

#include "platform/src/core_backend.h"
#include "platform/src/present_window.h"
#include "platform/src/window_table.h"

namespace {

// Size and position for CW_USEDEFAULT.
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

void RemoveRecord(HWND window) {
  WindowSystem& system = Windows();
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return;
  if (WindowRecord* parent = FindWindowRecord(record->parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
  }
  if (IsTopLevel(*record)) PresentDestroyWindow(window);
  system.windows.erase(window);
}

// Sends WM_DESTROY to a window and then to its children, WM_NCDESTROY the
// other way round, and drops the window's timers and queued messages.
void DestroyTree(HWND window) {
  WindowSystem& system = Windows();
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || record->destroying) return;
  record->destroying = true;
  if (system.captureWindow == window) system.captureWindow = nullptr;
  if (system.focusWindow == window) system.focusWindow = nullptr;
  if (system.activeWindow == window) system.activeWindow = nullptr;
  SendMessageA(window, WM_DESTROY, 0, 0);
  record = FindWindowRecord(window);
  if (record == nullptr) return;
  const std::vector<HWND> children = record->children;
  for (HWND child : children) DestroyTree(child);
  SendMessageA(window, WM_NCDESTROY, 0, 0);
  system.timers.erase(std::remove_if(system.timers.begin(), system.timers.end(),
                                     [window](const WindowTimer& timer) { return timer.window == window; }),
                      system.timers.end());
  system.queue.erase(std::remove_if(system.queue.begin(), system.queue.end(),
                                    [window](const MSG& message) { return message.hwnd == window; }),
                     system.queue.end());
  RemoveRecord(window);
}

}  // namespace

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y, int nWidth,
                     int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam) {
  WindowSystem& system = Windows();
  const WindowClass* windowClass = FindWindowClass(lpClassName);
  if (windowClass == nullptr) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  WindowRecord* parent = FindWindowRecord(hWndParent);
  if ((hWndParent != nullptr && parent == nullptr) || ((dwStyle & WS_CHILD) != 0 && parent == nullptr)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }

  auto record = std::make_unique<WindowRecord>();
  HWND handle = reinterpret_cast<HWND>(system.nextHandle);
  system.nextHandle += 4;
  record->handle = handle;
  record->className = windowClass->name;
  record->classCursor = windowClass->cursor;
  record->classBackground = windowClass->background;
  record->procedure = windowClass->procedure;
  record->style = dwStyle & ~static_cast<DWORD>(WS_VISIBLE);
  record->exStyle = dwExStyle;
  record->parent = hWndParent;
  record->x = X == CW_USEDEFAULT ? 0 : X;
  record->y = (X == CW_USEDEFAULT || Y == CW_USEDEFAULT) ? 0 : Y;
  record->width = nWidth == CW_USEDEFAULT ? kDefaultWidth : std::max(nWidth, 0);
  record->height = nWidth == CW_USEDEFAULT ? kDefaultHeight : std::max(nHeight, 0);
  record->text = lpWindowName != nullptr ? lpWindowName : "";
  record->instance = hInstance;
  record->id = (dwStyle & WS_CHILD) != 0 ? reinterpret_cast<LONG_PTR>(hMenu) : 0;
  record->extraBytes.assign(static_cast<size_t>(windowClass->windowExtraBytes), 0);
  const bool topLevel = IsTopLevel(*record);
  const bool visible = (dwStyle & WS_VISIBLE) != 0;
  const int width = record->width;
  const int height = record->height;
  system.windows.emplace(handle, std::move(record));
  if (parent != nullptr) parent->children.push_back(handle);

  if (topLevel && !PresentCreateWindow(handle, lpWindowName != nullptr ? lpWindowName : "", width, height)) {
    RemoveRecord(handle);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }

  CREATESTRUCTA create{};
  create.lpCreateParams = lpParam;
  create.hInstance = hInstance;
  create.hMenu = hMenu;
  create.hwndParent = hWndParent;
  create.cx = width;
  create.cy = height;
  create.x = X;
  create.y = Y;
  create.style = static_cast<LONG>(dwStyle);
  create.lpszName = lpWindowName;
  create.lpszClass = lpClassName;
  create.dwExStyle = dwExStyle;
  const LPARAM createParam = reinterpret_cast<LPARAM>(&create);
  if (SendMessageA(handle, WM_NCCREATE, 0, createParam) == 0) {
    DestroyTree(handle);
    return nullptr;
  }
  if (FindWindowRecord(handle) == nullptr) return nullptr;
  if (SendMessageA(handle, WM_CREATE, 0, createParam) == -1) {
    DestroyTree(handle);
    return nullptr;
  }
  if (FindWindowRecord(handle) == nullptr) return nullptr;
  if (visible) ShowWindow(handle, SW_SHOW);
  return handle;
}

BOOL DestroyWindow(HWND hWnd) {
  if (FindWindowRecord(hWnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  DestroyTree(hWnd);
  return TRUE;
}

BOOL IsWindow(HWND hWnd) { return FindWindowRecord(hWnd) != nullptr ? TRUE : FALSE; }

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const bool wasVisible = record->visible;
  const bool show = nCmdShow != SW_HIDE;
  if (show != wasVisible) {
    record->visible = show;
    if (show) record->needsPaint = true;
    if (show)
      record->style |= WS_VISIBLE;
    else
      record->style &= ~static_cast<DWORD>(WS_VISIBLE);
    SendMessageA(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (FindWindowRecord(hWnd) == nullptr) return wasVisible ? TRUE : FALSE;
    if (IsTopLevel(*record)) PresentShowWindow(hWnd, show);
  }
  const bool activates = nCmdShow != SW_HIDE && nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWNA &&
                         nCmdShow != SW_SHOWMINNOACTIVE && nCmdShow != SW_MINIMIZE;
  if (activates && IsTopLevel(*record)) ActivateWindow(hWnd);
  return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hWnd) {
  for (WindowRecord* record = FindWindowRecord(hWnd); record != nullptr; record = FindWindowRecord(record->parent)) {
    if (!record->visible) return FALSE;
    if (IsTopLevel(*record)) return TRUE;
  }
  return FALSE;
}

BOOL UpdateWindow(HWND hWnd) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (record->needsPaint && record->visible) SendMessageA(hWnd, WM_PAINT, 0, 0);
  return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const RECT*, BOOL) {
  if (hWnd == nullptr) {
    for (auto& entry : Windows().windows) entry.second->needsPaint = true;
    return TRUE;
  }
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  record->needsPaint = true;
  return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT*) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  record->needsPaint = false;
  return TRUE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) return FALSE;
  const bool wasDisabled = !record->enabled;
  if (record->enabled != (bEnable != FALSE)) {
    record->enabled = bEnable != FALSE;
    if (record->enabled)
      record->style &= ~static_cast<DWORD>(WS_DISABLED);
    else
      record->style |= WS_DISABLED;
    SendMessageA(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
  }
  return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd) {
  WindowRecord* record = FindWindowRecord(hWnd);
  return record != nullptr && record->enabled ? TRUE : FALSE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const bool resized = record->width != nWidth || record->height != nHeight;
  const bool moved = record->x != X || record->y != Y;
  record->x = X;
  record->y = Y;
  record->width = std::max(nWidth, 0);
  record->height = std::max(nHeight, 0);
  if (bRepaint) record->needsPaint = true;
  if (moved) SendMessageA(hWnd, WM_MOVE, 0, MAKELPARAM(X, Y));
  if (resized) SendMessageA(hWnd, WM_SIZE, 0, MAKELPARAM(nWidth, nHeight));
  return TRUE;
}
