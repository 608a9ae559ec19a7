// The names of standard chess and Chess960 that game files write in their
// Variant tags, and the reading of a tag's value against them.
#include "viewer/chess/variant_rules.h"

#include <cstring>

namespace {

// Names as they compare: lowercase, a hyphen read as a blank.
const char* const kStandardNames[] = {"", "standard", "chess", "normal", "from position"};
const char* const kChess960Names[] = {"chess960",      "chess 960",      "fischerandom",
                                      "fischerrandom", "fischer random", "960"};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char Folded(char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c == '-' ? ' ' : c;
}

// True when `name`, folded, is `known`.
bool Matches(const char* name, const char* known) {
  std::size_t i = 0;
  for (; name[i] != '\0' && known[i] != '\0'; ++i) {
    if (Folded(name[i]) != known[i]) return false;
  }
  return name[i] == '\0' && known[i] == '\0';
}

template <std::size_t N>
bool MatchesAny(const char* name, const char* const (&names)[N]) {
  for (const char* known : names) {
    if (Matches(name, known)) return true;
  }
  return false;
}

}  // namespace

VariantRules ReadVariantRules(const char* value) {
  VariantRules rules;
  if (value == nullptr) return rules;
  while (IsBlank(*value)) ++value;
  std::size_t length = std::strlen(value);
  while (length > 0 && IsBlank(value[length - 1])) --length;
  if (length >= sizeof rules.name) length = sizeof rules.name - 1;
  std::memcpy(rules.name, value, length);
  rules.name[length] = '\0';

  if (MatchesAny(rules.name, kStandardNames)) {
    rules.kind = VariantKind::kStandard;
  } else if (MatchesAny(rules.name, kChess960Names)) {
    rules.kind = VariantKind::kChess960;
  } else {
    rules.kind = VariantKind::kOther;
  }
  return rules;
}
