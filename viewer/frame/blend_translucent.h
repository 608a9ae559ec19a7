// Blending of one locked pixel block over another, for translucent blits.
#pragma once

#include <cstdint>

// Blends a width x height block of source pixels over the destination pixels
// at weight / 255, with rounding; a source pixel whose colour (bytes 0 to 2,
// blue + 256 green + 65536 red) equals `key` is skipped. Pixels are 3 or 4
// bytes with one byte per channel; a fourth byte is left as it is.
void BlendTranslucent(const uint8_t* source, int32_t sourcePitch, uint8_t* destination, int32_t destinationPitch,
                      int32_t width, int32_t height, int32_t bytesPerPixel, uint32_t key, uint32_t weight);
