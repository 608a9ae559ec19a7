// The viewer's pseudo-random generator: values 0 to 32767 from a linear
// congruential sequence of our own, so that one seed gives the same games,
// layouts and sounds on every system (C libraries' rand() differ).
#pragma once

#include <cstdint>

class RandomGenerator {
 public:
  void Seed(uint32_t seed) { state = seed; }
  // The next value, 0 to 32767.
  int32_t Next();
  // One of `count` outcomes, 0 to count - 1: value * count / 32768.
  int32_t Choose(int32_t count);

 private:
  uint32_t state = 1;
};
