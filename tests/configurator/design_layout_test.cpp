// The design layout of the dialog templates: reading templates of both
// formats, and, over the configurator's compiled resources, that the layout
// the dialogs are placed at on Windows is exactly the one the platform's
// dialog manager makes, and that the skin's pictures join there.
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>

#include "configurator/framework/design_layout.h"
#include "configurator/picker_dialogs.h"
#include "tests/configurator/config_dialog_fixture.h"

namespace {

// Little-endian bytes of a hand-made template.
class TemplateBytes {
 public:
  TemplateBytes& Word(uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
    return *this;
  }
  TemplateBytes& DoubleWord(uint32_t value) { return Word(static_cast<uint16_t>(value)).Word(value >> 16); }
  TemplateBytes& Text(const char* text) {
    for (; *text != '\0'; ++text) Word(static_cast<uint8_t>(*text));
    return Word(0);
  }
  TemplateBytes& Align() {
    while (bytes.size() % 4 != 0) bytes.push_back(0);
    return *this;
  }
  std::vector<uint8_t> bytes;
};

// The dialog templates of a compiled resource file (.res), by their ordinal.
std::map<uint16_t, std::vector<uint8_t>> DialogTemplatesOf(const char* path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto word = [&](size_t at) { return static_cast<uint16_t>(file[at] | (file[at + 1] << 8)); };
  auto doubleWord = [&](size_t at) { return static_cast<uint32_t>(word(at) | (word(at + 2) << 16)); };
  std::map<uint16_t, std::vector<uint8_t>> templates;
  for (size_t at = 0; at + 12 <= file.size();) {
    const uint32_t dataSize = doubleWord(at);
    const uint32_t headerSize = doubleWord(at + 4);
    if (headerSize < 16 || at + headerSize + dataSize > file.size()) break;
    // Type and name: both ordinals for the dialogs of the script.
    if (word(at + 8) == 0xFFFF && word(at + 10) == 5 && word(at + 12) == 0xFFFF)
      templates[word(at + 14)].assign(file.begin() + static_cast<long>(at + headerSize),
                                      file.begin() + static_cast<long>(at + headerSize + dataSize));
    at += headerSize + dataSize;
    at = (at + 3) & ~size_t{3};
  }
  return templates;
}

DesignLayout LayoutOfTemplate(uint16_t templateId) {
  static const std::map<uint16_t, std::vector<uint8_t>> templates = DialogTemplatesOf(TARNWICKET_CFG_RES);
  DesignLayout layout;
  const auto found = templates.find(templateId);
  EXPECT_NE(found, templates.end()) << "template " << templateId;
  if (found != templates.end()) {
    EXPECT_TRUE(ReadDesignLayout(found->second.data(), found->second.size(), layout));
  }
  return layout;
}

RECT ClientRectOf(HWND dialog, HWND control) {
  RECT area{};
  GetWindowRect(control, &area);
  POINT topLeft{area.left, area.top};
  POINT bottomRight{area.right, area.bottom};
  ScreenToClient(dialog, &topLeft);
  ScreenToClient(dialog, &bottomRight);
  return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// The open dialog has the design client size, and every control with an id
// (other than those moved at run time) sits at its design place: buttons
// with their design size, statics with their picture's.
void ExpectPlacedAtDesign(HWND dialog, const DesignLayout& layout, WORD firstMoved, WORD lastMoved) {
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, layout.clientWidth);
  EXPECT_EQ(client.bottom, layout.clientHeight);
  for (const DesignedControl& control : layout.controls) {
    if (control.id == 0xFFFF || (control.id >= firstMoved && control.id <= lastMoved)) continue;
    const RECT placed = ClientRectOf(dialog, GetDlgItem(dialog, control.id));
    EXPECT_EQ(placed.left, control.pixels.left) << "control " << control.id;
    EXPECT_EQ(placed.top, control.pixels.top) << "control " << control.id;
    if (control.isStatic) continue;
    EXPECT_EQ(placed.right, control.pixels.right) << "control " << control.id;
    EXPECT_EQ(placed.bottom, control.pixels.bottom) << "control " << control.id;
  }
}

TEST(DesignLayout, DialogUnitsRoundHalfAwayFromZeroAtSixByThirteen) {
  EXPECT_EQ(DesignPixelsX(233), 350);  // 349.5
  EXPECT_EQ(DesignPixelsX(341), 512);  // 511.5
  EXPECT_EQ(DesignPixelsY(106), 172);  // 172.25
  EXPECT_EQ(DesignPixelsY(310), 504);  // 503.75
  EXPECT_EQ(DesignPixelsX(-3), -5);    // -4.5
}

TEST(DesignLayout, ReadsAnExtendedTemplateWithNamedClassAndCreationData) {
  TemplateBytes form;
  form.Word(1).Word(0xFFFF).DoubleWord(0).DoubleWord(0).DoubleWord(0x80C80040u);  // DS_SETFONT popup
  form.Word(2).Word(10).Word(20).Word(100).Word(50);
  form.Word(0).Word(0).Text("Title").Word(8).Word(400).Word(0).Text("MS Sans Serif");
  form.Align().DoubleWord(0).DoubleWord(0).DoubleWord(0x5000000Eu).Word(4).Word(6).Word(9).Word(7);
  form.DoubleWord(1200).Text("STATIC").Word(0xFFFF).Word(199).Word(2).Word(0xABCD);
  form.Align().DoubleWord(0).DoubleWord(0).DoubleWord(0x5001000Bu).Word(3).Word(3).Word(33).Word(31);
  form.DoubleWord(1201).Word(0xFFFF).Word(0x0080).Word(0).Word(0);
  DesignLayout layout;
  ASSERT_TRUE(ReadDesignLayout(form.bytes.data(), form.bytes.size(), layout));
  EXPECT_EQ(layout.clientWidth, 150);
  EXPECT_EQ(layout.clientHeight, 81);  // 81.25
  ASSERT_EQ(layout.controls.size(), 2u);
  EXPECT_EQ(layout.controls[0].id, 1200);
  EXPECT_TRUE(layout.controls[0].isStatic);
  EXPECT_EQ(layout.controls[0].pixels.left, 6);
  EXPECT_EQ(layout.controls[0].pixels.top, 10);  // 9.75
  EXPECT_EQ(layout.controls[1].id, 1201);
  EXPECT_FALSE(layout.controls[1].isStatic);
  EXPECT_EQ(layout.controls[1].pixels.right, 5 + 50);   // 4.5 + 49.5
  EXPECT_EQ(layout.controls[1].pixels.bottom, 5 + 50);  // 4.875 + 50.375
}

TEST(DesignLayout, RefusesEveryTemplateCutShort) {
  const std::vector<uint8_t> whole = DialogTemplatesOf(TARNWICKET_CFG_RES).at(IDD_CONSOLE_STYLE_PICKER);
  DesignLayout layout;
  ASSERT_TRUE(ReadDesignLayout(whole.data(), whole.size(), layout));
  for (size_t size = 0; size < whole.size(); ++size)
    EXPECT_FALSE(ReadDesignLayout(whole.data(), size, layout)) << size << " bytes";
}

TEST(DesignLayout, SkinPicturesJoinAtTheDesignLayout) {
  const DesignLayout layout = LayoutOfTemplate(IDD_CONFIG);
  std::vector<RECT> skin;  // left part, display title, display column, right strip, watching column
  for (const DesignedControl& control : layout.controls)
    if (control.id == 0xFFFF) skin.push_back(control.pixels);
  ASSERT_EQ(skin.size(), 5u);
  auto pictureSize = [](int id) {
    HBITMAP picture = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP bits{};
    GetObjectA(picture, sizeof bits, &bits);
    DeleteObject(picture);
    return SIZE{bits.bmWidth, bits.bmHeight};
  };
  const SIZE left = pictureSize(IDB_SKIN_LEFT);
  const SIZE title = pictureSize(IDB_SKIN_DISPLAY_TITLE);
  const SIZE strip = pictureSize(IDB_SKIN_RIGHT_STRIP);
  const SIZE watching = pictureSize(IDB_SKIN_WATCHING_COLUMN);
  EXPECT_EQ(skin[1].left, skin[0].left + left.cx);
  EXPECT_EQ(skin[2].left, skin[1].left);
  EXPECT_EQ(skin[2].top, title.cy + 120);  // the miniature's gap
  EXPECT_EQ(skin[3].left, skin[1].left + title.cx);
  // The watching column begins on the right strip's last pixel, which no
  // dialog unit starts, and reaches the client area's right edge.
  EXPECT_EQ(skin[4].left, skin[3].left + strip.cx - 1);
  EXPECT_EQ(skin[4].top, 0);
  EXPECT_EQ(skin[4].left + watching.cx, layout.clientWidth);
  EXPECT_EQ(watching.cy, strip.cy);
}

TEST_F(ConfigDialogTest, MainDialogOpensAtItsDesignLayout) {
  const DesignLayout layout = LayoutOfTemplate(IDD_CONFIG);
  ConfigDialog dialog;
  script.Then([&](HWND window) {
    ExpectPlacedAtDesign(window, layout, IDC_KNOB_FIRST, IDC_KNOB_FIRST + 3);
    EndDialog(window, IDCANCEL);
  });
  dialog.RunModal();
}

TEST_F(ConfigDialogTest, PickersOpenAtTheirDesignLayouts) {
  const std::pair<uint16_t, std::function<std::unique_ptr<Dialog>()>> pickers[] = {
      {IDD_PIECE_PICKER, [] { return std::make_unique<PiecePickerDialog>(nullptr); }},
      {IDD_BOARD_PICKER, [] { return std::make_unique<BoardPickerDialog>(nullptr); }},
      {IDD_BACKDROP_PICKER, [] { return std::make_unique<BackdropPickerDialog>(nullptr); }},
      {IDD_CONSOLE_PICKER, [] { return std::make_unique<ConsolePickerDialog>(nullptr); }},
      {IDD_CONSOLE_STYLE_PICKER, [] { return std::make_unique<ConsoleStylePickerDialog>(nullptr); }},
  };
  for (const auto& picker : pickers) {
    SCOPED_TRACE(picker.first);
    const DesignLayout layout = LayoutOfTemplate(picker.first);
    std::unique_ptr<Dialog> dialog = picker.second();
    script.Then([&](HWND window) {
      ExpectPlacedAtDesign(window, layout, 0, 0);
      EndDialog(window, IDCANCEL);
    });
    dialog->RunModal();
  }
}

}  // namespace
