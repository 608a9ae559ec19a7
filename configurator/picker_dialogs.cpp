// The five art pickers.
#include "configurator/picker_dialogs.h"

#include "art/resource_catalog.h"

PickerDialog::PickerDialog(const Layout& layout, HWND parent) : Dialog(layout.templateId, parent), layout_(layout) {}

void PickerDialog::BindControls(ControlBinding& controls) { controls.Bind(layout_.pictureControlId, picture_); }

bool PickerDialog::OnCommand(WORD controlId, WORD) {
  if (controlId < layout_.firstChoiceId || controlId > layout_.lastChoiceId) return false;
  Close(kFirstPickerResult + (controlId - layout_.indexBase));
  return true;
}

bool PickerDialog::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
  if (message != WM_PAINT) return false;
  OnPaint();
  return true;
}

void PickerDialog::OnPaint() {
  PAINTSTRUCT paint;
  BeginPaint(Window(), &paint);
  HBITMAP picture = nullptr;
  if (HMODULE library = LoadLibraryA(layout_.libraryFile)) {
    picture = static_cast<HBITMAP>(
        LoadImageA(library, MAKEINTRESOURCEA(layout_.pictureId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    FreeLibrary(library);
  }
  picture_.SetPicture(picture);
  EndPaint(Window(), &paint);
}

PiecePickerDialog::PiecePickerDialog(HWND parent)
    : PickerDialog({IDD_PIECE_PICKER, IDC_PIECE_PICTURE, IDB_PIECE_PICKER, resource_catalog::kPiecesLibraryFile,
                    IDC_PIECE_CHOICE_BASE + 1, IDC_PIECE_CHOICE_BASE + 42, IDC_PIECE_CHOICE_BASE},
                   parent) {}

BoardPickerDialog::BoardPickerDialog(HWND parent)
    : PickerDialog({IDD_BOARD_PICKER, IDC_BOARD_PICTURE, IDB_BOARD_PICKER, resource_catalog::kBoardsLibraryFile,
                    IDC_BOARD_CHOICE_FIRST, IDC_BOARD_CHOICE_FIRST + 15, IDC_BOARD_CHOICE_FIRST},
                   parent) {}

BackdropPickerDialog::BackdropPickerDialog(HWND parent)
    : PickerDialog(
          {IDD_BACKDROP_PICKER, IDC_BACKDROP_PICTURE, IDB_BACKDROP_PICKER, resource_catalog::kBackdropsLibraryFile,
           IDC_BACKDROP_CHOICE_FIRST, IDC_BACKDROP_CHOICE_FIRST + 15, IDC_BACKDROP_CHOICE_FIRST},
          parent) {}

ConsolePickerDialog::ConsolePickerDialog(HWND parent)
    : PickerDialog({IDD_CONSOLE_PICKER, IDC_CONSOLE_PICTURE, IDB_CONSOLE_PICKER, resource_catalog::kConsolesLibraryFile,
                    IDC_CONSOLE_CHOICE_FIRST, IDC_CONSOLE_CHOICE_FIRST + 15, IDC_CONSOLE_CHOICE_FIRST},
                   parent) {}

ConsoleStylePickerDialog::ConsoleStylePickerDialog(HWND parent)
    : PickerDialog({IDD_CONSOLE_STYLE_PICKER, IDC_CONSOLE_STYLE_PICTURE, IDB_CONSOLE_STYLE_PICKER,
                    resource_catalog::kConsolesLibraryFile, IDC_CONSOLE_STYLE_CHOICE_FIRST,
                    IDC_CONSOLE_STYLE_CHOICE_FIRST + 17, IDC_CONSOLE_STYLE_CHOICE_FIRST},
                   parent) {}
