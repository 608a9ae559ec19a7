// The rules a game's Variant tag names: standard chess, Chess960 (standard
// chess with Chess960 castling) or another variant, whose name is kept for
// the refusal "it follows the rules of NAME".
#pragma once

enum class VariantKind {
  kStandard,  // no tag, "", Standard, Chess, Normal, From Position
  kChess960,  // Chess960, Chess 960, Fischerandom, FischerRandom, Fischer Random, 960
  kOther,     // anything else: Crazyhouse, Atomic, a name not known here
};

struct VariantRules {
  VariantKind kind = VariantKind::kStandard;
  // The tag's value as written without the blanks around it, cut to 99
  // characters (kept for every kind; the refusal of kOther names it).
  char name[100] = "";
};

// Reads a Variant tag's value (zero-terminated; nullptr reads as no tag).
// Case does not matter, nor blanks around the name, nor a hyphen written
// for a blank ("Chess-960", "Fischer-Random", "From-Position") or left out
// ("Chess960", "FischerRandom").
VariantRules ReadVariantRules(const char* value);
