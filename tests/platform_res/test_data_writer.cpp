// Writes the resource tests' pictures, wave and icon as files into a folder,
// for windres to compile into the test library and the test program.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/platform_res/test_samples.h"

namespace {
bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = true;
  for (const DibSample& sample : DibSamples())
    ok = Write(folder + "/" + sample.name + ".bmp", BmpFile(sample.dib)) && ok;
  ok = Write(folder + "/wave_pcm8_list_chunk.wav", SampleWave()) && ok;
  ok = Write(folder + "/wave_not_riff.wav", {'N', 'O', 'T', ' ', 'R', 'I', 'F', 'F'}) && ok;
  ok = Write(folder + "/icon_16x16.ico", SampleIconFile()) && ok;
  return ok ? 0 : 1;
}
