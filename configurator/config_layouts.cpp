// ConfigDialog: saving the current look as a random layout, and the layout
// counter.
#include "configurator/config_dialog.h"

#include <filesystem>

#include "art/resource_catalog.h"
#include "configurator/layout_counter.h"
#include "configurator/program_sounds.h"

namespace {

const char kApplicationName[] = "TarnwicketCFG";

bool SameLook(const LayoutRecord& a, const LayoutRecord& b) {
  return a.blackPieceSet == b.blackPieceSet && a.whitePieceSet == b.whitePieceSet &&
         a.backdropIndex == b.backdropIndex && a.consoleIndex == b.consoleIndex && a.boardIndex == b.boardIndex &&
         a.consoleStyle == b.consoleStyle;
}

// A layouts file that ends in a partial record (1 to 5 stray bytes after the
// complete ones) loses those bytes, so that the next record starts where
// every reader expects it instead of being read shifted.
void DropPartialRecord(int completeRecords) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(kLayoutsFileName, error);
  const std::uintmax_t whole = static_cast<std::uintmax_t>(completeRecords) * LayoutRecord::kSize;
  if (error || size <= whole || size >= whole + LayoutRecord::kSize) return;
  std::filesystem::resize_file(kLayoutsFileName, whole, error);
}

}  // namespace

LayoutRecord ConfigDialog::CurrentLook() const {
  LayoutRecord look;
  look.blackPieceSet = static_cast<uint8_t>(blackPieceSet);
  look.whitePieceSet = static_cast<uint8_t>(whitePieceSet);
  look.backdropIndex = static_cast<uint8_t>(backdropIndex);
  look.consoleIndex = static_cast<uint8_t>(consoleIndex);
  look.boardIndex = static_cast<uint8_t>(boardIndex);
  look.consoleStyle = static_cast<uint8_t>(consoleStyle);
  return look;
}

void ConfigDialog::SaveRandomLayout() {
  if (layouts.layoutCount >= kMaximumLayouts) {
    if (uiReady == 1) PlayProgramWave(IDW_CLOSE);
    MessageBoxA(Window(), "You've reached the maximum random layouts", kApplicationName, MB_OK);
    return;
  }
  const LayoutRecord look = CurrentLook();
  bool duplicate = false;
  for (int index = 0; index < layouts.layoutCount && !duplicate; ++index) duplicate = SameLook(layouts.At(index), look);
  if (uiReady == 1) PlayProgramWave(duplicate ? IDW_CLOSE : IDW_CLICK);
  if (duplicate) {
    MessageBoxA(Window(), "Duplicate of a layout already saved", kApplicationName, MB_OK);
    return;
  }
  // A look that cannot be appended to the file is not counted either, so
  // the counter never shows more layouts than the file holds.
  DropPartialRecord(layouts.layoutCount);
  if (!AppendLayout(look)) return;
  const int slot = layouts.layoutCount;
  layouts.blackPieceSet[slot] = look.blackPieceSet;
  layouts.whitePieceSet[slot] = look.whitePieceSet;
  layouts.backdropIndex[slot] = look.backdropIndex;
  layouts.consoleIndex[slot] = look.consoleIndex;
  layouts.boardIndex[slot] = look.boardIndex;
  layouts.consoleStyle[slot] = look.consoleStyle;
  ++layouts.layoutCount;
  ShowLayoutCount();
}

void ConfigDialog::ShowLayoutCount() {
  int pictureIds[3];
  LayoutCounterPictures(layouts.layoutCount, pictureIds);
  for (int digit = 0; digit < 3; ++digit) {
    counterDigits[digit].SetPicture(static_cast<HBITMAP>(
        LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(pictureIds[digit]), IMAGE_BITMAP, 16, 24, LR_CREATEDIBSECTION)));
  }
}
