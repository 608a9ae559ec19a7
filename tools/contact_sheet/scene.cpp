// A viewer frame composed from the generated pictures.
#include "tools/contact_sheet/scene.h"

#include <cstring>

#include "tools/artgen/kit/files.h"

namespace contact {

using namespace artgen;

namespace {

Canvas Load(const std::string& dir, const std::string& name) { return DecodeBmp(ReadFile(dir + "/" + name)); }

void Text(Canvas& frame, const Canvas& sheet, const char* text, int count, int x, int y) {
  size_t len = std::strlen(text);
  for (int i = 0; i < count; ++i) {
    int code = i < int(len) ? uint8_t(text[i]) : 0;
    if (code < 32) code += 32;
    int cell = code - 32;
    frame.Paste(sheet.Crop(16 * (cell % 32), 24 * (cell / 32), 16, 24), x + 16 * i, y);
  }
}

}  // namespace

Canvas ComposeScene(const std::string& dir, const SceneChoice& c) {
  Canvas frame = Load(dir, c.backdrop);
  frame.PasteKeyed(Load(dir, c.console), 0, 0);
  if (c.frameOverlay) frame.PasteKeyed(Load(dir, "console_overlay.bmp"), 0, 0);
  frame.Paste(Load(dir, c.board), 60, 60);
  Canvas white = Load(dir, c.whiteSet);
  Canvas black = Load(dir, c.blackSet);
  Canvas highlight = Load(dir, "viewer_highlights.bmp");
  // Last move e2-e4 glowing, fully risen.
  frame.PasteKeyed(highlight.Crop(400, 50, 50, 50), 100 + 50 * 4, 100 + 50 * 4);
  frame.PasteKeyed(highlight.Crop(400, 0, 50, 50), 100 + 50 * 4, 100 + 50 * 6);
  const char* position[8] = {"RNBQKBNR", "PPPP PPP", "        ", "    P   ",
                             "    p   ", "        ", "pppp ppp", "rnbqkbnr"};
  position[3] = "        ";
  const char* kinds = "prnbqk";
  for (int r = 0; r < 8; ++r)
    for (int f = 0; f < 8; ++f) {
      char ch = position[r][f];
      if (ch == ' ') continue;
      bool isWhite = ch >= 'a';
      int kind = int(std::strchr(kinds, isWhite ? ch : ch - 'A' + 'a') - kinds);
      frame.PasteKeyed((isWhite ? white : black).Crop(48 * kind, 0, 48, 100), 101 + 50 * f, 50 + 50 * r);
    }
  // One captured piece in each tray.
  frame.PasteKeyed(white.Crop(48 * 2, 0, 48, 100), 549 + 28, 26);
  frame.PasteKeyed(black.Crop(0, 0, 48, 100), 549 + 28, 362);
  frame.PasteKeyed(black.Crop(48, 0, 48, 100), 604, 387);
  Canvas sheet = Load(dir, c.font);
  int o = c.frameOverlay ? 1 : 0;
  Text(frame, sheet, "Bj\xf6rn \xc5str\xf6m-M\xfcller", 29, 67 + o, 17 + o);
  Text(frame, sheet, "Fran\xe7ois L\xe9v\xeaque", 29, 67 + o, 557 + o);
  Text(frame, sheet, "   12", 5, 566, 302);
  Text(frame, sheet, "  347", 5, 698, 302);
  Text(frame, sheet, "  1", 3, 614, 244);
  Text(frame, sheet, "e4", 7, 674, 244);
  Text(frame, sheet, "Event \"Tarnwi", 14, 559, 336);
  Canvas lamps = Load(dir, "viewer_turn_lamps.bmp");
  frame.PasteKeyed(lamps.Crop(0, 0, 30, 30), 656, 206);
  frame.PasteKeyed(lamps.Crop(30, 0, 30, 30), 656, 359);
  Canvas result = Load(dir, c.lamps);
  frame.PasteKeyed(result.Crop(36, 0, 36, 25), 549, 17);
  frame.PasteKeyed(result.Crop(0, 0, 36, 25), 549, 557);
  return frame;
}

}  // namespace contact
