// Hit test of the miniature: pieces first, then the console-style text, the
// console frame, the board, and the backdrop everywhere else.
#include "configurator/preview_hit_test.h"

#include "configurator/config_dialog.h"

namespace {

bool Inside(int value, int low, int high) { return value > low && value < high; }
bool Within(int value, int low, int high) { return value >= low && value <= high; }

bool OnConsoleStyleText(int px, int py) {
  return (Inside(px, 13, 107) && Inside(py, 3, 9)) || (Inside(px, 13, 107) && Inside(py, 111, 117)) ||
         (Within(px, 124, 157) && Within(py, 49, 53)) || (Within(px, 114, 129) && Within(py, 61, 65)) ||
         (Within(px, 140, 156) && Within(py, 61, 65)) || (Within(px, 113, 157) && Within(py, 67, 72));
}

bool OnConsole(int px, int py) {
  return (Inside(px, 3, 121) && Inside(py, 1, 11)) || (Inside(px, 3, 121) && Inside(py, 109, 119)) ||
         (Inside(px, 109, 160) && Inside(py, 15, 40)) || (Inside(px, 109, 160) && Inside(py, 41, 79)) ||
         (Inside(px, 109, 160) && Inside(py, 82, 107));
}

}  // namespace

short PreviewPartAt(int px, int py, const LoadedLibraries& libraries) {
  if (libraries.pieces) {
    if (Inside(px, 20, 101) && Inside(py, 14, 40)) return ConfigDialog::kBlackPiecesPart;
    if (Inside(px, 20, 101) && Inside(py, 79, 100)) return ConfigDialog::kWhitePiecesPart;
  }
  if (libraries.consoles) {
    if (OnConsoleStyleText(px, py)) return ConfigDialog::kConsoleStylePart;
    if (OnConsole(px, py)) return ConfigDialog::kConsolePart;
  }
  if (libraries.boards && Within(px, 13, 108) && Within(py, 13, 107)) return ConfigDialog::kBoardPart;
  if (libraries.backdrops) return ConfigDialog::kBackdropPart;
  return ConfigDialog::kNoPart;
}
