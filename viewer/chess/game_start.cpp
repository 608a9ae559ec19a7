// How a game starts (see game_start.h).
#include "viewer/chess/game_start.h"

#include <cstdio>
#include <cstring>

#include "viewer/chess/variant_rules.h"

namespace {

constexpr char kRefusalPrefix[] = "Can't show this game: ";

}  // namespace

GameStart ReadGameStart(const char* fenTag, const char* variantTag) {
  GameStart start;
  const VariantRules rules = ReadVariantRules(variantTag);
  if (rules.kind == VariantKind::kOther) {
    std::snprintf(start.refusal, sizeof start.refusal, "it follows the rules of %.60s", rules.name);
    return start;
  }
  start.chess960 = rules.kind == VariantKind::kChess960;
  if (fenTag == nullptr) return start;
  const FenRefusal refusal = ReadFenPosition(fenTag, start.position);
  if (refusal != FenRefusal::kNone) {
    // The refusal texts are whole messages; the game layer adds the prefix.
    const char* text = FenRefusalText(refusal);
    const size_t prefix = sizeof kRefusalPrefix - 1;
    std::snprintf(start.refusal, sizeof start.refusal, "%s",
                  std::strncmp(text, kRefusalPrefix, prefix) == 0 ? text + prefix : text);
    return start;
  }
  start.setUp = true;
  start.chess960 = start.chess960 || start.position.chess960Castling;
  return start;
}
