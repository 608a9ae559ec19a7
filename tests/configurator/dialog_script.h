// Drives a modal dialog in the headless backend: a list of steps, one run
// each time the dialog's loop has nothing left to do. A step injects mouse
// or key input, checks what the dialog holds or shows, or both. When the
// steps run out while a dialog is still open, the test fails and the dialog
// is ended, so that a broken test cannot hang.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/headless.h"
#include "platform/src/dialog_idle.h"
#include "platform/win32.h"

class DialogScript {
 public:
  using Step = std::function<void(HWND dialog)>;

  DialogScript() {
    SetDialogIdleHandler([this](HWND dialog) { return RunNext(dialog); });
  }
  ~DialogScript() { SetDialogIdleHandler(nullptr); }
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  DialogScript& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }

  // A click of the left button at a client point of the dialog.
  static void Click(HWND dialog, int x, int y) {
    headless::MouseButton(dialog, x, y, true);
    headless::MouseButton(dialog, x, y, false);
  }

  bool Finished() const { return next_ == steps_.size(); }

 private:
  bool RunNext(HWND dialog) {
    if (next_ >= steps_.size()) {
      ADD_FAILURE() << "the script ended while a dialog was still open";
      EndDialog(dialog, -2);
      return true;
    }
    Step step = steps_[next_++];
    step(dialog);
    return true;
  }

  std::vector<Step> steps_;
  size_t next_ = 0;
};
