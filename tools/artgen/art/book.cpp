// Output folder of the art generator.
#include "tools/artgen/art/book.h"

#include "tools/artgen/kit/quantize.h"

namespace artgen {

void Output::Bitmap(const std::string& name, const Canvas& c) { Raw(name, EncodeBmp24(c)); }

void Output::Bitmap8(const std::string& name, const Canvas& c, bool rle8) {
  IndexedImage q = Quantize(c);
  Raw(name, EncodeBmp8(q.width, q.height, q.indices, q.palette, rle8));
}

void Output::Wave(const std::string& name, const std::vector<int16_t>& samples) {
  Raw(name, EncodeWav(samples, 22050));
}

void Output::Raw(const std::string& name, const Bytes& bytes) {
  WriteFile(dir_ + "/" + name, bytes);
  ++count_;
}

}  // namespace artgen
