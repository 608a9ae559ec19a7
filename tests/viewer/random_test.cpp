// The viewer's random generator gives one fixed sequence for a seed, so that
// seeded sessions play the same games, layouts and sounds on every system.
#include "viewer/show/random.h"

#include <gtest/gtest.h>

TEST(RandomGenerator, SeedOneGivesTheFixedSequence) {
  RandomGenerator random;
  random.Seed(1);
  const int32_t expected[] = {41, 18467, 6334, 26500, 19169};
  for (int32_t value : expected) EXPECT_EQ(random.Next(), value);
}

TEST(RandomGenerator, SameSeedSameSequenceAndValuesStayIn15Bits) {
  RandomGenerator first;
  RandomGenerator second;
  first.Seed(1733600000u);
  second.Seed(1733600000u);
  for (int i = 0; i < 10000; ++i) {
    const int32_t value = first.Next();
    ASSERT_EQ(value, second.Next());
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 32767);
  }
}

TEST(RandomGenerator, ChoiceIsValueTimesCountOver32768) {
  RandomGenerator reference;
  RandomGenerator random;
  reference.Seed(7);
  random.Seed(7);
  for (int i = 0; i < 1000; ++i) {
    const int32_t count = 1 + i % 32767;
    const int32_t value = reference.Next();
    const int32_t choice = random.Choose(count);
    ASSERT_EQ(choice, static_cast<int32_t>(static_cast<int64_t>(value) * count / 32768));
    ASSERT_LT(choice, count);
  }
}
