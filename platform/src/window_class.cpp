// RegisterClassA and UnregisterClassA.
#include <strings.h>

#include "platform/src/window_table.h"

ATOM RegisterClassA(const WNDCLASSA* lpWndClass) {
  if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr || lpWndClass->lpfnWndProc == nullptr ||
      IS_INTRESOURCE(lpWndClass->lpszClassName) || lpWndClass->cbWndExtra < 0 || lpWndClass->cbClsExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (FindWindowClass(lpWndClass->lpszClassName) != nullptr) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  WindowSystem& system = Windows();
  auto windowClass = std::make_unique<WindowClass>();
  windowClass->name = lpWndClass->lpszClassName;
  windowClass->atom = system.nextAtom++;
  windowClass->style = lpWndClass->style;
  windowClass->procedure = lpWndClass->lpfnWndProc;
  windowClass->classExtraBytes = lpWndClass->cbClsExtra;
  windowClass->windowExtraBytes = lpWndClass->cbWndExtra;
  windowClass->instance = lpWndClass->hInstance;
  windowClass->icon = lpWndClass->hIcon;
  windowClass->cursor = lpWndClass->hCursor;
  windowClass->background = lpWndClass->hbrBackground;
  const ATOM atom = windowClass->atom;
  system.classes.push_back(std::move(windowClass));
  return atom;
}

BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
  WindowClass* windowClass = FindWindowClass(lpClassName);
  if (windowClass == nullptr) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return FALSE;
  }
  auto& classes = Windows().classes;
  for (auto it = classes.begin(); it != classes.end(); ++it) {
    if (it->get() == windowClass) {
      classes.erase(it);
      break;
    }
  }
  return TRUE;
}
