// Pixel loops: memcpy rows for opaque copies, sixteen pixels at a time with
// SSE2 for keyed copies (a run that is all key is skipped, a run with no key
// is stored whole, any other run is merged without branches).
#include "platform/src/ddraw_pixels.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFFu;

inline bool IsKey(uint32_t pixel, ColorKeyRange key) { return (pixel & kColorMask) - key.low <= key.high - key.low; }

#if defined(__SSE2__)
// Four pixels: the mask of those to draw (all ones where the colour is outside the key).
inline __m128i DrawnMask(__m128i pixels, __m128i colorMask, __m128i low, __m128i bias, __m128i span) {
  const __m128i offset = _mm_xor_si128(_mm_sub_epi32(_mm_and_si128(pixels, colorMask), low), bias);
  return _mm_cmpgt_epi32(offset, span);
}

inline void Blend(uint32_t* destination, __m128i pixels, __m128i drawn) {
  auto* target = reinterpret_cast<__m128i*>(destination);
  const __m128i kept = _mm_andnot_si128(drawn, _mm_loadu_si128(target));
  _mm_storeu_si128(target, _mm_or_si128(kept, _mm_and_si128(drawn, pixels)));
}
#endif

void CopyRowKeyed(uint32_t* destination, const uint32_t* source, int width, ColorKeyRange key) {
  int x = 0;
#if defined(__SSE2__)
  // Unsigned range test through signed compares: a value v is in low..high
  // when (v - low) ^ bias <= (high - low) ^ bias, with bias the sign bit.
  const __m128i colorMask = _mm_set1_epi32(static_cast<int>(kColorMask));
  const __m128i low = _mm_set1_epi32(static_cast<int>(key.low));
  const __m128i bias = _mm_set1_epi32(static_cast<int>(0x80000000u));
  const __m128i span = _mm_set1_epi32(static_cast<int>((key.high - key.low) ^ 0x80000000u));
  // Sixteen pixels a step: a run that is all key costs one test; any
  // other run is merged without a branch per pixel.
  for (; x + 16 <= width; x += 16) {
    const __m128i p0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + x));
    const __m128i p1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + x + 4));
    const __m128i p2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + x + 8));
    const __m128i p3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + x + 12));
    const __m128i d0 = DrawnMask(p0, colorMask, low, bias, span);
    const __m128i d1 = DrawnMask(p1, colorMask, low, bias, span);
    const __m128i d2 = DrawnMask(p2, colorMask, low, bias, span);
    const __m128i d3 = DrawnMask(p3, colorMask, low, bias, span);
    const __m128i any = _mm_or_si128(_mm_or_si128(d0, d1), _mm_or_si128(d2, d3));
    if (_mm_movemask_epi8(any) == 0) continue;
    const __m128i all = _mm_and_si128(_mm_and_si128(d0, d1), _mm_and_si128(d2, d3));
    if (_mm_movemask_epi8(all) == 0xFFFF) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + x), p0);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + x + 4), p1);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + x + 8), p2);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + x + 12), p3);
      continue;
    }
    Blend(destination + x, p0, d0);
    Blend(destination + x + 4, p1, d1);
    Blend(destination + x + 8, p2, d2);
    Blend(destination + x + 12, p3, d3);
  }
  for (; x + 4 <= width; x += 4) {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + x));
    Blend(destination + x, pixels, DrawnMask(pixels, colorMask, low, bias, span));
  }
#endif
  for (; x < width; ++x) {
    const uint32_t pixel = source[x];
    if (!IsKey(pixel, key)) destination[x] = pixel;
  }
}

}  // namespace

void CopyPixels(PixelRect destination, ConstPixelRect source, int width, int height) {
  const size_t rowBytes = static_cast<size_t>(width) * 4;
  if (destination.pitch == source.pitch && static_cast<size_t>(destination.pitch) == rowBytes) {
    std::memmove(destination.pixels, source.pixels, rowBytes * height);
    return;
  }
  for (int y = 0; y < height; ++y)
    std::memmove(destination.pixels + static_cast<ptrdiff_t>(y) * destination.pitch,
                 source.pixels + static_cast<ptrdiff_t>(y) * source.pitch, rowBytes);
}

void CopyPixelsKeyed(PixelRect destination, ConstPixelRect source, int width, int height, ColorKeyRange key) {
  for (int y = 0; y < height; ++y)
    CopyRowKeyed(reinterpret_cast<uint32_t*>(destination.pixels + static_cast<ptrdiff_t>(y) * destination.pitch),
                 reinterpret_cast<const uint32_t*>(source.pixels + static_cast<ptrdiff_t>(y) * source.pitch), width,
                 key);
}

void FillPixels(PixelRect destination, int width, int height, uint32_t color) {
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(destination.pixels + static_cast<ptrdiff_t>(y) * destination.pitch);
    std::fill_n(row, width, color);
  }
}

void StretchPixels(PixelRect destination, int destinationWidth, int destinationHeight, ConstPixelRect source,
                   int sourceWidth, int sourceHeight, const ColorKeyRange* key) {
  for (int y = 0; y < destinationHeight; ++y) {
    const int sourceY = static_cast<int>(static_cast<int64_t>(y) * sourceHeight / destinationHeight);
    const auto* sourceRow =
        reinterpret_cast<const uint32_t*>(source.pixels + static_cast<ptrdiff_t>(sourceY) * source.pitch);
    auto* row = reinterpret_cast<uint32_t*>(destination.pixels + static_cast<ptrdiff_t>(y) * destination.pitch);
    for (int x = 0; x < destinationWidth; ++x) {
      const uint32_t pixel = sourceRow[static_cast<int64_t>(x) * sourceWidth / destinationWidth];
      if (key == nullptr || !IsKey(pixel, *key)) row[x] = pixel;
    }
  }
}
