// poke: the smoke test's hand on the Windows desktop. A small console program
// run under Wine beside the program being tested; it waits for that
// program's window, tells where it is, and presses what a user would press.
//
//   poke wait <class|-> <title|-> <seconds>   wait until such a top-level window
//                                             is visible and answers; prints
//                                             "window L T R B client X Y W H"
//   poke gone <class|-> <title|-> <seconds>   wait until no such window is left
//   poke key <class|-> <title|-> <vk>         post a key press (down and up)
//   poke click <class|-> <title|-> <id>       click the dialog's control <id>
//   poke paint <class|-> <title|-> <seconds>  finish the painting that is due now
//   poke controls <class|-> <title|->         list the child controls
//   poke pointer <x> <y>                      put the mouse pointer there
//   poke move <class|-> <title|-> <x> <y>     move the window's top-left corner there
//   poke host <width> <height> <seconds>      make a top-level window "PreviewHost" (as
//                                             the screensaver settings' preview box), print
//                                             "host HWND", keep it that long, destroy it
//   poke child <hwnd> <seconds>               wait until the window has a child; prints
//                                             its place as "wait" does
// "-" matches any class or title. Exit code 0 on success, 1 on a time-out,
// 2 on a usage error.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const UINT kAnswerTimeoutMs = 2000;

struct Target {
  const char* windowClass;
  const char* title;
};

const char* OrNull(const char* argument) { return std::strcmp(argument, "-") == 0 ? nullptr : argument; }

// A visible top-level window of that class and title, or null.
HWND Find(const Target& target) {
  HWND window = FindWindowA(target.windowClass, target.title);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// True when the window's thread takes a message within the time-out: its
// start-up is over and it is running its message loop.
bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) != 0;
}

HWND WaitFor(const Target& target, double seconds) {
  const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    HWND window = Find(target);
    if (window != nullptr && Answers(window)) return window;
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return nullptr;
    Sleep(50);
  }
}

void PrintPlace(HWND window) {
  RECT outer = {};
  RECT client = {};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  std::printf("window %ld %ld %ld %ld client %ld %ld %ld %ld\n", outer.left, outer.top, outer.right, outer.bottom,
              origin.x, origin.y, client.right, client.bottom);
}

// Key data as a keyboard gives it: repeat count 1, the scan code, and for the
// release the previous-state and transition bits.
void PostKey(HWND window, WPARAM virtualKey) {
  const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(virtualKey), 0)) << 16;
  PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | scanCode);
  PostMessageA(window, WM_KEYUP, virtualKey, 1 | scanCode | (LPARAM(1) << 30) | (LPARAM(1) << 31));
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
  char className[64] = {};
  GetClassNameA(control, className, sizeof className);
  RECT rect = {};
  GetWindowRect(control, &rect);
  const LRESULT picture = SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0);
  std::printf("control %d %s %ld %ld %ld %ld %s picture %s\n", GetDlgCtrlID(control), className, rect.left, rect.top,
              rect.right - rect.left, rect.bottom - rect.top, IsWindowVisible(control) ? "visible" : "hidden",
              std::strcmp(className, "Static") == 0 ? (picture != 0 ? "yes" : "no") : "-");
  return TRUE;
}

// The screensaver settings' preview box: a plain window that paints
// nothing of its own beneath its child.
int Host(int width, int height, double seconds) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  windowClass.lpszClassName = "PreviewHost";
  RegisterClassA(&windowClass);
  HWND host = CreateWindowExA(0, "PreviewHost", "PreviewHost", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, width,
                              height, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (host == nullptr) return 1;
  std::printf("host %llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(host)));
  std::fflush(stdout);
  const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  while (static_cast<LONG>(GetTickCount() - deadline) < 0) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(20);
  }
  DestroyWindow(host);
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: poke wait|gone|paint <class|-> <title|-> <seconds>\n"
               "       poke key <class|-> <title|-> <virtual-key>\n"
               "       poke click <class|-> <title|-> <control-id>\n"
               "       poke controls <class|-> <title|->\n"
               "       poke pointer <x> <y>\n"
               "       poke move <class|-> <title|-> <x> <y>\n"
               "       poke host <width> <height> <seconds>\n"
               "       poke child <hwnd> <seconds>\n");
  return 2;
}

int NotFound(const char* command) {
  std::fprintf(stderr, "poke %s: no such window\n", command);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const char* command = argv[1];
  if (std::strcmp(command, "pointer") == 0) {
    if (argc != 4) return Usage();
    return SetCursorPos(std::atoi(argv[2]), std::atoi(argv[3])) ? 0 : 1;
  }
  if (std::strcmp(command, "host") == 0) {
    if (argc != 5) return Usage();
    return Host(std::atoi(argv[2]), std::atoi(argv[3]), std::atof(argv[4]));
  }
  if (std::strcmp(command, "child") == 0) {
    if (argc != 4) return Usage();
    HWND parent = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(argv[2], nullptr, 0)));
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(argv[3]) * 1000);
    for (;;) {
      HWND child = GetWindow(parent, GW_CHILD);
      if (child != nullptr && IsWindowVisible(child)) {
        PrintPlace(child);
        return 0;
      }
      if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return NotFound(command);
      Sleep(50);
    }
  }
  if (argc < 4) return Usage();
  const Target target = {OrNull(argv[2]), OrNull(argv[3])};
  if (std::strcmp(command, "move") == 0 && argc == 6) {
    HWND window = Find(target);
    if (window == nullptr) return NotFound(command);
    return SetWindowPos(window, nullptr, std::atoi(argv[4]), std::atoi(argv[5]), 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
  }

  if (std::strcmp(command, "wait") == 0 && argc == 5) {
    HWND window = WaitFor(target, std::atof(argv[4]));
    if (window == nullptr) return NotFound(command);
    PrintPlace(window);
    return 0;
  }
  if (std::strcmp(command, "gone") == 0 && argc == 5) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(argv[4]) * 1000);
    while (FindWindowA(target.windowClass, target.title) != nullptr) {
      if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return 1;
      Sleep(50);
    }
    return 0;
  }
  if (std::strcmp(command, "paint") == 0 && argc == 5) {
    HWND window = WaitFor(target, std::atof(argv[4]));
    if (window == nullptr) return NotFound(command);
    RedrawWindow(window, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    return Answers(window) ? 0 : 1;
  }
  if (std::strcmp(command, "controls") == 0 && argc == 4) {
    HWND window = Find(target);
    if (window == nullptr) return NotFound(command);
    PrintPlace(window);
    EnumChildWindows(window, PrintControl, 0);
    return 0;
  }
  if (std::strcmp(command, "key") == 0 && argc == 5) {
    HWND window = Find(target);
    if (window == nullptr) return NotFound(command);
    PostKey(window, static_cast<WPARAM>(std::strtoul(argv[4], nullptr, 0)));
    return 0;
  }
  if (std::strcmp(command, "click") == 0 && argc == 5) {
    HWND window = Find(target);
    if (window == nullptr) return NotFound(command);
    HWND control = GetDlgItem(window, std::atoi(argv[4]));
    if (control == nullptr) {
      std::fprintf(stderr, "poke click: no control %s\n", argv[4]);
      return 1;
    }
    // A click as the mouse makes it; the button tells its dialog.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result);
    return 0;
  }
  return Usage();
}
