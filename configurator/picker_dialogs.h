// The art pickers: small modal dialogs showing one picture of every choice of
// an art library, with an invisible button over each choice. A choice ends
// the dialog with 101 + its index; Cancel and Escape end it with IDCANCEL.
#pragma once

#include "platform/win32.h"

#include "configurator/framework/dialog.h"

// Result of a picker for the choice with this index.
constexpr INT_PTR kFirstPickerResult = 101;

class PickerDialog : public Dialog {
 public:
  struct Layout {
    WORD templateId;
    WORD pictureControlId;
    WORD pictureId;
    const char* libraryFile;
    WORD firstChoiceId;  // choice buttons firstChoiceId..lastChoiceId
    WORD lastChoiceId;
    WORD indexBase;  // index of a choice = its id - indexBase
  };

  PickerDialog(const Layout& layout, HWND parent);

 protected:
  bool OnCommand(WORD controlId, WORD notification) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void BindControls(ControlBinding& controls) override;

 private:
  // Loads the picture from its library, shows it, and lets the library go.
  void OnPaint();

  Layout layout_;
  BitmapStatic picture_;
};

class PiecePickerDialog : public PickerDialog {
 public:
  explicit PiecePickerDialog(HWND parent);
};

class BoardPickerDialog : public PickerDialog {
 public:
  explicit BoardPickerDialog(HWND parent);
};

class BackdropPickerDialog : public PickerDialog {
 public:
  explicit BackdropPickerDialog(HWND parent);
};

class ConsolePickerDialog : public PickerDialog {
 public:
  explicit ConsolePickerDialog(HWND parent);
};

class ConsoleStylePickerDialog : public PickerDialog {
 public:
  explicit ConsoleStylePickerDialog(HWND parent);
};
