// The pictures, wave and icon of the resource tests, each with what reading
// it back must give. The data writer puts them into files for windres; the
// tests decode them in memory and read them back from the built library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DibSample {
  std::string name;  // after the quirk it covers; also the .bmp file name
  uint16_t resourceId;
  std::vector<uint8_t> dib;  // info header, colour table, pixels
  int width;
  int height;
  int decodedBits;                 // depth of the DIB section it becomes
  std::vector<uint32_t> expected;  // 0x00RRGGBB, rows from the top
};

std::vector<DibSample> DibSamples();
const DibSample& DibSampleById(uint16_t resourceId);

// A .bmp file: the 14-byte file header before the DIB.
std::vector<uint8_t> BmpFile(const std::vector<uint8_t>& dib);

// 8-bit mono PCM at 11025 Hz, a LIST chunk of odd size before the data.
std::vector<uint8_t> SampleWave();
const std::vector<uint8_t>& SampleWaveSamples();

// A 16 x 16 icon file with one 32-bit image.
std::vector<uint8_t> SampleIconFile();

// Little-endian writers for building binary test data.
void PutU16(std::vector<uint8_t>& out, uint32_t value);
void PutU32(std::vector<uint8_t>& out, uint32_t value);
