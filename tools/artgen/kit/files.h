// File formats the art generator writes (BMP, WAV, ICO, PNG) and reads back
// (BMP, for the contact sheet).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/kit/canvas.h"

namespace artgen {

using Bytes = std::vector<uint8_t>;

struct Palette {
  std::array<Color, 256> colors{};
};

// Device-independent bitmap files, bottom-up rows padded to four bytes.
Bytes EncodeBmp24(const Canvas& c);
// 8 bits per pixel with a 256-colour palette; rle8 selects run-length encoding.
Bytes EncodeBmp8(int width, int height, const std::vector<uint8_t>& indices, const Palette& palette, bool rle8);
// Decodes a 24-bit or 8-bit (plain or RLE8) bitmap file; throws on anything else.
Canvas DecodeBmp(const Bytes& file);

// Mono 16-bit PCM wave file.
Bytes EncodeWav(const std::vector<int16_t>& samples, int sampleRate);

// Icon file with one 32-bit image per canvas (square sizes), alpha from the mask.
Bytes EncodeIco(const std::vector<std::pair<Canvas, Mask>>& images);

// PNG compressed by our own small deflate (fixed Huffman codes): no compression library needed.
Bytes EncodePng(const Canvas& c);

void WriteFile(const std::string& path, const Bytes& bytes);
Bytes ReadFile(const std::string& path);

}  // namespace artgen
