// Reading dialog template resources: the classic DLGTEMPLATE layout and the
// extended DLGTEMPLATEEX one, checked against the resource's size at every
// step, since a template is data from a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/src/res_bytes.h"

// A class, title or menu field: empty, a 16-bit ordinal, or a text.
struct DialogNameField {
  bool isOrdinal = false;
  uint16_t ordinal = 0;
  std::string text;  // UTF-8
};

struct DialogItemTemplate {
  uint32_t style = 0;
  uint32_t exStyle = 0;
  int x = 0;  // dialog units
  int y = 0;
  int cx = 0;
  int cy = 0;
  int id = 0;  // sign-extended from 16 bits in classic templates (IDC_STATIC is -1)
  DialogNameField windowClass;
  DialogNameField title;
};

struct DialogTemplate {
  bool extended = false;
  uint32_t style = 0;
  uint32_t exStyle = 0;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  DialogNameField menu;
  DialogNameField windowClass;
  std::string title;
  int pointSize = 0;
  std::string typeface;
  std::vector<DialogItemTemplate> items;
};

// Parses a whole template; false when it is truncated or malformed.
bool ParseDialogTemplate(ByteView bytes, DialogTemplate& result);

// The class name of a predefined control class ordinal (0x0080 "Button",
// 0x0082 "Static", ...), empty for an unknown ordinal.
std::string PredefinedControlClass(uint16_t ordinal);
