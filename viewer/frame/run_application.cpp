// The message loop and the fatal-error box of the program's entry function.
#include "viewer/frame/run_application.h"

#include "viewer/frame/evidence_log.h"
#include "viewer/frame/window_procedure.h"

int RunMessageLoop() {
  MSG message;
  for (;;) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) break;
      DispatchMessageA(&message);
      RethrowHeldFatalError();
    } else {
      theApp->UpdateFrame();
    }
  }
  NoteEvidence("exit", static_cast<long>(message.wParam));
  return static_cast<int>(message.wParam);
}

// The window no longer reaches the application while the box is up, so no
// timer tick or key plays on behind it.
void ShowFatalError(const FatalError& error) {
  if (appWindow != nullptr) DetachApplication(appWindow);
  NoteEvidence("fatal", error.text);
  MessageBoxA(nullptr, error.text, "Fatal Error", MB_TASKMODAL);
}
