// The layout a dialog template was drawn for: its client size and every
// control's rectangle in pixels, at dialog base units of 6 x 13 pixels (the
// 8-point "MS Sans Serif" of the templates at 96 dots per inch). The skin's
// pictures have fixed pixel sizes and only join at these base units, so the
// dialogs are placed at this layout whatever font the dialog manager found.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win32.h"

struct DesignedControl {
  WORD id;        // the template's id (0xFFFF for controls without one)
  bool isStatic;  // a static control: it takes the size of its picture
  RECT pixels;    // left, top, right, bottom in the dialog's client area
};

struct DesignLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  std::vector<DesignedControl> controls;  // in template order
};

// Dialog units to design pixels, rounded half away from zero as the dialog
// manager rounds (MulDiv).
int DesignPixelsX(int dialogUnits);
int DesignPixelsY(int dialogUnits);

// Reads a DLGTEMPLATE or DLGTEMPLATEEX resource; false when it is cut short
// or malformed.
bool ReadDesignLayout(const uint8_t* data, size_t size, DesignLayout& layout);

#ifdef _WIN32
// Places a dialog made from the program's template `templateId`, before it
// is shown: its client area and every control at the design layout, the
// whole dialog centred in the work area of its monitor. Only the real dialog
// manager needs this; the platform layer's lays templates out at 6 x 13.
void PlaceDialogAtDesignLayout(HWND dialog, HINSTANCE instance, WORD templateId);
#endif
