// Deterministic pseudo-random numbers and smooth noise for textures: every
// value depends only on its arguments and a seed, never on the clock.
#pragma once

#include <cstdint>

namespace artgen {

// A well-mixed 32-bit hash of up to three integers and a seed.
uint32_t Hash(int32_t x, int32_t y, int32_t z, uint32_t seed);
// Hash mapped to 0..1.
float HashUnit(int32_t x, int32_t y, int32_t z, uint32_t seed);

// Smooth value noise in 0..1, lattice spacing 1.
float ValueNoise(float x, float y, uint32_t seed);
// Sum of octaves of value noise, normalised to 0..1.
float Fbm(float x, float y, int octaves, uint32_t seed, float gain = 0.5f);
// Ridged noise (sharp crests) in 0..1.
float Ridged(float x, float y, int octaves, uint32_t seed);

// A small sequential generator for placing things (stars, veins, notes).
class Random {
 public:
  explicit Random(uint32_t seed) : state_((seed * 2654435761u + 12345u) | 1u) {}
  uint32_t Next();
  float Unit();                     // 0..1
  float Range(float lo, float hi);  // lo..hi
  int Below(int n);                 // 0..n-1

 private:
  uint32_t state_;
};

}  // namespace artgen
