// MessageBoxA: an SDL message box; headless, the box is logged and answered at once.
#include <SDL.h>

#include <cstdio>
#include <vector>

#include "platform/src/core_backend.h"
#include "platform/src/headless_state.h"
#include "platform/src/present_window.h"

namespace {

struct Button {
  int id;
  const char* label;
};

std::vector<Button> ButtonsFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "Yes"}, {IDNO, "No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "Retry"}, {IDCANCEL, "Cancel"}};
    default: return {{IDOK, "OK"}};
  }
}

Uint32 IconFlag(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return SDL_MESSAGEBOX_ERROR;
    case MB_ICONEXCLAMATION: return SDL_MESSAGEBOX_WARNING;
    default: return SDL_MESSAGEBOX_INFORMATION;
  }
}

// The answer when no box can be shown: the default button, or Cancel where there is one.
int AnswerWithoutDisplay(const std::vector<Button>& buttons, UINT type) {
  const size_t defaultButton = (type & MB_DEFMASK) >> 8;
  return buttons[defaultButton < buttons.size() ? defaultButton : 0].id;
}

}  // namespace

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  const char* text = lpText != nullptr ? lpText : "";
  const char* caption = lpCaption != nullptr ? lpCaption : "Error";
  if (PlatformHeadless()) {
    std::fprintf(stderr, "message box \"%s\": %s\n", caption, text);
    return HeadlessAnswerMessageBox(hWnd, text, caption, uType);
  }
  const std::vector<Button> buttons = ButtonsFor(uType);
  std::vector<SDL_MessageBoxButtonData> buttonData;
  const size_t defaultButton = (uType & MB_DEFMASK) >> 8;
  for (size_t i = 0; i < buttons.size(); ++i) {
    Uint32 flags = 0;
    if (i == defaultButton) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    if (buttons[i].id == IDCANCEL || buttons.size() == 1) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    buttonData.push_back(SDL_MessageBoxButtonData{flags, buttons[i].id, buttons[i].label});
  }
  SDL_MessageBoxData data{};
  data.flags = IconFlag(uType);
  data.window = PresentSdlWindowOf(hWnd);
  data.title = caption;
  data.message = text;
  data.numbuttons = static_cast<int>(buttonData.size());
  data.buttons = buttonData.data();
  PresentShowPointer(true);  // the user needs the pointer to answer
  int answer = 0;
  if (SDL_ShowMessageBox(&data, &answer) != 0 || answer <= 0) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    answer = AnswerWithoutDisplay(buttons, uType);
  }
  return answer;
}

BOOL MessageBeep(UINT) { return TRUE; }
