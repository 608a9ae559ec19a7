// ReadVariantRules: the names game files write for standard chess and for
// Chess960, in any case and spelling, and the names of other variants kept.
#include <gtest/gtest.h>

#include <string>

#include "viewer/chess/variant_rules.h"

namespace {

TEST(VariantRulesTest, StandardNamesInAnyCase) {
  for (const char* name : {"", "Standard", "standard", "STANDARD", "Chess", "chess", "Normal", "NORMAL",
                           "From Position", "from position", "FROM POSITION", "From-Position", "  Standard  "}) {
    EXPECT_EQ(ReadVariantRules(name).kind, VariantKind::kStandard) << '"' << name << '"';
  }
  EXPECT_EQ(ReadVariantRules(nullptr).kind, VariantKind::kStandard);
}

TEST(VariantRulesTest, Chess960NamesWithOrWithoutAHyphen) {
  for (const char* name :
       {"Chess960", "chess960", "CHESS960", "Chess 960", "chess 960", "Chess-960", "Fischerandom", "fischerandom",
        "FischerRandom", "fischerrandom", "Fischer Random", "fischer random", "Fischer-Random", "960", " 960\t"}) {
    EXPECT_EQ(ReadVariantRules(name).kind, VariantKind::kChess960) << '"' << name << '"';
  }
}

TEST(VariantRulesTest, OtherVariantsKeepTheirNameAsWritten) {
  for (const char* name :
       {"Crazyhouse", "Atomic", "Antichess", "Three-check", "King of the Hill", "Horde", "Racing Kings", "Suicide",
        "Chess960x", "Chess 9 60", "Standard960", "chess_960", "Fischer  Random", "Standardd", "?"}) {
    const VariantRules rules = ReadVariantRules(name);
    EXPECT_EQ(rules.kind, VariantKind::kOther) << '"' << name << '"';
    EXPECT_STREQ(rules.name, name);
  }
  EXPECT_STREQ(ReadVariantRules("  Atomic \r\n").name, "Atomic");
}

TEST(VariantRulesTest, ALongNameIsCutTo99Characters) {
  const std::string name = "Chess960" + std::string(300, 'x');
  const VariantRules rules = ReadVariantRules(name.c_str());
  EXPECT_EQ(rules.kind, VariantKind::kOther);
  EXPECT_EQ(std::string(rules.name), name.substr(0, 99));
}

}  // namespace
