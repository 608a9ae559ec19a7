// Registries of dialogs and controls, and the window classes behind them.
#include "platform/src/dialog_state.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/src/window_table.h"

const char kDialogClassName[] = "#32770";

namespace {

struct DialogRegistry {
  std::vector<std::unique_ptr<DialogWindow>> dialogs;  // in order of making
  std::map<HWND, DialogControl> controls;
};

DialogRegistry& Registry() {
  static DialogRegistry registry;
  return registry;
}

void EnsureClass(const char* name, WNDPROC procedure) {
  if (FindWindowClass(name) != nullptr) return;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.lpszClassName = name;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  RegisterClassA(&windowClass);
}

}  // namespace

DialogWindow* FindDialogWindow(HWND window) {
  if (window == nullptr) return nullptr;
  for (auto& dialog : Registry().dialogs)
    if (dialog->window == window) return dialog.get();
  return nullptr;
}

DialogWindow& AddDialogWindow(HWND window) {
  Registry().dialogs.push_back(std::make_unique<DialogWindow>());
  DialogWindow& dialog = *Registry().dialogs.back();
  dialog.window = window;
  return dialog;
}

void RemoveDialogWindow(HWND window) {
  auto& dialogs = Registry().dialogs;
  dialogs.erase(
      std::remove_if(dialogs.begin(), dialogs.end(),
                     [window](const std::unique_ptr<DialogWindow>& dialog) { return dialog->window == window; }),
      dialogs.end());
}

std::vector<DialogWindow*> DialogWindowsInOrder() {
  std::vector<DialogWindow*> result;
  for (auto& dialog : Registry().dialogs) result.push_back(dialog.get());
  return result;
}

DialogControl* FindDialogControl(HWND control) {
  auto& controls = Registry().controls;
  const auto found = controls.find(control);
  return found == controls.end() ? nullptr : &found->second;
}

DialogControl& AddDialogControl(HWND control, DialogControl::Kind kind) {
  DialogControl& added = Registry().controls[control];
  added = DialogControl();
  added.kind = kind;
  return added;
}

void RemoveDialogControl(HWND control) { Registry().controls.erase(control); }

void EnsureDialogClasses() {
  EnsureClass(kDialogClassName, DialogWindowProcedure);
  EnsureClass("Button", ButtonProcedure);
  EnsureClass("Static", StaticProcedure);
}
