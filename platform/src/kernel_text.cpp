// MultiByteToWideChar: UTF-8 (the code page of these systems, CP_ACP as well
// as CP_UTF8) to UTF-16 code units.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/src/core_backend.h"
#include "platform/win32.h"

namespace {

constexpr uint32_t kReplacement = 0xFFFD;

// Decodes one character at `text[*at]`; false for a malformed sequence (one
// byte is then taken).
bool DecodeUtf8(const unsigned char* text, size_t length, size_t* at, uint32_t* character) {
  const unsigned char lead = text[*at];
  int more;
  uint32_t value;
  if (lead < 0x80) {
    *character = lead;
    ++*at;
    return true;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3;
    value = lead & 0x07;
  } else {
    ++*at;
    return false;
  }
  if (length - *at <= static_cast<size_t>(more)) {
    ++*at;
    return false;
  }
  for (int i = 1; i <= more; ++i) {
    const unsigned char next = text[*at + i];
    if ((next & 0xC0) != 0x80) {
      ++*at;
      return false;
    }
    value = (value << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are malformed.
  if ((more == 2 && value < 0x800) || (more == 3 && (value < 0x10000 || value > 0x10FFFF)) ||
      (value >= 0xD800 && value <= 0xDFFF)) {
    ++*at;
    return false;
  }
  *at += more + 1;
  *character = value;
  return true;
}

}  // namespace

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar) {
  if (CodePage != CP_ACP && CodePage != CP_UTF8)
    PlatformFail("MultiByteToWideChar", "code pages other than CP_ACP and CP_UTF8");
  if ((dwFlags & ~MB_ERR_INVALID_CHARS) != 0)
    PlatformFail("MultiByteToWideChar", "flags other than MB_ERR_INVALID_CHARS");
  if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
      (cchWideChar > 0 && lpWideCharStr == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // With -1 the text ends at its zero, which is converted too.
  const size_t length = cbMultiByte == -1 ? std::strlen(lpMultiByteStr) + 1 : static_cast<size_t>(cbMultiByte);
  const auto* text = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
  std::vector<WCHAR> units;
  units.reserve(length);
  for (size_t at = 0; at < length;) {
    uint32_t character;
    if (!DecodeUtf8(text, length, &at, &character)) {
      if (dwFlags & MB_ERR_INVALID_CHARS) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
      }
      character = kReplacement;
    }
    if (character >= 0x10000) {
      character -= 0x10000;
      units.push_back(static_cast<WCHAR>(0xD800 + (character >> 10)));
      units.push_back(static_cast<WCHAR>(0xDC00 + (character & 0x3FF)));
    } else {
      units.push_back(static_cast<WCHAR>(character));
    }
  }
  if (cchWideChar == 0) return static_cast<int>(units.size());
  if (units.size() > static_cast<size_t>(cchWideChar)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(units.begin(), units.end(), lpWideCharStr);
  return static_cast<int>(units.size());
}
