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

std::vector<Section> Sections(bool zoom) {
  const int small = zoom ? 2 : 1;
  std::vector<Section> s;
  auto ids = [](std::initializer_list<int> l) { return std::vector<int>(l); };
  {
    Section sec{"backdrops", {}};
    for (int id : ids({112, 148, 179, 180, 190, 189, 191, 187, 186, 185, 184, 182, 181, 188, 206}))
      sec.items.push_back({"backdrop_" + std::to_string(id) + ".bmp", std::to_string(id), zoom ? -2 : -4});
    for (int id = 511; id <= 525; ++id)
      sec.items.push_back({"backdrop_" + std::to_string(id) + ".bmp", std::to_string(id)});
    sec.items.push_back({"backdrop_309.bmp", "309 picker", small});
    sec.items.push_back({"backdrop_199.bmp", "199", -2});
    s.push_back(sec);
  }
  {
    Section sec{"boards", {}};
    for (int id : ids({142, 154, 151, 153, 157, 156, 158, 160, 196, 195, 197, 198, 200, 199, 201, 205}))
      sec.items.push_back({"board_" + std::to_string(id) + ".bmp", std::to_string(id), zoom ? 1 : -2});
    for (int id = 543; id <= 558; ++id)
      sec.items.push_back({"board_" + std::to_string(id) + ".bmp", std::to_string(id)});
    sec.items.push_back({"board_307.bmp", "307 picker", small});
    s.push_back(sec);
  }
  {
    Section sec{"pieces", {}};
    const int sets[42] = {120, 119, 122, 123, 124, 117, 116, 118, 115, 121, 232, 237, 234, 235,
                          236, 233, 231, 243, 239, 240, 241, 242, 238, 247, 246, 245, 244, 248,
                          249, 254, 256, 253, 252, 255, 251, 261, 262, 260, 259, 258, 257, 250};
    for (int i = 0; i < 42; ++i)
      sec.items.push_back({"pieces_" + std::to_string(sets[i]) + ".bmp",
                           "set " + std::to_string(i + 1) + ": " + std::to_string(sets[i]), small, true});
    for (int id = 559; id <= 600; ++id)
      sec.items.push_back({"pieces_" + std::to_string(id) + ".bmp", std::to_string(id), 2, true});
    for (int id = 263; id <= 266; ++id)
      sec.items.push_back({"viewer_" + std::to_string(id) + ".bmp", "shadow " + std::to_string(id), small, true});
    sec.items.push_back({"pieces_306.bmp", "306 picker"});
    s.push_back(sec);
  }
  {
    Section sec{"consoles", {}};
    for (int id : ids({143, 149, 203, 219, 218, 216, 215, 214, 213, 212, 208, 211, 210, 209, 207, 221, 178}))
      sec.items.push_back({"console_" + std::to_string(id) + ".bmp", std::to_string(id), zoom ? 1 : -2, true});
    for (int id = 526; id <= 542; ++id)
      sec.items.push_back({"console_" + std::to_string(id) + ".bmp", std::to_string(id), 1, true});
    sec.items.push_back({"console_308.bmp", "308 picker", small});
    s.push_back(sec);
  }
  {
    Section sec{"styles", {}};
    for (int id : ids({155, 173, 176, 161, 171, 170, 174, 175, 172, 167, 165, 169, 164, 163, 162, 166, 168, 177}))
      sec.items.push_back({"console_" + std::to_string(id) + ".bmp", std::to_string(id), small});
    for (int id = 222; id <= 230; ++id)
      sec.items.push_back({"console_" + std::to_string(id) + ".bmp", std::to_string(id), 2, true});
    for (int id = 601; id <= 609; ++id)
      sec.items.push_back({"console_" + std::to_string(id) + ".bmp", std::to_string(id), 8});
    sec.items.push_back({"console_310.bmp", "310 picker", small});
    s.push_back(sec);
  }
  {
    Section sec{"viewer", {}};
    for (int id : ids({159, 204}))
      sec.items.push_back({"viewer_" + std::to_string(id) + ".bmp", std::to_string(id), 2, true});
    s.push_back(sec);
  }
  {
    Section sec{"configurator", {}};
    for (int id : ids({202, 203, 199, 200, 204, 284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 294, 278, 283, 282}))
      sec.items.push_back({"config_" + std::to_string(id) + ".bmp", std::to_string(id), 4});
    for (int id : ids({279, 280, 281}))
      sec.items.push_back({"config_" + std::to_string(id) + ".bmp", std::to_string(id), 2});
    s.push_back(sec);
  }
  return s;
}

// The configurator's four skin pictures put together as the dialog shows them.
Canvas DialogSkin(const std::string& dir) {
  Canvas d(584, 504, Rgb(255, 0, 255));
  auto load = [&](int id) { return DecodeBmp(ReadFile(dir + "/config_" + std::to_string(id) + ".bmp")); };
  try {
    d.Paste(load(177), 0, 0);
    d.Paste(load(176), 350, 0);
    d.Paste(load(179), 350, 172);
    d.Paste(load(178), 512, 0);
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
    contact::SceneChoice defaults{148, 143, 151, 119, 124, 155, 222, false};
    Canvas scene;
    try {
      scene = contact::ComposeScene(dir, defaults);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "scene: %s\n", e.what());
    }
    if (only.empty() || only == "scene") {
      sheet.Heading("Scene: default look");
      if (scene.width) sheet.AddCanvas(scene, "backdrop 148, console 143, board 151, pieces 119 / 124, font 155");
      try {
        contact::SceneChoice own{190, 203, 157, 119, 124, 161, 225, false};
        sheet.AddCanvas(Resized(contact::ComposeScene(dir, own), 400, 300), "own stand-ins");
        contact::SceneChoice framed{185, 212, 156, 117, 116, 172, 223, true};
        sheet.AddCanvas(Resized(contact::ComposeScene(dir, framed), 400, 300), "style 8 with overlay 178");
      } catch (const std::exception&) {
      }
    }
    for (const Section& sec : Sections(!only.empty())) {
      if (!only.empty() && only != sec.name) continue;
      sheet.Heading(sec.name);
      for (const Item& item : sec.items) sheet.Add(item);
      if (sec.name == "configurator") sheet.AddCanvas(DialogSkin(dir), "skin 177 + 176 + 179 + 178");
    }
    WriteFile(argv[2], EncodePng(sheet.Finish()));
    if (argc > 3 && scene.width) WriteFile(argv[3], EncodePng(scene));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "contact sheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
