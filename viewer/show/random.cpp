// The viewer's pseudo-random generator (see random.h).
#include "viewer/show/random.h"

int32_t RandomGenerator::Next() {
  state = state * 214013u + 2531011u;
  return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}

int32_t RandomGenerator::Choose(int32_t count) {
  return static_cast<int32_t>(static_cast<int64_t>(Next()) * count / 32768);
}
