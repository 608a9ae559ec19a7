// Hit test of the miniature: pieces first, then the console-style text, the
// console frame, the board, and the backdrop everywhere else.
#include "configurator/preview_hit_test.h"

#include "common/frame_geometry.h"
#include "configurator/config_dialog.h"

namespace {

namespace fg = frame_geometry;

template <size_t count>
bool InAny(const fg::MiniatureArea (&areas)[count], int px, int py) {
  for (const fg::MiniatureArea& area : areas)
    if (area.Holds(px, py)) return true;
  return false;
}

}  // namespace

short PreviewPartAt(int px, int py, const LoadedLibraries& libraries) {
  if (libraries.pieces) {
    if (fg::kMiniatureBlackPiecesArea.Holds(px, py)) return ConfigDialog::kBlackPiecesPart;
    if (fg::kMiniatureWhitePiecesArea.Holds(px, py)) return ConfigDialog::kWhitePiecesPart;
  }
  if (libraries.consoles) {
    if (InAny(fg::kMiniatureTextAreas, px, py)) return ConfigDialog::kConsoleStylePart;
    if (InAny(fg::kMiniatureConsoleAreas, px, py)) return ConfigDialog::kConsolePart;
  }
  if (libraries.boards && fg::kMiniatureBoardArea.Holds(px, py)) return ConfigDialog::kBoardPart;
  if (libraries.backdrops) return ConfigDialog::kBackdropPart;
  return ConfigDialog::kNoPart;
}
