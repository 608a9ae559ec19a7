// Deterministic pseudo-random numbers and smooth noise for textures.
#include "tools/artgen/kit/noise.h"

#include <cmath>

namespace artgen {

uint32_t Hash(int32_t x, int32_t y, int32_t z, uint32_t seed) {
  uint32_t h = seed ^ 0x9E3779B9u;
  auto mix = [&](uint32_t v) {
    h ^= v + 0x7F4A7C15u + (h << 6) + (h >> 2);
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
  };
  mix(uint32_t(x));
  mix(uint32_t(y));
  mix(uint32_t(z));
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float HashUnit(int32_t x, int32_t y, int32_t z, uint32_t seed) {
  return float(Hash(x, y, z, seed) >> 8) * (1.0f / 16777216.0f);
}

static float Smooth(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float ValueNoise(float x, float y, uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y);
  int32_t ix = int32_t(fx), iy = int32_t(fy);
  float tx = Smooth(x - fx), ty = Smooth(y - fy);
  float a = HashUnit(ix, iy, 0, seed), b = HashUnit(ix + 1, iy, 0, seed);
  float c = HashUnit(ix, iy + 1, 0, seed), d = HashUnit(ix + 1, iy + 1, 0, seed);
  float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

float Fbm(float x, float y, int octaves, uint32_t seed, float gain) {
  float sum = 0, amp = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x, y, seed + uint32_t(i) * 101u) * amp;
    norm += amp;
    amp *= gain;
    // Rotate a little between octaves so lattice lines do not line up.
    float nx = x * 1.6f + y * 1.2f, ny = -x * 1.2f + y * 1.6f;
    x = nx + 17.3f;
    y = ny + 9.1f;
  }
  return sum / norm;
}

float Ridged(float x, float y, int octaves, uint32_t seed) {
  float sum = 0, amp = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    float n = 1.0f - std::fabs(ValueNoise(x, y, seed + uint32_t(i) * 131u) * 2.0f - 1.0f);
    sum += n * n * amp;
    norm += amp;
    amp *= 0.5f;
    float nx = x * 1.7f + y * 1.1f, ny = -x * 1.1f + y * 1.7f;
    x = nx + 5.7f;
    y = ny + 31.3f;
  }
  return sum / norm;
}

uint32_t Random::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

float Random::Unit() { return float(Next() >> 8) * (1.0f / 16777216.0f); }
float Random::Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
int Random::Below(int n) { return n <= 0 ? 0 : int(Next() % uint32_t(n)); }

}  // namespace artgen
