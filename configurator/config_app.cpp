// The configurator's entry point and application object.
#include "configurator/config_app.h"

#include "configurator/config_dialog.h"

int ConfigApp::Run() {
  ConfigDialog dialog;
  mainWindow = &dialog;
  dialog.RunModal();
  mainWindow = nullptr;
  return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ConfigApp app(instance);
  return app.Run();
}
