// The quoted value of a tag line (see tag_values.h).
#include "viewer/chess/tag_values.h"

#include <cstring>

namespace {

// Where the quotes are looked for: the first 98 characters of a line.
constexpr size_t kValueReach = 98;

// The value's first character and its length; false without a quote.
bool FindQuotedValue(const char* text, size_t& start, size_t& length) {
  const char* open = static_cast<const char*>(std::memchr(text, '"', strnlen(text, kValueReach)));
  if (open == nullptr) return false;
  start = static_cast<size_t>(open - text) + 1;
  size_t end = start;
  while (end < kValueReach && text[end] != '\0' && text[end] != '"') ++end;
  length = end - start;
  return true;
}

}  // namespace

void QuotedTagValue(const char* text, char (&value)[kTagTextSize]) {
  size_t start = 0, length = 0;
  if (!FindQuotedValue(text, start, length)) length = 0;
  std::memmove(value, text + start, length);
  value[length] = '\0';
}

void KeepQuotedValue(char (&line)[kTagTextSize]) {
  size_t start = 0, length = 0;
  if (!FindQuotedValue(line, start, length)) return;
  std::memmove(line, line + start, length);
  std::memset(line + length, 0, sizeof line - length);
}
