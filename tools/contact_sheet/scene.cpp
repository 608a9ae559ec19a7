// A viewer frame composed from the generated pictures.
#include "tools/contact_sheet/scene.h"

#include <cstring>

#include "common/frame_geometry.h"
#include "tools/artgen/kit/files.h"

namespace contact {

using namespace artgen;
namespace fg = frame_geometry;

namespace {

Canvas Load(const std::string& dir, const std::string& name) { return DecodeBmp(ReadFile(dir + "/" + name)); }

// Text in a field's glyph cells; `shift` moves it (the framed names).
void Text(Canvas& frame, const Canvas& sheet, const char* text, const fg::TextField& field, int shift = 0) {
  constexpr int w = fg::kGlyphWidth, h = fg::kGlyphHeight;
  size_t len = std::strlen(text);
  for (int i = 0; i < field.cells; ++i) {
    int code = i < int(len) ? uint8_t(text[i]) : 0;
    if (code < 32) code += 32;
    int cell = code - 32;
    frame.Paste(sheet.Crop(w * (cell % 32), h * (cell / 32), w, h), field.x + shift + w * i, field.y + shift);
  }
}

// Cell `kind` of a 48 x 100 strip.
Canvas Sprite(const Canvas& strip, int kind) {
  return strip.Crop(fg::kSpriteWidth * kind, 0, fg::kSpriteWidth, fg::kSpriteHeight);
}

}  // namespace

Canvas ComposeScene(const std::string& dir, const SceneChoice& c) {
  Canvas frame = Load(dir, c.backdrop);
  frame.PasteKeyed(Load(dir, c.console), 0, 0);
  if (c.frameOverlay) frame.PasteKeyed(Load(dir, "console_overlay.bmp"), 0, 0);
  frame.Paste(Load(dir, c.board), fg::kBoardPicture.x, fg::kBoardPicture.y);
  Canvas white = Load(dir, c.whiteSet);
  Canvas black = Load(dir, c.blackSet);
  Canvas highlight = Load(dir, "viewer_highlights.bmp");
  // Last move e2-e4 glowing, fully risen.
  constexpr int square = fg::kSquareSize, risen = 8 * square;
  const fg::ScreenRect e4 = fg::SquareRect(4, 4), e2 = fg::SquareRect(6, 4);
  frame.PasteKeyed(highlight.Crop(risen, square, square, square), e4.x, e4.y);
  frame.PasteKeyed(highlight.Crop(risen, 0, square, square), e2.x, e2.y);
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
      const fg::ScreenPoint place = fg::SpritePlace(r, f);
      frame.PasteKeyed(Sprite(isWhite ? white : black, kind), place.x, place.y);
    }
  // One captured piece in each tray.
  // One captured piece in the top tray, two in the lower one.
  const fg::ScreenPoint top = fg::TraySlotPlace(true, 0);
  const fg::ScreenPoint bottom1 = fg::TraySlotPlace(false, 0), bottom2 = fg::TraySlotPlace(false, 5);
  frame.PasteKeyed(Sprite(white, 2), top.x, top.y);
  frame.PasteKeyed(Sprite(black, 0), bottom1.x, bottom1.y);
  frame.PasteKeyed(Sprite(black, 1), bottom2.x, bottom2.y);
  Canvas sheet = Load(dir, c.font);
  int o = c.frameOverlay ? 1 : 0;
  Text(frame, sheet, "Bj\xf6rn \xc5str\xf6m-M\xfcller", fg::kBlackNameField, o);
  Text(frame, sheet, "Fran\xe7ois L\xe9v\xeaque", fg::kWhiteNameField, o);
  Text(frame, sheet, "   12", fg::kGameNumberField);
  Text(frame, sheet, "  347", fg::kGameCountField);
  Text(frame, sheet, "  1", fg::kMoveNumberField);
  Text(frame, sheet, "e4", fg::kPlyField);
  Text(frame, sheet, "Event \"Tarnwi", fg::kTickerField);
  Canvas lamps = Load(dir, "viewer_turn_lamps.bmp");
  const fg::ScreenRect lamp = fg::kTopTurnLamp, lamp2 = fg::kBottomTurnLamp;
  frame.PasteKeyed(lamps.Crop(0, 0, lamp.width, lamp.height), lamp.x, lamp.y);
  frame.PasteKeyed(lamps.Crop(lamp.width, 0, lamp.width, lamp.height), lamp2.x, lamp2.y);
  Canvas result = Load(dir, c.lamps);
  const fg::ScreenRect resultTop = fg::kTopResultLamp, resultBottom = fg::kBottomResultLamp;
  frame.PasteKeyed(result.Crop(resultTop.width, 0, resultTop.width, resultTop.height), resultTop.x, resultTop.y);
  frame.PasteKeyed(result.Crop(0, 0, resultTop.width, resultTop.height), resultBottom.x, resultBottom.y);
  return frame;
}

}  // namespace contact
