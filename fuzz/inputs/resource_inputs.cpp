// The inputs of the resource readers: a library file, a compiled resource
// file, and the three resource formats on their own.
#include <optional>
#include <vector>

#include "fuzz/fuzz_inputs.h"
#include "fuzz/inputs/resource_walk.h"
#include "platform/src/pe_resources.h"
#include "platform/src/res_file.h"

void RunPeResourcesInput(const uint8_t* data, size_t size) {
  const std::optional<ResourceTable> table = ReadPeResources(std::vector<uint8_t>(data, data + size));
  if (table) WalkResources(*table);
}

void RunResFileInput(const uint8_t* data, size_t size) {
  const std::optional<ResourceTable> table = ReadResFile(std::vector<uint8_t>(data, data + size));
  if (table) WalkResources(*table);
}

void RunDibDecodeInput(const uint8_t* data, size_t size) { CheckDib(ByteView(data, size)); }

void RunWaveInput(const uint8_t* data, size_t size) { CheckWave(ByteView(data, size)); }

void RunDialogTemplateInput(const uint8_t* data, size_t size) { CheckDialogTemplate(ByteView(data, size)); }
