// The program's entry logic around its one application object: create it,
// run the message loop, and turn a FatalError into a "Fatal Error" box.
// The program's WinMain passes a function that allocates and constructs its
// application object:
//   return RunApplication([&] { return new ViewerApp(instance, ...); });
#pragma once

#include <new>

#include "viewer/frame/direct_draw_application.h"

// Takes messages until WM_QUIT, calling theApp->UpdateFrame() whenever the
// queue is empty; returns the quit message's wParam.
int RunMessageLoop();

// Shows the error's text in a task-modal message box titled "Fatal Error".
void ShowFatalError(const FatalError& error);

// Returns the exit code: the quit message's, or 0 after a fatal error. The
// object is never deleted; a constructor that throws frees its memory itself.
template <typename CreateApplication>
int RunApplication(CreateApplication createApplication) {
  try {
    DirectDrawApplication* app = createApplication();
    theApp = app;
    return RunMessageLoop();
  } catch (FatalError error) {
    ShowFatalError(error);
    return 0;
  } catch (const std::bad_alloc&) {
    ShowFatalError(FatalError("Out of memory"));
    return 0;
  }
}
