// The headless dialogs' idle handler.
#include "platform/src/dialog_idle.h"

#include <utility>

namespace {

DialogIdleHandler& Handler() {
  static DialogIdleHandler handler;
  return handler;
}

}  // namespace

void SetDialogIdleHandler(DialogIdleHandler handler) { Handler() = std::move(handler); }

bool RunDialogIdleHandler(HWND dialog) {
  // A copy: the handler may replace itself while it runs.
  DialogIdleHandler handler = Handler();
  return handler && handler(dialog);
}
