// Contact sheet of the generated art: every picture of the four libraries and
// of both programs on one PNG, with its identifier, and a composed scene.
//
//   tarnwicket_contact_sheet <art folder> <sheet.png> [scene.png] [section]
//
// With a section name (scene, backdrops, boards, pieces, consoles, styles,
// pickers, viewer, configurator) only that section is drawn, at twice the size
// for the small pictures.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "art/resource_tables.h"
#include "tools/artgen/art/book.h"
#include "tools/artgen/kit/files.h"
#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/text.h"
#include "tools/contact_sheet/scene.h"

using namespace artgen;

namespace {

constexpr int kSheetWidth = 1760;

struct Item {
  std::string file;      // bitmap file in the art folder
  std::string label;     // shown under it
  int scale = 1;         // enlargement (negative: reduction)
  bool onBoard = false;  // pure black shown as a checker so keyed pictures read
};

struct Section {
  std::string name;
  std::vector<Item> items;
};

Canvas Checker(int w, int h) {
  Canvas c(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) c.At(x, y) = ((x / 8 + y / 8) % 2) ? Rgb(120, 128, 120) : Rgb(96, 104, 96);
  return c;
}

Canvas Scaled(const Canvas& c, int scale) {
  if (scale == 1) return c;
  if (scale < 0) return Resized(c, c.width / -scale, c.height / -scale);
  Canvas out(c.width * scale, c.height * scale);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.At(x, y) = c.At(x / scale, y / scale);
  return out;
}

class SheetWriter {
 public:
  SheetWriter(Fonts& fonts, std::string dir) : fonts_(fonts), dir_(std::move(dir)) {}

  void Heading(const std::string& text) {
    NewRow();
    y_ += 10;
    Label(text, 12, y_ + 22, 22, Rgb(250, 220, 140));
    y_ += 34;
  }

  void Add(const Item& item) {
    Canvas pic;
    try {
      pic = DecodeBmp(ReadFile(dir_ + "/" + item.file));
    } catch (const std::exception&) {
      pic = Canvas(40, 40, Rgb(200, 0, 200));
    }
    Canvas shown = Scaled(pic, item.scale);
    if (item.onBoard) {
      Canvas back = Checker(shown.width, shown.height);
      back.PasteKeyed(shown, 0, 0);
      shown = back;
    }
    int w = std::max(shown.width, 60);
    if (x_ + w > kSheetWidth - 12) NewRow();
    Place(shown, x_, y_);
    Label(item.label, x_, y_ + shown.height + 13, 11, Rgb(210, 210, 210));
    rowHeight_ = std::max(rowHeight_, shown.height + 18);
    x_ += w + 12;
  }

  void AddCanvas(const Canvas& c, const std::string& label) {
    if (x_ + c.width > kSheetWidth - 12) NewRow();
    Place(c, x_, y_);
    Label(label, x_, y_ + c.height + 13, 11, Rgb(210, 210, 210));
    rowHeight_ = std::max(rowHeight_, c.height + 18);
    x_ += c.width + 12;
  }

  Canvas Finish() {
    NewRow();
    Canvas sheet(kSheetWidth, y_ + 12, Rgb(40, 42, 48));
    for (const auto& p : placed_) sheet.Paste(p.first, p.second.x, p.second.y);
    for (const auto& t : texts_) PaintMask(sheet, t.mask, t.color, 1.0f, t.x, t.y);
    return sheet;
  }

 private:
  struct Spot {
    int x, y;
  };
  struct TextRun {
    Mask mask;
    Color color;
    int x, y;
  };

  void NewRow() {
    if (rowHeight_ > 0) y_ += rowHeight_ + 8;
    x_ = 12;
    rowHeight_ = 0;
  }
  void Place(const Canvas& c, int x, int y) { placed_.push_back({c, {x, y}}); }
  void Label(const std::string& text, int x, int baseline, float size, Color color) {
    int w = int(fonts_.TextWidth(Typeface::SansBold, size, text)) + 4;
    Mask m(w, int(size * 1.6f));
    fonts_.DrawText(m, Typeface::SansBold, size, text, 1, size * 1.1f);
    texts_.push_back({m, color, x, baseline - int(size * 1.1f)});
  }

