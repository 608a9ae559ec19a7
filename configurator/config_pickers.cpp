// ConfigDialog: opening the picker for the lit part of the miniature and
// storing the pick.
#include "configurator/config_dialog.h"

#include "art/resource_catalog.h"
#include "configurator/picker_dialogs.h"
#include "configurator/program_sounds.h"

template <class Picker>
void ConfigDialog::OpenPicker(HMODULE neededLibrary, signed char& value) {
  if (neededLibrary == nullptr) return;
  PlayProgramWave(IDW_CLICK);
  Picker picker(Window());
  const INT_PTR result = picker.RunModal();
  if (result != IDOK && result != IDCANCEL && result >= 100 && result <= 150)
    value = static_cast<signed char>(static_cast<BYTE>(result - kFirstPickerResult));
  PlayProgramWave(IDW_CLOSE);
  InvalidatePreview();
}

void ConfigDialog::OpenBackdropPicker() { OpenPicker<BackdropPickerDialog>(backdropsLibrary, backdropIndex); }

void ConfigDialog::OpenBoardPicker() { OpenPicker<BoardPickerDialog>(boardsLibrary, boardIndex); }

void ConfigDialog::OpenBlackPiecePicker() { OpenPicker<PiecePickerDialog>(piecesLibrary, blackPieceSet); }

void ConfigDialog::OpenWhitePiecePicker() { OpenPicker<PiecePickerDialog>(piecesLibrary, whitePieceSet); }

void ConfigDialog::OpenConsoleStylePicker() { OpenPicker<ConsoleStylePickerDialog>(consolesLibrary, consoleStyle); }

void ConfigDialog::OpenConsolePicker() { OpenPicker<ConsolePickerDialog>(consolesLibrary, consoleIndex); }

void ConfigDialog::OpenPickerForHoverPart() {
  switch (hoverPart) {
    case kBackdropPart: OpenBackdropPicker(); break;
    case kBoardPart: OpenBoardPicker(); break;
    case kBlackPiecesPart: OpenBlackPiecePicker(); break;
    case kWhitePiecesPart: OpenWhitePiecePicker(); break;
    case kConsoleStylePart: OpenConsoleStylePicker(); break;
    case kConsolePart: OpenConsolePicker(); break;
    default: break;
  }
}
