// ConfigApp: the configurator program's application object. It runs the
// main dialog modally and then ends the program.
#pragma once

#include "configurator/framework/dialog_application.h"

class ConfigApp : public DialogApplication {
 public:
  using DialogApplication::DialogApplication;
  int Run() override;
};
