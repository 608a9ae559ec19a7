// The libFuzzer entry of every fuzz target: each target is this file built
// with TARNWICKET_FUZZ_INPUT naming its input function of fuzz_inputs.h.
#include "fuzz/fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TARNWICKET_FUZZ_INPUT(data, size);
  return 0;
}
