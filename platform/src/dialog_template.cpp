// Parsing of DLGTEMPLATE and DLGTEMPLATEEX resources.
#include "platform/src/dialog_template.h"

#include "platform/src/res_table.h"

namespace {

constexpr uint32_t kSetFont = 0x0040;  // DS_SETFONT
// Upper bound for the items of one template: far more than any dialog has,
// small enough that a hostile count cannot make the parser work for long.
constexpr uint16_t kMaxItems = 4096;

class TemplateReader {
 public:
  explicit TemplateReader(ByteView bytes) : bytes_(bytes) {}

  bool U16(uint16_t& value) {
    if (!bytes_.ReadU16(offset_, value)) return false;
    offset_ += 2;
    return true;
  }
  bool U32(uint32_t& value) {
    if (!bytes_.ReadU32(offset_, value)) return false;
    offset_ += 4;
    return true;
  }
  bool I16(int& value) {
    uint16_t raw = 0;
    if (!U16(raw)) return false;
    value = static_cast<int16_t>(raw);
    return true;
  }
  bool Skip(uint64_t count) {
    if (!bytes_.Contains(offset_, count)) return false;
    offset_ += count;
    return true;
  }
  // Items start on 4-byte boundaries of the template.
  bool AlignToDword() { return Skip((4 - offset_ % 4) % 4); }

  // A zero-terminated UTF-16 text.
  bool Text(std::string& text) {
    std::vector<uint16_t> units;
    for (;;) {
      uint16_t unit = 0;
      if (!U16(unit)) return false;
      if (unit == 0) break;
      units.push_back(unit);
    }
    text = ResourceTextFromUtf16(units);
    return true;
  }

  // 0x0000 (nothing), 0xFFFF and an ordinal, or a text.
  bool NameField(DialogNameField& field) {
    uint16_t first = 0;
    if (!bytes_.ReadU16(offset_, first)) return false;
    field = DialogNameField();
    if (first == 0x0000) return Skip(2);
    if (first == 0xFFFF) {
      field.isOrdinal = true;
      return Skip(2) && U16(field.ordinal);
    }
    return Text(field.text);
  }

 private:
  ByteView bytes_;
  uint64_t offset_ = 0;
};

bool ReadItem(TemplateReader& reader, bool extended, DialogItemTemplate& item) {
  if (!reader.AlignToDword()) return false;
  if (extended) {
    uint32_t helpId = 0;
    uint32_t id = 0;
    if (!reader.U32(helpId) || !reader.U32(item.exStyle) || !reader.U32(item.style)) return false;
    if (!reader.I16(item.x) || !reader.I16(item.y) || !reader.I16(item.cx) || !reader.I16(item.cy)) return false;
    if (!reader.U32(id)) return false;
    item.id = static_cast<int32_t>(id);
  } else {
    uint16_t id = 0;
    if (!reader.U32(item.style) || !reader.U32(item.exStyle)) return false;
    if (!reader.I16(item.x) || !reader.I16(item.y) || !reader.I16(item.cx) || !reader.I16(item.cy)) return false;
    if (!reader.U16(id)) return false;
    item.id = static_cast<int16_t>(id);
  }
  if (!reader.NameField(item.windowClass) || !reader.NameField(item.title)) return false;
  uint16_t creationDataSize = 0;
  return reader.U16(creationDataSize) && reader.Skip(creationDataSize);
}

}  // namespace

std::string PredefinedControlClass(uint16_t ordinal) {
  switch (ordinal) {
    case 0x0080: return "Button";
    case 0x0081: return "Edit";
    case 0x0082: return "Static";
    case 0x0083: return "ListBox";
    case 0x0084: return "ScrollBar";
    case 0x0085: return "ComboBox";
    default: return std::string();
  }
}

bool ParseDialogTemplate(ByteView bytes, DialogTemplate& result) {
  result = DialogTemplate();
  TemplateReader reader(bytes);
  uint16_t version = 0;
  uint16_t signature = 0;
  if (!bytes.ReadU16(0, version) || !bytes.ReadU16(2, signature)) return false;
  result.extended = version == 1 && signature == 0xFFFF;

  uint16_t itemCount = 0;
  if (result.extended) {
    uint32_t helpId = 0;
    if (!reader.Skip(4) || !reader.U32(helpId) || !reader.U32(result.exStyle) || !reader.U32(result.style))
      return false;
  } else {
    if (!reader.U32(result.style) || !reader.U32(result.exStyle)) return false;
  }
  if (!reader.U16(itemCount) || itemCount > kMaxItems) return false;
  if (!reader.I16(result.x) || !reader.I16(result.y) || !reader.I16(result.cx) || !reader.I16(result.cy)) return false;
  if (!reader.NameField(result.menu) || !reader.NameField(result.windowClass) || !reader.Text(result.title))
    return false;
  if ((result.style & kSetFont) != 0) {
    uint16_t pointSize = 0;
    if (!reader.U16(pointSize)) return false;
    result.pointSize = pointSize;
    if (result.extended && !reader.Skip(4)) return false;  // weight, italic, character set
    if (!reader.Text(result.typeface)) return false;
  }
  result.items.resize(itemCount);
  for (DialogItemTemplate& item : result.items)
    if (!ReadItem(reader, result.extended, item)) return false;
  return true;
}