  Fonts& fonts_;
  std::string dir_;
  int x_ = 12, y_ = 12, rowHeight_ = 0;
  std::vector<std::pair<Canvas, Spot>> placed_;
  std::vector<TextRun> texts_;
};

// A picture labelled with its identifier.
Item Picture(const std::string& file, int id, int scale = 1, bool onBoard = false, const std::string& note = "") {
  return {file, std::to_string(id) + note, scale, onBoard};
}

std::vector<Section> Sections(bool zoom) {
  namespace catalog = resource_catalog;
  const int small = zoom ? 2 : 1;
  std::vector<Section> s;
  {
    Section sec{"backdrops", {}};
    for (int i = 1; i <= catalog::kBackdropCount; ++i)
      sec.items.push_back(Picture(Numbered("backdrop", i), catalog::BackdropFor(i), zoom ? -2 : -4));
    sec.items.push_back(Picture("backdrop_other.bmp", IDB_BACKDROP_OTHER, zoom ? -2 : -4));
    for (int i = 1; i <= catalog::kBackdropCount; ++i)
      sec.items.push_back(Picture(Numbered("backdrop_thumb", i), catalog::BackdropThumbnailFor(i)));
    sec.items.push_back(Picture("backdrop_thumb_other.bmp", IDB_BACKDROP_THUMB_OTHER));
    sec.items.push_back(Picture("backdrop_picker.bmp", IDB_BACKDROP_PICKER, small, false, " picker"));
    sec.items.push_back(Picture("backdrop_library_board.bmp", IDB_BACKDROP_LIBRARY_BOARD, -2));
    s.push_back(sec);
  }
  {
    Section sec{"boards", {}};
    sec.items.push_back(Picture("board_other.bmp", IDB_BOARD_OTHER, zoom ? 1 : -2));
    for (int i = 1; i <= catalog::kBoardCount; ++i)
      sec.items.push_back(Picture(Numbered("board", i), catalog::BoardFor(i), zoom ? 1 : -2));
    for (int i = 0; i < catalog::kBoardCount; ++i)
      sec.items.push_back(Picture(Numbered("board_thumb", i), catalog::BoardThumbnailFor(i)));
    sec.items.push_back(Picture("board_thumb_other.bmp", IDB_BOARD_THUMB_OTHER));
    sec.items.push_back(Picture("board_picker.bmp", IDB_BOARD_PICKER, small, false, " picker"));
    s.push_back(sec);
  }
  {
    Section sec{"pieces", {}};
    for (int set = 1; set <= catalog::kPieceSetCount; ++set) {
      const std::string file =
          set == catalog::kPieceSetSharingOther ? "piece_set_other.bmp" : Numbered("piece_set", set);
      const int id = catalog::PieceStripFor(set);
      sec.items.push_back({file, "set " + std::to_string(set) + ": " + std::to_string(id), small, true});
    }
    for (int set = 1; set <= catalog::kPiecePreviewCount; ++set)
      sec.items.push_back(Picture(Numbered("piece_preview", set), catalog::PiecePreviewFor(set), 2, true));
    sec.items.push_back(Picture("piece_preview_other.bmp", IDB_PIECE_PREVIEW_OTHER, 2, true));
    const std::pair<const char*, int> shadows[4] = {{"viewer_shadows_outlines.bmp", IDB_VIEWER_SHADOWS_OUTLINES},
                                                    {"viewer_shadows_symbols.bmp", IDB_VIEWER_SHADOWS_SYMBOLS},
                                                    {"viewer_shadows_turned.bmp", IDB_VIEWER_SHADOWS_TURNED},
                                                    {"viewer_shadows_modern.bmp", IDB_VIEWER_SHADOWS_MODERN}};
    for (const auto& shadow : shadows)
      sec.items.push_back({shadow.first, "shadow " + std::to_string(shadow.second), small, true});
    sec.items.push_back(Picture("piece_picker.bmp", IDB_PIECE_PICKER, 1, false, " picker"));
    s.push_back(sec);
  }
  {
    Section sec{"consoles", {}};
    sec.items.push_back(Picture("console_other.bmp", IDB_CONSOLE_OTHER, zoom ? 1 : -2, true));
    for (int i = 1; i <= catalog::kConsoleCount; ++i)
      sec.items.push_back(Picture(Numbered("console", i), catalog::ConsoleFor(i), zoom ? 1 : -2, true));
    sec.items.push_back(Picture("console_overlay.bmp", IDB_CONSOLE_OVERLAY, zoom ? 1 : -2, true));
    for (int i = 0; i < catalog::kConsoleThumbCount; ++i) {
      if (i == catalog::kFirstLateConsoleThumb)
        sec.items.push_back(Picture("console_thumb_spare.bmp", IDB_CONSOLE_THUMB_SPARE, 1, true));
      sec.items.push_back(Picture(Numbered("console_thumb", i), catalog::ConsoleThumbnailFor(i), 1, true));
    }
    sec.items.push_back(Picture("console_thumb_other.bmp", IDB_CONSOLE_THUMB_OTHER, 1, true));
    sec.items.push_back(Picture("console_picker.bmp", IDB_CONSOLE_PICKER, small, false, " picker"));
    s.push_back(sec);
  }
  {
    Section sec{"styles", {}};
    for (int style = 0; style < catalog::kConsoleStyleCount - 1; ++style)
      sec.items.push_back(Picture(Numbered("font", style), catalog::ConsoleFontFor(style), small));
    sec.items.push_back(Picture("font_other.bmp", IDB_FONT_OTHER, small));
    const std::pair<std::string, int> lamps[9] = {
        {Numbered("result_lamps", 0), IDB_RESULT_LAMPS_0}, {"result_lamps_other.bmp", IDB_RESULT_LAMPS_OTHER},
        {Numbered("result_lamps", 2), IDB_RESULT_LAMPS_2}, {Numbered("result_lamps", 3), IDB_RESULT_LAMPS_3},
        {Numbered("result_lamps", 4), IDB_RESULT_LAMPS_4}, {Numbered("result_lamps", 5), IDB_RESULT_LAMPS_5},
        {Numbered("result_lamps", 6), IDB_RESULT_LAMPS_6}, {Numbered("result_lamps", 7), IDB_RESULT_LAMPS_7},
        {Numbered("result_lamps", 1), IDB_RESULT_LAMPS_1}};
    for (const auto& strip : lamps) sec.items.push_back(Picture(strip.first, strip.second, 2, true));
    for (int colour = 0; colour < catalog::kOtherStyleColour; ++colour)
      sec.items.push_back(Picture(Numbered("style_tile", colour), IDB_STYLE_TILE_BASE + colour, 8));
    sec.items.push_back(Picture("style_tile_other.bmp", IDB_STYLE_TILE_OTHER, 8));
    sec.items.push_back(Picture("console_style_picker.bmp", IDB_CONSOLE_STYLE_PICKER, small, false, " picker"));
    s.push_back(sec);
  }
  {
    Section sec{"viewer", {}};
    sec.items.push_back(Picture("viewer_highlights.bmp", IDB_VIEWER_HIGHLIGHTS, 2, true));
    sec.items.push_back(Picture("viewer_turn_lamps.bmp", IDB_VIEWER_TURN_LAMPS, 2, true));
    s.push_back(sec);
  }
  {
    Section sec{"configurator", {}};
    for (const auto& [file, id] : std::vector<std::pair<std::string, int>>{{"config_mark_off.bmp", IDB_MARK_OFF},
                                                                           {"config_mark_on.bmp", IDB_MARK_ON},
                                                                           {"config_dot_off.bmp", IDB_DOT_OFF},
                                                                           {"config_dot_on.bmp", IDB_DOT_ON},
                                                                           {"config_knob.bmp", IDB_KNOB}})
      sec.items.push_back(Picture(file, id, 4));
    sec.items.push_back(Picture(Numbered("config_digit", 9), catalog::CounterDigitFor(9), 4));
    for (int digit = 0; digit <= 8; ++digit)
      sec.items.push_back(Picture(Numbered("config_digit", digit), catalog::CounterDigitFor(digit), 4));
    sec.items.push_back(Picture("config_digit_blank.bmp", IDB_DIGIT_BLANK, 4));
    sec.items.push_back(Picture("config_own_white_pieces.bmp", IDB_OWN_WHITE_PIECES, 4));
    sec.items.push_back(Picture("config_own_black_pieces.bmp", IDB_OWN_BLACK_PIECES, 4));
    sec.items.push_back(Picture("config_own_console_style.bmp", IDB_OWN_CONSOLE_STYLE, 4));
    sec.items.push_back(Picture("config_own_board.bmp", IDB_OWN_BOARD, 2));
    sec.items.push_back(Picture("config_own_console.bmp", IDB_OWN_CONSOLE, 2));
    sec.items.push_back(Picture("config_own_backdrop.bmp", IDB_OWN_BACKDROP, 2));
    s.push_back(sec);
  }
  return s;
}

// The configurator's five skin pictures put together as the dialog shows them.
Canvas DialogSkin(const std::string& dir) {
  Canvas d(776, 504, Rgb(255, 0, 255));
  auto load = [&](const char* file) { return DecodeBmp(ReadFile(dir + "/" + file)); };
  try {
    d.Paste(load("config_skin_left.bmp"), 0, 0);
    d.Paste(load("config_skin_display_title.bmp"), 350, 0);
    d.Paste(load("config_skin_display_column.bmp"), 350, 172);
    d.Paste(load("config_skin_right_strip.bmp"), 512, 0);
    d.Paste(load("config_skin_watching_column.bmp"), 582, 0);
  } catch (const std::exception&) {
  }
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <art folder> <sheet.png> [scene.png] [section]\n", argv[0]);
    return 2;
  }
  try {
    std::string dir = argv[1];
    std::string only = argc > 4 ? argv[4] : "";
    Fonts fonts("/usr/share/fonts/truetype/dejavu");
    SheetWriter sheet(fonts, dir);
    namespace catalog = resource_catalog;
    auto ids = [](std::initializer_list<int> list) {
      std::string text;
      for (int id : list) text += (text.empty() ? "" : " / ") + std::to_string(id);
      return text;
    };
    contact::SceneChoice defaults{
        Numbered("backdrop", 2),  "console_other.bmp", Numbered("board", 2),        Numbered("piece_set", 2),
        Numbered("piece_set", 5), Numbered("font", 0), Numbered("result_lamps", 0), false};
    Canvas scene;
    try {
      scene = contact::ComposeScene(dir, defaults);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "scene: %s\n", e.what());
    }
    if (only.empty() || only == "scene") {
      sheet.Heading("Scene: default look");
      if (scene.width)
        sheet.AddCanvas(scene, "backdrop " + ids({catalog::BackdropFor(2)}) + ", console " + ids({IDB_CONSOLE_OTHER}) +
                                   ", board " + ids({catalog::BoardFor(2)}) + ", pieces " +
                                   ids({catalog::PieceStripFor(2), catalog::PieceStripFor(5)}) + ", font " +
                                   ids({catalog::ConsoleFontFor(0)}));
      try {
        contact::SceneChoice own{
            Numbered("backdrop", 5),  Numbered("console", 2), Numbered("board", 4),        Numbered("piece_set", 2),
            Numbered("piece_set", 5), Numbered("font", 3),    Numbered("result_lamps", 3), false};
        sheet.AddCanvas(Resized(contact::ComposeScene(dir, own), 400, 300), "own stand-ins");
        contact::SceneChoice framed{
            Numbered("backdrop", 10), Numbered("console", 9), Numbered("board", 5),     Numbered("piece_set", 6),
            Numbered("piece_set", 7), Numbered("font", 8),    "result_lamps_other.bmp", true};
        sheet.AddCanvas(Resized(contact::ComposeScene(dir, framed), 400, 300),
                        "style 8 with overlay " + ids({IDB_CONSOLE_OVERLAY}));
      } catch (const std::exception&) {
      }
    }
    for (const Section& sec : Sections(!only.empty())) {
      if (!only.empty() && only != sec.name) continue;
      sheet.Heading(sec.name);
      for (const Item& item : sec.items) sheet.Add(item);
      if (sec.name == "configurator")
        sheet.AddCanvas(DialogSkin(dir),
                        "skin " + std::to_string(IDB_SKIN_LEFT) + " + " + std::to_string(IDB_SKIN_DISPLAY_TITLE) +
                            " + " + std::to_string(IDB_SKIN_DISPLAY_COLUMN) + " + " +
                            std::to_string(IDB_SKIN_RIGHT_STRIP) + " + " + std::to_string(IDB_SKIN_WATCHING_COLUMN));
    }
    WriteFile(argv[2], EncodePng(sheet.Finish()));
    if (argc > 3 && scene.width) WriteFile(argv[3], EncodePng(scene));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "contact sheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
