// Reading the rectangles of a dialog template and converting them to pixels
// at the design base units.
#include "configurator/framework/design_layout.h"

#include <cctype>
#include <cstring>
#include <utility>

namespace {

constexpr int kDesignBaseUnitX = 6;
constexpr int kDesignBaseUnitY = 13;
constexpr WORD kOrdinalMarker = 0xFFFF;
constexpr WORD kStaticClassOrdinal = 0x0082;
constexpr DWORD kSetFontStyle = 0x40;  // DS_SETFONT (DS_SHELLFONT includes it)

// value * numerator / denominator rounded half away from zero.
int MultiplyDivideRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

// Little-endian reader over the template's bytes; every read past the end
// marks the reader failed and yields 0.
class TemplateReader {
 public:
  TemplateReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Failed() const { return failed_; }

  WORD Word() {
    if (!Has(2)) return 0;
    const WORD value = static_cast<WORD>(data_[at_] | (data_[at_ + 1] << 8));
    at_ += 2;
    return value;
  }
  DWORD DoubleWord() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  int Short() { return static_cast<int16_t>(Word()); }

  // A name or ordinal field; true with `ordinal` set when it is an ordinal.
  bool NameOrOrdinal(WORD& ordinal) {
    const WORD first = Word();
    if (first == kOrdinalMarker) {
      ordinal = Word();
      return true;
    }
    if (first != 0) SkipString();
    return false;
  }
  // The window class field: true for the static class, by ordinal or name.
  bool ClassIsStatic() {
    WORD ordinal = 0;
    if (Peek() != kOrdinalMarker) return StringIs("static");
    return NameOrOrdinal(ordinal) && ordinal == kStaticClassOrdinal;
  }
  void SkipString() {
    while (!failed_ && Word() != 0) {
    }
  }
  void Skip(size_t count) {
    if (Has(count)) at_ += count;
  }
  void AlignToDoubleWord() { Skip((4 - at_ % 4) % 4); }

 private:
  WORD Peek() {
    if (!Has(2)) return 0;
    return static_cast<WORD>(data_[at_] | (data_[at_ + 1] << 8));
  }
  // Reads a string and compares it, ignoring case, with a lower-case name.
  bool StringIs(const char* name) {
    const size_t length = std::strlen(name);
    size_t matched = 0;
    bool same = true;
    for (WORD c = Word(); c != 0 && !failed_; c = Word(), ++matched)
      same = same && matched < length && c < 128 && std::tolower(c) == name[matched];
    return same && matched == length;
  }
  bool Has(size_t count) {
    if (failed_ || size_ - at_ < count) {
      failed_ = true;
      return false;
    }
    return true;
  }

  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
  bool failed_ = false;
};

RECT DesignRect(int x, int y, int width, int height) {
  const int left = DesignPixelsX(x);
  const int top = DesignPixelsY(y);
  return RECT{left, top, left + DesignPixelsX(width), top + DesignPixelsY(height)};
}

}  // namespace

int DesignPixelsX(int dialogUnits) { return MultiplyDivideRounded(dialogUnits, kDesignBaseUnitX, 4); }

int DesignPixelsY(int dialogUnits) { return MultiplyDivideRounded(dialogUnits, kDesignBaseUnitY, 8); }

bool ReadDesignLayout(const uint8_t* data, size_t size, DesignLayout& layout) {
  TemplateReader reader(data, size);
  const WORD version = reader.Word();
  const WORD signature = reader.Word();
  const bool extended = version == 1 && signature == kOrdinalMarker;
  DWORD style = 0;
  if (extended) {
    reader.DoubleWord();  // help id
    reader.DoubleWord();  // extended style
    style = reader.DoubleWord();
  } else {
    style = version | (static_cast<DWORD>(signature) << 16);
    reader.DoubleWord();  // extended style
  }
  const WORD itemCount = reader.Word();
  reader.Short();  // the dialog's own position: the dialog is centred
  reader.Short();
  const int width = reader.Short();
  const int height = reader.Short();
  WORD ordinal = 0;
  reader.NameOrOrdinal(ordinal);  // menu
  reader.NameOrOrdinal(ordinal);  // window class
  reader.SkipString();            // title
  if ((style & kSetFontStyle) != 0) {
    reader.Word();                 // point size
    if (extended) reader.Skip(4);  // weight, italic, character set
    reader.SkipString();
  }

  DesignLayout read;
  read.clientWidth = DesignPixelsX(width);
  read.clientHeight = DesignPixelsY(height);
  for (WORD item = 0; item < itemCount && !reader.Failed(); ++item) {
    reader.AlignToDoubleWord();
    if (extended) reader.DoubleWord();  // help id
    reader.DoubleWord();                // style and extended style, in either order
    reader.DoubleWord();
    const int x = reader.Short();
    const int y = reader.Short();
    const int cx = reader.Short();
    const int cy = reader.Short();
    const WORD id = extended ? static_cast<WORD>(reader.DoubleWord()) : reader.Word();
    const bool isStatic = reader.ClassIsStatic();
    reader.NameOrOrdinal(ordinal);  // title or picture
    reader.Skip(reader.Word());     // creation data
    read.controls.push_back(DesignedControl{id, isStatic, DesignRect(x, y, cx, cy)});
  }
  if (reader.Failed()) return false;
  layout = std::move(read);
  return true;
}
