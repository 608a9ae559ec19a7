// UTF-8 to Windows-1252 conversion of tag values (see text_encoding.h).
#include "viewer/show/text_encoding.h"

#include <cstdint>
#include <cstring>

namespace {

// One decoded character, or the reason there is none.
struct Decoded {
  enum Kind { kCharacter, kInvalid, kCutOff } kind;
  uint32_t codePoint;
  size_t length;
};

// Decodes the UTF-8 sequence at text[0], within `available` bytes; rejects
// overlong forms, surrogates and values past U+10FFFF.
Decoded DecodeAt(const unsigned char* text, size_t available) {
  const unsigned char lead = text[0];
  if (lead < 0x80) return {Decoded::kCharacter, lead, 1};
  size_t length;
  uint32_t value;
  uint32_t minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1Fu, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0Fu, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07u, minimum = 0x10000;
  } else {
    return {Decoded::kInvalid, 0, 0};
  }
  for (size_t i = 1; i < length; ++i) {
    if (i >= available) return {Decoded::kCutOff, 0, 0};
    if ((text[i] & 0xC0) != 0x80) return {Decoded::kInvalid, 0, 0};
    value = (value << 6) | (text[i] & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return {Decoded::kInvalid, 0, 0};
  }
  return {Decoded::kCharacter, value, length};
}

// The Windows-1252 characters at 0x80 to 0x9F, by their Unicode values.
struct SpecialCell {
  uint16_t codePoint;
  unsigned char cell;
};
constexpr SpecialCell kSpecialCells[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86}, {0x2021, 0x87},
    {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91},
    {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98},
    {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
};

// Base letters of U+0100 to U+017F (Latin Extended-A); '?' where there is none.
constexpr char kLatinExtendedABase[] =
    "AaAaAaCcCcCcCcDd"
    "DdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIi"
    "Ii??JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOo"
    "OoOoRrRrRrSsSsSs"
    "SsTtTtTtUuUuUuUu"
    "UuUuWwYyYZzZzZzs";

// The cell for one character; 0 when the character is to be dropped.
unsigned char CellFor(uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<unsigned char>(codePoint);
  }
  for (const SpecialCell& special : kSpecialCells) {
    if (special.codePoint == codePoint) return special.cell;
  }
  if (codePoint >= 0x100 && codePoint <= 0x17F) {
    return static_cast<unsigned char>(kLatinExtendedABase[codePoint - 0x100]);
  }
  switch (codePoint) {
    case 0x0218: return 'S';  // S with comma below (Romanian)
    case 0x0219: return 's';
    case 0x021A: return 'T';
    case 0x021B: return 't';
    case 0xFEFF: return 0;  // byte-order mark
    default: break;
  }
  if (codePoint >= 0x300 && codePoint <= 0x36F) return 0;  // combining accents
  return '?';
}

// True when the text holds bytes of 128 or more and decodes as UTF-8 (a
// sequence cut off at the very end is allowed).
bool IsUtf8WithHighCharacters(const unsigned char* text, size_t length) {
  bool high = false;
  for (size_t i = 0; i < length;) {
    const Decoded decoded = DecodeAt(text + i, length - i);
    if (decoded.kind == Decoded::kInvalid) return false;
    if (decoded.kind == Decoded::kCutOff) return high;
    if (decoded.codePoint >= 0x80) high = true;
    i += decoded.length;
  }
  return high;
}

}  // namespace

void ConvertUtf8ToWindows1252(char* text, size_t capacity) {
  if (text == nullptr || capacity == 0) return;
  unsigned char* bytes = reinterpret_cast<unsigned char*>(text);
  const size_t length = strnlen(text, capacity - 1);
  if (!IsUtf8WithHighCharacters(bytes, length)) return;
  size_t out = 0;
  for (size_t i = 0; i < length;) {
    const Decoded decoded = DecodeAt(bytes + i, length - i);
    if (decoded.kind != Decoded::kCharacter) break;
    const unsigned char cell = CellFor(decoded.codePoint);
    if (cell != 0) bytes[out++] = cell;
    i += decoded.length;
  }
  bytes[out] = 0;
}

std::string ShownText(const std::string& text) {
  std::string shown(text);
  shown.push_back('\0');
  ConvertUtf8ToWindows1252(&shown[0], shown.size());
  shown.resize(std::strlen(shown.c_str()));
  return shown;
}
