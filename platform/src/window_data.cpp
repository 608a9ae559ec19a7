// Window data: extra bytes and fields (Get/SetWindowLong), text, geometry,
// parent and child lookup, focus, capture and activation queries.
#include <algorithm>
#include <cstring>

#include "platform/src/present_window.h"
#include "platform/src/window_table.h"

namespace {

// Reads or replaces a field or the extra bytes at a window-data index;
// `size` is 4 for the LONG calls and pointer-sized for the LONG_PTR calls.
bool AccessWindowData(HWND window, int index, size_t size, const LONG_PTR* newValue, LONG_PTR* oldValue) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return false;
  }
  if (index >= 0) {
    if (static_cast<size_t>(index) + size > record->extraBytes.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return false;
    }
    uint8_t* bytes = record->extraBytes.data() + index;
    if (size == sizeof(LONG)) {
      LONG value;
      std::memcpy(&value, bytes, sizeof value);
      *oldValue = value;
      if (newValue != nullptr) {
        value = static_cast<LONG>(*newValue);
        std::memcpy(bytes, &value, sizeof value);
      }
    } else {
      std::memcpy(oldValue, bytes, sizeof(LONG_PTR));
      if (newValue != nullptr) std::memcpy(bytes, newValue, sizeof(LONG_PTR));
    }
    return true;
  }
  const bool pointerSized = size == sizeof(LONG_PTR);
  switch (index) {
    case GWLP_WNDPROC:
      if (!pointerSized) break;
      *oldValue = reinterpret_cast<LONG_PTR>(record->procedure);
      if (newValue != nullptr) record->procedure = reinterpret_cast<WNDPROC>(*newValue);
      return true;
    case GWLP_HINSTANCE:
      if (!pointerSized) break;
      *oldValue = reinterpret_cast<LONG_PTR>(record->instance);
      if (newValue != nullptr) record->instance = reinterpret_cast<HINSTANCE>(*newValue);
      return true;
    case GWLP_USERDATA:
      if (!pointerSized) break;
      *oldValue = record->userData;
      if (newValue != nullptr) record->userData = *newValue;
      return true;
    case GWLP_ID:
      *oldValue = record->id;
      if (newValue != nullptr) record->id = *newValue;
      return true;
    case GWL_STYLE:
      *oldValue = static_cast<LONG>(record->style);
      if (newValue != nullptr) record->style = static_cast<DWORD>(*newValue);
      return true;
    case GWL_EXSTYLE:
      *oldValue = static_cast<LONG>(record->exStyle);
      if (newValue != nullptr) record->exStyle = static_cast<DWORD>(*newValue);
      return true;
    default: break;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return false;
}

LONG_PTR WindowData(HWND window, int index, size_t size, const LONG_PTR* newValue) {
  LONG_PTR oldValue = 0;
  if (!AccessWindowData(window, index, size, newValue, &oldValue)) return 0;
  return oldValue;
}

// A window's client-area origin in screen coordinates.
POINT ClientOrigin(HWND window) {
  POINT origin{0, 0};
  for (WindowRecord* record = FindWindowRecord(window); record != nullptr; record = FindWindowRecord(record->parent)) {
    origin.x += record->x;
    origin.y += record->y;
    if (IsTopLevel(*record)) break;
  }
  return origin;
}

}  // namespace

LONG GetWindowLongA(HWND hWnd, int nIndex) {
  return static_cast<LONG>(WindowData(hWnd, nIndex, sizeof(LONG), nullptr));
}

LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  const LONG_PTR value = dwNewLong;
  return static_cast<LONG>(WindowData(hWnd, nIndex, sizeof(LONG), &value));
}

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex) { return WindowData(hWnd, nIndex, sizeof(LONG_PTR), nullptr); }

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  return WindowData(hWnd, nIndex, sizeof(LONG_PTR), &dwNewLong);
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (FindWindowRecord(hWnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0 ? TRUE : FALSE;
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (lpString == nullptr || nMaxCount <= 0) return 0;
  lpString[0] = '\0';
  if (FindWindowRecord(hWnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return static_cast<int>(
      SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

HWND GetParent(HWND hWnd) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return record->parent;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
  WindowRecord* record = FindWindowRecord(hDlg);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  for (HWND child : record->children) {
    WindowRecord* childRecord = FindWindowRecord(child);
    if (childRecord != nullptr && childRecord->id == nIDDlgItem) return child;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
  WindowRecord* record = FindWindowRecord(hWnd);
  return record != nullptr ? static_cast<int>(record->id) : 0;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr || lpRect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *lpRect = RECT{0, 0, record->width, record->height};
  return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr || lpRect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const POINT origin = ClientOrigin(hWnd);
  *lpRect = RECT{origin.x, origin.y, origin.x + record->width, origin.y + record->height};
  return TRUE;
}

// The SDL window's frame lies outside the client area, so a window is as
// large as its client area.
BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD /*dwStyle*/, BOOL /*bMenu*/, DWORD /*dwExStyle*/) {
  if (lpRect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  if (FindWindowRecord(hWnd) == nullptr || lpPoint == nullptr) return FALSE;
  const POINT origin = ClientOrigin(hWnd);
  lpPoint->x += origin.x;
  lpPoint->y += origin.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  if (FindWindowRecord(hWnd) == nullptr || lpPoint == nullptr) return FALSE;
  const POINT origin = ClientOrigin(hWnd);
  lpPoint->x -= origin.x;
  lpPoint->y -= origin.y;
  return TRUE;
}

int GetSystemMetrics(int nIndex) {
  int width = 0;
  int height = 0;
  PresentDesktopSize(&width, &height);
  if (nIndex == SM_CXSCREEN) return width;
  if (nIndex == SM_CYSCREEN) return height;
  return 0;
}

HWND GetActiveWindow() { return Windows().activeWindow; }
HWND GetForegroundWindow() { return Windows().appActive ? Windows().activeWindow : nullptr; }

HWND SetActiveWindow(HWND hWnd) {
  HWND previous = Windows().activeWindow;
  ActivateWindow(TopLevelOf(hWnd));
  return previous;
}

BOOL SetForegroundWindow(HWND hWnd) {
  if (FindWindowRecord(hWnd) == nullptr) return FALSE;
  ActivateWindow(TopLevelOf(hWnd));
  return TRUE;
}

HWND GetFocus() { return Windows().focusWindow; }

HWND SetFocus(HWND hWnd) {
  WindowSystem& system = Windows();
  HWND previous = system.focusWindow;
  if (hWnd != nullptr && FindWindowRecord(hWnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (hWnd == previous) return previous;
  system.focusWindow = hWnd;
  if (previous != nullptr && FindWindowRecord(previous) != nullptr)
    SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
  if (hWnd != nullptr && FindWindowRecord(hWnd) != nullptr)
    SendMessageA(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

HWND GetCapture() { return Windows().captureWindow; }

HWND SetCapture(HWND hWnd) {
  WindowSystem& system = Windows();
  HWND previous = system.captureWindow;
  if (FindWindowRecord(hWnd) == nullptr) return previous;
  system.captureWindow = hWnd;
  if (previous != nullptr && previous != hWnd && FindWindowRecord(previous) != nullptr)
    SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
  return previous;
}

BOOL ReleaseCapture() {
  WindowSystem& system = Windows();
  HWND previous = system.captureWindow;
  system.captureWindow = nullptr;
  if (previous != nullptr && FindWindowRecord(previous) != nullptr) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}
