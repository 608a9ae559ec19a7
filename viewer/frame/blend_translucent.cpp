// Translucent blending of locked surface memory, integer arithmetic only.
#include "viewer/frame/blend_translucent.h"

void BlendTranslucent(const uint8_t* source, int32_t sourcePitch, uint8_t* destination, int32_t destinationPitch,
                      int32_t width, int32_t height, int32_t bytesPerPixel, uint32_t key, uint32_t weight) {
  const uint32_t inverseWeight = 255 - weight;
  for (int32_t row = 0; row < height; ++row) {
    const uint8_t* sourcePixel = source + static_cast<intptr_t>(row) * sourcePitch;
    uint8_t* destinationPixel = destination + static_cast<intptr_t>(row) * destinationPitch;
    for (int32_t column = 0; column < width; ++column) {
      const uint32_t colour = sourcePixel[0] + (sourcePixel[1] << 8) + (sourcePixel[2] << 16);
      if (colour != key) {
        for (int channel = 0; channel < 3; ++channel) {
          const uint32_t blended = destinationPixel[channel] * inverseWeight + sourcePixel[channel] * weight + 128;
          destinationPixel[channel] = static_cast<uint8_t>((blended + (blended >> 8)) >> 8);
        }
      }
      sourcePixel += bytesPerPixel;
      destinationPixel += bytesPerPixel;
    }
  }
}
